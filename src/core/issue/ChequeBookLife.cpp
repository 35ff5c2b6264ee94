#include "ChequeBookLife.h"

#include "core/base/CoreLog.h"
#include "core/base/ErrorKind.h"
#include "core/base/Failure.h"
#include "core/cheque/ChequeInput.h"
#include "core/cheque/ChequeNumber.h"
#include "store/Store.h"

#include <QCoreApplication>

#include <algorithm>

namespace quillset {

namespace {

// Eighteen digits keep every leaf number inside a 64-bit integer.
constexpr int kLongestLeafNumber = 18;
constexpr int kSkippedShown = 10;

bool isLeafNumber(const QString &text)
{
    return isDigitNumber(text) && text.size() <= kLongestLeafNumber;
}

QString bookRange(const ChequeBook &book)
{
    return QCoreApplication::translate("ChequeBookLife", "%1 to %2").arg(book.firstLeaf, book.lastLeaf);
}

// What the register says of one book's leaves: one read of the numbers in its range.
BookUsage usageOf(const Store &store, const ChequeBook &book)
{
    BookUsage usage;
    usage.book = book;
    const QList<LeafUse> leaves = store.books().leavesUsed(book.account, usage.firstValue(), usage.lastValue());
    qint64 expected = usage.firstValue();
    for (const LeafUse &leaf : leaves) {
        for (; expected < leaf.number; ++expected)
            usage.skipped.append(usage.leaf(expected));
        expected = leaf.number + 1;
        switch (leaf.status) {
        case ChequeStatus::Printed:
            ++usage.printed;
            break;
        case ChequeStatus::Pending:
            ++usage.pending;
            break;
        case ChequeStatus::Spoiled:
            ++usage.spoiled;
            break;
        case ChequeStatus::Void:
            ++usage.voided;
            break;
        }
        usage.highestUsed = leaf.number;
    }
    usage.left = usage.lastValue() - (usage.highestUsed ? *usage.highestUsed : usage.firstValue() - 1);
    return usage;
}

// The first book in use with leaves left, reading only the books up to it.
std::optional<BookUsage> currentOf(const Store &store, const QList<ChequeBook> &books)
{
    for (const ChequeBook &book : books) {
        if (book.retired)
            continue;
        BookUsage usage = usageOf(store, book);
        if (usage.left > 0)
            return usage;
    }
    return std::nullopt;
}

// True when the number of digits `a` is larger than `b`, by value however long they are.
bool isLarger(const QString &a, const QString &b)
{
    const QString left = numberKey(a);
    const QString right = numberKey(b);
    return left.size() != right.size() ? left.size() > right.size() : left > right;
}

} // namespace

int lowLeavesSetting(const Store &store)
{
    try {
        bool ok = false;
        const int low = store.parameters().GetSystemParameter(QStringLiteral("LowLeaves")).trimmed().toInt(&ok);
        return ok && low >= 0 ? low : 5;
    } catch (const Failure &failure) {
        qCDebug(lcIssue).noquote() << "LowLeaves takes its default:" << failure;
        return 5; // a missing setting takes its default
    }
}

LeafPlan::LeafPlan(const Store &store, const QString &account)
{
    for (const ChequeBook &book : store.books().of(account)) {
        if (!book.retired)
            m_books.append(usageOf(store, book));
    }
    m_highest = store.cheques().highestNumber(account).value_or(QString());
}

QString LeafPlan::takeNext()
{
    QString next;
    if (const std::optional<BookUsage> book = currentBook())
        next = book->leaf(book->highestUsed ? *book->highestUsed + 1 : book->firstValue());
    else if (!m_highest.isEmpty())
        next = numberAfter(m_highest);
    if (!next.isEmpty())
        take(next);
    return next;
}

void LeafPlan::take(const QString &number)
{
    if (!isDigitNumber(number))
        return;
    if (m_highest.isEmpty() || isLarger(number, m_highest))
        m_highest = number;
    if (!isLeafNumber(number))
        return;
    const qint64 value = number.toLongLong();
    for (BookUsage &book : m_books) {
        if (value < book.firstValue() || value > book.lastValue())
            continue;
        if (!book.highestUsed || value > *book.highestUsed) {
            book.highestUsed = value;
            book.left = book.lastValue() - value;
        }
    }
}

bool LeafPlan::outsideBooks(const QString &number) const
{
    if (m_books.isEmpty())
        return false;
    const qint64 value = isLeafNumber(number) ? number.toLongLong() : -1;
    return std::none_of(m_books.begin(), m_books.end(), [value](const BookUsage &book) {
        return value >= book.firstValue() && value <= book.lastValue();
    });
}

qint64 LeafPlan::leavesLeft() const
{
    qint64 left = 0;
    for (const BookUsage &book : m_books)
        left += book.left;
    return left;
}

std::optional<BookUsage> LeafPlan::currentBook() const
{
    for (const BookUsage &book : m_books) {
        if (book.left > 0)
            return book;
    }
    return std::nullopt;
}

QString LeafPlan::bookRanges() const
{
    QStringList ranges;
    for (const BookUsage &book : m_books)
        ranges.append(bookRange(book.book));
    return ranges.join(QStringLiteral("; "));
}

QString BookUsage::leaf(qint64 value) const
{
    return QString::number(value).rightJustified(book.firstLeaf.size(), u'0');
}

ChequeBook addChequeBook(const Store &store, const QString &account, const QString &first, const QString &last,
                         const QDate &received)
{
    const QString firstLeaf = first.trimmed();
    const QString lastLeaf = last.trimmed();
    if (!isLeafNumber(firstLeaf) || !isLeafNumber(lastLeaf))
        throw Failure(
            ErrorNumber::EntryInvalid,
            QCoreApplication::translate("ChequeBookLife",
                                        "Give the first and the last leaf numbers as they are printed on the leaves, "
                                        "in digits (up to %1).")
                .arg(kLongestLeafNumber));
    if (firstLeaf.toLongLong() > lastLeaf.toLongLong())
        throw Failure(
            ErrorNumber::EntryInvalid,
            QCoreApplication::translate("ChequeBookLife",
                                        "The first leaf (%1) comes after the last one (%2); give them the other way "
                                        "round.")
                .arg(firstLeaf, lastLeaf));
    if (!received.isValid())
        throw Failure(ErrorNumber::EntryInvalid,
                      QCoreApplication::translate("ChequeBookLife", "Give the date the book was received, such as %1.")
                          .arg(formatChequeDate(QDate(2026, 12, 1))));
    for (const ChequeBook &book : store.books().of(account)) {
        if (book.retired)
            continue;
        if (firstLeaf.toLongLong() <= book.lastLeaf.toLongLong()
            && lastLeaf.toLongLong() >= book.firstLeaf.toLongLong())
            throw Failure(
                ErrorNumber::EntryInvalid,
                QCoreApplication::translate("ChequeBookLife",
                                            "Leaves %1 to %2 overlap the book %3 of the account \"%4\". Retire that "
                                            "book first if it is finished with.")
                    .arg(firstLeaf, lastLeaf, bookRange(book), account));
    }
    ChequeBook book {0, account, firstLeaf, lastLeaf, received, false};
    book.id = store.books().add(book);
    return book;
}

QList<BookUsage> bookUsage(const Store &store, const QString &account)
{
    QList<BookUsage> usages;
    for (const ChequeBook &book : store.books().of(account))
        usages.append(usageOf(store, book));
    return usages;
}

std::optional<BookUsage> currentBook(const Store &store, const QString &account)
{
    return currentOf(store, store.books().of(account));
}

QString nextLeafFromBooks(const Store &store, const QString &account)
{
    const std::optional<BookUsage> book = currentBook(store, account);
    if (!book)
        return QString();
    return book->leaf(book->highestUsed ? *book->highestUsed + 1 : book->firstValue());
}

QString numberOutsideBooksWarning(const Store &store, const QString &account, const QString &number)
{
    QStringList ranges;
    const qint64 value = isLeafNumber(number) ? number.toLongLong() : -1;
    for (const ChequeBook &book : store.books().of(account)) {
        if (book.retired)
            continue;
        if (value >= book.firstLeaf.toLongLong() && value <= book.lastLeaf.toLongLong())
            return QString();
        ranges.append(bookRange(book));
    }
    if (ranges.isEmpty())
        return QString();
    return QCoreApplication::translate("ChequeBookLife",
                                       "Cheque number %1 is in none of the cheque books of the account \"%2\" (%3).")
        .arg(number, account, ranges.join(QStringLiteral("; ")));
}

QString leavesLeftNotice(const Store &store, const QString &account)
{
    const QList<ChequeBook> books = store.books().of(account);
    if (std::all_of(books.begin(), books.end(), [](const ChequeBook &book) { return book.retired; }))
        return QString();
    const std::optional<BookUsage> book = currentOf(store, books);
    if (!book)
        return QCoreApplication::translate(
            "ChequeBookLife", "No leaves are left in this account's cheque books: add the next book under Bank Data.");
    const QString leaves = book->left == 1 ? QCoreApplication::translate("ChequeBookLife", "1 leaf")
                                           : QCoreApplication::translate("ChequeBookLife", "%1 leaves").arg(book->left);
    if (book->left <= lowLeavesSetting(store))
        return QCoreApplication::translate("ChequeBookLife",
                                           "Only %1 left in this book (%2): have the next book ready.")
            .arg(leaves, bookRange(book->book));
    return QCoreApplication::translate("ChequeBookLife", "%1 left in this book.").arg(leaves);
}

QString bookSummary(const BookUsage &usage)
{
    QString line
        = QCoreApplication::translate("ChequeBookLife",
                                      "Book %1, received %2%3: %4 printed, %5 pending, %6 spoiled, %7 void, %8 left")
              .arg(bookRange(usage.book), formatChequeDate(usage.book.received),
                   usage.book.retired ? QCoreApplication::translate("ChequeBookLife", " (retired)") : QString())
              .arg(usage.printed)
              .arg(usage.pending)
              .arg(usage.spoiled)
              .arg(usage.voided)
              .arg(usage.left);
    if (!usage.skipped.isEmpty()) {
        QStringList shown = usage.skipped.mid(0, kSkippedShown);
        if (usage.skipped.size() > kSkippedShown)
            shown.append(
                QCoreApplication::translate("ChequeBookLife", "and %1 more").arg(usage.skipped.size() - kSkippedShown));
        line += QCoreApplication::translate("ChequeBookLife", "; %1 skipped: %2")
                    .arg(usage.skipped.size())
                    .arg(shown.join(QStringLiteral(", ")));
    }
    return line + u'.';
}

} // namespace quillset
