#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace quillset {

/// What one workstation keeps for itself, in the user's own settings file and never in the shared
/// database: which database it works on, how long it waits for it, and the account it last printed
/// from. It keeps no password: libpq's password and service files do that.
class WorkstationSettings
{
public:
    /// The user's settings file, where the desktop looks for it.
    WorkstationSettings();
    ~WorkstationSettings();

    /// The database this workstation starts on; empty for the one beside the program.
    QString databaseLocation() const;
    /// Keeps the location; throws Failure when it holds a password, which is never stored.
    void setDatabaseLocation(const QString &location);
    /// The store's time limit, in seconds (10 unless set; 1 to 300).
    int storeTimeoutSeconds() const;
    /// The account this workstation last printed from; empty when none.
    QString lastAccount() const;
    /// Keeps the account; throws Failure when the settings file cannot be written.
    void setLastAccount(const QString &account);

private:
    void write();

    std::unique_ptr<QSettings> m_settings;
};

/// The database to start on: the one given, else the workstation's choice, else Records.mdb beside
/// the program (or its copy in the user's data folder when the program's folder is read-only).
/// Throws Failure when that copy cannot be made.
QString startingDatabase(const QString &given, const WorkstationSettings &workstation);

} // namespace quillset
