#include "BackupCommand.h"

#include "cli/CommandOutput.h"
#include "core/base/Failure.h"
#include "core/issue/ChequeLife.h"
#include "core/options/DailyBackup.h"
#include "store/RegisterBackup.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace quillset {

namespace {

const QString kBackup = QStringLiteral("backup");
const QString kRestore = QStringLiteral("restore");
const QString kDailyBackup = QStringLiteral("daily-backup");

int writeDailyBackup(const Store &store)
{
    const DailyBackupSettings settings = loadDailyBackupSettings(store);
    const DailyBackupOutcome outcome = runDailyBackup(store, settings, commandLineToday());
    const QString file = QDir::toNativeSeparators(outcome.file);
    sayLine(outcome.written
                ? QCoreApplication::translate("BackupCommand", "Backed up the register to %1").arg(file)
                : QCoreApplication::translate("BackupCommand", "Today's backup %1 was already written.").arg(file));
    if (!outcome.removed.isEmpty())
        sayLine(QCoreApplication::translate("BackupCommand", "Removed %n backup(s) older than %1 days.", nullptr,
                                            int(outcome.removed.size()))
                    .arg(settings.keepDays));
    // The copy is made, but a folder that cannot be tidied fills up: the scheduled job must be told.
    if (!outcome.notRemoved.isEmpty())
        return sayFailure(QCoreApplication::translate(
                              "BackupCommand", "These backups are older than %1 days but could not be removed: %2")
                              .arg(settings.keepDays)
                              .arg(outcome.notRemoved.join(QStringLiteral("; "))));
    return ExitStatus::Done;
}

} // namespace

QList<QCommandLineOption> BackupCommand::options() const
{
    return {
        {kBackup,
         QCoreApplication::translate("BackupCommand",
                                     "Write a consistent copy of the register to FILE, while others may use it."),
         QCoreApplication::translate("BackupCommand", "FILE")},
        {kRestore,
         QCoreApplication::translate("BackupCommand",
                                     "Put the copy FILE in the register's place, once it is checked; the register "
                                     "it replaces is kept as <name>.before-restore. Close Quillset everywhere first."),
         QCoreApplication::translate("BackupCommand", "FILE")},
        {kDailyBackup,
         QCoreApplication::translate("BackupCommand",
                                     "Write today's copy of the register into the backup folder set in Options, "
                                     "unless it is there already, and remove the copies older than the days "
                                     "they are kept.")},
    };
}

bool BackupCommand::isWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(kBackup) || parser.isSet(kRestore) || parser.isSet(kDailyBackup);
}

QString BackupCommand::usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const
{
    Q_UNUSED(wanted);
    if (int(parser.isSet(kBackup)) + int(parser.isSet(kRestore)) + int(parser.isSet(kDailyBackup)) > 1)
        return QCoreApplication::translate("BackupCommand",
                                           "Only one of --backup, --restore and --daily-backup can be given.");
    return QString();
}

int BackupCommand::run(CommandRun &run) const
{
    try {
        if (run.parser.isSet(kDailyBackup))
            return writeDailyBackup(*run.store);
        if (run.parser.isSet(kBackup)) {
            backUpRegister(*run.store, run.parser.value(kBackup));
            sayLine(QCoreApplication::translate("BackupCommand", "Backed up the register to %1")
                        .arg(QDir::toNativeSeparators(run.parser.value(kBackup))));
            return ExitStatus::Done;
        }
        if (run.store->isShared())
            return sayFailure(QCoreApplication::translate("BackupCommand",
                                                          "A register on a server is restored with the server's "
                                                          "own tools (pg_restore); see the guide."));
        const QString location = run.store->databaseFile();
        // A pending cheque may be printing now: the copy would not have it, and its number would be
        // offered again.
        const PendingCheques pending = run.store->cheques().pending(workstationName());
        if (const qsizetype count = pending.own.size() + pending.elsewhere; count > 0)
            return sayFailure(QCoreApplication::translate("BackupCommand",
                                                          "The register holds %1 pending cheque(s), which the "
                                                          "backup would lose while they may have printed: settle "
                                                          "them first (the Register window, or --mark), then "
                                                          "restore.")
                                  .arg(count));
        const QString kept = restoreRegister(run.parser.value(kRestore), location, run.storeOptions);
        sayLine(QCoreApplication::translate("BackupCommand",
                                            "Restored the register %1 from %2; the one it replaced is kept as %3")
                    .arg(QDir::toNativeSeparators(location), QDir::toNativeSeparators(run.parser.value(kRestore)),
                         QDir::toNativeSeparators(kept)));
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
