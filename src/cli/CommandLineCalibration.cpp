#include "CommandLineCalibration.h"

#include "cli/CommandLinePrint.h"
#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "core/issue/CalibrationSheetJob.h"
#include "core/issue/ChequeLife.h"
#include "core/layout/PageMetrics.h"
#include "print/CupsPrintQueue.h"
#include "print/PdfDocument.h"
#include "store/Store.h"

#include <QCommandLineParser>

#include <cstdio>

namespace quillset {

namespace {

const QString kSheet = QStringLiteral("calibration-sheet");
const QString kAccount = QStringLiteral("account");
const QString kPdf = QStringLiteral("pdf");
const QString kPrint = QStringLiteral("print");

} // namespace

void addCalibrationOptions(QCommandLineParser &parser)
{
    parser.addOption({kSheet,
                      QStringLiteral("Make the --account's calibration sheet: its leaf's outline, boxes and rulers "
                                     "where the default printer would put them, to --pdf <file> or --print. Nothing "
                                     "is recorded.")});
}

bool wantsCalibrationSheet(const QCommandLineParser &parser)
{
    return parser.isSet(kSheet);
}

QString calibrationUsageProblem(const QCommandLineParser &parser)
{
    if (!wantsCalibrationSheet(parser))
        return QString();
    if (parser.value(kAccount).isEmpty() || parser.isSet(kPdf) == parser.isSet(kPrint))
        return QStringLiteral("--calibration-sheet takes --account and either --pdf FILE or --print: "
                              "--calibration-sheet --account ACC1 --pdf sheet.pdf");
    return QString();
}

int calibrationSheetFromCommandLine(const QCommandLineParser &parser, const Store &store)
{
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
            writeFile(path, FileKind::Pdf, renderPdf({sheet.page}, QStringLiteral("Quillset calibration sheet")),
                      store.databaseFile());
            std::printf("Wrote the calibration sheet of \"%s\" to %s\n", qUtf8Printable(parser.value(kAccount)),
                        qUtf8Printable(path));
        } else {
            BlockingWaiter waiter;
            const int job = printCalibrationSheet(sheet, queue, waiter);
            std::printf("Sent the calibration sheet of \"%s\" to \"%s\" as job %d\n",
                        qUtf8Printable(parser.value(kAccount)), qUtf8Printable(sheet.printer.name), job);
        }
        std::printf("%s\n", qUtf8Printable(sheet.note));
        if (!sheet.outside.isEmpty())
            sayFailure(QStringLiteral("warning: %1")
                           .arg(printableAreaWarning(sheet.outside, sheet.printer.name, Audience::CommandLine)));
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
