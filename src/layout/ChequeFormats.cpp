#include "ChequeFormats.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

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

} // namespace

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

QString spreadDateDigits(const QString &dateText)
{
    const std::optional<QDate> date = parseChequeDate(dateText);
    const QString digits = date ? date->toString(QStringLiteral("ddMMyyyy")) : dateText;
    // Eight places, each taken from the text or left empty, always with the seven separators.
    QString spread;
    for (qsizetype i = 0; i < 8; ++i) {
        if (i > 0)
            spread += QStringLiteral("    ");
        if (i < digits.size())
            spread += digits.at(i);
    }
    return spread;
}

QString formatAmountFigures(const QString &amountText)
{
    bool ok = false;
    const double value = amountText.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 9.0e15)
        return amountText;
    // Whole rupees, halves away from zero, as the figures pattern rounds; commas between thousands.
    const double whole = std::round(std::fabs(value));
    const QString grouped = QLocale(QLocale::English, QLocale::UnitedStates).toString(static_cast<qlonglong>(whole));
    return (value < 0 && whole > 0 ? QStringLiteral("-") : QString()) + QStringLiteral("=") + grouped
        + QStringLiteral("/-");
}

} // namespace quillset
