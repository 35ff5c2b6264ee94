#pragma once

#include "core/layout/PrintSettings.h"

#include <QList>
#include <QRectF>
#include <QString>

namespace quillset {

/// One thing on the printed page: a text in its box, the crossing stamp, or (on a calibration sheet)
/// an outlined box with its label or a ruler's line. Lengths are twips.
struct PageItem
{
    enum class Kind {
        Text,
        Stamp,
        Outline, ///< the rectangle's outline, with the text as a small label inside its top-left corner
        Line, ///< a line from the rectangle's top-left corner to its bottom-right one
        Strike, ///< a line as thick as the rectangle is high, along it: through a printed "OR BEARER"
    };

    /// lblDate, lblDateBox1..8 (a digit to a box), lblPay, lblAmount, lblRupeeL1..3, CompanyName, Stamp,
    /// BearerStrike
    QString name;
    Kind kind = Kind::Text;
    QRectF rect; ///< left, top, width, height in twips from the page's top-left corner
    QString text; ///< for the stamp, the crossing's words (empty: the lines alone)
    double pointSize = 9.75;
    /// The size of type the box's line was measured for, when the text is set smaller to fit: the
    /// baseline stays where that size sits. 0 for the text's own size.
    double linePointSize = 0;
    bool bold = false;
    bool centred = false;
    bool shown = true;
    bool overflows = false; ///< wider than its box even in the smallest size it may be set in
    bool dashed = false; ///< an outline drawn dashed
    bool marked = false; ///< an outline that lies where the printer cannot print: drawn heavy
    bool opaque = false; ///< a text set on white, so that no line under it runs through its letters

    bool operator==(const PageItem &) const = default;
};

/// The composed cheque page: what the preview shows and the printer prints, item for item.
struct ChequePage
{
    Orientation orientation = Orientation::Portrait;
    int widthTwips = 0;
    int heightTwips = 0;
    double chequeLeft = 0; ///< the leaf's top-left corner on the page
    float chequeTop = 0; ///< after the one-line allowance, as the fields are placed from it
    QRectF leaf; ///< the cheque leaf itself, in twips from the page's corner
    QString fontFamily;
    QString account; ///< the account's code, for messages about its layout
    double dateBoxPitch = 0; ///< centimetres between the date's boxes; 0 when the digits are spread
    QList<PageItem> items;

    /// The item of that name; the page always holds every item, shown or not.
    const PageItem &item(const QString &name) const;
    bool operator==(const ChequePage &) const = default;
};

} // namespace quillset
