#include "PageRenderer.h"

#include "ChequePage.h"
#include "CrossingStamp.h"
#include "LineMetrics.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace quillset {

namespace {

constexpr double kThinLineTwips = 6; // 0.3 pt
constexpr double kHeavyLineTwips = 40; // 2 pt
constexpr double kLabelInsetTwips = 28;
// The bold Tahoma of Debian's fonts-wine has the regular face's strokes, only spaced wider: on paper
// it does not stand out. Its outline is stroked this thick, in fractions of the font size, which
// makes the strokes about as heavy as a true bold while the advances stay the bold face's own.
constexpr double kEmboldenPerEm = 0.04;

/// Sets a text at its baseline; bold text is also stroked around its outline, the same way on
/// every device, so that screen, printer and PDF show the same weight.
void drawItemText(QPainter &painter, const QPointF &baseline, const QFont &font, const QString &text, double emPixels)
{
    painter.drawText(baseline, text);
    if (!font.bold())
        return;
    QPainterPath outline;
    // Shaped at the device's resolution, so that the outline lies on the glyphs just drawn.
    outline.addText(baseline, QFont(font, painter.device()), text);
    QPen pen(painter.pen().color(), emPixels * kEmboldenPerEm);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.strokePath(outline, pen);
}

void drawOutline(QPainter &painter, const PageItem &item, const QRectF &box, const QString &family, double scale,
                 double fontScale)
{
    QPen pen(Qt::black, (item.marked ? kHeavyLineTwips : kThinLineTwips) * scale);
    pen.setCapStyle(Qt::FlatCap);
    if (item.dashed)
        pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (item.kind == PageItem::Kind::Line) {
        painter.drawLine(box.topLeft(), box.bottomRight());
        return;
    }
    painter.drawRect(box);
    if (item.text.isEmpty())
        return;
    QFont font(family);
    font.setPointSizeF(item.pointSize * fontScale);
    font.setBold(item.bold);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double ascent = windowsLineMetrics(font).ascent * item.pointSize * kTwipsPerPoint * scale;
    painter.drawText(QPointF(box.left() + kLabelInsetTwips * scale, box.top() + kLabelInsetTwips * scale + ascent),
                     item.text);
}

} // namespace

void renderChequePage(QPainter &painter, const ChequePage &page, double dotsPerInch)
{
    const double scale = dotsPerInch / 1440.0;
    const auto toDevice = [scale](const QRectF &twips) {
        return QRectF(twips.left() * scale, twips.top() * scale, twips.width() * scale, twips.height() * scale);
    };
    // Fonts are sized by the device's own resolution; correct for it so text matches the page's scale.
    const double fontScale = dotsPerInch / painter.device()->logicalDpiY();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    for (const PageItem &item : page.items) {
        if (!item.shown)
            continue;
        const QRectF box = toDevice(item.rect);
        if (item.kind == PageItem::Kind::Stamp) {
            drawCrossingStamp(painter, box, page.fontFamily, fontScale);
            continue;
        }
        if (item.kind == PageItem::Kind::Line || item.kind == PageItem::Kind::Outline) {
            drawOutline(painter, item, box, page.fontFamily, scale, fontScale);
            continue;
        }
        QFont font(page.fontFamily);
        font.setPointSizeF(item.pointSize * fontScale);
        font.setBold(item.bold);
        painter.setFont(font);
        // The baseline sits where Windows puts it in a box of this height, which is what layouts were
        // measured against. Texts are never clipped: a long name must not lose characters on the cheque.
        const double ascent = windowsLineMetrics(font).ascent * item.pointSize * kTwipsPerPoint * scale;
        double left = box.left();
        if (item.centred)
            left += (box.width() - QFontMetricsF(font, painter.device()).horizontalAdvance(item.text)) / 2;
        drawItemText(painter, QPointF(left, box.top() + ascent), font, item.text, item.pointSize / 72.0 * dotsPerInch);
    }
    painter.restore();
}

} // namespace quillset
