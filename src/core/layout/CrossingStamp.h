#pragma once

#include <QString>

class QPainter;
class QRectF;

namespace quillset {

/// The "Payee's Account Only" crossing: the words written upward between two parallel diagonal
/// lines, drawn as vectors into the box so it stays sharp at any resolution.
void drawCrossingStamp(QPainter &painter, const QRectF &box, const QString &fontFamily, double fontScale);

/// Where the crossing drawn into the box puts ink: around its two lines, which the words lie between.
QRectF crossingStampInk(const QRectF &box);

} // namespace quillset
