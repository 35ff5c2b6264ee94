#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace quillset {

/// Reads a cheque date typed as 06-Dec-2026, 6-Dec-2026, 06/12/2026, 06-12-2026 or 2026-12-06
/// (numeric forms day first; month names in English, any case). Impossible dates give nothing.
std::optional<QDate> parseChequeDate(const QString &text);

/// The entry window's date form, with English month abbreviations: 06-Dec-2026.
QString formatChequeDate(const QDate &date);

/// The date as printed in the date boxes: its eight digits (ddMMyyyy) with four blanks between
/// neighbours. A text that is not a date is spread as it stands, eight characters of it at most.
QString spreadDateDigits(const QString &dateText);

/// The amount in figures as printed: =1,234,567/-. A text that is not a number is returned unchanged.
QString formatAmountFigures(const QString &amountText);

} // namespace quillset
