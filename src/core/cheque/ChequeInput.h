#pragma once

#include "core/banks/BankAccount.h"
#include "core/cheque/Cheque.h"
#include "core/cheque/ChequeDate.h"

#include <QDate>
#include <QString>

#include <optional>

namespace quillset {

struct MoneyStyle;

/// A cheque as the operator wrote it: the entry window's fields, a command line's arguments or a
/// row of a batch file, before anything has been read from them.
struct ChequeTexts
{
    QString accountCode;
    QString number;
    QString payee;
    QString date;
    QString amount;
    bool stamp = false;
    QString crossing = kDefaultCrossingWords; ///< the crossing's words, when the cheque is crossed
};

/// The outcome of reading a cheque: the value, or a problem for every field that cannot be read.
struct ChequeReading
{
    std::optional<Cheque> cheque;
    QList<FieldProblem> problems;

    /// True when a field that a cheque needs was left empty.
    bool incomplete() const;
    /// Every problem's message, one per line.
    QString messages() const;
};

/// Reads the texts into a cheque. The one way into a cheque value: the entry window, the command
/// line and a batch all read theirs here, so each refuses the same things in the same words. The
/// number is taken as a person would say it and must be digits; the payee is one line, without
/// line breaks, tabs or other control characters, so the register holds exactly what is printed,
/// and a payee with nothing that would print counts as empty; the date is read in the office's
/// order and must lie within its window of dates; an amount with more decimals than the account
/// takes is refused, naming the account's decimals.
ChequeReading readCheque(const ChequeTexts &texts, const MoneyStyle &money, const DateRules &dates);

/// The message for a cheque with an empty cheque number, payee, date or amount, as the program has
/// always worded it; a person is shown incompleteChequeMessage(), its translation.
inline constexpr char kIncompleteChequeText[]
    = QT_TRANSLATE_NOOP("ChequeInput", "You cannot print All the fields must be selected");
inline const QString kIncompleteChequeMessage = QString::fromUtf8(kIncompleteChequeText);
QString incompleteChequeMessage();

/// True when the text has a character that would print: not only blanks, tabs, zero-width or other
/// invisible characters.
bool hasVisibleCharacter(const QString &text);

/// The amount text as a whole number of the smallest unit; nothing when it is not an amount the
/// account's money takes.
std::optional<qint64> parseAmount(const QString &text, const MoneyStyle &money);

/// True for a text the amount field may hold while it is typed (empty included).
bool isAcceptableAmountText(const QString &text, const MoneyStyle &money);

/// The most characters a payee may have: more than the widest leaf holds in the smallest type.
inline constexpr int kLongestPayee = 1000;
/// The most characters a crossing's words may have: a few words between two lines.
inline constexpr int kLongestCrossing = 100;

/// The longest amount the entry window admits, in digits before any decimal point.
inline constexpr int kAmountMaxDigits = 9;

} // namespace quillset
