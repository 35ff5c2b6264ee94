#include "LeafDesign.h"

#include "core/cheque/Cheque.h"
#include "core/layout/ComposeCheque.h"
#include "core/layout/Fonts.h"
#include "core/layout/PageMetrics.h"
#include "core/layout/PrintSettings.h"

#include <QCoreApplication>

#include <cmath>

namespace quillset {

namespace {

constexpr double kTwipsPerCentimetre = 567.0;
constexpr double kFieldHeight = 255.0;
constexpr double kWordsAllowance = kTwipsPerCentimetre; // the words lines print a centimetre wider
constexpr int kDateCells = 8;
// A strike not yet placed is offered at the payee line's right end, where leaves print "OR BEARER".
constexpr double kStrikeOfferedWidth = 2 * kTwipsPerCentimetre;

struct FieldMeasures
{
    const char *item;
    const char *label;
    Measurement left;
    Measurement bottom;
    Measurement width;
    double extraWidth;
};

constexpr FieldMeasures kFields[] = {
    {"lblDate", QT_TRANSLATE_NOOP("LeafDesign", "Date"), Measurement::DateLeft, Measurement::DateBottom,
     Measurement::DateWidth, 0},
    {"lblPay", QT_TRANSLATE_NOOP("LeafDesign", "Pay"), Measurement::PayLeft, Measurement::PayBottom,
     Measurement::PayWidth, 0},
    {"lblAmount", QT_TRANSLATE_NOOP("LeafDesign", "Amount"), Measurement::AmountLeft, Measurement::AmountBottom,
     Measurement::AmountWidth, 0},
    {"lblRupeeL1", QT_TRANSLATE_NOOP("LeafDesign", "Rupee L1"), Measurement::Rupee1Left, Measurement::Rupee1Bottom,
     Measurement::Rupee1Width, kWordsAllowance},
    {"lblRupeeL2", QT_TRANSLATE_NOOP("LeafDesign", "Rupee L2"), Measurement::Rupee2Left, Measurement::Rupee2Bottom,
     Measurement::Rupee2Width, kWordsAllowance},
};

const FieldMeasures *fieldNamed(const QString &name)
{
    for (const FieldMeasures &field : kFields) {
        if (name == QLatin1String(field.item))
            return &field;
    }
    return nullptr;
}

double lineAbove(const PageMetrics &metrics)
{
    return metrics.lineHeight({chequeFontFamily(), 10.0, false});
}

double centimetres(double twips)
{
    return std::round(twips / kTwipsPerCentimetre * 100.0) / 100.0;
}

QString shown(const std::optional<double> &value)
{
    return value ? QString::number(*value, 'f', 2) : QStringLiteral("-");
}

} // namespace

QList<DesignBox> designBoxes(const BankAccountRecord &account, const PageMetrics &metrics)
{
    // The leaf at the sheet's corner with no calibration: page places are then leaf places.
    const Cheque sample {account.bankId,
                         QStringLiteral("000000"),
                         QStringLiteral("M/S. WWWWWWWW MMMMMMMM ENTERPRISES PRIVATE LIMITED"),
                         QDate(2028, 12, 28),
                         Money {account.money.subunitDigits > 0 ? 77777777777 : 777777777, account.money},
                         true,
                         account.marks.crossing()};
    PrintSettings settings;
    settings.companyName = QStringLiteral("FOR WWWWWW MMMMMM TRADERS PVT. LTD.");
    const ChequePage page = ComposeCheque(sample, account, settings, metrics);
    QList<DesignBox> boxes;
    for (const PageItem &item : page.items) {
        if (item.name == QLatin1String("lblRupeeL3") || item.name.startsWith(QLatin1String("lblDateBox")))
            continue;
        DesignBox box;
        box.name = item.name;
        const FieldMeasures *field = fieldNamed(item.name);
        box.label = field                         ? QCoreApplication::translate("LeafDesign", field->label)
            : item.kind == PageItem::Kind::Stamp  ? QCoreApplication::translate("LeafDesign", "Crossing")
            : item.kind == PageItem::Kind::Strike ? QCoreApplication::translate("LeafDesign", "OR BEARER strike")
                                                  : QCoreApplication::translate("LeafDesign", "Company name");
        box.rect = item.rect.translated(-page.leaf.topLeft());
        // The samples are what the cheque prints: the crossing's words, the filler, the date's form.
        box.sample = item.text;
        box.pointSize = item.pointSize;
        box.bold = item.bold;
        box.sizedBothWays = item.kind == PageItem::Kind::Stamp;
        if (item.name == QLatin1String("lblDate") && page.dateBoxPitch > 0) {
            box.cells = kDateCells;
            box.rect.setWidth(kDateCells * page.dateBoxPitch * kTwipsPerCentimetre);
        }
        if (item.kind == PageItem::Kind::Strike) {
            box.shown = item.shown;
            if (!item.shown) {
                const PageItem &pay = page.item(QStringLiteral("lblPay"));
                box.rect = QRectF(pay.rect.right() - kStrikeOfferedWidth, pay.rect.center().y(), kStrikeOfferedWidth, 0)
                               .translated(-page.leaf.topLeft());
            }
            box.rect = QRectF(box.rect.left(), box.rect.center().y() - kStrikeBoxTwips / 2, box.rect.width(),
                              kStrikeBoxTwips);
        }
        boxes.append(box);
    }
    return boxes;
}

BankAccountRecord withDesign(const BankAccountRecord &account, const QList<DesignBox> &boxes,
                             const PageMetrics &metrics)
{
    BankAccountRecord designed = account;
    // A field's stored top is its bottom edge, counted from one text line above the leaf.
    const double above = lineAbove(metrics);
    for (const DesignBox &box : boxes) {
        if (box.name == QLatin1String("lblDate") && box.cells > 0) {
            // The boxes' width gives their pitch; the date's box is widened to hold them if need be.
            designed.setValue(Measurement::DateLeft, centimetres(box.rect.left()));
            designed.setValue(Measurement::DateBottom, centimetres(box.rect.top() + kFieldHeight + above));
            designed.date.boxPitch = centimetres(box.rect.width() / box.cells);
            const double group = *designed.date.boxPitch * box.cells;
            if (designed.value(Measurement::DateWidth).value_or(0) < group)
                designed.setValue(Measurement::DateWidth, group);
        } else if (const FieldMeasures *field = fieldNamed(box.name)) {
            designed.setValue(field->left, centimetres(box.rect.left()));
            designed.setValue(field->bottom, centimetres(box.rect.top() + kFieldHeight + above));
            designed.setValue(field->width, centimetres(box.rect.width() - field->extraWidth));
        } else if (box.name == QLatin1String("CompanyName")) {
            // The company name hangs from its measured edge, one text line above the leaf.
            designed.setValue(Measurement::Rupee3Left, centimetres(box.rect.left()));
            designed.setValue(Measurement::Rupee3Bottom, centimetres(box.rect.top() + above));
            designed.setValue(Measurement::Rupee3Width, centimetres(box.rect.width()));
        } else if (box.name == QLatin1String("Stamp")) {
            designed.crossing = {centimetres(box.rect.left()), centimetres(box.rect.top()),
                                 centimetres(box.rect.width()), centimetres(box.rect.height())};
        } else if (box.name == QLatin1String("BearerStrike")) {
            designed.marks.bearerStrike = box.shown
                ? StrikePlace {centimetres(box.rect.left()), centimetres(box.rect.center().y()),
                               centimetres(box.rect.width())}
                : StrikePlace {};
        }
    }
    return designed;
}

QString designValues(const BankAccountRecord &account, const QString &name)
{
    if (const FieldMeasures *field = fieldNamed(name))
        return QCoreApplication::translate("LeafDesign", "left %1, top %2, width %3 cm")
            .arg(shown(account.value(field->left)), shown(account.value(field->bottom)),
                 shown(account.value(field->width)));
    if (name == QLatin1String("lblDate") && account.date.layout == DateLayout::Boxes && account.date.boxPitch)
        return QCoreApplication::translate("LeafDesign", "left %1, top %2, boxes %3 cm apart")
            .arg(shown(account.value(Measurement::DateLeft)), shown(account.value(Measurement::DateBottom)),
                 shown(account.date.boxPitch));
    if (name == QLatin1String("BearerStrike")) {
        const StrikePlace &strike = account.marks.bearerStrike;
        return strike.isSet() ? QCoreApplication::translate("LeafDesign", "left %1, top %2, width %3 cm")
                                    .arg(shown(strike.left), shown(strike.top), shown(strike.width))
                              : QCoreApplication::translate("LeafDesign", "not struck");
    }
    if (name == QLatin1String("CompanyName"))
        return QCoreApplication::translate("LeafDesign", "left %1, top %2, width %3 cm")
            .arg(shown(account.value(Measurement::Rupee3Left)), shown(account.value(Measurement::Rupee3Bottom)),
                 shown(account.value(Measurement::Rupee3Width)));
    const CrossingPlace &crossing = account.crossing;
    return QCoreApplication::translate("LeafDesign", "left %1, top %2, width %3, height %4 cm")
        .arg(shown(crossing.left.value_or(0)), shown(crossing.top.value_or(0)),
             shown(crossing.width.value_or(kCrossingWidthTwips / kTwipsPerCentimetre)),
             shown(crossing.height.value_or(kCrossingHeightTwips / kTwipsPerCentimetre)));
}

} // namespace quillset
