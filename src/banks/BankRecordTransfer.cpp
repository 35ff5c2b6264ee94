#include "BankRecordTransfer.h"

#include "core/Conversions.h"
#include "core/Failure.h"

#include <cmath>

namespace quillset {

namespace {

enum Identity { BankId, BankName, AccountNo, Address, City, AccountType };

Measurement measurementAt(int index)
{
    return static_cast<Measurement>(index - BankAccountTexts::kFirstMeasurement);
}

} // namespace

QString textLabel(int index)
{
    static const QString identity[]
        = {QStringLiteral("Bank ID"), QStringLiteral("Bank Name"), QStringLiteral("Account #"),
           QStringLiteral("Address"), QStringLiteral("City"),      QStringLiteral("Acc Type")};
    if (index < BankAccountTexts::kFirstMeasurement)
        return identity[index];
    return measurementLabel(measurementAt(index));
}

BankAccountTexts textsFromRecord(const BankAccountRecord &account)
{
    BankAccountTexts shown;
    shown.texts
        = {account.bankId, account.bankName, account.accountNo, account.address, account.city, account.accountType};
    for (int i = BankAccountTexts::kFirstMeasurement; i < BankAccountTexts::kCount; ++i) {
        const std::optional<double> value = account.value(measurementAt(i));
        shown.texts.at(static_cast<size_t>(i)) = value ? plainNumber(*value) : QString();
    }
    shown.active = account.rupee3Active;
    return shown;
}

BankAccountRecord recordFromTexts(const BankAccountTexts &shown)
{
    const auto text = [&](int index) { return shown.texts.at(static_cast<size_t>(index)); };
    BankAccountRecord account;
    account.bankId = text(BankId);
    if (account.bankId.trimmed().isEmpty())
        throw Failure(ErrorNumber::EntryInvalid,
                      QStringLiteral("Enter a Bank ID: it is the code by which the account is chosen."));
    account.bankName = text(BankName);
    account.accountNo = text(AccountNo);
    account.address = text(Address);
    account.city = text(City);
    account.accountType = text(AccountType);
    for (int i = BankAccountTexts::kFirstMeasurement; i < BankAccountTexts::kCount; ++i) {
        bool ok = false;
        const double value = text(i).trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(value))
            throw Failure(ErrorNumber::EntryInvalid,
                          QStringLiteral("%1 holds \"%2\", which is not a number. Enter centimetres, such as 20.3.")
                              .arg(textLabel(i), text(i)));
        account.setValue(measurementAt(i), value);
    }
    account.rupee3Active = shown.active;
    return account;
}

} // namespace quillset
