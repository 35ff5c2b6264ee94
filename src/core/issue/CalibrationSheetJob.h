#pragma once

#include "core/layout/CalibrationSheet.h"

#include <QStringList>

namespace quillset {

class PageMetrics;
class PrintQueue;
class Store;
class Waiter;

/// An account's calibration sheet as the default printer would print it.
struct CalibrationSheetJob
{
    ChequePage page;
    SheetPrinter printer;
    QStringList outside; ///< the fields that lie where the printer cannot print
    QString note; ///< which calibration the sheet is placed with
};

/// Composes the account's calibration sheet for the default printer: its calibration and its
/// printable area. Without a printer the sheet is placed with the office's calibration and has no
/// printable area marked. Throws Failure when the account is missing or the sheet cannot be composed.
CalibrationSheetJob calibrationSheetJob(const Store &store, const QString &account, PrintQueue &queue,
                                        const PageMetrics &metrics);

/// Sends the sheet to the printer it was made for; returns the server's job number. Nothing is
/// recorded. Throws Failure when there is no printer or it refuses the job.
int printCalibrationSheet(const CalibrationSheetJob &sheet, PrintQueue &queue, Waiter &waiter);

} // namespace quillset
