#include "WindowKeys.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcutEvent>
#include <QTextEdit>

namespace quillset {

namespace {

class EscapeCancels final : public QObject
{
public:
    EscapeCancels(QWidget &window, std::function<void()> cancel)
        : QObject(&window)
        , m_cancel(std::move(cancel))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Seen here only when no control of the window took the key on its way up.
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Escape || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // Claimed before any shortcut of the window can take it (a progress dialog has two of its own,
        // which cancel each other out), so that it arrives here as a key.
        key->accept();
        if (event->type() == QEvent::KeyPress)
            m_cancel();
        return true;
    }

private:
    std::function<void()> m_cancel;
};

bool takesTyping(const QObject *control)
{
    return qobject_cast<const QLineEdit *>(control) || qobject_cast<const QAbstractSpinBox *>(control)
        || qobject_cast<const QTextEdit *>(control) || qobject_cast<const QPlainTextEdit *>(control);
}

class AccessKeys final : public QObject
{
public:
    explicit AccessKeys(QWidget &window)
        : QObject(&window)
        , m_window(window)
    {
        // A box takes a key before anything of its window sees it, and a button its access key: only
        // an application filter is early enough, and it serves controls made later too.
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::Shortcut)
            return false;
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != &m_window)
            return false;
        if (event->type() == QEvent::Shortcut) {
            auto *button = qobject_cast<QAbstractButton *>(watched);
            // A key shared by two controls moves between them, as the platform does.
            if (!button || static_cast<QShortcutEvent *>(event)->isAmbiguous())
                return false;
            if (button->isEnabled())
                button->click();
            return true;
        }
        if (!takesTyping(watched))
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        // Alt with Control is AltGr on some keyboards, which types letters of its own.
        const Qt::KeyboardModifiers held = key->modifiers();
        return (held & Qt::AltModifier) && !(held & Qt::ControlModifier) && !key->text().isEmpty()
            && key->text().front().isPrint();
    }

private:
    QWidget &m_window;
};

} // namespace

void cancelOnEscape(QWidget &window, std::function<void()> cancel)
{
    window.installEventFilter(new EscapeCancels(window, std::move(cancel)));
}

void useAccessKeys(QWidget &window)
{
    new AccessKeys(window);
}

void focusField(QWidget *field)
{
    if (!field)
        return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto *box = qobject_cast<QLineEdit *>(field))
        box->selectAll();
    else if (auto *list = qobject_cast<QComboBox *>(field); list && list->lineEdit())
        list->lineEdit()->selectAll();
}

QStringList controlValues(const QWidget &window)
{
    QStringList values;
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        // A window opened from this one holds values of its own.
        if (control->window() != &window)
            continue;
        if (const auto *box = qobject_cast<const QLineEdit *>(control)) {
            // A combo or spin box's own line is read through its box.
            if (!qobject_cast<const QComboBox *>(box->parentWidget())
                && !qobject_cast<const QAbstractSpinBox *>(box->parentWidget()))
                values.append(box->text());
        } else if (const auto *list = qobject_cast<const QComboBox *>(control)) {
            values.append(list->currentText());
        } else if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(control)) {
            values.append(spin->text());
        } else if (const auto *text = qobject_cast<const QTextEdit *>(control)) {
            values.append(text->toPlainText());
        } else if (const auto *plain = qobject_cast<const QPlainTextEdit *>(control)) {
            values.append(plain->toPlainText());
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(control);
                   button && button->isCheckable()) {
            values.append(button->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        }
    }
    return values;
}

} // namespace quillset
