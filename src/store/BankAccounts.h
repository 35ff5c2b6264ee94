#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace quillset {

/// The measured layout of a cheque leaf, in centimetres, in the order the columns are stored.
enum class Measurement {
    Width,
    Height,
    DateLeft,
    DateBottom,
    DateWidth,
    PayLeft,
    PayBottom,
    PayWidth,
    AmountLeft,
    AmountBottom,
    AmountWidth,
    Rupee1Left,
    Rupee1Bottom,
    Rupee1Width,
    Rupee2Left,
    Rupee2Bottom,
    Rupee2Width,
    Rupee3Left,
    Rupee3Bottom,
    Rupee3Width,
};
inline constexpr int kMeasurementCount = 20;

/// The column that stores a measurement, such as "DateBottom".
QString measurementColumn(Measurement measurement);
/// How the bank window labels a measurement, such as "Date, Top".
QString measurementLabel(Measurement measurement);

/// One row of BankAccount.
struct BankAccountRecord
{
    QString bankId;
    QString bankName;
    QString accountNo;
    QString address;
    QString city;
    QString accountType;
    std::array<std::optional<double>, kMeasurementCount> measurements {};
    bool rupee3Active = false;

    std::optional<double> value(Measurement measurement) const
    {
        return measurements.at(static_cast<size_t>(measurement));
    }
    void setValue(Measurement measurement, std::optional<double> value)
    {
        measurements.at(static_cast<size_t>(measurement)) = value;
    }
    bool operator==(const BankAccountRecord &) const = default;
};

/// The account with this code, or nothing when there is none. Throws Failure when the database fails.
std::optional<BankAccountRecord> findBankAccount(const QString &code);

/// Every account code, in the order the accounts were added.
QStringList bankAccountCodes();

/// Every account, in the order they were added.
QList<BankAccountRecord> allBankAccounts();

/// How many accounts carry this code (0 or 1).
int countBankAccounts(const QString &code);

/// Adds the account as a new row. Throws Failure when the database refuses it, writing nothing.
void insertBankAccount(const BankAccountRecord &account);

/// Writes every value of the account over the row with its code.
void updateBankAccount(const BankAccountRecord &account);

} // namespace quillset
