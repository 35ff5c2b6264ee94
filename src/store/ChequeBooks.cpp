#include "ChequeBooks.h"

#include "core/cheque/ChequeNumber.h"
#include "store/BankAccounts.h"
#include "store/Connection.h"
#include "store/RegisterHistory.h"

#include <QMap>
#include <QVariant>

#include <algorithm>

namespace quillset {

ChequeBooks::ChequeBooks(const Connection &connection)
    : m_connection(connection)
{
}

QList<ChequeBook> ChequeBooks::of(const QString &account) const
{
    QSqlQuery query = m_connection.run(QStringLiteral("SELECT Id, BankID, FirstLeaf, LastLeaf, Received, Retired FROM "
                                                      "ChequeBook WHERE BankID = ? ORDER BY Id"),
                                       {BankAccounts(m_connection).storedCode(account)});
    QList<ChequeBook> books;
    while (m_connection.next(query))
        books.append({query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString(),
                      query.value(3).toString(), QDate::fromString(query.value(4).toString(), Qt::ISODate),
                      query.value(5).toInt() != 0});
    std::stable_sort(books.begin(), books.end(), [](const ChequeBook &a, const ChequeBook &b) {
        return a.firstLeaf.toLongLong() < b.firstLeaf.toLongLong();
    });
    return books;
}

qint64 ChequeBooks::add(const ChequeBook &book) const
{
    return m_connection.inTransaction([&] {
        const qint64 id = m_connection.insert(
            QStringLiteral(
                "INSERT INTO ChequeBook (BankID, FirstLeaf, LastLeaf, Received, Retired) VALUES (?, ?, ?, ?, ?)"),
            {BankAccounts(m_connection).storedCode(book.account), book.firstLeaf, book.lastLeaf,
             book.received.toString(Qt::ISODate), book.retired ? 1 : 0});
        const RegisterHistory history(m_connection);
        history.append(QStringLiteral("cheque book"), QString::number(id), QStringLiteral("added"), QString(),
                       history.rowState(QStringLiteral("ChequeBook"), QStringLiteral("Id"), id));
        return id;
    });
}

void ChequeBooks::retire(qint64 id) const
{
    m_connection.inTransaction([&] {
        const RegisterHistory history(m_connection);
        const QString before = history.rowState(QStringLiteral("ChequeBook"), QStringLiteral("Id"), id);
        m_connection.run(QStringLiteral("UPDATE ChequeBook SET Retired = 1 WHERE Id = ?"), {id});
        history.append(QStringLiteral("cheque book"), QString::number(id), QStringLiteral("retired"), before,
                       history.rowState(QStringLiteral("ChequeBook"), QStringLiteral("Id"), id));
    });
}

QList<LeafUse> ChequeBooks::leavesUsed(const QString &account, qint64 first, qint64 last) const
{
    // Only keys as long as the range's ends can lie in it; the rest of the account is not read.
    const int shortest = static_cast<int>(QString::number(first).size());
    const int longest = static_cast<int>(QString::number(last).size());
    QSqlQuery query = m_connection.run(
        QStringLiteral("SELECT NumberKey, Status FROM Cheque WHERE BankID = ? AND %1 AND NumberKey <> '' AND "
                       "length(NumberKey) BETWEEN ? AND ? ORDER BY Id")
            .arg(m_connection.dialect().digitsOnly(QStringLiteral("NumberKey"))),
        {BankAccounts(m_connection).storedCode(account), shortest, longest});
    QMap<qint64, ChequeStatus> used;
    while (m_connection.next(query)) {
        const qint64 number = query.value(0).toString().toLongLong();
        if (number >= first && number <= last)
            used.insert(number, statusFromWord(query.value(1).toString()).value_or(ChequeStatus::Printed));
    }
    QList<LeafUse> leaves;
    for (auto it = used.cbegin(); it != used.cend(); ++it)
        leaves.append({it.key(), it.value()});
    return leaves;
}

} // namespace quillset
