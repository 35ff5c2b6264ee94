#include "CalibrationSheetJob.h"

#include "core/banks/BankAccount.h"
#include "core/base/CoreLog.h"
#include "core/base/ErrorKind.h"
#include "core/base/Failure.h"
#include "core/issue/ChequeLife.h"
#include "core/issue/IssueCheque.h"
#include "core/layout/PrintQueue.h"
#include "store/Store.h"

#include <QCoreApplication>

namespace quillset {

namespace {

constexpr int kSheetCallMilliseconds = 5000;

} // namespace

CalibrationSheetJob calibrationSheetJob(const Store &store, const QString &account, PrintQueue &queue,
                                        const PageMetrics &metrics)
{
    const BankAccountRecord record = chequeAccount(store, account);
    CalibrationSheetJob sheet;
    queue.setCallTimeout(kSheetCallMilliseconds);
    try {
        sheet.printer.name = queue.defaultQueue();
        sheet.printer.margins = queue.printableMargins(sheet.printer.name);
    } catch (const Failure &failure) {
        // The sheet can still be looked at as a PDF; it says no printer was found.
        qCDebug(lcIssue).noquote() << "the calibration sheet is placed without a printer:" << failure;
    }
    sheet.page = composeCalibrationSheet(record, store.parameters().printSettingsFor(sheet.printer.name), sheet.printer,
                                         metrics);
    if (sheet.printer.margins) {
        // The sheet's own rulers reach the edges on purpose; only the leaf's fields matter here.
        ChequePage fields = sheet.page;
        fields.items.clear();
        for (const PageItem &item : sheet.page.items) {
            if (item.name.startsWith(QLatin1String("Box "))) {
                PageItem field = item;
                field.name = item.name.mid(4);
                fields.items.append(field);
            }
        }
        sheet.outside = outsidePrintableArea(fields, *sheet.printer.margins, metrics);
    }
    sheet.note = calibrationNote(store, sheet.printer.name);
    return sheet;
}

int printCalibrationSheet(const CalibrationSheetJob &sheet, PrintQueue &queue, Waiter &waiter)
{
    if (sheet.printer.name.isEmpty())
        throw Failure(
            ErrorNumber::PrinterMissing,
            QCoreApplication::translate("CalibrationSheetJob",
                                        "No printer is installed. Add a printer in the system's printer settings and "
                                        "make it the default printer, then print the sheet again."));
    const QString title = QCoreApplication::translate("CalibrationSheetJob", "Quillset calibration sheet");
    const PrintJob job {title, {sheet.page}, {}, QPageSize(QPageSize::A4), sheet.page.orientation};
    int number = 0;
    queue.setCallTimeout(kSheetCallMilliseconds);
    waiter.run([&] { number = queue.submit(sheet.printer.name, job); });
    return number;
}

} // namespace quillset
