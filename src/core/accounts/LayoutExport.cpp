#include "LayoutExport.h"

#include "core/banks/LayoutFile.h"
#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "store/Store.h"

#include <QCoreApplication>

namespace quillset {

void exportLayout(const Store &store, const QString &account, const QString &path)
{
    const std::optional<BankAccountRecord> record = store.accounts().find(account);
    if (!record)
        throw Failure(ErrorNumber::AccountMissing,
                      QCoreApplication::translate("LayoutExport", "There is no bank account \"%1\".").arg(account));
    writeFile(path, FileKind::Layout, layoutDocument(*record), store.databaseFile());
}

QString importLayout(const Store &store, const QString &path, const QString &account)
{
    const QByteArray document
        = readFile(path, kLargestLayoutFile, QCoreApplication::translate("LayoutExport", "The layout file"));
    if (const std::optional<BankAccountRecord> existing = store.accounts().find(account)) {
        store.accounts().update(*existing, withLayout(*existing, document));
        return QCoreApplication::translate("LayoutExport", "The account \"%1\" now has the layout of \"%2\".")
            .arg(existing->bankId, path);
    }
    // A new code is written as the bank window writes one: in capitals.
    BankAccountRecord created;
    created.bankId = accountCodeCapitals(account);
    store.accounts().insert(withLayout(created, document));
    return QCoreApplication::translate(
               "LayoutExport",
               "Made the account \"%1\" with the layout of \"%2\"; it has no bank details (bank name, "
               "account number) yet.")
        .arg(created.bankId, path);
}

} // namespace quillset
