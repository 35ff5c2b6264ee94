#pragma once

#include "core/words/MoneyStyle.h"

#include <QString>

namespace quillset {

/// Words for a whole number from 0 to 100, as the cheque spells its two-digit groups
/// (0 gives "", 20 "Twenty", 30 "Thirty " with its trailing blank, 100 "Hundred").
QString GroupInWords(int n);

/// A whole amount in English words closed by "Only.", with the cheque's own spacing
/// (12345 gives "Twelve Thousand Three Hundred Forty Five Only.", 0 gives " Only.").
/// Throws Failure for a negative amount or one of a thousand billion or more.
QString wordsForWhole(qint64 amount);

/// The same for an amount with a fraction, which is rounded, halves to even, into the last two digits.
QString AmountInWords(double amount);

/// The words a cheque carries for an amount in the smallest unit of the account's money: with the
/// currency's names when the account has them, in lakh and crore for the Indian style, and exactly
/// wordsForWhole() for an international account without names and an amount without a fraction.
/// A fraction without a subunit name reads "and 50/100". Throws as wordsForWhole() does.
QString chequeWords(qint64 amount, const MoneyStyle &money);

/// The amount in figures as the cheque prints it: =1,234,567/-, =12,34,567.50/- in the Indian style.
QString chequeFigures(qint64 amount, const MoneyStyle &money);

inline QString chequeWords(const Money &amount)
{
    return chequeWords(amount.units, amount.style);
}
inline QString chequeFigures(const Money &amount)
{
    return chequeFigures(amount.units, amount.style);
}

} // namespace quillset
