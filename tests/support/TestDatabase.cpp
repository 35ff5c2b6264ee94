#include "TestDatabase.h"

#include "store/DataSource.h"
#include "store/Database.h"
#include "store/Failure.h"

#include <QProcess>
#include <QSqlQuery>
#include <QTest>
#include <QVariant>

namespace quillset::test {

TestDatabase::TestDatabase()
    : m_path(databasePathIn(m_folder.path()))
{
    if (!createAt(m_path))
        return;
    try {
        OpenDatabase(m_path, OdbcInstaller::none());
        m_ready = true;
    } catch (const Failure &failure) {
        qWarning("%s", failure.what());
    }
}

TestDatabase::~TestDatabase()
{
    // Only its own: a test may already have opened the next database.
    if (SharedConnection().databaseName().contains(m_folder.path()))
        CloseDatabase();
}

bool TestDatabase::createAt(const QString &path)
{
    QProcess sqlite;
    sqlite.setStandardInputFile(QStringLiteral(QUILLSET_SCHEMA_PATH));
    sqlite.start(QStringLiteral(QUILLSET_SQLITE3), {QStringLiteral("-batch"), QStringLiteral("-bail"), path});
    if (!sqlite.waitForFinished(30000) || sqlite.exitCode() != 0) {
        qWarning("creating the test database failed: %s", sqlite.readAllStandardError().constData());
        return false;
    }
    return true;
}

void TestDatabase::exec(const QString &sql, const QVariantList &values)
{
    try {
        runStatement(sql, values);
    } catch (const Failure &failure) {
        QFAIL(failure.what());
    }
}

QVariant TestDatabase::scalar(const QString &sql, const QVariantList &values)
{
    try {
        QSqlQuery query = runStatement(sql, values);
        return query.next() ? query.value(0) : QVariant();
    } catch (const Failure &failure) {
        qWarning("%s", failure.what());
        return QVariant();
    }
}

} // namespace quillset::test
