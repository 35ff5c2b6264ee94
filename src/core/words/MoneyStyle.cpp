#include "MoneyStyle.h"

#include <QCoreApplication>

namespace quillset {

qint64 MoneyStyle::unitsPerWhole() const
{
    qint64 units = 1;
    for (int i = 0; i < subunitDigits; ++i)
        units *= 10;
    return units;
}

QString amountStyleWord(AmountStyle style)
{
    return style == AmountStyle::Indian ? QStringLiteral("Indian") : QStringLiteral("International");
}

std::optional<AmountStyle> amountStyleFromWord(const QString &word)
{
    if (word.compare(QLatin1String("International"), Qt::CaseInsensitive) == 0)
        return AmountStyle::International;
    if (word.compare(QLatin1String("Indian"), Qt::CaseInsensitive) == 0)
        return AmountStyle::Indian;
    return std::nullopt;
}

QString amountFormHint(const QString &text, const MoneyStyle &money)
{
    if (money.subunitDigits == 0)
        return QCoreApplication::translate("MoneyStyle",
                                           "The amount \"%1\" must be whole rupees in digits only, at most 9 of them.")
            .arg(text);
    return QCoreApplication::translate(
               "MoneyStyle",
               "The amount \"%1\" must be digits, at most 9 of them, with at most %2 after the decimal "
               "point, such as 1234.%3.")
        .arg(text)
        .arg(money.subunitDigits)
        .arg(QString(money.subunitDigits, u'5'));
}

} // namespace quillset
