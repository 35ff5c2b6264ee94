#include "SamePayment.h"

#include "core/cheque/ChequeDate.h"
#include "core/words/AmountInWords.h"
#include "store/Store.h"

#include <QCoreApplication>

namespace quillset {

QString samePaymentText(const Store &store, const Cheque &cheque)
{
    const std::optional<RegisterEntry> paid = store.cheques().samePayment(cheque);
    if (!paid)
        return QString();
    return QCoreApplication::translate("SamePayment", "cheque %1 of \"%2\" is already %3 to %4 for %5, dated %6")
        .arg(paid->chequeNo, paid->bankId, statusWord(paid->status), paid->pay, chequeFigures(cheque.amount),
             formatChequeDate(paid->date));
}

} // namespace quillset
