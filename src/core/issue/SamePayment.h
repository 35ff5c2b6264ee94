#pragma once

#include <QString>

namespace quillset {

class Store;
struct Cheque;

/// What the register already holds that this cheque would pay again: "cheque 000113 of "ACC1" is
/// already printed to Rent Landlord for =5,000/-, dated 06-Dec-2026", for a printed or pending
/// cheque of the same account, payee, amount and date; empty when there is none. A corrected batch
/// file run again, or a cheque typed twice, is found by it before it prints.
QString samePaymentText(const Store &store, const Cheque &cheque);

} // namespace quillset
