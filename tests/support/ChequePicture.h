#pragma once

#include <QList>
#include <QRectF>
#include <QStringList>

namespace quillset {
struct ChequePage;
struct PageItem;
} // namespace quillset

namespace quillset::test {

class PageImage;

/// An item's box, or the leaf, in points from the page's corner.
QRectF boxInPoints(const QRectF &twips);

/// Reads a printed cheque as a person would and compares it with the page it was composed as: the
/// payee, the words lines, the figures and the company name read by OCR in their boxes, each of the
/// date's eight digits read on its own, the crossing's ink in its box, every mark on the paper inside
/// the box of the item that made it, and nothing outside the leaf. One line for each thing misread
/// or misplaced; empty when the paper says what the page says.
QStringList misreadCheque(const ChequePage &page, const PageImage &picture);

/// The digits a person reads in the date's box, one for each piece of ink, in order. Read in one go;
/// again one digit at a time when that reads other than `expected` (given) or one digit a piece.
QString dateDigitsRead(const ChequePage &page, const PageImage &picture, const QString &expected = QString());

/// The text OCR reads on one line in an item's box, widened by `slack` points at each side.
QString itemRead(const PageItem &item, const PageImage &picture, double slack = 3);

/// A text as compared with what OCR read: without blanks, which OCR puts in and leaves out freely.
QString unspaced(const QString &text);

} // namespace quillset::test
