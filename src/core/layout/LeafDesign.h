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
    QString name; ///< the page item it is: lblDate ... CompanyName, Stamp
    QString label; ///< as the operator knows it: "Date", "Crossing"
    QRectF rect;
    QString sample;
    double pointSize = 9.75;
    bool bold = false;
    bool sizedBothWays = false; ///< the crossing has a height of its own; fields are a text line high
};

/// The account's boxes where a cheque would print them, each filled with the longest or widest text
/// it is likely to hold. Throws Failure when a measurement is missing.
QList<DesignBox> designBoxes(const BankAccountRecord &account, const PageMetrics &metrics);

/// The account with its fields and crossing where the boxes now lie, every value rounded to the
/// tenth of a millimetre the bank window keeps. Boxes not named are left as they were.
BankAccountRecord withDesign(const BankAccountRecord &account, const QList<DesignBox> &boxes,
                             const PageMetrics &metrics);

/// A box's place in centimetres as the bank window shows it: "left 3.00, top 2.70, width 14.50".
QString designValues(const BankAccountRecord &account, const QString &name);

} // namespace quillset
