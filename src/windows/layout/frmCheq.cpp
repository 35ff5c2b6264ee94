#include "frmCheq.h"

#include "core/layout/PageRenderer.h"
#include "widgets/Twips.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace quillset {

namespace {

constexpr double kScreenDpi = 1440.0 / kTwipsPerPixel;

} // namespace

frmCheq::frmCheq(ChequePage page, QWidget *parent)
    : QWidget(parent)
    , m_page(std::move(page))
{
    setObjectName(QStringLiteral("frmCheq"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setZoom(1.0);
}

void frmCheq::setPage(ChequePage page)
{
    m_page = std::move(page);
    setZoom(m_zoom);
}

void frmCheq::setZoom(double zoom)
{
    m_zoom = zoom;
    setFixedSize(qRound(m_page.widthTwips / twipsPerPixel()), qRound(m_page.heightTwips / twipsPerPixel()));
    update();
}

double frmCheq::twipsPerPixel() const
{
    return kTwipsPerPixel / m_zoom;
}

void frmCheq::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    renderChequePage(painter, m_page, kScreenDpi * m_zoom);
    // Where the leaf lies, to judge the page by: drawn here only, never on paper.
    const QRectF leaf(m_page.leaf.topLeft() / twipsPerPixel(), m_page.leaf.size() / twipsPerPixel());
    if (!leaf.isEmpty()) {
        QPen outline(QColor(0x9a, 0xa7, 0xb0));
        outline.setStyle(Qt::DashLine);
        painter.setPen(outline);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(leaf.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

const PageItem *frmCheq::textItemAt(const QPoint &position) const
{
    const QPointF twips = QPointF(position) * twipsPerPixel();
    for (const PageItem &item : m_page.items) {
        if (item.shown && item.kind == PageItem::Kind::Text && item.rect.contains(twips))
            return &item;
    }
    return nullptr;
}

void frmCheq::mousePressEvent(QMouseEvent *event)
{
    // A click on the first words line shows its whole text, which may run past what is visible.
    const PageItem *item = textItemAt(event->position().toPoint());
    if (item && item->name == QLatin1String("lblRupeeL1"))
        QToolTip::showText(event->globalPosition().toPoint(), item->text, this);
    QWidget::mousePressEvent(event);
}

bool frmCheq::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const PageItem *item = textItemAt(help->pos());
        if (item && item->name == QLatin1String("lblRupeeL2"))
            QToolTip::showText(help->globalPos(), item->text, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace quillset
