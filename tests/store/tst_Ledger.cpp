#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/base/Failure.h"
#include "core/report/ChequeRegister.h"
#include "store/Backends.h"
#include "store/Connection.h"
#include "store/DataSource.h"
#include "store/Schema.h"
#include "store/Store.h"
#include "store/StoredAmount.h"

#include <QCoreApplication>
#include <QRandomGenerator>

using namespace quillset;
using namespace quillset::test;

// The register read as an accountant's ledger, straight through SQL: amounts add up exactly, dates
// are dates, and the database itself refuses a row that breaks a key, whoever writes it.
class TestLedger : public QObject
{
    Q_OBJECT

private slots:
    void sumsOfAmountsAreExact();
    void databaseRefusesWhatBreaksTheLedger_data();
    void databaseRefusesWhatBreaksTheLedger();
    void upgradeKeepsAmountsExactlyAndSaysWhatItRounded_data();
    void upgradeKeepsAmountsExactlyAndSaysWhatItRounded();
};

void TestLedger::sumsOfAmountsAreExact()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    db.exec(QStringLiteral("UPDATE BankAccount SET SubunitDigits = 2 WHERE BankID = 'ACC1'"));
    const MoneyStyle money = db.store().accounts().find(QStringLiteral("ACC1"))->money;
    const Connection &connection = db.store().SharedConnection();
    // 0.10 and 0.20 first: as binary fractions their sum is not 0.30.
    QList<qint64> amounts = {10, 20};
    QRandomGenerator random(27);
    while (amounts.size() < 3000)
        amounts.append(random.bounded(Q_INT64_C(1), Q_INT64_C(10000000000)));
    qint64 total = 0;
    connection.inTransaction([&] {
        for (qsizetype i = 0; i < amounts.size(); ++i) {
            total += amounts.at(i);
            db.store().cheques().record({QStringLiteral("ACC1"), QString::number(i + 1), QStringLiteral("Payee"),
                                         QDate(2026, 12, 1), Money {amounts.at(i), money}});
        }
    });
    const Dialect &dialect = connection.dialect();
    QVERIFY(db.scalar(QStringLiteral("SELECT sum(Amount) = ? FROM Cheque WHERE ChequeNo IN ('1', '2')"),
                      {dialect.amountValue({30, 2})})
                .toBool());
    QVERIFY(
        db.scalar(QStringLiteral("SELECT sum(Amount) = ? FROM Cheque"), {dialect.amountValue({total, 2})}).toBool());
    qint64 readBack = 0;
    for (const RegisterEntry &entry : db.store().cheques().between(QDate(2026, 12, 1), QDate(2026, 12, 1)))
        readBack += entry.amount;
    QCOMPARE(readBack, total);
    if (db.backend() == Backend::Sqlite)
        QCOMPARE(db.scalar(QStringLiteral("SELECT Amount FROM ChequeLedger WHERE ChequeNo = '1'")).toString(),
                 QStringLiteral("0.10"));
    // A spoiled leaf's nothing is in the account's money too: the report writes it 0.00, as it always did.
    db.store().cheques().addSpoiledLeaf(QStringLiteral("ACC1"), QStringLiteral("9999"), QDate(2026, 12, 2),
                                        QStringLiteral("torn"));
    QVERIFY2(registerCsv(db.store().cheques().between(QDate(2026, 12, 2), QDate(2026, 12, 2)))
                 .contains(QStringLiteral(",0.00,spoiled,torn")),
             qPrintable(registerCsv(db.store().cheques().between(QDate(2026, 12, 2), QDate(2026, 12, 2)))));
}

void TestLedger::databaseRefusesWhatBreaksTheLedger_data()
{
    QTest::addColumn<QString>("sql");
    const QString cheque = QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate%1) VALUES "
                                          "(%2, 'Payee', '2026-12-01'%3)");
    QTest::newRow("impossible date") << QStringLiteral(
        "INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES ('ACC1', '950', 1, 'P', '2026-02-30')");
    QTest::newRow("book received on an impossible date")
        << QStringLiteral("INSERT INTO ChequeBook (BankID, FirstLeaf, LastLeaf, Received) VALUES ('ACC1', '1', "
                          "'50', '2026-02-29')");
    QTest::newRow("amount that is no number")
        << cheque.arg(QString(), QStringLiteral("'ACC1', '950', 'NaN'"), QString());
    QTest::newRow("amount finer than the account's money")
        << cheque.arg(QString(), QStringLiteral("'ACC1', '950', 1.5"), QString());
    QTest::newRow("cheque of an unknown account")
        << cheque.arg(QString(), QStringLiteral("'NOPE', '950', 1"), QString());
    QTest::newRow("cheque of the account in other capitals")
        << cheque.arg(QString(), QStringLiteral("'acc1', '950', 1"), QString());
    QTest::newRow("book of an unknown account")
        << QStringLiteral("INSERT INTO ChequeBook (BankID, FirstLeaf, LastLeaf, Received) VALUES ('NOPE', '1', "
                          "'50', '2026-12-01')");
    QTest::newRow("account code again in small letters")
        << QStringLiteral("INSERT INTO BankAccount (BankID, BankName) VALUES ('acc1', 'Again')");
    QTest::newRow("number taken, written with its own key")
        << cheque.arg(QStringLiteral(", NumberKey"), QStringLiteral("'ACC1', '0901', 1"), QStringLiteral(", 'x'"));
    QTest::newRow("number moved onto a taken one")
        << QStringLiteral("UPDATE Cheque SET ChequeNo = '901 ' WHERE ChequeNo = '902'");
    QTest::newRow("written as a repeat") << cheque.arg(QStringLiteral(", Duplicate"),
                                                       QStringLiteral("'ACC1', '901', 1"), QStringLiteral(", 1"));
    QTest::newRow("marked a repeat afterwards")
        << QStringLiteral("UPDATE Cheque SET Duplicate = 1 WHERE ChequeNo = '902'");
}

// Each write is what another program could do through the data source or psql; the database itself
// refuses it, and the register is as it was.
void TestLedger::databaseRefusesWhatBreaksTheLedger()
{
    QFETCH(QString, sql);
    TestDatabase db;
    QVERIFY(db.isReady());
    db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES ('ACC1', '901', 1, "
                           "'P', '2026-12-01'), ('ACC1', '902', 2, 'P', '2026-12-01')"));
    const auto register_ = [&db]() -> QString {
        return db.joined(QStringLiteral("SELECT BankID || ChequeNo || NumberKey || Duplicate FROM Cheque ORDER BY Id"))
            + db.joined(QStringLiteral("SELECT BankID FROM BankAccount UNION ALL SELECT BankID FROM ChequeBook"));
    };
    const QString before = register_();
    QVERIFY_THROWS_EXCEPTION(Failure, db.store().SharedConnection().run(sql));
    QCOMPARE(register_(), before);
}

void TestLedger::upgradeKeepsAmountsExactlyAndSaysWhatItRounded_data()
{
    QTest::addColumn<int>("decimals"); // the account's
    QTest::addColumn<QString>("stored"); // the amount as the release before kept it: binary floating point
    QTest::addColumn<qint64>("units");
    QTest::addColumn<bool>("rounded");
    QTest::newRow("paise") << 2 << "0.29" << Q_INT64_C(29) << false;
    QTest::newRow("a tenth") << 2 << "0.1" << Q_INT64_C(10) << false;
    QTest::newRow("crores and paise") << 2 << "123456789.99" << Q_INT64_C(12345678999) << false;
    QTest::newRow("fils") << 3 << "2.345" << Q_INT64_C(2345) << false;
    QTest::newRow("half a paisa") << 2 << "1500.125" << Q_INT64_C(150013) << true;
    QTest::newRow("half a rupee on whole rupees") << 0 << "1500.5" << Q_INT64_C(1501) << true;
}

// A register of the release before, its amounts in binary floating point, upgraded: each becomes the
// amount the register always showed for it, exactly; one finer than its account's money is rounded
// as it was shown, and said so.
void TestLedger::upgradeKeepsAmountsExactlyAndSaysWhatItRounded()
{
    QFETCH(int, decimals);
    QFETCH(QString, stored);
    QFETCH(qint64, units);
    QFETCH(bool, rounded);
    QTemporaryDir folder;
    std::unique_ptr<ServerDatabase> server;
    if (chosenBackend() == Backend::Postgres)
        server = std::make_unique<ServerDatabase>();
    const QString location = server ? server->location() : folder.filePath(QStringLiteral("Records.mdb"));
    try {
        std::unique_ptr<Dialect> dialect = dialectFor(location);
        dialect->createEmpty();
        const Connection older(std::move(dialect));
        createSchema(older, true, 8);
        older.run(QStringLiteral("UPDATE BankAccount SET SubunitDigits = ? WHERE BankID = 'ACC1'"), {decimals});
        older.run(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, NumberKey) VALUES "
                                 "('ACC1', '500', %1, 'Payee', '2026-12-01', '500')")
                      .arg(stored));
    } catch (const Failure &failure) {
        QFAIL(failure.what());
    }
    const std::unique_ptr<Store> store = Store::OpenDatabase(location, OdbcInstaller::none());
    const std::optional<RegisterEntry> entry
        = store->cheques().findNumber(QStringLiteral("ACC1"), QStringLiteral("500"));
    QVERIFY(entry);
    QCOMPARE(entry->amount, units);
    QCOMPARE(entry->money.subunitDigits, decimals);
    QVERIFY(scalar(*store, QStringLiteral("SELECT Amount = ? FROM Cheque"),
                   {store->SharedConnection().dialect().amountValue({units, decimals})})
                .toBool());
    QCOMPARE(store->upgradeNotes().size(), rounded ? 1 : 0);
    if (rounded) {
        QVERIFY2(store->upgradeNotes().first().contains(QStringLiteral("Cheque 500 of \"ACC1\": the amount ") + stored),
                 qUtf8Printable(store->upgradeNotes().first()));
        QVERIFY(upgradeNotesSummary(store->upgradeNotes()).contains(QLatin1String("UpgradeNote")));
    }
}

QUILLSET_TEST_MAIN(TestLedger, QCoreApplication)

#include "tst_Ledger.moc"
