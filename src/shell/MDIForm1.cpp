#include "MDIForm1.h"

#include "Controls.h"
#include "layout/frmCheq.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace quillset {

MDIForm1::MDIForm1(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Printing Preview of Cheque"));
    resize(twipsToPixels(9480), twipsToPixels(4935));

    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Picture1"));
    strip->setFixedHeight(twipsToPixels(495));
    auto *print = addControl<QPushButton>(strip, "cmdPrint", QRect(0, 0, 1275, 435), QStringLiteral("&Print"));
    auto *close = addControl<QPushButton>(strip, "cmdClose", QRect(1290, 0, 1275, 435), QStringLiteral("Close"));

    m_workspace = new QScrollArea(this);
    m_workspace->setObjectName(QStringLiteral("workspace"));
    m_workspace->setBackgroundRole(QPalette::Dark);
    m_workspace->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strip);
    layout->addWidget(m_workspace, 1);

    connect(print, &QPushButton::clicked, this, &MDIForm1::printRequested);
    connect(close, &QPushButton::clicked, this, [this] {
        hide();
        unloadLayout();
    });
}

void MDIForm1::showPage(const ChequePage &page)
{
    unloadLayout();
    m_layout = new frmCheq(page, m_workspace);
    m_workspace->setWidget(m_layout);
    show();
    raise();
    activateWindow();
}

void MDIForm1::unloadLayout()
{
    // The scroll area owns the page it shows; taking it back lets it go now.
    if (m_layout)
        delete m_workspace->takeWidget();
}

void MDIForm1::closeEvent(QCloseEvent *event)
{
    unloadLayout();
    event->accept();
}

} // namespace quillset
