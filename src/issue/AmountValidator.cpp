#include "AmountValidator.h"

#include "cheque/ChequeInput.h"

namespace quillset {

AmountValidator::AmountValidator(QObject *parent)
    : QValidator(parent)
{
}

QValidator::State AmountValidator::validate(QString &input, int &) const
{
    return isAcceptableAmountText(input, m_money) ? Acceptable : Invalid;
}

} // namespace quillset
