#include "CentreWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quillset {

void CentreWindow(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->geometry();
        const QSize size = window.frameGeometry().size();
        window.move(area.left() + qRound((area.width() - size.width()) / 2.0),
                    area.top() + qRound((area.height() - size.height()) / 2.0));
    }
    window.setWindowIcon(QGuiApplication::windowIcon());
}

} // namespace quillset
