#pragma once

#include "PrintQueue.h"

namespace quillset {

/// The system's print server, through the CUPS library. Jobs are streamed to the queue as PDF and
/// every write is checked; every call gives up, with a plain message, after the time limit.
class CupsPrintQueue final : public PrintQueue
{
public:
    explicit CupsPrintQueue(int timeoutSeconds = 30);

    QString defaultQueue() override;
    int submit(const QString &queue, const PrintJob &job) override;

private:
    int m_timeoutSeconds;
};

} // namespace quillset
