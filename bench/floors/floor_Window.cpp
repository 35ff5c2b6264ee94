// The floor of starting the program: a bare main window of the main window's size, shown, and left
// once it has been painted.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

namespace {

class LeaveWhenPainted : public QMainWindow
{
protected:
    bool event(QEvent *event) override
    {
        const bool handled = QMainWindow::event(event);
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return handled;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    LeaveWhenPainted window;
    window.setFixedSize(319, 137);
    window.show();
    return QApplication::exec();
}
