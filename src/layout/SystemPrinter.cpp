#include "SystemPrinter.h"

#include "ChequePage.h"
#include "PageRenderer.h"
#include "store/Failure.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace quillset {

namespace {

constexpr int kResolution = 1200;

} // namespace

SystemPrinter::SystemPrinter()
    : m_printer(QPrinter::HighResolution)
{
}

SystemPrinter::SystemPrinter(const QString &pdfPath)
    : m_printer(QPrinter::HighResolution)
    , m_pdfPath(pdfPath)
{
}

SystemPrinter::~SystemPrinter()
{
    // A page begun but never released is finished as a file, never sent to a queue unasked.
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

void SystemPrinter::ensureAvailable()
{
    if (m_ready)
        return;
    if (m_pdfPath.isEmpty()) {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.isNull())
            throw Failure(ErrorNumber::PrinterMissing,
                          QStringLiteral("No printer is installed. Add a printer in the system's printer settings "
                                         "and make it the default printer, then print again."));
        // A stopped queue would hold the cheque and print it at some later moment nobody expects.
        if (printer.state() == QPrinter::Error)
            throw Failure(ErrorNumber::PrinterRefused,
                          QStringLiteral("The printer \"%1\" is stopped. Restart it in the system's printer "
                                         "settings, then print again.")
                              .arg(printer.printerName()));
        m_queue = printer.printerName();
        m_spool = std::make_unique<QTemporaryDir>();
        m_pdfPath = m_spool->filePath(QStringLiteral("cheque.pdf"));
    }
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(m_pdfPath);
    m_printer.setResolution(kResolution);
    m_printer.setFullPage(true);
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    m_printer.setDocName(QStringLiteral("Quillset cheque"));
    m_printer.setCreator(QStringLiteral("Quillset"));
    m_ready = true;
}

QPaintDevice &SystemPrinter::metricsDevice()
{
    return m_printer;
}

void SystemPrinter::printPage(const ChequePage &page)
{
    ensureAvailable();
    m_printer.setPageOrientation(page.orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!m_painter)
        m_painter = std::make_unique<QPainter>();
    if (m_painter->isActive()) {
        if (!m_printer.newPage())
            throw Failure(ErrorNumber::PrinterRefused, QStringLiteral("The printer refused a further page."));
    } else if (!m_painter->begin(&m_printer)) {
        throw Failure(ErrorNumber::FileWrite,
                      QStringLiteral("The cheque could not be written to \"%1\". Check the "
                                     "folder exists and can be written, then try again.")
                          .arg(QDir::toNativeSeparators(m_pdfPath)));
    }
    renderChequePage(*m_painter, page, m_printer.resolution());
}

void SystemPrinter::endDocument()
{
    if (!m_painter || !m_painter->isActive())
        return;
    if (!m_painter->end() || m_printer.printerState() == QPrinter::Error)
        throw Failure(
            ErrorNumber::FileWrite,
            QStringLiteral("The cheque could not be written to \"%1\".").arg(QDir::toNativeSeparators(m_pdfPath)));
    if (!m_queue.isEmpty())
        submitToQueue();
}

void SystemPrinter::submitToQueue()
{
    // The queue's answer is the only proof that the cheque reached the printer.
    const int job = cupsPrintFile(m_queue.toLocal8Bit().constData(), QFile::encodeName(m_pdfPath).constData(),
                                  "Quillset cheque", 0, nullptr);
    if (job != 0)
        return;
    QString reason = QString::fromLocal8Bit(cupsLastErrorString()).trimmed();
    if (reason.endsWith(u'.'))
        reason.chop(1);
    throw Failure(ErrorNumber::PrinterRefused,
                  QStringLiteral("The printer \"%1\" did not take the cheque: %2. Check the printer, then print again.")
                      .arg(m_queue, reason));
}

} // namespace quillset
