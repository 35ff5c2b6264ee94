#pragma once

#include "core/base/Prompter.h"

#include <QList>
#include <QStringList>

namespace quillset::test {

/// Records what the operator would have been shown and asked, and answers at once: Yes, and the
/// texts queued in `texts` (a reason when none are queued).
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
    bool ask(const QString &, const QString &question) override
    {
        questions.append(question);
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    std::optional<QString> askText(const QString &, const QString &label) override
    {
        questions.append(label);
        if (textAnswers.isEmpty())
            return QStringLiteral("a reason");
        return textAnswers.takeFirst();
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
    QStringList questions;
    QList<bool> answers;
    QList<std::optional<QString>> textAnswers;
    int beeps = 0;
};

} // namespace quillset::test
