#include "SystemParameters.h"

#include "Conversions.h"
#include "Database.h"
#include "Failure.h"

#include <QVariant>

#include <limits>

namespace quillset {

QString GetSystemParameter(const QString &key)
{
    QSqlQuery query = runStatement(QStringLiteral("SELECT [Value] from sys_parms where Description = ?"), {key});
    if (!query.next())
        throw Failure(ErrorNumber::ParameterMissing,
                      QStringLiteral("The system parameter \"%1\" is missing from the database.").arg(key));
    return query.value(0).toString();
}

void SetSystemParameter(const QString &key, const QString &value)
{
    const QSqlQuery update
        = runStatement(QStringLiteral("UPDATE sys_parms  set [Value] = ? where Description = ?"), {value, key});
    if (update.numRowsAffected() == 0)
        runStatement(QStringLiteral("INSERT INTO sys_parms (Description, [Value]) VALUES (?, ?)"), {key, value});
}

int wholeNumberParameter(const QString &key)
{
    const QString text = GetSystemParameter(key);
    const std::optional<qint64> number = wholeNumber(text);
    if (!number || *number > std::numeric_limits<int>::max() || *number < std::numeric_limits<int>::min())
        throw Failure(
            ErrorNumber::ParameterNotNumber,
            QStringLiteral("The system parameter \"%1\" should be a whole number but holds \"%2\".").arg(key, text));
    return static_cast<int>(*number);
}

double numericParameter(const QString &key)
{
    return numericValue(GetSystemParameter(key));
}

} // namespace quillset
