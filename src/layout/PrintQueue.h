#pragma once

#include "ChequePage.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace quillset {

/// A print job as it goes to the queue: the composed pages and the PDF they were rendered into.
struct PrintJob
{
    QString title;
    QList<ChequePage> pages;
    QByteArray pdf;
};

/// The print server's queue that cheques go to. Every call answers within the queue's time limit
/// and throws Failure when there is no printer, the printer refuses, or the server does not answer.
class PrintQueue
{
public:
    virtual ~PrintQueue() = default;

    /// The default printer's name; throws when there is none or it is stopped.
    virtual QString defaultQueue() = 0;
    /// Hands the job to the queue; returns the server's job number once the queue has accepted it.
    virtual int submit(const QString &queue, const PrintJob &job) = 0;
};

} // namespace quillset
