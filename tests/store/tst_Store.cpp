#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/base/Failure.h"
#include "core/cheque/Cheque.h"
#include "core/issue/ChequeLife.h"
#include "store/Connection.h"
#include "store/DataSource.h"
#include "store/DatabaseLocation.h"
#include "store/Store.h"
#include "store/SystemParameters.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSemaphore>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>

using namespace quillset;
using namespace quillset::test;

// The database, its settings and its data source: against real SQLite files, and the settings and
// columns also against a real server when the run is on PostgreSQL.
class TestStore : public QObject
{
    Q_OBJECT

private slots:
    void refusesFilesThatAreNotItsDatabase_data();
    void refusesFilesThatAreNotItsDatabase();
    void refusesADatabaseLockedByAnotherProgram();
    void aWriteAfterAReadWaitsForAnotherProgramsCommit();
    void refusesTextInANumberColumn();
    void storesSettingsExactlyAsTyped_data();
    void storesSettingsExactlyAsTyped();
    void readsSettingsAsTheirUsersNeed_data();
    void readsSettingsAsTheirUsersNeed();
    void missingAndDuplicateSettingRows();
    void printSettingsNameWhatCannotBeUsed_data();
    void printSettingsNameWhatCannotBeUsed();
    void readErrorIsSaidNotAShorterList();
    void registersTheTradingDataSource();
    void registersWithTheRealInstaller();
    void readOnlyProgramFolderKeepsTheDatabaseWithTheUser();
    void pendingNoticeNamesThisWorkstationsChequesOnly();

private:
    static bool onServer();
    static QString openFailure(const QString &path);
};

bool TestStore::onServer()
{
    return chosenBackend() == Backend::Postgres;
}

// A file's own faults and the data source only SQLite has.
#define ONLY_FOR_A_FILE()                                                                                              \
    if (onServer())                                                                                                    \
    QSKIP("a database file's own behaviour")

QString TestStore::openFailure(const QString &path)
{
    try {
        Store::OpenDatabase(path, OdbcInstaller::none());
    } catch (const Failure &failure) {
        return failure.description();
    }
    return QString();
}

void TestStore::refusesFilesThatAreNotItsDatabase_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file at all
    QTest::addColumn<QString>("cause");
    QByteArray access(2048, '\0');
    access.replace(4, 15, QByteArray("Standard Jet DB"));
    QTest::newRow("missing") << QByteArray() << "does not exist";
    QTest::newRow("Access-format file") << access << "Access-format";
    QTest::newRow("text file") << QByteArray("cheque numbers, one per line\n").repeated(40)
                               << "not a Quillset database";
    QTest::newRow("empty SQLite file") << QByteArray("") << "no table BankAccount";
}

void TestStore::refusesFilesThatAreNotItsDatabase()
{
    ONLY_FOR_A_FILE();
    QFETCH(QByteArray, content);
    QFETCH(QString, cause);
    QTemporaryDir folder;
    const QString path = databasePathIn(folder.path());
    if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QString message = openFailure(path);
    QVERIFY2(message.contains(path) && message.contains(cause), qPrintable(message));
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    QFile unchanged(path); // never replaced, never created
    QCOMPARE(unchanged.open(QIODevice::ReadOnly) ? unchanged.readAll() : QByteArray(), content);
}

void TestStore::refusesADatabaseLockedByAnotherProgram()
{
    ONLY_FOR_A_FILE();
    QTemporaryDir folder;
    const QString path = databasePathIn(folder.path());
    Store::createDatabase(path, false);
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("otherProgram"));
        other.setDatabaseName(path);
        QVERIFY(other.open());
        QSqlQuery lock(other);
        QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        QVERIFY(lock.exec(QStringLiteral("UPDATE sys_parms SET Value = Value")));
        QVERIFY(openFailure(path).contains(QStringLiteral("locked")));
        lock.exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("otherProgram"));
    QCOMPARE(openFailure(path), QString());
}

void TestStore::aWriteAfterAReadWaitsForAnotherProgramsCommit()
{
    ONLY_FOR_A_FILE();
    QTemporaryDir folder;
    const QString path = databasePathIn(folder.path());
    Store::createDatabase(path, false);
    const std::unique_ptr<Store> store = Store::OpenDatabase(path, OdbcInstaller::none());
    // Another program, on a connection and a thread of its own, writes while this one's transaction
    // has read and not yet written: as a print is marked while another workstation records one.
    QSemaphore opened;
    QSemaphore write;
    QString otherFailure;
    const std::unique_ptr<QThread> other(QThread::create([&] {
        try {
            const std::unique_ptr<Store> elsewhere = Store::OpenDatabase(path, OdbcInstaller::none());
            opened.release();
            write.acquire();
            elsewhere->parameters().SetSystemParameter(Parameter::CompanyName, QStringLiteral("Elsewhere"));
        } catch (const Failure &failure) {
            opened.release();
            otherFailure = failure.description();
        }
    }));
    other->start();
    opened.acquire();
    QString failure;
    try {
        store->SharedConnection().inTransaction([&] {
            store->parameters().find(Parameter::Stamp);
            write.release();
            // Time for the other program to write its row and reach its commit, which waits for this read.
            QThread::msleep(300);
            store->parameters().SetSystemParameter(Parameter::Stamp, QStringLiteral("1"));
        });
    } catch (const Failure &refused) {
        failure = refused.description();
    }
    other->wait();
    // Neither refused as locked: one waited for the other, and both settings are written.
    QCOMPARE(failure, QString());
    QCOMPARE(otherFailure, QString());
    QCOMPARE(store->parameters().GetSystemParameter(Parameter::Stamp), QStringLiteral("1"));
    QCOMPARE(store->parameters().GetSystemParameter(Parameter::CompanyName), QStringLiteral("Elsewhere"));
}

void TestStore::refusesTextInANumberColumn()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    const Connection &connection = db.store().SharedConnection();
    QVERIFY_THROWS_EXCEPTION(Failure, connection.run(QStringLiteral("UPDATE BankAccount SET Width = 'wide'")));
    QVERIFY_THROWS_EXCEPTION(Failure,
                             db.store().cheques().record({QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("X"),
                                                          QDate(), Money {5, {}}, false}));
    QCOMPARE(db.scalar(QStringLiteral("SELECT Width || 'x' || Height FROM BankAccount")).toString(),
             QStringLiteral("20.3x9.2"));
}

void TestStore::storesSettingsExactlyAsTyped_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("apostrophe") << "Dealer's Co.";
    QTest::newRow("quotes and brackets") << "\"A\" [B] 'C'; DROP TABLE sys_parms; --";
    QTest::newRow("unicode") << "Śrī Gaṇeśa Traders ₹";
    QTest::newRow("empty") << "";
}

void TestStore::storesSettingsExactlyAsTyped()
{
    QFETCH(QString, value);
    TestDatabase db;
    QVERIFY(db.isReady());
    const SystemParameters &parameters = db.store().parameters();
    parameters.SetSystemParameter(Parameter::CompanyName, value);
    QCOMPARE(parameters.GetSystemParameter(Parameter::CompanyName), value);
    QCOMPARE(parameters.GetSystemParameter(Parameter::Stamp), QStringLiteral("1")); // the others untouched
}

void TestStore::readsSettingsAsTheirUsersNeed_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("whole"); // -999: not a whole number, refused naming the setting
    QTest::addColumn<double>("leading");
    QTest::newRow("digit") << "6" << 6 << 6.0;
    QTest::newRow("half to even down") << "2.5" << 2 << 2.5;
    QTest::newRow("half to even up") << " 3.5 " << 4 << 3.5;
    QTest::newRow("negative") << "-1" << -1 << -1.0;
    QTest::newRow("number then text") << "1.25cm" << -999 << 1.25;
    QTest::newRow("word") << "abc" << -999 << 0.0;
    QTest::newRow("empty") << "" << -999 << 0.0;
    QTest::newRow("exponent") << "2e1" << 20 << 20.0;
}

void TestStore::readsSettingsAsTheirUsersNeed()
{
    QFETCH(QString, stored);
    QFETCH(int, whole);
    QFETCH(double, leading);
    TestDatabase db;
    QVERIFY(db.isReady());
    const SystemParameters &parameters = db.store().parameters();
    parameters.SetSystemParameter(Parameter::CalibrationLeft, stored);
    QCOMPARE(parameters.numericParameter(Parameter::CalibrationLeft), leading);
    QCOMPARE(parameters.printSettings().calibrationLeft, leading);
    if (whole != -999) {
        QCOMPARE(parameters.wholeNumberParameter(Parameter::CalibrationLeft), whole);
        return;
    }
    try {
        parameters.wholeNumberParameter(Parameter::CalibrationLeft);
        QFAIL("a value that is not a whole number was accepted");
    } catch (const Failure &failure) {
        QVERIFY(failure.description().contains(QStringLiteral("\"CBLeft\"")));
    }
}

void TestStore::missingAndDuplicateSettingRows()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    const SystemParameters &parameters = db.store().parameters();
    db.exec(QStringLiteral("UPDATE sys_parms SET Value = NULL WHERE Description = 'CBTop'"));
    QCOMPARE(parameters.GetSystemParameter(Parameter::CalibrationTop), QString());

    db.exec(QStringLiteral("DELETE FROM sys_parms WHERE Description = 'CequePosition'"));
    try {
        parameters.GetSystemParameter(Parameter::ChequePosition);
        QFAIL("a missing setting was read");
    } catch (const Failure &failure) {
        QVERIFY(failure.description().contains(QStringLiteral("\"CequePosition\" is missing")));
    }
    parameters.SetSystemParameter(Parameter::ChequePosition, QStringLiteral("3")); // saving adds the row again
    QCOMPARE(parameters.GetSystemParameter(Parameter::ChequePosition), QStringLiteral("3"));

    // With two rows of one name, the first is read and both are written.
    db.exec(QStringLiteral("INSERT INTO sys_parms VALUES ('Stamp', '0')"));
    QCOMPARE(parameters.GetSystemParameter(Parameter::Stamp), QStringLiteral("1"));
    parameters.SetSystemParameter(Parameter::Stamp, QStringLiteral("0"));
    QCOMPARE(db.joined(QStringLiteral("SELECT Value FROM sys_parms WHERE Description = 'Stamp'")),
             QStringLiteral("0, 0"));
}

void TestStore::printSettingsNameWhatCannotBeUsed_data()
{
    QTest::addColumn<QString>("spoil");
    QTest::addColumn<QString>("named");
    QTest::newRow("empty orientation") << "UPDATE sys_parms SET Value = '' WHERE Description = 'Orientation'"
                                       << "\"Orientation\"";
    QTest::newRow("orientation the printer refuses")
        << "UPDATE sys_parms SET Value = '3' WHERE Description = 'Orientation'"
        << "orientation 3";
    QTest::newRow("position not a number") << "UPDATE sys_parms SET Value = 'abc' WHERE Description = 'CequePosition'"
                                           << "\"CequePosition\"";
    QTest::newRow("missing company name") << "DELETE FROM sys_parms WHERE Description = 'CompanyName'"
                                          << "\"CompanyName\"";
}

void TestStore::printSettingsNameWhatCannotBeUsed()
{
    QFETCH(QString, spoil);
    QFETCH(QString, named);
    TestDatabase db;
    QVERIFY(db.isReady());
    db.exec(spoil);
    try {
        db.store().parameters().printSettings();
        QFAIL("settings that cannot be used were read");
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(named), failure.what());
    }
}

void TestStore::readErrorIsSaidNotAShorterList()
{
    ONLY_FOR_A_FILE();
    TestDatabase db;
    QVERIFY(db.isReady());
    db.store().SharedConnection().inTransaction([&] {
        for (int i = 0; i < 3000; ++i)
            db.store().cheques().record({QStringLiteral("ACC1"), QString::number(i),
                                         QStringLiteral("A payee with a long name, number %1").arg(i),
                                         QDate(2026, 1, 1).addDays(i % 300), Money {100 + i, {}}, false});
    });
    db.close();
    // Damage a run of pages in the middle of the file, as a failing disk would.
    QFile file(db.path());
    QVERIFY(file.open(QIODevice::ReadWrite));
    const qint64 pages = file.size() / 4096;
    QVERIFY(pages > 40);
    file.seek(pages / 2 * 4096);
    file.write(QByteArray(4096 * 8, '\x5a'));
    file.close();
    QVERIFY(db.reopen());
    try {
        const QList<RegisterEntry> read = db.store().cheques().between(QDate(2026, 1, 1), QDate(2026, 12, 31));
        QFAIL(qPrintable(QStringLiteral("a damaged register read as %1 rows").arg(read.size())));
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(QStringLiteral("damaged")), failure.what());
    }
}

void TestStore::registersTheTradingDataSource()
{
    ONLY_FOR_A_FILE();
    QStringList calls;
    OdbcInstaller installer;
    installer.configDataSource = [&](int request, const QByteArray &driver, const QByteArray &attributes) {
        calls.append(QString::number(request) + u' ' + QString::fromLatin1(driver) + u' '
                     + QString::fromUtf8(QByteArray(attributes).replace('\0', '|')));
        return false; // as Debian's SQLite driver, which has no setup entry point
    };
    installer.setConfigMode = [&](int mode) { return calls.append(QStringLiteral("mode %1").arg(mode)), true; };
    QMap<QByteArray, QByteArray> ini; // the source as the installer keeps it
    installer.writeDataSourceToIni = [&](const QByteArray &dsn, const QByteArray &driver) {
        ini.insert("Driver", driver);
        return calls.append(QString::fromUtf8(dsn + " -> " + driver)), true;
    };
    installer.writeProfileString
        = [&](const QByteArray &, const QByteArray &key, const QByteArray &value, const QByteArray &file) {
              ini.insert(key, value);
              return calls.append(QString::fromUtf8(file + ": " + key + '=' + value)), true;
          };
    installer.readProfileString
        = [&](const QByteArray &, const QByteArray &key, const QByteArray &) { return ini.value(key); };
    const QString path = QStringLiteral("/srv/it's here/Records.mdb");
    RegisterDataSource(path, installer);
    QCOMPARE(calls,
             QStringList({QStringLiteral("mode 2"), QStringLiteral("mode 0"),
                          QStringLiteral("4 SQLite3 SERVER=Quillset|DESCRIPTION=Trading|DSN=Trading|"
                                         "Database=/srv/it's here/Records.mdb||"),
                          QStringLiteral("mode 2"), QStringLiteral("Trading -> SQLite3"),
                          QStringLiteral("odbc.ini: SERVER=Quillset"), QStringLiteral("odbc.ini: DESCRIPTION=Trading"),
                          QStringLiteral("odbc.ini: Database=/srv/it's here/Records.mdb"), QStringLiteral("mode 0")}));
    // Already there, the source is not written again at the next start; another file's is.
    calls.clear();
    RegisterDataSource(path, installer);
    QCOMPARE(calls, QStringList({QStringLiteral("mode 2"), QStringLiteral("mode 0")}));
    calls.clear();
    RegisterDataSource(QStringLiteral("/srv/elsewhere/Records.mdb"), installer);
    QVERIFY2(calls.size() > 2 && calls.at(2).startsWith(QStringLiteral("4 SQLite3")), qPrintable(calls.join(u'\n')));
    RegisterDataSource(QStringLiteral("/tmp/Records.mdb"), OdbcInstaller::none()); // no library: silent
}

void TestStore::registersWithTheRealInstaller()
{
    ONLY_FOR_A_FILE();
    const QString odbcinst = QStandardPaths::findExecutable(QStringLiteral("odbcinst"));
    QVERIFY2(!odbcinst.isEmpty(), "odbcinst (Debian package odbcinst) is not installed");
    // The installer looks up the driver, and writes the source, in the folder ODBCSYSINI names.
    QTemporaryDir config;
    QFile drivers(config.filePath(QStringLiteral("odbcinst.ini")));
    QVERIFY(drivers.open(QIODevice::WriteOnly));
    drivers.write("[SQLite3]\nDriver=libsqlite3odbc.so\nSetup=libsqlite3odbc.so\n");
    drivers.close();
    QFile sources(config.filePath(QStringLiteral("odbc.ini")));
    QVERIFY(sources.open(QIODevice::WriteOnly));
    sources.close();
    qputenv("ODBCSYSINI", QFile::encodeName(config.path()));
    const QString database = config.filePath(QStringLiteral("office data/Records.mdb"));
    const OdbcInstaller installer = OdbcInstaller::systemLibrary();
    QVERIFY2(installer.configDataSource, "unixODBC's installer library (libodbcinst.so.2) did not load");
    RegisterDataSource(database, installer);

    QProcess query;
    query.start(odbcinst,
                {QStringLiteral("-q"), QStringLiteral("-s"), QStringLiteral("-n"), QStringLiteral("Trading")});
    QVERIFY(query.waitForFinished(10000));
    const QString listed = QString::fromLocal8Bit(query.readAllStandardOutput());
    QVERIFY2(listed.contains(QStringLiteral("Database=") + database)
                 && listed.contains(QStringLiteral("Driver=SQLite3")),
             qPrintable(listed));
}

void TestStore::readOnlyProgramFolderKeepsTheDatabaseWithTheUser()
{
    ONLY_FOR_A_FILE();
    QTemporaryDir program;
    QTemporaryDir user;
    const QString userFolder = user.filePath(QStringLiteral("Quillset/Quillset"));
    const QString delivered = databasePathIn(program.path());
    const QString own = databasePathIn(userFolder);
    QCOMPARE(chooseDatabasePath(program.path(), false, userFolder), own);
    QVERIFY(!QFile::exists(own)); // nothing delivered, nothing copied: opening will say so
    Store::createDatabase(delivered, true);
    QCOMPARE(chooseDatabasePath(program.path(), true, userFolder), delivered);

    // Copied on the first start into a file the user can write, and never replaced afterwards.
    QCOMPARE(chooseDatabasePath(program.path(), false, userFolder), own);
    QVERIFY(QFileInfo(own).permissions().testFlag(QFileDevice::WriteOwner));
    {
        const std::unique_ptr<Store> store = Store::OpenDatabase(own, OdbcInstaller::none());
        test::exec(*store,
                   QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) "
                                  "VALUES ('ACC1', '1', 5, 'Kept', '2026-12-06')"));
    }
    chooseDatabasePath(program.path(), false, userFolder);
    const std::unique_ptr<Store> store = Store::OpenDatabase(own, OdbcInstaller::none());
    QCOMPARE(test::scalar(*store, QStringLiteral("SELECT Pay FROM Cheque")).toString(), QStringLiteral("Kept"));
}

void TestStore::pendingNoticeNamesThisWorkstationsChequesOnly()
{
    const TestDatabase db;
    QVERIFY(db.isReady());
    const QString here = QStringLiteral("desk-1 (asha)");
    const QString there = QStringLiteral("desk-2 (ravi)");
    int number = 500;
    for (const QString &from : {here, there, there, here}) {
        const Cheque cheque {QStringLiteral("ACC1"),    QStringLiteral("000%1").arg(++number),
                             QStringLiteral("A Payee"), QDate(2026, 12, 7),
                             Money {500, {}},           false};
        db.store().cheques().addPending(cheque, from);
    }
    // Cheques other workstations have in flight are no notice of their own, and are counted apart.
    QCOMPARE(pendingNotice(db.store().cheques().pending(QStringLiteral("desk-3 (mina)")), Audience::Window), QString());
    const QString notice = pendingNotice(db.store().cheques().pending(here), Audience::Window);
    QVERIFY2(notice.startsWith(QStringLiteral("2 cheques are pending in the register from this workstation: ACC1 "
                                              "000501, ACC1 000504."))
                 && notice.contains(QStringLiteral("2 cheques sent from other workstations are pending")),
             qPrintable(notice));
}

QUILLSET_TEST_MAIN(TestStore, QCoreApplication)
#include "tst_Store.moc"
