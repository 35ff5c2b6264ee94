#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace quillset {

/// Keeps the focus in a field while its content is refused, as a check before the focus leaves it:
/// the focus comes straight back from any other control of the window, clicks on the window's
/// controls and access keys do nothing, and `refused` runs once per attempt. Other windows, and the
/// window's own close box, are left alone.
class FocusGuard : public QObject
{
    Q_OBJECT

public:
    FocusGuard(QWidget *field, std::function<bool()> accepts, std::function<void()> refused = {});

    /// True while the field holds the focus with content that is refused.
    bool isHolding() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_field;
    std::function<bool()> m_accepts;
    std::function<void()> m_refused;
    bool m_leaving = false;
};

} // namespace quillset
