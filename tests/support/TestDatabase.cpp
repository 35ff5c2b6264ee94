#include "TestDatabase.h"

#include "core/base/Failure.h"
#include "store/Connection.h"
#include "store/DataSource.h"
#include "store/DatabaseLocation.h"
#include "store/Store.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

namespace quillset::test {

Backend chosenBackend()
{
    return qEnvironmentVariable("QUILLSET_TEST_BACKEND") == QLatin1String("postgres") ? Backend::Postgres
                                                                                      : Backend::Sqlite;
}

QString testServerSocket()
{
    QFile file(qEnvironmentVariable("QUILLSET_TEST_POSTGRES"));
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).trimmed();
}

QString administer(const QString &sql)
{
    const QString socket = testServerSocket();
    if (socket.isEmpty())
        return QStringLiteral("no private PostgreSQL server was started for this test run");
    const QString name = QUuid::createUuid().toString(QUuid::Id128);
    QString error;
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        admin.setHostName(socket);
        admin.setUserName(QStringLiteral("quillset"));
        admin.setDatabaseName(QStringLiteral("postgres"));
        if (!admin.open()) {
            error = admin.lastError().text();
        } else {
            QSqlQuery query(admin);
            if (!query.exec(sql))
                error = query.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

ServerDatabase::ServerDatabase(const QString &copied)
{
    const QString name = QStringLiteral("quillset_test_") + QUuid::createUuid().toString(QUuid::Id128);
    const QString error = administer(copied.isEmpty() ? QStringLiteral("CREATE DATABASE %1").arg(name)
                                                      : QStringLiteral("CREATE DATABASE %1 TEMPLATE %2 STRATEGY "
                                                                       "FILE_COPY")
                                                            .arg(name, copied));
    if (!error.isEmpty()) {
        qWarning("creating a database on the test server failed: %s", qPrintable(error));
        return;
    }
    m_name = name;
}

ServerDatabase::~ServerDatabase()
{
    if (!m_name.isEmpty())
        administer(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name));
}

QString ServerDatabase::location() const
{
    return QStringLiteral("postgresql://quillset@/%1?host=%2").arg(m_name, testServerSocket());
}

namespace {

// The server database every test's is copied from, made once per test program by the program's own
// schema: a copy takes a fraction of the time of the schema's every step. Left to the server, which
// goes with the test run.
QString madeOnServer()
{
    static const QString made = [] {
        auto database = std::make_unique<ServerDatabase>();
        try {
            if (database->isReady()) {
                Store::createDatabase(database->location(), true);
                return database.release()->name();
            }
        } catch (const Failure &failure) {
            qWarning("creating the test database failed: %s", failure.what());
        }
        return QString();
    }();
    return made;
}

// The file every test's register is copied from, made once per test program by the program's own
// schema, for the same reason; removed when the program ends.
QString madeInFile()
{
    static QTemporaryDir folder;
    static const QString made = [] {
        const QString path = databasePathIn(folder.path());
        try {
            Store::createDatabase(path, true);
            return path;
        } catch (const Failure &failure) {
            qWarning("creating the test database failed: %s", failure.what());
        }
        return QString();
    }();
    return made;
}

} // namespace

TestDatabase::TestDatabase(Backend backend)
    : m_backend(backend)
{
    if (backend == Backend::Postgres) {
        const QString made = madeOnServer();
        if (made.isEmpty())
            return;
        m_server = std::make_unique<ServerDatabase>(made);
        if (!m_server->isReady())
            return;
        m_path = m_server->location();
        reopen();
        return;
    }
    m_path = databasePathIn(m_folder.path());
    const QString made = madeInFile();
    if (made.isEmpty() || !QFile::copy(made, m_path)) {
        qWarning("the test database could not be copied to %s", qPrintable(m_path));
        return;
    }
    reopen();
}

TestDatabase::~TestDatabase()
{
    // The store lets go of the database before the server database is dropped.
    m_store.reset();
}

void TestDatabase::close()
{
    m_store.reset();
}

bool TestDatabase::reopen()
{
    try {
        m_store = Store::OpenDatabase(m_path, OdbcInstaller::none());
    } catch (const Failure &failure) {
        qWarning("%s", failure.what());
        m_store.reset();
    }
    return m_store != nullptr;
}

void TestDatabase::exec(const QString &sql, const QVariantList &values) const
{
    test::exec(*m_store, sql, values);
}

QVariant TestDatabase::scalar(const QString &sql, const QVariantList &values) const
{
    return test::scalar(*m_store, sql, values);
}

QString TestDatabase::joined(const QString &sql, const QVariantList &values) const
{
    QStringList rows;
    try {
        QSqlQuery query = m_store->SharedConnection().run(sql, values);
        while (query.next())
            rows << query.value(0).toString();
    } catch (const Failure &failure) {
        qWarning("%s", failure.what());
    }
    return rows.join(QStringLiteral(", "));
}

void TestDatabase::refuseUpdatesOf(const QString &table, const QString &column, const QString &message) const
{
    if (m_backend == Backend::Sqlite) {
        exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF %1 ON %2 BEGIN SELECT RAISE(ABORT, '%3'); END")
                 .arg(column, table, message));
        return;
    }
    exec(QStringLiteral("CREATE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN RAISE EXCEPTION "
                        "'%1' USING ERRCODE = '53100'; END $$")
             .arg(message));
    exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF %1 ON %2 FOR EACH ROW EXECUTE FUNCTION refuse()")
             .arg(column, table));
}

QString TestDatabase::copyFixture(const QString &name) const
{
    const QString copy = m_folder.filePath(name);
    QFile::remove(copy);
    if (!QFile::copy(QStringLiteral(QUILLSET_TEST_DATA) + u'/' + name, copy))
        qWarning("the fixture %s is missing", qPrintable(name));
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return copy;
}

void exec(const Store &store, const QString &sql, const QVariantList &values)
{
    try {
        store.SharedConnection().run(sql, values);
    } catch (const Failure &failure) {
        QFAIL(failure.what());
    }
}

QVariant scalar(const Store &store, const QString &sql, const QVariantList &values)
{
    try {
        QSqlQuery query = store.SharedConnection().run(sql, values);
        return query.next() ? query.value(0) : QVariant();
    } catch (const Failure &failure) {
        qWarning("%s", failure.what());
        return QVariant();
    }
}

} // namespace quillset::test
