#include "DailyBackup.h"

#include "core/base/Conversions.h"
#include "core/base/Failure.h"
#include "store/RegisterBackup.h"
#include "store/Store.h"
#include "store/SystemParameters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace quillset {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Only files this program names as the register's daily backups ("Records-2026-12-08.mdb") are ever
// removed; anything else the office keeps in the folder is left alone.
QRegularExpression backupNames(const QString &registerFile)
{
    const QFileInfo file(registerFile);
    const QString suffix = file.suffix().isEmpty() ? QString() : u'.' + file.suffix();
    return QRegularExpression(u'^' + QRegularExpression::escape(file.completeBaseName())
                              + QStringLiteral("-(\\d{4}-\\d{2}-\\d{2})") + QRegularExpression::escape(suffix) + u'$');
}

// This register's daily backups in the folder, by the day each was written.
QList<std::pair<QDate, QString>> dailyBackups(const QString &folder, const QString &registerFile)
{
    const QRegularExpression names = backupNames(registerFile);
    QList<std::pair<QDate, QString>> backups;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        const QRegularExpressionMatch match = names.match(name);
        const QDate day = match.hasMatch() ? QDate::fromString(match.captured(1), Qt::ISODate) : QDate();
        if (day.isValid())
            backups.append({day, QDir(folder).filePath(name)});
    }
    std::sort(backups.begin(), backups.end());
    return backups;
}

} // namespace

DailyBackupSettings loadDailyBackupSettings(const Store &store)
{
    const SystemParameters &parameters = store.parameters();
    DailyBackupSettings settings;
    settings.folder = parameters.find(Parameter::BackupFolder).value_or(QString()).trimmed();
    if (const std::optional<QString> days = parameters.find(Parameter::BackupDays)) {
        const std::optional<int> kept = backupDaysFromText(*days);
        if (!kept)
            throw Failure(ErrorNumber::ParameterNotNumber,
                          QCoreApplication::translate(
                              "DailyBackup",
                              "The setting \"%1\" holds \"%2\", which is not a number of days from 1 to %3: "
                              "set the days a backup is kept in Options.")
                              .arg(Parameter::BackupDays, *days)
                              .arg(kLongestBackupDays));
        settings.keepDays = *kept;
    }
    return settings;
}

std::optional<int> backupDaysFromText(const QString &text)
{
    const std::optional<qint64> days = wholeNumber(text.trimmed());
    if (!days || *days < 1 || *days > kLongestBackupDays)
        return std::nullopt;
    return static_cast<int>(*days);
}

QString backupFolderProblem(const QString &folder)
{
    const QString trimmed = folder.trimmed();
    if (trimmed.isEmpty())
        return QString();
    if (QDir::isRelativePath(trimmed))
        return QCoreApplication::translate(
                   "DailyBackup", "\"%1\" is not a whole path: give the backup folder from the top, such as %2.")
            .arg(trimmed, shown(QDir::home().filePath(QStringLiteral("Backups"))));
    const QFileInfo info(trimmed);
    if (!info.exists())
        return QCoreApplication::translate("DailyBackup",
                                           "The backup folder \"%1\" does not exist: make it first, or choose another.")
            .arg(shown(trimmed));
    if (!info.isDir())
        return QCoreApplication::translate("DailyBackup",
                                           "\"%1\" is a file, not a folder: choose the folder the backups go into.")
            .arg(shown(trimmed));
    if (!info.isWritable())
        return QCoreApplication::translate(
                   "DailyBackup",
                   "Quillset may not write into the backup folder \"%1\": choose another, or ask for the right "
                   "to write there.")
            .arg(shown(trimmed));
    return QString();
}

QString dailyBackupFile(const QString &folder, const QString &registerFile, const QDate &day)
{
    const QFileInfo file(registerFile);
    const QString suffix = file.suffix().isEmpty() ? QString() : u'.' + file.suffix();
    return QDir(folder.trimmed())
        .filePath(QStringLiteral("%1-%2%3").arg(file.completeBaseName(), day.toString(Qt::ISODate), suffix));
}

QString latestDailyBackup(const QString &folder, const QString &registerFile)
{
    const QList<std::pair<QDate, QString>> backups = dailyBackups(folder.trimmed(), registerFile);
    return backups.isEmpty() ? QString() : backups.last().second;
}

DailyBackupOutcome runDailyBackup(const Store &store, const DailyBackupSettings &settings, const QDate &today)
{
    if (store.isShared())
        throw Failure(ErrorNumber::FileWrite,
                      QCoreApplication::translate("DailyBackup",
                                                  "A register on a server is backed up with the server's own tools "
                                                  "(pg_dump); see the guide."));
    if (!settings.isOn())
        throw Failure(
            ErrorNumber::FileWrite,
            QCoreApplication::translate("DailyBackup", "No daily backup folder is set: choose one in Options."));
    if (const QString problem = backupFolderProblem(settings.folder); !problem.isEmpty())
        throw Failure(ErrorNumber::FileWrite, problem);
    DailyBackupOutcome outcome;
    outcome.file = dailyBackupFile(settings.folder, store.databaseFile(), today);
    // Another workstation may have written today's already: one copy a day is enough.
    if (!QFileInfo::exists(outcome.file)) {
        backUpRegister(store, outcome.file);
        outcome.written = true;
    }
    const QDate oldestKept = today.addDays(1 - settings.keepDays);
    for (const auto &[day, path] : dailyBackups(settings.folder.trimmed(), store.databaseFile())) {
        if (day >= oldestKept)
            break;
        QFile backup(path);
        if (backup.remove())
            outcome.removed.append(path);
        else
            outcome.notRemoved.append(QStringLiteral("%1 (%2)").arg(shown(path), backup.errorString()));
    }
    return outcome;
}

} // namespace quillset
