#pragma once

#include "BasicPrinter.h"

#include <QPainter>
#include <QPrinter>

#include <memory>

namespace quillset {

/// The system's default printer (through CUPS on Linux), or a named PDF file standing in for it.
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
    void configure();

    QPrinter m_printer;
    QString m_pdfPath;
    bool m_configured = false;
    std::unique_ptr<QPainter> m_painter;
};

} // namespace quillset
