#pragma once

#include <QString>

#include <optional>

namespace quillset {

/// The leading number of a text, or 0 when it has none ("12a.5" gives 12, "abc" gives 0). Never fails.
double numericValue(QStringView text);

/// The text as a whole number, fractions rounded half to even; empty when the text is not a number.
std::optional<qint64> wholeNumber(QStringView text);

/// Round half to even, as money and parameter conversions expect.
double roundHalfEven(double value);

/// The shortest plain decimal form of a number, without grouping: 12345, 20.3, 0.5.
QString plainNumber(double value);

} // namespace quillset
