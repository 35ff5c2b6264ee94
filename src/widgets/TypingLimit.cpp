#include "TypingLimit.h"

#include "core/banks/BankAccount.h"

#include <QLineEdit>

namespace quillset {

TypingLimit::TypingLimit(int limit, QLineEdit *box, Letters letters)
    : QValidator(box)
    , m_limit(limit)
    , m_letters(letters)
{
}

QValidator::State TypingLimit::validate(QString &input, int &) const
{
    // One character for one, so the cursor stays where it was.
    if (m_letters == Letters::Capitals && input != m_shown)
        input = accountCodeCapitals(input);
    return input.size() <= m_limit || input.size() <= m_shown.size() ? Acceptable : Invalid;
}

void TypingLimit::showWhole(QLineEdit *box, const QString &text)
{
    if (auto *limit = box->findChild<TypingLimit *>(QString(), Qt::FindDirectChildrenOnly))
        limit->m_shown = text;
    box->setText(text);
}

} // namespace quillset
