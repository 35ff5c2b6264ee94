#include "SplitWords.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>

#include <memory>

namespace quillset {

WordsLines SplitWords(const QString &words, double boxWidth, const TextWidth &printerWidth,
                      const TextWidth &screenWidth)
{
    if (boxWidth > printerWidth(words))
        return {words, QString(), false};

    qsizetype fits = 0;
    for (qsizetype i = 1; i <= words.size(); ++i) {
        if (words.at(i - 1) != u' ')
            continue;
        if (screenWidth(words.left(i)) > boxWidth)
            break;
        fits = i;
    }
    return {words.left(fits), words.mid(fits), true};
}

TextWidth screenTextWidth(const QString &family, double pointSize)
{
    constexpr double kScreenDpi = 96.0;
    constexpr double kTwipsPerPixel = 1440.0 / kScreenDpi;
    // A 96 dpi image stands for the screen, so the measure does not depend on the display in use.
    auto device = std::make_shared<QImage>(1, 1, QImage::Format_RGB32);
    device->setDotsPerMeterX(qRound(kScreenDpi / 0.0254));
    device->setDotsPerMeterY(qRound(kScreenDpi / 0.0254));
    QFont font(family);
    font.setPointSizeF(pointSize);
    auto metrics = std::make_shared<QFontMetricsF>(font, device.get());
    return [device, metrics](const QString &text) { return metrics->horizontalAdvance(text) * kTwipsPerPixel; };
}

} // namespace quillset
