#pragma once

#include "core/banks/BankAccount.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace quillset {

class Connection;

/// The store's bank accounts. Every call throws Failure when the database fails.
class BankAccounts
{
public:
    explicit BankAccounts(const Connection &connection);

    /// The account with this code, in capitals or not, or nothing when there is none. It carries
    /// its code as stored.
    std::optional<BankAccountRecord> find(const QString &code) const;
    /// The code as the account that has it, in capitals or not, stores it; the code itself when no
    /// account has it. Where a database from before holds both acc1 and ACC1, each keeps its own.
    QString storedCode(const QString &code) const;
    /// Every account code, in the order the accounts were added.
    QStringList codes() const;
    /// Every account, in the order they were added.
    QList<BankAccountRecord> all() const;
    /// How many accounts carry this code, in capitals or not (0, or 1 but for a database from before
    /// that holds both acc1 and ACC1).
    int count(const QString &code) const;
    /// Adds the account as a new row; writes nothing when the database refuses it.
    void insert(const BankAccountRecord &account) const;
    /// Writes the values that differ between the account as it was read and as it was edited, but
    /// only while the stored row is still the one that was read: a row changed elsewhere meanwhile
    /// is left as it is (StaleRecord), and a row gone meanwhile is said (AccountMissing).
    void update(const BankAccountRecord &read, const BankAccountRecord &edited) const;

private:
    const Connection &m_connection;
};

} // namespace quillset
