#pragma once

#include "core/words/MoneyStyle.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace quillset {

/// What the bank's upload file names a layout document by.
inline const QString kPositivePayFormat = QStringLiteral("quillset-positive-pay");

/// One column a bank's Positive Pay file may ask for.
enum class PositivePayField {
    AccountNumber, ///< the account's number at the bank
    ChequeNumber,
    Date, ///< the cheque's date
    Amount,
    Payee,
    Status, ///< the issued or void flag
    Reference, ///< the register row that issued the cheque: unique and never reused for another
};

/// Every field, in the order a form offers them.
inline constexpr std::array kPositivePayFields {PositivePayField::AccountNumber, PositivePayField::ChequeNumber,
                                                PositivePayField::Date,          PositivePayField::Amount,
                                                PositivePayField::Payee,         PositivePayField::Status,
                                                PositivePayField::Reference};

/// How the amount is written: "1234.50", "123450" (in the smallest unit) or "1,234.50" (grouped as
/// the account groups its figures).
enum class PositivePayAmount { Decimal, Subunits, Grouped };

struct PositivePayColumn
{
    PositivePayField field = PositivePayField::ChequeNumber;
    QString title; ///< the header's word for it

    bool operator==(const PositivePayColumn &) const = default;
};

/// How one bank wants its file: the columns in their order and how each value is written.
struct PositivePayLayout
{
    QList<PositivePayColumn> columns;
    QString dateFormat = QStringLiteral("dd-MM-yyyy"); ///< as QDate writes it: d, M and y
    PositivePayAmount amount = PositivePayAmount::Decimal;
    QChar separator = u',';
    bool header = true;
    QString issuedFlag; ///< what the status column says of a cheque that stands
    QString voidFlag = QStringLiteral("V"); ///< and of one voided

    bool operator==(const PositivePayLayout &) const = default;
};

/// A layout read from its JSON document, or the problems with it in plain words.
struct PositivePayLayoutReading
{
    std::optional<PositivePayLayout> layout;
    QStringList problems;
};

/// The field's word in a layout document ("account", "cheque", "date", "amount", "payee", "status",
/// "reference"), and back.
QString positivePayFieldWord(PositivePayField field);
std::optional<PositivePayField> positivePayFieldFromWord(const QString &word);
/// The header's word for a field when the layout gives none ("Account Number"...).
QString positivePayFieldTitle(PositivePayField field);

/// The setting of a layout a problem is about, so that a form can put the cursor there.
enum class PositivePaySetting { Columns, DateFormat, Separator, Flags };

struct PositivePayProblem
{
    PositivePaySetting setting = PositivePaySetting::Columns;
    qsizetype column = -1; ///< the column it is about, counted from 0, or -1
    QString text;
};

/// What makes a layout unusable, each in plain words: a column twice, a date format that does not
/// write the whole date, a separator other than a comma, a semicolon, a bar or a tab, a flag of more
/// than one line. A layout without columns is none, not a wrong one, and is not refused here.
QList<PositivePayProblem> positivePayLayoutProblems(const PositivePayLayout &layout);

/// Reads a layout from its JSON document. Unknown keys, an unknown column, a column twice, a date
/// format that does not read back as the date it wrote, an unknown amount form or a separator that
/// is not one character are each refused by name.
PositivePayLayoutReading readPositivePayLayout(const QByteArray &json);
/// The layout as the JSON document readPositivePayLayout reads back to the same layout.
QByteArray positivePayLayoutJson(const PositivePayLayout &layout);

/// One cheque as the file reports it.
struct PositivePayCheque
{
    qint64 reference = 0; ///< the register row
    QString accountNumber;
    QString chequeNumber;
    QDate date;
    Money amount;
    QString payee;
    bool isVoid = false;
};

/// The amount as the layout writes it, exactly from the smallest unit.
QString positivePayAmountText(const Money &amount, PositivePayAmount form);
/// The file: a header when the layout has one, then a line for each cheque, CSV as RFC 4180 writes
/// it (a field holding the separator, a quote or a line break is quoted, its quotes doubled), lines
/// ended by CR LF, in UTF-8.
QByteArray positivePayFile(const PositivePayLayout &layout, const QList<PositivePayCheque> &cheques);

} // namespace quillset
