#pragma once

#include <QRect>
#include <QtMath>

namespace quillset {

/// Twips per pixel on a 96 dpi screen; window geometry is measured in twips.
inline constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips)
{
    return qRound(twips / kTwipsPerPixel);
}

/// A widget rectangle given in twips (left, top, width, height), in pixels.
inline QRect twipRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace quillset
