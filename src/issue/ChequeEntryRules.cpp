#include "ChequeEntryRules.h"

#include "layout/ChequeFormats.h"
#include "layout/ComposeCheque.h"

#include <algorithm>

namespace quillset {

bool isComplete(const ChequeEntry &entry)
{
    return !entry.chequeNo.isEmpty() && !entry.pay.isEmpty() && !entry.date.isEmpty() && !entry.amount.isEmpty();
}

bool isAcceptableAmountText(const QString &text)
{
    return text.size() <= kAmountMaxDigits
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool isAcceptableDateText(const QString &text)
{
    return text.isEmpty() || parseChequeDate(text).has_value();
}

} // namespace quillset
