#include "CalibrationCommand.h"

#include "cli/SharedOptions.h"
#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "core/issue/CalibrationSheetJob.h"
#include "core/issue/ChequeLife.h"
#include "core/layout/PageMetrics.h"
#include "print/CupsPrintQueue.h"
#include "print/PdfDocument.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace quillset {

using namespace SharedOptions;

namespace {

const QString kSheet = QStringLiteral("calibration-sheet");

} // namespace

QList<QCommandLineOption> CalibrationCommand::options() const
{
    return {
        {kSheet,
         QCoreApplication::translate("CalibrationCommand",
                                     "Make the --account's calibration sheet: its leaf's outline, boxes and rulers "
                                     "where the default printer would put them, to --pdf <file> or --print. Nothing "
                                     "is recorded.")}};
}

bool CalibrationCommand::isWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(kSheet);
}

QString CalibrationCommand::usageProblem(const QCommandLineParser &parser, const QList<const Command *> &) const
{
    if (!isWanted(parser))
        return QString();
    if (parser.value(kAccount).isEmpty() || parser.isSet(kPdf) == parser.isSet(kPrint))
        return QCoreApplication::translate("CalibrationCommand",
                                           "--calibration-sheet takes --account and either --pdf FILE or --print: "
                                           "--calibration-sheet --account ACC1 --pdf sheet.pdf");
    return QString();
}

int CalibrationCommand::run(CommandRun &run) const
{
    const QCommandLineParser &parser = run.parser;
    const Store &store = *run.store;
    const QString path = parser.value(kPdf);
    if (parser.isSet(kPdf)) {
        if (const QString problem = writeTargetProblem(path, FileKind::Pdf, store.databaseFile()); !problem.isEmpty())
            return sayFailure(problem);
    }
    try {
        CupsPrintQueue queue;
        const PageMetrics metrics;
        const CalibrationSheetJob sheet = calibrationSheetJob(store, parser.value(kAccount), queue, metrics);
        if (parser.isSet(kPdf)) {
            writeFile(path, FileKind::Pdf,
                      renderPdf({sheet.page},
                                QCoreApplication::translate("CalibrationCommand", "Quillset calibration sheet")),
                      store.databaseFile());
            sayLine(QCoreApplication::translate("CalibrationCommand", "Wrote the calibration sheet of \"%1\" to %2")
                        .arg(parser.value(kAccount), path));
        } else {
            BlockingWaiter waiter;
            const int job = printCalibrationSheet(sheet, queue, waiter);
            sayLine(QCoreApplication::translate("CalibrationCommand",
                                                "Sent the calibration sheet of \"%1\" to \"%2\" as job %3")
                        .arg(parser.value(kAccount), sheet.printer.name, QString::number(job)));
        }
        sayLine(sheet.note);
        if (!sheet.outside.isEmpty())
            sayFailure(
                printWarningLine(printableAreaWarning(sheet.outside, sheet.printer.name, Audience::CommandLine)));
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
