#pragma once

#include <QString>

namespace quillset {

struct Cheque;
struct MoneyStyle;

/// An amount as the register keeps it: a count of the smallest unit and the decimals it was written
/// with, so that a later change of the account's decimals never changes a cheque already written.
struct StoredAmount
{
    qint64 units = 0;
    int decimals = 0;

    bool operator==(const StoredAmount &) const = default;
};

/// The cheque's amount as the register keeps it: the one place a cheque's amount meets the store.
StoredAmount storedAmount(const Cheque &cheque);
/// A stored amount read back: its count of the smallest unit, in money that takes its decimals.
qint64 chequeAmount(const StoredAmount &stored, MoneyStyle &money);
/// The amount in currency units, exactly, as a database's decimal type reads it: "1500.50".
QString decimalText(const StoredAmount &amount);

} // namespace quillset
