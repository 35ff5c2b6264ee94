#include "FocusGuard.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace quillset {

FocusGuard::FocusGuard(QWidget *field, std::function<bool()> accepts, std::function<void()> refused)
    : QObject(field)
    , m_field(field)
    , m_accepts(std::move(accepts))
    , m_refused(std::move(refused))
{
    // Focus is given on a click before the clicked widget's own filters run; only an application
    // filter sees the focus leave in time to bring it back and to swallow the click.
    qApp->installEventFilter(this);
}

bool FocusGuard::isHolding() const
{
    return m_field && QApplication::focusWidget() == m_field && !m_accepts();
}

bool FocusGuard::eventFilter(QObject *watched, QEvent *event)
{
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!m_field || !widget || widget->window() != m_field->window())
        return false;

    switch (event->type()) {
    case QEvent::FocusOut:
        if (watched == m_field)
            m_leaving = static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason && !m_accepts();
        return false;
    case QEvent::FocusIn:
        if (watched != m_field && m_leaving) {
            m_leaving = false;
            m_field->setFocus(Qt::OtherFocusReason);
            // Told after the attempt has been dealt with, never in the middle of the focus change.
            if (m_refused)
                QTimer::singleShot(0, this, [this] { m_refused(); });
        }
        return false;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        // An access key would act without asking the field; claim the key so that it does nothing,
        // then drop it, for a claimed key comes back as typing and its letter would land in the field.
        if (watched == m_field && (static_cast<QKeyEvent *>(event)->modifiers() & Qt::AltModifier) && !m_accepts()) {
            event->accept();
            return true;
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return watched != m_field && isHolding();
    default:
        return false;
    }
}

} // namespace quillset
