#include "ChequeRegister.h"

#include "layout/ChequeFormats.h"
#include "store/Conversions.h"
#include "store/Database.h"

#include <QVariant>

namespace quillset {

QList<RegisterEntry> chequesBetween(const QDate &from, const QDate &to)
{
    // Dates are stored as YYYY-MM-DD, so the range compares as text and uses the PrintDate index.
    QSqlQuery query = runStatement(QStringLiteral("SELECT PrintDate, BankID, ChequeNo, Pay, Amount FROM Cheque "
                                                  "WHERE PrintDate BETWEEN ? AND ? ORDER BY PrintDate, ChequeNo"),
                                   {from.toString(Qt::ISODate), to.toString(Qt::ISODate)});
    QList<RegisterEntry> entries;
    while (query.next()) {
        entries.append({QDate::fromString(query.value(0).toString(), Qt::ISODate), query.value(1).toString(),
                        query.value(2).toString(), query.value(3).toString(), query.value(4).toDouble()});
    }
    return entries;
}

QString reportTitle(const QDate &from, const QDate &to)
{
    return QStringLiteral("List of cheques printed from %1 to %2").arg(formatChequeDate(from), formatChequeDate(to));
}

namespace {

QString csvField(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    QString quoted = value;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QString registerCsv(const QList<RegisterEntry> &entries)
{
    QString csv = QStringLiteral("Date,Account,Cheque No,Payee,Amount\r\n");
    for (const RegisterEntry &entry : entries) {
        csv += entry.date.toString(Qt::ISODate) + u',' + csvField(entry.bankId) + u',' + csvField(entry.chequeNo) + u','
            + csvField(entry.pay) + u',' + plainNumber(entry.amount) + QStringLiteral("\r\n");
    }
    return csv;
}

} // namespace quillset
