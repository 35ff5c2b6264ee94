#include "MessageBoxPrompter.h"

#include <QApplication>
#include <QInputDialog>
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

// A box is answered and gone; it never counts as the program's last window. With the main window
// hidden behind the entry window, a box closing would otherwise end the whole program.
void neverEndsTheProgram(QWidget &box)
{
    box.setAttribute(Qt::WA_QuitOnClose, false);
}

} // namespace

MessageBoxPrompter::MessageBoxPrompter(Boxes boxes)
    : m_boxes(boxes)
{
}

bool MessageBoxPrompter::hasVisibleScreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

bool MessageBoxPrompter::showsBoxes() const
{
    return m_boxes == Boxes::Always || hasVisibleScreen();
}

QWidget *MessageBoxPrompter::owner()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    QWidget *shown = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (!window->isVisible() || type == Qt::ToolTip || type == Qt::Popup || type == Qt::Desktop)
            continue;
        // A dialog that is shown stands in front of the window it belongs to.
        if (!shown || window->isModal())
            shown = window;
    }
    return shown;
}

void MessageBoxPrompter::message(const QString &title, const QString &text, Icon icon)
{
    if (!showsBoxes()) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
        return;
    }
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, owner());
    neverEndsTheProgram(box);
    box.exec();
}

bool MessageBoxPrompter::ask(const QString &title, const QString &question)
{
    if (!showsBoxes()) {
        std::fprintf(stderr, "%s: %s (answered No: nobody can see the question)\n", qUtf8Printable(title),
                     qUtf8Printable(question));
        return false;
    }
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No, owner());
    neverEndsTheProgram(box);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> MessageBoxPrompter::askText(const QString &title, const QString &label)
{
    if (!showsBoxes())
        return std::nullopt;
    QInputDialog dialog(owner());
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    neverEndsTheProgram(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void MessageBoxPrompter::beep()
{
    QApplication::beep();
}

} // namespace quillset
