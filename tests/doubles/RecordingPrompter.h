#pragma once

#include "shell/Prompter.h"

#include <QList>
#include <QString>

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
        for (const Message &m : messages)
            all.append(m.text);
        return all;
    }
    void clear()
    {
        messages.clear();
        beeps = 0;
    }

    QList<Message> messages;
    int beeps = 0;
};

} // namespace quillset::test
