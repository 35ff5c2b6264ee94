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

/// The size, in points, the words print at in the box (in twips): spread along the lines, no taller
/// than the room between them; 0 for no words.
double crossingWordsPointSize(const QRectF &box, const QString &words, const QString &fontFamily);

/// Where the crossing drawn into the box puts ink: around its two lines, which the words lie between.
QRectF crossingStampInk(const QRectF &box);

} // namespace quillset
