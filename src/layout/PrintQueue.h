#pragma once

#include "ChequePage.h"

#include <QByteArray>
#include <QList>
#include <QMarginsF>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillset {

/// A print job as it goes to the queue: the composed pages and the PDF they were rendered into.
struct PrintJob
{
    QString title;
    QList<ChequePage> pages;
    QByteArray pdf;
};

/// Where a job stands in the print server.
struct JobStatus
{
    enum class State { Waiting, Printing, Completed, Cancelled, Aborted };
    State state = State::Waiting;
    bool started = false; ///< the printer has begun on it, so paper may have moved
    QString printerMessage; ///< what the printer says about itself, such as "media-empty"; may be empty

    bool finished() const { return state == State::Completed || state == State::Cancelled || state == State::Aborted; }
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
    /// Throws PrinterOutcomeUnknown when the job may have reached the printer although the queue did
    /// not say it took it.
    virtual int submit(const QString &queue, const PrintJob &job) = 0;
    /// Where the job stands now.
    virtual JobStatus jobStatus(const QString &queue, int job) = 0;
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
