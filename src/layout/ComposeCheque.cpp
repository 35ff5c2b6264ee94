#include "ComposeCheque.h"

#include "ChequeFormats.h"
#include "Fonts.h"
#include "PrinterServices.h"
#include "store/BankAccounts.h"
#include "store/Failure.h"
#include "store/SystemParameters.h"

namespace quillset {

namespace {

constexpr double kTwipsPerCentimetre = 567.0;
constexpr double kFieldHeight = 255.0;
constexpr double kStampWidth = 1950.0;
constexpr double kStampHeight = 2040.0;
constexpr double kFieldPointSize = 9.75;
constexpr double kCompanyPointSize = 9.0;
constexpr double kMeasuringPointSize = 10.0;

// A measurement in twips; a missing one stops the composition with a message the operator can act on.
double twips(const BankAccountRecord &account, Measurement measurement)
{
    const std::optional<double> value = account.value(measurement);
    if (!value)
        throw Failure(ErrorNumber::MeasurementMissing,
                      QStringLiteral("The bank account \"%1\" has no value for %2 (%3). Enter it under Bank Data, "
                                     "then print again.")
                          .arg(account.bankId, measurementLabel(measurement), measurementColumn(measurement)));
    return *value * kTwipsPerCentimetre;
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

} // namespace

ChequeOrigin PlaceCheque(int position, const BankAccountRecord &account, PrinterServices &printer)
{
    if (position < 0 || position > 6)
        return {};
    const double left = numericParameter(Parameter::CalibrationLeft) * kTwipsPerCentimetre;
    const double top = numericParameter(Parameter::CalibrationTop) * kTwipsPerCentimetre;
    // Page and leaf sizes are read only where a position uses them.
    const auto spareWidth = [&] { return printer.pageWidth() - twips(account, Measurement::Width); };
    const auto spareHeight = [&] { return printer.pageHeight() - twips(account, Measurement::Height); };
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

ChequePage ComposeCheque(const ChequeEntry &entry, PrinterServices &printer)
{
    return ComposeCheque(entry, printer, screenTextWidth(chequeFontFamily(), kFieldPointSize));
}

ChequePage ComposeCheque(const ChequeEntry &entry, PrinterServices &printer, const TextWidth &screenWidth)
{
    const std::optional<BankAccountRecord> found = findBankAccount(entry.bankId);
    if (!found)
        throw Failure(ErrorNumber::AccountMissing,
                      QStringLiteral("There is no bank account with the code \"%1\". Choose an account from the "
                                     "list, or add it under Bank Data.")
                          .arg(entry.bankId));
    const BankAccountRecord &account = *found;

    ChequePage page;
    page.fontFamily = chequeFontFamily();
    page.orientation = wholeNumberParameter(Parameter::Orientation);
    printer.setOrientation(page.orientation);
    printer.setPaperSize(PrinterServices::kPaperA4);
    const int position = wholeNumberParameter(Parameter::ChequePosition);

    PageItem company = textItem(QStringLiteral("CompanyName"), kCompanyPointSize);
    company.text = GetSystemParameter(Parameter::CompanyName);
    company.bold = true;
    company.centred = true;

    const ChequeOrigin origin = PlaceCheque(position, account, printer);
    page.chequeLeft = origin.left;
    page.chequeTop = static_cast<float>(origin.top);

    PageItem stamp;
    stamp.name = QStringLiteral("Stamp");
    stamp.kind = PageItem::Kind::Stamp;
    stamp.rect = QRectF(page.chequeLeft, page.chequeTop, kStampWidth, kStampHeight);
    stamp.shown = entry.stamp;

    // Bottoms are measured from one text line above the leaf; the stamp keeps the leaf's own top.
    page.chequeTop = static_cast<float>(page.chequeTop - printer.textHeight(QStringLiteral("A")));
    page.widthTwips = printer.pageWidth();
    page.heightTwips = printer.pageHeight();

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

    date.text = spreadDateDigits(entry.date);
    pay.text = entry.pay;
    amount.text = formatAmountFigures(entry.amount);
    amount.bold = true;

    printer.setFont(page.fontFamily, kMeasuringPointSize);
    const WordsLines lines = SplitWords(
        entry.narration, line1.rect.width(), [&](const QString &text) { return printer.textWidth(text); }, screenWidth);
    line1.text = lines.first;
    line2.text = lines.second;
    line2.shown = lines.secondShown;
    line3.shown = false;

    page.items = {stamp, company, date, pay, amount, line1, line2, line3};
    return page;
}

} // namespace quillset
