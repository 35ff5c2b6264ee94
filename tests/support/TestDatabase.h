#pragma once

#include <QString>
#include <QTemporaryDir>

namespace quillset::test {

/// A fresh Records.mdb made from the schema in a temporary folder, opened as the shared connection.
class TestDatabase
{
public:
    /// Creates the database and opens it; the test fails (QVERIFY) when either step fails.
    TestDatabase();
    ~TestDatabase();

    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    QString path() const { return m_path; }
    QString folder() const { return m_folder.path(); }
    bool isReady() const { return m_ready; }

    /// Runs SQL on the shared connection for the test's own set-up or checks; fails the test on error.
    static void exec(const QString &sql, const QVariantList &values = {});
    /// The first column of the first row of a query, or an invalid value when there is no row.
    static QVariant scalar(const QString &sql, const QVariantList &values = {});

    /// Creates a database from the schema at the path, without opening it.
    static bool createAt(const QString &path);

private:
    QTemporaryDir m_folder;
    QString m_path;
    bool m_ready = false;
};

} // namespace quillset::test
