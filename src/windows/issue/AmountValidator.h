#pragma once

#include "core/words/MoneyStyle.h"

#include <QValidator>

namespace quillset {

/// Lets into the amount field only what the account's money takes: digits, and a decimal point with
/// its decimals where the account has any. Pasted text is held to the same rule as typed keys.
///
/// An amount typed for another account may have more decimals than this one takes. It stays exactly
/// as typed (the cheque is refused until it is put right), and every edit that adds no decimals is
/// let in, so it can always be corrected: Backspace, a digit before the point, a selection replaced.
class AmountValidator final : public QValidator
{
public:
    explicit AmountValidator(QObject *parent = nullptr);

    void setMoney(const MoneyStyle &money) { m_money = money; }
    /// The field's text now, whose decimals beyond the account's an edit may keep but not add to.
    void setStanding(const QString &text);
    State validate(QString &input, int &position) const override;

private:
    /// How far the text is from what the account takes: the point on an account without decimals,
    /// and each decimal beyond the account's.
    int excess(const QString &text) const;

    MoneyStyle m_money;
    int m_standingExcess = 0;
};

} // namespace quillset
