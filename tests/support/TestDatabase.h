#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

namespace quillset {
class Store;
}

namespace quillset::test {

/// A fresh Records.mdb, made by the program's own schema with its sample account, in a temporary
/// folder and opened as a store.
class TestDatabase
{
public:
    TestDatabase();
    ~TestDatabase();

    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    QString path() const { return m_path; }
    QString folder() const { return m_folder.path(); }
    bool isReady() const { return m_store != nullptr; }
    Store &store() const { return *m_store; }
    /// Closes the store, so that another program (or another store) can have the file.
    void close();
    /// Opens the file again after close().
    bool reopen();

    /// Runs SQL on the store's connection for the test's own set-up or checks; fails the test on error.
    void exec(const QString &sql, const QVariantList &values = {}) const;
    /// The first column of the first row of a query, or an invalid value when there is no row.
    QVariant scalar(const QString &sql, const QVariantList &values = {}) const;

    /// Copies a fixture from tests/data into the folder and returns its path there.
    QString copyFixture(const QString &name) const;

private:
    QTemporaryDir m_folder;
    QString m_path;
    std::unique_ptr<Store> m_store;
};

/// Runs SQL on a store's connection; fails the test on error.
void exec(const Store &store, const QString &sql, const QVariantList &values = {});
/// The first column of the first row of a query on a store, or an invalid value when there is no row.
QVariant scalar(const Store &store, const QString &sql, const QVariantList &values = {});

} // namespace quillset::test
