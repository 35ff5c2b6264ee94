#include "Connection.h"

#include <QAtomicInt>
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
    try {
        QSqlDatabase db = QSqlDatabase::addDatabase(
            m_dialect->kind() == Dialect::Kind::Sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), m_name);
        m_dialect->open(db);
    } catch (...) {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
        throw;
    }
}

Connection::~Connection()
{
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
    switch (m_dialect->classify(error)) {
    case StoreError::Busy:
        return Failure(
            ErrorNumber::DatabaseLocked,
            QStringLiteral("%1 is busy: another program is using it (%2). Try again in a moment.").arg(where, reason));
    case StoreError::ReadOnly:
        return Failure(ErrorNumber::DatabaseStatement,
                       QStringLiteral("%1 cannot be written: it or its folder is read-only (%2).").arg(where, reason));
    case StoreError::Full:
        return Failure(ErrorNumber::DatabaseStatement,
                       QStringLiteral("%1 cannot be written: the disk is full (%2).").arg(where, reason));
    case StoreError::Damaged:
        return Failure(ErrorNumber::DatabaseUnreadable,
                       QStringLiteral("%1 is damaged (%2). Restore it from a backup.").arg(where, reason));
    case StoreError::Gone:
        return Failure(ErrorNumber::DatabaseUnreadable,
                       QStringLiteral("%1 cannot be reached (%2).").arg(where, reason));
    case StoreError::Duplicate:
    case StoreError::Other:
        break;
    }
    return Failure(ErrorNumber::DatabaseStatement, QStringLiteral("The database refused the request: %1").arg(reason));
}

QSqlQuery Connection::run(const QString &sql, const QVariantList &values) const
{
    QSqlDatabase db = database();
    if (!db.isOpen())
        throw Failure(ErrorNumber::DatabaseStatement, QStringLiteral("The database is not open."));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw failure(query.lastError());
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw failure(query.lastError());
    return query;
}

bool Connection::next(QSqlQuery &query) const
{
    if (query.next())
        return true;
    if (query.lastError().isValid())
        throw failure(query.lastError());
    return false;
}

void Connection::begin() const
{
    QSqlDatabase db = database();
    if (!db.transaction())
        throw failure(db.lastError());
}

void Connection::commit() const
{
    QSqlDatabase db = database();
    if (!db.commit()) {
        const Failure refused = failure(db.lastError());
        db.rollback();
        throw refused;
    }
}

void Connection::rollback() const
{
    database().rollback();
}

} // namespace quillset
