#include "AccountLimit.h"

#include "core/banks/BankAccount.h"
#include "core/cheque/Cheque.h"
#include "core/words/AmountInWords.h"

#include <QCoreApplication>

#include <limits>

namespace quillset {

namespace {

// The limit in the cheque's smallest unit; a limit too large to count in it is no limit at all.
std::optional<qint64> limitUnits(const Cheque &cheque, const BankAccountRecord &account)
{
    if (!account.limits.notOver)
        return std::nullopt;
    const qint64 perWhole = cheque.amount.style.unitsPerWhole();
    if (*account.limits.notOver > std::numeric_limits<qint64>::max() / perWhole)
        return std::nullopt;
    return *account.limits.notOver * perWhole;
}

} // namespace

bool isOverLimit(const Cheque &cheque, const BankAccountRecord &account)
{
    const std::optional<qint64> limit = limitUnits(cheque, account);
    return limit && cheque.amount.units > *limit;
}

QString overLimitText(const Cheque &cheque, const BankAccountRecord &account)
{
    if (!isOverLimit(cheque, account))
        return QString();
    return QCoreApplication::translate("AccountLimit",
                                       "%1 is above the \"Not over\" limit of %2 of the account \"%3\".")
        .arg(chequeFigures(cheque.amount), chequeFigures(*limitUnits(cheque, account), cheque.amount.style),
             account.bankId);
}

} // namespace quillset
