#include "ComposeCheque.h"

#include "core/banks/BankAccount.h"
#include "core/base/Failure.h"
#include "core/cheque/Cheque.h"
#include "core/layout/ChequeFormats.h"
#include "core/layout/Fonts.h"
#include "core/layout/PageChecks.h"
#include "core/layout/PageMetrics.h"
#include "core/layout/PageRenderer.h"
#include "core/layout/SplitWords.h"
#include "core/words/AmountInWords.h"

#include <QCoreApplication>

namespace quillset {

namespace {

constexpr double kTwipsPerCentimetre = 567.0;
constexpr double kFieldHeight = 255.0;
constexpr double kFieldPointSize = 9.75;
constexpr double kCompanyPointSize = 9.0;
constexpr double kMeasuringPointSize = 10.0;
constexpr double kSmallestPointSize = 7.0;
constexpr double kPointStep = 0.25;
constexpr double kStrikeTwips = 20; // the bearer strike: a 1 pt line, plain on paper
constexpr int kDateDigits = 8;

// A measurement in twips; a missing one stops the composition with a message the operator can act on.
double twips(const BankAccountRecord &account, Measurement measurement)
{
    const std::optional<double> value = account.value(measurement);
    if (!value)
        throw Failure(
            ErrorNumber::MeasurementMissing,
            QCoreApplication::translate("ComposeCheque",
                                        "The bank account \"%1\" has no value for %2 (%3). Enter it under Bank Data, "
                                        "then print again.")
                .arg(account.bankId, measurementLabel(measurement), measurementColumn(measurement)),
            QCoreApplication::translate("ComposeCheque",
                                        "The bank account \"%1\" has no value for %2 (%3). Give it in %4, then run the "
                                        "command again.")
                .arg(account.bankId, measurementLabel(measurement), measurementColumn(measurement),
                     layoutOnCommandLine()));
    return *value * kTwipsPerCentimetre;
}

double offset(const std::optional<double> &centimetres, const char *key)
{
    if (!centimetres)
        throw Failure(
            ErrorNumber::ParameterMissing,
            QCoreApplication::translate("ComposeCheque", "The system parameter \"%1\" is missing from the database.")
                .arg(QString::fromLatin1(key)));
    return *centimetres * kTwipsPerCentimetre;
}

PageItem textItem(const QString &name, double pointSize)
{
    PageItem item;
    item.name = name;
    item.pointSize = pointSize;
    return item;
}

// Positions are kept in single precision, as the layout has always stored them.
QRectF fieldBox(double left, double top, double width)
{
    return QRectF(static_cast<float>(left), static_cast<float>(top), static_cast<float>(width), kFieldHeight);
}

// A text wider than its box is set smaller, a quarter point at a time, down to 7 pt; one that still
// does not fit is marked, and the cheque is refused rather than printed over its neighbours. Its ink
// is what must fit, as it will be set; it keeps the baseline of the size its line was measured for.
void fitToBox(PageItem &item, const QString &family, const PageMetrics &metrics)
{
    item.linePointSize = item.pointSize;
    while (inkLeavesBox(item, family, metrics)) {
        if (item.pointSize - kPointStep < kSmallestPointSize - 1e-9) {
            item.overflows = true;
            return;
        }
        item.pointSize -= kPointStep;
    }
}

// With a box pitch each of the date's eight digits is centred in a box of its own, the boxes that far
// apart from the date field's left edge; the field itself then prints nothing. Otherwise the date is
// one text in the field, as the layout writes it.
QList<PageItem> placeDate(PageItem &date, const QDate &day, const DatePlace &place)
{
    QList<PageItem> boxes;
    if (place.layout != DateLayout::Boxes || !place.boxPitch) {
        date.text = chequeDateText(day, place.layout);
        return boxes;
    }
    const QString digits = day.toString(QStringLiteral("ddMMyyyy"));
    const double pitch = *place.boxPitch * kTwipsPerCentimetre;
    for (int i = 0; i < kDateDigits; ++i) {
        PageItem box = textItem(QStringLiteral("lblDateBox%1").arg(i + 1), kFieldPointSize);
        box.rect = fieldBox(date.rect.left() + i * pitch, date.rect.top(), pitch);
        box.text = digits.mid(i, 1);
        box.centred = true;
        boxes.append(box);
    }
    date.text = digits;
    date.shown = false;
    return boxes;
}

// The strike through a printed "OR BEARER": a line along the measured place, at its top.
PageItem bearerStrike(const StrikePlace &place, double left, double top)
{
    PageItem strike;
    strike.name = QStringLiteral("BearerStrike");
    strike.kind = PageItem::Kind::Strike;
    strike.shown = place.isSet();
    if (strike.shown)
        strike.rect = QRectF(left + *place.left * kTwipsPerCentimetre,
                             top + *place.top * kTwipsPerCentimetre - kStrikeTwips / 2,
                             *place.width * kTwipsPerCentimetre, kStrikeTwips);
    return strike;
}

// Where a line's filler must stop: its box's right edge, or sooner where another field's box starts
// on the same line.
double fillerLimit(const PageItem &item, const QList<PageItem> &others)
{
    double limit = item.rect.right();
    for (const PageItem &other : others) {
        if (&other == &item || !other.shown || other.kind != PageItem::Kind::Text || other.text.isEmpty())
            continue;
        const bool sameLine = other.rect.top() < item.rect.bottom() && other.rect.bottom() > item.rect.top();
        if (sameLine && other.rect.left() > item.rect.left())
            limit = qMin(limit, other.rect.left());
    }
    return limit;
}

// The filler repeated after the text, as many times as its ink still ends inside the limit, so that
// nothing can be written after the text. A line too full for even one is left as it is.
void fillLine(PageItem &item, const QString &filler, double limit, const QString &family, const PageMetrics &metrics)
{
    if (filler.isEmpty() || item.overflows || !item.shown)
        return;
    const TextStyle style {family, item.pointSize, item.bold};
    const double each = metrics.textWidth(filler, style);
    if (each <= 0)
        return;
    const QString lead = item.text.trimmed().isEmpty() ? QString() : item.text.trimmed() + u' ';
    PageItem filled = item;
    filled.rect.setRight(limit);
    const double room = limit - item.rect.left() - metrics.textWidth(lead, style);
    auto count = static_cast<qsizetype>(qMax(0.0, room) / each) + 1;
    for (; count > 0; --count) {
        filled.text = lead + filler.repeated(count);
        if (!inkLeavesBox(filled, family, metrics))
            break;
    }
    if (count > 0)
        item.text = filled.text;
}

} // namespace

ChequeOrigin PlaceCheque(const PrintSettings &settings, const BankAccountRecord &account, const QSize &page)
{
    const int position = settings.position;
    if (position < 0 || position > 6)
        return {};
    const double left = offset(settings.calibrationLeft, "CBLeft");
    const double top = offset(settings.calibrationTop, "CBTop");
    // Leaf sizes are read only where a position uses them.
    const auto spareWidth = [&] { return page.width() - twips(account, Measurement::Width); };
    const auto spareHeight = [&] { return page.height() - twips(account, Measurement::Height); };
    switch (position) {
    case 0: // Top Left
        return {left, top};
    case 1: // Bottom Left
        return {left, spareHeight() + top};
    case 2: // Center Top; the centred positions move against the left offset
        return {spareWidth() / 2 - left, top};
    case 3: // Top Right
        return {spareWidth() + left, top};
    case 4: // Bottom Right
        return {spareWidth() + left, spareHeight() + top};
    case 5: // Center Center
        return {spareWidth() / 2 - left, spareHeight() / 2 + top};
    default: // 6, Center Botom
        return {spareWidth() / 2 - left, spareHeight() + top};
    }
}

ChequePage ComposeCheque(const Cheque &cheque, const BankAccountRecord &account, const PrintSettings &settings,
                         const PageMetrics &metrics)
{
    ChequePage page;
    page.fontFamily = chequeFontFamily();
    page.orientation = settings.orientation;
    const QSize sheet = metrics.pageSize(settings.orientation);
    page.widthTwips = sheet.width();
    page.heightTwips = sheet.height();

    PageItem company = textItem(QStringLiteral("CompanyName"), kCompanyPointSize);
    company.text = settings.companyName;
    company.bold = true;
    company.centred = true;

    const ChequeOrigin origin = PlaceCheque(settings, account, sheet);
    page.chequeLeft = origin.left;
    page.chequeTop = static_cast<float>(origin.top);
    page.leaf = QRectF(origin.left, origin.top, account.value(Measurement::Width).value_or(0) * kTwipsPerCentimetre,
                       account.value(Measurement::Height).value_or(0) * kTwipsPerCentimetre);

    PageItem stamp;
    stamp.name = QStringLiteral("Stamp");
    stamp.kind = PageItem::Kind::Stamp;
    // Unmoved, the crossing is the block in the leaf's top-left corner every account had before.
    const CrossingPlace &crossing = account.crossing;
    stamp.rect = QRectF(page.chequeLeft + crossing.left.value_or(0) * kTwipsPerCentimetre,
                        page.chequeTop + crossing.top.value_or(0) * kTwipsPerCentimetre,
                        crossing.width ? *crossing.width * kTwipsPerCentimetre : kCrossingWidthTwips,
                        crossing.height ? *crossing.height * kTwipsPerCentimetre : kCrossingHeightTwips);
    stamp.shown = cheque.stamp;
    stamp.text = cheque.crossing;
    const PageItem strike = bearerStrike(account.marks.bearerStrike, page.chequeLeft, page.chequeTop);

    // Bottoms are measured from one text line above the leaf; the stamp keeps the leaf's own top.
    const TextStyle measuring {page.fontFamily, kMeasuringPointSize, false};
    page.chequeTop = static_cast<float>(page.chequeTop - metrics.lineHeight(measuring));

    const double x = page.chequeLeft;
    const double y = page.chequeTop;
    const auto field
        = [&](const QString &name, Measurement left, Measurement bottom, Measurement width, double extraWidth) {
              PageItem item = textItem(name, kFieldPointSize);
              item.rect = fieldBox(x + twips(account, left), y + twips(account, bottom) - kFieldHeight,
                                   twips(account, width) + extraWidth);
              return item;
          };
    using M = Measurement;
    PageItem date = field(QStringLiteral("lblDate"), M::DateLeft, M::DateBottom, M::DateWidth, 0);
    PageItem pay = field(QStringLiteral("lblPay"), M::PayLeft, M::PayBottom, M::PayWidth, 0);
    PageItem amount = field(QStringLiteral("lblAmount"), M::AmountLeft, M::AmountBottom, M::AmountWidth, 0);
    // The words lines get a centimetre more than measured, so a long amount still fits.
    PageItem line1
        = field(QStringLiteral("lblRupeeL1"), M::Rupee1Left, M::Rupee1Bottom, M::Rupee1Width, kTwipsPerCentimetre);
    PageItem line2
        = field(QStringLiteral("lblRupeeL2"), M::Rupee2Left, M::Rupee2Bottom, M::Rupee2Width, kTwipsPerCentimetre);
    PageItem line3 = field(QStringLiteral("lblRupeeL3"), M::Rupee3Left, M::Rupee3Bottom, M::Rupee3Width, 0);
    // The company name hangs from its measured top edge rather than standing on a bottom edge.
    company.rect = fieldBox(x + twips(account, M::Rupee3Left), y + twips(account, M::Rupee3Bottom),
                            twips(account, M::Rupee3Width));

    const QList<PageItem> dateBoxes = placeDate(date, cheque.date, account.date);
    pay.text = cheque.payee;
    amount.text = chequeFigures(cheque.amount);
    amount.bold = true;

    const QString words = chequeWords(cheque.amount).toUpper();
    const TextStyle screen {page.fontFamily, kFieldPointSize, false};
    const WordsLines lines = SplitWords(
        words, line1.rect.width(), [&](const QString &text) { return metrics.textWidth(text, measuring); },
        [&](const QString &text) { return metrics.screenTextWidth(text, screen); });
    line1.text = lines.first;
    line2.text = lines.second;
    line2.shown = lines.secondShown;
    line3.shown = false;
    for (PageItem *item : {&pay, &line1, &line2})
        fitToBox(*item, page.fontFamily, metrics);

    page.account = account.bankId;
    page.dateBoxPitch = account.date.layout == DateLayout::Boxes ? account.date.boxPitch.value_or(0) : 0;
    page.items = {stamp, company, date, pay, amount, line1, line2, line3};
    page.items += dateBoxes;
    page.items.append(strike);
    if (const QString &filler = account.marks.filler; !filler.isEmpty()) {
        // An empty second line is filled whole, so that nothing can be added there either.
        for (const char *name : {"lblPay", "lblRupeeL1", "lblRupeeL2"}) {
            for (PageItem &item : page.items) {
                if (item.name != QLatin1String(name))
                    continue;
                item.shown = item.shown || item.name == QLatin1String("lblRupeeL2");
                fillLine(item, filler, fillerLimit(item, page.items), page.fontFamily, metrics);
            }
        }
    }
    return page;
}

} // namespace quillset
