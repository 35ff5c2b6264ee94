#include "LineMetrics.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QRawFont>
#include <QtEndian>

namespace quillset {

namespace {

quint16 readUnsigned(const QByteArray &table, int offset)
{
    return qFromBigEndian<quint16>(table.constData() + offset);
}

LineMetrics measure(const QFont &font)
{
    QFont unit = font;
    unit.setPixelSize(1000);
    const QRawFont raw = QRawFont::fromFont(unit);
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray head = raw.fontTable("head");
    if (os2.size() >= 78 && head.size() >= 20) {
        const double unitsPerEm = readUnsigned(head, 18);
        const double winAscent = readUnsigned(os2, 74);
        const double winDescent = readUnsigned(os2, 76);
        if (unitsPerEm > 0)
            return {winAscent / unitsPerEm, (winAscent + winDescent) / unitsPerEm};
    }
    const QFontMetricsF metrics(unit);
    return {metrics.ascent() / 1000.0, metrics.height() / 1000.0};
}

} // namespace

LineMetrics windowsLineMetrics(const QFont &font)
{
    static QHash<QString, LineMetrics> cache;
    const QString key = font.family() + (font.bold() ? QStringLiteral("/bold") : QStringLiteral("/regular"));
    auto found = cache.constFind(key);
    if (found == cache.constEnd())
        found = cache.insert(key, measure(font));
    return *found;
}

} // namespace quillset
