#pragma once

#include "layout/BasicPrinter.h"
#include "layout/ChequePage.h"
#include "store/Failure.h"

#include <QImage>
#include <QList>
#include <QStringList>

namespace quillset::test {

/// A printer that keeps what it was asked and the pages it was given. It measures text as a
/// 1200 dpi printer does, and can play a missing printer or one that refuses the page.
class RecordingPrinter final : public BasicPrinter
{
public:
    RecordingPrinter()
        : m_device(1, 1, QImage::Format_RGB32)
    {
        m_device.setDotsPerMeterX(qRound(1200 / 0.0254));
        m_device.setDotsPerMeterY(qRound(1200 / 0.0254));
    }

    void printPage(const ChequePage &page) override
    {
        ensureAvailable();
        calls.append(QStringLiteral("printPage"));
        if (refusePage)
            throw Failure(ErrorNumber::PrinterRefused, QStringLiteral("The printer refused the page."));
        pending.append(page);
    }

    void endDocument() override
    {
        calls.append(QStringLiteral("endDocument"));
        if (refuseJob)
            throw Failure(ErrorNumber::PrinterRefused, QStringLiteral("The printer did not accept the cheque."));
        printed.append(pending);
        pending.clear();
    }

    void setOrientation(int orientation) override
    {
        calls.append(QStringLiteral("setOrientation %1").arg(orientation));
        BasicPrinter::setOrientation(orientation);
    }

    void setPaperSize(int paperSize) override
    {
        calls.append(QStringLiteral("setPaperSize %1").arg(paperSize));
        BasicPrinter::setPaperSize(paperSize);
    }

    int pageWidth() override
    {
        calls.append(QStringLiteral("pageWidth"));
        return BasicPrinter::pageWidth();
    }

    int pageHeight() override
    {
        calls.append(QStringLiteral("pageHeight"));
        return BasicPrinter::pageHeight();
    }

    bool installed = true;
    bool refusePage = false;
    bool refuseJob = false;
    QStringList calls;
    QList<ChequePage> pending;
    QList<ChequePage> printed; ///< pages released to the printer by endDocument

protected:
    void ensureAvailable() override
    {
        if (!installed)
            throw Failure(ErrorNumber::PrinterMissing, QStringLiteral("No printer is installed."));
    }
    QPaintDevice &metricsDevice() override { return m_device; }

private:
    QImage m_device;
};

} // namespace quillset::test
