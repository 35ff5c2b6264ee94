#include "OneCheque.h"

#include "cli/CliLog.h"
#include "cli/CommandOutput.h"
#include "cli/SharedOptions.h"
#include "core/base/ErrorKind.h"
#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "core/cheque/ChequeInput.h"
#include "core/issue/ChequeLife.h"
#include "core/layout/PageMetrics.h"
#include "core/report/PositivePayExport.h"
#include "print/CupsPrintQueue.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace quillset {

using namespace SharedOptions;

namespace {

const QString kNext = QStringLiteral("next");

RequestedCheque refused(const QString &problem)
{
    RequestedCheque request;
    request.status = sayFailure(problem);
    return request;
}

} // namespace

RequestedCheque readRequestedCheque(const QCommandLineParser &parser, const Store &store)
{
    ChequeTexts texts {parser.value(kAccount), parser.value(kChequeNo), parser.value(kPay),
                       parser.value(kDate),    parser.value(kAmount),   false};
    if (texts.accountCode.isEmpty())
        return refused(
            QCoreApplication::translate("OneCheque", "say which bank account the cheque is drawn on with --account."));
    if (parser.isSet(kPdf)) {
        if (const QString problem = writeTargetProblem(parser.value(kPdf), FileKind::Pdf, store.databaseFile());
            !problem.isEmpty())
            return refused(problem);
    }
    const std::optional<BankAccountRecord> account = store.accounts().find(texts.accountCode);
    if (!account)
        return refused(QCoreApplication::translate("OneCheque", "there is no bank account with the code \"%1\".")
                           .arg(texts.accountCode));
    texts.accountCode = account->bankId; // as the account stores it, whatever the capitals typed
    RequestedCheque request;
    // The next number is taken at the moment of printing; a proof shows the one offered now.
    request.next = texts.number == kNext;
    if (request.next) {
        texts.number = offeredNumber(store, texts.accountCode);
        if (texts.number.isEmpty())
            return refused(
                QCoreApplication::translate("OneCheque",
                                            "the account \"%1\" has no cheque numbered in digits yet, so there "
                                            "is no next number: give the first one with --cheque.")
                    .arg(texts.accountCode));
    }
    // Words given for the crossing ask for one.
    texts.crossing = parser.isSet(kCrossing) ? parser.value(kCrossing).trimmed() : account->marks.crossing();
    if (parser.isSet(kStamp) || parser.isSet(kNoStamp) || parser.isSet(kCrossing))
        texts.stamp = !parser.isSet(kNoStamp);
    else
        texts.stamp = store.parameters().wholeNumberParameter(Parameter::Stamp) != 0;

    const DateRules dates = store.parameters().dateRules(commandLineToday());
    const ChequeReading reading = readCheque(texts, account->money, dates);
    if (reading.incomplete())
        return refused(incompleteChequeMessage()
                       + QCoreApplication::translate("OneCheque", ": give --cheque, --pay, --date and --amount."));
    if (!reading.cheque)
        return refused(reading.messages());
    request.cheque = reading.cheque;
    request.dateFlag = dateFlag(reading.cheque->date, dates);
    return request;
}

QString oneChequeUsageProblem(const QCommandLineParser &parser)
{
    if (parser.isSet(kPrint) && parser.isSet(kPdf))
        return QCoreApplication::translate(
            "OneCheque", "--print and --pdf cannot go together: print the cheque, or write its proof.");
    if (parser.isSet(kStamp) && parser.isSet(kNoStamp))
        return QCoreApplication::translate("OneCheque", "--stamp and --no-stamp cannot go together.");
    if (parser.isSet(kCrossing) && parser.isSet(kNoStamp))
        return QCoreApplication::translate("OneCheque",
                                           "--crossing gives the crossing's words; it cannot go with --no-stamp.");
    if (parser.isSet(kMark) && (parser.isSet(kPrint) || parser.isSet(kPdf)))
        return QCoreApplication::translate("OneCheque",
                                           "--mark settles a cheque already sent; it cannot go with --print or --pdf.");
    if (parser.isSet(kConfirm) && !parser.isSet(kPrint) && !parser.isSet(kReprint))
        return QCoreApplication::translate("OneCheque", "--confirm goes with --print or --reprint.");
    if (const QString problem = overLimitUsageProblem(parser); !problem.isEmpty())
        return problem;
    if (parser.isSet(kMark) && !settlementFromWord(parser.value(kMark)))
        return QCoreApplication::translate("OneCheque", "--mark takes printed, spoiled, void or unprinted, not \"%1\".")
            .arg(parser.value(kMark));
    return QString();
}

CommandLineIssue::CommandLineIssue(const QCommandLineParser &parser, const Store &store, const PageMetrics &metrics)
    : m_context {store, m_queue, metrics, m_waiter, nullptr, workstationName()}
{
    m_context.audience = Audience::CommandLine;
    if (parser.isSet(kConfirmOverLimit))
        m_context.notes.overLimitReason = parser.value(kReason);
    // A script cannot be asked; it is told, and the cheque prints as the command said.
    m_context.proceedDespite = [](const QString &warning) {
        say(printWarningLine(warning));
        return true;
    };
}

int issueFromCommandLine(const QCommandLineParser &parser, const Store &store,
                         const std::function<IssueOutcome(const IssueContext &)> &issue, const QString &printed)
{
    const PageMetrics metrics;
    const CommandLineIssue print(parser, store, metrics);
    const IssueOutcome outcome = issue(print.context());
    switch (outcome.kind) {
    case IssueOutcome::Kind::Printed:
        std::printf("%s\n", qUtf8Printable(printed.arg(outcome.number)));
        return ExitStatus::Done;
    case IssueOutcome::Kind::NotPrinted:
        return sayFailure(outcome.message);
    case IssueOutcome::Kind::Unknown:
        return sayFailure(outcome.message, ExitStatus::OutcomeUnknown);
    case IssueOutcome::Kind::NotMarked:
        return sayFailure(outcome.message, ExitStatus::PrintedNotRecorded);
    }
    return ExitStatus::Done;
}

QString overLimitUsageProblem(const QCommandLineParser &parser)
{
    if (!parser.isSet(kConfirmOverLimit))
        return QString();
    if (!parser.isSet(kPrint) && !parser.isSet(kReprint))
        return QCoreApplication::translate("OneCheque", "--confirm-over-limit goes with --print or --reprint.");
    if (parser.value(kReason).trimmed().isEmpty())
        return QCoreApplication::translate("OneCheque",
                                           "--confirm-over-limit needs the reason, such as --reason \"advance "
                                           "approved by the director\".");
    return QString();
}

void sayPendingCheques(const Store &store)
{
    try {
        const QString notice = pendingNotice(store.cheques().pending(workstationName()), Audience::CommandLine);
        if (!notice.isEmpty())
            say(notice);
    } catch (const Failure &failure) {
        // The command itself meets the same fault and says it.
        qCDebug(lcCli).noquote() << "the pending cheques could not be counted:" << failure;
    }
}

void sayUnreportedPositivePay(const Store &store, const BankAccountRecord &account)
{
    if (const QString late = positivePayWarning(store, account, commandLineToday()); !late.isEmpty())
        say(printWarningLine(late));
}

} // namespace quillset
