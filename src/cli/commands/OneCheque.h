#pragma once

#include "core/cheque/Cheque.h"
#include "core/issue/ChequeLife.h"
#include "print/CupsPrintQueue.h"

#include <QString>

#include <functional>
#include <optional>

class QCommandLineParser;

namespace quillset {

class PageMetrics;
class Store;

/// The one cheque --print and --pdf describe, read as the entry window reads it.
struct RequestedCheque
{
    std::optional<Cheque> cheque; ///< none when it cannot be read: the problem has been said
    int status = 0; ///< the exit status when there is no cheque
    bool next = false; ///< --cheque next: the number is taken at the moment of printing
    QString dateFlag; ///< why its date needs a second look, or empty
};

/// Reads the cheque from --account, --cheque, --pay, --date, --amount and the stamp; says on
/// standard error why it cannot. Throws Failure when the store fails.
RequestedCheque readRequestedCheque(const QCommandLineParser &parser, const Store &store);

/// What is wrong with the options of one cheque (--print, --pdf, --stamp, --mark, --confirm), or empty.
QString oneChequeUsageProblem(const QCommandLineParser &parser);

/// What a cheque is printed with from the command line: the default print queue, a waiter that
/// blocks, and a context that tells a script each warning rather than asking it, and carries the
/// reason given for a cheque above its account's limit.
class CommandLineIssue
{
public:
    CommandLineIssue(const QCommandLineParser &parser, const Store &store, const PageMetrics &metrics);
    CommandLineIssue(const CommandLineIssue &) = delete;
    CommandLineIssue &operator=(const CommandLineIssue &) = delete;

    const IssueContext &context() const { return m_context; }

private:
    CupsPrintQueue m_queue;
    BlockingWaiter m_waiter;
    IssueContext m_context;
};

/// Prints a cheque through its life as the window's Print does, telling a script what it cannot be
/// asked (a warning, and the reason given for a cheque above its account's limit), and says how it
/// ended; returns the exit status. `issue` takes the context and prints: the cheque, the next one,
/// a reprint. `printed` is what is said once it printed, with %1 for its number.
int issueFromCommandLine(const QCommandLineParser &parser, const Store &store,
                         const std::function<IssueOutcome(const IssueContext &)> &issue, const QString &printed);

/// What is wrong with --confirm-over-limit and its --reason, or empty.
QString overLimitUsageProblem(const QCommandLineParser &parser);

/// Tells, on standard error, which cheques this workstation left pending, if it left any.
void sayPendingCheques(const Store &store);

/// Tells, on standard error, of the account's cheques at or above its Positive Pay threshold from
/// earlier days that the bank was not told of, as the windows and a batch tell before printing: a
/// warning, never a stop.
void sayUnreportedPositivePay(const Store &store, const BankAccountRecord &account);

} // namespace quillset
