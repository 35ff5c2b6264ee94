#pragma once

#include "core/cheque/Cheque.h"

#include <QDate>
#include <QList>
#include <QString>

namespace quillset {

class Connection;

/// A book of cheque leaves an account received from its bank, numbered from its first leaf to its
/// last as printed on them.
struct ChequeBook
{
    qint64 id = 0;
    QString account;
    QString firstLeaf;
    QString lastLeaf;
    QDate received;
    bool retired = false; ///< put away: its leaves are no longer offered

    bool operator==(const ChequeBook &) const = default;
};

/// A number of the register that lies in a range of leaves, and what became of it.
struct LeafUse
{
    qint64 number = 0;
    ChequeStatus status = ChequeStatus::Printed;
};

/// The store's cheque books. An account is named by its code in capitals or not. Every call throws
/// Failure when the database fails.
class ChequeBooks
{
public:
    explicit ChequeBooks(const Connection &connection);

    /// The account's books, in the order of their first leaves.
    QList<ChequeBook> of(const QString &account) const;
    /// Adds the book; returns its Id.
    qint64 add(const ChequeBook &book) const;
    /// Puts the book away.
    void retire(qint64 id) const;
    /// The register's numbers of digits on the account from `first` to `last` by value, each once.
    QList<LeafUse> leavesUsed(const QString &account, qint64 first, qint64 last) const;

private:
    const Connection &m_connection;
};

} // namespace quillset
