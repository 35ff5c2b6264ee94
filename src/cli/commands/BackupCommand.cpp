#include "BackupCommand.h"

#include "core/base/Failure.h"
#include "store/RegisterBackup.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace quillset {

namespace {

const QString kBackup = QStringLiteral("backup");
const QString kRestore = QStringLiteral("restore");

} // namespace

QList<QCommandLineOption> BackupCommand::options() const
{
    return {
        {kBackup,
         QCoreApplication::translate("BackupCommand",
                                     "Write a consistent copy of the register to FILE, while others may use it."),
         QStringLiteral("FILE")},
        {kRestore,
         QCoreApplication::translate("BackupCommand",
                                     "Put the copy FILE in the register's place, once it is checked; the register "
                                     "it replaces is kept as <name>.before-restore. Close Quillset everywhere first."),
         QStringLiteral("FILE")},
    };
}

bool BackupCommand::isWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(kBackup) || parser.isSet(kRestore);
}

QString BackupCommand::usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const
{
    Q_UNUSED(wanted);
    if (parser.isSet(kBackup) && parser.isSet(kRestore))
        return QCoreApplication::translate("BackupCommand", "--backup and --restore cannot be given together.");
    return QString();
}

int BackupCommand::run(CommandRun &run) const
{
    try {
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
        restoreRegister(run.parser.value(kRestore), location, run.storeOptions);
        sayLine(QCoreApplication::translate("BackupCommand",
                                            "Restored the register %1 from %2; the one it replaced "
                                            "is kept as %1.before-restore")
                    .arg(QDir::toNativeSeparators(location), QDir::toNativeSeparators(run.parser.value(kRestore))));
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
