#pragma once

#include <QString>

namespace quillset {

/// Words for a whole number from 0 to 100, as the cheque spells its two-digit groups
/// (0 gives "", 20 "Twenty", 30 "Thirty " with its trailing blank, 100 "Hundred").
QString GroupInWords(int n);

/// The amount in English words closed by "Only.", with the cheque's own spacing
/// (12345 gives "Twelve Thousand Three Hundred Forty Five Only.", 0 gives " Only.").
/// A fraction is rounded, halves to even, into the last two digits.
/// Throws Failure for a negative amount or one of a thousand billion or more.
QString AmountInWords(double amount);

/// What the entry window shows for an amount text: the words for its leading number, in capitals.
QString narrationForAmountText(const QString &amountText);

} // namespace quillset
