#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace quillset {

/// One printed cheque as the register holds it.
struct RegisterEntry
{
    QDate date;
    QString bankId;
    QString chequeNo;
    QString pay;
    double amount = 0;
};

/// The cheques dated from `from` to `to`, both days included, by date and then cheque number.
/// A start after the end gives none. Throws Failure when the database fails.
QList<RegisterEntry> chequesBetween(const QDate &from, const QDate &to);

/// "List of cheques printed from 01-Dec-2026 to 06-Dec-2026".
QString reportTitle(const QDate &from, const QDate &to);

/// The entries as CSV with a heading line: ISO dates and plain amounts, for a spreadsheet.
QString registerCsv(const QList<RegisterEntry> &entries);

} // namespace quillset
