#include "MDIForm1.h"

#include "widgets/Controls.h"
#include "widgets/EnterPressesButtons.h"
#include "widgets/WindowKeys.h"
#include "windows/layout/frmCheq.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quillset {

namespace {

constexpr int kMargin = 12; // pixels of workspace around the leaf when it is fitted

} // namespace

MDIForm1::MDIForm1(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(tr("Printing Preview of Cheque"));
    // Wide enough for a whole 20 cm leaf at its real size, where the frame of old cut it off.
    resize(860, 480);

    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Picture1"));
    strip->setFixedHeight(twipsToPixels(495));
    auto *print = addControl<QPushButton>(strip, "cmdPrint", QRect(0, 0, 1275, 435), tr("&Print"));
    auto *close = addControl<QPushButton>(strip, "cmdClose", QRect(1290, 0, 1275, 435), tr("Close"));
    auto *fitLeaf = addControl<QPushButton>(strip, "cmdFitLeaf", QRect(3000, 0, 1275, 435), tr("Fit &leaf"));
    auto *fitPage = addControl<QPushButton>(strip, "cmdFitPage", QRect(4290, 0, 1275, 435), tr("Fit pa&ge"));
    auto *actual = addControl<QPushButton>(strip, "cmdActualSize", QRect(5580, 0, 1275, 435), tr("1&00 %"));
    m_calibration = addControl<QLabel>(strip, "lblCalibration", QRect(6960, 0, 5900, 435));
    m_calibration->setWordWrap(true);

    m_workspace = new QScrollArea(this);
    m_workspace->setObjectName(QStringLiteral("workspace"));
    m_workspace->setBackgroundRole(QPalette::Dark);
    m_workspace->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    m_status->setContentsMargins(6, 3, 6, 3);
    m_status->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strip);
    layout->addWidget(m_workspace, 1);
    layout->addWidget(m_status);

    pressButtonsOnEnter(*this);
    cancelOnEscape(*this, [close] { close->click(); });
    connect(print, &QPushButton::clicked, this, &MDIForm1::printRequested);
    connect(close, &QPushButton::clicked, this, [this] {
        hide();
        unloadLayout();
    });
    connect(fitLeaf, &QPushButton::clicked, this, [this] { setZoom(Zoom::FitLeaf); });
    connect(fitPage, &QPushButton::clicked, this, [this] { setZoom(Zoom::FitPage); });
    connect(actual, &QPushButton::clicked, this, [this] { setZoom(Zoom::ActualSize); });
}

void MDIForm1::showPage(const ChequePage &page)
{
    unloadLayout();
    m_layout = new frmCheq(page, m_workspace);
    m_workspace->setWidget(m_layout);
    show();
    raise();
    activateWindow();
    applyZoom();
}

void MDIForm1::replacePage(const ChequePage &page)
{
    if (!m_layout) {
        m_layout = new frmCheq(page, m_workspace);
        m_workspace->setWidget(m_layout);
        applyZoom();
        return;
    }
    // The view stays where the operator left it, unless the leaf itself has moved.
    const bool leafMoved = m_layout->page().leaf != page.leaf;
    m_layout->setPage(page);
    if (leafMoved)
        applyZoom();
}

void MDIForm1::setStatus(const QString &text)
{
    m_status->setText(text);
    m_status->setVisible(!text.isEmpty());
}

void MDIForm1::setCalibrationNote(const QString &note)
{
    m_calibration->setText(note);
}

void MDIForm1::setZoom(Zoom zoom)
{
    m_zoom = zoom;
    applyZoom();
}

void MDIForm1::applyZoom()
{
    if (!m_layout)
        return;
    const ChequePage &page = m_layout->page();
    const QSize view = m_workspace->viewport()->size() - QSize(2 * kMargin, 2 * kMargin);
    const double pageWidth = page.widthTwips / kTwipsPerPixel;
    const double pageHeight = page.heightTwips / kTwipsPerPixel;
    double zoom = 1.0;
    if (m_zoom == Zoom::FitPage)
        zoom = qMin(view.width() / pageWidth, view.height() / pageHeight);
    if (m_zoom == Zoom::FitLeaf && !page.leaf.isEmpty())
        zoom = qMin(view.width() / (page.leaf.width() / kTwipsPerPixel),
                    view.height() / (page.leaf.height() / kTwipsPerPixel));
    m_layout->setZoom(qBound(0.1, zoom, 8.0));
    // The leaf in view, with a little of the page around it.
    const QPointF corner = page.leaf.topLeft() / kTwipsPerPixel * m_layout->zoom();
    m_workspace->horizontalScrollBar()->setValue(qRound(corner.x()) - kMargin);
    m_workspace->verticalScrollBar()->setValue(qRound(corner.y()) - kMargin);
}

void MDIForm1::unloadLayout()
{
    // The scroll area owns the page it shows; taking it back lets it go now.
    if (m_layout)
        delete m_workspace->takeWidget();
}

void MDIForm1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_zoom != Zoom::ActualSize)
        applyZoom();
}

void MDIForm1::closeEvent(QCloseEvent *event)
{
    unloadLayout();
    event->accept();
}

} // namespace quillset
