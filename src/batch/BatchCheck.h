#pragma once

#include "BatchFile.h"
#include "cheque/Cheque.h"
#include "core/Failure.h"

#include <QDate>
#include <QList>
#include <QMap>

namespace quillset {

class PageMetrics;
class Store;

/// One cheque of a checked batch. Its number is empty until it is printed when the file left the
/// Cheque column empty: numbers are only taken when the batch is committed.
struct BatchCheque
{
    int line = 0;
    Cheque cheque;
    bool takesNextNumber = false;

    bool operator==(const BatchCheque &) const = default;
};

/// The count and sum of a batch's cheques on one account, in the account's smallest unit.
struct BatchTotal
{
    int count = 0;
    qint64 sum = 0;
};

/// A batch after every row went through the cheque's own reading and the cheque life's checks.
struct CheckedBatch
{
    BatchFile file;
    QList<BatchCheque> cheques;
    QList<BatchProblem> problems; ///< any of them and nothing prints
    QList<BatchProblem> toConfirm; ///< post-dated and stale cheques, and amounts above the limit
    QMap<QString, BatchTotal> totals; ///< by account

    bool isClean() const { return file.problems.isEmpty() && problems.isEmpty(); }
    /// Every problem of the file and its rows, one per line.
    QStringList problemLines() const;
    /// The totals in words and figures, one line per account.
    QStringList totalLines(const Store &store) const;
};

/// Checks every row: read as the entry window reads a cheque (the batch's account and the stamp
/// setting where the file says nothing), then the account, a number free on it and not twice in
/// the batch, and a page that fits. Dates are read by the office's date settings on `today`, which
/// with `limit` (in whole units; 0 for none) decides what is flagged for confirmation. The problems
/// are worded for who is told.
CheckedBatch checkBatch(const Store &store, const BatchFile &file, const QString &account, const PageMetrics &metrics,
                        const QDate &today, qint64 limit = 0, Audience audience = Audience::Window);

} // namespace quillset
