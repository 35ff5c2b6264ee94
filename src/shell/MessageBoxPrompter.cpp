#include "MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace quillset {

namespace {

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Warning:
        return QMessageBox::Warning;
    case Prompter::Icon::Error:
        return QMessageBox::Critical;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

bool MessageBoxPrompter::hasVisibleScreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void MessageBoxPrompter::message(const QString &title, const QString &text, Icon icon)
{
    if (!hasVisibleScreen()) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
        return;
    }
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void MessageBoxPrompter::beep()
{
    QApplication::beep();
}

} // namespace quillset
