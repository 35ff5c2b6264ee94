#include "IssueCheque.h"

#include "cheque/Cheque.h"
#include "core/Failure.h"
#include "layout/ComposeCheque.h"
#include "layout/PdfDocument.h"
#include "layout/PrintQueue.h"
#include "store/Store.h"

namespace quillset {

QString errorMessage(const Failure &failure)
{
    return QStringLiteral("ERR:%1:%2").arg(failure.code()).arg(failure.description());
}

namespace {

BankAccountRecord accountOf(const Store &store, const Cheque &cheque)
{
    const std::optional<BankAccountRecord> account = store.accounts().find(cheque.accountCode);
    if (!account)
        throw Failure(ErrorNumber::AccountMissing,
                      QStringLiteral("There is no bank account with the code \"%1\". Choose an account from the "
                                     "list, or add it under Bank Data.")
                          .arg(cheque.accountCode));
    return *account;
}

} // namespace

ChequePage composeChequePage(const Store &store, const Cheque &cheque, const PageMetrics &metrics)
{
    return ComposeCheque(cheque, accountOf(store, cheque), store.parameters().printSettings(), metrics);
}

IssueResult issueCheque(const Cheque &cheque, const Store &store, PrintQueue &queue, const PageMetrics &metrics,
                        const RecordCheque &record)
{
    BankAccountRecord account;
    try {
        account = accountOf(store, cheque);
        const ChequePage page = ComposeCheque(cheque, account, store.parameters().printSettings(), metrics);
        const QString title = QStringLiteral("Quillset cheque %1").arg(cheque.number);
        const QString printer = queue.defaultQueue();
        queue.submit(printer, {title, {page}, renderPdf({page}, title)});
    } catch (const Failure &failure) {
        return {IssueResult::Outcome::NotPrinted, errorMessage(failure)};
    }
    try {
        record(cheque, account.money);
    } catch (const Failure &failure) {
        return {IssueResult::Outcome::PrintedNotRecorded,
                QStringLiteral("The cheque WAS printed but NOT recorded in the register.\n\nReason: %1\n\n"
                               "Its details are still in the window so that you can note them. Do not print it "
                               "again.")
                    .arg(failure.description())};
    }
    return {IssueResult::Outcome::Printed, QString()};
}

} // namespace quillset
