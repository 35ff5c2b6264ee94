#include "PositivePayExport.h"

#include "core/banks/BankAccount.h"
#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "store/Connection.h"
#include "store/PositivePayRegister.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>

#include <algorithm>

namespace quillset {

namespace {

// The listing of the warning names a few cheques; the count says how many more.
constexpr int kNamed = 5;

} // namespace

PositivePayLayout accountPositivePayLayout(const BankAccountRecord &account)
{
    if (account.positivePayLayout.trimmed().isEmpty())
        throw Failure(ErrorNumber::EntryInvalid,
                      QCoreApplication::translate(
                          "PositivePayExport",
                          "The account \"%1\" has no Positive Pay layout. Choose one in the bank window with "
                          "\"Positive Pay...\" (it can load a layout file such as the examples).")
                          .arg(account.bankId),
                      QCoreApplication::translate(
                          "PositivePayExport",
                          "the account \"%1\" has no Positive Pay layout. Set one in the bank window with "
                          "\"Positive Pay...\", or import a leaf layout file with a \"positivePay\" block: "
                          "quillset --import-layout FILE --account %1.")
                          .arg(account.bankId));
    const PositivePayLayoutReading reading = readPositivePayLayout(account.positivePayLayout.toUtf8());
    if (!reading.layout)
        throw Failure(ErrorNumber::EntryInvalid,
                      QCoreApplication::translate(
                          "PositivePayExport",
                          "The Positive Pay layout of the account \"%1\" cannot be used: %2 Correct it in the bank "
                          "window with \"Positive Pay...\".")
                          .arg(account.bankId, reading.problems.join(u' ')));
    return *reading.layout;
}

PositivePayWritten exportPositivePay(const Store &store, const QString &code, const PositivePaySelection &selection,
                                     const QString &path)
{
    const std::optional<BankAccountRecord> account = store.accounts().find(code);
    if (!account)
        throw Failure(ErrorNumber::AccountMissing,
                      QCoreApplication::translate("PositivePayExport", "There is no bank account with the code \"%1\".")
                          .arg(code));
    const PositivePayLayout layout = accountPositivePayLayout(*account);
    if (const QString problem = writeTargetProblem(path, FileKind::Csv, store.databaseFile()); !problem.isEmpty())
        throw Failure(ErrorNumber::FileWrite, problem);
    if (!selection.sinceLast && selection.from > selection.to)
        throw Failure(ErrorNumber::EntryInvalid,
                      QCoreApplication::translate("PositivePayExport", "The first date, %1, is after the last, %2.")
                          .arg(selection.from.toString(QStringLiteral("dd-MM-yyyy")),
                               selection.to.toString(QStringLiteral("dd-MM-yyyy"))));

    const PositivePayRegister reports(store.SharedConnection());
    const QList<IssuedCheque> issued = selection.sinceLast
        ? reports.sinceLast(account->bankId)
        : reports.between(account->bankId, selection.from, selection.to);
    const bool saysVoid = std::any_of(layout.columns.cbegin(), layout.columns.cend(),
                                      [](const auto &column) { return column.field == PositivePayField::Status; });
    const bool namesAccount = std::any_of(layout.columns.cbegin(), layout.columns.cend(), [](const auto &column) {
        return column.field == PositivePayField::AccountNumber;
    });
    // A bank refuses a file without its account number, or worse, files the cheques under none.
    if (namesAccount && account->accountNo.trimmed().isEmpty())
        throw Failure(ErrorNumber::EntryInvalid,
                      QCoreApplication::translate("PositivePayExport",
                                                  "The account \"%1\" has no account number, and its Positive Pay "
                                                  "layout has a column for it: the bank would not know the "
                                                  "cheques. Type the account number in the bank window first.")
                          .arg(account->bankId));
    PositivePayWritten written;
    QList<PositivePayCheque> cheques;
    QList<qint64> ids;
    QList<qint64> leftOut;
    for (const IssuedCheque &cheque : issued) {
        const bool isVoid = cheque.status == ChequeStatus::Void;
        // A void cheque in a file that cannot call it void would tell the bank to pay it.
        if (isVoid && !saysVoid) {
            leftOut.append(cheque.id);
            written.leftOut.append(cheque.chequeNo);
            if (cheque.reportedBefore)
                written.toStop.append(cheque.chequeNo);
            continue;
        }
        cheques.append(
            {cheque.id, account->accountNo, cheque.chequeNo, cheque.date, cheque.amount, cheque.payee, isVoid});
        ids.append(cheque.id);
    }
    const QByteArray bytes = positivePayFile(layout, cheques);
    written.cheques = static_cast<int>(cheques.size());
    written.sha256 = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    reports.markReported(ids, leftOut, QFileInfo(path).fileName(), written.sha256,
                         [&] { writeFile(path, FileKind::Csv, bytes, store.databaseFile()); });
    return written;
}

QString positivePayLeftOutNote(const PositivePayWritten &written)
{
    if (written.leftOut.isEmpty())
        return QString();
    QString note = QCoreApplication::translate("PositivePayExport",
                                               "Void cheque(s) %1 are not in the file: its layout has no Status "
                                               "column to say a cheque is void.")
                       .arg(written.leftOut.join(QStringLiteral(", ")));
    if (!written.toStop.isEmpty())
        note += u' '
            + QCoreApplication::translate("PositivePayExport",
                                          "Cheque(s) %1 went to the bank as issued in an earlier file: ask the bank "
                                          "to stop them.")
                  .arg(written.toStop.join(QStringLiteral(", ")));
    return note;
}

QString positivePayWarning(const Store &store, const BankAccountRecord &account, const QDate &today)
{
    if (!account.limits.positivePayFrom)
        return QString();
    const QList<IssuedCheque> late = PositivePayRegister(store.SharedConnection())
                                         .unreported(account.bankId, *account.limits.positivePayFrom, today);
    if (late.isEmpty())
        return QString();
    QStringList named;
    for (qsizetype i = 0; i < late.size() && i < kNamed; ++i)
        named << QCoreApplication::translate("PositivePayExport", "%1 of %2")
                     .arg(late.at(i).chequeNo, late.at(i).date.toString(QStringLiteral("dd-MM-yyyy")));
    if (late.size() > kNamed)
        named << QCoreApplication::translate("PositivePayExport", "%1 more").arg(late.size() - kNamed);
    MoneyStyle whole = account.money;
    whole.subunitDigits = 0;
    return QCoreApplication::translate(
               "PositivePayExport",
               "%1 cheque(s) of the account \"%2\" at or above the Positive Pay threshold of %3, dated before "
               "today, have not been reported to the bank: %4. Export the Positive Pay file before the bank is "
               "presented with them.")
        .arg(QString::number(late.size()), account.bankId,
             positivePayAmountText({*account.limits.positivePayFrom, whole}, PositivePayAmount::Grouped),
             named.join(QStringLiteral(", ")));
}

} // namespace quillset
