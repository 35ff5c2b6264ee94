#include "CrossingStamp.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTransform>
#include <QtMath>

#include <array>

namespace quillset {

namespace {

// The lines run three quarters of the diagonal, a tenth of it either side, so both stay inside the box.
struct CrossingLines
{
    double angle = 0; ///< degrees, the box's diagonal from lower left to upper right
    double length = 0;
    double gap = 0; ///< from the diagonal to each line
    double penWidth = 0;
};

CrossingLines crossingLines(const QRectF &box)
{
    const double diagonal = std::hypot(box.width(), box.height());
    return {qRadiansToDegrees(std::atan2(box.height(), box.width())), diagonal * 0.75, diagonal * 0.075,
            diagonal * 0.006};
}

// The words' size, in points of the font as the device measures it: spread over nine tenths of the
// lines' length, but never taller than the room between the lines, which short words would overrun.
double wordsPointSize(const CrossingLines &lines, const QString &words, const QFont &font, const QPaintDevice *device)
{
    const QFontMetricsF metrics(font, device);
    const double natural = metrics.horizontalAdvance(words);
    const double tall = metrics.ascent() + metrics.descent();
    double factor = natural > 0 ? lines.length * 0.9 / natural : 1;
    // A clearance of a line's width above and below the words, inside the lines' strokes.
    const double room = 2 * lines.gap - 3 * lines.penWidth;
    if (tall > 0)
        factor = qMin(factor, room / tall);
    return font.pointSizeF() * factor;
}

QFont wordsFont(const QString &fontFamily, double pointSize)
{
    QFont font(fontFamily);
    font.setBold(true);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

void drawCrossingStamp(QPainter &painter, const QRectF &box, const QString &words, const QString &fontFamily,
                       double fontScale)
{
    const CrossingLines lines = crossingLines(box);
    const double length = lines.length;

    painter.save();
    painter.translate(box.center());
    painter.rotate(-lines.angle);
    QPen pen(Qt::black);
    pen.setWidthF(lines.penWidth);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(-length / 2, -lines.gap), QPointF(length / 2, -lines.gap));
    painter.drawLine(QPointF(-length / 2, lines.gap), QPointF(length / 2, lines.gap));

    if (words.trimmed().isEmpty()) {
        painter.restore();
        return;
    }
    const QFont font
        = wordsFont(fontFamily, wordsPointSize(lines, words, wordsFont(fontFamily, 8 * fontScale), painter.device()));
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double textWidth = metrics.horizontalAdvance(words);
    painter.drawText(QPointF(-textWidth / 2, (metrics.ascent() - metrics.descent()) / 2), words);
    painter.restore();
}

double crossingWordsPointSize(const QRectF &box, const QString &words, const QString &fontFamily)
{
    if (box.isEmpty() || words.trimmed().isEmpty())
        return 0;
    // Measured as the printer sets it: twips are a printer of 1,440 dots an inch.
    static const QImage twips = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(1440 / 0.0254));
        image.setDotsPerMeterY(qRound(1440 / 0.0254));
        return image;
    }();
    return wordsPointSize(crossingLines(box), words, wordsFont(fontFamily, 8), &twips);
}

QRectF crossingStampInk(const QRectF &box)
{
    if (box.isEmpty())
        return QRectF();
    const CrossingLines lines = crossingLines(box);
    // The corners of both lines' strokes, turned as they are drawn; the words lie between the lines.
    const double outer = lines.gap + lines.penWidth / 2;
    const std::array<QPointF, 4> corners {QPointF(-lines.length / 2, -outer), QPointF(lines.length / 2, -outer),
                                          QPointF(-lines.length / 2, outer), QPointF(lines.length / 2, outer)};
    QTransform turn;
    turn.translate(box.center().x(), box.center().y());
    turn.rotate(-lines.angle);
    QPointF least = turn.map(corners.front());
    QPointF most = least;
    for (const QPointF &corner : corners) {
        const QPointF at = turn.map(corner);
        least = QPointF(qMin(least.x(), at.x()), qMin(least.y(), at.y()));
        most = QPointF(qMax(most.x(), at.x()), qMax(most.y(), at.y()));
    }
    return QRectF(least, most);
}

} // namespace quillset
