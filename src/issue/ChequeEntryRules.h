#pragma once

#include <QString>

namespace quillset {

struct ChequeEntry;

/// The message for a cheque with an empty cheque number, payee, date or amount.
inline const QString kIncompleteChequeMessage = QStringLiteral("You cannot print All the fields must be selected");

/// The longest amount the entry window admits, in digits.
inline constexpr int kAmountMaxDigits = 9;

/// True when cheque number, payee, date and amount all hold text (blanks count as text).
bool isComplete(const ChequeEntry &entry);

/// True for an amount text of digits only, at most nine of them (empty included).
bool isAcceptableAmountText(const QString &text);

/// True for an empty date, or one the cheque's date forms read as a real date.
bool isAcceptableDateText(const QString &text);

} // namespace quillset
