#include "Store.h"

#include "store/Backends.h"
#include "store/Connection.h"
#include "store/DataSource.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quillset {

namespace {

const QStringList kTables = {QStringLiteral("BankAccount"), QStringLiteral("Cheque"), QStringLiteral("sys_parms")};

QString shownLocation(const QString &location)
{
    return dialectFor(location)->shownLocation();
}

[[noreturn]] void refuse(ErrorNumber number, const QString &location, const QString &cause)
{
    throw Failure(number,
                  QCoreApplication::translate("Store", "Quillset cannot open its database \"%1\": %2")
                      .arg(shownLocation(location), cause));
}

} // namespace

Store::Store(QString location, std::unique_ptr<Connection> connection)
    : m_location(std::move(location))
    , m_connection(std::move(connection))
    , m_accounts(*m_connection)
    , m_parameters(*m_connection)
    , m_cheques(*m_connection)
    , m_books(*m_connection)
    , m_calibrations(*m_connection)
    , m_history(*m_connection)
{
}

Store::~Store() = default;

std::unique_ptr<Store> Store::OpenDatabase(const QString &location, const OdbcInstaller &installer,
                                           const StoreOptions &options)
{
    auto connection = std::make_unique<Connection>(dialectFor(location, options.timeoutSeconds));
    const Dialect &dialect = connection->dialect();
    // Rights first: without them even the version cannot be read, and the tables would seem missing.
    dialect.checkRights(*connection);
    // The version is read before anything else is done, so that a newer database stays untouched.
    const int version = dialect.schemaVersion(*connection);
    if (version > schemaVersion())
        refuse(
            ErrorNumber::DatabaseTooNew, location,
            QCoreApplication::translate("Store",
                                        "it was made by a newer version of Quillset (database version %1; this program "
                                        "reads version %2 and older). Use the newer program, or install it here.")
                .arg(version)
                .arg(schemaVersion()));
    const bool server = dialect.isShared();
    for (const QString &table : kTables) {
        if (dialect.hasTable(*connection, table))
            continue;
        // A server database is made empty by its administrator, and initialised only when asked.
        if (server && version == 0)
            refuse(ErrorNumber::DatabaseMissing, location,
                   QCoreApplication::translate(
                       "Store",
                       "it has no Quillset tables yet. If it is the database meant for Quillset, make "
                       "them with: quillset --database \"%1\" --initialise")
                       .arg(shownLocation(location)));
        refuse(ErrorNumber::DatabaseUnreadable, location,
               QCoreApplication::translate("Store", "the %1 has no table %2, so it is not a Quillset database.")
                   .arg(server ? QCoreApplication::translate("Store", "database")
                               : QCoreApplication::translate("Store", "file"),
                        table));
    }
    QStringList notes;
    if (version < schemaVersion())
        notes = upgradeSchema(*connection, version, options.upgradeProgress);
    RegisterHistory(*connection).begin(options.historyProgress);
    if (!server)
        RegisterDataSource(QFileInfo(location).absoluteFilePath(), installer);
    std::unique_ptr<Store> store(new Store(location, std::move(connection)));
    store->m_upgradeNotes = notes;
    return store;
}

bool Store::isUninitialised(const QString &location, const StoreOptions &options)
{
    std::unique_ptr<Dialect> dialect = dialectFor(location, options.timeoutSeconds);
    if (!dialect->isShared())
        return !QFileInfo::exists(location);
    const Connection connection(std::move(dialect));
    for (const QString &table : kTables) {
        if (connection.dialect().hasTable(connection, table))
            return false;
    }
    return true;
}

void Store::createDatabase(const QString &location, bool sampleAccount, const StoreOptions &options)
{
    std::unique_ptr<Dialect> dialect = dialectFor(location, options.timeoutSeconds);
    if (dialect->isShared()) {
        if (!isUninitialised(location, options))
            throw Failure(
                ErrorNumber::FileWrite,
                QCoreApplication::translate("Store",
                                            "The database \"%1\" holds tables already; a new Quillset database is only "
                                            "made in an empty one.")
                    .arg(shownLocation(location)));
        const Connection connection(std::move(dialect));
        createSchema(connection, sampleAccount);
        return;
    }
    dialect->createEmpty();
    try {
        const Connection connection(std::move(dialect));
        createSchema(connection, sampleAccount);
    } catch (...) {
        QFile::remove(location);
        throw;
    }
}

bool Store::isShared() const
{
    return m_connection->dialect().isShared();
}

QString Store::databaseFile() const
{
    return isShared() ? QString() : m_location;
}

} // namespace quillset
