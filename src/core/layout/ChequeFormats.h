#pragma once

#include "core/banks/BankAccount.h"

#include <QDate>
#include <QString>

namespace quillset {

/// The date as printed in the date boxes: its eight digits (ddMMyyyy) with four blanks between
/// neighbours, 36 characters in all.
QString spreadDateDigits(const QDate &date);

/// The date as one text in the layout's form: 06-12-2026, 06/12/2026 or "06 December 2026" (English
/// month names, as banks read them, whatever the office's language); the spread digits for boxes.
QString chequeDateText(const QDate &date, DateLayout layout);

} // namespace quillset
