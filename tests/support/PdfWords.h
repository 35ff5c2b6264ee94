#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quillset::test {

/// A word of a PDF page as pdftotext -bbox reports it, in points from the page's top-left corner.
struct PdfWord
{
    QString text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
};

/// The words of a page of the PDF (the first unless told); empty (with a warning) when pdftotext is
/// missing or fails.
QList<PdfWord> pdfWords(const QString &pdfPath, int page = 1);
/// Only the words' texts, in the order pdftotext gives them.
QStringList pdfTexts(const QString &pdfPath, int page = 1);

/// Twips to points: 20 twips make a point.
inline double pointsFromTwips(double twips)
{
    return twips / 20.0;
}

} // namespace quillset::test
