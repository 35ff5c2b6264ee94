#pragma once

#include "core/cheque/Cheque.h"
#include "core/words/MoneyStyle.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

#include <functional>
#include <optional>

namespace quillset {

class Connection;

/// Where a cheque of a batch came from: the file's name, a hash of its content and the line.
struct BatchOrigin
{
    QString name;
    QByteArray hash;
    int line = 0;
};

/// What a new pending row's history says besides the row itself.
struct PendingNotes
{
    QString overLimitReason; ///< why a cheque above its account's "Not over" limit was let through
    qint64 reprintOf = 0; ///< the row of the spoiled or voided cheque it prints again; 0 for none
};

/// What the register holds of one row of a batch.
struct BatchRowState
{
    ChequeStatus status = ChequeStatus::Printed;
    QString bankId;
    QString chequeNo;
    bool printedAgain = false; ///< spoiled or void, and printed again since on another leaf

    bool operator==(const BatchRowState &) const = default;
};

/// One row of the register.
struct RegisterEntry
{
    qint64 id = 0;
    QDate date;
    QString bankId;
    QString chequeNo;
    QString pay;
    qint64 amount = 0; ///< in the smallest unit of the account's money
    MoneyStyle money;
    ChequeStatus status = ChequeStatus::Printed;
    QString reason; ///< why a leaf was spoiled or a cheque voided
    bool repeated = false; ///< another row of the account has the same number (rows from before numbers were unique)
    QString workstation; ///< where a pending cheque was sent from: host and user
    QString queue; ///< the print queue it went to
    int jobId = 0; ///< the print server's job number
    QDateTime changedAt;
    std::optional<QString> crossing; ///< the crossing's words it printed with; none when it was not crossed

    bool operator==(const RegisterEntry &) const = default;
};

/// The cheques pending in the register as one workstation sees them: its own, to be settled there
/// (with those no workstation sent, from before rows named one), and how many others have in flight.
struct PendingCheques
{
    QList<RegisterEntry> own;
    int elsewhere = 0;
};

/// The store's register of cheques, and every change in a cheque's life. An account is named by its
/// code in capitals or not; rows carry the code as the account stores it. Every call throws Failure
/// when the database fails.
class ChequeRegister
{
public:
    explicit ChequeRegister(const Connection &connection);

    /// Refuses to print the spoiled or void cheque in row `id` again when it has been already: two
    /// live cheques would stand for one.
    void refuseSecondReprint(qint64 id) const;

    /// Writes the cheque as pending, committed at once: the proof that the register can take it,
    /// before anything is printed. Returns the row's id. Throws Failure (NumberTaken) when its number
    /// is already used on the account, and Failure (DatabaseUnreadable) when a page of the register
    /// is damaged, wherever it is.
    /// The notes go into the row's history in the same transaction; a reprint's link is noted in the
    /// old row's history too.
    qint64 addPending(const Cheque &cheque, const QString &workstation, const BatchOrigin *batch = nullptr,
                      const PendingNotes &notes = {}) const;
    /// What the register holds of a batch, by the file's line: the status and number of each row it left.
    QMap<int, BatchRowState> batchRows(const QByteArray &hash) const;
    /// Notes the print job a pending row went out as.
    void setJob(qint64 id, const QString &queue, int jobId) const;
    /// A pending row that printed.
    void markPrinted(qint64 id) const;
    /// A pending row whose leaf came out unusable.
    void markSpoiled(qint64 id, const QString &reason) const;
    /// A pending row that did not print: it is removed, and its number is free again.
    void removeUnprinted(qint64 id) const;
    /// A printed cheque cancelled afterwards.
    void markVoid(qint64 id, const QString &reason) const;
    /// A leaf spoiled before the program printed anything on it.
    qint64 addSpoiledLeaf(const QString &account, const QString &number, const QDate &date,
                          const QString &reason) const;

    /// The row using this number on the account, if any (by value for numbers of digits).
    std::optional<RegisterEntry> findNumber(const QString &account, const QString &number) const;
    /// A cheque of the account printed, or still pending, to the same payee for the same amount on the
    /// same date: the one this cheque would pay again. None when there is no such cheque.
    std::optional<RegisterEntry> samePayment(const Cheque &cheque) const;
    /// The highest number of digits the account has used, as it was typed.
    std::optional<QString> highestNumber(const QString &account) const;
    /// The account's rows, newest first: its pending rows and the latest `limit` others.
    QList<RegisterEntry> rowsOf(const QString &account, int limit) const;
    /// The cheques pending on every account: this workstation's, oldest first, and a count of the others'.
    PendingCheques pending(const QString &workstation) const;
    /// The rows dated from `from` to `to`, both days included, by date and then cheque number (by value
    /// where it is digits), of one account or, without one, of all. A start after the end gives none.
    /// Each row has what a report shows: no Id, workstation, queue, job or time of change.
    QList<RegisterEntry> between(const QDate &from, const QDate &to, const QString &account = QString()) const;
    /// The same rows handed over one at a time as they are read, none of them kept: a month of a
    /// large register written straight to a file. Returns how many there were.
    qsizetype eachBetween(const QDate &from, const QDate &to, const QString &account,
                          const std::function<void(const RegisterEntry &)> &take) const;

    /// Writes a printed cheque straight into the register: only for copying a register over.
    void record(const Cheque &cheque) const;

    /// The payees already written, to suggest as one is typed: the account's own first, then the
    /// others', each the most recent first; every payee once, exactly as it was stored.
    QStringList payeeSuggestions(const QString &account, int limit = 20000) const;

private:
    QString storedCode(const QString &account) const;
    void notePayee(const QString &account, const QString &payee, qint64 id) const;
    void changePending(qint64 id, ChequeStatus to, const QString &reason) const;
    QList<RegisterEntry> select(const QString &where, const QVariantList &values, const QString &order) const;

    /// Runs a change of one row in a transaction with the history entry that records it.
    void changeRow(qint64 id, const QString &action, const QString &reason, const std::function<void()> &change) const;

    const Connection &m_connection;
};

} // namespace quillset

// Every member moves as its bytes do, so a month's list of rows grows in place instead of copying
// row by row.
Q_DECLARE_TYPEINFO(quillset::RegisterEntry, Q_RELOCATABLE_TYPE);
