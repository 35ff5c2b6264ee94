#include "SystemPrinter.h"

#include "ChequePage.h"
#include "PageRenderer.h"
#include "store/Failure.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinterInfo>

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
    // A page begun but never released is still delivered rather than silently dropped.
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

void SystemPrinter::ensureAvailable()
{
    if (m_configured)
        return;
    if (m_pdfPath.isEmpty()) {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.isNull())
            throw Failure(ErrorNumber::PrinterMissing,
                          QStringLiteral("No printer is installed. Add a printer in the system's printer settings "
                                         "and make it the default printer, then print again."));
        m_printer.setPrinterName(printer.printerName());
    } else {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(m_pdfPath);
    }
    configure();
    m_configured = true;
}

void SystemPrinter::configure()
{
    m_printer.setResolution(kResolution);
    m_printer.setFullPage(true);
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    m_printer.setDocName(QStringLiteral("Quillset cheque"));
    m_printer.setCreator(QStringLiteral("Quillset"));
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
        const QString where = m_pdfPath.isEmpty()
            ? QStringLiteral("the printer \"%1\"").arg(m_printer.printerName())
            : QStringLiteral("the file \"%1\"").arg(QDir::toNativeSeparators(m_pdfPath));
        throw Failure(
            ErrorNumber::PrinterRefused,
            QStringLiteral("The cheque could not be sent to %1. Check that it is ready, then print again.").arg(where));
    }
    renderChequePage(*m_painter, page, m_printer.resolution());
}

void SystemPrinter::endDocument()
{
    if (!m_painter || !m_painter->isActive())
        return;
    const bool ended = m_painter->end();
    if (!ended || m_printer.printerState() == QPrinter::Error)
        throw Failure(ErrorNumber::PrinterRefused,
                      QStringLiteral("The printer did not accept the cheque. Check the printer, then print again."));
}

} // namespace quillset
