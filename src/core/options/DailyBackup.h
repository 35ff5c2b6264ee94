#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillset {

class Store;

inline constexpr int kDefaultBackupDays = 14;
inline constexpr int kLongestBackupDays = 3650;

/// The office's daily backup of a file register: a copy a day into a folder, each kept for a number
/// of days. No folder means no daily backup.
struct DailyBackupSettings
{
    QString folder;
    int keepDays = kDefaultBackupDays;

    bool isOn() const { return !folder.trimmed().isEmpty(); }
};

/// What one run of the daily backup did.
struct DailyBackupOutcome
{
    QString file; ///< today's backup
    bool written = false; ///< false when today's backup was already there
    QStringList removed; ///< earlier backups past their days, removed
    QStringList notRemoved; ///< earlier backups past their days that could not be removed, each with why
};

/// The stored daily backup settings: off when the folder's row is absent or empty. Throws Failure
/// when the settings cannot be read, or when the number of days is not one this program writes.
DailyBackupSettings loadDailyBackupSettings(const Store &store);

/// A number of days to keep each backup, from 1 to kLongestBackupDays, or nothing.
std::optional<int> backupDaysFromText(const QString &text);

/// The problem with writing daily backups into the folder, in plain words, or an empty text.
QString backupFolderProblem(const QString &folder);

/// The name the backup of the register file `registerFile` written on `day` takes in `folder`.
QString dailyBackupFile(const QString &folder, const QString &registerFile, const QDate &day);

/// The newest daily backup of the register in the folder, or an empty text.
QString latestDailyBackup(const QString &folder, const QString &registerFile);

/// Writes today's backup of the file register unless it is already there, then removes this
/// register's daily backups older than the days they are kept; nothing else in the folder is
/// touched, and nothing is removed when today's backup could not be written. Throws Failure.
DailyBackupOutcome runDailyBackup(const Store &store, const DailyBackupSettings &settings, const QDate &today);

} // namespace quillset
