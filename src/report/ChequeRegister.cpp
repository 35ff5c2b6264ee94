#include "ChequeRegister.h"

#include "cheque/ChequeInput.h"

namespace quillset {

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

QString plainAmount(qint64 amount, const MoneyStyle &money)
{
    const qint64 perWhole = money.unitsPerWhole();
    QString text = QString::number(amount / perWhole);
    if (money.subunitDigits > 0)
        text += u'.' + QString::number(amount % perWhole).rightJustified(money.subunitDigits, u'0');
    return text;
}

QString registerCsv(const QList<RegisterEntry> &entries)
{
    QString csv = QStringLiteral("Date,Account,Cheque No,Payee,Amount,Status\r\n");
    for (const RegisterEntry &entry : entries) {
        csv += entry.date.toString(Qt::ISODate) + u',' + csvField(entry.bankId) + u',' + csvField(entry.chequeNo) + u','
            + csvField(entry.pay) + u',' + plainAmount(entry.amount, entry.money) + u',' + statusWord(entry.status)
            + QStringLiteral("\r\n");
    }
    return csv;
}

} // namespace quillset
