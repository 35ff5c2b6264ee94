#include "PageRenderer.h"

#include "core/layout/ChequePage.h"
#include "core/layout/CrossingStamp.h"
#include "core/layout/LineMetrics.h"
#include "core/layout/PageMetrics.h"

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
constexpr double kOpaqueMarginTwips = 14; // white kept around an opaque text's line: a quarter millimetre
// The bold Tahoma of Debian's fonts-wine has the regular face's strokes, only spaced wider: on paper
// it does not stand out. Its outline is stroked this thick, in fractions of the font size, which
// makes the strokes about as heavy as a true bold while the advances stay the bold face's own.
constexpr double kEmboldenPerEm = 0.04;

// How far below its box's top a text's baseline lies, in twips: where Windows puts it in a line of
// the size the box was measured for, which is what layouts were measured against. A text set
// smaller to fit keeps that line's baseline, so it still stands on the leaf's printed line.
double baselineBelowTop(const PageItem &item, const QFont &font)
{
    const double lineSize = item.linePointSize > 0 ? item.linePointSize : item.pointSize;
    return windowsLineMetrics(font).ascent * lineSize * kTwipsPerPoint;
}

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

QRectF itemInk(const PageItem &item, const QString &fontFamily, const PageMetrics &metrics)
{
    switch (item.kind) {
    case PageItem::Kind::Stamp:
        return crossingStampInk(item.rect);
    case PageItem::Kind::Outline:
        return item.rect;
    case PageItem::Kind::Line:
        return item.rect.normalized();
    case PageItem::Kind::Strike:
        return item.rect;
    case PageItem::Kind::Text:
        break;
    }
    const TextStyle style {fontFamily, item.pointSize, item.bold};
    const QRectF glyphs = metrics.textInk(item.text, style);
    if (glyphs.isEmpty())
        return QRectF();
    QFont font(fontFamily);
    font.setBold(item.bold);
    double left = item.rect.left();
    if (item.centred)
        left += (item.rect.width() - metrics.textWidth(item.text, style)) / 2;
    QRectF ink = glyphs.translated(left, item.rect.top() + baselineBelowTop(item, font));
    if (item.bold) {
        // Half the outline's stroke lies outside the glyphs.
        const double stroke = item.pointSize * kTwipsPerPoint * kEmboldenPerEm / 2;
        ink.adjust(-stroke, -stroke, stroke, stroke);
    }
    return ink;
}

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
            drawCrossingStamp(painter, box, item.text, page.fontFamily, fontScale);
            continue;
        }
        if (item.kind == PageItem::Kind::Strike) {
            painter.fillRect(box, Qt::black);
            continue;
        }
        if (item.kind == PageItem::Kind::Line || item.kind == PageItem::Kind::Outline) {
            drawOutline(painter, item, box, page.fontFamily, scale, fontScale);
            continue;
        }
        if (item.opaque) {
            const double margin = kOpaqueMarginTwips * scale;
            painter.fillRect(box.adjusted(-margin, -margin, margin, margin), Qt::white);
        }
        QFont font(page.fontFamily);
        font.setPointSizeF(item.pointSize * fontScale);
        font.setBold(item.bold);
        painter.setFont(font);
        // Texts are never clipped: a long name must not lose characters on the cheque.
        double left = box.left();
        if (item.centred)
            left += (box.width() - QFontMetricsF(font, painter.device()).horizontalAdvance(item.text)) / 2;
        drawItemText(painter, QPointF(left, box.top() + baselineBelowTop(item, font) * scale), font, item.text,
                     item.pointSize / 72.0 * dotsPerInch);
    }
    painter.restore();
}

} // namespace quillset
