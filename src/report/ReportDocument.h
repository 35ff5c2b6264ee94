#pragma once

#include "ChequeRegister.h"
#include "ReportDefinition.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QSizeF>
#include <QString>

class QPainter;
class QRectF;

namespace quillset {

/// The register report laid out on A4 pages, in points. Rows wrap rather than lose text, and the
/// pages are worked out once, so any page can be painted on its own: a preview shows its first page
/// without drawing the others, and a printer or PDF receives the very same pages.
class ReportDocument
{
public:
    ReportDocument(ReportDefinition definition, QString title, QList<RegisterEntry> entries);

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    /// The page in points: A4 portrait.
    QSizeF pageSize() const;
    /// Paints one page, 0-based, with its page number, scaled into the target rectangle.
    void paintPage(QPainter &painter, int page, const QRectF &target) const;
    /// The report's text, a line per row and cells apart by tabs, as a reader would see it.
    QString plainText() const;

private:
    struct Page
    {
        int firstRow = 0;
        int rowCount = 0;
        bool title = false;
        bool summary = false;
    };

    /// A row's height, and the lines of the cells that need more than one.
    struct RowLayout
    {
        double height = 0;
        QHash<int, QStringList> wrapped; ///< by column
    };

    QFont font(double pointSize, bool bold, double deviceDpi) const;
    double columnWidth(qsizetype column) const;
    RowLayout layOutRow(const QStringList &cells, const QFont &font, double tallest) const;
    QStringList cells(const RegisterEntry &entry) const;
    QStringList headings() const;
    double drawRow(QPainter &painter, const QStringList &cells, const QHash<int, QStringList> &wrapped, double top,
                   const QFont &font, double height) const;
    void paginate();

    ReportDefinition m_definition;
    QString m_title;
    QList<RegisterEntry> m_entries;
    QList<double> m_rowHeights;
    QHash<int, QHash<int, QStringList>> m_wrapped; ///< the wrapped cells of the rows that have any
    RowLayout m_header;
    QList<Page> m_pages;
    double m_headerHeight = 0;
    double m_titleHeight = 0;
    double m_summaryHeight = 0;
};

} // namespace quillset
