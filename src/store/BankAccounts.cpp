#include "BankAccounts.h"

#include "Database.h"
#include "Failure.h"

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

// The account's values in column order, BankID first: the order of the insert and update below.
QVariantList columnValues(const BankAccountRecord &account)
{
    QVariantList values
        = {account.bankId, account.bankName, account.accountNo, account.address, account.city, account.accountType};
    for (const std::optional<double> &measurement : account.measurements)
        values.append(measurement ? QVariant(*measurement) : QVariant(QMetaType(QMetaType::Double)));
    values.append(account.rupee3Active ? 1 : 0);
    return values;
}

QStringList columnNames()
{
    QStringList names = {QStringLiteral("BankID"),  QStringLiteral("BankName"), QStringLiteral("AccountNo"),
                         QStringLiteral("Address"), QStringLiteral("City"),     QStringLiteral("AccountType")};
    for (int i = 0; i < kMeasurementCount; ++i)
        names.append(measurementColumn(static_cast<Measurement>(i)));
    names.append(QStringLiteral("Rupee3Active"));
    return names;
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

namespace quillset {

QList<BankAccountRecord> allBankAccounts()
{
    QSqlQuery query = runStatement(QStringLiteral("SELECT * from bankAccount ORDER BY rowid"));
    QList<BankAccountRecord> accounts;
    while (query.next())
        accounts.append(bankAccountFromRecord(query.record()));
    return accounts;
}

int countBankAccounts(const QString &code)
{
    QSqlQuery query = runStatement(QStringLiteral("SELECT count(BankID) FROM BankAccount Where BankID = ?"), {code});
    return query.next() ? query.value(0).toInt() : 0;
}

void insertBankAccount(const BankAccountRecord &account)
{
    const QStringList names = columnNames();
    QStringList marks;
    for (qsizetype i = 0; i < names.size(); ++i)
        marks.append(QStringLiteral("?"));
    runStatement(QStringLiteral("INSERT INTO BankAccount (%1) VALUES (%2)").arg(names.join(u','), marks.join(u',')),
                 columnValues(account));
}

void updateBankAccount(const BankAccountRecord &account)
{
    QStringList assignments;
    for (const QString &name : columnNames())
        assignments.append(name + QStringLiteral(" = ?"));
    QVariantList values = columnValues(account);
    values.append(account.bankId);
    const QSqlQuery update = runStatement(
        QStringLiteral("UPDATE BankAccount SET %1 WHERE BankID = ?").arg(assignments.join(QStringLiteral(", "))),
        values);
    if (update.numRowsAffected() != 1)
        throw Failure(ErrorNumber::AccountMissing,
                      QStringLiteral("The bank account \"%1\" is no longer in the database.").arg(account.bankId));
}

} // namespace quillset
