#pragma once

#include <QString>

namespace quillset {

/// A cheque number as a person would call it: the blanks around it gone (a space, a tab, a line
/// break, a no-break or an ideographic space) and full-width digits, as an East Asian input method
/// types them, made the digits 0 to 9. The store's trigger for rows other programs write does the
/// same, so both find one leaf however it was typed.
QString normalisedNumber(const QString &typed);

/// What identifies a leaf among an account's cheques: the normalised number, by its value when it
/// is made only of digits (000123, "123 " and "１２３" are the same leaf), as it stands otherwise.
QString numberKey(const QString &number);

/// True for a number made only of the digits 0 to 9.
bool isDigitNumber(const QString &number);

/// Why the typed text is no cheque number (a sign, a letter, a blank inside it), in words; empty
/// when it is one, or when nothing but blanks was typed.
QString numberProblem(const QString &typed);

/// The number after a number of digits, as wide as it (leading zeros kept): 000123 gives 000124,
/// 0999 gives 1000. Empty for a number that is not made of digits.
QString numberAfter(const QString &number);

} // namespace quillset
