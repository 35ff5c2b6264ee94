#pragma once

#include "layout/ChequePage.h"

#include <QString>

#include <functional>

namespace quillset {

class Failure;
class PageMetrics;
class PrintQueue;
class Store;
struct Cheque;
struct MoneyStyle;

/// The operator's message for a step that failed: "ERR:" + number + ":" + description.
QString errorMessage(const Failure &failure);

/// The cheque's page, composed from its account's layout and the stored settings. Throws Failure
/// when the account is missing or the page cannot be composed.
ChequePage composeChequePage(const Store &store, const Cheque &cheque, const PageMetrics &metrics);

struct IssueResult
{
    enum class Outcome {
        Printed, ///< printed and recorded
        NotPrinted, ///< nothing reached the printer, so nothing was recorded
        PrintedNotRecorded, ///< on paper, but the register refused it
    };
    Outcome outcome = Outcome::NotPrinted;
    QString message; ///< what to tell the operator; empty when all went well
};

/// Writes a printed cheque into the register, in its account's money.
using RecordCheque = std::function<void(const Cheque &, const MoneyStyle &)>;

/// Composes the cheque afresh, prints it and, only once the queue has taken the page, records that
/// very cheque with `record` (the entry window's Process, or the register itself).
IssueResult issueCheque(const Cheque &cheque, const Store &store, PrintQueue &queue, const PageMetrics &metrics,
                        const RecordCheque &record);

} // namespace quillset
