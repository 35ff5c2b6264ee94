#include "PositivePayRegister.h"

#include "core/banks/BankAccount.h"
#include "core/cheque/ChequeInput.h"
#include "store/BankAccounts.h"
#include "store/Connection.h"
#include "store/Dialect.h"
#include "store/RegisterHistory.h"
#include "store/StoredAmount.h"

#include <QCoreApplication>
#include <QVariant>

namespace quillset {

namespace {

const QString kReported = QStringLiteral("reported to the bank");
const QString kLeftOut = QStringLiteral("not sent to the bank");

// The Id of the cheque row's last history entry of one of the actions, NULL when it has none. The
// history keys a cheque by its row's Id as text.
QString lastEvent(const QString &actions)
{
    return QStringLiteral("(SELECT max(h.Id) FROM History AS h WHERE h.Subject = 'cheque' AND h.SubjectKey = "
                          "CAST(c.Id AS TEXT) AND h.Action IN (%1))")
        .arg(actions);
}

// Printed or voided since the cheque's last report, and since the account's reports began (the
// bound value). A row from before the history, carried over and never printed or voided since, is
// left out: it went to the bank, if at all, before the program knew.
QString sinceLastReport()
{
    return QStringLiteral("%1 > coalesce(%2, 0) AND %1 > ?")
        .arg(lastEvent(QStringLiteral("'printed', 'void'")),
             lastEvent(QStringLiteral("'reported to the bank', 'not sent to the bank'")));
}

} // namespace

PositivePayRegister::PositivePayRegister(const Connection &connection)
    : m_connection(connection)
{
}

QList<IssuedCheque> PositivePayRegister::select(const QString &condition, const QVariantList &values) const
{
    QSqlQuery query = m_connection.run(
        QStringLiteral(
            "SELECT c.Id, c.BankID, c.ChequeNo, c.PrintDate, c.Pay, %1, c.Decimals, c.Status, "
            "a.AmountStyle, %3 IS NOT NULL FROM Cheque AS c LEFT JOIN BankAccount AS a ON a.BankID = c.BankID WHERE "
            "c.BankID = ? AND c.Status IN ('printed', 'void') AND %2 ORDER BY c.PrintDate, "
            "length(c.NumberKey), c.NumberKey, c.Id")
            .arg(m_connection.dialect().amountUnits(QStringLiteral("c")), condition,
                 lastEvent(QStringLiteral("'reported to the bank'"))),
        values);
    QList<IssuedCheque> cheques;
    while (m_connection.next(query)) {
        IssuedCheque &cheque = cheques.emplace_back();
        cheque.id = query.value(0).toLongLong();
        cheque.bankId = query.value(1).toString();
        cheque.chequeNo = query.value(2).toString();
        cheque.date = QDate::fromString(query.value(3).toString(), Qt::ISODate);
        cheque.payee = query.value(4).toString();
        cheque.amount.style.style = amountStyleFromWord(query.value(8).toString()).value_or(AmountStyle::International);
        cheque.amount.units = chequeAmount({query.value(5).toLongLong(), query.value(6).toInt()}, cheque.amount.style);
        cheque.status = statusFromWord(query.value(7).toString()).value_or(ChequeStatus::Printed);
        cheque.reportedBefore = query.value(9).toBool();
    }
    return cheques;
}

qint64 PositivePayRegister::reportsBegan(const QString &code) const
{
    // The account's first report: an account that takes up Positive Pay after years of cheques starts
    // with one file (of a range, say), not with every cheque it ever printed.
    QSqlQuery first = m_connection.run(
        QStringLiteral("SELECT min(h.Id) FROM History AS h JOIN Cheque AS c ON h.SubjectKey = CAST(c.Id AS TEXT) "
                       "WHERE h.Subject = 'cheque' AND h.Action = 'reported to the bank' AND c.BankID = ?"),
        {code});
    return m_connection.next(first) ? first.value(0).toLongLong() : 0;
}

QList<IssuedCheque> PositivePayRegister::sinceLast(const QString &account) const
{
    const QString code = BankAccounts(m_connection).storedCode(account);
    return select(sinceLastReport(), {code, reportsBegan(code)});
}

QList<IssuedCheque> PositivePayRegister::between(const QString &account, const QDate &from, const QDate &to) const
{
    // Dates are stored as YYYY-MM-DD: the range compares as text.
    return select(
        QStringLiteral("c.PrintDate BETWEEN ? AND ?"),
        {BankAccounts(m_connection).storedCode(account), from.toString(Qt::ISODate), to.toString(Qt::ISODate)});
}

QList<IssuedCheque> PositivePayRegister::unreported(const QString &account, qint64 fromWhole, const QDate &today) const
{
    // A row keeps the decimals it was written with: the threshold is in its smallest unit, row by row.
    QString perWhole = QStringLiteral("CASE c.Decimals");
    qint64 factor = 1;
    for (int decimals = 0; decimals <= 6; ++decimals, factor *= 10)
        perWhole += QStringLiteral(" WHEN %1 THEN %2").arg(decimals).arg(factor);
    perWhole += QStringLiteral(" ELSE 1 END");
    const QString code = BankAccounts(m_connection).storedCode(account);
    return select(QStringLiteral("c.Status = 'printed' AND c.PrintDate < ? AND %1 >= ? * %2 AND %3")
                      .arg(m_connection.dialect().amountUnits(QStringLiteral("c")), perWhole, sinceLastReport()),
                  {code, today.toString(Qt::ISODate), fromWhole, reportsBegan(code)});
}

void PositivePayRegister::markReported(const QList<qint64> &ids, const QList<qint64> &leftOut, const QString &fileName,
                                       const QString &sha256, const std::function<void()> &keep) const
{
    const QString reason
        = QCoreApplication::translate("PositivePayRegister", "in the file %1, SHA-256 %2").arg(fileName, sha256);
    const QString leftOutReason
        = QCoreApplication::translate("PositivePayRegister",
                                      "void, and the file %1 (SHA-256 %2) has no column to say so")
              .arg(fileName, sha256);
    m_connection.inTransaction([&] {
        const RegisterHistory history(m_connection);
        for (const qint64 id : ids)
            history.chequeChanged(id, kReported, history.chequeState(id), reason);
        for (const qint64 id : leftOut)
            history.chequeNoted(id, kLeftOut, leftOutReason);
        keep();
    });
}

} // namespace quillset
