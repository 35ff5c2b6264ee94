#include "CupsPrintQueue.h"

#include "core/Failure.h"

#include <cups/cups.h>

#include <memory>

namespace quillset {

namespace {

// Called when the server keeps silent past the time limit: give up rather than wait on.
int giveUp(http_t *, void *)
{
    return 0;
}

struct CloseHttp
{
    void operator()(http_t *http) const { httpClose(http); }
};
using Http = std::unique_ptr<http_t, CloseHttp>;

QString lastCupsError()
{
    QString reason = QString::fromLocal8Bit(cupsLastErrorString()).trimmed();
    if (reason.endsWith(u'.'))
        reason.chop(1);
    return reason;
}

Failure refused(const QString &queue, const QString &reason)
{
    return Failure(
        ErrorNumber::PrinterRefused,
        QStringLiteral("The printer \"%1\" did not take the cheque: %2. Check the printer, then print again.")
            .arg(queue, reason));
}

Http connectToServer(int timeoutSeconds)
{
    http_t *http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, timeoutSeconds * 1000,
                                nullptr);
    if (!http)
        throw Failure(ErrorNumber::PrinterMissing,
                      QStringLiteral("No printer is installed, or the print service does not answer (at %1). Add a "
                                     "printer in the system's printer settings and make it the default printer, "
                                     "then print again.")
                          .arg(QString::fromLocal8Bit(cupsServer())));
    httpSetTimeout(http, timeoutSeconds, giveUp, nullptr);
    return Http(http);
}

} // namespace

CupsPrintQueue::CupsPrintQueue(int timeoutSeconds)
    : m_timeoutSeconds(timeoutSeconds)
{
}

QString CupsPrintQueue::defaultQueue()
{
    const Http http = connectToServer(m_timeoutSeconds);
    cups_dest_t *dest = cupsGetNamedDest(http.get(), nullptr, nullptr);
    if (!dest)
        throw Failure(ErrorNumber::PrinterMissing,
                      QStringLiteral("No printer is installed. Add a printer in the system's printer settings and "
                                     "make it the default printer, then print again."));
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
    const Http http = connectToServer(m_timeoutSeconds);
    const QByteArray name = queue.toLocal8Bit();
    const QByteArray title = job.title.toUtf8();
    const int id = cupsCreateJob(http.get(), name.constData(), title.constData(), 0, nullptr);
    if (id == 0)
        throw refused(queue, lastCupsError());
    // Every byte is checked on its way: a short or failed write cancels the job instead of printing
    // a part of a cheque.
    const auto abandon = [&](const QString &reason) {
        const QString why = reason.isEmpty() ? lastCupsError() : reason;
        cupsCancelJob2(http.get(), name.constData(), id, 0);
        return refused(queue, why);
    };
    if (cupsStartDocument(http.get(), name.constData(), id, title.constData(), CUPS_FORMAT_PDF, 1)
        != HTTP_STATUS_CONTINUE)
        throw abandon(QString());
    constexpr qsizetype kChunk = 64 * 1024;
    for (qsizetype at = 0; at < job.pdf.size(); at += kChunk) {
        const qsizetype length = qMin(kChunk, job.pdf.size() - at);
        if (cupsWriteRequestData(http.get(), job.pdf.constData() + at, static_cast<size_t>(length))
            != HTTP_STATUS_CONTINUE)
            throw abandon(QString());
    }
    if (cupsFinishDocument(http.get(), name.constData()) != IPP_STATUS_OK)
        throw abandon(QString());
    return id;
}

} // namespace quillset
