#include "ProofChecks.h"

#include "cli/CliLog.h"
#include "cli/CommandOutput.h"
#include "core/base/ErrorKind.h"
#include "core/base/Failure.h"
#include "core/layout/PageChecks.h"
#include "core/layout/PrintQueue.h"

#include <QCoreApplication>

namespace quillset {

ProofPrinter proofPrinter(PrintQueue &queue)
{
    ProofPrinter printer;
    try {
        printer.name = queue.defaultQueue();
        printer.margins = queue.printableMargins(printer.name);
    } catch (const Failure &failure) {
        // A proof needs no printer; it is then placed with the office's calibration, and says so.
        qCDebug(lcCli).noquote() << "the proof is placed without a printer:" << failure;
    }
    return printer;
}

QStringList proofChecks(const ChequePage &page, const PageMetrics &metrics, const ProofPrinter &printer)
{
    // A proof shows what would print; say what would stop it printing, and warn as the print would.
    QStringList lines;
    for (const Failure &problem : pageProblems(page, metrics))
        lines.append(
            QCoreApplication::translate("ProofChecks", "the proof is written, but this cheque would not print: %1")
                .arg(problem.description(Audience::CommandLine)));
    const QString warning = printWarning(page, metrics, printer.name, printer.margins, Audience::CommandLine);
    if (!warning.isEmpty())
        lines.append(printWarningLine(warning));
    return lines;
}

} // namespace quillset
