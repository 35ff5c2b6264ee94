#include "ReprintCommand.h"

#include "cli/CommandOutput.h"
#include "cli/SharedOptions.h"
#include "cli/commands/OneCheque.h"
#include "core/base/Failure.h"
#include "core/cheque/ChequeDate.h"
#include "core/issue/IssueCheque.h"
#include "core/issue/Reprint.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>

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
    for (const QString &other : {kPrint, kPdf, kPay, kDate, kAmount, kMark}) {
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
        // The spoiled cheque's date is kept, and may have gone stale since: refused as --print
        // refuses it, unless the command says it was looked at.
        if (const QString flag = dateFlag(reprint.date, store.parameters().dateRules(commandLineToday()));
            !flag.isEmpty() && !parser.isSet(kConfirm))
            return sayFailure(QCoreApplication::translate("ReprintCommand",
                                                          "nothing was printed: the cheque is %1 Give --confirm to "
                                                          "print it again as it is.")
                                  .arg(flag));
        sayUnreportedPositivePay(store, account);
        return issueFromCommandLine(
            parser, store, [&](const IssueContext &context) { return reprintCheque(reprint, *row, context); },
            QCoreApplication::translate("ReprintCommand", "Cheque %1 printed and recorded, in place of %2.")
                .arg(QStringLiteral("%1"), row->chequeNo));
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
