#pragma once

class QPainter;

namespace quillset {

struct ChequePage;

/// Paints the page's shown items onto any device: the preview window, a printer or a PDF file.
/// dotsPerInch is the device's resolution for the page; hidden items are left out.
void renderChequePage(QPainter &painter, const ChequePage &page, double dotsPerInch);

} // namespace quillset
