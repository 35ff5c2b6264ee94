#pragma once

#include "core/banks/BankAccount.h"

#include <QString>

namespace quillset {

/// What a measurement measures, and so what it may hold: the leaf's own width and height, a place on
/// the leaf (a left or a top), or the size of a box on it.
enum class MeasureKind { LeafSide, Place, BoxSize };

MeasureKind measureKind(Measurement measurement);
/// The crossing's left and top are places; its width and height (part 2 and 3) box sizes.
MeasureKind crossingKind(int part);

/// Why the value cannot be stored as that kind of measurement, such as "a place on the leaf must be
/// from 0 to 29.7 cm"; empty when it can. The bank window and a layout file both ask here.
QString measureProblem(MeasureKind kind, double centimetres);

/// The longest currency or subunit name an account takes, in characters.
inline constexpr int kLongestMoneyName = 20;

} // namespace quillset
