#pragma once

#include "banks/BankAccount.h"

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

    /// The account with this code, or nothing when there is none.
    std::optional<BankAccountRecord> find(const QString &code) const;
    /// Every account code, in the order the accounts were added.
    QStringList codes() const;
    /// Every account, in the order they were added.
    QList<BankAccountRecord> all() const;
    /// How many accounts carry this code (0 or 1).
    int count(const QString &code) const;
    /// Adds the account as a new row; writes nothing when the database refuses it.
    void insert(const BankAccountRecord &account) const;
    /// Writes every value of the account over the row with its code.
    void update(const BankAccountRecord &account) const;

private:
    const Connection &m_connection;
};

} // namespace quillset
