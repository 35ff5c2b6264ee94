#pragma once

class QFont;

namespace quillset {

/// A font's text line as Windows lays it out, in fractions of the font size: the ascent from the top
/// of the line to the baseline, and the whole line height. Cheque layouts were measured against
/// these, and they differ from what Qt uses for fonts that prefer their typographic metrics (Tahoma).
struct LineMetrics
{
    double ascent = 0;
    double height = 0;
};

LineMetrics windowsLineMetrics(const QFont &font);

/// Twips in one point.
inline constexpr double kTwipsPerPoint = 20.0;

} // namespace quillset
