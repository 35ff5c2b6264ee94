#include "CrossingStamp.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

namespace quillset {

void drawCrossingStamp(QPainter &painter, const QRectF &box, const QString &fontFamily, double fontScale)
{
    const QString words = QStringLiteral("Payee's Account Only");
    const double diagonal = std::hypot(box.width(), box.height());
    // The lines run three quarters of the diagonal, a tenth of it either side, so both stay inside the box.
    const double length = diagonal * 0.75;
    const double gap = diagonal * 0.075;

    painter.save();
    painter.translate(box.center());
    painter.rotate(-qRadiansToDegrees(std::atan2(box.height(), box.width())));
    QPen pen(Qt::black);
    pen.setWidthF(diagonal * 0.006);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(-length / 2, -gap), QPointF(length / 2, -gap));
    painter.drawLine(QPointF(-length / 2, gap), QPointF(length / 2, gap));

    QFont font(fontFamily);
    font.setBold(true);
    font.setPointSizeF(8 * fontScale);
    // Scale the words to fill nine tenths of the lines' length, whatever the device.
    const double natural = QFontMetricsF(font, painter.device()).horizontalAdvance(words);
    if (natural > 0)
        font.setPointSizeF(font.pointSizeF() * (length * 0.9) / natural);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double textWidth = metrics.horizontalAdvance(words);
    painter.drawText(QPointF(-textWidth / 2, (metrics.ascent() - metrics.descent()) / 2), words);
    painter.restore();
}

} // namespace quillset
