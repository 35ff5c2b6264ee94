#include "CupsPrintQueue.h"

#include "CupsLibrary.h"
#include "PdfDocument.h"
#include "PrintLog.h"
#include "core/base/ErrorKind.h"
#include "core/base/Failure.h"

#include <QCoreApplication>
#include <QScopeGuard>

#include <memory>

namespace quillset {

namespace {

// The connection to the server, which gives up when the server keeps silent past the time limit.
class Server
{
public:
    explicit Server(int timeoutMilliseconds)
        : m_seconds(qMax(1, timeoutMilliseconds / 1000))
    {
        m_http = cups().httpConnect2(cups().cupsServer(), cups().ippPort(), nullptr, AF_UNSPEC, cups().cupsEncryption(),
                                     1, qMax(100, timeoutMilliseconds), nullptr);
        if (!m_http)
            throw Failure(
                ErrorNumber::PrinterMissing,
                QCoreApplication::translate("CupsPrintQueue",
                                            "No printer is installed, or the print service does not answer (at %1). "
                                            "Add a printer in the system's printer settings and make it the default "
                                            "printer, then print again.")
                    .arg(QString::fromLocal8Bit(cups().cupsServer())));
        cups().httpSetTimeout(m_http, qMax(0.1, timeoutMilliseconds / 1000.0), &Server::giveUp, this);
    }
    ~Server() { cups().httpClose(m_http); }
    Server(const Server &) = delete;
    Server &operator=(const Server &) = delete;

    http_t *http() const { return m_http; }
    /// The failure for a call that did not succeed: the server's silence, or what it said.
    Failure failure(const QString &queue, const QString &doing) const
    {
        if (m_timedOut)
            return Failure(
                ErrorNumber::PrinterTimeout,
                QCoreApplication::translate("CupsPrintQueue",
                                            "The print server did not answer within %1 seconds while %2. Check that "
                                            "the printing service is running, then try again.")
                    .arg(m_seconds)
                    .arg(doing));
        QString reason = QString::fromLocal8Bit(cups().cupsLastErrorString()).trimmed();
        if (reason.endsWith(u'.'))
            reason.chop(1);
        return Failure(
            ErrorNumber::PrinterRefused,
            QCoreApplication::translate("CupsPrintQueue",
                                        "The printer \"%1\" did not take the cheque: %2. Check the printer, then print "
                                        "again.")
                .arg(queue, reason));
    }
    bool timedOut() const { return m_timedOut; }

private:
    static int giveUp(http_t *, void *self)
    {
        static_cast<Server *>(self)->m_timedOut = true;
        return 0;
    }

    http_t *m_http = nullptr;
    int m_seconds;
    bool m_timedOut = false;
};

struct DeleteIpp
{
    void operator()(ipp_t *ipp) const { cups().ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, DeleteIpp>;

QString printerUri(const QString &queue)
{
    char uri[1024];
    cups().httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", cups().ippPort(),
                            "/printers/%s", queue.toLocal8Bit().constData());
    return QString::fromLatin1(uri);
}

// What the printer says about itself: its message, or else its state reasons other than "none".
QString printerMessage(const Server &server, const QString &queue)
{
    Ipp request(cups().ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES));
    cups().ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                        printerUri(queue).toLatin1().constData());
    static const char *const wanted[] = {"printer-state-message", "printer-state-reasons"};
    cups().ippAddStrings(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    Ipp response(cups().cupsDoRequest(server.http(), request.release(), "/"));
    if (!response)
        return QString();
    if (ipp_attribute_t *message = cups().ippFindAttribute(response.get(), "printer-state-message", IPP_TAG_TEXT)) {
        const QString text = QString::fromUtf8(cups().ippGetString(message, 0, nullptr)).trimmed();
        if (!text.isEmpty())
            return text;
    }
    QStringList reasons;
    if (ipp_attribute_t *attribute
        = cups().ippFindAttribute(response.get(), "printer-state-reasons", IPP_TAG_KEYWORD)) {
        for (int i = 0; i < cups().ippGetCount(attribute); ++i) {
            const QString reason = QString::fromLatin1(cups().ippGetString(attribute, i, nullptr));
            if (reason != QLatin1String("none"))
                reasons.append(reason);
        }
    }
    return reasons.join(QStringLiteral(", "));
}

// A queue without a driver passes jobs to the printer untouched and counts no pages, so a count of
// none from it says nothing.
bool countsNoPages(const Server &server, const QString &queue)
{
    Ipp request(cups().ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES));
    cups().ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                        printerUri(queue).toLatin1().constData());
    cups().ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                        "printer-make-and-model");
    const Ipp response(cups().cupsDoRequest(server.http(), request.release(), "/"));
    ipp_attribute_t *model
        = response ? cups().ippFindAttribute(response.get(), "printer-make-and-model", IPP_TAG_TEXT) : nullptr;
    return model && qstrcmp(cups().ippGetString(model, 0, nullptr), "Local Raw Printer") == 0;
}

// The paper's name as the print server knows it, such as "iso_a4_210x297mm".
QByteArray mediaName(const QPageSize &paper)
{
    const QSizeF millimetres = paper.size(QPageSize::Millimeter);
    const pwg_media_t *media
        = cups().pwgMediaForSize(qRound(millimetres.width() * 100), qRound(millimetres.height() * 100));
    return media ? QByteArray(media->pwg) : QByteArray();
}

// A paper the server names, in the words a person uses for it: "Letter" rather than
// "na_letter_8.5x11in".
QString paperWords(const char *media)
{
    const pwg_media_t *known = cups().pwgMediaForPWG(media);
    return QString::fromLatin1(known && known->ppd ? known->ppd : media);
}

// Why the queue cannot give that paper; empty when it can, or when it does not say which papers it
// takes (a queue without a driver passes the page on as it is).
QString paperProblem(const Server &server, const QString &queue, const QPageSize &paper)
{
    cups_dest_t *dest = cups().cupsGetNamedDest(server.http(), queue.toLocal8Bit().constData(), nullptr);
    if (!dest)
        throw server.failure(queue, QCoreApplication::translate("CupsPrintQueue", "asking which papers it takes"));
    const auto freeDest = qScopeGuard([dest] { cups().cupsFreeDests(1, dest); });
    cups_dinfo_t *info = cups().cupsCopyDestInfo(server.http(), dest);
    if (!info) {
        if (server.timedOut())
            throw server.failure(queue, QCoreApplication::translate("CupsPrintQueue", "asking which papers it takes"));
        return QString();
    }
    const auto freeInfo = qScopeGuard([info] { cups().cupsFreeDestInfo(info); });
    ipp_attribute_t *offered = cups().cupsFindDestSupported(server.http(), dest, info, "media");
    const QByteArray wanted = mediaName(paper);
    if (!offered || cups().ippGetCount(offered) == 0 || wanted.isEmpty()
        || cups().cupsCheckDestSupported(server.http(), dest, info, "media", wanted.constData()))
        return QString();
    QStringList papers;
    for (int i = 0; i < cups().ippGetCount(offered); ++i)
        papers.append(paperWords(cups().ippGetString(offered, i, nullptr)));
    papers.removeDuplicates();
    return QCoreApplication::translate(
               "CupsPrintQueue",
               "The printer \"%1\" cannot print on %2 paper, which this page is laid out for: it "
               "offers %3. Nothing was printed. Add %2 to the printer's paper sizes in the system's "
               "printer settings, or make a printer that takes %2 the default one.")
        .arg(queue, paper.name(), papers.join(QStringLiteral(", ")));
}

} // namespace

CupsPrintQueue::CupsPrintQueue(int timeoutMilliseconds)
    : m_timeoutMilliseconds(timeoutMilliseconds)
{
}

QString CupsPrintQueue::defaultQueue()
{
    const Server server(m_timeoutMilliseconds);
    cups_dest_t *dest = cups().cupsGetNamedDest(server.http(), nullptr, nullptr);
    if (!dest) {
        if (server.timedOut())
            throw server.failure(QString(),
                                 QCoreApplication::translate("CupsPrintQueue", "looking for the default printer"));
        throw Failure(
            ErrorNumber::PrinterMissing,
            QCoreApplication::translate("CupsPrintQueue",
                                        "No printer is installed. Add a printer in the system's printer settings and "
                                        "make it the default printer, then print again."));
    }
    const QString name = QString::fromLocal8Bit(dest->name);
    const char *state = cups().cupsGetOption("printer-state", dest->num_options, dest->options);
    const bool stopped = state && qstrcmp(state, "5") == 0;
    cups().cupsFreeDests(1, dest);
    // A stopped queue would hold the cheque and print it at some later moment nobody expects.
    if (stopped)
        throw Failure(
            ErrorNumber::PrinterRefused,
            QCoreApplication::translate("CupsPrintQueue",
                                        "The printer \"%1\" is stopped. Restart it in the system's printer settings, "
                                        "then print again.")
                .arg(name));
    return name;
}

void CupsPrintQueue::checkPaper(const QString &queue, const QPageSize &paper)
{
    const Server server(m_timeoutMilliseconds);
    if (const QString problem = paperProblem(server, queue, paper); !problem.isEmpty())
        throw Failure(ErrorNumber::PrinterRefused, problem);
}

int CupsPrintQueue::submit(const QString &queue, const PrintJob &job)
{
    const Server server(m_timeoutMilliseconds);
    if (const QString problem = paperProblem(server, queue, job.paper); !problem.isEmpty())
        throw Failure(ErrorNumber::PrinterRefused, problem);
    const QByteArray name = queue.toLocal8Bit();
    const QByteArray title = job.title.toUtf8();
    // The page is already the paper's size and the right way round: the printer is asked for that
    // paper, whatever its default, and to print it as it is. Without these a driver fits the page to
    // its own default paper (scaling and moving every field) and turns a landscape page whichever
    // way it likes.
    cups_option_t *options = nullptr;
    int optionCount = 0;
    const auto freeOptions = qScopeGuard([&] { cups().cupsFreeOptions(optionCount, options); });
    if (const QByteArray media = mediaName(job.paper); !media.isEmpty())
        optionCount = cups().cupsAddOption("media", media.constData(), optionCount, &options);
    optionCount = cups().cupsAddOption("print-scaling", "none", optionCount, &options);
    optionCount = cups().cupsAddOption("fit-to-page", "false", optionCount, &options);
    optionCount = cups().cupsAddOption("orientation-requested", job.orientation == Orientation::Landscape ? "4" : "3",
                                       optionCount, &options);
    const int id = cups().cupsCreateJob(server.http(), name.constData(), title.constData(), optionCount, options);
    if (id == 0)
        throw server.failure(queue, QCoreApplication::translate("CupsPrintQueue", "handing it the cheque"));
    // Every byte is checked on its way: a short or failed write cancels the job instead of printing
    // a part of a cheque.
    const auto abandon = [&] {
        const Failure failure
            = server.failure(queue, QCoreApplication::translate("CupsPrintQueue", "handing it the cheque"));
        cups().cupsCancelJob2(server.http(), name.constData(), id, 0);
        return failure;
    };
    if (cups().cupsStartDocument(server.http(), name.constData(), id, title.constData(), CUPS_FORMAT_PDF, 1)
        != HTTP_STATUS_CONTINUE)
        throw abandon();
    const QByteArray pdf = job.pdf.isEmpty() ? renderPdf(job.pages, job.title) : job.pdf;
    constexpr qsizetype kChunk = 64 * 1024;
    for (qsizetype at = 0; at < pdf.size(); at += kChunk) {
        const qsizetype length = qMin(kChunk, pdf.size() - at);
        if (cups().cupsWriteRequestData(server.http(), pdf.constData() + at, static_cast<size_t>(length))
            != HTTP_STATUS_CONTINUE)
            throw abandon();
    }
    if (cups().cupsFinishDocument(server.http(), name.constData()) != IPP_STATUS_OK) {
        // The whole cheque reached the server, which then fell silent: it may yet print it, so the
        // job is followed like any other.
        if (server.timedOut())
            return id;
        throw abandon();
    }
    return id;
}

JobStatus CupsPrintQueue::jobStatus(const QString &queue, int job)
{
    const Server server(m_timeoutMilliseconds);
    Ipp request(cups().ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES));
    cups().ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                        printerUri(queue).toLatin1().constData());
    cups().ippAddInteger(request.get(), IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    static const char *const wanted[]
        = {"job-state", "time-at-processing", "job-impressions-completed", "job-media-sheets-completed"};
    cups().ippAddStrings(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 4, nullptr, wanted);
    const Ipp response(cups().cupsDoRequest(server.http(), request.release(), "/"));
    JobStatus status;
    if (cups().cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND && !server.timedOut()) {
        status.state = JobStatus::State::Forgotten;
        return status;
    }
    if (!response || cups().cupsLastError() > IPP_STATUS_OK_CONFLICTING)
        throw server.failure(queue,
                             QCoreApplication::translate("CupsPrintQueue", "following the cheque's job %1").arg(job));

    ipp_attribute_t *state = cups().ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM);
    switch (state ? cups().ippGetInteger(state, 0) : IPP_JSTATE_PENDING) {
    case IPP_JSTATE_HELD:
        status.state = JobStatus::State::Held;
        break;
    case IPP_JSTATE_PROCESSING:
        status.state = JobStatus::State::Printing;
        break;
    case IPP_JSTATE_COMPLETED:
        status.state = JobStatus::State::Completed;
        break;
    case IPP_JSTATE_CANCELED:
        status.state = JobStatus::State::Cancelled;
        break;
    case IPP_JSTATE_ABORTED:
        status.state = JobStatus::State::Aborted;
        break;
    default:
        status.state = JobStatus::State::Waiting;
        break;
    }
    // The server notes when it began the job; before that, no paper can have moved.
    ipp_attribute_t *began = cups().ippFindAttribute(response.get(), "time-at-processing", IPP_TAG_INTEGER);
    status.started = status.state == JobStatus::State::Printing || (began && cups().ippGetInteger(began, 0) > 0);
    // The pages its filters or its printer reported; a job that completed with none put nothing on
    // paper, or nothing the server saw.
    for (const char *counter : {"job-impressions-completed", "job-media-sheets-completed"}) {
        if (ipp_attribute_t *pages = cups().ippFindAttribute(response.get(), counter, IPP_TAG_INTEGER))
            status.pagesPrinted = qMax(status.pagesPrinted, cups().ippGetInteger(pages, 0));
    }
    if (status.state == JobStatus::State::Completed && status.pagesPrinted == 0 && countsNoPages(server, queue))
        status.pagesPrinted = -1;
    if (!status.finished())
        status.printerMessage = printerMessage(server, queue);
    return status;
}

void CupsPrintQueue::cancelJob(const QString &queue, int job)
{
    const Server server(m_timeoutMilliseconds);
    if (cups().cupsCancelJob2(server.http(), queue.toLocal8Bit().constData(), job, 0) == IPP_STATUS_OK)
        return;
    // A job that has just finished cannot be cancelled any more; following it says how it ended.
    if (cups().cupsLastError() == IPP_STATUS_ERROR_NOT_POSSIBLE && !server.timedOut())
        return;
    if (server.timedOut())
        throw server.failure(queue, QCoreApplication::translate("CupsPrintQueue", "cancelling job %1").arg(job));
    throw Failure(ErrorNumber::PrinterRefused,
                  QCoreApplication::translate("CupsPrintQueue", "The print server did not cancel job %1 on \"%2\": %3.")
                      .arg(job)
                      .arg(queue, QString::fromLocal8Bit(cups().cupsLastErrorString()).trimmed()));
}

QList<QueuedJob> CupsPrintQueue::unfinishedJobs()
{
    const Server server(m_timeoutMilliseconds);
    cups_job_t *jobs = nullptr;
    const int count = cups().cupsGetJobs2(server.http(), &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
    if (count < 0 && server.timedOut())
        throw server.failure(QString(), QCoreApplication::translate("CupsPrintQueue", "listing the jobs it holds"));
    if (count < 0)
        throw Failure(
            ErrorNumber::PrinterRefused,
            QCoreApplication::translate("CupsPrintQueue", "The print server did not list the jobs it holds: %1.")
                .arg(QString::fromLocal8Bit(cups().cupsLastErrorString()).trimmed()));
    QList<QueuedJob> unfinished;
    for (int i = 0; i < count; ++i)
        unfinished.append({QString::fromLocal8Bit(jobs[i].dest), jobs[i].id, QString::fromUtf8(jobs[i].title)});
    cups().cupsFreeJobs(count, jobs);
    return unfinished;
}

QStringList CupsPrintQueue::queues()
{
    try {
        const Server server(m_timeoutMilliseconds);
        cups_dest_t *dests = nullptr;
        const int count = cups().cupsGetDests2(server.http(), &dests);
        QStringList names;
        for (int i = 0; i < count; ++i) {
            if (dests[i].instance)
                continue;
            const QString name = QString::fromLocal8Bit(dests[i].name);
            if (dests[i].is_default)
                names.prepend(name);
            else
                names.append(name);
        }
        cups().cupsFreeDests(count, dests);
        return names;
    } catch (const Failure &failure) {
        qCDebug(lcPrint).noquote() << "no printers are listed:" << failure;
        return {};
    }
}

std::optional<QMarginsF> CupsPrintQueue::printableMargins(const QString &queue)
{
    try {
        const Server server(m_timeoutMilliseconds);
        cups_dest_t *dest = cups().cupsGetNamedDest(server.http(), queue.toLocal8Bit().constData(), nullptr);
        if (!dest)
            return std::nullopt;
        std::optional<QMarginsF> margins;
        if (cups_dinfo_t *info = cups().cupsCopyDestInfo(server.http(), dest)) {
            cups_size_t size {};
            // The server gives the margins in hundredths of a millimetre.
            if (cups().cupsGetDestMediaByName(server.http(), dest, info, "iso_a4_210x297mm", CUPS_MEDIA_FLAGS_DEFAULT,
                                              &size))
                margins = QMarginsF(size.left / 100.0, size.top / 100.0, size.right / 100.0, size.bottom / 100.0);
            cups().cupsFreeDestInfo(info);
        }
        cups().cupsFreeDests(1, dest);
        return margins;
    } catch (const Failure &failure) {
        qCDebug(lcPrint).noquote() << "the printable margins of" << queue << "are not known:" << failure;
        return std::nullopt;
    }
}

} // namespace quillset
