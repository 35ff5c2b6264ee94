#pragma once

#include "core/words/MoneyStyle.h"

#include <QString>

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
