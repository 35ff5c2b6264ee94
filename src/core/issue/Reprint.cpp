#include "Reprint.h"

#include "core/base/Failure.h"
#include "core/issue/IssueCheque.h"
#include "store/Store.h"

#include <QCoreApplication>

namespace quillset {

Cheque reprintOf(const Store &store, const RegisterEntry &row)
{
    if (row.status != ChequeStatus::Spoiled && row.status != ChequeStatus::Void)
        throw Failure(ErrorNumber::NotSettleable,
                      QCoreApplication::translate("Reprint",
                                                  "Cheque %1 of \"%2\" is %3: only a spoiled or void cheque is "
                                                  "printed again.")
                          .arg(row.chequeNo, row.bankId, statusWord(row.status)));
    store.cheques().refuseSecondReprint(row.id);
    // A leaf noted as spoiled with no cheque on it has nothing to print again.
    if (row.pay.isEmpty())
        throw Failure(ErrorNumber::NotSettleable,
                      QCoreApplication::translate("Reprint",
                                                  "Cheque %1 of \"%2\" was a spoiled leaf with no cheque on it: "
                                                  "there is nothing to print again.")
                          .arg(row.chequeNo, row.bankId));
    const BankAccountRecord account = chequeAccount(store, row.bankId);
    if (account.money.subunitDigits != row.money.subunitDigits)
        throw Failure(ErrorNumber::StaleRecord,
                      QCoreApplication::translate("Reprint",
                                                  "The account \"%1\" takes %2 decimals now, and cheque %3 was "
                                                  "written with %4: type the cheque again.")
                          .arg(account.bankId)
                          .arg(account.money.subunitDigits)
                          .arg(row.chequeNo)
                          .arg(row.money.subunitDigits));
    Cheque cheque;
    cheque.accountCode = account.bankId;
    cheque.payee = row.pay;
    cheque.date = row.date;
    cheque.amount = Money {row.amount, account.money};
    cheque.stamp = row.crossing.has_value();
    cheque.crossing = row.crossing.value_or(QString());
    return cheque;
}

IssueOutcome reprintCheque(const Cheque &reprint, const RegisterEntry &row, IssueContext context)
{
    context.notes.reprintOf = row.id;
    return issueNextCheque(reprint, context);
}

} // namespace quillset
