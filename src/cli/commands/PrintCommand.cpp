#include "PrintCommand.h"

#include "cli/SharedOptions.h"
#include "cli/commands/OneCheque.h"
#include "core/base/Failure.h"
#include "core/issue/ChequeLife.h"
#include "core/issue/IssueCheque.h"
#include "core/layout/PageMetrics.h"
#include "print/CupsPrintQueue.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace quillset {

using namespace SharedOptions;

bool PrintCommand::isWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(kPrint);
}

QString PrintCommand::usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const
{
    // The options of one cheque, checked here once for the print, the proof and the settling.
    if (std::any_of(wanted.cbegin(), wanted.cend(), [](const Command *command) { return command->worksOnFiles(); }))
        return QString();
    return oneChequeUsageProblem(parser);
}

int PrintCommand::run(CommandRun &run) const
{
    const Store &store = *run.store;
    sayPendingCheques(store);
    try {
        const RequestedCheque request = readRequestedCheque(run.parser, store);
        if (!request.cheque)
            return request.status;
        // Nobody can be asked here: a date that needs a second look is refused unless the command
        // says it was looked at.
        if (!request.dateFlag.isEmpty() && !run.parser.isSet(kConfirm))
            return sayFailure(
                QCoreApplication::translate(
                    "PrintCommand", "nothing was printed: the cheque is %1 Give --confirm to print it as it is.")
                    .arg(request.dateFlag));
        // The same cheque life as the window's "&Print": pending first, printed once the server says so.
        const PageMetrics metrics;
        CupsPrintQueue queue;
        BlockingWaiter waiter;
        IssueContext context {store, queue, metrics, waiter, nullptr, workstationName()};
        context.audience = Audience::CommandLine;
        if (run.parser.isSet(kConfirmOverLimit))
            context.notes.overLimitReason = run.parser.value(kReason);
        // A script cannot be asked; it is told, and the cheque prints as the command said.
        context.proceedDespite = [](const QString &warning) {
            say(printWarningLine(warning));
            return true;
        };
        const IssueOutcome outcome
            = request.next ? issueNextCheque(*request.cheque, context) : issueCheque(*request.cheque, context);
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
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
