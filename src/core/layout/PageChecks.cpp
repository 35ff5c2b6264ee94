#include "PageChecks.h"

#include "core/base/Failure.h"
#include "core/layout/ChequePage.h"
#include "core/layout/CrossingStamp.h"
#include "core/layout/PageMetrics.h"
#include "core/layout/PageRenderer.h"

#include <QCoreApplication>
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QTextLayout>

#include <algorithm>
#include <functional>

namespace quillset {

namespace {

constexpr double kTwipsPerMillimetre = 1440.0 / 25.4;
// Ink is judged to a tenth of a millimetre, finer than a 300 dpi printer's dot, so that a glyph's
// overhang or the rounding of a measure never stops a cheque.
constexpr double kInkTolerance = 0.1 * kTwipsPerMillimetre;
// The smallest type a crossing's words may print in: a little below the payee's smallest, since
// they are bold and a few well-known phrases.
constexpr int kSmallestCrossingPoints = 6;

// What it means for an item's ink to run past its own box on the leaf.
enum class BoxRule {
    Fit, ///< it is set smaller until it fits; one that cannot is refused
    Refuse, ///< the figures: out of their box they invite an alteration, so the cheque is refused
    Warn, ///< the date and the company name are never fitted to their boxes: told, not refused
    Free, ///< the crossing is drawn into its box, so it cannot leave it
};

struct ItemName
{
    const char *item;
    const char *description;
    const char *widthLabel; ///< the bank window's measurement that gives its box its width
    BoxRule rule;
};

constexpr ItemName kItemNames[] = {
    {"lblDate", "the date", "Date, Width", BoxRule::Warn},
    {"lblPay", "the payee", "Pay, Width", BoxRule::Fit},
    {"lblAmount", "the amount in figures", "Amount, Width", BoxRule::Refuse},
    {"lblRupeeL1", "the first line of the amount in words", "Rupee L1, Width", BoxRule::Fit},
    {"lblRupeeL2", "the second line of the amount in words", "Rupee L2, Width", BoxRule::Fit},
    {"CompanyName", "the company name", "Stamp, Width", BoxRule::Warn},
    {"Stamp", "the crossing stamp", "", BoxRule::Free},
};

const ItemName *named(const QString &item)
{
    for (const ItemName &name : kItemNames) {
        if (item == QLatin1String(name.item))
            return &name;
    }
    return nullptr;
}

BoxRule boxRule(const QString &item)
{
    const ItemName *name = named(item);
    return name ? name->rule : BoxRule::Free;
}

QString widthLabel(const QString &item)
{
    const ItemName *name = named(item);
    return name ? QString::fromLatin1(name->widthLabel) : QString();
}

QString capitalised(const QString &text)
{
    return text.left(1).toUpper() + text.mid(1);
}

// "the date", "the date and the payee", "the date, the payee and the figures".
QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", "))
        + QCoreApplication::translate("PageChecks", " and ") + items.last();
}

QString millimetres(double twips)
{
    return QString::number(twips / kTwipsPerMillimetre, 'f', 1);
}

// How far the ink reaches past the area on any side, in twips; 0 when it lies inside.
double beyond(const QRectF &ink, const QRectF &area)
{
    return qMax(0.0,
                qMax(qMax(area.left() - ink.left(), ink.right() - area.right()),
                     qMax(area.top() - ink.top(), ink.bottom() - area.bottom())));
}

// The same across the box only: a line of type may reach a little above or below its box's line.
double beyondSides(const QRectF &ink, const QRectF &box)
{
    return qMax(0.0, qMax(box.left() - ink.left(), ink.right() - box.right()));
}

// Whether the item puts anything on the paper.
bool prints(const PageItem &item)
{
    return item.shown && !(item.kind == PageItem::Kind::Text && item.text.trimmed().isEmpty());
}

// Characters no installed font has a glyph for, which would print as an empty box or a black bar.
// Qt falls back from the cheque's face to any face that has the character, so each is looked up as
// it would be set. Answers are kept: a register's payees use few distinct characters.
QString unprintable(const QString &text, const QFont &font)
{
    static QHash<QString, bool> printable;
    QString missing;
    const QList<uint> codePoints = text.toUcs4();
    for (const uint codePoint : codePoints) {
        if (QChar::isSpace(codePoint))
            continue;
        const QString character = QString::fromUcs4(reinterpret_cast<const char32_t *>(&codePoint), 1);
        const QString key = font.family() + u'/' + character;
        auto known = printable.constFind(key);
        if (known == printable.constEnd()) {
            QTextLayout layout(character, font);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            bool found = true;
            for (const QGlyphRun &run : layout.glyphRuns()) {
                const QList<quint32> glyphs = run.glyphIndexes();
                found = found && std::none_of(glyphs.begin(), glyphs.end(), [](quint32 glyph) { return glyph == 0; });
            }
            known = printable.insert(key, found);
        }
        if (!*known && !missing.contains(character))
            missing += character;
    }
    return missing;
}

QString codePoints(const QString &characters)
{
    QStringList named;
    for (const uint codePoint : characters.toUcs4())
        named.append(QStringLiteral("\"%1\" (U+%2)")
                         .arg(QString::fromUcs4(reinterpret_cast<const char32_t *>(&codePoint), 1),
                              QString::number(codePoint, 16).toUpper().rightJustified(4, u'0')));
    return named.join(QStringLiteral(", "));
}

// A problem put right in the settings or the account's layout. `say` writes it given where the
// calibration is and where the layout is: the windows name their own, the command line the layout's
// file commands.
Failure placeProblem(ErrorNumber number,
                     const std::function<QString(const QString &calibration, const QString &layout)> &say)
{
    return Failure(number,
                   say(QCoreApplication::translate("PageChecks", "the calibration under Options"),
                       QCoreApplication::translate("PageChecks", "under Bank Data")),
                   say(QCoreApplication::translate("PageChecks", "the calibration settings"),
                       QCoreApplication::translate("PageChecks", "in ") + layoutOnCommandLine()));
}

bool isDateBox(const QString &itemName)
{
    return itemName.startsWith(QLatin1String("lblDateBox"));
}

QString centimetres(double pitch)
{
    return QString::number(pitch, 'f', 2);
}

// A date set a digit to a box must keep every digit's ink inside its own box, and the boxes on the
// date field and the leaf: a digit on a box line or past the last box is an invitation to alter it.
QList<Failure> dateBoxProblems(const ChequePage &page, const PageMetrics &metrics)
{
    QList<Failure> problems;
    if (page.dateBoxPitch <= 0)
        return problems;
    double digitOver = 0;
    double pastField = 0;
    double pastLeaf = 0;
    const QRectF field = page.item(QStringLiteral("lblDate")).rect;
    for (const PageItem &item : page.items) {
        if (!isDateBox(item.name) || !prints(item))
            continue;
        digitOver = qMax(digitOver, beyondSides(itemInk(item, page.fontFamily, metrics), item.rect));
        pastField = qMax(pastField, item.rect.right() - field.right());
        if (!page.leaf.isEmpty())
            pastLeaf = qMax(pastLeaf, item.rect.right() - page.leaf.right());
    }
    const QString account = page.account;
    const QString pitch = centimetres(page.dateBoxPitch);
    if (digitOver > kInkTolerance)
        problems.append(placeProblem(ErrorNumber::DoesNotFit, [&](const QString &, const QString &layout) {
            return QCoreApplication::translate("PageChecks",
                                               "The date's digits on the account \"%1\" are wider than its date "
                                               "boxes %2 cm apart, by up to %3 mm. Widen the box pitch %4.")
                .arg(account, pitch, millimetres(digitOver), layout);
        }));
    if (pastLeaf > kInkTolerance)
        problems.append(placeProblem(ErrorNumber::OffThePage, [&](const QString &, const QString &layout) {
            return QCoreApplication::translate("PageChecks",
                                               "The date's eight boxes on the account \"%1\", %2 cm apart, run "
                                               "%3 mm past the cheque leaf. Narrow the box pitch or move the date "
                                               "left %4.")
                .arg(account, pitch, millimetres(pastLeaf), layout);
        }));
    else if (pastField > kInkTolerance)
        problems.append(placeProblem(ErrorNumber::DoesNotFit, [&](const QString &, const QString &layout) {
            return QCoreApplication::translate("PageChecks",
                                               "The date's eight boxes on the account \"%1\", %2 cm apart, run "
                                               "%3 mm past the date's box. Narrow the box pitch or widen \"Date, "
                                               "Width\" %4.")
                .arg(account, pitch, millimetres(pastField), layout);
        }));
    return problems;
}

} // namespace

QString itemDescription(const QString &itemName)
{
    if (isDateBox(itemName))
        return itemDescription(QStringLiteral("lblDate"));
    if (itemName == QLatin1String("BearerStrike"))
        return QCoreApplication::translate("PageChecks", "the \"OR BEARER\" strike");
    const ItemName *name = named(itemName);
    return name ? QString::fromLatin1(name->description) : itemName;
}

QString problemsText(const QList<Failure> &problems, Audience audience)
{
    QStringList texts;
    for (const Failure &problem : problems)
        texts.append(problem.description(audience));
    return texts.join(u' ');
}

QString layoutOnCommandLine()
{
    return QCoreApplication::translate(
        "PageChecks",
        "the account's layout (quillset --export-layout writes it to a file, --import-layout reads it back)");
}

bool inkLeavesBox(const PageItem &item, const QString &fontFamily, const PageMetrics &metrics)
{
    const QRectF ink = itemInk(item, fontFamily, metrics);
    return !ink.isEmpty() && beyondSides(ink, item.rect) > kInkTolerance;
}

QRectF printableArea(const QSizeF &sheet, const QMarginsF &margins)
{
    return QRectF(QPointF(0, 0), sheet)
        .adjusted(margins.left() * kTwipsPerMillimetre, margins.top() * kTwipsPerMillimetre,
                  -margins.right() * kTwipsPerMillimetre, -margins.bottom() * kTwipsPerMillimetre);
}

QList<Failure> pageProblems(const ChequePage &page, const PageMetrics &metrics)
{
    QList<Failure> problems;
    const QRectF sheet(0, 0, page.widthTwips, page.heightTwips);
    // What prints is judged, not the leaf: a calibration may move the leaf partly off the sheet where
    // nothing is printed on it.
    QStringList offSheet;
    QStringList offLeaf;
    double sheetBy = 0;
    double leafBy = 0;
    for (const PageItem &item : page.items) {
        if (!prints(item))
            continue;
        const QString description = itemDescription(item.name);
        const QRectF ink = itemInk(item, page.fontFamily, metrics);
        if (item.kind == PageItem::Kind::Text) {
            QFont font(page.fontFamily);
            font.setPointSizeF(item.pointSize);
            font.setBold(item.bold);
            if (const QString missing = unprintable(item.text, font); !missing.isEmpty())
                problems.append(Failure(
                    ErrorNumber::Unprintable,
                    QCoreApplication::translate("PageChecks",
                                                "%1 has characters no installed font can print: %2. Install "
                                                "the Debian package fonts-noto-core, or write them another way.")
                        .arg(capitalised(description), codePoints(missing))));
        }
        const BoxRule rule = boxRule(item.name);
        const double overBox = beyondSides(ink, item.rect);
        if (item.overflows)
            problems.append(placeProblem(ErrorNumber::DoesNotFit, [&](const QString &, const QString &layout) {
                return QCoreApplication::translate(
                           "PageChecks",
                           "%1 is too long for its box on the leaf, even in 7 pt type. Shorten it, or "
                           "widen \"%2\" %3.")
                    .arg(capitalised(description), widthLabel(item.name), layout);
            }));
        else if ((rule == BoxRule::Refuse || rule == BoxRule::Fit) && overBox > kInkTolerance)
            problems.append(placeProblem(ErrorNumber::DoesNotFit, [&](const QString &, const QString &layout) {
                return QCoreApplication::translate("PageChecks",
                                                   "%1 is %2 mm too wide for its box on the leaf. Widen \"%3\" %4.")
                    .arg(capitalised(description), millimetres(overBox), widthLabel(item.name), layout);
            }));
        if (item.kind == PageItem::Kind::Stamp) {
            // Spread along the lines, long words come out too small for a bank to read them.
            const double size = crossingWordsPointSize(item.rect, item.text, page.fontFamily);
            if (size > 0 && size < kSmallestCrossingPoints)
                problems.append(placeProblem(ErrorNumber::DoesNotFit, [&](const QString &, const QString &layout) {
                    return QCoreApplication::translate("PageChecks",
                                                       "The crossing's words \"%1\" are too long for its lines: "
                                                       "they would print in %2 pt type, smaller than the %3 pt a "
                                                       "bank can read. Shorten them, or make the crossing larger "
                                                       "%4.")
                        .arg(item.text, QString::number(size, 'f', 1), QString::number(kSmallestCrossingPoints),
                             layout);
                }));
        }
        if (ink.isEmpty())
            continue;
        if (const double by = beyond(ink, sheet); by > kInkTolerance) {
            if (!offSheet.contains(description))
                offSheet.append(description);
            sheetBy = qMax(sheetBy, by);
        } else if (const double past = beyond(ink, page.leaf);
                   !page.leaf.isEmpty() && past > kInkTolerance && !isDateBox(item.name)) {
            offLeaf.append(description);
            leafBy = qMax(leafBy, past);
        }
    }
    problems += dateBoxProblems(page, metrics);
    if (!offSheet.isEmpty())
        problems.append(placeProblem(ErrorNumber::OffThePage, [&](const QString &calibration, const QString &layout) {
            return QCoreApplication::translate(
                       "PageChecks",
                       "%1 would print off the sheet, by up to %2 mm. Check the printing location and %3, "
                       "and %4 %5.")
                .arg(capitalised(listed(offSheet)), millimetres(sheetBy), calibration,
                     offSheet.size() == 1 ? QCoreApplication::translate("PageChecks", "its place")
                                          : QCoreApplication::translate("PageChecks", "their places"),
                     layout);
        }));
    if (!offLeaf.isEmpty())
        problems.append(placeProblem(ErrorNumber::OffThePage, [&](const QString &, const QString &layout) {
            return QCoreApplication::translate(
                       "PageChecks",
                       "%1 would print off the cheque leaf, by up to %2 mm. Check %3 and the leaf's size "
                       "%4.")
                .arg(capitalised(listed(offLeaf)), millimetres(leafBy),
                     offLeaf.size() == 1 ? QCoreApplication::translate("PageChecks", "its place")
                                         : QCoreApplication::translate("PageChecks", "their places"),
                     layout);
        }));
    return problems;
}

QList<Failure> pageWarnings(const ChequePage &page, const PageMetrics &metrics)
{
    QList<Failure> warnings;
    for (const PageItem &item : page.items) {
        if (!prints(item) || boxRule(item.name) != BoxRule::Warn)
            continue;
        const QRectF ink = itemInk(item, page.fontFamily, metrics);
        const double overBox = beyondSides(ink, item.rect);
        if (ink.isEmpty() || overBox <= kInkTolerance)
            continue;
        const QString description = itemDescription(item.name);
        // The company name is the office's setting, which may be shortened instead.
        const bool company = item.name == QLatin1String("CompanyName");
        const QString said
            = QCoreApplication::translate("PageChecks",
                                          "%1 would run %2 mm past its box on the leaf. Check its place and \"%3\" ")
                  .arg(capitalised(description), millimetres(overBox), widthLabel(item.name));
        warnings.append(Failure(
            ErrorNumber::DoesNotFit,
            said + QCoreApplication::translate("PageChecks", "under Bank Data")
                + (company ? QCoreApplication::translate("PageChecks",
                                                         ", or shorten it (\"Company Name for Stamp\" under Options).")
                           : QStringLiteral(".")),
            said + QCoreApplication::translate("PageChecks", "in ") + layoutOnCommandLine()
                + (company ? QCoreApplication::translate("PageChecks", ", or shorten it (the CompanyName setting).")
                           : QStringLiteral("."))));
    }
    return warnings;
}

QStringList outsidePrintableArea(const ChequePage &page, const QMarginsF &margins, const PageMetrics &metrics)
{
    const QRectF printable = printableArea(QSizeF(page.widthTwips, page.heightTwips), margins);
    QStringList outside;
    for (const PageItem &item : page.items) {
        if (!prints(item))
            continue;
        const QRectF ink = itemInk(item, page.fontFamily, metrics);
        if (!ink.isEmpty() && beyond(ink, printable) > kInkTolerance)
            outside.append(itemDescription(item.name));
    }
    return outside;
}

QString printableAreaWarning(const QStringList &outside, const QString &printer, Audience audience)
{
    if (outside.isEmpty())
        return QString();
    const QString warning
        = QCoreApplication::translate("PageChecks",
                                      "The printer \"%1\" cannot print near the edges of the sheet, so part of "
                                      "%2 would not print. ")
              .arg(printer, listed(outside));
    if (audience == Audience::CommandLine)
        return warning
            + QCoreApplication::translate(
                  "PageChecks",
                  "Check the printing location and the calibration settings, and the fields' places in "
                  "%1; quillset --calibration-sheet shows where.")
                  .arg(layoutOnCommandLine());
    return warning
        + QCoreApplication::translate(
               "PageChecks",
               "Check the printing location and the calibration under Options, and the fields' places "
               "under Bank Data; the calibration sheet shows where.");
}

QString printWarning(const ChequePage &page, const PageMetrics &metrics, const QString &printer,
                     const std::optional<QMarginsF> &margins, Audience audience)
{
    QStringList texts;
    for (const Failure &warning : pageWarnings(page, metrics))
        texts.append(warning.description(audience));
    if (margins)
        texts.append(printableAreaWarning(outsidePrintableArea(page, *margins, metrics), printer, audience));
    texts.removeAll(QString());
    return texts.join(u' ');
}

} // namespace quillset
