#include "QueryCursor.h"

#include "store/Connection.h"

#include <QSqlRecord>

namespace quillset {

QueryCursor::QueryCursor(const Connection &connection, const QString &sql, const QVariantList &values)
    : m_connection(connection)
    , m_query(connection.run(sql, values))
{
}

bool QueryCursor::next()
{
    return m_connection.next(m_query);
}

QStringList QueryCursor::columnNames() const
{
    const QSqlRecord record = m_query.record();
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i));
    return names;
}

} // namespace quillset
