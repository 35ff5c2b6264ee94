#pragma once

#include "store/RowCursor.h"

struct sqlite3;
struct sqlite3_stmt;

namespace quillset {

/// The rows of a statement read through SQLite's own interface, on the connection Qt's driver
/// opened (the same transaction, the same wait for a busy file): text comes as SQLite keeps it,
/// UTF-8, without Qt's per-value conversions, which were a third of a month's report.
class SqliteCursor final : public RowCursor
{
public:
    /// Throws Failure, as a statement run through Qt would, when SQLite refuses the statement.
    SqliteCursor(const Connection &connection, sqlite3 *database, const QString &sql, const QVariantList &values);
    ~SqliteCursor() override;
    SqliteCursor(const SqliteCursor &) = delete;
    SqliteCursor &operator=(const SqliteCursor &) = delete;

    bool next() override;
    QStringList columnNames() const override;
    bool isNull(int column) const override;
    QString text(int column) const override;
    qint64 number(int column) const override;
    QVariant value(int column) const override;

private:
    [[noreturn]] void fail(int code) const;

    const Connection &m_connection;
    sqlite3 *m_database;
    sqlite3_stmt *m_statement = nullptr;
};

} // namespace quillset
