#pragma once

#include <QString>

class QPainter;
class QRectF;

namespace quillset {

/// The crossing: its words (such as "Payee's Account Only"; none for the lines alone) written upward
/// between two parallel diagonal lines, drawn as vectors into the box so it stays sharp at any
/// resolution.
void drawCrossingStamp(QPainter &painter, const QRectF &box, const QString &words, const QString &fontFamily,
                       double fontScale);

/// Where the crossing drawn into the box puts ink: around its two lines, which the words lie between.
QRectF crossingStampInk(const QRectF &box);

} // namespace quillset
