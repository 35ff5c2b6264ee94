#pragma once

#include "widgets/Twips.h"

#include <QString>
#include <QWidget>

namespace quillset {

/// Creates a control on its parent with its object name and its geometry in twips.
template<typename Control, typename... Args>
Control *addControl(QWidget *parent, const char *objectName, const QRect &twips, Args &&...args)
{
    auto *control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(objectName));
    control->setGeometry(twipRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return control;
}

/// Chains the widgets into the window's focus order, in the order given.
inline void setFocusOrder(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace quillset
