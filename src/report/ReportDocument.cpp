#include "ReportDocument.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>

namespace quillset {

namespace {

constexpr double kMargin = 42; // points, about 1.5 cm
constexpr double kFooter = 16; // the page number under the text
constexpr double kPadding = 3;
constexpr int kWrap = Qt::TextWordWrap | Qt::TextWrapAnywhere;

// Text is measured at 72 dots per inch, so that a layout unit is one point on every device.
QPaintDevice *pointDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(72 / 0.0254));
        image.setDotsPerMeterY(qRound(72 / 0.0254));
        return image;
    }();
    return &device;
}

} // namespace

ReportDocument::ReportDocument(ReportDefinition definition, QString title, QList<RegisterEntry> entries)
    : m_definition(std::move(definition))
    , m_title(std::move(title))
    , m_entries(std::move(entries))
{
    paginate();
}

QSizeF ReportDocument::pageSize() const
{
    return QPageSize(QPageSize::A4).size(QPageSize::Point);
}

QFont ReportDocument::font(double pointSize, bool bold, double deviceDpi) const
{
    // Sized so that, drawn in point units on a device of that resolution, it comes out at pointSize.
    QFont face(m_definition.fontFamily);
    face.setPointSizeF(pointSize * 72.0 / deviceDpi);
    face.setBold(bold);
    face.setHintingPreference(QFont::PreferNoHinting);
    return face;
}

QStringList ReportDocument::cells(const RegisterEntry &entry) const
{
    QStringList row;
    for (const ReportDefinition::Column &column : m_definition.columns)
        row.append(ReportDefinition::cellText(column.field, entry));
    return row;
}

QStringList ReportDocument::headings() const
{
    QStringList row;
    for (const ReportDefinition::Column &column : m_definition.columns)
        row.append(column.heading);
    return row;
}

double ReportDocument::rowHeight(const QStringList &row, const QFont &face) const
{
    const QFontMetricsF metrics(face, pointDevice());
    const double lineWidth = pageSize().width() - 2 * kMargin;
    double height = metrics.height();
    for (qsizetype i = 0; i < row.size(); ++i) {
        const double width = lineWidth * m_definition.columns.at(i).widthPercent / 100.0 - 2 * kPadding;
        // Most cells fit on one line; only those that do not are wrapped and measured.
        if (metrics.horizontalAdvance(row.at(i)) > width)
            height = qMax(height, metrics.boundingRect(QRectF(0, 0, width, 1e6), kWrap, row.at(i)).height());
    }
    return height + 2 * kPadding;
}

void ReportDocument::paginate()
{
    const QFont body = font(m_definition.fontSize, false, 72);
    const QFont bold = font(m_definition.fontSize, true, 72);
    const QFontMetricsF titleMetrics(font(m_definition.titleFontSize, true, 72), pointDevice());
    m_titleHeight = titleMetrics.height()
        + (m_definition.subtitle.isEmpty() ? 0 : QFontMetricsF(body, pointDevice()).height()) + 8;
    m_headerHeight = rowHeight(headings(), bold);
    m_summaryHeight = QFontMetricsF(bold, pointDevice()).height() + 8;
    m_rowHeights.reserve(m_entries.size());
    for (const RegisterEntry &entry : m_entries)
        m_rowHeights.append(rowHeight(cells(entry), body));

    const double usable = pageSize().height() - 2 * kMargin - kFooter;
    Page page {0, 0, true, false};
    double used = m_titleHeight + m_headerHeight;
    for (int row = 0; row < m_rowHeights.size(); ++row) {
        if (used + m_rowHeights.at(row) > usable && page.rowCount > 0) {
            m_pages.append(page);
            page = Page {row, 0, false, false};
            used = m_headerHeight;
        }
        used += m_rowHeights.at(row);
        ++page.rowCount;
    }
    if (used + m_summaryHeight > usable) {
        m_pages.append(page);
        page = Page {static_cast<int>(m_rowHeights.size()), 0, false, false};
    }
    page.summary = true;
    m_pages.append(page);
}

double ReportDocument::drawRow(QPainter &painter, const QStringList &row, double top, const QFont &face,
                               double height) const
{
    painter.setFont(face);
    const double lineWidth = pageSize().width() - 2 * kMargin;
    double left = kMargin;
    for (qsizetype i = 0; i < row.size(); ++i) {
        const ReportDefinition::Column &column = m_definition.columns.at(i);
        const double width = lineWidth * column.widthPercent / 100.0;
        const QRectF cell(left + kPadding, top + kPadding, width - 2 * kPadding, height - 2 * kPadding);
        painter.drawText(cell, kWrap | (column.alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop, row.at(i));
        left += width;
    }
    if (m_definition.rowLines.isValid()) {
        painter.save();
        painter.setPen(QPen(m_definition.rowLines, 0.5));
        painter.drawLine(QPointF(kMargin, top + height), QPointF(kMargin + lineWidth, top + height));
        painter.restore();
    }
    return top + height;
}

void ReportDocument::paintPage(QPainter &painter, int pageIndex, const QRectF &target) const
{
    const QSizeF size = pageSize();
    const Page &page = m_pages.at(pageIndex);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / size.width(), target.height() / size.height());
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    painter.setPen(Qt::black);

    // Fonts are sized for the device the painter draws on; the scale above then maps points to it.
    const double deviceDpi = painter.device()->logicalDpiY();
    const QFont body = font(m_definition.fontSize, false, deviceDpi);
    const QFont bold = font(m_definition.fontSize, true, deviceDpi);
    const double lineWidth = size.width() - 2 * kMargin;
    double top = kMargin;
    if (page.title) {
        const QFont titleFont = font(m_definition.titleFontSize, true, deviceDpi);
        painter.setFont(titleFont);
        const double titleLine = QFontMetricsF(font(m_definition.titleFontSize, true, 72), pointDevice()).height();
        painter.drawText(QRectF(kMargin, top, lineWidth, titleLine), Qt::AlignLeft | Qt::AlignTop, m_title);
        if (!m_definition.subtitle.isEmpty()) {
            painter.setFont(body);
            painter.setPen(Qt::darkGray);
            painter.drawText(QRectF(kMargin, top + titleLine, lineWidth, m_titleHeight - titleLine),
                             Qt::AlignLeft | Qt::AlignTop, m_definition.subtitle);
            painter.setPen(Qt::black);
        }
        top += m_titleHeight;
    }
    if (page.rowCount > 0 || page.title) {
        painter.fillRect(QRectF(kMargin, top, lineWidth, m_headerHeight), m_definition.headerBackground);
        top = drawRow(painter, headings(), top, bold, m_headerHeight);
    }
    for (int row = page.firstRow; row < page.firstRow + page.rowCount; ++row)
        top = drawRow(painter, cells(m_entries.at(row)), top, body, m_rowHeights.at(row));
    if (page.summary) {
        painter.setFont(bold);
        painter.drawText(QRectF(kMargin, top + 8, lineWidth, m_summaryHeight), Qt::AlignLeft | Qt::AlignTop,
                         m_definition.summaryFor(m_entries));
    }

    QFont footer = font(8, false, deviceDpi);
    painter.setFont(footer);
    painter.setPen(Qt::darkGray);
    painter.drawText(QRectF(kMargin, size.height() - kMargin, lineWidth, kFooter), Qt::AlignCenter,
                     QStringLiteral("Page %1 of %2").arg(pageIndex + 1).arg(pageCount()));
    painter.restore();
}

QString ReportDocument::plainText() const
{
    QStringList lines = {m_title};
    if (!m_definition.subtitle.isEmpty())
        lines.append(m_definition.subtitle);
    lines.append(headings().join(u'\t'));
    for (const RegisterEntry &entry : m_entries)
        lines.append(cells(entry).join(u'\t'));
    lines.append(m_definition.summaryFor(m_entries));
    return lines.join(u'\n');
}

} // namespace quillset
