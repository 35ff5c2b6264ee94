#include "IssueCheque.h"

#include "core/base/Failure.h"
#include "core/cheque/Cheque.h"
#include "core/layout/ComposeCheque.h"
#include "core/words/AmountInWords.h"
#include "store/Store.h"

#include <QCoreApplication>

namespace quillset {

QString errorMessage(const Failure &failure, Audience audience)
{
    return QStringLiteral("ERR:%1:%2").arg(failure.code()).arg(failure.description(audience));
}

BankAccountRecord chequeAccount(const Store &store, const QString &code)
{
    const std::optional<BankAccountRecord> account = store.accounts().find(code);
    if (!account)
        throw Failure(
            ErrorNumber::AccountMissing,
            QCoreApplication::translate("IssueCheque",
                                        "There is no bank account with the code \"%1\". Choose an account from the "
                                        "list, or add it under Bank Data.")
                .arg(code),
            QCoreApplication::translate("IssueCheque", "There is no bank account with the code \"%1\".").arg(code));
    return *account;
}

BankAccountRecord chequeAccount(const Store &store, const Cheque &cheque)
{
    BankAccountRecord account = chequeAccount(store, cheque.accountCode);
    if (account.money != cheque.amount.style)
        throw Failure(ErrorNumber::StaleRecord,
                      QCoreApplication::translate("IssueCheque",
                                                  "The money of the bank account \"%1\" was changed elsewhere "
                                                  "since the amount was typed (it is now written %2). Nothing was "
                                                  "printed: check the amount and print again.")
                          .arg(account.bankId, chequeFigures(cheque.amount.units, account.money)),
                      QCoreApplication::translate("IssueCheque",
                                                  "The money of the bank account \"%1\" was changed elsewhere "
                                                  "since the amount was read; nothing was printed.")
                          .arg(account.bankId));
    return account;
}

ChequePage composeChequePage(const Store &store, const Cheque &cheque, const PageMetrics &metrics,
                             const QString &printer)
{
    return ComposeCheque(cheque, chequeAccount(store, cheque), store.parameters().printSettingsFor(printer), metrics);
}

ChequeComposer::ChequeComposer(const Store &store, const PageMetrics &metrics, const QString &printer)
    : m_store(store)
    , m_metrics(metrics)
    , m_printer(printer)
{
}

ChequePage ChequeComposer::compose(const Cheque &cheque)
{
    auto account = m_accounts.constFind(cheque.accountCode);
    // A cheque read in other money than the account read before is checked against the account now.
    if (account == m_accounts.constEnd() || account->money != cheque.amount.style)
        account = m_accounts.insert(cheque.accountCode, chequeAccount(m_store, cheque));
    if (!m_settings)
        m_settings = m_store.parameters().printSettingsFor(m_printer);
    return ComposeCheque(cheque, *account, *m_settings, m_metrics);
}

QString calibrationNote(const Store &store, const QString &printer)
{
    if (printer.isEmpty())
        return QCoreApplication::translate("IssueCheque",
                                           "Placed with the office's calibration: no default printer was found.");
    if (store.calibrations().of(printer))
        return QCoreApplication::translate("IssueCheque", "Placed with the calibration of the default printer \"%1\".")
            .arg(printer);
    return QCoreApplication::translate("IssueCheque",
                                       "Placed with the office's calibration, which the default printer \"%1\" uses.")
        .arg(printer);
}

} // namespace quillset
