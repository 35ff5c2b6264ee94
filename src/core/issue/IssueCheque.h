#pragma once

#include "core/banks/BankAccount.h"
#include "core/base/Failure.h"
#include "core/layout/ChequePage.h"
#include "core/layout/PrintSettings.h"

#include <QHash>
#include <QString>

#include <optional>

namespace quillset {

class PageMetrics;
class Store;
struct Cheque;

/// The message for a step that failed: "ERR:" + number + ":" + description, in the words for who
/// is told.
QString errorMessage(const Failure &failure, Audience audience = Audience::Window);

/// The account a cheque is drawn on. Throws Failure when there is none with that code.
BankAccountRecord chequeAccount(const Store &store, const QString &code);

/// The account a cheque is drawn on, as it is now. Throws Failure when there is none with that code,
/// and StaleRecord when the account's money style changed since the cheque's amount was read: a
/// typed 500 rupees must never print as 5 in a style that has since gained paise.
BankAccountRecord chequeAccount(const Store &store, const Cheque &cheque);

/// The cheque's page, composed from its account's layout and the stored settings, with the
/// calibration of that printer (the office's for an empty name). Throws Failure when the account is
/// missing or the page cannot be composed.
ChequePage composeChequePage(const Store &store, const Cheque &cheque, const PageMetrics &metrics,
                             const QString &printer = QString());

/// Composes the pages of many cheques for one printer, as composeChequePage() does, reading each
/// account and the settings once: a batch's pages are placed alike, and the register is not asked
/// the same thing for every cheque.
class ChequeComposer
{
public:
    ChequeComposer(const Store &store, const PageMetrics &metrics, const QString &printer = QString());

    /// Throws Failure as composeChequePage() does.
    ChequePage compose(const Cheque &cheque);

private:
    const Store &m_store;
    const PageMetrics &m_metrics;
    QString m_printer;
    std::optional<PrintSettings> m_settings;
    QHash<QString, BankAccountRecord> m_accounts;
};

/// Which calibration a page for that printer is placed with, in words for a preview or a proof.
QString calibrationNote(const Store &store, const QString &printer);

} // namespace quillset
