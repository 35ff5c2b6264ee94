#pragma once

#include <QString>

namespace quillset {

struct BankAccountRecord;
struct Cheque;

/// True when the cheque's amount is above its account's "Not over" limit: it prints only when the
/// operator confirms it with a reason.
bool isOverLimit(const Cheque &cheque, const BankAccountRecord &account);

/// Why the cheque needs a confirmation, such as "=1,50,000/- is above the "Not over" limit of
/// =1,00,000/- of the account "SBI01"."; empty when it is within the limit or the account has none.
QString overLimitText(const Cheque &cheque, const BankAccountRecord &account);

} // namespace quillset
