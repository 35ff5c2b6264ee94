#pragma once

#include <QString>

#include <optional>

namespace quillset {

/// How the words and the figures group an amount: millions and 1,234,567, or lakh and crore and
/// 12,34,567.
enum class AmountStyle { International, Indian };

/// The stored word for a style, "International" or "Indian", and back (nothing for any other word).
QString amountStyleWord(AmountStyle style);
std::optional<AmountStyle> amountStyleFromWord(const QString &word);

/// How an account writes its money: the grouping, the currency's names and how many decimals an
/// amount takes.
struct MoneyStyle
{
    AmountStyle style = AmountStyle::International;
    QString currencyName; ///< "Rupees": when set, the words begin with it
    QString subunitName; ///< "Paise": when set, the fraction is named
    int subunitDigits = 0; ///< 0, 2 or 3
    bool subunitFirst = true; ///< "and Paise Fifty", as always, rather than "and Fifty Paise"
    QString currencySign; ///< such as "₹": printed before the figures; empty for none

    /// How many of the smallest unit make one whole unit: 1, 100 or 1000.
    qint64 unitsPerWhole() const;
    bool operator==(const MoneyStyle &) const = default;
};

/// An amount with its unit: how many of the smallest unit, and the style that says what that unit is
/// and how it is written. A cheque carries one, so that it prints and is recorded in the money it
/// was typed in, whatever happens to its account meanwhile.
struct Money
{
    qint64 units = 0; ///< paise, cents, fils; whole units when the style has no decimals
    MoneyStyle style;

    bool operator==(const Money &) const = default;
};

/// Why an amount text is refused, and the form it should take, in plain words.
QString amountFormHint(const QString &text, const MoneyStyle &money);

} // namespace quillset
