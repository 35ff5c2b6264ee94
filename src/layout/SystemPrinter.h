#pragma once

#include "BasicPrinter.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <memory>

namespace quillset {

/// The system's default printer, through CUPS, or a named PDF file standing in for it. The page is
/// drawn into a PDF either way; for the printer, that PDF is then handed to the print queue, and
/// only the queue's acceptance counts as printed.
class SystemPrinter final : public BasicPrinter
{
public:
    /// The default printer, found when the first printer operation runs.
    SystemPrinter();
    /// Writes the page to a PDF file instead of printing it.
    explicit SystemPrinter(const QString &pdfPath);
    ~SystemPrinter() override;

    void printPage(const ChequePage &page) override;
    void endDocument() override;

protected:
    void ensureAvailable() override;
    QPaintDevice &metricsDevice() override;

private:
    void submitToQueue();

    QPrinter m_printer;
    QString m_pdfPath;
    QString m_queue; ///< the default printer's name; empty when writing a PDF file
    std::unique_ptr<QTemporaryDir> m_spool;
    bool m_ready = false;
    std::unique_ptr<QPainter> m_painter;
};

} // namespace quillset
