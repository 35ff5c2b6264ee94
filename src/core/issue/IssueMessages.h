#pragma once

#include "core/base/Failure.h"

#include <QCoreApplication>
#include <QString>

namespace quillset {

/// Every sentence the cheque's life says, to the operator at the windows, to someone at the command
/// line, and to the print progress: one place to read them, and one context to translate them in.
class IssueMessages
{
    Q_DECLARE_TR_FUNCTIONS(IssueMessages)

public:
    // A cheque above its account's limit.
    static QString overLimit(const QString &over, Audience audience);
    // Following a job in the print server.
    static QString jobState(bool printing, bool held, const QString &printerMessage);
    static QString cancellingJob(const QString &number, const QString &printer, int job);
    static QString jobProgress(const QString &number, const QString &printer, int job, bool cancelling,
                               const QString &last);
    static QString jobOverdue(const QString &number, const QString &printer, int job, int seconds, const QString &last);
    static QString lookingForPrinter(const QString &number);
    static QString sendingTo(const QString &number, const QString &printer);

    // Settling a pending cheque.
    static QString settleWhere(Audience audience, const QString &command);
    static QString settleHint(Audience audience, const QString &command);
    static QString notSettleableYet(const QString &number, const QString &why);
    static QString sentFromElsewhere(const QString &workstation, int job, const QString &queue, const QString &host);
    static QString serverUnanswered(int job, const QString &queue, const QString &cause);
    static QString stillInServer(int job, const QString &queue, const QString &state);
    static QString mayBeOnItsWay();
    static QString stillInServerByTitle(int job, const QString &queue);
    static QString reasonNeeded(const QString &number, bool isVoid);
    static QString notPending(const QString &number, const QString &status);
    static QString notPrintedSoNotVoid(const QString &number, const QString &status);
    static QString noSuchCheque(const QString &number, const QString &account);
    static QString leafReasonNeeded(const QString &number);
    static QString leafSpoiled(const QString &number, const QString &account);
    static QString removedNumberFree(const QString &number, const QString &account);
    static QString recordedPrinted(const QString &number, const QString &account);
    static QString recordedSpoiled(const QString &number, const QString &account);
    static QString nowVoid(const QString &number, const QString &account);
    /// `named` lists this workstation's pending cheques; `elsewhere` counts other workstations' ones.
    static QString pendingNotice(int count, const QString &named, int elsewhere, Audience audience,
                                 const QString &command);

    // Printing a cheque.
    static QString numberTaken(const QString &number, const QString &account, const QString &status,
                               const QString &date, const QString &next);
    static QString nothingPrinted(const QString &problems);
    static QString registerUnread(const QString &cause);
    static QString cancelledBeforeSending(const QString &number);
    static QString registerRefusedCheque(const QString &cause);
    static QString pendingRowNotRemoved(const QString &error, const QString &cause, Audience audience,
                                        const QString &command);
    static QString cancelUnconfirmed(int job, const QString &printer, const QString &last, const QString &number,
                                     const QString &hint);
    static QString unfinished(const QString &number, const QString &printer, int job, int seconds, const QString &last,
                              const QString &hint);
    static QString completedNoPage(int job, const QString &printer, const QString &number, const QString &hint);
    static QString printedNotMarked(const QString &number, int job, const QString &cause, const QString &where);
    static QString forgotten(int job, const QString &printer, const QString &number, const QString &hint);
    static QString endedBeforePrinting(bool asked, bool cancelled, int job, const QString &printer);
    static QString endedWhilePrinting(bool asked, bool cancelled, int job, const QString &printer,
                                      const QString &number, const QString &hint);
    static QString noNextNumber(const QString &account);
    static QString numbersKeptTaken(const QString &account);

private:
    static QString endedWords(bool asked, bool cancelled);
};

} // namespace quillset
