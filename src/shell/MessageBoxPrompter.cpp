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

bool MessageBoxPrompter::ask(const QString &title, const QString &question)
{
    if (!hasVisibleScreen()) {
        std::fprintf(stderr, "%s: %s (answered No: nobody can see the question)\n", qUtf8Printable(title),
                     qUtf8Printable(question));
        return false;
    }
    return QMessageBox::question(QApplication::activeWindow(), title, question) == QMessageBox::Yes;
}

std::optional<QString> MessageBoxPrompter::askText(const QString &title, const QString &label)
{
    if (!hasVisibleScreen())
        return std::nullopt;
    bool ok = false;
    const QString text
        = QInputDialog::getText(QApplication::activeWindow(), title, label, QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void MessageBoxPrompter::beep()
{
    QApplication::beep();
}

} // namespace quillset
