#pragma once

#include "core/base/Failure.h"
#include "core/layout/ChequePage.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QMarginsF>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillset {

/// A print job as it goes to the queue: the composed pages (or, for a document that is not made of
/// composed pages, its PDF) and what the printer must give them. The queue renders the pages. A page is printed at 100
/// % on that paper, turned only as the orientation says: the PDF's pages are already that size and that way round.
struct PrintJob
{
    QString title;
    QList<ChequePage> pages;
    QByteArray pdf;
    QPageSize paper = QPageSize(QPageSize::A4);
    Orientation orientation = Orientation::Portrait;
};

/// Where a job stands in the print server.
struct JobStatus
{
    enum class State {
        Waiting,
        Held, ///< kept in the queue until someone releases it
        Printing,
        Completed,
        Cancelled,
        Aborted,
        Forgotten, ///< the server no longer knows the job: its history was cleared
    };
    State state = State::Waiting;
    bool started = false; ///< the printer has begun on it, so paper may have moved
    QString printerMessage; ///< what the printer says about itself, such as "media-empty"; may be empty
    /// The pages the server counted as printed (impressions or sheets, whichever is more); -1 when
    /// it does not say.
    int pagesPrinted = -1;

    bool finished() const
    {
        return state == State::Completed || state == State::Cancelled || state == State::Aborted
            || state == State::Forgotten;
    }
};

/// A job the print server has not finished, on any of its queues.
struct QueuedJob
{
    QString queue;
    int id = 0;
    QString title;
};

/// The print server's queue that cheques go to. Every call answers within the queue's time limit
/// and throws Failure when there is no printer, the printer refuses, or the server does not answer.
class PrintQueue
{
public:
    virtual ~PrintQueue() = default;

    /// The default printer's name; throws when there is none or it is stopped.
    virtual QString defaultQueue() = 0;
    /// Throws, naming the queue and the paper, when the queue says which papers it takes and that
    /// paper is not among them. A queue that does not say takes what it is sent.
    virtual void checkPaper(const QString &queue, const QPageSize &paper)
    {
        Q_UNUSED(queue);
        Q_UNUSED(paper);
    }
    /// Hands the job to the queue, asking for its paper, its orientation and no scaling, and
    /// returns the server's job number once the whole job has reached it (also when the server then
    /// fell silent: following the job says what became of it). A paper the queue cannot give is
    /// refused before anything is sent.
    virtual int submit(const QString &queue, const PrintJob &job) = 0;
    /// Where the job stands now.
    virtual JobStatus jobStatus(const QString &queue, int job) = 0;
    /// Asks the server to cancel the job; what became of it is then read with jobStatus, for it
    /// may have finished meanwhile.
    virtual void cancelJob(const QString &queue, int job)
    {
        throw Failure(
            ErrorNumber::PrinterRefused,
            QCoreApplication::translate("PrintQueue", "The printer \"%1\" cannot cancel job %2.").arg(queue).arg(job));
    }
    /// Every job the server holds that has not finished.
    virtual QList<QueuedJob> unfinishedJobs() { return {}; }
    /// Every print queue's name, the default one first; empty when there is no print server or no
    /// printer. Never throws.
    virtual QStringList queues() { return {}; }
    /// How far from each edge of an A4 sheet the queue's printer can print, in millimetres; nothing
    /// when the printer does not say or the server does not answer. Never throws.
    virtual std::optional<QMarginsF> printableMargins(const QString &queue)
    {
        Q_UNUSED(queue);
        return std::nullopt;
    }
    /// How long any one call may wait for the print server, in milliseconds.
    virtual void setCallTimeout(int milliseconds) = 0;
};

} // namespace quillset
