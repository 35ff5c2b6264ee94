#pragma once

#include <QString>

namespace quillset {

/// How an account writes its money: how many decimals an amount takes.
struct MoneyStyle
{
    int subunitDigits = 0; ///< 0, 2 or 3

    /// How many of the smallest unit make one whole unit: 1, 100 or 1000.
    qint64 unitsPerWhole() const;
    bool operator==(const MoneyStyle &) const = default;
};

/// Why an amount text is refused, and the form it should take, in plain words.
QString amountFormHint(const QString &text, const MoneyStyle &money);

} // namespace quillset
