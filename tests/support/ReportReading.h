#pragma once

#include "PageImage.h"

#include <QDate>
#include <QFont>
#include <QList>
#include <QStringList>

namespace quillset::test {

class TestDatabase;

/// November 2026 in a register with three accounts that each write their money their own way:
/// RUPEE (Indian grouping, "Rupees"/"Paise", 2 decimals), DOLLAR (international, "Dollars"/"Cents",
/// 2 decimals, with 0.10 and 0.20) and DINAR (international, "Dinars"/"Fils", 3 decimals); two printed
/// cheques each and a void one.
void addThreeMoneysMonth(const TestDatabase &db);
inline const QDate kMonthStart(2026, 11, 1);
inline const QDate kMonthEnd(2026, 11, 30);

/// What a reader must find on that month's report: every row's payee and amount, the counts, and
/// each account's total in its figures and its words.
QStringList threeMoneysReadings();

/// The delivered report definition's face at its size, bold for the headings and the totals.
QFont reportFace(bool bold);

/// The readings that OCR does not find anywhere in the area of the pages (the whole of each when it is
/// empty), compared without regard to blanks; with what was read, when any is missing.
QStringList unreadTexts(const QList<PageImage> &pages, const QStringList &readings, const QRectF &area = QRectF());

/// A word of the page, found by OCR, whose ink is not as tall as the font draws it: cut at its top
/// or bottom, or run into another line. Says what was measured; empty when every word stands whole.
/// The band measured reaches `reach` points above and below the word OCR saw in the area.
QStringList cutWords(const PageImage &page, const QStringList &words, const QFont &font, const QRectF &area = QRectF(),
                     double reach = 3);

} // namespace quillset::test
