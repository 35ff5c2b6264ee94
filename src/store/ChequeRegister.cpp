#include "ChequeRegister.h"

#include "Connection.h"
#include "cheque/Cheque.h"

#include <QVariant>

#include <cmath>

namespace quillset {

namespace {

// The register keeps amounts in whole units of the account's money, as it always has; the cheque
// value carries them in the smallest unit, so they are converted here and only here.
double storedAmount(qint64 amount, const MoneyStyle &money)
{
    return static_cast<double>(amount) / static_cast<double>(money.unitsPerWhole());
}

qint64 amountFromStore(double stored, const MoneyStyle &money)
{
    return std::llround(stored * static_cast<double>(money.unitsPerWhole()));
}

} // namespace

ChequeRegister::ChequeRegister(const Connection &connection)
    : m_connection(connection)
{
}

void ChequeRegister::record(const Cheque &cheque, const MoneyStyle &money) const
{
    m_connection.run(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES (?,?,?,?,?)"),
                     {cheque.accountCode, cheque.number, storedAmount(cheque.amount, money), cheque.payee,
                      cheque.date.toString(Qt::ISODate)});
}

QList<RegisterEntry> ChequeRegister::between(const QDate &from, const QDate &to) const
{
    // Dates are stored as YYYY-MM-DD, so the range compares as text and uses the PrintDate index.
    QSqlQuery query = m_connection.run(QStringLiteral("SELECT PrintDate, BankID, ChequeNo, Pay, Amount FROM Cheque "
                                                      "WHERE PrintDate BETWEEN ? AND ? ORDER BY PrintDate, ChequeNo"),
                                       {from.toString(Qt::ISODate), to.toString(Qt::ISODate)});
    QList<RegisterEntry> entries;
    while (m_connection.next(query)) {
        RegisterEntry entry;
        entry.date = QDate::fromString(query.value(0).toString(), Qt::ISODate);
        entry.bankId = query.value(1).toString();
        entry.chequeNo = query.value(2).toString();
        entry.pay = query.value(3).toString();
        entry.amount = amountFromStore(query.value(4).toDouble(), entry.money);
        entries.append(entry);
    }
    return entries;
}

} // namespace quillset
