#include "ChequeRegister.h"

#include "core/cheque/ChequeInput.h"

namespace quillset {

QString reportTitle(const QDate &from, const QDate &to, const QString &account)
{
    QString title
        = QStringLiteral("List of cheques printed from %1 to %2").arg(formatChequeDate(from), formatChequeDate(to));
    if (!account.isEmpty())
        title += QStringLiteral(", account %1").arg(account);
    return title;
}

QString reportFileStem(const QDate &from, const QDate &to, const QString &account)
{
    QString stem = QStringLiteral("cheques");
    if (!account.isEmpty()) {
        // An account code may hold what a file name cannot, such as a stroke or a quote.
        QString code = account;
        for (QChar &c : code) {
            const bool plain = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')
                || c == u'-' || c == u'_';
            if (!plain)
                c = u'_';
        }
        stem += u'-' + code;
    }
    return stem + QStringLiteral("-%1-to-%2").arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate));
}

namespace {

// A field as RFC 4180 writes it: in double quotes, with its quotes doubled, when it holds a comma, a
// quote or a line break.
QString quotedField(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    QString quoted = value;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// A text a spreadsheet would run as a formula (=, +, -, @, a tab or a return first) is kept a text by
// a leading apostrophe. Everything else is written exactly as it stands, cheque numbers with their
// leading zeros included.
QString csvField(const QString &value)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!value.isEmpty() && formulaStarts.contains(value.front()))
        return quotedField(u'\'' + value);
    return quotedField(value);
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
    QString csv = QStringLiteral("Date,Account,Cheque No,Payee,Amount,Status,Reason\r\n");
    for (const RegisterEntry &entry : entries) {
        csv += entry.date.toString(Qt::ISODate) + u',' + csvField(entry.bankId) + u',' + csvField(entry.chequeNo) + u','
            + csvField(entry.pay) + u',' + plainAmount(entry.amount, entry.money) + u',' + statusWord(entry.status)
            + u',' + csvField(entry.reason) + QStringLiteral("\r\n");
    }
    return csv;
}

} // namespace quillset
