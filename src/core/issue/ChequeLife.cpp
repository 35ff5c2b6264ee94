#include "ChequeLife.h"

#include "core/banks/BankAccount.h"
#include "core/base/Failure.h"
#include "core/cheque/ChequeInput.h"
#include "core/cheque/ChequeNumber.h"
#include "core/issue/ChequeBookLife.h"
#include "core/issue/IssueCheque.h"
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
constexpr int kPollMilliseconds = 250;
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
    QString words = status.state == JobStatus::State::Printing ? QStringLiteral("printing")
        : status.state == JobStatus::State::Held               ? QStringLiteral("held in the queue")
                                                               : QStringLiteral("waiting in the queue");
    if (!status.printerMessage.isEmpty())
        words += QStringLiteral(" (the printer says: %1)").arg(status.printerMessage);
    return words;
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
        tell(QStringLiteral("Cheque %1 on \"%2\", job %3: cancelling it").arg(number, printer).arg(job));
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
        tell(QStringLiteral("Cheque %1 on \"%2\", job %3: %4%5")
                 .arg(number, printer)
                 .arg(job)
                 .arg(followed.cancelling ? QStringLiteral("cancelling it; ") : QString(), followed.last));
        if (!followed.cancelling && context.progress && context.progress->cancelRequested()) {
            cancel();
            continue;
        }
        if (deadline.hasExpired()) {
            const Overdue choice = followed.cancelling || !context.progress
                ? Overdue::LeavePending
                : context.progress->overdue(QStringLiteral("Cheque %1 went to the printer \"%2\" as job %3, and it "
                                                           "has not finished after %4 seconds: %5.")
                                                .arg(number, printer)
                                                .arg(job)
                                                .arg(followed.waitedSeconds)
                                                .arg(followed.last));
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
        context.waiter.pause(kPollMilliseconds);
    }
}

// Where a pending cheque is settled: the register window, or the command that settles it.
QString settleWhere(Audience audience, const QString &account, const QString &number, const QString &how)
{
    return audience == Audience::CommandLine ? QStringLiteral("with %1").arg(settleCommand(account, number, how))
                                             : QStringLiteral("under Print Cheque, Register");
}

QString settleHint(Audience audience, const QString &account, const QString &number)
{
    if (audience == Audience::CommandLine)
        return QStringLiteral("When you know whether it printed, settle it with %1.")
            .arg(settleCommand(account, number));
    return QStringLiteral("When you know whether it printed, settle it under Print Cheque, Register, or with "
                          "quillset --mark.");
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
        return Failure(ErrorNumber::NotSettleable,
                       QStringLiteral("Cheque %1 cannot be settled yet: %2").arg(row.chequeNo, why));
    };
    if (row.jobId > 0 && !sentFromHere)
        throw notYet(QStringLiteral("it was sent from %1 as job %2 on \"%3\", and only the print server there "
                                    "knows whether the job is still printing. Settle it at %4 once its print has "
                                    "ended.")
                         .arg(row.workstation)
                         .arg(row.jobId)
                         .arg(row.queue, hostOf(row.workstation)));
    jobs.queue.setCallTimeout(kSettleCallMilliseconds);
    if (row.jobId > 0) {
        JobStatus status;
        try {
            status = jobs.queue.jobStatus(row.queue, row.jobId);
        } catch (const Failure &failure) {
            throw notYet(QStringLiteral("the print server could not be asked whether its job %1 on \"%2\" is still "
                                        "printing (%3) Settle it once the print server answers.")
                             .arg(row.jobId)
                             .arg(row.queue, failure.description()));
        }
        if (!status.finished())
            throw notYet(QStringLiteral("it is still in the print server as job %1 on \"%2\" (%3), so it may yet "
                                        "print. Let the job end, or cancel it at the printer, then settle the "
                                        "cheque.")
                             .arg(row.jobId)
                             .arg(row.queue, stateWords(status)));
        return;
    }
    // No job noted yet: the print that wrote the row may still be handing the cheque to the server.
    const qint64 age = row.changedAt.isValid() ? row.changedAt.secsTo(QDateTime::currentDateTimeUtc())
                                               : std::numeric_limits<qint64>::max();
    if (age < kOnItsWaySeconds)
        throw notYet(QStringLiteral("it was written to the register moments ago and may still be on its way to "
                                    "the printer. Settle it once its print has ended, in a minute at most."));
    if (!sentFromHere)
        return;
    // A print killed between handing the job over and noting it leaves a job the row does not name:
    // looked for by its title. Most rows without a job never reached the server, so a server that
    // cannot be asked (none installed, say) does not stop them being settled.
    QList<QueuedJob> unfinished;
    try {
        unfinished = jobs.queue.unfinishedJobs();
    } catch (const Failure &) {
        return;
    }
    const QString title = chequeJobTitle(row.bankId, row.chequeNo);
    for (const QueuedJob &job : unfinished) {
        if (job.title == title)
            throw notYet(QStringLiteral("it is still in the print server as job %1 on \"%2\", so it may yet "
                                        "print. Let the job end, or cancel it at the printer, then settle the "
                                        "cheque.")
                             .arg(job.id)
                             .arg(job.queue));
    }
}

} // namespace

void BlockingWaiter::pause(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

ChequePage checkedChequePage(const Store &store, const Cheque &cheque, const PageMetrics &metrics,
                             BankAccountRecord &account, const QString &printer)
{
    account = chequeAccount(store, cheque.accountCode);
    if (const std::optional<RegisterEntry> used = store.cheques().findNumber(cheque.accountCode, cheque.number)) {
        const QString next = offeredNumber(store, cheque.accountCode);
        throw Failure(ErrorNumber::NumberTaken,
                      QStringLiteral("Cheque number %1 is already in the register for the account \"%2\" (%3, dated "
                                     "%4); nothing was printed.%5")
                          .arg(cheque.number, cheque.accountCode, statusWord(used->status),
                               formatChequeDate(used->date),
                               next.isEmpty() ? QString() : QStringLiteral(" The next number is %1.").arg(next)));
    }
    const ChequePage page = ComposeCheque(cheque, account, store.parameters().printSettingsFor(printer), metrics);
    const QList<Failure> problems = pageProblems(page, metrics);
    if (!problems.isEmpty())
        throw Failure(problems.first().number(), problemsText(problems) + QStringLiteral(" Nothing was printed."),
                      problemsText(problems, Audience::CommandLine) + QStringLiteral(" Nothing was printed."));
    return page;
}

IssueOutcome issueCheque(const Cheque &cheque, const IssueContext &context)
{
    const ChequeRegister &cheques = context.store.cheques();
    const auto tell = [&](const QString &text) {
        if (context.progress)
            context.progress->update(text);
    };
    const auto cancelRequested = [&] { return context.progress && context.progress->cancelRequested(); };

    const Audience audience = context.audience;
    const auto unread = [audience](const Failure &failure) {
        const int number = static_cast<int>(failure.number());
        if (number >= 1000 && number < 1100) // the database, not the cheque
            return notPrinted(Failure(failure.number(),
                                      QStringLiteral("The register could not be read, so nothing was printed: %1")
                                          .arg(failure.description())),
                              audience);
        return notPrinted(failure, audience);
    };
    int timeoutSeconds = 60;
    try {
        timeoutSeconds = context.store.parameters().printTimeoutSeconds();
    } catch (const Failure &failure) {
        return unread(failure);
    }
    QDeadlineTimer deadline(timeoutSeconds * 1000);
    const auto callTimeout = [&] {
        return static_cast<int>(qBound(qint64(500), deadline.remainingTime(), qint64(kLongestCallMilliseconds)));
    };

    // The printer is known before the page is composed: it is placed with that printer's calibration.
    // A printer that cannot give the page's paper is refused now, before anything is written.
    QString printer;
    std::optional<QMarginsF> margins;
    try {
        tell(QStringLiteral("Cheque %1: looking for the printer").arg(cheque.number));
        context.queue.setCallTimeout(callTimeout());
        context.waiter.run([&] { printer = context.queue.defaultQueue(); });
        context.queue.setCallTimeout(callTimeout());
        context.waiter.run([&] { context.queue.checkPaper(printer, QPageSize(QPageSize::A4)); });
        if (context.proceedDespite) {
            context.queue.setCallTimeout(callTimeout());
            context.waiter.run([&] { margins = context.queue.printableMargins(printer); });
        }
    } catch (const Failure &failure) {
        return notPrinted(failure, audience);
    }

    BankAccountRecord account;
    ChequePage page;
    try {
        page = checkedChequePage(context.store, cheque, context.metrics, account, printer);
    } catch (const Failure &failure) {
        return unread(failure);
    }
    if (context.proceedDespite) {
        const QString warning = printWarning(page, context.metrics, printer, margins, audience);
        if (!warning.isEmpty() && !context.proceedDespite(warning))
            return notPrinted(Failure(ErrorNumber::OffThePage, warning + QStringLiteral(" Nothing was printed.")),
                              audience);
    }
    const Failure cancelledBeforeSending(ErrorNumber::PrinterRefused,
                                         QStringLiteral("You cancelled cheque %1 before it was sent to the printer. "
                                                        "Nothing was printed or recorded.")
                                             .arg(cheque.number));
    if (cancelRequested())
        return notPrinted(cancelledBeforeSending, audience);

    // The pending row comes first: if the register cannot take the cheque, it is never printed.
    qint64 row = 0;
    try {
        row = cheques.addPending(cheque, account.money, context.workstation, context.batch);
    } catch (const Failure &failure) {
        if (failure.number() == ErrorNumber::NumberTaken)
            return notPrinted(failure, audience);
        return notPrinted(Failure(failure.number(),
                                  QStringLiteral("The register cannot take the cheque, so nothing was printed: %1")
                                      .arg(failure.description())),
                          audience);
    }
    const auto withdraw = [&](const Failure &why) {
        try {
            cheques.removeUnprinted(row);
        } catch (const Failure &failure) {
            const QString settle = audience == Audience::CommandLine
                ? QStringLiteral("Settle it as not printed with %1.")
                      .arg(settleCommand(account.bankId, cheque.number, QStringLiteral("unprinted")))
                : QStringLiteral("Settle it as not printed.");
            return outcomeOf(IssueOutcome::Kind::Unknown,
                             errorMessage(why, audience)
                                 + QStringLiteral("\n\nThe cheque did not print, but its pending row could not be "
                                                  "removed (%1). %2")
                                       .arg(failure.description(), settle),
                             0, cheque.number);
        }
        return notPrinted(why, audience);
    };

    int job = 0;
    try {
        const QString title = chequeJobTitle(account.bankId, cheque.number);
        // The page's PDF is the sheet's size and turned as the page is; the job asks for just that.
        const PrintJob printJob {title, {page}, {}, QPageSize(QPageSize::A4), page.orientation};
        if (cancelRequested())
            return withdraw(cancelledBeforeSending);
        tell(QStringLiteral("Cheque %1: sending it to \"%2\"").arg(cheque.number, printer));
        context.queue.setCallTimeout(callTimeout());
        context.waiter.run([&] { job = context.queue.submit(printer, printJob); });
    } catch (const Failure &failure) {
        return withdraw(failure);
    }
    try {
        cheques.setJob(row, printer, job);
    } catch (const Failure &) {
        // Only a note for settling by hand; the follow below does not need it.
    }

    const FollowedJob followed = followJob(context, printer, job, cheque.number, deadline, timeoutSeconds);
    const JobStatus &status = followed.status;

    if (followed.unfinished && followed.cancelling)
        return outcomeOf(
            IssueOutcome::Kind::Unknown,
            QStringLiteral("Job %1 on \"%2\" was to be cancelled, but the print server had not "
                           "confirmed it (last: %3). Cheque %4 may print or not; it stays in the "
                           "register as pending. %5")
                .arg(job)
                .arg(printer, followed.last, cheque.number, settleHint(audience, account.bankId, cheque.number)),
            job, cheque.number);
    if (followed.unfinished)
        return outcomeOf(
            IssueOutcome::Kind::Unknown,
            QStringLiteral("Cheque %1 went to the printer \"%2\" as job %3, but it had not finished after %4 "
                           "seconds (last: %5). It stays in the register as pending. %6")
                .arg(cheque.number, printer)
                .arg(job)
                .arg(followed.waitedSeconds)
                .arg(followed.last, settleHint(audience, account.bankId, cheque.number)),
            job, cheque.number);

    if (status.state == JobStatus::State::Completed && status.pagesPrinted == 0)
        return outcomeOf(IssueOutcome::Kind::Unknown,
                         QStringLiteral("The print server says job %1 on \"%2\" completed, but it counted no page "
                                        "printed, so cheque %3 may not have come out. Look at the printer: the "
                                        "cheque stays in the register as pending. %4")
                             .arg(job)
                             .arg(printer, cheque.number, settleHint(audience, account.bankId, cheque.number)),
                         job, cheque.number);
    if (status.state == JobStatus::State::Completed) {
        try {
            cheques.markPrinted(row);
        } catch (const Failure &failure) {
            return outcomeOf(
                IssueOutcome::Kind::NotMarked,
                QStringLiteral("Cheque %1 WAS printed (job %2), but the register could not mark it printed: %3\n\n"
                               "It stays in the register as pending; mark it printed %4. Do not print it again.")
                    .arg(cheque.number)
                    .arg(job)
                    .arg(failure.description(),
                         settleWhere(audience, account.bankId, cheque.number, QStringLiteral("printed"))),
                job, cheque.number);
        }
        return outcomeOf(IssueOutcome::Kind::Printed, QString(), job, cheque.number);
    }
    if (status.state == JobStatus::State::Forgotten)
        return outcomeOf(IssueOutcome::Kind::Unknown,
                         QStringLiteral("The print server no longer knows job %1 on \"%2\", so whether cheque %3 "
                                        "printed is not known. Look at the printer: it stays in the register as "
                                        "pending. %4")
                             .arg(job)
                             .arg(printer, cheque.number, settleHint(audience, account.bankId, cheque.number)),
                         job, cheque.number);
    const QString ended = followed.cancelling         ? QStringLiteral("cancelled, as you asked,")
        : status.state == JobStatus::State::Cancelled ? QStringLiteral("cancelled")
                                                      : QStringLiteral("stopped with an error");
    if (!status.started)
        return withdraw(Failure(ErrorNumber::PrinterRefused,
                                QStringLiteral("The print server %1 job %2 on \"%3\" before it printed anything. "
                                               "Nothing was recorded; check the printer, then print the cheque again.")
                                    .arg(ended)
                                    .arg(job)
                                    .arg(printer)));
    return outcomeOf(
        IssueOutcome::Kind::Unknown,
        QStringLiteral("The print server %1 job %2 on \"%3\" after it began printing cheque %4. Look at the "
                       "leaf: it stays in the register as pending. %5")
            .arg(ended)
            .arg(job)
            .arg(printer, cheque.number, settleHint(audience, account.bankId, cheque.number)),
        job, cheque.number);
}

IssueOutcome issueNextCheque(Cheque cheque, const IssueContext &context)
{
    constexpr int kAttempts = 20;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        cheque.number = offeredNumber(context.store, cheque.accountCode);
        if (cheque.number.isEmpty())
            return notPrinted(Failure(ErrorNumber::EntryInvalid,
                                      QStringLiteral("The account \"%1\" has no cheque numbered in digits yet, so "
                                                     "there is no next number: give the first one.")
                                          .arg(cheque.accountCode)),
                              context.audience);
        IssueOutcome outcome = issueCheque(cheque, context);
        if (outcome.failure != ErrorNumber::NumberTaken)
            return outcome;
    }
    return notPrinted(Failure(ErrorNumber::NumberTaken,
                              QStringLiteral("Other workstations kept taking the next number of \"%1\"; nothing was "
                                             "printed. Try again.")
                                  .arg(cheque.accountCode)),
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
        named.append(QStringLiteral("%1 more").arg(count - kNamed));
    const QString where = audience == Audience::CommandLine
        ? QStringLiteral("Settle each with %1.").arg(settleCommand(QStringLiteral("CODE"), QStringLiteral("NUMBER")))
        : QStringLiteral("Settle them under Print Cheque, Register.");
    QString notice
        = QStringLiteral("%1 pending in the register from this workstation: %2. %3 may or may not have "
                         "printed. %4")
              .arg(count == 1 ? QStringLiteral("1 cheque is") : QStringLiteral("%1 cheques are").arg(count),
                   named.join(QStringLiteral(", ")), count == 1 ? QStringLiteral("It") : QStringLiteral("They"), where);
    if (pending.elsewhere > 0)
        notice += QStringLiteral(" Apart from these, %1 sent from other workstations %2 pending: printing now, or "
                                 "to be settled there.")
                      .arg(pending.elsewhere == 1 ? QStringLiteral("1 cheque")
                                                  : QStringLiteral("%1 cheques").arg(pending.elsewhere),
                           pending.elsewhere == 1 ? QStringLiteral("is") : QStringLiteral("are"));
    return notice;
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
                      QStringLiteral("Say why cheque %1 is %2: a reason is kept with it.")
                          .arg(row.chequeNo,
                               settlement == Settlement::Void ? QStringLiteral("void") : QStringLiteral("spoiled")));
    const bool pendingOnly = settlement != Settlement::Void;
    if (pendingOnly && row.status != ChequeStatus::Pending)
        throw Failure(ErrorNumber::NotSettleable,
                      QStringLiteral("Cheque %1 is %2, not pending; only a pending cheque can be marked that way.")
                          .arg(row.chequeNo, statusWord(row.status)));
    if (!pendingOnly && row.status != ChequeStatus::Printed)
        throw Failure(ErrorNumber::NotSettleable,
                      QStringLiteral("Cheque %1 is %2; only a printed cheque can be void.")
                          .arg(row.chequeNo, statusWord(row.status)));
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
            throw Failure(
                ErrorNumber::EntryInvalid,
                QStringLiteral("The register holds no cheque %1 for the account \"%2\".").arg(number, account));
        // A leaf is recorded by the number printed on it, as a cheque is.
        if (const QString problem = numberProblem(typed); !problem.isEmpty())
            throw Failure(ErrorNumber::EntryInvalid, problem);
        if (reason.trimmed().isEmpty())
            throw Failure(ErrorNumber::EntryInvalid,
                          QStringLiteral("Say why leaf %1 is spoiled: a reason is kept with it.").arg(number));
        cheques.addSpoiledLeaf(account, number, today, reason.trimmed());
        return QStringLiteral("Leaf %1 of \"%2\" is recorded as spoiled.").arg(number, account);
    }
    settle(cheques, *row, settlement, reason, jobs);
    switch (settlement) {
    case Settlement::Unprinted:
        return QStringLiteral("Cheque %1 of \"%2\" is removed from the register; its number is free.")
            .arg(number, account);
    case Settlement::Printed:
        return QStringLiteral("Cheque %1 of \"%2\" is recorded as printed.").arg(number, account);
    case Settlement::Spoiled:
        return QStringLiteral("Cheque %1 of \"%2\" is recorded as spoiled.").arg(number, account);
    case Settlement::Void:
        return QStringLiteral("Cheque %1 of \"%2\" is now void.").arg(number, account);
    }
    return QString();
}

} // namespace quillset
