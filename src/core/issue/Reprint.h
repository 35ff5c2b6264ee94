#pragma once

#include "core/cheque/Cheque.h"
#include "core/issue/ChequeLife.h"

namespace quillset {

class Store;
struct RegisterEntry;

/// The cheque that prints a spoiled or voided one again, on the next leaf: the same account, payee,
/// amount, date and crossing, its number taken when it prints. Throws Failure (NotSettleable) for
/// a row that is neither spoiled nor void, or a spoiled leaf recorded without a cheque on it, and
/// (StaleRecord) when the account's decimals changed since the row was written.
Cheque reprintOf(const Store &store, const RegisterEntry &row);

/// Prints the row's reprint through the cheque's life with the account's next number; both rows'
/// histories name the other.
IssueOutcome reprintCheque(const Cheque &reprint, const RegisterEntry &row, IssueContext context);

} // namespace quillset
