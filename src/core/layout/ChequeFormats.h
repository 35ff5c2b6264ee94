#pragma once

#include <QDate>
#include <QString>

namespace quillset {

/// The date as printed in the date boxes: its eight digits (ddMMyyyy) with four blanks between
/// neighbours, 36 characters in all.
QString spreadDateDigits(const QDate &date);

} // namespace quillset
