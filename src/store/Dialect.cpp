#include "Dialect.h"

#include "store/QueryCursor.h"

namespace quillset {

std::unique_ptr<RowCursor> Dialect::cursor(const Connection &connection, const QString &sql,
                                           const QVariantList &values) const
{
    return std::make_unique<QueryCursor>(connection, sql, values);
}

} // namespace quillset
