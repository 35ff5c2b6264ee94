#pragma once

#include "words/MoneyStyle.h"

#include <QDate>
#include <QList>
#include <QString>

namespace quillset {

class Connection;
struct Cheque;

/// One cheque as the register holds it.
struct RegisterEntry
{
    QDate date;
    QString bankId;
    QString chequeNo;
    QString pay;
    qint64 amount = 0; ///< in the smallest unit of the account's money
    MoneyStyle money;

    bool operator==(const RegisterEntry &) const = default;
};

/// The store's register of cheques. Every call throws Failure when the database fails.
class ChequeRegister
{
public:
    explicit ChequeRegister(const Connection &connection);

    /// Writes the cheque into the register exactly as it was printed.
    void record(const Cheque &cheque, const MoneyStyle &money) const;
    /// The cheques dated from `from` to `to`, both days included, by date and then cheque number.
    /// A start after the end gives none.
    QList<RegisterEntry> between(const QDate &from, const QDate &to) const;

private:
    const Connection &m_connection;
};

} // namespace quillset
