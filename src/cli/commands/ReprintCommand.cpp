#include "ReprintCommand.h"

#include "cli/SharedOptions.h"
#include "cli/commands/OneCheque.h"
#include "core/base/Failure.h"
#include "core/issue/IssueCheque.h"
#include "core/issue/Reprint.h"
#include "core/layout/PageMetrics.h"
#include "print/CupsPrintQueue.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace quillset {

using namespace SharedOptions;

QList<QCommandLineOption> ReprintCommand::options() const
{
    return {{kReprint,
             QCoreApplication::translate(
                 "ReprintCommand",
                 "Print the --account's spoiled or void --cheque again on the next leaf: the same payee, "
                 "amount, date and crossing (--stamp or --no-stamp to change the crossing).")}};
}

bool ReprintCommand::isWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(kReprint);
}

QString ReprintCommand::usageProblem(const QCommandLineParser &parser, const QList<const Command *> &) const
{
    if (!isWanted(parser))
        return QString();
    for (const QString &other : {kPrint, kPdf, kPay, kDate, kAmount, kMark, kConfirm}) {
        if (parser.isSet(other))
            return QCoreApplication::translate(
                       "ReprintCommand", "--reprint takes the cheque from the register; --%1 does not go with it.")
                .arg(other);
    }
    if (parser.value(kAccount).isEmpty() || parser.value(kChequeNo).isEmpty())
        return QCoreApplication::translate("ReprintCommand",
                                           "--reprint needs the spoiled or void cheque's --account and --cheque.");
    return QString();
}

int ReprintCommand::run(CommandRun &run) const
{
    const QCommandLineParser &parser = run.parser;
    const Store &store = *run.store;
    sayPendingCheques(store);
    try {
        const BankAccountRecord account = chequeAccount(store, parser.value(kAccount));
        const std::optional<RegisterEntry> row = store.cheques().findNumber(account.bankId, parser.value(kChequeNo));
        if (!row)
            return sayFailure(
                QCoreApplication::translate("ReprintCommand", "there is no cheque %1 of \"%2\" in the register.")
                    .arg(parser.value(kChequeNo), account.bankId));
        Cheque reprint = reprintOf(store, *row);
        if (parser.isSet(kStamp) || parser.isSet(kNoStamp)) {
            reprint.stamp = parser.isSet(kStamp);
            reprint.crossing = reprint.stamp ? account.marks.crossing() : QString();
        }
        const PageMetrics metrics;
        CupsPrintQueue queue;
        BlockingWaiter waiter;
        IssueContext context {store, queue, metrics, waiter, nullptr, workstationName()};
        context.audience = Audience::CommandLine;
        if (parser.isSet(kConfirmOverLimit))
            context.notes.overLimitReason = parser.value(kReason);
        context.proceedDespite = [](const QString &warning) {
            say(printWarningLine(warning));
            return true;
        };
        const IssueOutcome outcome = reprintCheque(reprint, *row, context);
        switch (outcome.kind) {
        case IssueOutcome::Kind::Printed:
            std::printf("%s\n",
                        qUtf8Printable(QCoreApplication::translate("ReprintCommand",
                                                                   "Cheque %1 printed and recorded, in place of %2.")
                                           .arg(outcome.number, row->chequeNo)));
            return ExitStatus::Done;
        case IssueOutcome::Kind::NotPrinted:
            return sayFailure(outcome.message);
        case IssueOutcome::Kind::Unknown:
            return sayFailure(outcome.message, ExitStatus::OutcomeUnknown);
        case IssueOutcome::Kind::NotMarked:
            return sayFailure(outcome.message, ExitStatus::PrintedNotRecorded);
        }
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
