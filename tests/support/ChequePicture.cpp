#include "ChequePicture.h"

#include "PageImage.h"

#include "core/layout/ChequePage.h"

namespace quillset::test {

namespace {

constexpr double kSlack = 0.5; // points a mark may stray past its box: two pixels at 300 dpi
constexpr double kDigitGap = 4; // points of blank between the date's digits, which are four blanks apart

bool readsText(const PageItem &item)
{
    return item.shown && item.kind == PageItem::Kind::Text && !item.text.trimmed().isEmpty();
}

} // namespace

QRectF boxInPoints(const QRectF &twips)
{
    return QRectF(twips.left() / 20, twips.top() / 20, twips.width() / 20, twips.height() / 20);
}

QString unspaced(const QString &text)
{
    QString kept;
    for (const QChar c : text) {
        if (!c.isSpace())
            kept += c;
    }
    return kept;
}

QString itemRead(const PageItem &item, const PageImage &picture, double slack)
{
    return picture.line(boxInPoints(item.rect).adjusted(-slack, -1, slack, 1));
}

QString dateDigitsRead(const ChequePage &page, const PageImage &picture, const QString &expected)
{
    const QRectF box = boxInPoints(page.item(QStringLiteral("lblDate")).rect);
    // Past the box's right too, where a date too wide for it runs.
    const QString allowed = QStringLiteral("0123456789");
    QList<QRectF> pieces;
    for (const QRectF &digit : picture.inkRuns(box.adjusted(0, 0, 40, 0), kDigitGap))
        pieces.append(digit.adjusted(-1, -1, 1, 1));
    const QString together = unspaced(picture.closedUp(pieces, allowed));
    if (together.size() == pieces.size() && (expected.isEmpty() || together == expected))
        return together;
    QString digits;
    for (const QRectF &piece : std::as_const(pieces))
        digits += picture.character(piece, allowed);
    return digits;
}

QStringList misreadCheque(const ChequePage &page, const PageImage &picture)
{
    QStringList misread;
    if (picture.isNull())
        return {QStringLiteral("no picture of the page")};
    QList<QRectF> boxes;
    for (const PageItem &item : page.items) {
        if (!item.shown || (item.kind == PageItem::Kind::Text && item.text.trimmed().isEmpty()))
            continue;
        boxes.append(boxInPoints(item.rect).adjusted(-kSlack, -kSlack, kSlack, kSlack));
        if (item.kind == PageItem::Kind::Stamp) {
            if (picture.inkPixels(boxInPoints(item.rect)) < 1000)
                misread.append(QStringLiteral("the crossing is not in its box"));
            continue;
        }
        if (!readsText(item))
            continue;
        if (item.name == QLatin1String("lblDate")) {
            const QString expected = unspaced(item.text);
            const QString read = dateDigitsRead(page, picture, expected);
            if (read != expected)
                misread.append(QStringLiteral("the date reads \"%1\", not \"%2\"").arg(read, expected));
            continue;
        }
        const QString read = itemRead(item, picture);
        if (unspaced(read) != unspaced(item.text))
            misread.append(QStringLiteral("%1 reads \"%2\", not \"%3\"").arg(item.name, read, item.text));
    }
    if (const int stray = picture.inkOutside(boxes); stray > 0)
        misread.append(QStringLiteral("%1 dark pixels lie outside every item's box").arg(stray));
    if (!page.leaf.isEmpty()) {
        if (const int off = picture.inkOutside({boxInPoints(page.leaf)}); off > 0)
            misread.append(QStringLiteral("%1 dark pixels lie outside the leaf").arg(off));
    }
    return misread;
}

} // namespace quillset::test
