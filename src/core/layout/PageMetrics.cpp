#include "PageMetrics.h"

#include "core/layout/LineMetrics.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>

#include <cmath>

namespace quillset {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kPrinterDpi = 1200.0;
constexpr double kScreenDpi = 96.0;

int twipsFromMillimetres(double millimetres)
{
    return static_cast<int>(std::lround(millimetres / 25.4 * kTwipsPerInch));
}

// An image of the resolution stands for the device, so measures do not depend on the machine's
// printers or display.
QImage &device(double dpi)
{
    static QImage printer = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(kPrinterDpi / 0.0254));
        image.setDotsPerMeterY(qRound(kPrinterDpi / 0.0254));
        return image;
    }();
    static QImage screen = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(kScreenDpi / 0.0254));
        image.setDotsPerMeterY(qRound(kScreenDpi / 0.0254));
        return image;
    }();
    return dpi == kScreenDpi ? screen : printer;
}

} // namespace

PageMetrics::PageMetrics() = default;
PageMetrics::~PageMetrics() = default;

QSize PageMetrics::pageSize(Orientation orientation) const
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const QSize portrait(twipsFromMillimetres(a4.width()), twipsFromMillimetres(a4.height()));
    return orientation == Orientation::Landscape ? portrait.transposed() : portrait;
}

const QFontMetricsF &PageMetrics::metrics(const TextStyle &style, bool screen) const
{
    const QString key
        = QStringLiteral("%1/%2/%3/%4").arg(style.family).arg(style.pointSize).arg(style.bold).arg(screen);
    auto found = m_metrics.find(key);
    if (found == m_metrics.end()) {
        QFont font(style.family);
        font.setPointSizeF(style.pointSize);
        font.setBold(style.bold);
        found
            = m_metrics.insert(key, std::make_shared<QFontMetricsF>(font, &device(screen ? kScreenDpi : kPrinterDpi)));
    }
    return **found;
}

double PageMetrics::textWidth(const QString &text, const TextStyle &style) const
{
    return metrics(style, false).horizontalAdvance(text) * kTwipsPerInch / kPrinterDpi;
}

double PageMetrics::screenTextWidth(const QString &text, const TextStyle &style) const
{
    return metrics(style, true).horizontalAdvance(text) * kTwipsPerInch / kScreenDpi;
}

QRectF PageMetrics::textInk(const QString &text, const TextStyle &style) const
{
    // Bounded: the texts of a few thousand cheques, then measured afresh.
    constexpr qsizetype kInksKept = 50000;
    const QString key = QStringLiteral("%1/%2/%3\n").arg(style.family).arg(style.pointSize).arg(style.bold) + text;
    if (const auto kept = m_ink.constFind(key); kept != m_ink.constEnd())
        return *kept;
    if (m_ink.size() >= kInksKept)
        m_ink.clear();
    const QRectF ink = metrics(style, false).tightBoundingRect(text);
    constexpr double kTwipsPerDot = kTwipsPerInch / kPrinterDpi;
    return m_ink
        .insert(key,
                QRectF(ink.left() * kTwipsPerDot, ink.top() * kTwipsPerDot, ink.width() * kTwipsPerDot,
                       ink.height() * kTwipsPerDot))
        .value();
}

double PageMetrics::lineHeight(const TextStyle &style) const
{
    QFont font(style.family);
    font.setBold(style.bold);
    return windowsLineMetrics(font).height * style.pointSize * kTwipsPerPoint;
}

} // namespace quillset
