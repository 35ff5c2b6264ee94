#pragma once

#include "layout/BasicPrinter.h"
#include "layout/ChequePage.h"
#include "store/Failure.h"

#include <QImage>
#include <QList>
#include <QStringList>

namespace quillset::test {

/// A printer that keeps what it was asked and the pages it was given. It measures text as a 1200 dpi
/// printer does, and can play a missing printer or one that refuses the job.
class RecordingPrinter final : public BasicPrinter
{
public:
    RecordingPrinter()
    {
        m_device.setDotsPerMeterX(qRound(1200 / 0.0254));
        m_device.setDotsPerMeterY(qRound(1200 / 0.0254));
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
    int pageWidth() override { return calls.append(QStringLiteral("pageWidth")), BasicPrinter::pageWidth(); }
    int pageHeight() override { return calls.append(QStringLiteral("pageHeight")), BasicPrinter::pageHeight(); }
    void printPage(const ChequePage &page) override
    {
        ensureAvailable();
        pending.append(page);
    }
    void endDocument() override
    {
        if (refuseJob)
            throw Failure(ErrorNumber::PrinterRefused, QStringLiteral("The printer did not accept the cheque."));
        printed.append(pending);
        pending.clear();
    }

    bool installed = true;
    bool refuseJob = false;
    QStringList calls;
    QList<ChequePage> pending;
    QList<ChequePage> printed; ///< pages the printer accepted

protected:
    void ensureAvailable() override
    {
        if (!installed)
            throw Failure(ErrorNumber::PrinterMissing, QStringLiteral("No printer is installed."));
    }
    QPaintDevice &metricsDevice() override { return m_device; }

private:
    QImage m_device {1, 1, QImage::Format_RGB32};
};

} // namespace quillset::test
