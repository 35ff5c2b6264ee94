#pragma once

#include "ChequeRegister.h"

#include <QColor>
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
    QString summary
        = QStringLiteral("{printed} printed, total {total}. {pending} pending, {spoiled} spoiled, {void} void.");
    QColor headerBackground = QColor(232, 236, 239);
    QColor rowLines;
    QList<Column> columns;

    /// Reads the definition; throws Failure naming the file when it is missing, unreadable or names
    /// no usable column.
    static ReportDefinition load(const QString &path);

    /// A cell's text, as the report prints it: dates as 06-Dec-2026, amounts as on the cheque.
    static QString cellText(Field field, const RegisterEntry &entry);
    /// The summary line for these entries: {count} is every row, {printed}, {pending}, {spoiled} and
    /// {void} count each status, and {total} sums the printed cheques only.
    QString summaryFor(const QList<RegisterEntry> &entries) const;
};

} // namespace quillset
