#include "ChequeRegister.h"

#include "core/base/IsoDates.h"
#include "core/cheque/ChequeInput.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

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
void appendField(QByteArray &csv, const QString &text)
{
    const QByteArray value = text.toUtf8();
    const bool formula = !value.isEmpty() && std::strchr("=+-@\t\r", value.front()) != nullptr;
    const bool quoted = std::any_of(value.cbegin(), value.cend(),
                                    [](char c) { return c == ',' || c == '"' || c == '\n' || c == '\r'; });
    if (quoted)
        csv += '"';
    if (formula)
        csv += '\'';
    if (quoted) {
        for (const char c : value) {
            if (c == '"')
                csv += '"';
            csv += c;
        }
        csv += '"';
    } else {
        csv += value;
    }
    csv += ',';
}

void appendDate(QByteArray &csv, const QDate &date)
{
    QString text;
    text.reserve(10);
    appendIsoDate(text, date);
    for (const QChar c : text)
        csv += char(c.unicode());
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

RegisterCsv::RegisterCsv()
    : m_csv("Date,Account,Cheque No,Payee,Amount,Status,Reason\r\n")
{
}

void RegisterCsv::add(const RegisterEntry &entry)
{
    appendDate(m_csv, entry.date);
    m_csv += ',';
    appendField(m_csv, entry.bankId);
    appendField(m_csv, entry.chequeNo);
    appendField(m_csv, entry.pay);
    m_csv += plainAmount(entry.amount, entry.money).toLatin1();
    m_csv += ',';
    m_csv += statusWord(entry.status).toUtf8();
    m_csv += ',';
    appendField(m_csv, entry.reason);
    m_csv.chop(1);
    m_csv += "\r\n";
}

QString registerCsv(const QList<RegisterEntry> &entries)
{
    RegisterCsv csv;
    for (const RegisterEntry &entry : entries)
        csv.add(entry);
    return QString::fromUtf8(csv.bytes());
}

} // namespace quillset
