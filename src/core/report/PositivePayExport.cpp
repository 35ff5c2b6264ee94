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
    QList<PositivePayCheque> cheques;
    QList<qint64> ids;
    for (const IssuedCheque &cheque : issued) {
        cheques.append({cheque.id, account->accountNo, cheque.chequeNo, cheque.date, cheque.amount, cheque.payee,
                        cheque.status == ChequeStatus::Void});
        ids.append(cheque.id);
    }
    const QByteArray bytes = positivePayFile(layout, cheques);
    PositivePayWritten written;
    written.cheques = static_cast<int>(cheques.size());
    written.sha256 = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    reports.markReported(ids, QFileInfo(path).fileName(), written.sha256,
                         [&] { writeFile(path, FileKind::Csv, bytes, store.databaseFile()); });
    return written;
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
               "%1 cheque(s) of the account \"%2\" at or above the Positive Pay threshold of %3, printed before "
               "today, have not been reported to the bank: %4. Export the Positive Pay file before the bank is "
               "presented with them.")
        .arg(QString::number(late.size()), account.bankId,
             positivePayAmountText({*account.limits.positivePayFrom, whole}, PositivePayAmount::Grouped),
             named.join(QStringLiteral(", ")));
}

} // namespace quillset
