#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/base/Failure.h"
#include "store/Backends.h"
#include "store/DataSource.h"
#include "store/Schema.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>

using namespace quillset;
using namespace quillset::test;

// A database made by an earlier release opens, is upgraded and keeps every row; one it cannot
// upgrade, or one from a later release, is left exactly as it was.
class TestSchema : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void upgradesTheFirstReleaseKeepingEveryRow();
    void upgradesEveryReleaseKeepingEveryRow_data();
    void upgradesEveryReleaseKeepingEveryRow();
    void aHistoryWrittenBeforeCrossingsStillVouches();
    void newDatabaseIsTheUpgradedOne();
    void upgradeKeysEachLeafHoweverItWasTyped();
    void upgradesALargeRegisterWithinAMinute();
    void refusesWithoutTouchingIt_data();
    void refusesWithoutTouchingIt();
    void stepsAreNumberedInOrder_data();
    void stepsAreNumberedInOrder();

private:
    static QByteArray fingerprint(const QString &path);
    // The rows of a table, read straight from the file with a connection of the test's own.
    static QStringList rows(const QString &path, const QString &sql);

    std::unique_ptr<TestDatabase> m_scratch;
};

void TestSchema::init()
{
    m_scratch = std::make_unique<TestDatabase>();
    QVERIFY(m_scratch->isReady());
}

QByteArray TestSchema::fingerprint(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                                          : QByteArray();
}

QStringList TestSchema::rows(const QString &path, const QString &sql)
{
    QStringList found;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            query.exec(sql);
            while (query.next()) {
                QStringList values;
                for (int i = 0; query.value(i).isValid(); ++i)
                    values.append(query.value(i).toString());
                found.append(values.join(u'|'));
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("reader"));
    return found;
}

void TestSchema::upgradesTheFirstReleaseKeepingEveryRow()
{
    const QString path = m_scratch->copyFixture(QStringLiteral("records-v0.mdb"));
    const QString accounts = QStringLiteral("SELECT * FROM BankAccount ORDER BY rowid");
    const QString cheques
        = QStringLiteral("SELECT BankID, ChequeNo, Amount, Pay, PrintDate FROM Cheque ORDER BY rowid");
    const QString settings = QStringLiteral(
        "SELECT * FROM sys_parms WHERE Description NOT IN ('PrintTimeout', 'LowLeaves', 'DateOrder', 'StaleMonths', "
        "'DateWindowMonths') ORDER BY rowid");
    const QStringList accountsBefore = rows(path, accounts);
    const QStringList chequesBefore = rows(path, cheques);
    const QStringList settingsBefore = rows(path, settings);
    QCOMPARE(accountsBefore.size(), 3);
    QCOMPARE(chequesBefore.size(), 6);

    {
        const std::unique_ptr<Store> store = Store::OpenDatabase(path, OdbcInstaller::none());
        QCOMPARE(scalar(*store, QStringLiteral("PRAGMA user_version")).toInt(), schemaVersion());
        // Read through the program's own store as well: the accounts in the order they were added.
        QCOMPARE(store->accounts().codes(),
                 QStringList({QStringLiteral("ACC1"), QStringLiteral("HDFC01"), QStringLiteral("SBI-2")}));
        QCOMPARE(store->parameters().GetSystemParameter(QStringLiteral("CBTop")), QStringLiteral("-0.2cm"));
        QCOMPARE(store->cheques().between(QDate(2026, 11, 1), QDate(2026, 12, 31)).size(), 6);
        // Dates are read as the office always read them (day first), with the validity of a cheque
        // in India and a year's window.
        const DateRules dates = store->parameters().dateRules(QDate(2026, 12, 6));
        QCOMPARE(dates.order, DateOrder::DayFirst);
        QCOMPARE(dates.staleMonths, 3);
        QCOMPARE(dates.windowMonths, 12);
        QCOMPARE(scalar(*store,
                        QStringLiteral("SELECT count(*) FROM sys_parms WHERE Description IN ('DateOrder', "
                                       "'StaleMonths', 'DateWindowMonths')"))
                     .toInt(),
                 3);
    }
    QCOMPARE(rows(path, QStringLiteral("SELECT Id, BankID FROM BankAccount ORDER BY Id")),
             QStringList({QStringLiteral("1|ACC1"), QStringLiteral("2|HDFC01"), QStringLiteral("3|SBI-2")}));
    QStringList accountsAfter = rows(path, accounts);
    for (QString &row : accountsAfter)
        row = row.section(u'|', 1, 27); // the new Id column comes first, the crossing's columns last
    QCOMPARE(accountsAfter, accountsBefore);
    QCOMPARE(rows(path, cheques), chequesBefore);
    // Every row that was there is printed; the number used twice on one account is kept, and marked.
    QCOMPARE(rows(path,
                  QStringLiteral("SELECT ChequeNo, Status, NumberKey, Duplicate FROM Cheque WHERE BankID = "
                                 "'ACC1' ORDER BY Id")),
             QStringList({QStringLiteral("000120|printed|120|0"), QStringLiteral("000121|printed|121|0"),
                          QStringLiteral("000121|printed|121|1")}));
    QCOMPARE(rows(path, settings), settingsBefore);

    // The copy kept beside it is the database exactly as it was, and opening again changes nothing.
    QCOMPARE(rows(path + QStringLiteral(".v0.bak"), cheques), chequesBefore);
    QCOMPARE(rows(path + QStringLiteral(".v0.bak"), QStringLiteral("PRAGMA user_version")),
             QStringList {QStringLiteral("0")});
    Store::OpenDatabase(path, OdbcInstaller::none());
    QVERIFY(!QFile::exists(path + QStringLiteral(".v0-2.bak")));
}

void TestSchema::upgradesEveryReleaseKeepingEveryRow_data()
{
    QTest::addColumn<int>("version");
    for (int version = 1; version <= schemaVersion(); ++version)
        QTest::addRow("version %d", version) << version;
}

// A database of every released version, made by tests/data/make-fixtures.sh with the rows an office
// would have written then, is upgraded keeping every row and every value it held.
void TestSchema::upgradesEveryReleaseKeepingEveryRow()
{
    QFETCH(int, version);
    const QString name = QStringLiteral("records-v%1.mdb").arg(version);
    QVERIFY2(QFile::exists(QStringLiteral(QUILLSET_TEST_DATA "/") + name),
             "no fixture for this version: run tests/data/make-fixtures.sh");
    const QString path = m_scratch->copyFixture(name);
    QCOMPARE(rows(path, QStringLiteral("PRAGMA user_version")), QStringList {QString::number(version)});
    QHash<QString, QString> selects; // every table's columns as the release had them, in row order
    for (const QString &table :
         rows(path, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"))) {
        QStringList columns = rows(path, QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table));
        // Amounts change their form at version 9; they are compared through the register below.
        if (table == QLatin1String("Cheque") && version < 9)
            columns.removeAll(QStringLiteral("Amount"));
        selects.insert(table, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(columns.join(u','), table));
    }
    QHash<QString, QStringList> before;
    for (auto it = selects.cbegin(); it != selects.cend(); ++it)
        before.insert(it.key(), rows(path, it.value()));
    QCOMPARE(before.value(QStringLiteral("BankAccount")).size(), 3);
    QCOMPARE(before.value(QStringLiteral("Cheque")).size(), version >= 2 ? 8 : 7);
    QCOMPARE(before.value(QStringLiteral("ChequeBook")).size(), version >= 3 ? 2 : 0);

    {
        const std::unique_ptr<Store> store = Store::OpenDatabase(path, OdbcInstaller::none());
        QCOMPARE(scalar(*store, QStringLiteral("PRAGMA user_version")).toInt(), schemaVersion());
        QCOMPARE(store->accounts().codes(),
                 QStringList({QStringLiteral("ACC1"), QStringLiteral("HDFC01"), QStringLiteral("SBI-2")}));
        QCOMPARE(store->parameters().GetSystemParameter(QStringLiteral("CBTop")), QStringLiteral("-0.2cm"));
        // Each amount is the one the register showed before, now exact; those finer than their
        // account's money (whole rupees on ACC1 and HDFC01, paise on SBI-2 from version 4) are said.
        QStringList amounts;
        for (const RegisterEntry &entry : store->cheques().between(QDate(2026, 11, 1), QDate(2026, 12, 31)))
            amounts.append(
                QStringLiteral("%1 %2/%3").arg(entry.chequeNo).arg(entry.amount).arg(entry.money.subunitDigits));
        QStringList expected = {QStringLiteral("000120 1501/0"), QStringLiteral("000121 250000/0"),
                                QStringLiteral("445501 100/0"),  QStringLiteral("445502 12000/0"),
                                QStringLiteral("445503 1/0"),    QStringLiteral("7 7500000/2"),
                                QStringLiteral("8 310025/2"),    QStringLiteral("9 0/2")};
        if (version < 4) {
            expected.replaceInStrings(QStringLiteral("310025/2"), QStringLiteral("3100/0"));
            expected.replaceInStrings(QStringLiteral("7500000/2"), QStringLiteral("75000/0"));
            expected.replaceInStrings(QStringLiteral("9 0/2"), QStringLiteral("9 0/0"));
        }
        QCOMPARE(amounts, expected.first(version >= 2 ? 8 : 7));
        QCOMPARE(store->upgradeNotes().size(), version >= 9 ? 0 : version >= 4 ? 2 : 3);
        // The history begins with the rows the register held, each vouched for from now on.
        const RegisterCheck check = store->history().verify();
        QVERIFY2(check.isClean(), qPrintable(check.brokenLink + check.differences.join(u'\n')));
        QCOMPARE(check.cheques, version >= 2 ? 8 : 7);
    }
    for (auto it = selects.cbegin(); it != selects.cend(); ++it) {
        // Opening writes the history's first entries.
        if (it.key() == QLatin1String("History") || it.key() == QLatin1String("sqlite_sequence"))
            continue;
        const QStringList after = rows(path, it.value());
        // Later releases add settings of their own, after the office's.
        if (it.key() == QLatin1String("sys_parms"))
            QCOMPARE(after.first(before.value(it.key()).size()), before.value(it.key()));
        else
            QCOMPARE(after, before.value(it.key()));
    }
    if (version >= 4)
        QCOMPARE(rows(path,
                      QStringLiteral("SELECT AmountStyle, CurrencyName, SubunitDigits FROM BankAccount WHERE "
                                     "BankID = 'SBI-2'")),
                 QStringList {QStringLiteral("Indian|Rupees|2")});
    QCOMPARE(rows(path + QStringLiteral(".v%1.bak").arg(version), QStringLiteral("PRAGMA user_version")),
             version < schemaVersion() ? QStringList {QString::number(version)} : QStringList());
}

// The last release's history kept no crossing. Its entries still vouch for everything else they
// kept, and a cheque's next entry vouches for its crossing as well.
void TestSchema::aHistoryWrittenBeforeCrossingsStillVouches()
{
    const QString path = m_scratch->copyFixture(QStringLiteral("records-v11-history.mdb"));
    const std::unique_ptr<Store> store = Store::OpenDatabase(path, OdbcInstaller::none());
    const auto findings = [&] {
        const RegisterCheck check = store->history().verify();
        return QStringList(check.brokenLink) + check.differences;
    };
    QCOMPARE(findings(), QStringList {QString()});

    exec(*store, QStringLiteral("UPDATE Cheque SET Pay = 'Someone Else', Crossing = 'Not Negotiable' WHERE Id = 2"));
    const QString payeeChanged = QStringLiteral("ACC1 cheque 000121 (row 2) was changed outside the program: pay "
                                                "\"Someone Else\" where its history has \"Sharma & Sons\".");
    QCOMPARE(findings(), QStringList({QString(), payeeChanged}));

    store->cheques().markVoid(1, QStringLiteral("Wrong date"));
    exec(*store, QStringLiteral("UPDATE Cheque SET Crossing = 'Not Negotiable' WHERE Id = 1"));
    QCOMPARE(findings(),
             QStringList({QString(),
                          QStringLiteral("ACC1 cheque 000120 (row 1) was changed outside the program: "
                                         "crossing \"Not Negotiable\" where its history has (none)."),
                          payeeChanged}));
}

void TestSchema::newDatabaseIsTheUpgradedOne()
{
    const QString upgraded = m_scratch->copyFixture(QStringLiteral("records-v0.mdb"));
    Store::OpenDatabase(upgraded, OdbcInstaller::none());
    // The same tables and indexes, with the same columns, constraints and defaults.
    const QString schema = QStringLiteral(
        "SELECT m.type, m.name, c.name, c.type, c.\"notnull\", c.dflt_value, c.pk FROM sqlite_master m "
        "LEFT JOIN pragma_table_info(m.name) c WHERE m.name NOT LIKE 'sqlite_%' ORDER BY m.name, c.cid");
    QCOMPARE(rows(m_scratch->path(), schema), rows(upgraded, schema));
    const QString checks = QStringLiteral("SELECT name FROM sqlite_master WHERE sql LIKE '%CHECK%' ORDER BY name");
    QCOMPARE(rows(m_scratch->path(), checks), rows(upgraded, checks));
}

void TestSchema::upgradeKeysEachLeafHoweverItWasTyped()
{
    const QString path = m_scratch->copyFixture(QStringLiteral("records-v0.mdb"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("writer"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        // Written before numbers were read as a person says them: the same leaf under other spellings.
        QVERIFY(QSqlQuery(db).exec(QStringLiteral(
            "INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES ('ACC1', '000120 ', 5, 'Again', "
            "'2026-12-07'), ('ACC1', '\uff11\uff12\uff10', 5, 'Thrice', '2026-12-07'), ('HDFC01', ' 9', 5, "
            "'Once', '2026-12-07')")));
        // An account the first release told apart from ACC1 by its capitals, with a cheque of its own.
        QVERIFY(
            QSqlQuery(db).exec(QStringLiteral("INSERT INTO BankAccount (BankID, BankName) VALUES ('acc1', 'Other')")));
        QVERIFY(
            QSqlQuery(db).exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES "
                                              "('acc1', '5', 7, 'Its own', '2026-12-07')")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("writer"));
    const QStringList notes = Store::OpenDatabase(path, OdbcInstaller::none())->upgradeNotes();
    // Codes are one account in any capitals: the later account takes its number after its code, said.
    QCOMPARE(rows(path,
                  QStringLiteral("SELECT a.BankID, a.BankName, c.Pay FROM BankAccount AS a JOIN Cheque AS c ON "
                                 "c.BankID = a.BankID WHERE c.ChequeNo = '5'")),
             QStringList {QStringLiteral("acc1 #4|Other|Its own")});
    QVERIFY(notes.contains(QStringLiteral("The account \"acc1\" had the code of an earlier account in other capitals; "
                                          "its code is now \"acc1 #4\".")));
    // Each is keyed by its value; the earliest row of a leaf stays its own, the later are repeats.
    QCOMPARE(rows(path,
                  QStringLiteral("SELECT BankID, ChequeNo, NumberKey, Duplicate FROM Cheque WHERE NumberKey IN "
                                 "('120', '9') ORDER BY Id")),
             QStringList({QStringLiteral("ACC1|000120|120|0"), QStringLiteral("ACC1|000120 |120|1"),
                          QStringLiteral("ACC1|\uff11\uff12\uff10|120|1"), QStringLiteral("HDFC01| 9|9|0")}));
}

// 200,000 rows of the first release, a few numbers used twice, upgraded within a minute (every step
// linear), the progress told as it goes; a copy cut short earlier never passes for the backup.
void TestSchema::upgradesALargeRegisterWithinAMinute()
{
    const QString path = m_scratch->copyFixture(QStringLiteral("records-v0.mdb"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("writer"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200000) INSERT INTO Cheque "
            "(BankID, ChequeNo, Amount, Pay, PrintDate) SELECT CASE i % 3 WHEN 0 THEN 'ACC1' WHEN 1 THEN 'HDFC01' "
            "ELSE 'SBI-2' END, CAST(1000000 + CASE WHEN i % 50000 = 0 THEN i - 3 ELSE i END AS TEXT), i * 0.25, "
            "'Payee ' || (i % 997), date('2020-01-01', '+' || (i % 2500) || ' days') FROM n")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("writer"));
    QFile broken(path + QStringLiteral(".v0.bak.partial"));
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("half a copy") > 0);
    broken.close();

    QList<int> told;
    int total = 0;
    StoreOptions options;
    options.upgradeProgress = [&](int done, int all) {
        told.append(done);
        total = all;
    };
    QElapsedTimer clock;
    clock.start();
    const std::unique_ptr<Store> store = Store::OpenDatabase(path, OdbcInstaller::none(), options);
    const qint64 elapsed = clock.elapsed();
    qInfo("200,000 rows upgraded from version 0 in %lld ms", elapsed);
    QVERIFY2(elapsed < 60000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
    QVERIFY(total > 0);
    QCOMPARE(told.first(), 0);
    QCOMPARE(told.last(), total);
    QVERIFY(std::is_sorted(told.begin(), told.end()));
    QCOMPARE(scalar(*store, QStringLiteral("SELECT count(*) FROM Cheque WHERE Duplicate = 1")).toInt(), 5);
    // Quarter rupees on accounts of whole rupees: every one not whole is rounded as it was shown, and said.
    QCOMPARE(store->upgradeNotes().size(), 150000);
    QCOMPARE(rows(path + QStringLiteral(".v0.bak"), QStringLiteral("SELECT count(*) FROM Cheque")),
             QStringList {QStringLiteral("200006")});
    QVERIFY(!QFile::exists(broken.fileName()));
}

void TestSchema::refusesWithoutTouchingIt_data()
{
    QTest::addColumn<QString>("spoil"); // run on the first-release fixture before it is opened
    QTest::addColumn<QString>("said");
    QTest::newRow("newer than the program") << "PRAGMA user_version = 99"
                                            << "newer version of Quillset";
    QTest::newRow("an upgrade step fails") << "CREATE TABLE Cheque_v1 (x)"
                                           << "could not be upgraded from version 0";
}

void TestSchema::refusesWithoutTouchingIt()
{
    QFETCH(QString, spoil);
    QFETCH(QString, said);
    const QString path = m_scratch->copyFixture(QStringLiteral("records-v0.mdb"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("spoiler"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery(db).exec(spoil);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("spoiler"));
    const QByteArray before = fingerprint(path);
    try {
        Store::OpenDatabase(path, OdbcInstaller::none());
        QFAIL("the database was opened");
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(said) && failure.description().contains(path), failure.what());
    }
    QCOMPARE(fingerprint(path), before);
}

void TestSchema::stepsAreNumberedInOrder_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<bool>("inOrder");
    for (const std::unique_ptr<Dialect> &dialect : everyDialect())
        QTest::addRow("the steps of %s", qPrintable(dialect->driverName())) << stepNumbers(*dialect) << true;
    QTest::newRow("a step left out") << QList<int> {1, 2, 4} << false;
    QTest::newRow("a number used twice") << QList<int> {1, 2, 2, 3} << false;
    QTest::newRow("two swapped") << QList<int> {1, 3, 2} << false;
    QTest::newRow("not from 1") << QList<int> {0, 1, 2} << false;
}

// The version a database is stamped with is the last step's number: a step added with a number out
// of order is caught here, before any database claims a version whose tables it lacks.
void TestSchema::stepsAreNumberedInOrder()
{
    QFETCH(QList<int>, numbers);
    QFETCH(bool, inOrder);
    QCOMPARE(numberedInOrder(numbers), inOrder);
    // Every backend reaches the same version by its own steps.
    for (const std::unique_ptr<Dialect> &dialect : everyDialect())
        QCOMPARE(stepNumbers(*dialect).value(stepNumbers(*dialect).size() - 1), schemaVersion());
}

QUILLSET_TEST_MAIN(TestSchema, QCoreApplication)
#include "tst_Schema.moc"
