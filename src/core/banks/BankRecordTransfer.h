#pragma once

#include "core/banks/BankAccount.h"
#include "core/base/Failure.h"

#include <QString>

#include <array>

namespace quillset {

/// The bank window's 30 texts, in the order they are copied: BankID, BankName, AccountNo, Address,
/// City, AccountType, Width, Height, then the grid column by column (DateLeft, DateBottom, DateWidth,
/// PayLeft, ... Rupee3Width), the crossing's left, top, width and height (empty: the corner block),
/// and the "Active:" tick.
struct BankAccountTexts
{
    static constexpr int kCount = 30;
    static constexpr int kFirstMeasurement = 6;
    static constexpr int kFirstCrossing = 26;
    static constexpr int kNotOverIndex = kCount; ///< a refusal's index for the "Not over" box

    std::array<QString, kCount> texts;
    bool active = false;
    MoneyStyle money; ///< chosen from lists and two name boxes, so always of a valid form
    QString notOver; ///< the limit in whole units; empty for none
};

/// A text that cannot be stored, with the index of its box, so that the box can be pointed at.
class TextRefused : public Failure
{
public:
    TextRefused(int index, QString description)
        : Failure(ErrorNumber::EntryInvalid, std::move(description))
        , m_index(index)
    {
    }
    int index() const { return m_index; }

private:
    int m_index;
};

/// What the window shows for a record: empty text for a missing value, numbers in their plain form.
BankAccountTexts textsFromRecord(const BankAccountRecord &account);

/// The record the texts describe. Throws TextRefused naming the field when the Bank ID is empty or
/// a measurement is not a number of centimetres within its limits (LeafLimits.h).
BankAccountRecord recordFromTexts(const BankAccountTexts &texts);

/// The stored record with what the operator changed in the texts: a text left as it was shown keeps
/// the stored value, so nothing the operator did not touch is written back. Throws TextRefused as
/// recordFromTexts() does, for the texts that changed.
BankAccountRecord recordWithEdits(const BankAccountRecord &stored, const BankAccountTexts &texts);

/// The label of the i-th text, such as "Bank ID" or "Date, Top".
QString textLabel(int index);

} // namespace quillset
