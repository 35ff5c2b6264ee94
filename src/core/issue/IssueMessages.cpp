#include "IssueMessages.h"

namespace quillset {

QString IssueMessages::jobState(bool printing, bool held, const QString &printerMessage)
{
    QString words = printing ? tr("printing") : held ? tr("held in the queue") : tr("waiting in the queue");
    if (!printerMessage.isEmpty())
        words += tr(" (the printer says: %1)").arg(printerMessage);
    return words;
}

QString IssueMessages::cancellingJob(const QString &number, const QString &printer, int job)
{
    return tr("Cheque %1 on \"%2\", job %3: cancelling it").arg(number, printer).arg(job);
}

QString IssueMessages::jobProgress(const QString &number, const QString &printer, int job, bool cancelling,
                                   const QString &last)
{
    return tr("Cheque %1 on \"%2\", job %3: %4%5")
        .arg(number, printer)
        .arg(job)
        .arg(cancelling ? tr("cancelling it; ") : QString(), last);
}

QString IssueMessages::jobOverdue(const QString &number, const QString &printer, int job, int seconds,
                                  const QString &last)
{
    return tr("Cheque %1 went to the printer \"%2\" as job %3, and it has not finished after %4 seconds: %5.")
        .arg(number, printer)
        .arg(job)
        .arg(seconds)
        .arg(last);
}

QString IssueMessages::lookingForPrinter(const QString &number)
{
    return tr("Cheque %1: looking for the printer").arg(number);
}

QString IssueMessages::sendingTo(const QString &number, const QString &printer)
{
    return tr("Cheque %1: sending it to \"%2\"").arg(number, printer);
}

QString IssueMessages::settleWhere(Audience audience, const QString &command)
{
    return audience == Audience::CommandLine ? tr("with %1").arg(command) : tr("under Print Cheque, Register");
}

QString IssueMessages::overLimit(const QString &over, Audience audience)
{
    if (audience == Audience::CommandLine)
        return tr("%1 Nothing was printed. To print it all the same, add --confirm-over-limit --reason TEXT.")
            .arg(over);
    return tr("%1 Nothing was printed. Print it again and confirm it with a reason.").arg(over);
}

QString IssueMessages::settleHint(Audience audience, const QString &command)
{
    if (audience == Audience::CommandLine)
        return tr("When you know whether it printed, settle it with %1.").arg(command);
    return tr("When you know whether it printed, settle it under Print Cheque, Register, or with quillset --mark.");
}

QString IssueMessages::notSettleableYet(const QString &number, const QString &why)
{
    return tr("Cheque %1 cannot be settled yet: %2").arg(number, why);
}

QString IssueMessages::sentFromElsewhere(const QString &workstation, int job, const QString &queue, const QString &host)
{
    return tr("it was sent from %1 as job %2 on \"%3\", and only the print server there knows whether the job is "
              "still printing. Settle it at %4 once its print has ended.")
        .arg(workstation)
        .arg(job)
        .arg(queue, host);
}

QString IssueMessages::serverUnanswered(int job, const QString &queue, const QString &cause)
{
    return tr("the print server could not be asked whether its job %1 on \"%2\" is still printing (%3) Settle it "
              "once the print server answers.")
        .arg(job)
        .arg(queue, cause);
}

QString IssueMessages::stillInServer(int job, const QString &queue, const QString &state)
{
    return tr("it is still in the print server as job %1 on \"%2\" (%3), so it may yet print. Let the job end, or "
              "cancel it at the printer, then settle the cheque.")
        .arg(job)
        .arg(queue, state);
}

QString IssueMessages::mayBeOnItsWay()
{
    return tr("it was written to the register moments ago and may still be on its way to the printer. Settle it "
              "once its print has ended, in a minute at most.");
}

QString IssueMessages::stillInServerByTitle(int job, const QString &queue)
{
    return tr("it is still in the print server as job %1 on \"%2\", so it may yet print. Let the job end, or cancel "
              "it at the printer, then settle the cheque.")
        .arg(job)
        .arg(queue);
}

QString IssueMessages::reasonNeeded(const QString &number, bool isVoid)
{
    return tr("Say why cheque %1 is %2: a reason is kept with it.").arg(number, isVoid ? tr("void") : tr("spoiled"));
}

QString IssueMessages::notPending(const QString &number, const QString &status)
{
    return tr("Cheque %1 is %2, not pending; only a pending cheque can be marked that way.").arg(number, status);
}

QString IssueMessages::notPrintedSoNotVoid(const QString &number, const QString &status)
{
    return tr("Cheque %1 is %2; only a printed cheque can be void.").arg(number, status);
}

QString IssueMessages::noSuchCheque(const QString &number, const QString &account)
{
    return tr("The register holds no cheque %1 for the account \"%2\".").arg(number, account);
}

QString IssueMessages::leafReasonNeeded(const QString &number)
{
    return tr("Say why leaf %1 is spoiled: a reason is kept with it.").arg(number);
}

QString IssueMessages::leafSpoiled(const QString &number, const QString &account)
{
    return tr("Leaf %1 of \"%2\" is recorded as spoiled.").arg(number, account);
}

QString IssueMessages::removedNumberFree(const QString &number, const QString &account)
{
    return tr("Cheque %1 of \"%2\" is removed from the register; its number is free.").arg(number, account);
}

QString IssueMessages::recordedPrinted(const QString &number, const QString &account)
{
    return tr("Cheque %1 of \"%2\" is recorded as printed.").arg(number, account);
}

QString IssueMessages::recordedSpoiled(const QString &number, const QString &account)
{
    return tr("Cheque %1 of \"%2\" is recorded as spoiled.").arg(number, account);
}

QString IssueMessages::nowVoid(const QString &number, const QString &account)
{
    return tr("Cheque %1 of \"%2\" is now void.").arg(number, account);
}

QString IssueMessages::pendingNotice(int count, const QString &named, int elsewhere, Audience audience,
                                     const QString &command)
{
    const QString where = audience == Audience::CommandLine ? tr("Settle each with %1.").arg(command)
                                                            : tr("Settle them under Print Cheque, Register.");
    QString notice = tr("%1 pending in the register from this workstation: %2. %3 may or may not have printed. %4")
                         .arg(count == 1 ? tr("1 cheque is") : tr("%1 cheques are").arg(count), named,
                              count == 1 ? tr("It") : tr("They"), where);
    if (elsewhere > 0)
        notice += tr(" Apart from these, %1 sent from other workstations %2 pending: printing now, or to be settled "
                     "there.")
                      .arg(elsewhere == 1 ? tr("1 cheque") : tr("%1 cheques").arg(elsewhere),
                           elsewhere == 1 ? tr("is") : tr("are"));
    return notice;
}

QString IssueMessages::numberTaken(const QString &number, const QString &account, const QString &status,
                                   const QString &date, const QString &next)
{
    return tr("Cheque number %1 is already in the register for the account \"%2\" (%3, dated %4); nothing was "
              "printed.%5")
        .arg(number, account, status, date, next.isEmpty() ? QString() : tr(" The next number is %1.").arg(next));
}

QString IssueMessages::nothingPrinted(const QString &problems)
{
    return problems + tr(" Nothing was printed.");
}

QString IssueMessages::registerUnread(const QString &cause)
{
    return tr("The register could not be read, so nothing was printed: %1").arg(cause);
}

QString IssueMessages::cancelledBeforeSending(const QString &number)
{
    return tr("You cancelled cheque %1 before it was sent to the printer. Nothing was printed or recorded.")
        .arg(number);
}

QString IssueMessages::registerRefusedCheque(const QString &cause)
{
    return tr("The register cannot take the cheque, so nothing was printed: %1").arg(cause);
}

QString IssueMessages::pendingRowNotRemoved(const QString &error, const QString &cause, Audience audience,
                                            const QString &command)
{
    const QString settle = audience == Audience::CommandLine ? tr("Settle it as not printed with %1.").arg(command)
                                                             : tr("Settle it as not printed.");
    return error
        + tr("\n\nThe cheque did not print, but its pending row could not be removed (%1). %2").arg(cause, settle);
}

QString IssueMessages::cancelUnconfirmed(int job, const QString &printer, const QString &last, const QString &number,
                                         const QString &hint)
{
    return tr("Job %1 on \"%2\" was to be cancelled, but the print server had not confirmed it (last: %3). Cheque %4 "
              "may print or not; it stays in the register as pending. %5")
        .arg(job)
        .arg(printer, last, number, hint);
}

QString IssueMessages::unfinished(const QString &number, const QString &printer, int job, int seconds,
                                  const QString &last, const QString &hint)
{
    return tr("Cheque %1 went to the printer \"%2\" as job %3, but it had not finished after %4 seconds (last: %5). "
              "It stays in the register as pending. %6")
        .arg(number, printer)
        .arg(job)
        .arg(seconds)
        .arg(last, hint);
}

QString IssueMessages::completedNoPage(int job, const QString &printer, const QString &number, const QString &hint)
{
    return tr("The print server says job %1 on \"%2\" completed, but it counted no page printed, so cheque %3 may "
              "not have come out. Look at the printer: the cheque stays in the register as pending. %4")
        .arg(job)
        .arg(printer, number, hint);
}

QString IssueMessages::printedNotMarked(const QString &number, int job, const QString &cause, const QString &where)
{
    return tr("Cheque %1 WAS printed (job %2), but the register could not mark it printed: %3\n\nIt stays in the "
              "register as pending; mark it printed %4. Do not print it again.")
        .arg(number)
        .arg(job)
        .arg(cause, where);
}

QString IssueMessages::forgotten(int job, const QString &printer, const QString &number, const QString &hint)
{
    return tr("The print server no longer knows job %1 on \"%2\", so whether cheque %3 printed is not known. Look "
              "at the printer: it stays in the register as pending. %4")
        .arg(job)
        .arg(printer, number, hint);
}

QString IssueMessages::endedWords(bool asked, bool cancelled)
{
    return asked ? tr("cancelled, as you asked,") : cancelled ? tr("cancelled") : tr("stopped, with an error,");
}

QString IssueMessages::endedBeforePrinting(bool asked, bool cancelled, int job, const QString &printer)
{
    return tr("The print server %1 job %2 on \"%3\" before it printed anything. Nothing was recorded; check the "
              "printer, then print the cheque again.")
        .arg(endedWords(asked, cancelled))
        .arg(job)
        .arg(printer);
}

QString IssueMessages::endedWhilePrinting(bool asked, bool cancelled, int job, const QString &printer,
                                          const QString &number, const QString &hint)
{
    return tr("The print server %1 job %2 on \"%3\" after it began printing cheque %4. Look at the leaf: it stays "
              "in the register as pending. %5")
        .arg(endedWords(asked, cancelled))
        .arg(job)
        .arg(printer, number, hint);
}

QString IssueMessages::noNextNumber(const QString &account)
{
    return tr("The account \"%1\" has no cheque numbered in digits yet, so there is no next number: give the first "
              "one.")
        .arg(account);
}

QString IssueMessages::numbersKeptTaken(const QString &account)
{
    return tr("Other workstations kept taking the next number of \"%1\"; nothing was printed. Try again.").arg(account);
}

} // namespace quillset
