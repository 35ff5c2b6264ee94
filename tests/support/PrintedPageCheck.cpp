#include "PrintedPageCheck.h"

#include "PdfWords.h"

#include "core/layout/ChequePage.h"
#include "core/layout/PageRenderer.h"

#include <QHash>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace quillset::test {

namespace {

constexpr double kTolerance = 0.2 / 25.4 * 72; // 0.2 mm in points

// Where pdftotext puts a word's box against the top-left of the box it was drawn in, for one text
// style: found by drawing one word at a known place through the same renderer.
QPointF textOffset(const ChequePage &page, const PageItem &style)
{
    static QHash<QString, QPointF> offsets;
    const QString key = QStringLiteral("%1/%2/%3").arg(page.fontFamily).arg(style.pointSize).arg(style.bold);
    if (const auto found = offsets.constFind(key); found != offsets.constEnd())
        return *found;
    ChequePage probe = page;
    PageItem word = style;
    word.text = QStringLiteral("Probe");
    word.centred = false;
    word.shown = true;
    word.rect = QRectF(5000, 9000, 3000, 255);
    probe.items = {word};
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("probe.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        renderChequePage(painter, probe, writer.resolution());
    }
    const QList<PdfWord> words = pdfWords(pdf);
    const QPointF offset
        = words.size() == 1 ? QPointF(words.first().xMin - 250, words.first().yMin - 450) : QPointF(1e9, 1e9);
    offsets.insert(key, offset);
    return offset;
}

} // namespace

QStringList misplacedItems(const ChequePage &page, const QString &pdf, int *checked)
{
    const QList<PdfWord> words = pdfWords(pdf);
    QStringList problems;
    int compared = 0;
    for (const PageItem &item : page.items) {
        if (!item.shown || item.kind != PageItem::Kind::Text || item.text.trimmed().isEmpty())
            continue;
        ++compared;
        const QPointF offset = textOffset(page, item);
        // A sane offset is a few points at most; anything else means the probe itself went wrong.
        if (qAbs(offset.x()) > 1 || offset.y() < -1 || offset.y() > 5) {
            problems.append(QStringLiteral("%1: the text cannot be located (offset %2, %3)")
                                .arg(item.name)
                                .arg(offset.x())
                                .arg(offset.y()));
            continue;
        }
        const QStringList itemWords = item.text.split(u' ', Qt::SkipEmptyParts);
        const double expectedTop = pointsFromTwips(item.rect.top()) + offset.y();
        const PdfWord *first = nullptr;
        const PdfWord *last = nullptr;
        for (const PdfWord &word : words) {
            if (qAbs(word.yMin - expectedTop) > kTolerance)
                continue;
            if (word.text == itemWords.first() && (!first || word.xMin < first->xMin))
                first = &word;
            if (word.text == itemWords.last() && (!last || word.xMax > last->xMax))
                last = &word;
        }
        if (!first || !last) {
            problems.append(QStringLiteral("%1: \"%2\" is not at its height, %3 pt")
                                .arg(item.name, itemWords.first())
                                .arg(expectedTop));
            continue;
        }
        const double found = item.centred ? (first->xMin + last->xMax) / 2 : first->xMin;
        const double expected
            = item.centred ? pointsFromTwips(item.rect.center().x()) : pointsFromTwips(item.rect.left()) + offset.x();
        if (qAbs(found - expected) > kTolerance)
            problems.append(QStringLiteral("%1 at %2 pt, placed at %3 pt").arg(item.name).arg(found).arg(expected));
    }
    if (checked)
        *checked = compared;
    return problems;
}

} // namespace quillset::test
