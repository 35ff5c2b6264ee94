#include "BasicPrinter.h"

#include "Fonts.h"
#include "LineMetrics.h"
#include "store/Failure.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPaintDevice>

#include <cmath>

namespace quillset {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kMillimetresPerInch = 25.4;

int twipsFromMillimetres(double millimetres)
{
    return static_cast<int>(std::lround(millimetres / kMillimetresPerInch * kTwipsPerInch));
}

} // namespace

BasicPrinter::BasicPrinter()
    : m_font(chequeFontFamily())
{
    // Every composition measures in the font the one before it left set, so start in that same font
    // and the first cheque of a session comes out exactly like the next ones.
    m_font.setPointSizeF(10);
}

void BasicPrinter::setOrientation(int orientation)
{
    ensureAvailable();
    if (orientation != kPortrait && orientation != kLandscape)
        throw Failure(ErrorNumber::PrinterRefused,
                      QStringLiteral("The printer does not accept the orientation %1; the \"Orientation\" setting "
                                     "must be 1 (portrait) or 2 (landscape).")
                          .arg(orientation));
    m_orientation = orientation;
}

void BasicPrinter::setPaperSize(int paperSize)
{
    ensureAvailable();
    if (paperSize != kPaperA4)
        throw Failure(ErrorNumber::PrinterRefused,
                      QStringLiteral("The printer does not accept the paper size %1; only A4 is used.").arg(paperSize));
}

int BasicPrinter::pageWidth()
{
    ensureAvailable();
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return twipsFromMillimetres(m_orientation == kLandscape ? a4.height() : a4.width());
}

int BasicPrinter::pageHeight()
{
    ensureAvailable();
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return twipsFromMillimetres(m_orientation == kLandscape ? a4.width() : a4.height());
}

void BasicPrinter::setFont(const QString &family, double pointSize)
{
    ensureAvailable();
    m_font = QFont(family);
    m_font.setPointSizeF(pointSize);
}

double BasicPrinter::textWidth(const QString &text)
{
    ensureAvailable();
    QPaintDevice &device = metricsDevice();
    return QFontMetricsF(m_font, &device).horizontalAdvance(text) * kTwipsPerInch / device.logicalDpiX();
}

double BasicPrinter::textHeight(const QString &text)
{
    ensureAvailable();
    const int lines = static_cast<int>(text.count(u'\n')) + 1;
    return windowsLineMetrics(m_font).height * m_font.pointSizeF() * kTwipsPerPoint * lines;
}

} // namespace quillset
