#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

namespace quillset::test {

/// A word as a reader sees it on a page, with its box in points from the page's top-left corner.
struct SeenWord
{
    QString text;
    QRectF box;
    double confidence = 0; ///< 0 to 100, as the OCR engine rates its own reading
};

/// A printed page as a person sees it: rendered to pixels (a PDF page at 300 dpi, or a widget's
/// grab), read with OCR (Debian's tesseract) and measured for ink. Text extraction reads what a PDF
/// says it holds; this reads what is on the page, so clipping, scaling and ink outside a box show.
/// Every area and box is in points.
class PageImage
{
public:
    /// Renders one page (1-based) of a PDF file with pdftoppm; a null image when that fails.
    static PageImage fromPdf(const QString &pdfPath, int page = 1, int dotsPerInch = 300);
    /// Renders every page of a PDF file.
    static QList<PageImage> allPages(const QString &pdfPath, int dotsPerInch = 300);
    /// A picture taken some other way, such as a widget's grab, at the resolution it stands for.
    static PageImage fromImage(const QImage &image, double dotsPerInch);

    /// The picture enlarged smoothly and made black on white: the small type of a window's grab,
    /// as OCR reads it far more surely.
    PageImage enlarged(int factor) const;

    /// The languages OCR reads in, as tesseract names them: "deu+eng" reads the umlauts of
    /// "Café Müller GmbH" that English alone takes for plain letters. English by default.
    void setLanguages(const QString &languages) { m_languages = languages; }

    bool isNull() const { return m_image.isNull(); }
    const QImage &image() const { return m_image; }
    double dotsPerInch() const { return m_dpi; }
    QSizeF sizeInPoints() const;

    /// The words OCR reads in the area (the whole page when it is empty).
    QList<SeenWord> words(const QRectF &area = QRectF()) const;
    /// The text OCR reads in the area, read as one block: words apart by a blank, lines by a newline.
    QString text(const QRectF &area = QRectF()) const;
    /// The text OCR reads in the area as one line of text; `allowed` as for character().
    QString line(const QRectF &area, const QString &allowed = QString()) const;
    /// The one character OCR reads in the area, such as a digit in its date box; `allowed` holds the
    /// characters it may be (any when empty), as a reader who knows a digit goes there.
    QString character(const QRectF &area, const QString &allowed = QString()) const;
    /// The text OCR reads in the areas set close together, side by side, as one line: characters
    /// spaced far apart on the page, such as a date's digits, read in one go. `gap`, in heights of
    /// the line, keeps them apart: a third sets them as letters of a word, one as words.
    QString closedUp(const QList<QRectF> &areas, const QString &allowed = QString(), double gap = 1.0 / 3) const;

    /// The smallest box holding every dark pixel of the area; empty when the area has no ink.
    QRectF inkBounds(const QRectF &area = QRectF()) const;
    /// How many dark pixels the area holds.
    int inkPixels(const QRectF &area = QRectF()) const;
    /// How many dark pixels lie outside every one of the areas.
    int inkOutside(const QList<QRectF> &areas) const;
    /// The ink of the area in pieces that stand apart across the page by at least `gap` points of
    /// blank, left to right, each its ink's bounds: the digits of a spaced-out date.
    QList<QRectF> inkRuns(const QRectF &area, double gap) const;

    /// Writes the picture as PNG, to look at when a test fails.
    bool save(const QString &path) const;

private:
    QRect pixels(const QRectF &area) const;
    QRectF points(const QRect &pixels) const;
    QList<SeenWord> read(const QRect &pixels, int pageSegmentation, const QString &allowed = QString()) const;

    QImage m_image;
    double m_dpi = 300;
    QString m_languages = QStringLiteral("eng");
};

/// The text with every run of white space made one blank, for comparing what OCR read.
QString simplified(const QString &text);

} // namespace quillset::test
