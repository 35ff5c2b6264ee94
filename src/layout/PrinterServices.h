#pragma once

#include <QString>

namespace quillset {

struct ChequePage;

/// What the cheque layout asks of a printer. Lengths are twips. Every operation throws Failure when
/// there is no printer or it refuses, so a failure is reported, never a blank page.
class PrinterServices
{
public:
    static constexpr int kPortrait = 1;
    static constexpr int kLandscape = 2;
    static constexpr int kPaperA4 = 9;

    virtual ~PrinterServices() = default;

    virtual void setOrientation(int orientation) = 0;
    virtual void setPaperSize(int paperSize) = 0;
    /// Whole twips of the physical page as set up; in landscape the width is the long side.
    virtual int pageWidth() = 0;
    virtual int pageHeight() = 0;
    virtual void setFont(const QString &family, double pointSize) = 0;
    /// Width and line height of a text in the printer's current font.
    virtual double textWidth(const QString &text) = 0;
    virtual double textHeight(const QString &text) = 0;
    /// Sends the whole page as one printed page.
    virtual void printPage(const ChequePage &page) = 0;
    /// Releases the pages sent so far to the printer.
    virtual void endDocument() = 0;
};

} // namespace quillset
