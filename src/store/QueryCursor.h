#pragma once

#include "store/RowCursor.h"

#include <QSqlQuery>

namespace quillset {

/// The rows of a statement as Qt's driver reads them: what any backend can do.
class QueryCursor final : public RowCursor
{
public:
    QueryCursor(const Connection &connection, const QString &sql, const QVariantList &values);

    bool next() override;
    QStringList columnNames() const override;
    bool isNull(int column) const override { return m_query.isNull(column); }
    QString text(int column) const override { return m_query.value(column).toString(); }
    qint64 number(int column) const override { return m_query.value(column).toLongLong(); }
    QVariant value(int column) const override { return m_query.value(column); }

private:
    const Connection &m_connection;
    QSqlQuery m_query;
};

} // namespace quillset
