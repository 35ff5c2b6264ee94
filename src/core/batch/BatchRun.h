#pragma once

#include "core/batch/BatchCheck.h"
#include "core/issue/ChequeLife.h"

#include <functional>

namespace quillset {

/// What a batch run is told between cheques, and may say back.
struct BatchRunHooks
{
    /// Before each cheque: its place in the batch (from 1) and the batch's count.
    std::function<void(int position, int count, const BatchCheque &cheque)> starting;
    /// Asked between cheques: true stops the run before the next one.
    std::function<bool()> stopRequested;
};

/// How a batch run ended.
struct BatchOutcome
{
    int printed = 0;
    int skipped = 0; ///< printed, spoiled or voided in an earlier run of the same batch
    QList<int> notPrinted; ///< the lines that did not print, in order
    QString stopReason; ///< why the run stopped early; empty when every row was tried
    QMap<QString, QStringList> numbers; ///< by account: the numbers this run printed, in order
    bool leftPending = false; ///< a row stays pending, from this run or an earlier one: it may have printed
    QStringList spoiledBefore; ///< numbers of rows spoiled in an earlier run and not printed again since
    /// Every row of the batch has a cheque that printed, in this run or an earlier one.
    bool allPrinted() const
    {
        return notPrinted.isEmpty() && !leftPending && spoiledBefore.isEmpty() && stopReason.isEmpty();
    }
    /// In plain words, with the numbers used: "18 printed (000101–000118), 2 not printed: lines 20
    /// and 21. The printer ...".
    QString summary() const;
};

/// Prints a clean batch one cheque after the other through the cheque's life, each row marked in
/// the register with the batch and its line. Rows a run of the same batch printed or spoiled before
/// are skipped; a row it left pending stops the run until it is settled. A cheque that does not
/// print stops the run there; the ones before it stay printed.
BatchOutcome runBatch(const CheckedBatch &batch, const IssueContext &context, const BatchRunHooks &hooks = {});

/// What the default printer of the context's queue cannot print of the cheques a run would print:
/// each warning once, led by the lines it is about ("Lines 2 and 3: The printer ..."). Empty when
/// every item prints whole, or the printer or its margins are not known (the run then says why it
/// cannot print, before anything is written).
QStringList printableAreaLines(const CheckedBatch &batch, const IssueContext &context);

} // namespace quillset
