// What upgrading a register of a million cheques from the first release's schema costs: the whole
// upgrade (backup, every step, the notes of amounts rounded), with its progress as the program shows
// it. Every step must stay linear: 200,000 rows once took 76 minutes.
#include "core/base/Failure.h"
#include "store/DataSource.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

using namespace quillset;

namespace {

constexpr int kRows = 1000000;

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Records.mdb"));
    if (!QFile::copy(QStringLiteral(QUILLSET_FIRST_RELEASE_FIXTURE), path)
        || !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner)) {
        std::fprintf(stderr, "could not copy %s\n", QUILLSET_FIRST_RELEASE_FIXTURE);
        return 1;
    }
    {
        // Three accounts of whole rupees, amounts in quarter rupees, and a number used twice in every
        // 50,000: what an office of the first release could have written.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("writer"));
        db.setDatabaseName(path);
        QSqlQuery fill(db);
        if (!db.open()
            || !fill.exec(
                QStringLiteral(
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) INSERT INTO Cheque "
                    "(BankID, ChequeNo, Amount, Pay, PrintDate) SELECT CASE i % 3 WHEN 0 THEN 'ACC1' WHEN 1 THEN "
                    "'HDFC01' ELSE 'SBI-2' END, CAST(1000000 + CASE WHEN i % 50000 = 0 THEN i - 3 ELSE i END AS TEXT), "
                    "i * "
                    "0.25, 'Payee ' || (i % 997), date('2020-01-01', '+' || (i % 2500) || ' days') FROM n")
                    .arg(kRows))) {
            std::fprintf(stderr, "could not fill the register: %s\n", qUtf8Printable(fill.lastError().text()));
            return 1;
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("writer"));

    QElapsedTimer clock;
    StoreOptions options;
    int shown = -1;
    options.upgradeProgress = [&](int done, int total) {
        const int tenth = total > 0 ? done * 10 / total : 10;
        if (tenth != shown)
            std::printf("%3d%% after %6.1f s\n", tenth * 10, static_cast<double>(clock.elapsed()) / 1000.0);
        shown = tenth;
    };
    clock.start();
    try {
        const std::unique_ptr<Store> store = Store::OpenDatabase(path, OdbcInstaller::none(), options);
        std::printf("%d rows upgraded from version 0 in %.1f s; %lld amounts rounded and noted\n", kRows,
                    static_cast<double>(clock.elapsed()) / 1000.0,
                    static_cast<long long>(store->upgradeNotes().size()));
    } catch (const Failure &failure) {
        std::fprintf(stderr, "the upgrade failed: %s\n", failure.what());
        return 1;
    }
    return 0;
}
