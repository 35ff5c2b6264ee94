#include "SqliteCursor.h"

#include "store/Connection.h"

#include <QSqlError>

#include <sqlite3.h>

namespace quillset {

SqliteCursor::SqliteCursor(const Connection &connection, sqlite3 *database, const QString &sql,
                           const QVariantList &values)
    : m_connection(connection)
    , m_database(database)
{
    const QByteArray statement = sql.toUtf8();
    if (const int code
        = sqlite3_prepare_v2(m_database, statement.constData(), int(statement.size()), &m_statement, nullptr);
        code != SQLITE_OK)
        fail(code);
    for (int i = 0; i < values.size(); ++i) {
        const QVariant &value = values.at(i);
        int code = SQLITE_OK;
        switch (value.isNull() ? QMetaType::UnknownType : value.typeId()) {
        case QMetaType::UnknownType:
            code = sqlite3_bind_null(m_statement, i + 1);
            break;
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
            code = sqlite3_bind_int64(m_statement, i + 1, value.toLongLong());
            break;
        case QMetaType::Double:
            code = sqlite3_bind_double(m_statement, i + 1, value.toDouble());
            break;
        default: {
            const QByteArray text = value.toString().toUtf8();
            code = sqlite3_bind_text(m_statement, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        }
        if (code != SQLITE_OK)
            fail(code);
    }
}

SqliteCursor::~SqliteCursor()
{
    sqlite3_finalize(m_statement);
}

void SqliteCursor::fail(int code) const
{
    // The same error Qt's driver would report, so that it reads and is sorted the same way.
    const int extended = sqlite3_extended_errcode(m_database);
    throw m_connection.failure(QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(m_database)),
                                         QSqlError::StatementError, QString::number(extended ? extended : code)));
}

bool SqliteCursor::next()
{
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    fail(code);
}

QStringList SqliteCursor::columnNames() const
{
    QStringList names;
    for (int i = 0; i < sqlite3_column_count(m_statement); ++i)
        names.append(QString::fromUtf8(sqlite3_column_name(m_statement, i)));
    return names;
}

bool SqliteCursor::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

QString SqliteCursor::text(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
}

qint64 SqliteCursor::number(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

QVariant SqliteCursor::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_NULL:
        return QVariant(QMetaType(QMetaType::QString));
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(m_statement, column)),
                          sqlite3_column_bytes(m_statement, column));
    default:
        return text(column);
    }
}

} // namespace quillset
