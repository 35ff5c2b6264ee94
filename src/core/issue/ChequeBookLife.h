#pragma once

#include "store/ChequeBooks.h"

#include <QList>
#include <QString>

#include <optional>

namespace quillset {

class Store;

/// What has become of a book's leaves, as the register tells it.
struct BookUsage
{
    ChequeBook book;
    int printed = 0;
    int pending = 0;
    int spoiled = 0;
    int voided = 0;
    qint64 left = 0; ///< leaves after the highest one the register holds
    QStringList skipped; ///< leaves below that one the register does not hold
    std::optional<qint64> highestUsed;

    qint64 firstValue() const { return book.firstLeaf.toLongLong(); }
    qint64 lastValue() const { return book.lastLeaf.toLongLong(); }
    /// The leaf number `value` written as wide as the book's numbers.
    QString leaf(qint64 value) const;
};

/// Adds a book of leaves `first` to `last` (digits, as printed on the leaves) received on the date.
/// Throws Failure in plain words when the numbers are not leaf numbers, run backwards, or overlap
/// a book of the account that is still in use.
ChequeBook addChequeBook(const Store &store, const QString &account, const QString &first, const QString &last,
                         const QDate &received);

/// Every book of the account with what became of its leaves, in the order of their first leaves.
QList<BookUsage> bookUsage(const Store &store, const QString &account);

/// The book the account's next cheque comes from: the first one in use that has leaves left.
std::optional<BookUsage> currentBook(const Store &store, const QString &account);

/// The next leaf of the current book, or an empty string when the account has no book with leaves left.
QString nextLeafFromBooks(const Store &store, const QString &account);

/// A warning when the account has books in use and the number is in none of them, naming them; an
/// empty string otherwise.
QString numberOutsideBooksWarning(const Store &store, const QString &account, const QString &number);

/// After a print: how many leaves the current book has left, said louder when they are few (the
/// "LowLeaves" setting); an empty string for an account without books.
QString leavesLeftNotice(const Store &store, const QString &account);

/// The "LowLeaves" setting: how few leaves left in a book are said louder (5 when it is not set).
int lowLeavesSetting(const Store &store);

/// The numbers an account's next cheques would take, one after the other, from the books and the
/// register as they stand: what offeredNumber gives, followed forward without printing anything.
class LeafPlan
{
public:
    /// Reads the account's books and highest number. Throws Failure when the database fails.
    LeafPlan(const Store &store, const QString &account);

    /// The number the next cheque would take, now taken; empty when the account has none to offer.
    QString takeNext();
    /// Notes a number a cheque is given: the next numbers follow it as they would after it printed.
    void take(const QString &number);
    /// True when the account has books in use and the number lies in none of them.
    bool outsideBooks(const QString &number) const;
    /// True when the account has books in use.
    bool hasBooks() const { return !m_books.isEmpty(); }
    /// The leaves left in the books in use after what was taken.
    qint64 leavesLeft() const;
    /// The book the next number would come from, with its leaves left after what was taken.
    std::optional<BookUsage> currentBook() const;
    /// The books in use, as "000101 to 000125; 000126 to 000150".
    QString bookRanges() const;

private:
    QList<BookUsage> m_books; ///< in use, in the order of their first leaves
    QString m_highest; ///< the highest number of digits on the account, as written; empty for none
};

/// One line per book for the settling place: the leaves used, spoiled, void and left, and the skipped ones.
QString bookSummary(const BookUsage &usage);

} // namespace quillset
