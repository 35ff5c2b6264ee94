#include "PageChecks.h"

#include "ChequePage.h"
#include "PageMetrics.h"

namespace quillset {

namespace {

struct ItemName
{
    const char *item;
    const char *description;
    const char *widthLabel; ///< the bank window's measurement that gives its box its width
};

constexpr ItemName kItemNames[] = {
    {"lblDate", "the date", "Date, Width"},
    {"lblPay", "the payee", "Pay, Width"},
    {"lblAmount", "the amount in figures", "Amount, Width"},
    {"lblRupeeL1", "the first line of the amount in words", "Rupee L1, Width"},
    {"lblRupeeL2", "the second line of the amount in words", "Rupee L2, Width"},
    {"CompanyName", "the company name", "Stamp, Width"},
    {"Stamp", "the crossing stamp", ""},
};

const ItemName *named(const QString &item)
{
    for (const ItemName &name : kItemNames) {
        if (item == QLatin1String(name.item))
            return &name;
    }
    return nullptr;
}

} // namespace

QString itemDescription(const QString &itemName)
{
    const ItemName *name = named(itemName);
    return name ? QString::fromLatin1(name->description) : itemName;
}

QStringList pageProblems(const ChequePage &page, const PageMetrics &metrics)
{
    QStringList problems;
    const QRectF sheet(0, 0, page.widthTwips, page.heightTwips);
    const auto onSheet = [&](const QRectF &area) { return sheet.adjusted(-0.5, -0.5, 0.5, 0.5).contains(area); };
    if (!onSheet(page.leaf))
        problems.append(QStringLiteral("The cheque leaf would lie partly off the A4 sheet. Check the printing "
                                       "location and the calibration under Options, and the leaf's size under "
                                       "Bank Data."));
    for (const PageItem &item : page.items) {
        if (!item.shown || (item.kind == PageItem::Kind::Text && item.text.trimmed().isEmpty()))
            continue;
        const ItemName *name = named(item.name);
        const QString description = itemDescription(item.name);
        if (item.overflows)
            problems.append(QStringLiteral("%1 is too long for its box on the leaf, even in 7 pt type. Shorten it, "
                                           "or widen \"%2\" under Bank Data.")
                                .arg(description.left(1).toUpper() + description.mid(1),
                                     QString::fromLatin1(name ? name->widthLabel : "")));
        QRectF ink = item.rect;
        if (item.kind == PageItem::Kind::Text && !item.centred)
            ink.setWidth(qMax(ink.width(), metrics.textWidth(item.text, {page.fontFamily, item.pointSize, item.bold})));
        if (!onSheet(ink))
            problems.append(QStringLiteral("%1 would print off the sheet. Check the printing location and the "
                                           "calibration under Options, and its place under Bank Data.")
                                .arg(description.left(1).toUpper() + description.mid(1)));
    }
    return problems;
}

} // namespace quillset
