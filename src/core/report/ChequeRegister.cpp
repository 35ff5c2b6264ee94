#include "ChequeRegister.h"

#include "core/base/IsoDates.h"
#include "core/cheque/ChequeInput.h"

#include <QCoreApplication>

#include <algorithm>

namespace quillset {

QString reportTitle(const QDate &from, const QDate &to, const QString &account)
{
    QString title = QCoreApplication::translate("ChequeRegister", "List of cheques printed from %1 to %2")
                        .arg(formatChequeDate(from), formatChequeDate(to));
    if (!account.isEmpty())
        title += QCoreApplication::translate("ChequeRegister", ", account %1").arg(account);
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
// quote or a line break. A text a spreadsheet would run as a formula (=, +, -, @, a tab or a return
// first) is kept a text by a leading apostrophe. Everything else is written exactly as it stands,
// cheque numbers with their leading zeros included. Appended in place: a month is thousands of rows.
void appendField(QString &csv, const QString &value)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    const bool formula = !value.isEmpty() && formulaStarts.contains(value.front());
    const bool quoted = std::any_of(value.cbegin(), value.cend(),
                                    [](QChar c) { return c == u',' || c == u'"' || c == u'\n' || c == u'\r'; });
    if (quoted)
        csv += u'"';
    if (formula)
        csv += u'\'';
    if (quoted) {
        for (const QChar c : value) {
            if (c == u'"')
                csv += u'"';
            csv += c;
        }
        csv += u'"';
    } else {
        csv += value;
    }
    csv += u',';
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
    csv.reserve(csv.size() + entries.size() * 96);
    for (const RegisterEntry &entry : entries) {
        appendIsoDate(csv, entry.date);
        csv += u',';
        appendField(csv, entry.bankId);
        appendField(csv, entry.chequeNo);
        appendField(csv, entry.pay);
        csv += plainAmount(entry.amount, entry.money);
        csv += u',';
        csv += statusWord(entry.status);
        csv += u',';
        appendField(csv, entry.reason);
        csv.chop(1);
        csv += QStringLiteral("\r\n");
    }
    return csv;
}

} // namespace quillset
