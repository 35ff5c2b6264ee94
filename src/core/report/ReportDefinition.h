#pragma once

#include "core/report/ChequeRegister.h"

#include <QColor>
#include <QCoreApplication>
#include <QList>
#include <QString>

namespace quillset {

/// The report's look, read from a definition file an office may edit: faces, wording and columns.
struct ReportDefinition
{
    enum class Field { Date, Account, Cheque, Payee, Amount, Status };

    struct Column
    {
        Field field = Field::Date;
        QString heading;
        double widthPercent = 20;
        bool alignRight = false;
    };

    QString fontFamily;
    double fontSize = 9;
    double titleFontSize = 13;
    QString subtitle;
    /// The counts line under the rows.
    QString summary = QCoreApplication::translate(
        "ReportDefinition", "{printed} printed, {pending} pending, {spoiled} spoiled, {void} void.");
    /// A line for each account in the report, its total in that account's money; empty for none.
    QString accountTotal
        = QCoreApplication::translate("ReportDefinition", "{account}: {printed} printed, total {total} ({words})");
    /// The line totalling every account, only where the accounts all write their money alike.
    QString grandTotal
        = QCoreApplication::translate("ReportDefinition", "All accounts: {printed} printed, total {total} ({words})");
    QColor headerBackground = QColor(232, 236, 239);
    QColor rowLines;
    QList<Column> columns;

    /// Reads the definition; throws Failure naming the file when it is missing, unreadable or names
    /// no usable column.
    static ReportDefinition load(const QString &path);

    /// A cell's text, as the report prints it: dates as 06-Dec-2026, amounts as on the cheque.
    static QString cellText(Field field, const RegisterEntry &entry);
    /// The lines under the rows: the counts, each account's total in its own money (figures and words
    /// as on its cheques) and, where there are several accounts whose money is written alike, their
    /// grand total. {count} is every row, {printed}, {pending}, {spoiled} and {void} count each status,
    /// {total} and {words} sum the printed cheques only, and {account} names the account. In the counts
    /// line, {total} is the grand total, or "by account, below" where the accounts' money differs.
    QStringList summaryFor(const QList<RegisterEntry> &entries) const;
};

} // namespace quillset
