#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace quillset {

/// The order in which an office writes a date in numbers alone. A month written by its name reads
/// one way only, in any order.
enum class DateOrder {
    DayFirst, ///< 25/12/2026
    MonthFirst, ///< 12/25/2026
    YearFirst, ///< 2026-12-25
};

inline constexpr int kDefaultStaleMonths = 3; ///< how long a cheque is valid in India
inline constexpr int kLongestStaleMonths = 24;
inline constexpr int kDefaultWindowMonths = 12;
inline constexpr int kLongestWindowMonths = 120;

/// The office's rules for a cheque's date, and the day they are applied on.
struct DateRules
{
    DateOrder order = DateOrder::DayFirst;
    /// A cheque dated longer ago than this may be refused by the bank as stale: it is asked about.
    int staleMonths = kDefaultStaleMonths;
    /// A date further back or ahead than this is a typing mistake, and is refused.
    int windowMonths = kDefaultWindowMonths;
    QDate today;
};

/// The months a date setting's text gives: digits alone (blanks around them allowed) making a
/// whole number from 1 to `longest`; nothing otherwise.
std::optional<int> monthsFromText(const QString &text, int longest);

/// The stored word for an order: "DMY", "MDY" or "YMD".
QString dateOrderCode(DateOrder order);
/// The order a stored word stands for; nothing for a word that is none of them.
std::optional<DateOrder> dateOrderFromCode(const QString &code);
/// The order in the operator's words: "day first", "month first", "year first".
QString dateOrderName(DateOrder order);
/// Examples of every form a date is read in under the order: "25-Dec-2026, 25/12/2026 or 2026-12-25".
QString acceptedDateForms(DateOrder order);

/// A date text read under an office's order: the date, or why it is none, in words that show the
/// forms accepted.
struct DateReading
{
    std::optional<QDate> date;
    QString problem;
};

/// Reads a date in one of the forms that cannot be read two ways under the order: a month by its
/// name (25-Dec-2026, Dec-25-2026, Dec 25, 2026, 2026-Dec-25), numbers in the office's order
/// (25/12/2026, 25-12-2026 or 25.12.2026 day first; 12/25/2026 month first), or the year first
/// (2026-12-25) in every order. A two-digit year, numbers in another order and impossible dates
/// are refused, each saying why.
DateReading readChequeDate(const QString &text, DateOrder order);

/// The date of a text under the order, as readChequeDate reads it; nothing when it is none.
std::optional<QDate> parseChequeDate(const QString &text, DateOrder order);

/// The entry window's date form, with English month abbreviations: 06-Dec-2026.
QString formatChequeDate(const QDate &date);

/// Why a cheque cannot carry the date: further back or ahead of the rules' today than their window.
/// Empty when it can, or when the rules have no today.
QString dateWindowProblem(const QDate &date, const DateRules &rules);

/// Why a cheque's date needs a second look before it prints: post-dated, or older than the bank
/// takes (stale). Empty when it needs none.
QString dateFlag(const QDate &date, const DateRules &rules);

} // namespace quillset
