#pragma once

#include "core/layout/ChequePage.h"

namespace quillset {

class PageMetrics;
struct BankAccountRecord;
struct Cheque;
struct PrintSettings;

struct ChequeOrigin
{
    double left = 0;
    double top = 0;
};

/// Where the leaf's top-left corner lies on a page of that size, in twips, for the settings' position
/// (0 to 6) and calibration offsets. Any other position leaves the leaf at the page's corner.
/// Throws Failure when the position needs a leaf size or an offset that is missing.
ChequeOrigin PlaceCheque(const PrintSettings &settings, const BankAccountRecord &account, const QSize &page);

/// The printed page of a cheque: the leaf placed on the sheet and every field at the account's
/// measurements, with the amount in words and figures made from the cheque's amount. A pure function
/// of its arguments. Throws Failure naming the account or the setting when the page cannot be
/// composed.
ChequePage ComposeCheque(const Cheque &cheque, const BankAccountRecord &account, const PrintSettings &settings,
                         const PageMetrics &metrics);

} // namespace quillset
