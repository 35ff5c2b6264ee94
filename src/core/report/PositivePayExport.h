#pragma once

#include "core/positivepay/PositivePayLayout.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace quillset {

class Store;
struct BankAccountRecord;

/// Which cheques go into a file: those since the last report, or those dated in a range.
struct PositivePaySelection
{
    bool sinceLast = true;
    QDate from;
    QDate to;
};

/// What was written: how many cheques, and the SHA-256 of the file in hex.
struct PositivePayWritten
{
    int cheques = 0;
    QString sha256;
    /// Void cheques left out because the layout cannot call a cheque void, by number.
    QStringList leftOut;
    /// Those of them that went to the bank as issued in an earlier file: the bank must be told.
    QStringList toStop;
};

/// What to tell the operator of the void cheques a file left out; empty when it left out none.
QString positivePayLeftOutNote(const PositivePayWritten &written);

/// The account's Positive Pay layout. Throws Failure in plain words, saying where to set one, when
/// the account has none or the one it has is refused.
PositivePayLayout accountPositivePayLayout(const BankAccountRecord &account);

/// Writes the account's Positive Pay file at the path and records each cheque in it as reported to
/// the bank, all or nothing: the file is only put in place with the records, and the records only
/// kept with the file. Throws Failure in plain words.
PositivePayWritten exportPositivePay(const Store &store, const QString &account, const PositivePaySelection &selection,
                                     const QString &path);

/// The warning to give before a cheque of the account prints when cheques of its Positive Pay
/// threshold or more, of a day before `today`, are not yet reported; empty when there are none or
/// the account has no threshold.
QString positivePayWarning(const Store &store, const BankAccountRecord &account, const QDate &today);

} // namespace quillset
