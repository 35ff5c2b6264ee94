#pragma once

#include "core/Failure.h"
#include "layout/PrintQueue.h"

#include <QList>
#include <QMutex>
#include <QMutexLocker>

namespace quillset::test {

/// A print queue that keeps the jobs it accepted and plays the print server's answers: each job
/// completes at once unless `statuses` scripts what the server says at each look.
class RecordingQueue final : public PrintQueue
{
public:
    QString defaultQueue() override
    {
        if (!installed)
            throw Failure(ErrorNumber::PrinterMissing, QStringLiteral("No printer is installed."));
        return QStringLiteral("TestQueue");
    }
    int submit(const QString &, const PrintJob &job) override
    {
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

private:
    QMutex m_mutex;
};

} // namespace quillset::test
