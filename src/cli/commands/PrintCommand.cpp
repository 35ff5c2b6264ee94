#include "PrintCommand.h"

#include "cli/CliLog.h"
#include "cli/SharedOptions.h"
#include "cli/commands/OneCheque.h"
#include "core/base/ErrorKind.h"
#include "core/base/Failure.h"
#include "core/batch/BatchCheck.h"
#include "core/issue/ChequeBookLife.h"
#include "core/issue/ChequeLife.h"
#include "core/issue/IssueCheque.h"
#include "core/issue/SamePayment.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>

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
        const Cheque &cheque = *request.cheque;
        QString paid;
        try {
            paid = samePaymentText(store, cheque);
        } catch (const Failure &failure) {
            // The print reads the register next, and says what the database does.
            qCDebug(lcCli).noquote() << "the register was not asked for the same payment:" << failure;
        }
        if (!paid.isEmpty() && !run.parser.isSet(kConfirm))
            return sayFailure(QCoreApplication::translate("PrintCommand",
                                                          "nothing was printed: %1, so this cheque would pay it a "
                                                          "second time. Give --confirm to print it all the same.")
                                  .arg(paid));
        // A number outside the account's cheque books is asked about in the window: here, refused unless
        // confirmed. "next" is judged by the number it would take now.
        const QString number = request.next ? offeredNumber(store, cheque.accountCode) : cheque.number;
        if (const QString outside
            = number.isEmpty() ? QString() : numberOutsideBooksWarning(store, cheque.accountCode, number);
            !outside.isEmpty() && !run.parser.isSet(kConfirm))
            return sayFailure(QCoreApplication::translate("PrintCommand",
                                                          "nothing was printed: %1 Give --confirm to print it on "
                                                          "that number all the same.")
                                  .arg(outside));
        if (const std::optional<BankAccountRecord> account = store.accounts().find(cheque.accountCode))
            sayUnreportedPositivePay(store, *account);
        const int status = issueFromCommandLine(
            run.parser, store,
            [&](const IssueContext &context) {
                return request.next ? issueNextCheque(cheque, context) : issueCheque(cheque, context);
            },
            QCoreApplication::translate("PrintCommand", "Cheque %1 printed and recorded."));
        if (status == ExitStatus::Done) {
            for (const QString &line : leavesLeftLines(store, {cheque.accountCode}))
                sayLine(line);
        }
        return status;
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
