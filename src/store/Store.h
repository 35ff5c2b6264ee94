#pragma once

#include "store/BankAccounts.h"
#include "store/ChequeBooks.h"
#include "store/ChequeRegister.h"
#include "store/PrinterCalibrations.h"
#include "store/RegisterHistory.h"
#include "store/SystemParameters.h"

#include <QString>

#include <functional>
#include <memory>

namespace quillset {

class Connection;
class Dialect;
struct OdbcInstaller;

/// How a store deals with its database.
struct StoreOptions
{
    /// The longest any connection, statement or lock may take on a server, in seconds.
    int timeoutSeconds = 10;
    /// Told how far an upgrade of an older database has come, `done` of `total` statements: a large
    /// register takes a while, and whoever waits is shown it.
    std::function<void(int done, int total)> upgradeProgress {};
    /// Told how far the history of a register that had none has come, `done` of `total` rows.
    std::function<void(int done, int total)> historyProgress {};
};

/// Everything the program keeps: accounts, settings and the register, behind the one connection
/// that owns them. Windows and the command line reach the database only through this object.
class Store
{
public:
    /// Opens an existing Quillset database and upgrades it to this program's version when it is
    /// older. Throws Failure with a plain-words cause when it is missing, locked, unreadable, not
    /// ours or newer than this program; never creates a database, and leaves a refused one as it was.
    /// The location is a file path (SQLite) or a PostgreSQL connection URI.
    static std::unique_ptr<Store> OpenDatabase(const QString &location, const OdbcInstaller &installer,
                                               const StoreOptions &options = {});
    /// Makes a new database at the location with the program's schema and settings, and the sample
    /// account when asked: a new file, or the tables of an empty server database. Never over a file
    /// or over a database that holds tables. Throws Failure, leaving nothing behind, when it cannot.
    static void createDatabase(const QString &location, bool sampleAccount, const StoreOptions &options = {});
    /// True when the location holds no Quillset tables yet (a server database never initialised).
    static bool isUninitialised(const QString &location, const StoreOptions &options = {});

    /// Closes the database.
    ~Store();
    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    const BankAccounts &accounts() const { return m_accounts; }
    const SystemParameters &parameters() const { return m_parameters; }
    const ChequeRegister &cheques() const { return m_cheques; }
    const ChequeBooks &books() const { return m_books; }
    const PrinterCalibrations &calibrations() const { return m_calibrations; }
    const RegisterHistory &history() const { return m_history; }

    /// The connection every part runs its statements on.
    const Connection &SharedConnection() const { return *m_connection; }
    /// Where the database is: its file, or its server's URI.
    const QString &location() const { return m_location; }
    /// What the upgrade at this opening had to say about rows it could not keep exactly as they were
    /// (an amount rounded to its account's decimals, say); empty when nothing was upgraded.
    const QStringList &upgradeNotes() const { return m_upgradeNotes; }
    /// True when the database is on a server that several workstations share.
    bool isShared() const;
    /// The database's file, which no file the program writes may replace; empty for a server.
    QString databaseFile() const;

private:
    Store(QString location, std::unique_ptr<Connection> connection);

    QString m_location;
    std::unique_ptr<Connection> m_connection;
    BankAccounts m_accounts;
    SystemParameters m_parameters;
    ChequeRegister m_cheques;
    ChequeBooks m_books;
    PrinterCalibrations m_calibrations;
    RegisterHistory m_history;
    QStringList m_upgradeNotes;
};

} // namespace quillset
