#pragma once

#include "core/Failure.h"
#include "layout/PrintQueue.h"

#include <QList>

namespace quillset::test {

/// A print queue that keeps the jobs it accepted, and can play a missing printer or one that
/// refuses the job.
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
        if (refuseJob)
            throw Failure(ErrorNumber::PrinterRefused, QStringLiteral("The printer did not accept the cheque."));
        jobs.append(job);
        return static_cast<int>(jobs.size());
    }

    /// Every page of every accepted job, in order.
    QList<ChequePage> printed() const
    {
        QList<ChequePage> pages;
        for (const PrintJob &job : jobs)
            pages += job.pages;
        return pages;
    }

    bool installed = true;
    bool refuseJob = false;
    QList<PrintJob> jobs; ///< jobs the queue accepted
};

} // namespace quillset::test
