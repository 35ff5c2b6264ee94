#pragma once

#include "core/base/Prompter.h"

class QWidget;

namespace quillset {

/// Message boxes on screen, each over the window the operator is working in; where no one can see a
/// screen (offscreen platform), standard error instead. No box is ever the window whose closing
/// ends the program.
class MessageBoxPrompter final : public Prompter
{
public:
    /// Where the boxes appear: on a screen someone can see, or always (for tests that answer them).
    enum class Boxes { WhereSeen, Always };

    explicit MessageBoxPrompter(Boxes boxes = Boxes::WhereSeen);

    void message(const QString &title, const QString &text, Icon icon) override;
    bool ask(const QString &title, const QString &question) override;
    std::optional<QString> askText(const QString &title, const QString &label) override;
    void beep() override;

    /// False on platforms that draw nowhere a person could see, such as offscreen.
    static bool hasVisibleScreen();
    /// The window a box belongs to: the modal or active window, else a shown window of the program
    /// (after the printing box closes no window is active until the system activates another).
    /// Nothing only when no window of the program is shown.
    static QWidget *owner();

private:
    bool showsBoxes() const;

    Boxes m_boxes;
};

} // namespace quillset
