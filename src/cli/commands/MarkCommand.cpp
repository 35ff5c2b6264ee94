#include "MarkCommand.h"

#include "cli/SharedOptions.h"
#include "core/base/Failure.h"
#include "core/issue/ChequeLife.h"
#include "print/CupsPrintQueue.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace quillset {

using namespace SharedOptions;

QList<QCommandLineOption> MarkCommand::options() const
{
    return {
        {kMark,
         QCoreApplication::translate(
             "MarkCommand",
             "Settle the --account's --cheque: printed, spoiled or unprinted for a pending cheque, void "
             "for a printed one; spoiled for a number with no cheque records a spoiled leaf."),
         QCoreApplication::translate("MarkCommand", "how")},
    };
}

bool MarkCommand::isWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(kMark);
}

QString MarkCommand::usageProblem(const QCommandLineParser &parser, const QList<const Command *> &) const
{
    // Checked here too, not only with the options of one cheque: those are not checked beside a
    // command that works on files, and a settlement must never run on a word it does not know.
    if (parser.isSet(kMark) && !settlementFromWord(parser.value(kMark)))
        return QCoreApplication::translate("MarkCommand",
                                           "--mark takes printed, spoiled, void or unprinted, not \"%1\".")
            .arg(parser.value(kMark));
    return QString();
}

int MarkCommand::run(CommandRun &run) const
{
    const QString account = run.parser.value(kAccount);
    const QString number = run.parser.value(kChequeNo);
    if (account.isEmpty() || number.isEmpty())
        return sayFailure(
            QCoreApplication::translate("MarkCommand", "--mark needs the cheque's --account and --cheque."),
            ExitStatus::Usage);
    try {
        const std::optional<BankAccountRecord> found = run.store->accounts().find(account);
        if (!found)
            return sayFailure(
                QCoreApplication::translate("MarkCommand", "there is no bank account with the code \"%1\".")
                    .arg(account));
        // A cheque whose job the print server still holds is not settled: it may yet print.
        CupsPrintQueue queue;
        const QString done
            = settleNumber(*run.store, found->bankId, number, *settlementFromWord(run.parser.value(kMark)),
                           run.parser.value(kReason), commandLineToday(), {queue, workstationName()});
        std::printf("%s\n", qUtf8Printable(done));
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
