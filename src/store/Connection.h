#pragma once

#include "core/base/Failure.h"
#include "store/Dialect.h"
#include "store/RowCursor.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>

#include <memory>

namespace quillset {

class StatementWatch;

/// One connection to the database and the backend's dialect. Every statement of the program runs
/// here, prepared, with every value bound; every failure becomes a Failure a person can read.
class Connection
{
public:
    /// Opens the connection through the dialect; throws Failure when that is impossible.
    explicit Connection(std::unique_ptr<Dialect> dialect);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    const Dialect &dialect() const { return *m_dialect; }
    QSqlDatabase database() const;

    /// Runs one statement with its values bound; throws Failure on any error.
    QSqlQuery run(const QString &sql, const QVariantList &values = {}) const;
    /// Prepares one statement to run many times with execute(); throws Failure on any error.
    QSqlQuery prepare(const QString &sql) const;
    /// Runs a prepared statement with its values bound; throws Failure on any error.
    void execute(QSqlQuery &query, const QVariantList &values) const;
    /// Runs one INSERT into a table with an Id column and returns the new row's Id.
    qint64 insert(const QString &sql, const QVariantList &values) const;
    /// Steps to the next row; throws Failure when the read itself failed rather than ended, so a
    /// read error is never taken for a shorter list.
    bool next(QSqlQuery &query) const;
    /// The rows of a read of many rows, one at a time, by the backend's fastest way; throws Failure
    /// as run() does.
    std::unique_ptr<RowCursor> rows(const QString &sql, const QVariantList &values = {}) const
    {
        return m_dialect->cursor(*this, sql, values);
    }
    /// The failure a statement's error stands for.
    Failure failure(const QSqlError &error) const;

    /// Runs the work in one transaction: all of it is written, or none of it. Inside another
    /// transaction, it joins that one.
    template<typename Work>
    decltype(auto) inTransaction(Work &&work) const;

private:
    bool tryRun(QSqlQuery &query, const QString &sql, const QVariantList &values) const;
    /// Runs the step under the statement's time limit; true when the step succeeded.
    template<typename Step>
    bool watched(Step &&step) const;
    void begin() const;
    void commit() const;
    void rollback() const;

    std::unique_ptr<Dialect> m_dialect;
    QString m_name;
    mutable bool m_inTransaction = false;
    std::unique_ptr<StatementWatch> m_watch; ///< only for a backend with a time limit of its own
    mutable bool m_timedOut = false; ///< the last statement was given up at its time limit
};

template<typename Work>
decltype(auto) Connection::inTransaction(Work &&work) const
{
    // Work that is part of a larger transaction is all or nothing with it.
    if (m_inTransaction)
        return work();
    begin();
    try {
        if constexpr (std::is_void_v<decltype(work())>) {
            work();
            commit();
        } else {
            auto result = work();
            commit();
            return result;
        }
    } catch (...) {
        rollback();
        throw;
    }
}

} // namespace quillset
