#pragma once

#include "core/base/Failure.h"
#include "core/batch/BatchFile.h"
#include "core/cheque/Cheque.h"
#include "core/layout/ChequePage.h"
#include "store/ChequeRegister.h"

#include <QDate>
#include <QHash>
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
    /// Rows for a second look, asked about once before the batch prints: a 0 amount, a number in no
    /// cheque book, an amount above the limit, a date to look at, ...
    QList<BatchProblem> toConfirm;
    /// Rows above their account's "Not over" limit: they print only with a reason.
    QList<BatchProblem> overLimit;
    QStringList notes; ///< what to know before printing: the leaves each account's books have left
    /// cheques of an account's Positive Pay threshold from earlier days not yet reported: told, never refused
    QStringList positivePay;
    QMap<QString, BatchTotal> totals; ///< by account
    QMap<int, BatchRowState> registered; ///< by line: the rows an earlier run left in the register
    QMap<int, QString> plannedNumbers; ///< by line: the number a row taking the next one would get now
    /// by line: each row's page as it was checked, placed with the office's calibration (a proof
    /// for a printer calibrated alike draws these rather than composing them again)
    QHash<int, ChequePage> pages;

    bool isClean() const { return file.problems.isEmpty() && problems.isEmpty(); }
    /// Every problem of the file and its rows, each cause once with the lines it touches.
    QStringList problemLines() const;
    /// The rows for a second look, each cause once with the lines it touches.
    QStringList confirmLines() const;
    /// The rows above their account's limit, each cause once with the lines it touches.
    QStringList overLimitLines() const;
    /// The totals in words and figures, one line per account.
    QStringList totalLines(const Store &store) const;
    /// How many of its cheques a run would print: those the register does not hold yet.
    qsizetype toPrint() const;
    /// Where the batch stands: "25 cheque(s), ready to print.", or already printed, with the numbers.
    QString standing() const;
};

/// Checks every row: read as the entry window reads a cheque (the batch's account and the stamp
/// setting where the file says nothing; an amount grouped as the account groups its amounts), then
/// the account, a number free on it and not twice in the batch, and a page that fits. Dates are
/// read by the office's date settings on `today`. The numbers the rows would take are followed
/// through the account's cheque books: rows outside every book are flagged, and the leaves left are
/// noted. `limit` (in whole units; 0 for the account's own "Not over" limit) and the date settings
/// decide what else is flagged for confirmation; rows above their account's limit are listed apart,
/// for they print only with a reason. The problems are worded for who is told.
CheckedBatch checkBatch(const Store &store, const BatchFile &file, const QString &account, const PageMetrics &metrics,
                        const QDate &today, qint64 limit = 0, Audience audience = Audience::Window);

/// After a run: the leaves left in the cheque books of each account, said louder when they are
/// few (the "LowLeaves" setting); nothing for an account without books.
QStringList leavesLeftLines(const Store &store, const QStringList &accounts);

} // namespace quillset
