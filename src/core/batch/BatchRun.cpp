#include "BatchRun.h"

#include "core/batch/BatchWords.h"
#include "core/issue/IssueCheque.h"
#include "core/layout/PageChecks.h"
#include "core/layout/PrintQueue.h"
#include "store/Store.h"

#include <QCoreApplication>

namespace quillset {

QString BatchOutcome::summary() const
{
    QString text = QCoreApplication::translate("BatchRun", "%1 printed").arg(printed);
    if (numbers.size() == 1) {
        text += QStringLiteral(" (%1)").arg(numberRuns(numbers.first()));
    } else if (numbers.size() > 1) {
        QStringList used;
        for (auto it = numbers.cbegin(); it != numbers.cend(); ++it)
            used.append(QStringLiteral("%1 %2").arg(it.key(), numberRuns(*it)));
        text += QStringLiteral(" (%1)").arg(used.join(QStringLiteral("; ")));
    }
    if (skipped > 0)
        text += QCoreApplication::translate("BatchRun", ", %1 skipped as printed or spoiled before").arg(skipped);
    if (!notPrinted.isEmpty())
        text += QCoreApplication::translate("BatchRun", ", %1 not printed: %2")
                    .arg(notPrinted.size())
                    .arg(linesInWords(notPrinted));
    text += u'.';
    if (!spoiledBefore.isEmpty())
        text += u' '
            + QCoreApplication::translate("BatchRun",
                                          "Spoiled in an earlier run and not printed again: %1. Print each again "
                                          "from the register (--reprint, or Reprint on next leaf under Register).")
                  .arg(numberRuns(spoiledBefore));
    if (!stopReason.isEmpty())
        text += u' ' + stopReason;
    return text;
}

namespace {

// As long as one call to the print server may take before it counts as not answering.
constexpr int kPrinterCallMilliseconds = 15000;

} // namespace

QStringList printableAreaLines(const CheckedBatch &batch, const IssueContext &context)
{
    QString printer;
    std::optional<QMarginsF> margins;
    try {
        context.queue.setCallTimeout(kPrinterCallMilliseconds);
        context.waiter.run([&] { printer = context.queue.defaultQueue(); });
        context.queue.setCallTimeout(kPrinterCallMilliseconds);
        context.waiter.run([&] { margins = context.queue.printableMargins(printer); });
    } catch (const Failure &) {
        return {};
    }
    if (!margins)
        return {};
    // Each page placed with that printer's calibration and numbered as the run would number it now.
    ChequeComposer composer(context.store, context.metrics, printer);
    QMap<QString, QList<int>> linesByWarning;
    QStringList warnings; // in the order of the first line each is about
    for (const BatchCheque &row : batch.cheques) {
        if (batch.registered.contains(row.line))
            continue; // the run skips it
        Cheque cheque = row.cheque;
        if (row.takesNextNumber)
            cheque.number = batch.plannedNumbers.value(row.line);
        QString warning;
        try {
            warning = printableAreaWarning(outsidePrintableArea(composer.compose(cheque), *margins, context.metrics),
                                           printer, context.audience);
        } catch (const Failure &) {
            continue; // the run refuses that cheque in its own words
        }
        if (warning.isEmpty())
            continue;
        if (!linesByWarning.contains(warning))
            warnings.append(warning);
        linesByWarning[warning].append(row.line);
    }
    QStringList said;
    for (const QString &warning : warnings) {
        QString lines = linesInWords(linesByWarning.value(warning));
        lines[0] = lines.at(0).toUpper();
        said.append(lines + QStringLiteral(": ") + warning);
    }
    return said;
}

BatchOutcome runBatch(const CheckedBatch &batch, const IssueContext &context, const BatchRunHooks &hooks)
{
    BatchOutcome outcome;
    QMap<int, BatchRowState> before;
    try {
        before = context.store.cheques().batchRows(batch.file.hash);
    } catch (const Failure &failure) {
        for (const BatchCheque &cheque : batch.cheques)
            outcome.notPrinted.append(cheque.line);
        outcome.stopReason
            = QCoreApplication::translate("BatchRun", "The register could not be read: %1").arg(failure.description());
        return outcome;
    }
    const auto stopAt = [&](qsizetype index, const QString &reason) {
        for (qsizetype rest = index; rest < batch.cheques.size(); ++rest) {
            if (!before.contains(batch.cheques.at(rest).line))
                outcome.notPrinted.append(batch.cheques.at(rest).line);
        }
        outcome.stopReason = reason;
    };
    for (qsizetype index = 0; index < batch.cheques.size(); ++index) {
        const BatchCheque &row = batch.cheques.at(index);
        if (const auto earlier = before.constFind(row.line); earlier != before.constEnd()) {
            if (earlier->status == ChequeStatus::Pending) {
                const QString settle = context.audience == Audience::CommandLine
                    ? QCoreApplication::translate("BatchRun", "settle it with %1 (it may have printed)")
                          .arg(settleCommand(row.cheque.accountCode,
                                             earlier->chequeNo.isEmpty()
                                                 ? QCoreApplication::translate("BatchRun", "NUMBER")
                                                 : earlier->chequeNo))
                    : QCoreApplication::translate("BatchRun", "settle it under Register (it may have printed)");
                outcome.leftPending = true;
                stopAt(index,
                       QCoreApplication::translate(
                           "BatchRun",
                           "Line %1 is still pending in the register from an earlier run: %2, then "
                           "run the batch again.")
                           .arg(row.line)
                           .arg(settle));
                return outcome;
            }
            if (earlier->status == ChequeStatus::Spoiled && !earlier->printedAgain)
                outcome.spoiledBefore.append(earlier->chequeNo);
            ++outcome.skipped;
            continue;
        }
        if (hooks.stopRequested && hooks.stopRequested()) {
            stopAt(index,
                   QCoreApplication::translate("BatchRun", "The batch was stopped; run it again to print the rest."));
            return outcome;
        }
        if (hooks.starting)
            hooks.starting(static_cast<int>(index) + 1, static_cast<int>(batch.cheques.size()), row);
        const BatchOrigin origin {batch.file.name, batch.file.hash, row.line};
        IssueContext rowContext = context;
        rowContext.batch = &origin;
        const IssueOutcome printed
            = row.takesNextNumber ? issueNextCheque(row.cheque, rowContext) : issueCheque(row.cheque, rowContext);
        if (printed.kind != IssueOutcome::Kind::Printed) {
            outcome.leftPending
                = printed.kind == IssueOutcome::Kind::Unknown || printed.kind == IssueOutcome::Kind::NotMarked;
            stopAt(index, QCoreApplication::translate("BatchRun", "Line %1: %2").arg(row.line).arg(printed.message));
            return outcome;
        }
        ++outcome.printed;
        outcome.numbers[row.cheque.accountCode].append(printed.number);
    }
    return outcome;
}

} // namespace quillset
