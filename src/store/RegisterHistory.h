#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

namespace quillset {

class Connection;

/// One entry of the register's history: who changed what, when, from which value to which, and why.
/// Each holds the SHA-256 of the entry before it and of its own content, so that an entry edited,
/// removed or slipped in outside the program breaks the chain.
struct HistoryEvent
{
    qint64 id = 0;
    QDateTime at;
    QString osUser; ///< the operating-system user the program ran as
    QString workstation; ///< the computer's name
    QString role; ///< the database role on a server; empty for a file
    QString subject; ///< "cheque", "account", "cheque book", "setting", "calibration"
    QString key; ///< which one: a cheque's row, an account's code, a setting's name...
    QString action; ///< "pending", "printed", "void", "changed"...
    QString oldValue; ///< the row before, as JSON; empty for a new one
    QString newValue; ///< the row after, as JSON; empty for one removed
    QString reason;
    QString previousHash;
    QString hash;
};

/// What a walk of the history found: the first broken link of the chain, and every cheque row that is
/// not what its history says it is.
struct RegisterCheck
{
    qint64 events = 0;
    qint64 cheques = 0;
    QStringList damage; ///< what is wrong with the database's file itself; then nothing else is walked
    QString brokenLink; ///< empty when the chain holds from the first entry to the last
    QStringList differences; ///< one line per cheque row that differs from its history

    bool isClean() const { return damage.isEmpty() && brokenLink.isEmpty() && differences.isEmpty(); }
};

/// The register's append-only history, kept in the same transaction as each change it records.
class RegisterHistory
{
public:
    explicit RegisterHistory(const Connection &connection);

    /// Records a change of any subject; the row values are JSON from rowState().
    void append(const QString &subject, const QString &key, const QString &action, const QString &oldValue,
                const QString &newValue, const QString &reason = QString()) const;
    /// Records a change of one cheque row: `before` is its state before the change (chequeState()),
    /// and its state now is read from the row (nothing once the row is gone).
    void chequeChanged(qint64 id, const QString &action, const QString &before, const QString &reason = {}) const;
    /// Records something about a cheque row that does not change it: a confirmation, a link to
    /// another row, a report to the bank. The entry keeps the row's state, so the row still matches
    /// its last entry.
    void chequeNoted(qint64 id, const QString &action, const QString &reason) const;
    /// A cheque row as its history keeps it, as JSON; empty when there is no such row.
    QString chequeState(qint64 id) const;
    /// Any row as JSON of its columns, for the history of accounts, books and settings.
    QString rowState(const QString &table, const QString &keyColumn, const QVariant &key) const;

    /// Every entry about one subject, oldest first.
    QList<HistoryEvent> of(const QString &subject, const QString &key) const;
    /// The entries of the cheque in that row now, oldest first.
    QList<HistoryEvent> ofCheque(qint64 id) const;
    /// The row of the cheque that prints the spoiled or void cheque `id` again, while that cheque is
    /// still in the register (a reprint found not printed is none).
    std::optional<qint64> reprintOf(qint64 id) const;
    /// Starts the history of a register that has none yet: an entry that says it begins, and one for
    /// each cheque row already there. Does nothing once the history has begun. A large register
    /// takes a while: `progress` is told how many of its rows are done.
    void begin(const std::function<void(int done, int total)> &progress = {}) const;
    /// Starts the history of cheque rows that have none (a register from before the history was kept,
    /// or one just copied in), each with an entry that says so.
    void carryOver(const QString &reason, const std::function<void(int done, int total)> &progress = {}) const;
    /// Appends the whole history of the register `source` was copied from, after an entry that says
    /// so: each entry with the time, user, workstation, action and reason it had, linked into this
    /// register's chain, a cheque's values in this register's terms. The copied rows keep their Ids.
    void copyFrom(const Connection &source, const QString &reason) const;
    /// Walks the whole chain and compares every cheque row with its last entry.
    RegisterCheck verify() const;

private:
    QString lastState(qint64 id) const;

    const Connection &m_connection;
};

} // namespace quillset
