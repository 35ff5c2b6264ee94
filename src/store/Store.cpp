#include "Store.h"

#include "Connection.h"
#include "DataSource.h"
#include "Schema.h"
#include "SqliteDialect.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quillset {

namespace {

const QStringList kTables = {QStringLiteral("BankAccount"), QStringLiteral("Cheque"), QStringLiteral("sys_parms")};

[[noreturn]] void refuse(ErrorNumber number, const QString &location, const QString &cause)
{
    throw Failure(number,
                  QStringLiteral("Quillset cannot open its database \"%1\": %2")
                      .arg(QDir::toNativeSeparators(QFileInfo(location).absoluteFilePath()), cause));
}

} // namespace

Store::Store(QString location, std::unique_ptr<Connection> connection)
    : m_location(std::move(location))
    , m_connection(std::move(connection))
    , m_accounts(*m_connection)
    , m_parameters(*m_connection)
    , m_cheques(*m_connection)
{
}

Store::~Store() = default;

std::unique_ptr<Store> Store::OpenDatabase(const QString &location, const OdbcInstaller &installer)
{
    auto connection = std::make_unique<Connection>(std::make_unique<SqliteDialect>(location));
    const Dialect &dialect = connection->dialect();
    // The version is read before anything else is done, so that a newer database stays untouched.
    const int version = dialect.schemaVersion(*connection);
    if (version > kSchemaVersion)
        refuse(ErrorNumber::DatabaseTooNew, location,
               QStringLiteral("it was made by a newer version of Quillset (database version %1; this program "
                              "reads version %2 and older). Use the newer program, or install it here.")
                   .arg(version)
                   .arg(kSchemaVersion));
    for (const QString &table : kTables) {
        if (!dialect.hasTable(*connection, table))
            refuse(ErrorNumber::DatabaseUnreadable, location,
                   QStringLiteral("the file has no table %1, so it is not a Quillset database.").arg(table));
    }
    if (version < kSchemaVersion)
        upgradeSchema(*connection, version);
    RegisterDataSource(QFileInfo(location).absoluteFilePath(), installer);
    return std::unique_ptr<Store>(new Store(location, std::move(connection)));
}

void Store::createDatabase(const QString &location, bool sampleAccount)
{
    SqliteDialect::createFile(location);
    try {
        const Connection connection(std::make_unique<SqliteDialect>(location));
        createSchema(connection, sampleAccount);
    } catch (...) {
        QFile::remove(location);
        throw;
    }
}

} // namespace quillset
