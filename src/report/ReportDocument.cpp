#include "ReportDocument.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

namespace quillset {

namespace {

constexpr double kMargin = 42; // points, about 1.5 cm
constexpr double kFooter = 16; // the page number under the text
constexpr double kPadding = 3;
const QString kCutMark = QStringLiteral(" [... cut: the whole text is in the CSV export]");

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

// The text broken into the lines that fit a width: at word boundaries, and inside a word only when
// the word alone is wider than the column.
QStringList wrappedLines(const QString &text, const QFont &font, double width)
{
    QTextLayout layout(text, font, pointDevice());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
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

double ReportDocument::columnWidth(qsizetype column) const
{
    return (pageSize().width() - 2 * kMargin) * m_definition.columns.at(column).widthPercent / 100.0 - 2 * kPadding;
}

ReportDocument::RowLayout ReportDocument::layOutRow(const QStringList &row, const QFont &face, double tallest) const
{
    const QFontMetricsF metrics(face, pointDevice());
    RowLayout layout;
    qsizetype lines = 1;
    for (qsizetype i = 0; i < row.size(); ++i) {
        // Most cells fit on one line; only those that do not are wrapped.
        if (metrics.horizontalAdvance(row.at(i)) <= columnWidth(i))
            continue;
        layout.wrapped.insert(static_cast<int>(i), wrappedLines(row.at(i), face, columnWidth(i)));
        lines = qMax(lines, layout.wrapped.value(static_cast<int>(i)).size());
    }
    // A row taller than a page is cut to the page, with a mark saying so where it is cut.
    const auto fitting = static_cast<qsizetype>((tallest - 2 * kPadding) / metrics.lineSpacing());
    if (lines > fitting && fitting > 0) {
        for (QStringList &cell : layout.wrapped) {
            if (cell.size() <= fitting)
                continue;
            cell = cell.mid(0, fitting);
            cell.last() += kCutMark;
        }
        lines = fitting;
    }
    layout.height = lines * metrics.lineSpacing() + 2 * kPadding;
    return layout;
}

void ReportDocument::paginate()
{
    const QFont body = font(m_definition.fontSize, false, 72);
    const QFont bold = font(m_definition.fontSize, true, 72);
    const QFontMetricsF titleMetrics(font(m_definition.titleFontSize, true, 72), pointDevice());
    m_titleHeight = titleMetrics.height()
        + (m_definition.subtitle.isEmpty() ? 0 : QFontMetricsF(body, pointDevice()).height()) + 8;
    const double usable = pageSize().height() - 2 * kMargin - kFooter;
    m_header = layOutRow(headings(), bold, usable);
    m_headerHeight = m_header.height;
    m_summaryHeight = QFontMetricsF(bold, pointDevice()).height() + 8;
    m_rowHeights.reserve(m_entries.size());
    const double tallest = usable - m_headerHeight;
    for (int row = 0; row < m_entries.size(); ++row) {
        RowLayout layout = layOutRow(cells(m_entries.at(row)), body, tallest);
        m_rowHeights.append(layout.height);
        if (!layout.wrapped.isEmpty())
            m_wrapped.insert(row, std::move(layout.wrapped));
    }

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

double ReportDocument::drawRow(QPainter &painter, const QStringList &row, const QHash<int, QStringList> &wrapped,
                               double top, const QFont &face, double height) const
{
    painter.setFont(face);
    const double lineWidth = pageSize().width() - 2 * kMargin;
    const double lineSpacing = QFontMetricsF(face, pointDevice()).lineSpacing();
    double left = kMargin;
    for (qsizetype i = 0; i < row.size(); ++i) {
        const ReportDefinition::Column &column = m_definition.columns.at(i);
        const double width = lineWidth * column.widthPercent / 100.0;
        const int alignment = (column.alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
        const QStringList lines = wrapped.value(static_cast<int>(i), QStringList {row.at(i)});
        for (qsizetype line = 0; line < lines.size(); ++line) {
            const QRectF cell(left + kPadding, top + kPadding + line * lineSpacing, width - 2 * kPadding, lineSpacing);
            painter.drawText(cell, alignment, lines.at(line));
        }
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
        top = drawRow(painter, headings(), m_header.wrapped, top, bold, m_headerHeight);
    }
    for (int row = page.firstRow; row < page.firstRow + page.rowCount; ++row)
        top = drawRow(painter, cells(m_entries.at(row)), m_wrapped.value(row), top, body, m_rowHeights.at(row));
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
