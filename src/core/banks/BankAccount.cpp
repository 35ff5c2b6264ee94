#include "BankAccount.h"

#include <QList>

namespace quillset {

namespace {

struct MeasurementName
{
    const char *column;
    const char *label;
};

constexpr std::array<MeasurementName, kMeasurementCount> kMeasurementNames = {{
    {"Width", "Paper Width"},          {"Height", "Cheq Height"},          {"DateLeft", "Date, Left"},
    {"DateBottom", "Date, Top"},       {"DateWidth", "Date, Width"},       {"PayLeft", "Pay, Left"},
    {"PayBottom", "Pay, Top"},         {"PayWidth", "Pay, Width"},         {"AmountLeft", "Amount, Left"},
    {"AmountBottom", "Amount, Top"},   {"AmountWidth", "Amount, Width"},   {"Rupee1Left", "Rupee L1, Left"},
    {"Rupee1Bottom", "Rupee L1, Top"}, {"Rupee1Width", "Rupee L1, Width"}, {"Rupee2Left", "Rupee L2, Left"},
    {"Rupee2Bottom", "Rupee L2, Top"}, {"Rupee2Width", "Rupee L2, Width"}, {"Rupee3Left", "Stamp, Left"},
    {"Rupee3Bottom", "Stamp, Top"},    {"Rupee3Width", "Stamp, Width"},
}};

} // namespace

QString measurementColumn(Measurement measurement)
{
    return QString::fromLatin1(kMeasurementNames.at(static_cast<size_t>(measurement)).column);
}

QString measurementLabel(Measurement measurement)
{
    return QString::fromLatin1(kMeasurementNames.at(static_cast<size_t>(measurement)).label);
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
