#include "PostgresDialect.h"

#include "core/base/Failure.h"
#include "store/Connection.h"
#include "store/StoreLog.h"
#include "store/StoredAmount.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrlQuery>
#include <QVariant>

#include <postgresql/libpq-fe.h>

namespace quillset {

namespace {

QString databaseName(const QUrl &uri)
{
    QString name = uri.path();
    if (name.startsWith(u'/'))
        name.remove(0, 1);
    return name;
}

QString hostOf(const QUrl &uri)
{
    const QUrlQuery query(uri);
    if (query.hasQueryItem(QStringLiteral("host")))
        return query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    return uri.host();
}

} // namespace

PostgresDialect::PostgresDialect(const QString &uri, int timeoutSeconds)
    : m_uri(uri)
    , m_timeoutSeconds(qMax(1, timeoutSeconds))
{
}

bool PostgresDialect::isServerLocation(const QString &location)
{
    return location.startsWith(QLatin1String("postgresql://")) || location.startsWith(QLatin1String("postgres://"));
}

QString PostgresDialect::withoutPassword(const QString &location)
{
    if (!isServerLocation(location))
        return location;
    QUrl uri(location);
    uri.setPassword(QString());
    QUrlQuery query(uri);
    query.removeAllQueryItems(QStringLiteral("password"));
    uri.setQuery(query);
    return uri.toString();
}

QString PostgresDialect::describe() const
{
    const QString host = hostOf(m_uri);
    return QCoreApplication::translate("PostgresDialect", "The database \"%1\" on the server %2")
        .arg(databaseName(m_uri),
             host.isEmpty() ? QCoreApplication::translate("PostgresDialect", "of this computer")
                            : QStringLiteral("\"%1\"").arg(host));
}

void PostgresDialect::open(QSqlDatabase &db) const
{
    const QString shown = withoutPassword(m_uri.toString());
    if (!m_uri.isValid() || databaseName(m_uri).isEmpty())
        throw Failure(
            ErrorNumber::DatabaseMissing,
            QCoreApplication::translate("PostgresDialect",
                                        "\"%1\" does not name a database; write it as postgresql://user@host/database.")
                .arg(shown));
    db.setHostName(hostOf(m_uri));
    if (m_uri.port() > 0)
        db.setPort(m_uri.port());
    db.setUserName(m_uri.userName(QUrl::FullyDecoded));
    db.setPassword(m_uri.password(QUrl::FullyDecoded));
    db.setDatabaseName(databaseName(m_uri));
    // Every other keyword of the URI goes to libpq as it is; the time limits bound every wait.
    // Over TCP, a server gone silent (a cable pulled, a machine frozen) is noticed by the system too:
    // keep-alive probes on an idle connection, and a limit on data it never acknowledges.
    QStringList options = {QStringLiteral("connect_timeout=%1").arg(m_timeoutSeconds),
                           QStringLiteral("application_name=Quillset"),
                           QStringLiteral("options='-c client_min_messages=warning -c statement_timeout=%1s "
                                          "-c lock_timeout=%1s'")
                               .arg(m_timeoutSeconds),
                           QStringLiteral("keepalives=1"),
                           QStringLiteral("keepalives_idle=%1").arg(m_timeoutSeconds),
                           QStringLiteral("keepalives_interval=1"),
                           QStringLiteral("keepalives_count=3"),
                           QStringLiteral("tcp_user_timeout=%1").arg(m_timeoutSeconds * 1000)};
    const QUrlQuery query(m_uri);
    for (const auto &[key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (key != QLatin1String("host"))
            options.append(key + u'=' + value);
    }
    db.setConnectOptions(options.join(u';'));
    if (!db.open())
        throw Failure(ErrorNumber::DatabaseUnreadable,
                      QCoreApplication::translate("PostgresDialect", "Quillset cannot reach its database %1: %2")
                          .arg(shown, db.lastError().databaseText().trimmed()));
}

int PostgresDialect::schemaVersion(const Connection &connection) const
{
    if (!hasTable(connection, QStringLiteral("quillset_schema")))
        return 0;
    QSqlQuery query = connection.run(QStringLiteral("SELECT max(version) FROM quillset_schema"));
    return connection.next(query) ? query.value(0).toInt() : 0;
}

void PostgresDialect::setSchemaVersion(const Connection &connection, int version) const
{
    connection.run(QStringLiteral("CREATE TABLE IF NOT EXISTS quillset_schema (version INTEGER NOT NULL)"));
    connection.run(QStringLiteral("DELETE FROM quillset_schema"));
    connection.run(QStringLiteral("INSERT INTO quillset_schema (version) VALUES (?)"), {version});
}

bool PostgresDialect::hasTable(const Connection &connection, const QString &table) const
{
    // The catalogue lists every table; the information schema only those this user may use, and a
    // user without rights would be told the tables are missing.
    QSqlQuery query = connection.run(QStringLiteral("SELECT 1 FROM pg_catalog.pg_tables WHERE schemaname = "
                                                    "current_schema() AND tablename = lower(?)"),
                                     {table});
    return connection.next(query);
}

void PostgresDialect::checkRights(const Connection &connection) const
{
    // Every table is read and written, but for the schema's version, which is only read. What is
    // missing is named, with the statement an administrator would grant it by.
    QSqlQuery query = connection.run(QStringLiteral(
        "SELECT c.relname, current_user, current_schema(), has_table_privilege(c.oid, 'SELECT'), "
        "has_table_privilege(c.oid, 'INSERT'), has_table_privilege(c.oid, 'UPDATE'), has_table_privilege(c.oid, "
        "'DELETE') FROM pg_catalog.pg_class AS c JOIN pg_catalog.pg_namespace AS n ON n.oid = c.relnamespace "
        "WHERE n.nspname = current_schema() AND c.relkind IN ('r', 'p') ORDER BY c.relname"));
    static const QString rights[]
        = {QStringLiteral("SELECT"), QStringLiteral("INSERT"), QStringLiteral("UPDATE"), QStringLiteral("DELETE")};
    QStringList missing;
    QString user;
    QString schema;
    while (connection.next(query)) {
        user = query.value(1).toString();
        schema = query.value(2).toString();
        // The schema's version is only read, and the history only read and added to.
        const QString table = query.value(0).toString();
        const int needed = table == QLatin1String("quillset_schema") ? 1 : table == QLatin1String("history") ? 2 : 4;
        QStringList lacks;
        for (int i = 0; i < needed; ++i) {
            if (!query.value(3 + i).toBool())
                lacks.append(rights[i]);
        }
        if (!lacks.isEmpty())
            missing.append(QCoreApplication::translate("PostgresDialect", "%1 on %2")
                               .arg(lacks.join(QStringLiteral(", ")), query.value(0).toString()));
    }
    if (missing.isEmpty())
        return;
    throw Failure(
        ErrorNumber::DatabaseUnreadable,
        QCoreApplication::translate("PostgresDialect",
                                    "Quillset cannot open its database \"%1\": the database user \"%2\" lacks rights "
                                    "it needs: %3. The tables are there, so do not make them again; ask the database's "
                                    "administrator to grant the rights (GRANT SELECT, INSERT, UPDATE, DELETE ON ALL "
                                    "TABLES IN SCHEMA %4 TO %2).")
            .arg(shownLocation(), user, missing.join(QStringLiteral("; ")), schema));
}

int PostgresDialect::socketOf(const QSqlDatabase &db) const
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    // The driver hands out libpq's connection, PGconn, whose type Qt names by its struct.
    if (qstrcmp(handle.typeName(), "pg_conn*") != 0 && qstrcmp(handle.typeName(), "PGconn*") != 0)
        return -1;
    // libpq is already loaded by the driver that made this connection; the program itself does not
    // link it, so that a run on a file never loads libpq and the many libraries it needs.
    using SocketFunction = int (*)(const PGconn *);
    static const auto socketFunction
        = reinterpret_cast<SocketFunction>(QLibrary::resolve(QStringLiteral("pq"), 5, "PQsocket"));
    return socketFunction ? socketFunction(*static_cast<PGconn *const *>(handle.data())) : -1;
}

void PostgresDialect::backUp(const Connection &, int version) const
{
    // A server database has no file to copy; its upgrade runs in one transaction, and the office backs
    // the server up with its own tools (pg_dump).
    qCInfo(lcStore, "upgrading %s from version %d, in one transaction", qUtf8Printable(describe()), version);
}

StoreError PostgresDialect::classify(const QSqlError &error) const
{
    const QString state = error.nativeErrorCode();
    if (state == QLatin1String("23505"))
        return StoreError::Duplicate;
    if (state == QLatin1String("40001") || state == QLatin1String("40P01") || state == QLatin1String("55P03")
        || state == QLatin1String("57014"))
        return StoreError::Busy;
    if (state == QLatin1String("25006"))
        return StoreError::ReadOnly;
    if (state == QLatin1String("42501"))
        return StoreError::NoRight;
    if (state.startsWith(QLatin1String("53")))
        return StoreError::Full;
    if (state.startsWith(QLatin1String("XX")))
        return StoreError::Damaged;
    if (state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P"))
        || error.type() == QSqlError::ConnectionError || error.databaseText().contains(QLatin1String("connection"))
        || error.databaseText().contains(QLatin1String("server closed")))
        return StoreError::Gone;
    return StoreError::Other;
}

qint64 PostgresDialect::insert(const Connection &connection, const QString &sql, const QVariantList &values) const
{
    // The driver knows no Id of a new row here; the statement says it.
    QSqlQuery query = connection.run(sql + QStringLiteral(" RETURNING Id"), values);
    if (!connection.next(query))
        throw Failure(ErrorNumber::DatabaseStatement,
                      QCoreApplication::translate("PostgresDialect", "The database did not say which row it added."));
    return query.value(0).toLongLong();
}

QString PostgresDialect::digitsOnly(const QString &column) const
{
    return QStringLiteral("%1 !~ '[^0-9]'").arg(column);
}

void PostgresDialect::continueIdsAfterCopy(const Connection &connection, const QStringList &tables) const
{
    // An identity column's sequence knows nothing of Ids written into it; it is moved past them.
    for (const QString &table : tables)
        connection.run(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', 'id'), coalesce(max(Id), 0) + 1, "
                                      "false) FROM %1")
                           .arg(table.toLower()));
}

QStringList PostgresDialect::firstRelease() const
{
    return {
        QStringLiteral("CREATE TABLE BankAccount (BankID TEXT NOT NULL UNIQUE, BankName TEXT, AccountNo TEXT, "
                       "Address TEXT, City TEXT, AccountType TEXT, Width DOUBLE PRECISION, Height DOUBLE PRECISION, "
                       "DateLeft DOUBLE PRECISION, DateBottom DOUBLE PRECISION, DateWidth DOUBLE PRECISION, "
                       "PayLeft DOUBLE PRECISION, PayBottom DOUBLE PRECISION, PayWidth DOUBLE PRECISION, "
                       "AmountLeft DOUBLE PRECISION, AmountBottom DOUBLE PRECISION, AmountWidth DOUBLE PRECISION, "
                       "Rupee1Left DOUBLE PRECISION, Rupee1Bottom DOUBLE PRECISION, Rupee1Width DOUBLE PRECISION, "
                       "Rupee2Left DOUBLE PRECISION, Rupee2Bottom DOUBLE PRECISION, Rupee2Width DOUBLE PRECISION, "
                       "Rupee3Left DOUBLE PRECISION, Rupee3Bottom DOUBLE PRECISION, Rupee3Width DOUBLE PRECISION, "
                       "Rupee3Active INTEGER NOT NULL DEFAULT 0 CHECK (Rupee3Active IN (0, 1)))"),
        QStringLiteral("CREATE TABLE Cheque (BankID TEXT NOT NULL, ChequeNo TEXT NOT NULL, Amount DOUBLE PRECISION "
                       "NOT NULL, Pay TEXT NOT NULL, PrintDate TEXT NOT NULL CHECK (PrintDate ~ "
                       "'^[0-9]{4}-[0-9]{2}-[0-9]{2}$' AND to_char(to_date(PrintDate, 'YYYY-MM-DD'), 'YYYY-MM-DD') = "
                       "PrintDate))"),
        QStringLiteral("CREATE INDEX ChequePrintDate ON Cheque (PrintDate)"),
        QStringLiteral("CREATE TABLE sys_parms (Description TEXT NOT NULL, Value TEXT)"),
    };
}

void PostgresDialect::lockHistory(const Connection &connection) const
{
    // Readers go on; a second writer waits here until this transaction ends.
    connection.run(QStringLiteral("LOCK TABLE History IN EXCLUSIVE MODE"));
}

QStringList PostgresDialect::historyGuards() const
{
    return {QStringLiteral("historyiskept"), QStringLiteral("historyisnotemptied")};
}

QString PostgresDialect::historyGuardInPlace() const
{
    // A trigger switched off (DISABLE TRIGGER) is as good as gone.
    return QStringLiteral("SELECT 1 FROM pg_trigger WHERE tgrelid = 'history'::regclass AND tgname = ? AND tgenabled "
                          "<> 'D'");
}

QString PostgresDialect::databaseRole(const Connection &connection) const
{
    QSqlQuery role = connection.run(QStringLiteral("SELECT current_user"));
    return connection.next(role) ? role.value(0).toString() : QString();
}

QVariant PostgresDialect::amountValue(const StoredAmount &amount) const
{
    return QVariant(decimalText(amount));
}

QString PostgresDialect::amountAsRead(const StoredAmount &amount) const
{
    // The driver reads a numeric column as a double: 2500.00 comes back as "2500", 0.10 as "0.1".
    return QVariant(decimalText(amount).toDouble()).toString();
}

QString PostgresDialect::amountUnits(const QString &row) const
{
    return QStringLiteral("(%1.Amount * power(10::numeric, %1.Decimals))::bigint").arg(row);
}

} // namespace quillset
