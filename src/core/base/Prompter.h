#pragma once

#include <QString>

#include <optional>

namespace quillset {

/// Everything the program tells or asks the operator passes through here, so tests can read what
/// would be shown and give the answers.
class Prompter
{
public:
    enum class Icon { None, Information, Warning, Error };

    virtual ~Prompter() = default;
    /// A message with an OK button only.
    virtual void message(const QString &title, const QString &text, Icon icon) = 0;
    /// A question answered Yes or No.
    virtual bool ask(const QString &title, const QString &question) = 0;
    /// A line of text asked for; nothing when the operator declines.
    virtual std::optional<QString> askText(const QString &title, const QString &label) = 0;
    /// The system beep that answers a refused key.
    virtual void beep() = 0;
};

} // namespace quillset
