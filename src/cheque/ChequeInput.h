#pragma once

#include "Cheque.h"

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
/// line breaks, tabs or other control characters, so the register holds exactly what is printed;
/// an amount with more decimals than the account takes is refused, naming the account's decimals.
ChequeReading readCheque(const ChequeTexts &texts, const MoneyStyle &money);

/// The message for a cheque with an empty cheque number, payee, date or amount.
inline const QString kIncompleteChequeMessage = QStringLiteral("You cannot print All the fields must be selected");

/// Reads a cheque date typed as 06-Dec-2026, 6-Dec-2026, 06/12/2026, 06-12-2026 or 2026-12-06
/// (numeric forms day first; month names in English, any case). Impossible dates give nothing.
std::optional<QDate> parseChequeDate(const QString &text);

/// The entry window's date form, with English month abbreviations: 06-Dec-2026.
QString formatChequeDate(const QDate &date);

/// True for an empty date, or one that reads as a real date: what the date field lets go of.
bool isAcceptableDateText(const QString &text);

/// The amount text as a whole number of the smallest unit; nothing when it is not an amount the
/// account's money takes.
std::optional<qint64> parseAmount(const QString &text, const MoneyStyle &money);

/// True for a text the amount field may hold while it is typed (empty included).
bool isAcceptableAmountText(const QString &text, const MoneyStyle &money);

/// The longest amount the entry window admits, in digits before any decimal point.
inline constexpr int kAmountMaxDigits = 9;

} // namespace quillset
