#pragma once

#include "core/base/Failure.h"
#include "core/layout/ChequePage.h"
#include "core/layout/PageChecks.h"

#include <QMarginsF>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillset {

class PageMetrics;
struct BankAccountRecord;
struct PrintSettings;

/// The printer a calibration sheet is made for, as far as the print server says.
struct SheetPrinter
{
    QString name; ///< empty when no printer was found
    std::optional<QMarginsF> margins; ///< in millimetres from each edge of the sheet; nothing when not known
};

/// The calibration sheet of an account: on the page the cheque would be printed on, the leaf's
/// outline and each field's box at the very places a cheque's would be composed, labelled, with
/// millimetre rulers along the leaf's top and left edges (zero at the drawn corner) and along the
/// page's bottom and right edges (measured from its top-left corner), each centimetre numbered where
/// its number can be read whole, and an instruction. Boxes
/// that lie where the printer cannot print are drawn heavy and say so. Throws Failure when the
/// cheque itself could not be composed.
ChequePage composeCalibrationSheet(const BankAccountRecord &account, const PrintSettings &settings,
                                   const SheetPrinter &printer, const PageMetrics &metrics);

/// How the label of a field's box on the sheet reads: "Pay", "Rupee L1", "Crossing".
QString sheetLabel(const QString &itemName);

} // namespace quillset
