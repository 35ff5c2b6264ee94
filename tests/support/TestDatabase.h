#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

namespace quillset {
class Store;
}

namespace quillset::test {

enum class Backend { Sqlite, Postgres };

/// The backend a test program runs its databases on: SQLite, or the private PostgreSQL server the
/// test run started when QUILLSET_TEST_BACKEND is "postgres".
Backend chosenBackend();
/// The socket folder of the test run's private PostgreSQL server, or an empty string when the run
/// started none (QUILLSET_TEST_POSTGRES names a file holding the folder).
QString testServerSocket();

/// A new, empty database on the test run's private server, dropped again when this goes.
class ServerDatabase
{
public:
    /// Empty, or a copy of the server database `copied` (a template no one is connected to).
    explicit ServerDatabase(const QString &copied = QString());
    ~ServerDatabase();
    ServerDatabase(const ServerDatabase &) = delete;
    ServerDatabase &operator=(const ServerDatabase &) = delete;

    bool isReady() const { return !m_name.isEmpty(); }
    QString name() const { return m_name; }
    /// The connection URI the program takes for it.
    QString location() const;

private:
    QString m_name;
};

/// Runs one statement on the private server's maintenance database; returns the error, or an empty
/// string when it ran.
QString administer(const QString &sql);

/// A fresh database, made by the program's own schema with its sample account and opened as a
/// store: a Records.mdb in a temporary folder, or a new database on the private server.
class TestDatabase
{
public:
    explicit TestDatabase(Backend backend = chosenBackend());
    ~TestDatabase();

    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    Backend backend() const { return m_backend; }
    /// The file path, or the server database's URI.
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
    /// The first column of every row, joined with ", ".
    QString joined(const QString &sql, const QVariantList &values = {}) const;
    /// Makes the database refuse, with the message, every change of the column (a full disk, say).
    void refuseUpdatesOf(const QString &table, const QString &column, const QString &message) const;

    /// Copies a fixture from tests/data into the folder and returns its path there.
    QString copyFixture(const QString &name) const;

private:
    Backend m_backend;
    QTemporaryDir m_folder;
    std::unique_ptr<ServerDatabase> m_server;
    QString m_path;
    std::unique_ptr<Store> m_store;
};

/// Runs SQL on a store's connection; fails the test on error.
void exec(const Store &store, const QString &sql, const QVariantList &values = {});
/// The first column of the first row of a query on a store, or an invalid value when there is no row.
QVariant scalar(const Store &store, const QString &sql, const QVariantList &values = {});

} // namespace quillset::test
