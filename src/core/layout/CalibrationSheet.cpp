#include "CalibrationSheet.h"

#include "core/banks/BankAccount.h"
#include "core/base/Conversions.h"
#include "core/cheque/Cheque.h"
#include "core/layout/ComposeCheque.h"
#include "core/layout/PageChecks.h"
#include "core/layout/PageMetrics.h"

#include <QCoreApplication>

#include <cmath>

namespace quillset {

namespace {

constexpr double kTwipsPerMillimetre = 1440.0 / 25.4;
constexpr double kLabelPointSize = 6.0;
constexpr double kInstructionPointSize = 9.0;
constexpr double kTickMillimetre = 1.5;
constexpr double kTickHalfCentimetre = 2.5;
constexpr double kTickCentimetre = 4.0;
constexpr int kRulerBeforeCorner = 20; // millimetres the leaf's rulers reach past its corner

struct Label
{
    const char *item;
    const char *label;
};

constexpr Label kLabels[] = {
    {"lblDate", QT_TRANSLATE_NOOP("CalibrationSheet", "Date")},
    {"lblPay", QT_TRANSLATE_NOOP("CalibrationSheet", "Pay")},
    {"lblAmount", QT_TRANSLATE_NOOP("CalibrationSheet", "Amount")},
    {"lblRupeeL1", QT_TRANSLATE_NOOP("CalibrationSheet", "Rupee L1")},
    {"lblRupeeL2", QT_TRANSLATE_NOOP("CalibrationSheet", "Rupee L2")},
    {"CompanyName", QT_TRANSLATE_NOOP("CalibrationSheet", "Company name")},
    {"Stamp", QT_TRANSLATE_NOOP("CalibrationSheet", "Crossing")},
    {"BearerStrike", QT_TRANSLATE_NOOP("CalibrationSheet", "OR BEARER strike")},
};

double tickLength(int millimetre)
{
    if (millimetre % 10 == 0)
        return kTickCentimetre * kTwipsPerMillimetre;
    return (millimetre % 5 == 0 ? kTickHalfCentimetre : kTickMillimetre) * kTwipsPerMillimetre;
}

PageItem line(const QString &name, const QPointF &from, const QPointF &to)
{
    PageItem item;
    item.name = name;
    item.kind = PageItem::Kind::Line;
    item.rect = QRectF(from, to);
    return item;
}

PageItem text(const QString &name, const QRectF &rect, const QString &words, double pointSize, bool centred)
{
    PageItem item;
    item.name = name;
    item.rect = rect;
    item.text = words;
    item.pointSize = pointSize;
    item.centred = centred;
    return item;
}

// A ruler is a run of millimetre ticks from a base line, every centimetre numbered; `horizontal`
// rulers run left to right with ticks going down (`sign` +1) or up (-1), vertical ones top to bottom
// with ticks going right (+1) or left (-1). Ticks off the sheet are left out.
struct Ruler
{
    QString name;
    QPointF zero; ///< where the ruler reads 0
    bool horizontal = true;
    double sign = 1;
    int first = 0; ///< the first and last millimetre marked
    int last = 0;
    /// Numbers set on white, where the field boxes they lie among would run through them. The page's
    /// own rulers keep the leaf's outline whole instead.
    bool numbersOnWhite = false;
};

// Adds the ruler's items and returns the area its ticks and numbers cover.
QRectF addRuler(QList<PageItem> &items, const Ruler &ruler, const QSizeF &sheet, const QString &family,
                const PageMetrics &metrics)
{
    QRectF covered;
    const auto cover = [&covered](const QRectF &area) { covered = covered.isNull() ? area : covered.united(area); };
    const QRectF onSheet(QPointF(0, 0), sheet);
    const double labelHeight = metrics.lineHeight({family, kLabelPointSize, false});
    int from = ruler.last;
    int to = ruler.first;
    for (int millimetre = ruler.first; millimetre <= ruler.last; ++millimetre) {
        const double along = millimetre * kTwipsPerMillimetre;
        const QPointF base = ruler.horizontal ? ruler.zero + QPointF(along, 0) : ruler.zero + QPointF(0, along);
        if (!onSheet.adjusted(-0.5, -0.5, 0.5, 0.5).contains(base))
            continue;
        from = qMin(from, millimetre);
        to = qMax(to, millimetre);
        const double length = tickLength(millimetre) * ruler.sign;
        const QPointF end = ruler.horizontal ? base + QPointF(0, length) : base + QPointF(length, 0);
        items.append(line(QStringLiteral("%1 %2 mm").arg(ruler.name).arg(millimetre), base, end));
        cover(QRectF(base, end).normalized().adjusted(-1, -1, 1, 1));
        // Zero is the corner where the rulers meet: numbered, it would sit on the other ruler.
        if (millimetre % 10 != 0 || millimetre == 0)
            continue;
        const QString number = QString::number(millimetre / 10);
        const double width = metrics.textWidth(number, {family, kLabelPointSize, false});
        const double gap = 0.5 * kTwipsPerMillimetre;
        QRectF box;
        if (ruler.horizontal) {
            const double top = ruler.sign > 0 ? end.y() + gap : end.y() - gap - labelHeight;
            box = QRectF(base.x() - width / 2, top, width, labelHeight);
        } else {
            const double left = ruler.sign > 0 ? end.x() + gap : end.x() - gap - width;
            box = QRectF(left, base.y() - labelHeight / 2, width, labelHeight);
        }
        // A number cut by the sheet's edge would be misread; its tick says enough.
        if (!onSheet.adjusted(-0.5, -0.5, 0.5, 0.5).contains(box))
            continue;
        PageItem numbered = text(QStringLiteral("%1 %2 cm").arg(ruler.name).arg(millimetre / 10), box, number,
                                 kLabelPointSize, false);
        numbered.opaque = ruler.numbersOnWhite;
        items.append(numbered);
        cover(box);
    }
    if (from > to)
        return covered;
    const double start = from * kTwipsPerMillimetre;
    const double stop = to * kTwipsPerMillimetre;
    items.append(ruler.horizontal ? line(ruler.name, ruler.zero + QPointF(start, 0), ruler.zero + QPointF(stop, 0))
                                  : line(ruler.name, ruler.zero + QPointF(0, start), ruler.zero + QPointF(0, stop)));
    cover(items.last().rect.normalized());
    return covered;
}

// A field's label in its box's top-left corner, moved clear of what would run through its letters:
// below the leaf's top ruler and right of its left one (on the crossing in the leaf's corner the
// ticks would strike it through), and right past another box's outline. Where it cannot be cleared
// inside its box it stays in the corner.
PageItem boxLabel(const QString &field, const QRectF &box, const QString &label, const QList<QRectF> &rulers,
                  const QList<QRectF> &outlines, const QString &family, const PageMetrics &metrics)
{
    const double inset = 0.5 * kTwipsPerMillimetre;
    const QRectF corner(box.left() + inset, box.top() + inset,
                        metrics.textWidth(label, {family, kLabelPointSize, false}),
                        metrics.lineHeight({family, kLabelPointSize, false}));
    QRectF place = corner;
    for (const QRectF &ruler : rulers) {
        if (!place.intersects(ruler))
            continue;
        if (ruler.width() > ruler.height())
            place.moveTop(ruler.bottom() + inset);
        else
            place.moveLeft(ruler.right() + inset);
    }
    for (bool moved = true; moved && place.right() < box.right();) {
        moved = false;
        for (const QRectF &outline : outlines) {
            if (place.intersects(outline) && outline.right() + inset > place.left()) {
                place.moveLeft(outline.right() + inset);
                moved = true;
            }
        }
    }
    return text(QStringLiteral("Label ") + field, place.right() < box.right() ? place : corner, label, kLabelPointSize,
                false);
}

// The four sides of a box's outline, each as a thin area.
QList<QRectF> outlineSides(const QRectF &box)
{
    constexpr double kHalfPen = 6;
    return {QRectF(box.left() - kHalfPen, box.top() - kHalfPen, box.width() + 2 * kHalfPen, 2 * kHalfPen),
            QRectF(box.left() - kHalfPen, box.bottom() - kHalfPen, box.width() + 2 * kHalfPen, 2 * kHalfPen),
            QRectF(box.left() - kHalfPen, box.top() - kHalfPen, 2 * kHalfPen, box.height() + 2 * kHalfPen),
            QRectF(box.right() - kHalfPen, box.top() - kHalfPen, 2 * kHalfPen, box.height() + 2 * kHalfPen)};
}

// Which way the cheque moves when the calibration's Left grows: centred positions move against it.
bool leftMovesRight(int position)
{
    return position != 2 && position != 5 && position != 6;
}

QStringList instruction(const BankAccountRecord &account, const PrintSettings &settings, const SheetPrinter &printer)
{
    const QString left = plainNumber(settings.calibrationLeft.value_or(0));
    const QString top = plainNumber(settings.calibrationTop.value_or(0));
    const QString whose = settings.calibratedFor.isEmpty()
        ? QCoreApplication::translate("CalibrationSheet", "the office's calibration")
        : QCoreApplication::translate("CalibrationSheet", "the calibration of \"%1\"").arg(settings.calibratedFor);
    return {
        QCoreApplication::translate(
            "CalibrationSheet", "Quillset calibration sheet: account %1 (%2), printer %3, %4: Left %5 cm, Top %6 cm.")
            .arg(account.bankId, account.bankName,
                 printer.name.isEmpty() ? QCoreApplication::translate("CalibrationSheet", "not known")
                                        : QStringLiteral("\"%1\"").arg(printer.name),
                 whose, left, top),
        QCoreApplication::translate(
            "CalibrationSheet",
            "1. Print this page on plain paper at actual size (no fit to page). Nothing is recorded."),
        QCoreApplication::translate("CalibrationSheet",
                                    "2. Lay a blank leaf of this bank on the page where the printer will take it."),
        QCoreApplication::translate(
            "CalibrationSheet",
            "3. Read where the real left edge crosses the ruler along the drawn top edge (mm, + right)."),
        QCoreApplication::translate(
            "CalibrationSheet",
            "4. Read where the real top edge crosses the ruler along the drawn left edge (mm, + down)."),
        QCoreApplication::translate(
            "CalibrationSheet",
            "5. Under Options, for this printer, %1 Left the first reading and add to Top the second, "
            "in centimetres.")
            .arg(leftMovesRight(settings.position) ? QCoreApplication::translate("CalibrationSheet", "add to")
                                                   : QCoreApplication::translate("CalibrationSheet", "take from")),
    };
}

} // namespace

QString sheetLabel(const QString &itemName)
{
    for (const Label &label : kLabels) {
        if (itemName == QLatin1String(label.item))
            return QCoreApplication::translate("CalibrationSheet", label.label);
    }
    return itemName;
}

ChequePage composeCalibrationSheet(const BankAccountRecord &account, const PrintSettings &settings,
                                   const SheetPrinter &printer, const PageMetrics &metrics)
{
    // A cheque with every field shown, so each box is where a real cheque's would be.
    const Cheque sample {account.bankId,      QStringLiteral("000000"), QStringLiteral("Sample"),
                         QDate(2026, 12, 31), Money {1, account.money}, true};
    const ChequePage cheque = ComposeCheque(sample, account, settings, metrics);

    ChequePage sheet;
    sheet.orientation = cheque.orientation;
    sheet.widthTwips = cheque.widthTwips;
    sheet.heightTwips = cheque.heightTwips;
    sheet.chequeLeft = cheque.chequeLeft;
    sheet.chequeTop = cheque.chequeTop;
    sheet.leaf = cheque.leaf;
    sheet.fontFamily = cheque.fontFamily;
    const QSizeF size(sheet.widthTwips, sheet.heightTwips);
    const std::optional<QRectF> printable = printer.margins
        ? std::optional<QRectF>(printableArea(size, *printer.margins).adjusted(-0.5, -0.5, 0.5, 0.5))
        : std::nullopt;
    const auto outline = [&](const QString &name, const QRectF &rect, const QString &label) {
        PageItem item;
        item.name = name;
        item.kind = PageItem::Kind::Outline;
        item.rect = rect;
        item.text = label;
        item.pointSize = kLabelPointSize;
        item.marked = printable && !printable->contains(rect);
        // The leaf itself is never printed; only its fields need the printer's reach to be said.
        if (item.marked && !label.isEmpty())
            item.text += QCoreApplication::translate("CalibrationSheet", " - cannot all print here");
        return item;
    };

    QList<PageItem> &items = sheet.items;
    items.append(outline(QStringLiteral("Leaf"), sheet.leaf, QString()));
    // Each box's label is placed once the rulers are, so that it can keep clear of them.
    QList<std::pair<QString, QString>> labels;
    for (const PageItem &field : cheque.items) {
        // The second words line and the company name are boxed even when this sample leaves them empty.
        // The date's own boxes lie within its field, which is boxed; a strike is boxed where it prints.
        if (field.name == QLatin1String("lblRupeeL3") || field.name.startsWith(QLatin1String("lblDateBox"))
            || (field.kind == PageItem::Kind::Strike && !field.shown))
            continue;
        PageItem box = outline(QStringLiteral("Box ") + field.name, field.rect, sheetLabel(field.name));
        labels.append({field.name, box.text});
        box.text.clear();
        items.append(box);
    }
    if (printable) {
        PageItem area = outline(
            QStringLiteral("PrintableArea"), printableArea(size, *printer.margins),
            QCoreApplication::translate("CalibrationSheet", "Edge of what \"%1\" can print").arg(printer.name));
        area.dashed = true;
        area.marked = false;
        items.append(area);
    }

    const double leafWidth = std::floor(sheet.leaf.width() / kTwipsPerMillimetre + 1e-6);
    const double leafHeight = std::floor(sheet.leaf.height() / kTwipsPerMillimetre + 1e-6);
    const QString &family = sheet.fontFamily;
    const QList<QRectF> leafRulers {
        addRuler(items,
                 {QStringLiteral("Leaf top"), sheet.leaf.topLeft(), true, 1, -kRulerBeforeCorner, int(leafWidth), true},
                 size, family, metrics),
        addRuler(
            items,
            {QStringLiteral("Leaf left"), sheet.leaf.topLeft(), false, 1, -kRulerBeforeCorner, int(leafHeight), true},
            size, family, metrics)};
    const int pageWidth = int(std::floor(size.width() / kTwipsPerMillimetre));
    const int pageHeight = int(std::floor(size.height() / kTwipsPerMillimetre));
    addRuler(items, {QStringLiteral("Page bottom"), QPointF(0, size.height()), true, -1, 0, pageWidth}, size, family,
             metrics);
    addRuler(items, {QStringLiteral("Page right"), QPointF(size.width(), 0), false, -1, 0, pageHeight}, size, family,
             metrics);

    for (const auto &[field, label] : labels) {
        // The other boxes' outlines, not the label's own.
        QList<QRectF> others;
        for (const auto &named : labels) {
            if (named.first != field)
                others += outlineSides(cheque.item(named.first).rect);
        }
        items.append(boxLabel(field, cheque.item(field).rect, label, leafRulers, others, family, metrics));
    }

    // The instruction goes in the half of the page the leaf leaves free.
    const double lineHeight = metrics.lineHeight({family, kInstructionPointSize, false}) * 1.2;
    const double left
        = 15 * kTwipsPerMillimetre + (printer.margins ? printer.margins->left() * kTwipsPerMillimetre : 0);
    double top = sheet.leaf.center().y() < size.height() / 2 ? qMax(sheet.leaf.bottom(), size.height() / 2) + 567
                                                             : 30 * kTwipsPerMillimetre;
    int index = 0;
    for (const QString &words : instruction(account, settings, printer)) {
        items.append(text(QStringLiteral("Instruction %1").arg(index++),
                          QRectF(left, top, size.width() - 2 * left, lineHeight), words, kInstructionPointSize, false));
        top += lineHeight;
    }
    return sheet;
}

} // namespace quillset
