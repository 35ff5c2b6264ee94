#pragma once

#include <QRectF>
#include <QString>

class QPainter;

namespace quillset {

class PageMetrics;
struct ChequePage;
struct PageItem;

/// Paints the page's shown items onto any device: the preview window, a printer or a PDF file.
/// dotsPerInch is the device's resolution for the page; hidden items are left out.
void renderChequePage(QPainter &painter, const ChequePage &page, double dotsPerInch);

/// Where painting the item puts ink on the page, in twips: a text's glyphs as they are set at its
/// size and weight (the bold outline's stroke included), the crossing's lines and words, an outline's
/// or a line's rectangle. Empty for an item that paints nothing; hidden or not, it is where the ink
/// would go.
QRectF itemInk(const PageItem &item, const QString &fontFamily, const PageMetrics &metrics);

} // namespace quillset
