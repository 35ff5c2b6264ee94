#pragma once

#include "core/base/Failure.h"
#include "core/layout/PrintQueue.h"

#include <QList>
#include <QMutex>
#include <QMutexLocker>

namespace quillset::test {

/// A print queue that keeps the jobs it accepted and plays the print server's answers: each job
/// completes at once unless `statuses` scripts what the server says at each look, and a cancelled
/// job says what `cancelledAs` says.
class RecordingQueue final : public PrintQueue
{
public:
    QString defaultQueue() override
    {
        if (!installed)
            throw Failure(ErrorNumber::PrinterMissing, QStringLiteral("No printer is installed."));
        return QStringLiteral("TestQueue");
    }
    void checkPaper(const QString &queue, const QPageSize &paper) override
    {
        if (!papers.isEmpty() && !papers.contains(paper.id()))
            throw Failure(ErrorNumber::PrinterRefused,
                          QStringLiteral("The printer \"%1\" cannot print on %2 paper.").arg(queue, paper.name()));
    }
    int submit(const QString &queue, const PrintJob &job) override
    {
        checkPaper(queue, job.paper);
        const QMutexLocker lock(&m_mutex);
        if (refuseJob)
            throw Failure(ErrorNumber::PrinterRefused, QStringLiteral("The printer did not accept the cheque."));
        jobs.append(job);
        return static_cast<int>(jobs.size());
    }
    JobStatus jobStatus(const QString &, int) override
    {
        const QMutexLocker lock(&m_mutex);
        ++looks;
        if (statuses.isEmpty())
            return {JobStatus::State::Completed, true, QString()};
        return statuses.size() == 1 ? statuses.first() : statuses.takeFirst();
    }
    void cancelJob(const QString &, int job) override
    {
        const QMutexLocker lock(&m_mutex);
        cancelled.append(job);
        if (!cancelledAs)
            return;
        statuses = {*cancelledAs};
    }
    QList<QueuedJob> unfinishedJobs() override
    {
        if (serverSilent)
            throw Failure(ErrorNumber::PrinterTimeout, QStringLiteral("The print server did not answer."));
        return unfinished;
    }
    void setCallTimeout(int) override { }
    QStringList queues() override
    {
        return installed ? QStringList {QStringLiteral("TestQueue")} + otherQueues : QStringList();
    }
    std::optional<QMarginsF> printableMargins(const QString &) override { return margins; }

    /// Every page of every accepted job, in order.
    QList<ChequePage> printed() const
    {
        QList<ChequePage> pages;
        for (const PrintJob &job : jobs)
            pages += job.pages;
        return pages;
    }
    /// The server answers "printing" this many times before the job completes.
    void printSlowly(int looksWhilePrinting)
    {
        statuses = QList<JobStatus>(looksWhilePrinting, {JobStatus::State::Printing, true, QStringLiteral("printing")});
        statuses.append({JobStatus::State::Completed, true, QString()});
    }

    bool installed = true;
    QStringList otherQueues; ///< printers besides the default one
    std::optional<QMarginsF> margins; ///< what every printer says it cannot print, in millimetres
    bool refuseJob = false;
    QList<JobStatus> statuses; ///< answered in turn; the last one for every look after it
    QList<PrintJob> jobs; ///< jobs the queue accepted
    int looks = 0;
    QList<QPageSize::PageSizeId> papers; ///< the papers the printer offers; empty when it does not say
    QList<int> cancelled; ///< the jobs asked to be cancelled
    std::optional<JobStatus> cancelledAs; ///< what a job says from the moment it is cancelled; unchanged when empty
    QList<QueuedJob> unfinished; ///< what the server lists as not finished
    bool serverSilent = false; ///< listing the jobs fails

private:
    QMutex m_mutex;
};

} // namespace quillset::test
