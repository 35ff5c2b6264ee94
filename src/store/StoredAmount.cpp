#include "StoredAmount.h"

#include "core/cheque/Cheque.h"
#include "core/words/MoneyStyle.h"

namespace quillset {

StoredAmount storedAmount(const Cheque &cheque)
{
    return {cheque.amount.units, cheque.amount.style.subunitDigits};
}

qint64 chequeAmount(const StoredAmount &stored, MoneyStyle &money)
{
    // A row keeps the decimals it was written with; it is shown so, whatever the account takes now.
    money.subunitDigits = stored.decimals;
    return stored.units;
}

QString decimalText(const StoredAmount &amount)
{
    if (amount.decimals <= 0)
        return QString::number(amount.units);
    const QString digits
        = QString::number(amount.units < 0 ? -amount.units : amount.units).rightJustified(amount.decimals + 1, u'0');
    return (amount.units < 0 ? QStringLiteral("-") : QString()) + digits.left(digits.size() - amount.decimals) + u'.'
        + digits.right(amount.decimals);
}

} // namespace quillset
