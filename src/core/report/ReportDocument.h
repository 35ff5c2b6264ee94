#pragma once

#include "core/report/ChequeRegister.h"
#include "core/report/ReportDefinition.h"

#include <QFont>
#include <QHash>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPainter;

namespace quillset {

/// The register report laid out once on A4 pages, in points, whatever it is shown on: the preview,
/// the PDF and the printer get the same lines at the same places, so nothing is cut on any of them.
/// Rows wrap rather than lose text, and a page can be painted on its own, so a preview shows its
/// first page without drawing the others.
class ReportDocument
{
public:
    ReportDocument(ReportDefinition definition, QString title, QList<RegisterEntry> entries);

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    /// The page in points: A4 portrait.
    QSizeF pageSize() const;
    /// Paints one page, scaled into the target rectangle of the painter's device.
    void paintPage(QPainter &painter, int page, const QRectF &target) const;
    /// The report's text, a line per row and cells apart by tabs, as a reader would see it.
    QString plainText() const;

private:
    /// What a line of text is set in.
    enum class Face { Title, Subtitle, Heading, Body, Summary, Footer };

    /// A line of text where the layout puts it, in points from the page's top-left corner.
    struct Line
    {
        QString text;
        Face face = Face::Body;
        QPointF origin; ///< where its baseline begins
        double stretch = 1; ///< narrower than 1 for a value kept on one line in a column too narrow for it
    };

    /// A page as laid out: its lines, the headings' shading and the rules under the rows.
    struct PageLayout
    {
        QList<Line> lines;
        QList<QRectF> shades;
        QList<QLineF> rules;
    };

    /// A stretch of a page: the title, the column headings, a row or a line of the summary.
    struct Block
    {
        enum class Kind { Title, Headings, Row, Summary };
        Kind kind = Kind::Row;
        int index = 0; ///< the row, or the line of the summary
        double top = 0;
    };

    /// A row's height, and the lines of the cells that need more than one.
    struct RowLayout
    {
        double height = 0;
        QHash<int, QStringList> wrapped; ///< by column
    };

    /// A face's font at its size in points, as the layout measures it.
    QFont font(Face face) const;
    /// One page, 0-based, with its page number.
    PageLayout layout(int page) const;
    double columnWidth(qsizetype column) const;
    RowLayout layOutRow(const QStringList &cells, Face face, double tallest) const;
    QStringList cells(const RegisterEntry &entry) const;
    QStringList headings() const;
    void placeRow(PageLayout &page, const QStringList &cells, const QHash<int, QStringList> &wrapped, Face face,
                  double top, double height) const;
    void placeLine(PageLayout &page, const QString &text, Face face, const QRectF &box, Qt::Alignment alignment,
                   double stretch = 1) const;
    void paginate();

    ReportDefinition m_definition;
    QString m_title;
    QList<RegisterEntry> m_entries;
    QStringList m_titleLines;
    QStringList m_subtitleLines;
    QStringList m_summary;
    QList<double> m_rowHeights;
    QHash<int, QHash<int, QStringList>> m_wrapped; ///< the wrapped cells of the rows that have any
    RowLayout m_headings;
    QList<QList<Block>> m_pages;
};

} // namespace quillset
