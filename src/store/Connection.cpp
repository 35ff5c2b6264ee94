#include "Connection.h"

#include "store/DriverMessages.h"
#include "store/StatementWatch.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QSqlError>

namespace quillset {

namespace {

QString uniqueConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("quillset-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

Connection::Connection(std::unique_ptr<Dialect> dialect)
    : m_dialect(std::move(dialect))
    , m_name(uniqueConnectionName())
{
    keepDriverMessagesInTheLog();
    try {
        QSqlDatabase db = QSqlDatabase::addDatabase(m_dialect->driverName(), m_name);
        m_dialect->open(db);
        if (const int seconds = m_dialect->statementLimitSeconds(); seconds > 0)
            m_watch = std::make_unique<StatementWatch>(std::chrono::seconds(seconds));
    } catch (...) {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
        throw;
    }
}

Connection::~Connection()
{
    m_watch.reset();
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase Connection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

Failure Connection::failure(const QSqlError &error) const
{
    QString reason = error.databaseText().trimmed();
    if (reason.isEmpty())
        reason = error.text().trimmed();
    const QString where = m_dialect->describe();
    if (m_timedOut)
        return Failure(ErrorNumber::DatabaseUnreadable,
                       QCoreApplication::translate(
                           "Connection", "%1 did not answer within %2 seconds, so Quillset gave up waiting (%3).")
                           .arg(where)
                           .arg(m_watch->limit().count() / 1000)
                           .arg(reason));
    switch (m_dialect->classify(error)) {
    case StoreError::Busy:
        return Failure(ErrorNumber::DatabaseLocked,
                       QCoreApplication::translate(
                           "Connection", "%1 is busy: another program is using it (%2). Try again in a moment.")
                           .arg(where, reason));
    case StoreError::ReadOnly:
        return Failure(
            ErrorNumber::DatabaseStatement,
            QCoreApplication::translate("Connection", "%1 cannot be written: it or its folder is read-only (%2).")
                .arg(where, reason));
    case StoreError::NoRight:
        return Failure(
            ErrorNumber::DatabaseStatement,
            QCoreApplication::translate("Connection",
                                        "%1 refused: your database user lacks a right Quillset needs (%2). Ask the "
                                        "database's administrator to grant it.")
                .arg(where, reason));
    case StoreError::Full:
        return Failure(ErrorNumber::DatabaseStatement,
                       QCoreApplication::translate("Connection", "%1 cannot be written: the disk is full (%2).")
                           .arg(where, reason));
    case StoreError::Damaged:
        return Failure(ErrorNumber::DatabaseUnreadable,
                       QCoreApplication::translate("Connection", "%1 is damaged (%2). Restore it from a backup.")
                           .arg(where, reason));
    case StoreError::Gone:
        return Failure(ErrorNumber::DatabaseUnreadable,
                       QCoreApplication::translate("Connection", "%1 cannot be reached (%2).").arg(where, reason));
    case StoreError::Duplicate:
    case StoreError::Other:
        break;
    }
    return Failure(ErrorNumber::DatabaseStatement,
                   QCoreApplication::translate("Connection", "The database refused the request: %1").arg(reason));
}

QSqlQuery Connection::run(const QString &sql, const QVariantList &values) const
{
    QSqlDatabase db = database();
    if (!db.isOpen())
        throw Failure(ErrorNumber::DatabaseStatement,
                      QCoreApplication::translate("Connection", "The database is not open."));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (tryRun(query, sql, values))
        return query;
    // A server that went away and came back is reached again, once, outside a transaction: the
    // statement has not run, so running it again is safe.
    // One given up at its time limit is not tried again: the server did not answer, and would not now.
    if (m_dialect->classify(query.lastError()) == StoreError::Gone && !m_inTransaction && !m_timedOut) {
        db.close();
        m_dialect->open(db);
        QSqlQuery again(db);
        again.setForwardOnly(true);
        if (tryRun(again, sql, values))
            return again;
        throw failure(again.lastError());
    }
    throw failure(query.lastError());
}

template<typename Step>
bool Connection::watched(Step &&step) const
{
    if (!m_watch)
        return step();
    m_watch->arm(m_dialect->socketOf(database()));
    const bool done = step();
    m_timedOut = m_watch->disarm() && !done;
    return done;
}

bool Connection::tryRun(QSqlQuery &query, const QString &sql, const QVariantList &values) const
{
    // A statement with no values runs as it is: servers prepare only statements that take values.
    if (values.isEmpty())
        return watched([&] { return query.exec(sql); });
    if (!watched([&] { return query.prepare(sql); }))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return watched([&] { return query.exec(); });
}

QSqlQuery Connection::prepare(const QString &sql) const
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!watched([&] { return query.prepare(sql); }))
        throw failure(query.lastError());
    return query;
}

void Connection::execute(QSqlQuery &query, const QVariantList &values) const
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!watched([&] { return query.exec(); }))
        throw failure(query.lastError());
}

qint64 Connection::insert(const QString &sql, const QVariantList &values) const
{
    return m_dialect->insert(*this, sql, values);
}

bool Connection::next(QSqlQuery &query) const
{
    if (watched([&] { return query.next(); }))
        return true;
    if (query.lastError().isValid())
        throw failure(query.lastError());
    return false;
}

void Connection::begin() const
{
    QSqlDatabase db = database();
    if (const QString statement = m_dialect->beginStatement(); !statement.isEmpty()) {
        QSqlQuery begin(db);
        if (!watched([&] { return begin.exec(statement); }))
            throw failure(begin.lastError());
    } else if (!watched([&] { return db.transaction(); })) {
        throw failure(db.lastError());
    }
    m_inTransaction = true;
}

void Connection::commit() const
{
    QSqlDatabase db = database();
    m_inTransaction = false;
    if (!watched([&] { return db.commit(); })) {
        const Failure refused = failure(db.lastError());
        db.rollback();
        throw refused;
    }
}

void Connection::rollback() const
{
    m_inTransaction = false;
    QSqlDatabase db = database();
    watched([&] { return db.rollback(); });
}

} // namespace quillset
