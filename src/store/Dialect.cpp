#include "Dialect.h"

#include "store/Connection.h"
#include "store/QueryCursor.h"
#include "store/StoredAmount.h"

namespace quillset {

std::unique_ptr<RowCursor> Dialect::cursor(const Connection &connection, const QString &sql,
                                           const QVariantList &values) const
{
    return std::make_unique<QueryCursor>(connection, sql, values);
}

QStringList Dialect::missingHistoryGuards(const Connection &connection) const
{
    QStringList missing;
    for (const QString &guard : historyGuards()) {
        QSqlQuery found = connection.run(historyGuardInPlace(), {guard});
        if (!connection.next(found))
            missing.append(guard);
    }
    return missing;
}

bool Dialect::keepsAmountsInUnits() const
{
    return amountAsRead({1, 2}) == QLatin1String("1");
}

} // namespace quillset
