#include "BankAccounts.h"

#include "Database.h"

#include <QSqlRecord>
#include <QVariant>

namespace quillset {

namespace {

struct MeasurementName
{
    const char *column;
    const char *label;
};

constexpr std::array<MeasurementName, kMeasurementCount> kMeasurementNames = {{
    {"Width", "Paper Width"},          {"Height", "Cheq Height"},          {"DateLeft", "Date, Left"},
    {"DateBottom", "Date, Top"},       {"DateWidth", "Date, Width"},       {"PayLeft", "Pay, Left"},
    {"PayBottom", "Pay, Top"},         {"PayWidth", "Pay, Width"},         {"AmountLeft", "Amount, Left"},
    {"AmountBottom", "Amount, Top"},   {"AmountWidth", "Amount, Width"},   {"Rupee1Left", "Rupee L1, Left"},
    {"Rupee1Bottom", "Rupee L1, Top"}, {"Rupee1Width", "Rupee L1, Width"}, {"Rupee2Left", "Rupee L2, Left"},
    {"Rupee2Bottom", "Rupee L2, Top"}, {"Rupee2Width", "Rupee L2, Width"}, {"Rupee3Left", "Stamp, Left"},
    {"Rupee3Bottom", "Stamp, Top"},    {"Rupee3Width", "Stamp, Width"},
}};

QString text(const QSqlRecord &record, const char *column)
{
    return record.value(QString::fromLatin1(column)).toString();
}

BankAccountRecord bankAccountFromRecord(const QSqlRecord &record)
{
    BankAccountRecord account;
    account.bankId = text(record, "BankID");
    account.bankName = text(record, "BankName");
    account.accountNo = text(record, "AccountNo");
    account.address = text(record, "Address");
    account.city = text(record, "City");
    account.accountType = text(record, "AccountType");
    for (int i = 0; i < kMeasurementCount; ++i) {
        const QVariant value = record.value(measurementColumn(static_cast<Measurement>(i)));
        if (!value.isNull())
            account.measurements.at(static_cast<size_t>(i)) = value.toDouble();
    }
    account.rupee3Active = record.value(QStringLiteral("Rupee3Active")).toInt() != 0;
    return account;
}

} // namespace

QString measurementColumn(Measurement measurement)
{
    return QString::fromLatin1(kMeasurementNames.at(static_cast<size_t>(measurement)).column);
}

QString measurementLabel(Measurement measurement)
{
    return QString::fromLatin1(kMeasurementNames.at(static_cast<size_t>(measurement)).label);
}

std::optional<BankAccountRecord> findBankAccount(const QString &code)
{
    QSqlQuery query = runStatement(QStringLiteral("SELECT * FROM BankAccount Where BankID = ?"), {code});
    if (!query.next())
        return std::nullopt;
    return bankAccountFromRecord(query.record());
}

QStringList bankAccountCodes()
{
    QSqlQuery query = runStatement(QStringLiteral("SELECT BankID,accountno FROM BankAccount ORDER BY rowid"));
    QStringList codes;
    while (query.next())
        codes.append(query.value(0).toString());
    return codes;
}

} // namespace quillset
