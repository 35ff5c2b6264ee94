#pragma once

#include "core/words/MoneyStyle.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace quillset {

/// One cheque, as typed and as printed: the value that travels from the entry window (or the command
/// line, or a batch file) to the page and into the register.
struct Cheque
{
    QString accountCode; ///< the BankID of the account it is drawn on
    QString number; ///< the cheque number as typed, leading zeros kept
    QString payee;
    QDate date;
    Money amount; ///< in the money style of its account as it was when the cheque was typed
    bool stamp = false; ///< crossed: two parallel lines with `crossing` between them
    QString crossing; ///< the crossing's words, such as "A/c Payee Only"; empty for the lines alone

    bool operator==(const Cheque &) const = default;
};

/// Where a cheque stands in its life. A row is written pending before the cheque goes to the printer,
/// and becomes printed once the print server says the job completed.
enum class ChequeStatus {
    Pending, ///< about to print, or its outcome is not known yet
    Printed, ///< the print server reported the job completed
    Spoiled, ///< the leaf was used but is unusable (jammed, misprinted)
    Void, ///< a printed cheque cancelled afterwards (lost, stopped, replaced)
};

/// The stored word for a status: "pending", "printed", "spoiled", "void".
QString statusWord(ChequeStatus status);
/// The status a stored word stands for; nothing for a word that is none of them.
std::optional<ChequeStatus> statusFromWord(const QString &word);

/// The fields of a cheque, for naming the one a problem is in.
enum class ChequeField { Account, Number, Payee, Date, Amount, Stamp };

/// What is wrong with one field, in words the operator can act on.
struct FieldProblem
{
    ChequeField field = ChequeField::Account;
    QString message;
    bool empty = false; ///< the field was left empty

    bool operator==(const FieldProblem &) const = default;
};

/// The field's name as the operator knows it: "Cheque No", "Pay", "Date", "Amount".
QString fieldName(ChequeField field);

} // namespace quillset
