#include "AmountValidator.h"

#include "core/cheque/ChequeInput.h"

#include <QRegularExpression>

namespace quillset {

AmountValidator::AmountValidator(QObject *parent)
    : QValidator(parent)
{
}

void AmountValidator::setStanding(const QString &text)
{
    m_standingExcess = excess(text);
}

int AmountValidator::excess(const QString &text) const
{
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return 0;
    const int decimals = static_cast<int>(text.size() - point - 1);
    if (m_money.subunitDigits == 0)
        return 1 + decimals;
    return qMax(0, decimals - m_money.subunitDigits);
}

QValidator::State AmountValidator::validate(QString &input, int &) const
{
    if (isAcceptableAmountText(input, m_money))
        return Acceptable;
    // Still an amount in form (digits, at most one point, nine whole digits), only with decimals the
    // account does not take: let in an edit that brings it no further from what the account takes.
    static const QRegularExpression form(QStringLiteral("^[0-9]{0,%1}(\\.[0-9]*)?$").arg(kAmountMaxDigits));
    if (m_standingExcess > 0 && form.match(input).hasMatch() && excess(input) <= m_standingExcess)
        return Intermediate;
    return Invalid;
}

} // namespace quillset
