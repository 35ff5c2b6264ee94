#include "ChequeLife.h"

#include "core/banks/BankAccount.h"
#include "core/base/CoreLog.h"
#include "core/base/ErrorKind.h"
#include "core/base/Failure.h"
#include "core/cheque/ChequeInput.h"
#include "core/cheque/ChequeNumber.h"
#include "core/issue/AccountLimit.h"
#include "core/issue/ChequeBookLife.h"
#include "core/issue/IssueCheque.h"
#include "core/issue/IssueMessages.h"
#include "core/layout/CalibrationSheet.h"
#include "core/layout/ComposeCheque.h"
#include "core/layout/PageChecks.h"
#include "core/layout/PrintQueue.h"
#include "store/Store.h"

#include <QDeadlineTimer>
#include <QPageSize>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <limits>

namespace quillset {

namespace {

constexpr int kLongestCallMilliseconds = 15000;
// A job is asked after soon, since a print server often has a page done within milliseconds, then
// half as long again each time, up to a slow pace for a job that waits on a printer: six times in
// its first tenth of a second, twelve in its first second.
constexpr int kFirstPollMilliseconds = 4;
constexpr int kSlowestPollMilliseconds = 250;
constexpr int kSettleCallMilliseconds = 5000;
// How long after its pending row is written a cheque may still be on its way to the print server:
// more than the two calls (connecting, creating the job) that may each wait their whole limit.
constexpr qint64 kOnItsWaySeconds = 2 * kLongestCallMilliseconds / 1000;

IssueOutcome outcomeOf(IssueOutcome::Kind kind, const QString &message, int job, const QString &number)
{
    IssueOutcome outcome;
    outcome.kind = kind;
    outcome.message = message;
    outcome.jobId = job;
    outcome.number = number;
    return outcome;
}

IssueOutcome notPrinted(const Failure &failure, Audience audience)
{
    IssueOutcome outcome = outcomeOf(IssueOutcome::Kind::NotPrinted, errorMessage(failure, audience), 0, QString());
    outcome.failure = failure.number();
    return outcome;
}

QString stateWords(const JobStatus &status)
{
    return IssueMessages::jobState(status.state == JobStatus::State::Printing, status.state == JobStatus::State::Held,
                                   status.printerMessage);
}

// How following a job in the print server ended.
struct FollowedJob
{
    JobStatus status;
    bool cancelling = false; ///< the operator had the job cancelled
    bool unfinished = false; ///< it had not finished when following it stopped
    int waitedSeconds = 0;
    QString last; ///< where it stood at the last look, in words
};

// Follows the job until the print server says it finished. A job still unfinished when the time
// runs out is the operator's to wait for or cancel; without an operator, following it stops there.
FollowedJob followJob(const IssueContext &context, const QString &printer, int job, const QString &number,
                      QDeadlineTimer &deadline, int timeoutSeconds)
{
    FollowedJob followed;
    followed.waitedSeconds = timeoutSeconds;
    QString silence;
    int pollMilliseconds = kFirstPollMilliseconds;
    const auto tell = [&](const QString &text) {
        if (context.progress)
            context.progress->update(text);
    };
    const auto call = [&](const std::function<void()> &request) {
        context.queue.setCallTimeout(
            static_cast<int>(qBound(qint64(500), deadline.remainingTime(), qint64(kLongestCallMilliseconds))));
        context.waiter.run(request);
    };
    const auto cancel = [&] {
        followed.cancelling = true;
        deadline = QDeadlineTimer(kLongestCallMilliseconds); // for the server to confirm it
        tell(IssueMessages::cancellingJob(number, printer, job));
        try {
            call([&] { context.queue.cancelJob(printer, job); });
        } catch (const Failure &failure) {
            silence = failure.description();
        }
    };
    for (;;) {
        try {
            call([&] { followed.status = context.queue.jobStatus(printer, job); });
            silence.clear();
        } catch (const Failure &failure) {
            silence = failure.description();
        }
        followed.last = silence.isEmpty() ? stateWords(followed.status) : silence;
        if (followed.status.finished())
            return followed;
        tell(IssueMessages::jobProgress(number, printer, job, followed.cancelling, followed.last));
        if (!followed.cancelling && context.progress && context.progress->cancelRequested()) {
            cancel();
            continue;
        }
        if (deadline.hasExpired()) {
            const Overdue choice = followed.cancelling || !context.progress
                ? Overdue::LeavePending
                : context.progress->overdue(
                    IssueMessages::jobOverdue(number, printer, job, followed.waitedSeconds, followed.last));
            if (choice == Overdue::LeavePending) {
                followed.unfinished = true;
                return followed;
            }
            if (choice == Overdue::WaitLonger) {
                deadline = QDeadlineTimer(timeoutSeconds * 1000);
                followed.waitedSeconds += timeoutSeconds;
            } else {
                cancel();
            }
            continue;
        }
        context.waiter.pause(pollMilliseconds);
        pollMilliseconds = std::min(pollMilliseconds * 3 / 2, kSlowestPollMilliseconds);
    }
}

// A word of a command as a shell takes it: quoted when it holds more than letters, digits and - _ .
QString shellWord(const QString &word)
{
    const bool plain = !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) {
        return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u'.';
    });
    if (plain)
        return word;
    QString quoted = word;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

// The host part of a workstation's name, "desk-1" of "desk-1 (asha)": the machine whose print
// server took the jobs sent from it.
QString hostOf(const QString &workstation)
{
    return workstation.section(QStringLiteral(" ("), 0, 0);
}

// A pending cheque is settled only once its print has ended: while its job is unfinished it may
// yet print, and a number settled as not printed would then be printed twice.
void ensurePrintEnded(const RegisterEntry &row, const JobCheck &jobs)
{
    if (row.status != ChequeStatus::Pending)
        return;
    const bool sentFromHere = row.workstation.isEmpty() || hostOf(row.workstation) == hostOf(jobs.workstation);
    const auto notYet = [&](const QString &why) {
        return Failure(ErrorNumber::NotSettleable, IssueMessages::notSettleableYet(row.chequeNo, why));
    };
    if (row.jobId > 0 && !sentFromHere)
        throw notYet(IssueMessages::sentFromElsewhere(row.workstation, row.jobId, row.queue, hostOf(row.workstation)));
    jobs.queue.setCallTimeout(kSettleCallMilliseconds);
    if (row.jobId > 0) {
        JobStatus status;
        try {
            status = jobs.queue.jobStatus(row.queue, row.jobId);
        } catch (const Failure &failure) {
            throw notYet(IssueMessages::serverUnanswered(row.jobId, row.queue, failure.description()));
        }
        if (!status.finished())
            throw notYet(IssueMessages::stillInServer(row.jobId, row.queue, stateWords(status)));
        return;
    }
    // No job noted yet: the print that wrote the row may still be handing the cheque to the server.
    const qint64 age = row.changedAt.isValid() ? row.changedAt.secsTo(QDateTime::currentDateTimeUtc())
                                               : std::numeric_limits<qint64>::max();
    if (age < kOnItsWaySeconds)
        throw notYet(IssueMessages::mayBeOnItsWay());
    if (!sentFromHere)
        return;
    // A print killed between handing the job over and noting it leaves a job the row does not name:
    // looked for by its title. Most rows without a job never reached the server, so a server that
    // cannot be asked (none installed, say) does not stop them being settled.
    QList<QueuedJob> unfinished;
    try {
        unfinished = jobs.queue.unfinishedJobs();
    } catch (const Failure &failure) {
        qCDebug(lcIssue).noquote() << "cheque" << row.chequeNo
                                   << "is settled without asking the print server "
                                      "for unfinished jobs:"
                                   << failure;
        return;
    }
    const QString title = chequeJobTitle(row.bankId, row.chequeNo);
    for (const QueuedJob &job : unfinished) {
        if (job.title == title)
            throw notYet(IssueMessages::stillInServerByTitle(job.id, job.queue));
    }
}

// One cheque's way through the print protocol, a step at a time. A step that ends the print returns
// its outcome; one that lets it go on returns nothing and leaves what it learnt for the next.
class ChequeIssue
{
public:
    ChequeIssue(const Cheque &cheque, const IssueContext &context)
        : m_cheque(cheque)
        , m_context(context)
        , m_cheques(context.store.cheques())
        , m_audience(context.audience)
    {
    }

    IssueOutcome run()
    {
        if (auto ended = readTimeLimit())
            return *ended;
        if (auto ended = findPrinter())
            return *ended;
        if (auto ended = composeCheckedPage())
            return *ended;
        if (auto ended = checkLimit())
            return *ended;
        if (auto ended = askAboutWarnings())
            return *ended;
        if (cancelRequested())
            return notPrinted(cancelledBeforeSending(), m_audience);
        if (auto ended = writePendingRow())
            return *ended;
        if (auto ended = sendToPrinter())
            return *ended;
        noteJobInRegister();
        return settleByHowTheJobEnded(
            followJob(m_context, m_printer, m_job, m_cheque.number, m_deadline, m_timeoutSeconds));
    }

private:
    using Step = std::optional<IssueOutcome>;

    void tell(const QString &text) const
    {
        if (m_context.progress)
            m_context.progress->update(text);
    }

    bool cancelRequested() const { return m_context.progress && m_context.progress->cancelRequested(); }

    int callTimeout() const
    {
        return static_cast<int>(qBound(qint64(500), m_deadline.remainingTime(), qint64(kLongestCallMilliseconds)));
    }

    // A failure of the database, read before anything was written, is the register's, not the cheque's.
    IssueOutcome unread(const Failure &failure) const
    {
        if (kindOf(failure) == ErrorKind::Database)
            return notPrinted(Failure(failure.number(), IssueMessages::registerUnread(failure.description())),
                              m_audience);
        return notPrinted(failure, m_audience);
    }

    Failure cancelledBeforeSending() const
    {
        return Failure(ErrorNumber::PrinterRefused, IssueMessages::cancelledBeforeSending(m_cheque.number));
    }

    QString settleHint() const
    {
        return IssueMessages::settleHint(m_audience, settleCommand(m_account.bankId, m_cheque.number));
    }

    Step readTimeLimit()
    {
        try {
            m_timeoutSeconds = m_context.store.parameters().printTimeoutSeconds();
        } catch (const Failure &failure) {
            return unread(failure);
        }
        m_deadline = QDeadlineTimer(m_timeoutSeconds * 1000);
        return std::nullopt;
    }

    // The printer is known before the page is composed: it is placed with that printer's calibration.
    // A printer that cannot give the page's paper is refused now, before anything is written.
    Step findPrinter()
    {
        try {
            tell(IssueMessages::lookingForPrinter(m_cheque.number));
            m_context.queue.setCallTimeout(callTimeout());
            m_context.waiter.run([&] { m_printer = m_context.queue.defaultQueue(); });
            m_context.queue.setCallTimeout(callTimeout());
            m_context.waiter.run([&] { m_context.queue.checkPaper(m_printer, QPageSize(QPageSize::A4)); });
            if (m_context.proceedDespite) {
                m_context.queue.setCallTimeout(callTimeout());
                m_context.waiter.run([&] { m_margins = m_context.queue.printableMargins(m_printer); });
            }
        } catch (const Failure &failure) {
            return notPrinted(failure, m_audience);
        }
        return std::nullopt;
    }

    Step composeCheckedPage()
    {
        try {
            m_page = checkedChequePage(m_context.store, m_cheque, m_context.metrics, m_account, m_printer);
        } catch (const Failure &failure) {
            return unread(failure);
        }
        return std::nullopt;
    }

    // Above the account's limit, only a cheque someone vouched for, with a reason, goes on.
    Step checkLimit() const
    {
        const QString over = overLimitText(m_cheque, m_account);
        if (over.isEmpty() || !m_context.notes.overLimitReason.trimmed().isEmpty())
            return std::nullopt;
        return notPrinted(Failure(ErrorNumber::OverLimit, IssueMessages::overLimit(over, Audience::Window),
                                  IssueMessages::overLimit(over, Audience::CommandLine)),
                          m_audience);
    }

    // Ink where the printer cannot print, or a text past its box, is printed only when someone says so.
    Step askAboutWarnings() const
    {
        if (!m_context.proceedDespite)
            return std::nullopt;
        const QString warning = printWarning(m_page, m_context.metrics, m_printer, m_margins, m_audience);
        if (!warning.isEmpty() && !m_context.proceedDespite(warning))
            return notPrinted(Failure(ErrorNumber::OffThePage, IssueMessages::nothingPrinted(warning)), m_audience);
        return std::nullopt;
    }

    // The pending row comes first: if the register cannot take the cheque, it is never printed.
    Step writePendingRow()
    {
        try {
            PendingNotes notes = m_context.notes;
            if (!isOverLimit(m_cheque, m_account))
                notes.overLimitReason.clear();
            notes.overLimitReason = notes.overLimitReason.trimmed();
            m_row = m_cheques.addPending(m_cheque, m_context.workstation, m_context.batch, notes);
        } catch (const Failure &failure) {
            if (failure.number() == ErrorNumber::NumberTaken)
                return notPrinted(failure, m_audience);
            return notPrinted(Failure(failure.number(), IssueMessages::registerRefusedCheque(failure.description())),
                              m_audience);
        }
        return std::nullopt;
    }

    Step sendToPrinter()
    {
        try {
            const QString title = chequeJobTitle(m_account.bankId, m_cheque.number);
            // The page's PDF is the sheet's size and turned as the page is; the job asks for just that.
            const PrintJob printJob {title, {m_page}, {}, QPageSize(QPageSize::A4), m_page.orientation};
            if (cancelRequested())
                return withdraw(cancelledBeforeSending());
            tell(IssueMessages::sendingTo(m_cheque.number, m_printer));
            m_context.queue.setCallTimeout(callTimeout());
            m_context.waiter.run([&] { m_job = m_context.queue.submit(m_printer, printJob); });
        } catch (const Failure &failure) {
            return withdraw(failure);
        }
        return std::nullopt;
    }

    // Only a note for settling by hand; following the job does not need it.
    void noteJobInRegister() const
    {
        try {
            m_cheques.setJob(m_row, m_printer, m_job);
        } catch (const Failure &failure) {
            qCWarning(lcIssue).noquote() << "cheque" << m_cheque.number << "went to" << m_printer << "as job" << m_job
                                         << "but the register could not note the job:" << failure;
        }
    }

    // A cheque that did not print takes its pending row away again, freeing its number.
    IssueOutcome withdraw(const Failure &why) const
    {
        try {
            m_cheques.removeUnprinted(m_row);
        } catch (const Failure &failure) {
            return outcomeOf(IssueOutcome::Kind::Unknown,
                             IssueMessages::pendingRowNotRemoved(
                                 errorMessage(why, m_audience), failure.description(), m_audience,
                                 settleCommand(m_account.bankId, m_cheque.number, QStringLiteral("unprinted"))),
                             0, m_cheque.number);
        }
        return notPrinted(why, m_audience);
    }

    IssueOutcome pendingUnknown(const QString &message) const
    {
        return outcomeOf(IssueOutcome::Kind::Unknown, message, m_job, m_cheque.number);
    }

    IssueOutcome markPrinted() const
    {
        try {
            m_cheques.markPrinted(m_row);
        } catch (const Failure &failure) {
            return outcomeOf(
                IssueOutcome::Kind::NotMarked,
                IssueMessages::printedNotMarked(
                    m_cheque.number, m_job, failure.description(),
                    IssueMessages::settleWhere(
                        m_audience, settleCommand(m_account.bankId, m_cheque.number, QStringLiteral("printed")))),
                m_job, m_cheque.number);
        }
        return outcomeOf(IssueOutcome::Kind::Printed, QString(), m_job, m_cheque.number);
    }

    // Printed is recorded only when the print server says the job completed with a page printed; a job
    // that ended before printing is withdrawn; anything else stays pending for someone to settle.
    IssueOutcome settleByHowTheJobEnded(const FollowedJob &followed) const
    {
        const JobStatus &status = followed.status;
        if (followed.unfinished && followed.cancelling)
            return pendingUnknown(
                IssueMessages::cancelUnconfirmed(m_job, m_printer, followed.last, m_cheque.number, settleHint()));
        if (followed.unfinished)
            return pendingUnknown(IssueMessages::unfinished(m_cheque.number, m_printer, m_job, followed.waitedSeconds,
                                                            followed.last, settleHint()));
        if (status.state == JobStatus::State::Completed && status.pagesPrinted == 0)
            return pendingUnknown(IssueMessages::completedNoPage(m_job, m_printer, m_cheque.number, settleHint()));
        if (status.state == JobStatus::State::Completed)
            return markPrinted();
        if (status.state == JobStatus::State::Forgotten)
            return pendingUnknown(IssueMessages::forgotten(m_job, m_printer, m_cheque.number, settleHint()));
        const bool cancelled = status.state == JobStatus::State::Cancelled;
        if (!status.started)
            return withdraw(
                Failure(ErrorNumber::PrinterRefused,
                        IssueMessages::endedBeforePrinting(followed.cancelling, cancelled, m_job, m_printer)));
        return pendingUnknown(IssueMessages::endedWhilePrinting(followed.cancelling, cancelled, m_job, m_printer,
                                                                m_cheque.number, settleHint()));
    }

    const Cheque &m_cheque;
    const IssueContext &m_context;
    const ChequeRegister &m_cheques;
    const Audience m_audience;
    int m_timeoutSeconds = 60;
    QDeadlineTimer m_deadline;
    QString m_printer;
    std::optional<QMarginsF> m_margins;
    BankAccountRecord m_account;
    ChequePage m_page;
    qint64 m_row = 0;
    int m_job = 0;
};

} // namespace

void BlockingWaiter::pause(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

ChequePage checkedChequePage(const Store &store, const Cheque &cheque, const PageMetrics &metrics,
                             BankAccountRecord &account, const QString &printer)
{
    account = chequeAccount(store, cheque);
    try {
        return checkedChequePage(store, cheque, metrics, account, store.parameters().printSettingsFor(printer));
    } catch (const Failure &failure) {
        // Said as the print that stopped: the page's faults, and that nothing went to the printer.
        if (failure.number() == ErrorNumber::NumberTaken)
            throw;
        throw Failure(failure.number(), IssueMessages::nothingPrinted(failure.description()),
                      IssueMessages::nothingPrinted(failure.description(Audience::CommandLine)));
    }
}

ChequePage checkedChequePage(const Store &store, const Cheque &cheque, const PageMetrics &metrics,
                             const BankAccountRecord &account, const PrintSettings &settings)
{
    if (const std::optional<RegisterEntry> used = store.cheques().findNumber(cheque.accountCode, cheque.number)) {
        const QString next = offeredNumber(store, cheque.accountCode);
        throw Failure(ErrorNumber::NumberTaken,
                      IssueMessages::numberTaken(cheque.number, cheque.accountCode, statusWord(used->status),
                                                 formatChequeDate(used->date), next));
    }
    const ChequePage page = ComposeCheque(cheque, account, settings, metrics);
    const QList<Failure> problems = pageProblems(page, metrics);
    if (!problems.isEmpty())
        throw Failure(problems.first().number(), problemsText(problems), problemsText(problems, Audience::CommandLine));
    return page;
}

IssueOutcome issueCheque(const Cheque &cheque, const IssueContext &context)
{
    return ChequeIssue(cheque, context).run();
}

IssueOutcome issueNextCheque(Cheque cheque, const IssueContext &context)
{
    constexpr int kAttempts = 20;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        cheque.number = offeredNumber(context.store, cheque.accountCode);
        if (cheque.number.isEmpty())
            return notPrinted(Failure(ErrorNumber::EntryInvalid, IssueMessages::noNextNumber(cheque.accountCode)),
                              context.audience);
        IssueOutcome outcome = issueCheque(cheque, context);
        if (outcome.failure != ErrorNumber::NumberTaken)
            return outcome;
    }
    return notPrinted(Failure(ErrorNumber::NumberTaken, IssueMessages::numbersKeptTaken(cheque.accountCode)),
                      context.audience);
}

QString offeredNumber(const Store &store, const QString &account)
{
    // An account with cheque books takes its next number from the book in use.
    if (const QString leaf = nextLeafFromBooks(store, account); !leaf.isEmpty())
        return leaf;
    const std::optional<QString> highest = store.cheques().highestNumber(account);
    return highest ? numberAfter(*highest) : QString();
}

QString workstationName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME");
    return QStringLiteral("%1 (%2)").arg(QSysInfo::machineHostName(), user.isEmpty() ? QStringLiteral("?") : user);
}

QString pendingNotice(const PendingCheques &pending, Audience audience)
{
    // Other workstations' pending cheques are mostly printing at this moment: they are counted, apart,
    // and never make a notice of their own.
    const auto count = static_cast<int>(pending.own.size());
    if (count == 0)
        return QString();
    constexpr int kNamed = 10;
    QStringList named;
    for (const RegisterEntry &row : pending.own.mid(0, kNamed))
        named.append(QStringLiteral("%1 %2").arg(row.bankId, row.chequeNo));
    if (count > kNamed)
        named.append(IssueMessages::tr("%1 more").arg(count - kNamed));
    return IssueMessages::pendingNotice(count, named.join(QStringLiteral(", ")), pending.elsewhere, audience,
                                        settleCommand(QStringLiteral("CODE"), QStringLiteral("NUMBER")));
}

QString settleCommand(const QString &account, const QString &number, const QString &how)
{
    return QStringLiteral("quillset --mark %1 --account %2 --cheque %3")
        .arg(how, shellWord(account), shellWord(number));
}

QString chequeJobTitle(const QString &account, const QString &number)
{
    return QStringLiteral("Quillset cheque %1 of %2").arg(number, account);
}

std::optional<Settlement> settlementFromWord(const QString &word)
{
    if (word == QLatin1String("printed"))
        return Settlement::Printed;
    if (word == QLatin1String("spoiled"))
        return Settlement::Spoiled;
    if (word == QLatin1String("unprinted"))
        return Settlement::Unprinted;
    if (word == QLatin1String("void"))
        return Settlement::Void;
    return std::nullopt;
}

void settle(const ChequeRegister &cheques, const RegisterEntry &row, Settlement settlement, const QString &reason,
            const JobCheck &jobs)
{
    const bool needsReason = settlement == Settlement::Spoiled || settlement == Settlement::Void;
    if (needsReason && reason.trimmed().isEmpty())
        throw Failure(ErrorNumber::EntryInvalid,
                      IssueMessages::reasonNeeded(row.chequeNo, settlement == Settlement::Void));
    const bool pendingOnly = settlement != Settlement::Void;
    if (pendingOnly && row.status != ChequeStatus::Pending)
        throw Failure(ErrorNumber::NotSettleable, IssueMessages::notPending(row.chequeNo, statusWord(row.status)));
    if (!pendingOnly && row.status != ChequeStatus::Printed)
        throw Failure(ErrorNumber::NotSettleable,
                      IssueMessages::notPrintedSoNotVoid(row.chequeNo, statusWord(row.status)));
    ensurePrintEnded(row, jobs);
    switch (settlement) {
    case Settlement::Printed:
        cheques.markPrinted(row.id);
        break;
    case Settlement::Spoiled:
        cheques.markSpoiled(row.id, reason.trimmed());
        break;
    case Settlement::Unprinted:
        cheques.removeUnprinted(row.id);
        break;
    case Settlement::Void:
        cheques.markVoid(row.id, reason.trimmed());
        break;
    }
}

QString settleNumber(const Store &store, const QString &account, const QString &typed, Settlement settlement,
                     const QString &reason, const QDate &today, const JobCheck &jobs)
{
    const QString number = normalisedNumber(typed); // the leaf, however its number was typed
    const ChequeRegister &cheques = store.cheques();
    const std::optional<RegisterEntry> row = cheques.findNumber(account, number);
    if (!row) {
        if (settlement != Settlement::Spoiled)
            throw Failure(ErrorNumber::EntryInvalid, IssueMessages::noSuchCheque(number, account));
        // A leaf is recorded by the number printed on it, as a cheque is.
        if (const QString problem = numberProblem(typed); !problem.isEmpty())
            throw Failure(ErrorNumber::EntryInvalid, problem);
        if (reason.trimmed().isEmpty())
            throw Failure(ErrorNumber::EntryInvalid, IssueMessages::leafReasonNeeded(number));
        cheques.addSpoiledLeaf(account, number, today, reason.trimmed());
        return IssueMessages::leafSpoiled(number, account);
    }
    settle(cheques, *row, settlement, reason, jobs);
    switch (settlement) {
    case Settlement::Unprinted:
        return IssueMessages::removedNumberFree(number, account);
    case Settlement::Printed:
        return IssueMessages::recordedPrinted(number, account);
    case Settlement::Spoiled:
        return IssueMessages::recordedSpoiled(number, account);
    case Settlement::Void:
        return IssueMessages::nowVoid(number, account);
    }
    return QString();
}

} // namespace quillset
