#include "ProofCommand.h"

#include "cli/SharedOptions.h"
#include "cli/commands/OneCheque.h"
#include "cli/commands/ProofChecks.h"
#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "core/issue/IssueCheque.h"
#include "core/layout/PageMetrics.h"
#include "print/CupsPrintQueue.h"
#include "print/PdfDocument.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace quillset {

using namespace SharedOptions;

bool ProofCommand::isWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(kPdf);
}

int ProofCommand::run(CommandRun &run) const
{
    const Store &store = *run.store;
    sayPendingCheques(store);
    try {
        const RequestedCheque request = readRequestedCheque(run.parser, store);
        if (!request.cheque)
            return request.status;
        const Cheque &cheque = *request.cheque;
        // A proof is placed as the default printer would print it.
        const PageMetrics metrics;
        CupsPrintQueue queue(2000);
        const ProofPrinter printer = proofPrinter(queue);
        const ChequePage page = composeChequePage(store, cheque, metrics, printer.name);
        writeFile(
            run.parser.value(kPdf), FileKind::Pdf,
            renderPdf({page}, QCoreApplication::translate("ProofCommand", "Quillset cheque %1").arg(cheque.number)),
            store.databaseFile());
        std::printf("%s\n", qUtf8Printable(calibrationNote(store, printer.name)));
        // Nobody can be asked here: a date that needs a second look is said.
        if (!request.dateFlag.isEmpty())
            say(printWarningLine(
                QCoreApplication::translate("ProofCommand", "the cheque is %1").arg(request.dateFlag)));
        for (const QString &line : proofChecks(page, metrics, printer))
            say(line);
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
