#pragma once

#include "core/words/MoneyStyle.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace quillset {

/// The measured layout of a cheque leaf, in centimetres, in the order the columns are stored.
enum class Measurement {
    Width,
    Height,
    DateLeft,
    DateBottom,
    DateWidth,
    PayLeft,
    PayBottom,
    PayWidth,
    AmountLeft,
    AmountBottom,
    AmountWidth,
    Rupee1Left,
    Rupee1Bottom,
    Rupee1Width,
    Rupee2Left,
    Rupee2Bottom,
    Rupee2Width,
    Rupee3Left,
    Rupee3Bottom,
    Rupee3Width,
};
inline constexpr int kMeasurementCount = 20;

/// The column that stores a measurement, such as "DateBottom".
QString measurementColumn(Measurement measurement);
/// How the bank window labels a measurement, such as "Date, Top".
QString measurementLabel(Measurement measurement);

/// Whether two bank IDs name the same account. Account codes are one namespace whatever the case:
/// two codes are the same when their capitals are (acc1 is ACC1, and STRAßE is STRASSE).
bool sameAccountCode(const QString &a, const QString &b);

/// The code with every letter made a capital, one character for one: a letter whose capital is
/// longer (ß, whose capital is SS) stays as it is, so that one key gives one character.
QString accountCodeCapitals(const QString &code);

/// Where the crossing goes on the leaf, in centimetres from the leaf's top-left corner, and how large
/// it is. A value that is not set takes the corner block every account had before it could be moved.
struct CrossingPlace
{
    std::optional<double> left;
    std::optional<double> top;
    std::optional<double> width;
    std::optional<double> height;

    bool operator==(const CrossingPlace &) const = default;
};
inline constexpr double kCrossingWidthTwips = 1950.0;
inline constexpr double kCrossingHeightTwips = 2040.0;

/// How the leaf wants its date: one digit in each of eight boxes, or one text.
enum class DateLayout {
    Boxes, ///< DDMMYYYY, a digit to a box
    DashedNumbers, ///< 06-12-2026
    SlashedNumbers, ///< 06/12/2026
    Written, ///< 06 December 2026
};
/// The stored word for a layout ("boxes", "DD-MM-YYYY", "DD/MM/YYYY", "written"), and back.
QString dateLayoutWord(DateLayout layout);
std::optional<DateLayout> dateLayoutFromWord(const QString &word);

/// Where the date goes within its field. Boxes start at the field's left edge, one every `boxPitch`
/// centimetres; without a pitch the digits are spread as they always were.
struct DatePlace
{
    DateLayout layout = DateLayout::Boxes;
    std::optional<double> boxPitch;

    bool operator==(const DatePlace &) const = default;
};

/// The words the crossing carries unless an account or a cheque says otherwise.
inline const QString kDefaultCrossingWords = QStringLiteral("Payee's Account Only");

/// How a list of crossings names the two lines without words.
inline const QString kNoCrossingWords = QStringLiteral("(none)");
/// The crossings offered to choose from, the lines alone last; an office may type its own.
QStringList offeredCrossings();
/// The words for what was chosen or typed: "(none)" is the lines alone, anything else its own words.
QString crossingFromWords(const QString &chosen);
/// The other way: how a list shows the words, "(none)" for the lines alone.
QString crossingShown(const QString &words);

/// A line struck through the printed "OR BEARER", in centimetres from the leaf's top-left corner:
/// where it starts and how long it is. Not set: nothing is struck.
struct StrikePlace
{
    std::optional<double> left;
    std::optional<double> top;
    std::optional<double> width;

    bool isSet() const { return left && top && width; }
    bool operator==(const StrikePlace &) const = default;
};

/// What the account prints besides the fields: the crossing's words, the bearer strike, and the
/// filler that closes the payee and words lines.
struct LeafMarks
{
    std::optional<QString> crossingWords; ///< not set: kDefaultCrossingWords; empty: the lines alone
    StrikePlace bearerStrike;
    QString filler; ///< such as "*": repeated to the end of the payee and words boxes; empty for none

    QString crossing() const { return crossingWords.value_or(kDefaultCrossingWords); }
    bool operator==(const LeafMarks &) const = default;
};

/// Amounts the account watches, in whole currency units.
struct AccountLimits
{
    std::optional<qint64> notOver; ///< a cheque above it needs a confirmation and a reason
    std::optional<qint64> positivePayFrom; ///< cheques from this amount must be reported to the bank

    bool operator==(const AccountLimits &) const = default;
};

/// A bank account: who it is with, and the measured layout of its cheque leaf.
struct BankAccountRecord
{
    QString bankId;
    QString bankName;
    QString accountNo;
    QString address;
    QString city;
    QString accountType;
    std::array<std::optional<double>, kMeasurementCount> measurements {};
    bool rupee3Active = false;
    CrossingPlace crossing;
    MoneyStyle money;
    DatePlace date;
    LeafMarks marks;
    AccountLimits limits;
    QString positivePayLayout; ///< the bank's upload layout as a JSON document; empty: none chosen

    std::optional<double> value(Measurement measurement) const
    {
        return measurements.at(static_cast<size_t>(measurement));
    }
    void setValue(Measurement measurement, std::optional<double> value)
    {
        measurements.at(static_cast<size_t>(measurement)) = value;
    }
    bool operator==(const BankAccountRecord &) const = default;
};

} // namespace quillset
