#include "ChequeRegister.h"

#include "core/base/IsoDates.h"
#include "core/cheque/ChequeNumber.h"
#include "store/BankAccounts.h"
#include "store/Connection.h"
#include "store/Dialect.h"
#include "store/RegisterHistory.h"
#include "store/StoredAmount.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <functional>

namespace quillset {

namespace {

// The crossing a cheque printed with: its words (empty for the lines alone), or NULL when uncrossed.
QVariant crossingValue(const Cheque &cheque)
{
    return cheque.stamp ? QVariant(cheque.crossing.isNull() ? QStringLiteral("") : cheque.crossing)
                        : QVariant(QMetaType(QMetaType::QString));
}

QString now()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

QString selectedColumns(const Dialect &dialect)
{
    return QStringLiteral("c.Id, c.PrintDate, c.BankID, c.ChequeNo, c.Pay, %1, c.Status, c.Reason, c.Workstation, "
                          "c.Queue, c.JobId, c.ChangedAt, (c.Duplicate = 1 OR EXISTS (SELECT 1 FROM Cheque AS o WHERE "
                          "o.Duplicate = 1 AND o.BankID = c.BankID AND o.NumberKey = c.NumberKey)), a.AmountStyle, "
                          "a.CurrencyName, a.SubunitName, c.Decimals, a.SubunitFirst, a.CurrencySign, c.Crossing")
        .arg(dialect.amountUnits(QStringLiteral("c")));
}

RegisterEntry entryFromQuery(const QSqlQuery &query)
{
    RegisterEntry entry;
    entry.id = query.value(0).toLongLong();
    entry.date = query.value(1).toDate();
    entry.bankId = query.value(2).toString();
    entry.chequeNo = query.value(3).toString();
    entry.pay = query.value(4).toString();
    // Amounts are read in the account's money, with the decimals the row was written with.
    entry.money.style = amountStyleFromWord(query.value(13).toString()).value_or(AmountStyle::International);
    entry.money.currencyName = query.value(14).toString();
    entry.money.subunitName = query.value(15).toString();
    entry.money.subunitFirst = query.value(17).toInt() != 0;
    entry.money.currencySign = query.value(18).toString();
    entry.amount = chequeAmount({query.value(5).toLongLong(), query.value(16).toInt()}, entry.money);
    entry.status = statusFromWord(query.value(6).toString()).value_or(ChequeStatus::Printed);
    entry.reason = query.value(7).toString();
    entry.workstation = query.value(8).toString();
    entry.queue = query.value(9).toString();
    entry.jobId = query.value(10).toInt();
    entry.changedAt = query.value(11).toDateTime().toUTC();
    entry.repeated = query.value(12).toBool();
    if (const QVariant crossing = query.value(19); !crossing.isNull())
        entry.crossing = crossing.toString();
    return entry;
}

Failure numberTaken(const QString &number, const QString &account)
{
    return Failure(
        ErrorNumber::NumberTaken,
        QCoreApplication::translate("ChequeRegister",
                                    "Cheque number %1 is already in the register for the account \"%2\"; nothing was "
                                    "printed. Take the next number.")
            .arg(number, account));
}

} // namespace

ChequeRegister::ChequeRegister(const Connection &connection)
    : m_connection(connection)
{
}

QString ChequeRegister::storedCode(const QString &account) const
{
    return BankAccounts(m_connection).storedCode(account);
}

void ChequeRegister::refuseSecondReprint(qint64 id) const
{
    const std::optional<qint64> reprint = RegisterHistory(m_connection).reprintOf(id);
    if (!reprint)
        return;
    const auto numberOf = [&](qint64 row) {
        QSqlQuery found = m_connection.run(QStringLiteral("SELECT ChequeNo, BankID FROM Cheque WHERE Id = ?"), {row});
        return m_connection.next(found) ? std::make_pair(found.value(0).toString(), found.value(1).toString())
                                        : std::make_pair(QString(), QString());
    };
    const auto [original, account] = numberOf(id);
    const QString again = numberOf(*reprint).first;
    throw Failure(ErrorNumber::NotSettleable,
                  QCoreApplication::translate("ChequeRegister",
                                              "Cheque %1 of \"%2\" has been printed again already, as cheque %3. A "
                                              "cheque is printed again once: if cheque %3 is spoiled or void too, "
                                              "print that one again.")
                      .arg(original, account, again));
}

qint64 ChequeRegister::addPending(const Cheque &cheque, const QString &workstation, const BatchOrigin *batch,
                                  const PendingNotes &notes) const
{
    const QVariant none(QMetaType(QMetaType::QString));
    const QString account = storedCode(cheque.accountCode);
    const StoredAmount stored = storedAmount(cheque);
    // A damaged page anywhere in the register is found now, before the cheque prints, rather than by
    // the next report: the insert below reads only the pages at the table's end.
    m_connection.dialect().checkPages(m_connection, QStringLiteral("Cheque"));
    try {
        return m_connection.inTransaction([&] {
            if (notes.reprintOf != 0) {
                // Asked again under the history's lock: two workstations may reprint the same cheque.
                m_connection.dialect().lockHistory(m_connection);
                refuseSecondReprint(notes.reprintOf);
            }
            const qint64 id = m_connection.insert(
                QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Decimals, Pay, PrintDate, Status, "
                               "NumberKey, Workstation, ChangedAt, BatchName, BatchHash, BatchLine, Crossing) VALUES "
                               "(?, ?, ?, ?, ?, ?, 'pending', ?, ?, ?, ?, ?, ?, ?)"),
                {account, cheque.number, m_connection.dialect().amountValue(stored), stored.decimals, cheque.payee,
                 cheque.date.toString(Qt::ISODate), numberKey(cheque.number), workstation, now(),
                 batch ? QVariant(batch->name) : none, batch ? QVariant(QString::fromLatin1(batch->hash)) : none,
                 batch ? QVariant(batch->line) : QVariant(QMetaType(QMetaType::Int)), crossingValue(cheque)});
            notePayee(account, cheque.payee, id);
            const RegisterHistory history(m_connection);
            history.chequeChanged(id, statusWord(ChequeStatus::Pending), QString());
            // Names the other row of a reprint as the operator knows it, with its row to find it by.
            const auto reprintLink = [&](qint64 other) {
                QSqlQuery row
                    = m_connection.run(QStringLiteral("SELECT ChequeNo, BankID FROM Cheque WHERE Id = ?"), {other});
                if (!m_connection.next(row))
                    throw Failure(ErrorNumber::NotSettleable,
                                  QCoreApplication::translate(
                                      "ChequeRegister", "The cheque to print again is no longer in the register."));
                return QStringLiteral("cheque %1 of \"%2\" (row %3)")
                    .arg(row.value(0).toString(), row.value(1).toString(), QString::number(other));
            };
            if (!notes.overLimitReason.isEmpty())
                history.chequeNoted(id, QStringLiteral("over the limit"), notes.overLimitReason);
            if (notes.reprintOf != 0) {
                history.chequeNoted(id, QStringLiteral("reprint"), reprintLink(notes.reprintOf));
                history.chequeNoted(notes.reprintOf, QStringLiteral("reprinted"), reprintLink(id));
            }
            return id;
        });
    } catch (const Failure &) {
        // Another workstation may have taken the number since it was checked; the index says so.
        if (findNumber(account, cheque.number))
            throw numberTaken(cheque.number, account);
        throw;
    }
}

void ChequeRegister::changeRow(qint64 id, const QString &action, const QString &reason,
                               const std::function<void()> &change) const
{
    m_connection.inTransaction([&] {
        const RegisterHistory history(m_connection);
        const QString before = history.chequeState(id);
        change();
        history.chequeChanged(id, action, before, reason);
    });
}

void ChequeRegister::setJob(qint64 id, const QString &queue, int jobId) const
{
    changeRow(id, QStringLiteral("sent to the printer"), QString(), [&] {
        m_connection.run(QStringLiteral("UPDATE Cheque SET Queue = ?, JobId = ?, ChangedAt = ? WHERE Id = ?"),
                         {queue, jobId, now(), id});
    });
}

void ChequeRegister::changePending(qint64 id, ChequeStatus to, const QString &reason) const
{
    changeRow(id, statusWord(to), reason, [&] {
        const QSqlQuery update = m_connection.run(
            QStringLiteral("UPDATE Cheque SET Status = ?, Reason = ?, ChangedAt = ? WHERE Id = ? "
                           "AND Status = 'pending'"),
            {statusWord(to), reason.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(reason), now(), id});
        if (update.numRowsAffected() != 1)
            throw Failure(
                ErrorNumber::NotSettleable,
                QCoreApplication::translate("ChequeRegister",
                                            "That cheque is no longer pending; it may have been settled elsewhere."));
    });
}

void ChequeRegister::markPrinted(qint64 id) const
{
    changePending(id, ChequeStatus::Printed, QString());
}

void ChequeRegister::markSpoiled(qint64 id, const QString &reason) const
{
    changePending(id, ChequeStatus::Spoiled, reason);
}

void ChequeRegister::removeUnprinted(qint64 id) const
{
    // The row goes, so the number is free again; its history stays.
    changeRow(id, QStringLiteral("not printed"), QString(), [&] {
        const QSqlQuery remove
            = m_connection.run(QStringLiteral("DELETE FROM Cheque WHERE Id = ? AND Status = 'pending'"), {id});
        if (remove.numRowsAffected() != 1)
            throw Failure(
                ErrorNumber::NotSettleable,
                QCoreApplication::translate("ChequeRegister",
                                            "That cheque is no longer pending; it may have been settled elsewhere."));
    });
}

void ChequeRegister::markVoid(qint64 id, const QString &reason) const
{
    changeRow(id, statusWord(ChequeStatus::Void), reason, [&] {
        const QSqlQuery update = m_connection.run(
            QStringLiteral(
                "UPDATE Cheque SET Status = 'void', Reason = ?, ChangedAt = ? WHERE Id = ? AND Status = 'printed'"),
            {reason, now(), id});
        if (update.numRowsAffected() != 1)
            throw Failure(ErrorNumber::NotSettleable,
                          QCoreApplication::translate("ChequeRegister", "Only a printed cheque can be voided."));
    });
}

qint64 ChequeRegister::addSpoiledLeaf(const QString &account, const QString &number, const QDate &date,
                                      const QString &reason) const
{
    const QString stored = storedCode(account);
    if (findNumber(stored, number))
        throw numberTaken(number, stored);
    // Its nothing is written in the account's money, as every other row of the account.
    const std::optional<BankAccountRecord> owner = BankAccounts(m_connection).find(stored);
    const int decimals = owner ? owner->money.subunitDigits : 0;
    return m_connection.inTransaction([&] {
        const qint64 id = m_connection.insert(
            QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Decimals, Pay, PrintDate, Status, Reason, "
                           "NumberKey, ChangedAt) VALUES (?, ?, 0, ?, '', ?, 'spoiled', ?, ?, ?)"),
            {stored, number, decimals, date.toString(Qt::ISODate), reason, numberKey(number), now()});
        RegisterHistory(m_connection).chequeChanged(id, statusWord(ChequeStatus::Spoiled), QString(), reason);
        return id;
    });
}

QList<RegisterEntry> ChequeRegister::select(const QString &where, const QVariantList &values,
                                            const QString &order) const
{
    QSqlQuery query = m_connection.run(
        QStringLiteral("SELECT %1 FROM Cheque AS c LEFT JOIN BankAccount AS a ON a.BankID = c.BankID WHERE %2 "
                       "ORDER BY %3")
            .arg(selectedColumns(m_connection.dialect()), where, order),
        values);
    QList<RegisterEntry> entries;
    while (m_connection.next(query))
        entries.append(entryFromQuery(query));
    return entries;
}

std::optional<RegisterEntry> ChequeRegister::samePayment(const Cheque &cheque) const
{
    // Found by the date's index: a day of an account holds few cheques.
    const QList<RegisterEntry> sameDay = select(
        QStringLiteral("c.BankID = ? AND c.PrintDate = ? AND c.Pay = ? AND c.Status IN ('printed', 'pending')"),
        {storedCode(cheque.accountCode), cheque.date.toString(Qt::ISODate), cheque.payee}, QStringLiteral("c.Id"));
    for (const RegisterEntry &entry : sameDay) {
        if (entry.amount == cheque.amount.units && entry.money.subunitDigits == cheque.amount.style.subunitDigits)
            return entry;
    }
    return std::nullopt;
}

std::optional<RegisterEntry> ChequeRegister::findNumber(const QString &account, const QString &number) const
{
    const QString stored = storedCode(account);
    const QString key = numberKey(number);
    // Most numbers asked after are free (a batch asks for each of its cheques): the index alone
    // says so, without reading and joining a row.
    QSqlQuery taken = m_connection.run(
        QStringLiteral("SELECT 1 FROM Cheque WHERE BankID = ? AND NumberKey = ? AND Duplicate = 0"), {stored, key});
    if (!m_connection.next(taken))
        return std::nullopt;
    // Rows from before numbers were unique are marked; the first of them is the one that counts.
    const QList<RegisterEntry> found = select(QStringLiteral("c.BankID = ? AND c.NumberKey = ? AND c.Duplicate = 0"),
                                              {stored, key}, QStringLiteral("c.Id"));
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

std::optional<QString> ChequeRegister::highestNumber(const QString &account) const
{
    // A longer number of digits is a larger one; of equal lengths, the text orders as the value.
    QSqlQuery query = m_connection.run(
        QStringLiteral("SELECT ChequeNo FROM Cheque WHERE BankID = ? AND Duplicate = 0 AND %1 AND NumberKey <> '' "
                       "ORDER BY length(NumberKey) DESC, NumberKey DESC LIMIT 1")
            .arg(m_connection.dialect().digitsOnly(QStringLiteral("NumberKey"))),
        {storedCode(account)});
    if (!m_connection.next(query))
        return std::nullopt;
    return query.value(0).toString();
}

QList<RegisterEntry> ChequeRegister::rowsOf(const QString &code, int limit) const
{
    const QString account = storedCode(code);
    QList<RegisterEntry> rows
        = select(QStringLiteral("c.BankID = ? AND c.Id IN (SELECT Id FROM Cheque WHERE BankID = ? "
                                "ORDER BY Id DESC LIMIT ?)"),
                 {account, account, limit}, QStringLiteral("c.Id DESC"));
    const QList<RegisterEntry> pending
        = select(QStringLiteral("c.Status = 'pending' AND c.BankID = ?"), {account}, QStringLiteral("c.Id DESC"));
    for (const RegisterEntry &row : pending) {
        if (std::none_of(rows.begin(), rows.end(), [&](const RegisterEntry &shown) { return shown.id == row.id; }))
            rows.append(row);
    }
    std::sort(rows.begin(), rows.end(), [](const RegisterEntry &a, const RegisterEntry &b) { return a.id > b.id; });
    return rows;
}

PendingCheques ChequeRegister::pending(const QString &workstation) const
{
    PendingCheques pending;
    pending.own = select(QStringLiteral("c.Status = 'pending' AND (c.Workstation = ? OR c.Workstation IS NULL OR "
                                        "c.Workstation = '')"),
                         {workstation}, QStringLiteral("c.Id"));
    QSqlQuery query = m_connection.run(QStringLiteral("SELECT count(*) FROM Cheque WHERE Status = 'pending' AND "
                                                      "Workstation <> ? AND Workstation <> ''"),
                                       {workstation});
    pending.elsewhere = m_connection.next(query) ? query.value(0).toInt() : 0;
    return pending;
}

QList<RegisterEntry> ChequeRegister::between(const QDate &from, const QDate &to, const QString &account) const
{
    QList<RegisterEntry> entries;
    eachBetween(from, to, account, [&](const RegisterEntry &entry) { entries.append(entry); });
    return entries;
}

qsizetype ChequeRegister::eachBetween(const QDate &from, const QDate &to, const QString &account,
                                      const std::function<void(const RegisterEntry &)> &take) const
{
    // A month of a large register is tens of thousands of rows: only what a report shows is read,
    // and each account's money and the few repeated numbers once, not for every row.
    QHash<QString, MoneyStyle> money;
    QSqlQuery accounts = m_connection.run(QStringLiteral(
        "SELECT BankID, AmountStyle, CurrencyName, SubunitName, SubunitFirst, CurrencySign FROM BankAccount"));
    while (m_connection.next(accounts)) {
        MoneyStyle &style = money[accounts.value(0).toString()];
        style.style = amountStyleFromWord(accounts.value(1).toString()).value_or(AmountStyle::International);
        style.currencyName = accounts.value(2).toString();
        style.subunitName = accounts.value(3).toString();
        style.subunitFirst = accounts.value(4).toInt() != 0;
        style.currencySign = accounts.value(5).toString();
    }
    QSet<std::pair<QString, QString>> repeated;
    QSqlQuery duplicates = m_connection.run(QStringLiteral("SELECT BankID, NumberKey FROM Cheque WHERE Duplicate = 1"));
    while (m_connection.next(duplicates))
        repeated.insert({duplicates.value(0).toString(), duplicates.value(1).toString()});

    // Dates are stored as YYYY-MM-DD, so the range compares as text and uses the PrintDate index.
    QVariantList values = {from.toString(Qt::ISODate), to.toString(Qt::ISODate)};
    if (!account.isEmpty())
        values.append(storedCode(account));
    // Most registers hold no repeated number at all; then no row needs the columns that tell one.
    const bool anyRepeated = !repeated.isEmpty();
    const std::unique_ptr<RowCursor> rows = m_connection.rows(
        QStringLiteral("SELECT c.PrintDate, c.BankID, c.ChequeNo, c.Pay, %1, c.Decimals, c.Status, c.Reason%2 FROM "
                       "Cheque AS c WHERE c.PrintDate BETWEEN ? AND ?%3 ORDER BY c.PrintDate, length(c.NumberKey), "
                       "c.NumberKey, c.Id")
            .arg(m_connection.dialect().amountUnits(QStringLiteral("c")),
                 anyRepeated ? QStringLiteral(", c.Duplicate, c.NumberKey") : QString(),
                 account.isEmpty() ? QString() : QStringLiteral(" AND c.BankID = ?")),
        values);
    qsizetype count = 0;
    RegisterEntry entry;
    while (rows->next()) {
        entry.date = isoDateIn(rows->value(0));
        entry.bankId = rows->text(1);
        entry.chequeNo = rows->text(2);
        entry.pay = rows->text(3);
        entry.money = money.value(entry.bankId);
        entry.amount = chequeAmount({rows->number(4), int(rows->number(5))}, entry.money);
        entry.status = statusFromWord(rows->text(6)).value_or(ChequeStatus::Printed);
        entry.reason = rows->text(7);
        entry.repeated = anyRepeated && (rows->number(8) == 1 || repeated.contains({entry.bankId, rows->text(9)}));
        take(entry);
        ++count;
    }
    return count;
}

void ChequeRegister::record(const Cheque &cheque) const
{
    const QString account = storedCode(cheque.accountCode);
    const StoredAmount stored = storedAmount(cheque);
    m_connection.inTransaction([&] {
        const qint64 id = m_connection.insert(
            QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Decimals, Pay, PrintDate, NumberKey, "
                           "ChangedAt, Crossing) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {account, cheque.number, m_connection.dialect().amountValue(stored), stored.decimals, cheque.payee,
             cheque.date.toString(Qt::ISODate), numberKey(cheque.number), now(), crossingValue(cheque)});
        notePayee(account, cheque.payee, id);
        RegisterHistory(m_connection).chequeChanged(id, QStringLiteral("recorded"), QString());
    });
}

void ChequeRegister::notePayee(const QString &account, const QString &payee, qint64 id) const
{
    if (payee.isEmpty())
        return;
    m_connection.run(QStringLiteral("INSERT INTO PayeeUse (BankID, Pay, LastId) VALUES (?, ?, ?) ON CONFLICT "
                                    "(BankID, Pay) DO UPDATE SET LastId = excluded.LastId"),
                     {account, payee, id});
}

QMap<int, BatchRowState> ChequeRegister::batchRows(const QByteArray &hash) const
{
    QSqlQuery query = m_connection.run(
        QStringLiteral("SELECT BatchLine, Status, BankID, ChequeNo, Id FROM Cheque WHERE BatchHash = ? ORDER BY Id"),
        {QString::fromLatin1(hash)});
    QMap<int, BatchRowState> rows;
    QMap<int, qint64> settled; // lines whose leaf was spoiled or voided: were they printed again?
    while (m_connection.next(query)) {
        const ChequeStatus status = statusFromWord(query.value(1).toString()).value_or(ChequeStatus::Printed);
        rows.insert(query.value(0).toInt(), {status, query.value(2).toString(), query.value(3).toString()});
        if (status == ChequeStatus::Spoiled || status == ChequeStatus::Void)
            settled.insert(query.value(0).toInt(), query.value(4).toLongLong());
    }
    const RegisterHistory history(m_connection);
    for (auto it = settled.cbegin(); it != settled.cend(); ++it)
        rows[it.key()].printedAgain = history.reprintOf(it.value()).has_value();
    return rows;
}

QStringList ChequeRegister::payeeSuggestions(const QString &code, int limit) const
{
    // This account's payees first, then those of the others, each group the most recently written
    // first. Two statements: this account's come straight off the table's key, where grouping every
    // payee of every account took tens of milliseconds on a large register.
    const QString account = storedCode(code);
    QStringList payees;
    QSet<QString> offered;
    QSqlQuery own = m_connection.run(
        QStringLiteral("SELECT Pay FROM PayeeUse WHERE BankID = ? ORDER BY LastId DESC LIMIT ?"), {account, limit});
    while (m_connection.next(own)) {
        payees.append(own.value(0).toString());
        offered.insert(payees.constLast());
    }
    if (payees.size() >= limit)
        return payees;
    QSqlQuery others = m_connection.run(
        QStringLiteral("SELECT Pay FROM PayeeUse WHERE BankID <> ? GROUP BY Pay ORDER BY max(LastId) DESC"), {account});
    while (payees.size() < limit && m_connection.next(others)) {
        const QString payee = others.value(0).toString();
        if (!offered.contains(payee))
            payees.append(payee);
    }
    return payees;
}

} // namespace quillset
