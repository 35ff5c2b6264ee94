#include "CupsPrintQueue.h"

#include "core/Failure.h"

#include <cups/cups.h>

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
        m_http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              qMax(100, timeoutMilliseconds), nullptr);
        if (!m_http)
            throw Failure(ErrorNumber::PrinterMissing,
                          QStringLiteral("No printer is installed, or the print service does not answer (at %1). "
                                         "Add a printer in the system's printer settings and make it the default "
                                         "printer, then print again.")
                              .arg(QString::fromLocal8Bit(cupsServer())));
        httpSetTimeout(m_http, qMax(0.1, timeoutMilliseconds / 1000.0), &Server::giveUp, this);
    }
    ~Server() { httpClose(m_http); }
    Server(const Server &) = delete;
    Server &operator=(const Server &) = delete;

    http_t *http() const { return m_http; }
    /// The failure for a call that did not succeed: the server's silence, or what it said.
    Failure failure(const QString &queue, const QString &doing) const
    {
        if (m_timedOut)
            return Failure(ErrorNumber::PrinterTimeout,
                           QStringLiteral("The print server did not answer within %1 seconds while %2. Check that "
                                          "the printing service is running, then try again.")
                               .arg(m_seconds)
                               .arg(doing));
        QString reason = QString::fromLocal8Bit(cupsLastErrorString()).trimmed();
        if (reason.endsWith(u'.'))
            reason.chop(1);
        return Failure(ErrorNumber::PrinterRefused,
                       QStringLiteral("The printer \"%1\" did not take the cheque: %2. Check the printer, then print "
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
    void operator()(ipp_t *ipp) const { ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, DeleteIpp>;

QString printerUri(const QString &queue)
{
    char uri[1024];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                     queue.toLocal8Bit().constData());
    return QString::fromLatin1(uri);
}

// What the printer says about itself: its message, or else its state reasons other than "none".
QString printerMessage(const Server &server, const QString &queue)
{
    Ipp request(ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES));
    ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 printerUri(queue).toLatin1().constData());
    static const char *const wanted[] = {"printer-state-message", "printer-state-reasons"};
    ippAddStrings(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    Ipp response(cupsDoRequest(server.http(), request.release(), "/"));
    if (!response)
        return QString();
    if (ipp_attribute_t *message = ippFindAttribute(response.get(), "printer-state-message", IPP_TAG_TEXT)) {
        const QString text = QString::fromUtf8(ippGetString(message, 0, nullptr)).trimmed();
        if (!text.isEmpty())
            return text;
    }
    QStringList reasons;
    if (ipp_attribute_t *attribute = ippFindAttribute(response.get(), "printer-state-reasons", IPP_TAG_KEYWORD)) {
        for (int i = 0; i < ippGetCount(attribute); ++i) {
            const QString reason = QString::fromLatin1(ippGetString(attribute, i, nullptr));
            if (reason != QLatin1String("none"))
                reasons.append(reason);
        }
    }
    return reasons.join(QStringLiteral(", "));
}

} // namespace

CupsPrintQueue::CupsPrintQueue(int timeoutMilliseconds)
    : m_timeoutMilliseconds(timeoutMilliseconds)
{
}

QString CupsPrintQueue::defaultQueue()
{
    const Server server(m_timeoutMilliseconds);
    cups_dest_t *dest = cupsGetNamedDest(server.http(), nullptr, nullptr);
    if (!dest) {
        if (server.timedOut())
            throw server.failure(QString(), QStringLiteral("looking for the default printer"));
        throw Failure(ErrorNumber::PrinterMissing,
                      QStringLiteral("No printer is installed. Add a printer in the system's printer settings and "
                                     "make it the default printer, then print again."));
    }
    const QString name = QString::fromLocal8Bit(dest->name);
    const char *state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const bool stopped = state && qstrcmp(state, "5") == 0;
    cupsFreeDests(1, dest);
    // A stopped queue would hold the cheque and print it at some later moment nobody expects.
    if (stopped)
        throw Failure(ErrorNumber::PrinterRefused,
                      QStringLiteral("The printer \"%1\" is stopped. Restart it in the system's printer settings, "
                                     "then print again.")
                          .arg(name));
    return name;
}

int CupsPrintQueue::submit(const QString &queue, const PrintJob &job)
{
    const Server server(m_timeoutMilliseconds);
    const QByteArray name = queue.toLocal8Bit();
    const QByteArray title = job.title.toUtf8();
    const int id = cupsCreateJob(server.http(), name.constData(), title.constData(), 0, nullptr);
    if (id == 0)
        throw server.failure(queue, QStringLiteral("handing it the cheque"));
    // Every byte is checked on its way: a short or failed write cancels the job instead of printing
    // a part of a cheque.
    const auto abandon = [&] {
        const Failure failure = server.failure(queue, QStringLiteral("handing it the cheque"));
        cupsCancelJob2(server.http(), name.constData(), id, 0);
        return failure;
    };
    if (cupsStartDocument(server.http(), name.constData(), id, title.constData(), CUPS_FORMAT_PDF, 1)
        != HTTP_STATUS_CONTINUE)
        throw abandon();
    constexpr qsizetype kChunk = 64 * 1024;
    for (qsizetype at = 0; at < job.pdf.size(); at += kChunk) {
        const qsizetype length = qMin(kChunk, job.pdf.size() - at);
        if (cupsWriteRequestData(server.http(), job.pdf.constData() + at, static_cast<size_t>(length))
            != HTTP_STATUS_CONTINUE)
            throw abandon();
    }
    if (cupsFinishDocument(server.http(), name.constData()) != IPP_STATUS_OK) {
        // The whole cheque reached the server, which then fell silent: it may yet print it.
        if (server.timedOut())
            throw Failure(ErrorNumber::PrinterOutcomeUnknown,
                          QStringLiteral("The print server received the whole cheque as job %1 on \"%2\" but did "
                                         "not confirm it.")
                              .arg(id)
                              .arg(queue));
        throw abandon();
    }
    return id;
}

JobStatus CupsPrintQueue::jobStatus(const QString &queue, int job)
{
    const Server server(m_timeoutMilliseconds);
    Ipp request(ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES));
    ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 printerUri(queue).toLatin1().constData());
    ippAddInteger(request.get(), IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    static const char *const wanted[] = {"job-state", "time-at-processing"};
    ippAddStrings(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    const Ipp response(cupsDoRequest(server.http(), request.release(), "/"));
    if (!response || cupsLastError() > IPP_STATUS_OK_CONFLICTING)
        throw server.failure(queue, QStringLiteral("following the cheque's job %1").arg(job));

    JobStatus status;
    ipp_attribute_t *state = ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM);
    switch (state ? ippGetInteger(state, 0) : IPP_JSTATE_PENDING) {
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
    ipp_attribute_t *began = ippFindAttribute(response.get(), "time-at-processing", IPP_TAG_INTEGER);
    status.started = status.state == JobStatus::State::Printing || (began && ippGetInteger(began, 0) > 0);
    if (!status.finished())
        status.printerMessage = printerMessage(server, queue);
    return status;
}

QStringList CupsPrintQueue::queues()
{
    try {
        const Server server(m_timeoutMilliseconds);
        cups_dest_t *dests = nullptr;
        const int count = cupsGetDests2(server.http(), &dests);
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
        cupsFreeDests(count, dests);
        return names;
    } catch (const Failure &) {
        return {};
    }
}

std::optional<QMarginsF> CupsPrintQueue::printableMargins(const QString &queue)
{
    try {
        const Server server(m_timeoutMilliseconds);
        cups_dest_t *dest = cupsGetNamedDest(server.http(), queue.toLocal8Bit().constData(), nullptr);
        if (!dest)
            return std::nullopt;
        std::optional<QMarginsF> margins;
        if (cups_dinfo_t *info = cupsCopyDestInfo(server.http(), dest)) {
            cups_size_t size {};
            // The server gives the margins in hundredths of a millimetre.
            if (cupsGetDestMediaByName(server.http(), dest, info, "iso_a4_210x297mm", CUPS_MEDIA_FLAGS_DEFAULT, &size))
                margins = QMarginsF(size.left / 100.0, size.top / 100.0, size.right / 100.0, size.bottom / 100.0);
            cupsFreeDestInfo(info);
        }
        cupsFreeDests(1, dest);
        return margins;
    } catch (const Failure &) {
        return std::nullopt;
    }
}

} // namespace quillset
