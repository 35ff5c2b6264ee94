#pragma once

#include "core/base/Failure.h"
#include "core/layout/PrintSettings.h"
#include "store/ChequeRegister.h"

#include <QString>

#include <functional>
#include <optional>

namespace quillset {

class PageMetrics;
class PrintQueue;
class Store;
struct BankAccountRecord;
struct Cheque;
struct ChequePage;

/// How a print sequence waits on the print server: keeping a window responsive, or simply blocking.
class Waiter
{
public:
    virtual ~Waiter() = default;
    /// Runs a call that may block, such as a call into the print server, and returns once it has
    /// finished; what it threw is thrown again here.
    virtual void run(const std::function<void()> &call) = 0;
    /// Waits a moment before looking again.
    virtual void pause(int milliseconds) = 0;
};

/// Blocks the calling thread: for the command line.
class BlockingWaiter final : public Waiter
{
public:
    void run(const std::function<void()> &call) override { call(); }
    void pause(int milliseconds) override;
};

/// What becomes of a job that has not finished when the print's time limit runs out.
enum class Overdue {
    LeavePending, ///< stop waiting; the cheque stays pending for someone to settle
    WaitLonger, ///< wait another time limit
    CancelJob, ///< cancel the job in the print server
};

/// Hears how a print is getting on, to show it while it runs, and says what the operator wants
/// done about a job that is held or slow.
class IssueProgress
{
public:
    virtual ~IssueProgress() = default;
    virtual void update(const QString &text) = 0;
    /// True once the operator has asked for the print to stop: its job is then cancelled.
    virtual bool cancelRequested() const { return false; }
    /// Asked when the time limit runs out, with where the job stands.
    virtual Overdue overdue(const QString &situation)
    {
        Q_UNUSED(situation);
        return Overdue::LeavePending;
    }
};

/// What happened to a cheque sent to print.
struct IssueOutcome
{
    enum class Kind {
        Printed, ///< the print server reported it completed, and it is recorded as printed
        NotPrinted, ///< nothing reached the paper; no row is left
        Unknown, ///< it may have printed; the row stays pending for the operator to settle
        NotMarked, ///< it printed, but its row could not be marked printed and stays pending
    };
    Kind kind = Kind::NotPrinted;
    QString message; ///< what to tell the operator; empty when all went well
    int jobId = 0;
    std::optional<ErrorNumber> failure; ///< what stopped it, when it did not print
    QString number; ///< the cheque number it went out with
};

/// What a print sequence works with.
struct IssueContext
{
    const Store &store;
    PrintQueue &queue;
    const PageMetrics &metrics;
    Waiter &waiter;
    IssueProgress *progress = nullptr;
    QString workstation;
    const BatchOrigin *batch = nullptr; ///< the batch row the cheque comes from, if any
    /// Asked, with the warning, when part of the cheque would fall where the printer cannot print or
    /// a date or company name runs past its box; false stops the print. Without it the printer's
    /// margins are not looked at.
    std::function<bool(const QString &warning)> proceedDespite = {};
    Audience audience = Audience::Window; ///< who the outcome's message is for
    /// The reason given for a cheque above its account's "Not over" limit (without one such a cheque
    /// is refused), and the row a reprint prints again; both go into the cheque's history.
    PendingNotes notes = {};
};

/// The cheque's page once every check a cheque must pass before printing has passed: its account
/// exists, its number is free on the account, every printed item's ink lies on the sheet and on the
/// leaf, and the payee, words and figures fit their boxes. The page is placed with the calibration
/// of that printer (the office's for an empty name). Throws Failure saying which check failed.
ChequePage checkedChequePage(const Store &store, const Cheque &cheque, const PageMetrics &metrics,
                             BankAccountRecord &account, const QString &printer = QString());
/// The same checks on an account and settings already read, as a batch reads them once for all its
/// cheques; the cheque's money must be the account's. The Failure names the faults alone, as a check
/// lists them.
ChequePage checkedChequePage(const Store &store, const Cheque &cheque, const PageMetrics &metrics,
                             const BankAccountRecord &account, const PrintSettings &settings);

/// Prints one cheque so that the register holds it exactly once: checked, written pending (which
/// proves the register can take it), sent to the queue, followed until the print server says how
/// it ended, then marked printed, or removed when it did not print. A program killed at any moment
/// leaves every cheque that may have printed as a pending row.
IssueOutcome issueCheque(const Cheque &cheque, const IssueContext &context);

/// Prints the cheque with the account's next number, taken at the moment it is printed: when another
/// workstation takes that number first, the one after it is taken instead.
IssueOutcome issueNextCheque(Cheque cheque, const IssueContext &context);

/// The number offered for the account's next cheque: one after its highest, as wide; empty when it
/// has none yet.
QString offeredNumber(const Store &store, const QString &account);

/// This workstation, as a pending row names it: host name and user.
QString workstationName();

/// What the operator is told at start-up when cheques this workstation sent are pending, naming
/// them, with those other workstations have in flight counted apart; empty when none of its own are.
QString pendingNotice(const PendingCheques &pending, Audience audience);

/// The command that settles the account's cheque, for someone at the command line, such as
/// "quillset --mark printed|spoiled|unprinted --account ACC1 --cheque 000123".
QString settleCommand(const QString &account, const QString &number,
                      const QString &how = QStringLiteral("printed|spoiled|unprinted"));

/// The ways a register row is settled by hand.
enum class Settlement {
    Printed, ///< a pending cheque that did print
    Spoiled, ///< a pending cheque whose leaf is unusable, or a leaf spoiled before printing
    Unprinted, ///< a pending cheque that did not print: the row goes and its number is free
    Void, ///< a printed cheque cancelled afterwards
};

/// The settlement a word names: "printed", "spoiled", "void" or "unprinted".
std::optional<Settlement> settlementFromWord(const QString &word);

/// Whom settling asks whether a pending cheque's job is still in the print server: this
/// workstation's print server, which knows only the jobs sent from this workstation's host.
struct JobCheck
{
    PrintQueue &queue;
    QString workstation;
};

/// Settles a row. A reason is required for spoiled and void. A pending cheque is settled only once
/// its print has ended: not while its job is unfinished in the print server, nor while it may still
/// be on its way there. Throws Failure saying why when the row cannot be settled that way.
void settle(const ChequeRegister &cheques, const RegisterEntry &row, Settlement settlement, const QString &reason,
            const JobCheck &jobs);

/// Settles the account's cheque of that number; spoiling a number the register does not hold
/// records the spoiled leaf. Returns what was done, in words.
QString settleNumber(const Store &store, const QString &account, const QString &number, Settlement settlement,
                     const QString &reason, const QDate &today, const JobCheck &jobs);

/// The title of a cheque's print job, by which the print server's queue shows it.
QString chequeJobTitle(const QString &account, const QString &number);

} // namespace quillset
