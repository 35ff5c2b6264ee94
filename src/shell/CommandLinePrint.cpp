#include "CommandLinePrint.h"

#include "cheque/ChequeInput.h"
#include "core/Failure.h"
#include "issue/IssueCheque.h"
#include "layout/CupsPrintQueue.h"
#include "layout/PageMetrics.h"
#include "layout/PdfDocument.h"
#include "store/Store.h"

#include <QCommandLineParser>

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

} // namespace

int sayFailure(const QString &message, int status)
{
    std::fprintf(stderr, "quillset: %s\n", qUtf8Printable(message));
    return status;
}

void addChequePrintOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {kPrint,
         QStringLiteral("Print the cheque on the default printer and record it in the register, "
                        "without opening the windows.")},
        {kPdf, QStringLiteral("Write a proof of the cheque to the PDF <file>; nothing is recorded."),
         QStringLiteral("file")},
        {kAccount, QStringLiteral("The bank account code of the cheque."), QStringLiteral("code")},
        {kChequeNo, QStringLiteral("The cheque number."), QStringLiteral("number")},
        {kPay, QStringLiteral("The payee."), QStringLiteral("payee")},
        {kDate, QStringLiteral("The cheque date, such as 06-Dec-2026."), QStringLiteral("date")},
        {kAmount, QStringLiteral("The amount, digits only."), QStringLiteral("amount")},
        {kStamp, QStringLiteral("Print the \"Payee's Account Only\" crossing.")},
        {kNoStamp, QStringLiteral("Leave the crossing off (without either, the Stamp setting decides).")},
    });
}

bool wantsChequePrint(const QCommandLineParser &parser)
{
    return parser.isSet(kPrint) || parser.isSet(kPdf);
}

QString chequePrintUsageProblem(const QCommandLineParser &parser)
{
    if (parser.isSet(kPrint) && parser.isSet(kPdf))
        return QStringLiteral("--print and --pdf cannot go together: print the cheque, or write its proof.");
    if (parser.isSet(kStamp) && parser.isSet(kNoStamp))
        return QStringLiteral("--stamp and --no-stamp cannot go together.");
    return QString();
}

int printChequeFromCommandLine(const QCommandLineParser &parser, const Store &store)
{
    ChequeTexts texts {parser.value(kAccount), parser.value(kChequeNo), parser.value(kPay),
                       parser.value(kDate),    parser.value(kAmount),   false};
    if (texts.accountCode.isEmpty())
        return sayFailure(QStringLiteral("say which bank account the cheque is drawn on with --account."));
    try {
        const std::optional<BankAccountRecord> account = store.accounts().find(texts.accountCode);
        if (!account)
            return sayFailure(QStringLiteral("there is no bank account with the code \"%1\".").arg(texts.accountCode));
        if (parser.isSet(kStamp) || parser.isSet(kNoStamp))
            texts.stamp = parser.isSet(kStamp);
        else
            texts.stamp = store.parameters().wholeNumberParameter(Parameter::Stamp) != 0;

        const ChequeReading reading = readCheque(texts, account->money);
        if (reading.incomplete())
            return sayFailure(kIncompleteChequeMessage
                              + QStringLiteral(": give --cheque, --pay, --date and --amount."));
        if (!reading.cheque)
            return sayFailure(reading.messages());
        const Cheque &cheque = *reading.cheque;

        const PageMetrics metrics;
        if (parser.isSet(kPrint)) {
            // The same sequence as the entry window's "&Print": recorded only once it is printed.
            CupsPrintQueue queue;
            const IssueResult result
                = issueCheque(cheque, store, queue, metrics, [&store](const Cheque &printed, const MoneyStyle &money) {
                      store.cheques().record(printed, money);
                  });
            switch (result.outcome) {
            case IssueResult::Outcome::Printed:
                return ExitStatus::Done;
            case IssueResult::Outcome::NotPrinted:
                return sayFailure(result.message);
            case IssueResult::Outcome::PrintedNotRecorded:
                return sayFailure(result.message, ExitStatus::PrintedNotRecorded);
            }
        }
        const ChequePage page = composeChequePage(store, cheque, metrics);
        writePdfFile(parser.value(kPdf), renderPdf({page}, QStringLiteral("Quillset cheque %1").arg(cheque.number)));
    } catch (const Failure &failure) {
        return sayFailure(failure.description());
    }
    return ExitStatus::Done;
}

} // namespace quillset
