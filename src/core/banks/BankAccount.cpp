#include "BankAccount.h"

#include <QCoreApplication>
#include <QList>

namespace quillset {

namespace {

struct MeasurementName
{
    const char *column;
    const char *label;
};

constexpr std::array<MeasurementName, kMeasurementCount> kMeasurementNames = {{
    {"Width", QT_TRANSLATE_NOOP("BankAccount", "Paper Width")},
    {"Height", QT_TRANSLATE_NOOP("BankAccount", "Cheq Height")},
    {"DateLeft", QT_TRANSLATE_NOOP("BankAccount", "Date, Left")},
    {"DateBottom", QT_TRANSLATE_NOOP("BankAccount", "Date, Top")},
    {"DateWidth", QT_TRANSLATE_NOOP("BankAccount", "Date, Width")},
    {"PayLeft", QT_TRANSLATE_NOOP("BankAccount", "Pay, Left")},
    {"PayBottom", QT_TRANSLATE_NOOP("BankAccount", "Pay, Top")},
    {"PayWidth", QT_TRANSLATE_NOOP("BankAccount", "Pay, Width")},
    {"AmountLeft", QT_TRANSLATE_NOOP("BankAccount", "Amount, Left")},
    {"AmountBottom", QT_TRANSLATE_NOOP("BankAccount", "Amount, Top")},
    {"AmountWidth", QT_TRANSLATE_NOOP("BankAccount", "Amount, Width")},
    {"Rupee1Left", QT_TRANSLATE_NOOP("BankAccount", "Rupee L1, Left")},
    {"Rupee1Bottom", QT_TRANSLATE_NOOP("BankAccount", "Rupee L1, Top")},
    {"Rupee1Width", QT_TRANSLATE_NOOP("BankAccount", "Rupee L1, Width")},
    {"Rupee2Left", QT_TRANSLATE_NOOP("BankAccount", "Rupee L2, Left")},
    {"Rupee2Bottom", QT_TRANSLATE_NOOP("BankAccount", "Rupee L2, Top")},
    {"Rupee2Width", QT_TRANSLATE_NOOP("BankAccount", "Rupee L2, Width")},
    {"Rupee3Left", QT_TRANSLATE_NOOP("BankAccount", "Stamp, Left")},
    {"Rupee3Bottom", QT_TRANSLATE_NOOP("BankAccount", "Stamp, Top")},
    {"Rupee3Width", QT_TRANSLATE_NOOP("BankAccount", "Stamp, Width")},
}};

} // namespace

QString measurementColumn(Measurement measurement)
{
    return QString::fromLatin1(kMeasurementNames.at(static_cast<size_t>(measurement)).column);
}

QString measurementLabel(Measurement measurement)
{
    return QCoreApplication::translate("BankAccount", kMeasurementNames.at(static_cast<size_t>(measurement)).label);
}

QString dateLayoutWord(DateLayout layout)
{
    switch (layout) {
    case DateLayout::DashedNumbers:
        return QStringLiteral("DD-MM-YYYY");
    case DateLayout::SlashedNumbers:
        return QStringLiteral("DD/MM/YYYY");
    case DateLayout::Written:
        return QStringLiteral("written");
    case DateLayout::Boxes:
        break;
    }
    return QStringLiteral("boxes");
}

std::optional<DateLayout> dateLayoutFromWord(const QString &word)
{
    for (const DateLayout layout :
         {DateLayout::Boxes, DateLayout::DashedNumbers, DateLayout::SlashedNumbers, DateLayout::Written}) {
        if (word.compare(dateLayoutWord(layout), Qt::CaseInsensitive) == 0)
            return layout;
    }
    return std::nullopt;
}

bool sameAccountCode(const QString &a, const QString &b)
{
    // Through small letters first, so that a capital with no small form of its own (ẞ) meets the
    // small letter whose capitals are longer (ß, SS).
    return a == b || a.toLower().toUpper() == b.toLower().toUpper();
}

QString accountCodeCapitals(const QString &code)
{
    // The simple case mapping gives one character for one; it leaves ß, whose capital is SS, alone.
    QString capitals;
    capitals.reserve(code.size());
    for (const uint character : code.toUcs4())
        capitals.append(QStringView(QChar::fromUcs4(QChar::toUpper(char32_t(character)))));
    return capitals;
}

QStringList offeredCrossings()
{
    return {QStringLiteral("A/c Payee Only"), kDefaultCrossingWords, QStringLiteral("Not Negotiable"),
            QStringLiteral("& Co."), kNoCrossingWords};
}

QString crossingFromWords(const QString &chosen)
{
    const QString words = chosen.trimmed();
    return words.compare(kNoCrossingWords, Qt::CaseInsensitive) == 0 ? QString(QLatin1String("")) : words;
}

QString crossingShown(const QString &words)
{
    return words.trimmed().isEmpty() ? kNoCrossingWords : words;
}

} // namespace quillset
