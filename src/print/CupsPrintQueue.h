#pragma once

#include "core/layout/PrintQueue.h"

#include <atomic>

namespace quillset {

/// The system's print server, through the CUPS library. Jobs are streamed to the queue as PDF with
/// their paper, orientation and no scaling asked for, and every write is checked; every call gives
/// up, with a plain message, after the time limit.
class CupsPrintQueue final : public PrintQueue
{
public:
    explicit CupsPrintQueue(int timeoutMilliseconds = 15000);

    QString defaultQueue() override;
    void checkPaper(const QString &queue, const QPageSize &paper) override;
    int submit(const QString &queue, const PrintJob &job) override;
    JobStatus jobStatus(const QString &queue, int job) override;
    void cancelJob(const QString &queue, int job) override;
    QList<QueuedJob> unfinishedJobs() override;
    QStringList queues() override;
    std::optional<QMarginsF> printableMargins(const QString &queue) override;
    void setCallTimeout(int milliseconds) override { m_timeoutMilliseconds = milliseconds; }

private:
    std::atomic<int> m_timeoutMilliseconds;
};

} // namespace quillset
