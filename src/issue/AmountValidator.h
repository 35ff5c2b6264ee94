#pragma once

#include "words/MoneyStyle.h"

#include <QValidator>

namespace quillset {

/// Lets into the amount field only what the account's money takes: digits, and a decimal point with
/// its decimals where the account has any. Pasted text is held to the same rule as typed keys.
class AmountValidator final : public QValidator
{
public:
    explicit AmountValidator(QObject *parent = nullptr);

    void setMoney(const MoneyStyle &money) { m_money = money; }
    State validate(QString &input, int &position) const override;

private:
    MoneyStyle m_money;
};

} // namespace quillset
