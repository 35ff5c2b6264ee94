#pragma once

#include "core/base/Failure.h"

#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillset {

class PageMetrics;
struct ChequePage;
struct PageItem;

/// Why a composed page cannot be printed as it stands, one failure per kind of problem, judged by
/// the ink each shown item puts on the paper: a payee or words line too long for its box even in its
/// smallest size, or figures wider than their box (DoesNotFit); any item's ink off the sheet, or off
/// the cheque leaf (OffThePage); a character no installed font has (Unprintable). The leaf itself
/// may lie partly off the sheet where nothing prints. Empty when the page can be printed.
QList<Failure> pageProblems(const ChequePage &page, const PageMetrics &metrics);

/// What should be known before the page prints, though it may: a date or company name whose ink
/// runs past its own box on the leaf. Empty when there is nothing to say.
QList<Failure> pageWarnings(const ChequePage &page, const PageMetrics &metrics);

/// Every warning about the page before it prints, as one text in the words for who is told: its own
/// warnings and, when the printer's margins are known, the items it cannot print whole. Empty when
/// there is nothing to say. The print and its proof both say this.
QString printWarning(const ChequePage &page, const PageMetrics &metrics, const QString &printer,
                     const std::optional<QMarginsF> &margins, Audience audience = Audience::Window);

/// Whether a text's ink, as it will be set, runs past the left or right side of its box.
bool inkLeavesBox(const PageItem &item, const QString &fontFamily, const PageMetrics &metrics);

/// The part of the sheet (in twips) a printer with those margins (millimetres from each edge) prints on.
QRectF printableArea(const QSizeF &sheet, const QMarginsF &margins);

/// The items of the composed page whose ink lies, in part, outside the printer's printable area
/// (margins in millimetres), by the operator's names for them; empty when all lie inside.
QStringList outsidePrintableArea(const ChequePage &page, const QMarginsF &margins, const PageMetrics &metrics);

/// The warning for such items, naming the printer, in the words for who is told; empty when there
/// are none.
QString printableAreaWarning(const QStringList &outside, const QString &printer, Audience audience);

/// The problems' descriptions, one after the other, in the words for who is told.
QString problemsText(const QList<Failure> &problems, Audience audience = Audience::Window);

/// Where someone at the command line changes an account's layout, to end a sentence with.
QString layoutOnCommandLine();

/// What the operator calls a page item: "the payee", "the date".
QString itemDescription(const QString &itemName);

} // namespace quillset
