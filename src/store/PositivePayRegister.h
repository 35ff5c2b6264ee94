#pragma once

#include "core/cheque/Cheque.h"
#include "core/words/MoneyStyle.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <functional>

namespace quillset {

class Connection;

/// A cheque the bank is told of: its register row and what the file reports of it.
struct IssuedCheque
{
    qint64 id = 0;
    QString bankId;
    QString chequeNo;
    QDate date;
    QString payee;
    Money amount;
    ChequeStatus status = ChequeStatus::Printed;
    bool reportedBefore = false; ///< it went to the bank in an earlier file

    bool operator==(const IssuedCheque &) const = default;
};

/// What the register knows of the cheques an account has reported to its bank. A cheque is
/// reported by an entry "reported to the bank" in its history; one printed or voided after its last
/// report is to be reported again. Every call throws Failure when the database fails.
class PositivePayRegister
{
public:
    explicit PositivePayRegister(const Connection &connection);

    /// The account's cheques printed or voided since their last report (never reported included),
    /// by date and number. A cheque reported as printed and voided since comes again, as void. Once
    /// the account has reported any cheque, those printed or voided before its first report are left
    /// out: its reports begin with its first file.
    QList<IssuedCheque> sinceLast(const QString &account) const;
    /// The account's printed and voided cheques dated from `from` to `to`, both included.
    QList<IssuedCheque> between(const QString &account, const QDate &from, const QDate &to) const;
    /// The account's printed cheques of `fromWhole` whole units or more, dated before `today`, that
    /// were never reported since they printed (and printed after the account's reports began).
    QList<IssuedCheque> unreported(const QString &account, qint64 fromWhole, const QDate &today) const;
    /// Records each cheque as reported in the file (its name and the SHA-256 of its bytes, in hex),
    /// and then runs `keep` (which writes the file) in the same transaction: when it throws, no
    /// cheque is marked.
    /// The `leftOut` cheques, void ones the file cannot call void, are recorded as left out of it
    /// instead: they are not reported again while they stay as they are.
    void markReported(const QList<qint64> &ids, const QList<qint64> &leftOut, const QString &fileName,
                      const QString &sha256, const std::function<void()> &keep) const;

private:
    /// The history entry of the account's first report; 0 before any.
    qint64 reportsBegan(const QString &code) const;
    QList<IssuedCheque> select(const QString &condition, const QVariantList &values) const;

    const Connection &m_connection;
};

} // namespace quillset
