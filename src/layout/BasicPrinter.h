#pragma once

#include "PrinterServices.h"

#include <QFont>

class QPaintDevice;

namespace quillset {

/// Page set-up and text measurement shared by every printer: A4 only, portrait or landscape, and
/// metrics taken at the printer's resolution. Subclasses say whether a printer is there and deliver pages.
class BasicPrinter : public PrinterServices
{
public:
    BasicPrinter();

    void setOrientation(int orientation) override;
    void setPaperSize(int paperSize) override;
    int pageWidth() override;
    int pageHeight() override;
    void setFont(const QString &family, double pointSize) override;
    double textWidth(const QString &text) override;
    double textHeight(const QString &text) override;

    const QFont &font() const { return m_font; }

protected:
    /// Throws Failure when no printer can be reached.
    virtual void ensureAvailable() = 0;
    /// The device whose resolution text is measured at.
    virtual QPaintDevice &metricsDevice() = 0;

private:
    int m_orientation = kPortrait;
    QFont m_font;
};

} // namespace quillset
