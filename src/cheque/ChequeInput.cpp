#include "ChequeInput.h"

#include "words/MoneyStyle.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace quillset {

namespace {

int monthFromName(const QString &name)
{
    static const QStringList months
        = {QStringLiteral("jan"), QStringLiteral("feb"), QStringLiteral("mar"), QStringLiteral("apr"),
           QStringLiteral("may"), QStringLiteral("jun"), QStringLiteral("jul"), QStringLiteral("aug"),
           QStringLiteral("sep"), QStringLiteral("oct"), QStringLiteral("nov"), QStringLiteral("dec")};
    return static_cast<int>(months.indexOf(name.toLower())) + 1;
}

std::optional<QDate> validDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

FieldProblem emptyField(ChequeField field, const QString &message)
{
    return {field, message, true};
}

} // namespace

QString statusWord(ChequeStatus status)
{
    switch (status) {
    case ChequeStatus::Pending:
        return QStringLiteral("pending");
    case ChequeStatus::Printed:
        return QStringLiteral("printed");
    case ChequeStatus::Spoiled:
        return QStringLiteral("spoiled");
    case ChequeStatus::Void:
        return QStringLiteral("void");
    }
    return QString();
}

std::optional<ChequeStatus> statusFromWord(const QString &word)
{
    for (const ChequeStatus status :
         {ChequeStatus::Pending, ChequeStatus::Printed, ChequeStatus::Spoiled, ChequeStatus::Void}) {
        if (word == statusWord(status))
            return status;
    }
    return std::nullopt;
}

QString fieldName(ChequeField field)
{
    switch (field) {
    case ChequeField::Account:
        return QStringLiteral("Bank ID");
    case ChequeField::Number:
        return QStringLiteral("Cheque No");
    case ChequeField::Payee:
        return QStringLiteral("Pay");
    case ChequeField::Date:
        return QStringLiteral("Date");
    case ChequeField::Amount:
        return QStringLiteral("Amount");
    case ChequeField::Stamp:
        return QStringLiteral("Stamp");
    }
    return QString();
}

bool ChequeReading::incomplete() const
{
    return std::any_of(problems.begin(), problems.end(), [](const FieldProblem &p) { return p.empty; });
}

QString ChequeReading::messages() const
{
    QStringList lines;
    for (const FieldProblem &problem : problems)
        lines.append(problem.message);
    return lines.join(u'\n');
}

std::optional<QDate> parseChequeDate(const QString &text)
{
    static const QRegularExpression named(QStringLiteral("^(\\d{1,2})-([A-Za-z]{3})-(\\d{4})$"));
    static const QRegularExpression dayFirst(QStringLiteral("^(\\d{1,2})([/-])(\\d{1,2})\\2(\\d{4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));

    const QString trimmed = text.trimmed();
    if (const QRegularExpressionMatch m = named.match(trimmed); m.hasMatch()) {
        const int month = monthFromName(m.captured(2));
        if (month == 0)
            return std::nullopt;
        return validDate(m.captured(3).toInt(), month, m.captured(1).toInt());
    }
    if (const QRegularExpressionMatch m = dayFirst.match(trimmed); m.hasMatch())
        return validDate(m.captured(4).toInt(), m.captured(3).toInt(), m.captured(1).toInt());
    if (const QRegularExpressionMatch m = iso.match(trimmed); m.hasMatch())
        return validDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return std::nullopt;
}

QString formatChequeDate(const QDate &date)
{
    return QLocale::c().toString(date, QStringLiteral("dd-MMM-yyyy"));
}

bool isAcceptableDateText(const QString &text)
{
    return text.isEmpty() || parseChequeDate(text).has_value();
}

bool isAcceptableAmountText(const QString &text, const MoneyStyle &money)
{
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? QStringView(text) : QStringView(text).left(point);
    const QStringView fraction = point < 0 ? QStringView() : QStringView(text).mid(point + 1);
    if (point >= 0 && money.subunitDigits == 0)
        return false;
    return whole.size() <= kAmountMaxDigits && fraction.size() <= money.subunitDigits
        && std::all_of(whole.begin(), whole.end(), isAsciiDigit)
        && std::all_of(fraction.begin(), fraction.end(), isAsciiDigit);
}

std::optional<qint64> parseAmount(const QString &text, const MoneyStyle &money)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String(".") || !isAcceptableAmountText(trimmed, money))
        return std::nullopt;
    const qsizetype point = trimmed.indexOf(u'.');
    const QString whole = point < 0 ? trimmed : trimmed.left(point);
    QString fraction = point < 0 ? QString() : trimmed.mid(point + 1);
    fraction = fraction.leftJustified(money.subunitDigits, u'0');
    qint64 amount = 0;
    for (const QChar c : QString(whole + fraction))
        amount = amount * 10 + (c.unicode() - u'0');
    return amount;
}

ChequeReading readCheque(const ChequeTexts &texts, const MoneyStyle &money)
{
    ChequeReading reading;
    QList<FieldProblem> &problems = reading.problems;
    // Only emptiness is tested in the identifying texts: an office may write a payee or a number
    // any way its bank accepts.
    if (texts.accountCode.isEmpty())
        problems.append(
            {ChequeField::Account, QStringLiteral("Choose the bank account the cheque is drawn on."), false});
    if (texts.number.isEmpty())
        problems.append(emptyField(ChequeField::Number, QStringLiteral("Enter the cheque number.")));
    if (texts.payee.isEmpty())
        problems.append(emptyField(ChequeField::Payee, QStringLiteral("Enter the payee after Pay.")));

    std::optional<QDate> date;
    if (texts.date.isEmpty()) {
        problems.append(emptyField(ChequeField::Date, QStringLiteral("Enter the cheque date.")));
    } else if (!(date = parseChequeDate(texts.date))) {
        problems.append(
            {ChequeField::Date,
             QStringLiteral("\"%1\" is not a date; write it as 06-Dec-2026, 06/12/2026 or 2026-12-06.").arg(texts.date),
             false});
    }

    std::optional<qint64> amount;
    if (texts.amount.isEmpty()) {
        problems.append(emptyField(ChequeField::Amount, QStringLiteral("Enter the amount.")));
    } else if (!(amount = parseAmount(texts.amount, money))) {
        problems.append({ChequeField::Amount, amountFormHint(texts.amount, money), false});
    }

    if (problems.isEmpty())
        reading.cheque = Cheque {texts.accountCode, texts.number, texts.payee, *date, *amount, texts.stamp};
    return reading;
}

} // namespace quillset
