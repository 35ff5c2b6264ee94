#include "TestDatabase.h"

#include "core/Failure.h"
#include "store/Connection.h"
#include "store/DataSource.h"
#include "store/DatabaseLocation.h"
#include "store/Store.h"

#include <QFile>
#include <QTest>

namespace quillset::test {

TestDatabase::TestDatabase()
    : m_path(databasePathIn(m_folder.path()))
{
    try {
        Store::createDatabase(m_path, true);
    } catch (const Failure &failure) {
        qWarning("creating the test database failed: %s", failure.what());
        return;
    }
    reopen();
}

TestDatabase::~TestDatabase() = default;

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
