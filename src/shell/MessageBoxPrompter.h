#pragma once

#include "Prompter.h"

namespace quillset {

/// Message boxes on screen; where no one can see a screen (offscreen platform), standard error instead.
class MessageBoxPrompter final : public Prompter
{
public:
    void message(const QString &title, const QString &text, Icon icon) override;
    bool ask(const QString &title, const QString &question) override;
    std::optional<QString> askText(const QString &title, const QString &label) override;
    void beep() override;

    /// False on platforms that draw nowhere a person could see, such as offscreen.
    static bool hasVisibleScreen();
};

} // namespace quillset
