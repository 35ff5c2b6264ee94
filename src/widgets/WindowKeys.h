#pragma once

#include <QStringList>

#include <functional>

class QWidget;

namespace quillset {

/// Escape, when no control of the window takes it for itself (an open list, a cell being edited),
/// does `cancel`: what the window's Cancel or Close does, asking first where typing would be lost.
void cancelOnEscape(QWidget &window, std::function<void()> cancel);

/// Access keys as a keyboard user relies on them. A button's key presses it at once, as a click does,
/// not a moment later, so keys typed straight after it find the window as the press left it. An Alt
/// key that is no access key types nothing into a box, where "9.2" would become "9.2s".
void useAccessKeys(QWidget &window);

/// Puts the cursor in the box a message was about, with its text selected so that typing replaces
/// it. Said after the message, so the operator corrects the box at once.
void focusField(QWidget *field);

/// What every input control of the window holds now (texts, ticks, choices), in a fixed order: two
/// of these differ when something was typed or chosen in between.
QStringList controlValues(const QWidget &window);

} // namespace quillset
