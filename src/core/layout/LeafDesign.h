#pragma once

#include "core/banks/BankAccount.h"

#include <QList>
#include <QRectF>
#include <QString>

namespace quillset {

class PageMetrics;

/// One box of a leaf laid out by eye: where a field prints, in twips from the leaf's top-left corner,
/// with the sample text that shows how much room it needs.
struct DesignBox
{
    QString name; ///< the page item it is: lblDate ... CompanyName, Stamp, BearerStrike
    QString label; ///< as the operator knows it: "Date", "Crossing"
    QRectF rect;
    QString sample;
    double pointSize = 9.75;
    bool bold = false;
    bool sizedBothWays = false; ///< the crossing has a height of its own; fields are a text line high
    int cells = 0; ///< the date's boxes, a digit of the sample centred in each; 0 for one text
    bool shown = true; ///< the bearer strike is only a box while the account strikes
};

/// The strike's box is this high, its line along the middle, so that it can be taken with the mouse.
inline constexpr double kStrikeBoxTwips = 120;

/// The account's boxes where a cheque would print them, each filled with the longest or widest text
/// it is likely to hold. Throws Failure when a measurement is missing.
QList<DesignBox> designBoxes(const BankAccountRecord &account, const PageMetrics &metrics);

/// The account with its fields and crossing where the boxes now lie, every value rounded to the
/// tenth of a millimetre the bank window keeps; the date's boxes give their pitch from their width,
/// and the strike its place while it is shown. Boxes not named are left as they were.
BankAccountRecord withDesign(const BankAccountRecord &account, const QList<DesignBox> &boxes,
                             const PageMetrics &metrics);

/// A box's place in centimetres as the bank window shows it: "left 3.00, top 2.70, width 14.50".
QString designValues(const BankAccountRecord &account, const QString &name);

} // namespace quillset
