#pragma once

#include "ChequePage.h"
#include "SplitWords.h"

#include <QString>

namespace quillset {

class PrinterServices;
struct BankAccountRecord;

/// The values of one cheque as the entry window holds them.
struct ChequeEntry
{
    QString bankId;
    QString chequeNo;
    QString date;
    QString pay;
    QString amount;
    QString narration; ///< the amount in words, as shown (in capitals)
    bool stamp = false;
};

struct ChequeOrigin
{
    double left = 0;
    double top = 0;
};

/// Where the leaf's top-left corner lies on the page, in twips, for a position index 0 to 6 and the
/// calibration offsets. Any other index leaves the leaf at the page's corner and reads nothing.
ChequeOrigin PlaceCheque(int position, const BankAccountRecord &account, PrinterServices &printer);

/// Composes the printed page for a cheque: sets the printer up, places the leaf and every field at
/// the account's measurements, and splits the words over two lines. Throws Failure naming the account
/// or the setting when the page cannot be composed; nothing is printed then.
ChequePage ComposeCheque(const ChequeEntry &entry, PrinterServices &printer);
ChequePage ComposeCheque(const ChequeEntry &entry, PrinterServices &printer, const TextWidth &screenWidth);

} // namespace quillset
