#include "TypingLimit.h"

#include <QLineEdit>

namespace quillset {

TypingLimit::TypingLimit(int limit, QLineEdit *box)
    : QValidator(box)
    , m_limit(limit)
{
}

QValidator::State TypingLimit::validate(QString &input, int &) const
{
    return input.size() <= m_limit || input.size() <= m_shown ? Acceptable : Invalid;
}

void TypingLimit::showWhole(QLineEdit *box, const QString &text)
{
    if (auto *limit = box->findChild<TypingLimit *>(QString(), Qt::FindDirectChildrenOnly))
        limit->m_shown = text.size();
    box->setText(text);
}

} // namespace quillset
