#pragma once

class QWidget;

namespace quillset {

/// Makes Enter on a focused push button of the window press it, as Space does: desktop users press
/// Enter. Text fields keep their own Enter, which moves on.
void pressButtonsOnEnter(QWidget &window);

} // namespace quillset
