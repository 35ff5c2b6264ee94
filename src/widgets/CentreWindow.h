#pragma once

class QWidget;

namespace quillset {

/// Centres the window on its screen without changing its size, and gives it the program's icon.
void CentreWindow(QWidget &window);

} // namespace quillset
