#pragma once

#include "shell/Prompter.h"

#include <QList>
#include <QStringList>

namespace quillset::test {

/// Records what the operator would have been shown, and answers at once.
class RecordingPrompter final : public Prompter
{
public:
    struct Message
    {
        QString title;
        QString text;
        Icon icon;
    };

    void message(const QString &title, const QString &text, Icon icon) override
    {
        messages.append({title, text, icon});
    }
    void beep() override { ++beeps; }
    QStringList texts() const
    {
        QStringList all;
        for (const Message &shown : messages)
            all.append(shown.text);
        return all;
    }

    QList<Message> messages;
    int beeps = 0;
};

} // namespace quillset::test
