#include "CommandLinePrint.h"

#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "core/cheque/ChequeInput.h"
#include "core/issue/ChequeLife.h"
#include "core/issue/IssueCheque.h"
#include "core/layout/PageChecks.h"
#include "core/layout/PageMetrics.h"
#include "print/CupsPrintQueue.h"
#include "print/PdfDocument.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace quillset {

namespace {

const QString kPdf = QStringLiteral("pdf");
const QString kPrint = QStringLiteral("print");
const QString kAccount = QStringLiteral("account");
const QString kChequeNo = QStringLiteral("cheque");
const QString kPay = QStringLiteral("pay");
const QString kDate = QStringLiteral("date");
const QString kAmount = QStringLiteral("amount");
const QString kStamp = QStringLiteral("stamp");
const QString kNoStamp = QStringLiteral("no-stamp");
const QString kMark = QStringLiteral("mark");
const QString kReason = QStringLiteral("reason");
const QString kNext = QStringLiteral("next");
const QString kConfirm = QStringLiteral("confirm");

void say(const QString &message)
{
    std::fprintf(stderr, "quillset: %s\n", qUtf8Printable(message));
}

} // namespace

ProofPrinter proofPrinter(PrintQueue &queue)
{
    ProofPrinter printer;
    try {
        printer.name = queue.defaultQueue();
        printer.margins = queue.printableMargins(printer.name);
    } catch (const Failure &) {
        // A proof needs no printer; it is then placed with the office's calibration, and says so.
    }
    return printer;
}

QStringList proofChecks(const ChequePage &page, const PageMetrics &metrics, const ProofPrinter &printer)
{
    // A proof shows what would print; say what would stop it printing, and warn as the print would.
    QStringList lines;
    for (const Failure &problem : pageProblems(page, metrics))
        lines.append(QStringLiteral("the proof is written, but this cheque would not print: %1")
                         .arg(problem.description(Audience::CommandLine)));
    const QString warning = printWarning(page, metrics, printer.name, printer.margins, Audience::CommandLine);
    if (!warning.isEmpty())
        lines.append(printWarningLine(warning));
    return lines;
}

QString printWarningLine(const QString &warning)
{
    return QStringLiteral("warning: %1").arg(warning);
}

int sayFailure(const QString &message, int status)
{
    say(message);
    return status;
}

QDate commandLineToday()
{
    const QDate fixed = QDate::fromString(qEnvironmentVariable("QUILLSET_TODAY"), Qt::ISODate);
    return fixed.isValid() ? fixed : QDate::currentDate();
}

int sayFailure(const Failure &failure, int status)
{
    return sayFailure(failure.description(Audience::CommandLine), status);
}

void sayPendingCheques(const Store &store)
{
    try {
        const QString notice = pendingNotice(store.cheques().pendingCount(), Audience::CommandLine);
        if (!notice.isEmpty())
            say(notice);
    } catch (const Failure &) {
        // The command itself meets the same fault and says it.
    }
}

void addChequePrintOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {kPrint, QStringLiteral("Print the cheque on the default printer and record it in the register.")},
        {kPdf, QStringLiteral("Write a proof of the cheque to the PDF <file>; nothing is recorded."),
         QStringLiteral("file")},
        {kAccount, QStringLiteral("The bank account code of the cheque."), QStringLiteral("code")},
        {kChequeNo, QStringLiteral("The cheque number, or \"next\" for the one after the account's highest."),
         QStringLiteral("number")},
        {kPay, QStringLiteral("The payee."), QStringLiteral("payee")},
        {kDate,
         QStringLiteral("The cheque date, such as 06-Dec-2026 (numbers alone in the office's order of dates, "
                        "day first unless it chose another)."),
         QStringLiteral("date")},
        {kAmount, QStringLiteral("The amount, digits only."), QStringLiteral("amount")},
        {kStamp, QStringLiteral("Print the \"Payee's Account Only\" crossing.")},
        {kNoStamp, QStringLiteral("Leave the crossing off (without either, the Stamp setting decides).")},
        {kMark,
         QStringLiteral("Settle the --account's --cheque: printed, spoiled or unprinted for a pending cheque, void "
                        "for a printed one; spoiled for a number with no cheque records a spoiled leaf."),
         QStringLiteral("how")},
        {kReason, QStringLiteral("Why a cheque is spoiled or void (with --mark)."), QStringLiteral("text")},
        {kConfirm,
         QStringLiteral("With --print: print what needs a second look as it is (a post-dated cheque, one dated "
                        "longer ago than a cheque stays valid; in a --batch also a 0 amount or a number in no "
                        "cheque book); without it, it is refused and nothing prints.")},
    });
}

bool wantsChequePrint(const QCommandLineParser &parser)
{
    return parser.isSet(kPrint) || parser.isSet(kPdf);
}

bool wantsSettling(const QCommandLineParser &parser)
{
    return parser.isSet(kMark);
}

QString chequePrintUsageProblem(const QCommandLineParser &parser)
{
    if (parser.isSet(kPrint) && parser.isSet(kPdf))
        return QStringLiteral("--print and --pdf cannot go together: print the cheque, or write its proof.");
    if (parser.isSet(kStamp) && parser.isSet(kNoStamp))
        return QStringLiteral("--stamp and --no-stamp cannot go together.");
    if (parser.isSet(kMark) && wantsChequePrint(parser))
        return QStringLiteral("--mark settles a cheque already sent; it cannot go with --print or --pdf.");
    if (parser.isSet(kConfirm) && !parser.isSet(kPrint))
        return QStringLiteral("--confirm goes with --print.");
    if (parser.isSet(kMark) && !settlementFromWord(parser.value(kMark)))
        return QStringLiteral("--mark takes printed, spoiled, void or unprinted, not \"%1\".").arg(parser.value(kMark));
    return QString();
}

int printChequeFromCommandLine(const QCommandLineParser &parser, const Store &store)
{
    ChequeTexts texts {parser.value(kAccount), parser.value(kChequeNo), parser.value(kPay),
                       parser.value(kDate),    parser.value(kAmount),   false};
    if (texts.accountCode.isEmpty())
        return sayFailure(QStringLiteral("say which bank account the cheque is drawn on with --account."));
    if (parser.isSet(kPdf)) {
        if (const QString problem = writeTargetProblem(parser.value(kPdf), FileKind::Pdf, store.databaseFile());
            !problem.isEmpty())
            return sayFailure(problem);
    }
    try {
        const std::optional<BankAccountRecord> account = store.accounts().find(texts.accountCode);
        if (!account)
            return sayFailure(QStringLiteral("there is no bank account with the code \"%1\".").arg(texts.accountCode));
        texts.accountCode = account->bankId; // as the account stores it, whatever the capitals typed
        // The next number is taken at the moment of printing; a proof shows the one offered now.
        const bool next = texts.number == kNext;
        if (next) {
            texts.number = offeredNumber(store, texts.accountCode);
            if (texts.number.isEmpty())
                return sayFailure(QStringLiteral("the account \"%1\" has no cheque numbered in digits yet, so there "
                                                 "is no next number: give the first one with --cheque.")
                                      .arg(texts.accountCode));
        }
        if (parser.isSet(kStamp) || parser.isSet(kNoStamp))
            texts.stamp = parser.isSet(kStamp);
        else
            texts.stamp = store.parameters().wholeNumberParameter(Parameter::Stamp) != 0;

        const DateRules dates = store.parameters().dateRules(commandLineToday());
        const ChequeReading reading = readCheque(texts, account->money, dates);
        if (reading.incomplete())
            return sayFailure(kIncompleteChequeMessage
                              + QStringLiteral(": give --cheque, --pay, --date and --amount."));
        if (!reading.cheque)
            return sayFailure(reading.messages());
        const Cheque &cheque = *reading.cheque;
        // Nobody can be asked here: a date that needs a second look is refused unless the command
        // says it was looked at, and a proof says it.
        const QString flag = dateFlag(cheque.date, dates);
        if (!flag.isEmpty() && parser.isSet(kPrint) && !parser.isSet(kConfirm))
            return sayFailure(
                QStringLiteral("nothing was printed: the cheque is %1 Give --confirm to print it as it is.").arg(flag));

        const PageMetrics metrics;
        if (parser.isSet(kPrint)) {
            // The same cheque life as the window's "&Print": pending first, printed once the server says so.
            CupsPrintQueue queue;
            BlockingWaiter waiter;
            IssueContext context {store, queue, metrics, waiter, nullptr, workstationName()};
            context.audience = Audience::CommandLine;
            // A script cannot be asked; it is told, and the cheque prints as the command said.
            context.proceedDespite = [](const QString &warning) {
                say(printWarningLine(warning));
                return true;
            };
            const IssueOutcome outcome = next ? issueNextCheque(cheque, context) : issueCheque(cheque, context);
            switch (outcome.kind) {
            case IssueOutcome::Kind::Printed:
                std::printf("Cheque %s printed and recorded.\n", qUtf8Printable(outcome.number));
                return ExitStatus::Done;
            case IssueOutcome::Kind::NotPrinted:
                return sayFailure(outcome.message);
            case IssueOutcome::Kind::Unknown:
                return sayFailure(outcome.message, ExitStatus::OutcomeUnknown);
            case IssueOutcome::Kind::NotMarked:
                return sayFailure(outcome.message, ExitStatus::PrintedNotRecorded);
            }
        }
        // A proof is placed as the default printer would print it.
        CupsPrintQueue queue(2000);
        const ProofPrinter printer = proofPrinter(queue);
        const ChequePage page = composeChequePage(store, cheque, metrics, printer.name);
        writeFile(parser.value(kPdf), FileKind::Pdf,
                  renderPdf({page}, QStringLiteral("Quillset cheque %1").arg(cheque.number)), store.databaseFile());
        std::printf("%s\n", qUtf8Printable(calibrationNote(store, printer.name)));
        if (!flag.isEmpty())
            say(printWarningLine(QStringLiteral("the cheque is %1").arg(flag)));
        for (const QString &line : proofChecks(page, metrics, printer))
            say(line);
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

int settleFromCommandLine(const QCommandLineParser &parser, const Store &store)
{
    const QString account = parser.value(kAccount);
    const QString number = parser.value(kChequeNo);
    if (account.isEmpty() || number.isEmpty())
        return sayFailure(QStringLiteral("--mark needs the cheque's --account and --cheque."), ExitStatus::Usage);
    try {
        const std::optional<BankAccountRecord> found = store.accounts().find(account);
        if (!found)
            return sayFailure(QStringLiteral("there is no bank account with the code \"%1\".").arg(account));
        // A cheque whose job the print server still holds is not settled: it may yet print.
        CupsPrintQueue queue;
        const QString done = settleNumber(store, found->bankId, number, *settlementFromWord(parser.value(kMark)),
                                          parser.value(kReason), commandLineToday(), {queue, workstationName()});
        std::printf("%s\n", qUtf8Printable(done));
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
