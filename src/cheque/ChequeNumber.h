#pragma once

#include <QString>

namespace quillset {

/// What identifies a leaf among an account's cheques: a number made only of digits by its value
/// (000123 and 123 are the same leaf), any other number as it was typed.
QString numberKey(const QString &number);

/// True for a number made only of the digits 0 to 9.
bool isDigitNumber(const QString &number);

/// The number after a number of digits, as wide as it (leading zeros kept): 000123 gives 000124,
/// 0999 gives 1000. Empty for a number that is not made of digits.
QString numberAfter(const QString &number);

} // namespace quillset
