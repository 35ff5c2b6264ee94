#pragma once

#include <QString>

namespace quillset {

/// Everything the program tells the operator passes through here, so tests can read what would be shown.
class Prompter
{
public:
    enum class Icon { None, Information, Warning, Error };

    virtual ~Prompter() = default;
    /// A message with an OK button only.
    virtual void message(const QString &title, const QString &text, Icon icon) = 0;
    /// The system beep that answers a refused key.
    virtual void beep() = 0;
};

} // namespace quillset
