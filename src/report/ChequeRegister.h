#pragma once

#include "store/ChequeRegister.h"

#include <QDate>
#include <QList>
#include <QString>

namespace quillset {

/// "List of cheques printed from 01-Dec-2026 to 06-Dec-2026".
QString reportTitle(const QDate &from, const QDate &to);

/// The entries as RFC 4180 CSV with a heading line: ISO dates, plain amounts, cheque numbers exactly as
/// written, each status with its reason, and no cell a spreadsheet would run as a formula.
QString registerCsv(const QList<RegisterEntry> &entries);

/// An amount as a plain decimal number in its money, without grouping: 2500, 1234.50.
QString plainAmount(qint64 amount, const MoneyStyle &money);

} // namespace quillset
