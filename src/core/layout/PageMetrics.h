#pragma once

#include "core/layout/PrintSettings.h"

#include <QHash>
#include <QRectF>
#include <QSize>
#include <QString>

#include <memory>

class QFontMetricsF;

namespace quillset {

/// A face, size and weight to set or measure a text in.
struct TextStyle
{
    QString family;
    double pointSize = 9.75;
    bool bold = false;
};

/// The page and the text measures that composition needs, taken from the page definition (A4) and
/// the fonts themselves, so that a page can be composed and previewed with no printer at all.
/// Lengths are twips. Not shared between threads.
class PageMetrics
{
public:
    PageMetrics();
    ~PageMetrics();
    PageMetrics(const PageMetrics &) = delete;
    PageMetrics &operator=(const PageMetrics &) = delete;

    /// The A4 sheet in whole twips; in landscape the width is the long side.
    QSize pageSize(Orientation orientation) const;
    /// A text's width as the printer sets it, at the 1200 dpi the page is printed at.
    double textWidth(const QString &text, const TextStyle &style) const;
    /// A text's width as a 96 dpi screen sets it, which is what the words split was measured by.
    double screenTextWidth(const QString &text, const TextStyle &style) const;
    /// Where a text's glyphs put ink as the printer sets it, from the pen's place on the baseline
    /// (y grows downwards): the glyphs' own outlines, which may reach past the advance or before the
    /// start.
    QRectF textInk(const QString &text, const TextStyle &style) const;
    /// The height of one text line, as Windows lays it out (the font's win ascent plus descent).
    double lineHeight(const TextStyle &style) const;

private:
    const QFontMetricsF &metrics(const TextStyle &style, bool screen) const;

    mutable QHash<QString, std::shared_ptr<QFontMetricsF>> m_metrics;
    // A page is checked against its boxes more than once before it prints (when it is composed,
    // for the warnings, and again for a batch's proof); each text is shaped for its ink only once.
    mutable QHash<QString, QRectF> m_ink;
};

} // namespace quillset
