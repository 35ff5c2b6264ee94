#include "ReportDocument.h"

#include <QCoreApplication>
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
constexpr double kGap = 8; // under the title, and above the summary
QString cutMark()
{
    return QCoreApplication::translate("ReportDocument", " [... cut: the whole text is in the CSV export]");
}

// Text is measured at 72 dots per inch, where a pixel is a point, so that the layout is in points
// whatever device it is painted on.
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

QFontMetricsF metricsOf(const QFont &font)
{
    return QFontMetricsF(font, pointDevice());
}

// The text broken into the lines that fit a width: at word boundaries, and inside a word only when
// the word alone is wider than the width.
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
    return lines.isEmpty() ? QStringList {QString()} : lines;
}

// A value broken over two lines reads as two values ("=12,34,56,789.99/" and "-"): a row's amount,
// date, number and status stay on one line, set narrower when their column is too narrow for them.
bool keptOnOneLine(ReportDefinition::Field field)
{
    return field != ReportDefinition::Field::Payee && field != ReportDefinition::Field::Account;
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

QFont ReportDocument::font(Face face) const
{
    QFont font(m_definition.fontFamily);
    font.setPointSizeF(face == Face::Title        ? m_definition.titleFontSize
                           : face == Face::Footer ? 8
                                                  : m_definition.fontSize);
    font.setBold(face == Face::Title || face == Face::Heading || face == Face::Summary);
    // Unhinted, a glyph has the same proportions at every size, so what was measured in points is
    // what any device draws.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
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

ReportDocument::RowLayout ReportDocument::layOutRow(const QStringList &row, Face face, double tallest) const
{
    const QFont rowFont = font(face);
    const QFontMetricsF metrics = metricsOf(rowFont);
    RowLayout layout;
    qsizetype lines = 1;
    for (qsizetype i = 0; i < row.size(); ++i) {
        // Most cells fit on one line; only those that do not are wrapped.
        if (metrics.horizontalAdvance(row.at(i)) <= columnWidth(i)
            || (face == Face::Body && keptOnOneLine(m_definition.columns.at(i).field)))
            continue;
        layout.wrapped.insert(static_cast<int>(i), wrappedLines(row.at(i), rowFont, columnWidth(i)));
        lines = qMax(lines, layout.wrapped.value(static_cast<int>(i)).size());
    }
    // A row taller than a page is cut to the page, with a mark saying so where it is cut.
    const auto fitting = static_cast<qsizetype>((tallest - 2 * kPadding) / metrics.lineSpacing());
    if (lines > fitting && fitting > 0) {
        for (QStringList &cell : layout.wrapped) {
            if (cell.size() <= fitting)
                continue;
            cell = cell.mid(0, fitting);
            cell.last() += cutMark();
        }
        lines = fitting;
    }
    layout.height = static_cast<double>(lines) * metrics.lineSpacing() + 2 * kPadding;
    return layout;
}

void ReportDocument::paginate()
{
    const double lineWidth = pageSize().width() - 2 * kMargin;
    m_titleLines = wrappedLines(m_title, font(Face::Title), lineWidth);
    if (!m_definition.subtitle.isEmpty())
        m_subtitleLines = wrappedLines(m_definition.subtitle, font(Face::Subtitle), lineWidth);
    for (const QString &line : m_definition.summaryFor(m_entries))
        m_summary += wrappedLines(line, font(Face::Summary), lineWidth);

    const double titleHeight = static_cast<double>(m_titleLines.size()) * metricsOf(font(Face::Title)).lineSpacing()
        + static_cast<double>(m_subtitleLines.size()) * metricsOf(font(Face::Subtitle)).lineSpacing() + kGap;
    const double summaryLine = metricsOf(font(Face::Summary)).lineSpacing();
    const double bottom = pageSize().height() - kMargin - kFooter;
    m_headings = layOutRow(headings(), Face::Heading, bottom - kMargin);
    const double tallest = bottom - kMargin - m_headings.height;
    m_rowHeights.reserve(m_entries.size());
    for (int row = 0; row < m_entries.size(); ++row) {
        RowLayout layout = layOutRow(cells(m_entries.at(row)), Face::Body, tallest);
        m_rowHeights.append(layout.height);
        if (!layout.wrapped.isEmpty())
            m_wrapped.insert(row, std::move(layout.wrapped));
    }

    // Blocks flow down the page; one that does not fit begins the next page, unless it already
    // stands where a page's first block would, where moving it would gain nothing.
    QList<Block> page;
    double top = kMargin;
    const auto place = [&](Block::Kind kind, int index, double height, double freshTop) {
        if (top + height > bottom && top > freshTop) {
            m_pages.append(page);
            page.clear();
            top = kMargin;
            if (kind == Block::Kind::Row) {
                page.append({Block::Kind::Headings, 0, top});
                top += m_headings.height;
            }
        }
        page.append({kind, index, top});
        top += height;
    };
    page.append({Block::Kind::Title, 0, top});
    top += titleHeight;
    page.append({Block::Kind::Headings, 0, top});
    top += m_headings.height;
    for (int row = 0; row < m_rowHeights.size(); ++row)
        place(Block::Kind::Row, row, m_rowHeights.at(row), kMargin + m_headings.height);
    for (int line = 0; line < m_summary.size(); ++line)
        place(Block::Kind::Summary, line, summaryLine + (line == 0 ? kGap : 0), kMargin);
    m_pages.append(page);
}

void ReportDocument::placeLine(PageLayout &page, const QString &text, Face face, const QRectF &box,
                               Qt::Alignment alignment, double stretch) const
{
    const QFontMetricsF metrics = metricsOf(font(face));
    const double advance = metrics.horizontalAdvance(text) * stretch;
    double left = box.left();
    if (alignment & Qt::AlignRight)
        left = box.right() - advance;
    else if (alignment & Qt::AlignHCenter)
        left = box.center().x() - advance / 2;
    page.lines.append({text, face, QPointF(left, box.top() + metrics.ascent()), stretch});
}

void ReportDocument::placeRow(PageLayout &page, const QStringList &row, const QHash<int, QStringList> &wrapped,
                              Face face, double top, double height) const
{
    const double lineWidth = pageSize().width() - 2 * kMargin;
    const double lineSpacing = metricsOf(font(face)).lineSpacing();
    double left = kMargin;
    for (qsizetype i = 0; i < row.size(); ++i) {
        const ReportDefinition::Column &column = m_definition.columns.at(i);
        const double width = lineWidth * column.widthPercent / 100.0;
        const QStringList lines = wrapped.value(static_cast<int>(i), QStringList {row.at(i)});
        const double room = width - 2 * kPadding;
        const double advance = metricsOf(font(face)).horizontalAdvance(lines.first());
        const double stretch
            = face == Face::Body && keptOnOneLine(column.field) && advance > room ? room / advance : 1.0;
        for (qsizetype line = 0; line < lines.size(); ++line) {
            const QRectF box(left + kPadding, top + kPadding + static_cast<double>(line) * lineSpacing, room,
                             lineSpacing);
            placeLine(page, lines.at(line), face, box, column.alignRight ? Qt::AlignRight : Qt::AlignLeft, stretch);
        }
        left += width;
    }
    if (m_definition.rowLines.isValid())
        page.rules.append(QLineF(kMargin, top + height, kMargin + lineWidth, top + height));
}

ReportDocument::PageLayout ReportDocument::layout(int pageIndex) const
{
    const QSizeF size = pageSize();
    const double lineWidth = size.width() - 2 * kMargin;
    PageLayout page;
    for (const Block &block : m_pages.at(pageIndex)) {
        switch (block.kind) {
        case Block::Kind::Title: {
            double top = block.top;
            const auto stack = [&](const QStringList &lines, Face face) {
                const double spacing = metricsOf(font(face)).lineSpacing();
                for (const QString &line : lines) {
                    placeLine(page, line, face, QRectF(kMargin, top, lineWidth, spacing), Qt::AlignLeft);
                    top += spacing;
                }
            };
            stack(m_titleLines, Face::Title);
            stack(m_subtitleLines, Face::Subtitle);
            break;
        }
        case Block::Kind::Headings:
            page.shades.append(QRectF(kMargin, block.top, lineWidth, m_headings.height));
            placeRow(page, headings(), m_headings.wrapped, Face::Heading, block.top, m_headings.height);
            break;
        case Block::Kind::Row:
            placeRow(page, cells(m_entries.at(block.index)), m_wrapped.value(block.index), Face::Body, block.top,
                     m_rowHeights.at(block.index));
            break;
        case Block::Kind::Summary: {
            const double spacing = metricsOf(font(Face::Summary)).lineSpacing();
            const double top = block.top + (block.index == 0 ? kGap : 0);
            placeLine(page, m_summary.at(block.index), Face::Summary, QRectF(kMargin, top, lineWidth, spacing),
                      Qt::AlignLeft);
            break;
        }
        }
    }
    placeLine(page, QCoreApplication::translate("ReportDocument", "Page %1 of %2").arg(pageIndex + 1).arg(pageCount()),
              Face::Footer, QRectF(kMargin, size.height() - kMargin, lineWidth, kFooter), Qt::AlignHCenter);
    return page;
}

void ReportDocument::paintPage(QPainter &painter, int pageIndex, const QRectF &target) const
{
    const QSizeF size = pageSize();
    const PageLayout page = layout(pageIndex);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / size.width(), target.height() / size.height());
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    for (const QRectF &shade : page.shades)
        painter.fillRect(shade, m_definition.headerBackground);
    if (m_definition.rowLines.isValid()) {
        painter.setPen(QPen(m_definition.rowLines, 0.5));
        painter.drawLines(page.rules);
    }

    // Qt sizes a font for the device the painter draws on, and the scale above already maps points to
    // that device; so each font is made as many device pixels as the face has points, and its glyphs
    // then cover exactly the points the layout measured. Lines are drawn at their baselines, unclipped.
    const double deviceDpi = painter.device()->logicalDpiY() > 0 ? painter.device()->logicalDpiY() : 72;
    for (const Line &line : page.lines) {
        QFont deviceFont = font(line.face);
        deviceFont.setPointSizeF(deviceFont.pointSizeF() * 72.0 / deviceDpi);
        painter.setFont(deviceFont);
        painter.setPen(line.face == Face::Subtitle || line.face == Face::Footer ? Qt::darkGray : Qt::black);
        if (line.stretch == 1) {
            painter.drawText(line.origin, line.text);
            continue;
        }
        painter.save();
        painter.translate(line.origin);
        painter.scale(line.stretch, 1);
        painter.drawText(QPointF(0, 0), line.text);
        painter.restore();
    }
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
    lines += m_definition.summaryFor(m_entries);
    return lines.join(u'\n');
}

} // namespace quillset
