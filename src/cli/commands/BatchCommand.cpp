#include "BatchCommand.h"

#include "cli/SharedOptions.h"
#include "cli/commands/OneCheque.h"
#include "cli/commands/ProofChecks.h"
#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "core/batch/BatchRun.h"
#include "core/issue/ChequeLife.h"
#include "core/issue/IssueCheque.h"
#include "core/layout/PageMetrics.h"
#include "print/CupsPrintQueue.h"
#include "print/PdfDocument.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>

#include <cstdio>

namespace quillset {

using namespace SharedOptions;

namespace {

const QString kBatch = QStringLiteral("batch");
const QString kCheck = QStringLiteral("check");
const QString kLimit = QStringLiteral("limit");
const QString kEncoding = QStringLiteral("encoding");

void sayProgress(int position, int count, const BatchCheque &row)
{
    sayLine(QCoreApplication::translate("BatchCommand", "Cheque %1 of %2: %3 (line %4)")
                .arg(QString::number(position), QString::number(count), row.cheque.payee, QString::number(row.line)));
    std::fflush(stdout);
}

} // namespace

QList<QCommandLineOption> BatchCommand::options() const
{
    return {
        {kBatch,
         QCoreApplication::translate(
             "BatchCommand",
             "Take the cheques from the CSV <file> (columns Pay, Amount, Date; optional Cheque, Account, "
             "Stamp, Crossing), with --check, --pdf or --print."),
         QCoreApplication::translate("BatchCommand", "file")},
        {kCheck,
         QCoreApplication::translate("BatchCommand",
                                     "With --batch: list the problems and the totals, and write nothing.")},
        {kLimit,
         QCoreApplication::translate("BatchCommand", "With --batch: flag amounts above <amount> for a second look."),
         QCoreApplication::translate("BatchCommand", "amount")},
        {kEncoding,
         QCoreApplication::translate(
             "BatchCommand",
             "With --batch: read the file as <name>, such as windows-1252, when it is neither UTF-8 nor "
             "UTF-16 with its byte-order mark."),
         QCoreApplication::translate("BatchCommand", "name")},
    };
}

bool BatchCommand::isWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(kBatch);
}

QString BatchCommand::usageProblem(const QCommandLineParser &parser, const QList<const Command *> &) const
{
    if (!isWanted(parser))
        return parser.isSet(kCheck) || parser.isSet(kLimit) || parser.isSet(kEncoding)
            ? QCoreApplication::translate("BatchCommand", "--check, --limit and --encoding go with --batch.")
            : QString();
    const int ways = (parser.isSet(kCheck) ? 1 : 0) + (parser.isSet(kPdf) ? 1 : 0) + (parser.isSet(kPrint) ? 1 : 0);
    if (ways != 1)
        return QCoreApplication::translate("BatchCommand", "--batch takes one of --check, --pdf FILE or --print.");
    for (const QString &single : {kChequeNo, kPay, kDate, kAmount, kCrossing, kMark, kReport}) {
        if (parser.isSet(single))
            return QCoreApplication::translate("BatchCommand",
                                               "--batch takes its cheques from the file; --%1 does not go with it.")
                .arg(single);
    }
    if (parser.isSet(kConfirm) && !parser.isSet(kPrint))
        return QCoreApplication::translate("BatchCommand", "--confirm goes with --print.");
    if (const QString problem = overLimitUsageProblem(parser); !problem.isEmpty())
        return problem;
    if (parser.isSet(kEncoding) && !isKnownEncoding(parser.value(kEncoding)))
        return QCoreApplication::translate("BatchCommand", "--encoding does not know \"%1\"; name one such as %2.")
            .arg(parser.value(kEncoding), offeredEncodings().join(QStringLiteral(", ")));
    bool ok = true;
    if (parser.isSet(kLimit))
        parser.value(kLimit).toLongLong(&ok);
    return ok ? QString()
              : QCoreApplication::translate("BatchCommand", "--limit takes a whole amount, such as --limit 500000.");
}

int BatchCommand::run(CommandRun &run) const
{
    const QCommandLineParser &parser = run.parser;
    const Store &store = *run.store;
    const PageMetrics metrics;
    const BatchFile file = readBatchFile(parser.value(kBatch), parser.value(kEncoding), Audience::CommandLine);
    const CheckedBatch batch = checkBatch(store, file, parser.value(kAccount), metrics, commandLineToday(),
                                          parser.value(kLimit).toLongLong(), Audience::CommandLine);
    const QStringList problems = batch.problemLines();
    for (const QString &line : problems)
        std::fprintf(stderr, "%s\n", qUtf8Printable(line));
    const QStringList totals = batch.totalLines(store);
    if (!batch.isClean()) {
        say(QCoreApplication::translate("BatchCommand", "the batch \"%1\" has %2 problem(s); nothing was %3.")
                .arg(file.name, QString::number(problems.size()),
                     parser.isSet(kCheck) ? QCoreApplication::translate("BatchCommand", "written")
                                          : QCoreApplication::translate("BatchCommand", "printed")));
        return ExitStatus::Failed;
    }
    const QStringList overLimit = batch.overLimitLines();
    // Above an account's limit a cheque needs a reason, which a script gives with the command.
    if (parser.isSet(kPrint) && !parser.isSet(kConfirmOverLimit) && !overLimit.isEmpty() && batch.toPrint() > 0) {
        for (const QString &line : overLimit)
            std::fprintf(stderr, "%s\n", qUtf8Printable(QCoreApplication::translate("BatchCommand", "Check: ") + line));
        say(QCoreApplication::translate("BatchCommand",
                                        "the batch \"%1\" has cheques above their account's limit (above); nothing "
                                        "was printed. Print them with --confirm-over-limit --reason TEXT.")
                .arg(file.name));
        return ExitStatus::Failed;
    }
    // Told on standard error, never a stop: the bank may still be told before it sees the cheques.
    for (const QString &warning : batch.positivePay)
        say(printWarningLine(warning));
    const QStringList flagged = batch.confirmLines();
    // A script cannot be asked: flagged rows stop a print unless the command says to print them.
    if (parser.isSet(kPrint) && !parser.isSet(kConfirm) && !flagged.isEmpty() && batch.toPrint() > 0) {
        for (const QString &flag : flagged)
            std::fprintf(stderr, "%s\n", qUtf8Printable(QCoreApplication::translate("BatchCommand", "Check: ") + flag));
        for (const QString &note : batch.notes)
            std::fprintf(stderr, "%s\n", qUtf8Printable(note));
        say(QCoreApplication::translate("BatchCommand",
                                        "the batch \"%1\" has rows for a second look (above); nothing was printed. "
                                        "Put them right in the file, or print them as they are with --confirm.")
                .arg(file.name));
        return ExitStatus::Failed;
    }
    if (parser.isSet(kCheck)) {
        sayLine(QCoreApplication::translate("BatchCommand", "The batch \"%1\", read as %2, is clean. %3")
                    .arg(file.name, file.encoding, batch.standing()));
        // Clean is not the same as ready: what --print would stop on is said before it is listed.
        if (!overLimit.isEmpty() || !flagged.isEmpty())
            sayLine(QCoreApplication::translate("BatchCommand",
                                                "Look at the rows below before printing: --print stops on them "
                                                "unless given --confirm (and --confirm-over-limit --reason TEXT "
                                                "for those above a limit)."));
    }
    for (const QString &flag : overLimit + flagged)
        sayLine(QCoreApplication::translate("BatchCommand", "Check: ") + flag);
    for (const QString &note : batch.notes)
        sayLine(note);
    if (parser.isSet(kCheck)) {
        for (const QString &line : totals)
            sayLine(QStringLiteral("  ") + line);
        return ExitStatus::Done;
    }
    try {
        if (parser.isSet(kPdf)) {
            const QString target = parser.value(kPdf);
            if (const QString problem = writeTargetProblem(target, FileKind::Pdf, store.databaseFile());
                !problem.isEmpty())
                return sayFailure(problem);
            // A proof of every cheque, one page each, numbered as they would be now and placed as the
            // default printer would print them; nothing is recorded.
            CupsPrintQueue queue(2000);
            const ProofPrinter printer = proofPrinter(queue);
            QList<ChequePage> pages;
            ChequeComposer composer(store, metrics, printer.name);
            // A printer placed as the office is draws the pages the check composed and found sound.
            const bool placedAsChecked
                = store.parameters().printSettingsFor(printer.name) == store.parameters().printSettingsFor(QString());
            for (const BatchCheque &row : batch.cheques) {
                if (const auto checked = batch.pages.constFind(row.line);
                    placedAsChecked && checked != batch.pages.constEnd()) {
                    pages.append(*checked);
                    continue;
                }
                Cheque cheque = row.cheque;
                if (row.takesNextNumber)
                    cheque.number = batch.plannedNumbers.contains(row.line) ? batch.plannedNumbers.value(row.line)
                                                                            : batch.registered.value(row.line).chequeNo;
                pages.append(composer.compose(cheque));
            }
            writeFile(target, FileKind::Pdf,
                      renderPdf(pages, QCoreApplication::translate("BatchCommand", "Quillset batch %1").arg(file.name)),
                      store.databaseFile());
            sayLine(
                QCoreApplication::translate("BatchCommand", "Wrote %1 cheque(s) of \"%2\" to %3; nothing was recorded.")
                    .arg(pages.size())
                    .arg(file.name, target));
            sayLine(calibrationNote(store, printer.name));
            // Each cheque that --print would warn about, named as --print names it.
            for (qsizetype i = 0; i < pages.size(); ++i) {
                const QStringList checks = proofChecks(pages.at(i), metrics, printer);
                if (checks.isEmpty())
                    continue;
                sayProgress(int(i) + 1, int(pages.size()), batch.cheques.at(i));
                for (const QString &line : checks)
                    sayFailure(line);
            }
            return ExitStatus::Done;
        }
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    const CommandLineIssue print(parser, store, metrics);
    const BatchOutcome outcome = runBatch(batch, print.context(), {sayProgress, {}});
    sayLine(outcome.summary());
    for (const QString &line : totals)
        sayLine(QStringLiteral("  ") + line);
    for (const QString &line : leavesLeftLines(store, outcome.numbers.keys()))
        sayLine(line);
    if (outcome.allPrinted())
        return ExitStatus::Done;
    // A row left pending may have printed: settled first, as a single cheque's status says.
    return outcome.leftPending ? ExitStatus::OutcomeUnknown : ExitStatus::Failed;
}

} // namespace quillset
