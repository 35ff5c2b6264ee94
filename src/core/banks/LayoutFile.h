#pragma once

#include "core/banks/BankAccount.h"

#include <QByteArray>

namespace quillset {

/// The version of the layout documents this program writes; it reads this one and older.
inline constexpr int kLayoutVersion = 2;

/// An account's leaf layout as a small JSON document: the leaf's size, every field's place, the
/// crossing, the date's layout, the leaf's marks, the money style, and the Positive Pay threshold and
/// file layout. No account number, bank or address goes into it.
QByteArray layoutDocument(const BankAccountRecord &account);

/// The account with the layout of the document put in place of its own; everything else it keeps.
/// Throws Failure in plain words for a document that is not a layout, comes from a newer program,
/// or holds a value the bank window would refuse.
BankAccountRecord withLayout(const BankAccountRecord &account, const QByteArray &document);

} // namespace quillset
