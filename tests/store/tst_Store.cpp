#include "support/TestDatabase.h"

#include "store/DataSource.h"
#include "store/Database.h"
#include "store/DatabaseLocation.h"
#include "store/Failure.h"
#include "store/SystemParameters.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTest>

using namespace quillset;
using quillset::test::TestDatabase;

// The database file, its settings and its data source, against real SQLite files.
class TestStore : public QObject
{
    Q_OBJECT

private slots:
    void refusesFilesThatAreNotItsDatabase_data();
    void refusesFilesThatAreNotItsDatabase();
    void refusesADatabaseLockedByAnotherProgram();
    void refusesTextInANumberColumn();
    void storesSettingsExactlyAsTyped_data();
    void storesSettingsExactlyAsTyped();
    void readsSettingsAsTheirUsersNeed_data();
    void readsSettingsAsTheirUsersNeed();
    void missingAndDuplicateSettingRows();
    void registersTheTradingDataSource();
    void registersWithTheRealInstaller();
    void readOnlyProgramFolderKeepsTheDatabaseWithTheUser();

private:
    static QString openFailure(const QString &path);
};

QString TestStore::openFailure(const QString &path)
{
    try {
        OpenDatabase(path, OdbcInstaller::none());
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
    QVERIFY(!SharedConnection().isOpen());
    QFile unchanged(path); // never replaced, never created
    QCOMPARE(unchanged.open(QIODevice::ReadOnly) ? unchanged.readAll() : QByteArray(), content);
}

void TestStore::refusesADatabaseLockedByAnotherProgram()
{
    QTemporaryDir folder;
    const QString path = databasePathIn(folder.path());
    QVERIFY(TestDatabase::createAt(path));
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
    CloseDatabase();
    CloseDatabase(); // a second close is harmless
}

void TestStore::refusesTextInANumberColumn()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    QVERIFY_THROWS_EXCEPTION(Failure, runStatement(QStringLiteral("UPDATE BankAccount SET Width = 'wide'")));
    QVERIFY_THROWS_EXCEPTION(Failure,
                             runStatement(QStringLiteral("INSERT INTO Cheque VALUES ('A', '1', 5, 'X', ?)"),
                                          {QStringLiteral("06-Dec-2026")}));
    QCOMPARE(TestDatabase::scalar(QStringLiteral("SELECT Width || 'x' || Height FROM BankAccount")).toString(),
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
    SetSystemParameter(Parameter::CompanyName, value);
    QCOMPARE(GetSystemParameter(Parameter::CompanyName), value);
    QCOMPARE(GetSystemParameter(Parameter::Stamp), QStringLiteral("1")); // the others untouched
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
    SetSystemParameter(Parameter::CalibrationLeft, stored);
    QCOMPARE(numericParameter(Parameter::CalibrationLeft), leading);
    if (whole != -999) {
        QCOMPARE(wholeNumberParameter(Parameter::CalibrationLeft), whole);
        return;
    }
    try {
        wholeNumberParameter(Parameter::CalibrationLeft);
        QFAIL("a value that is not a whole number was accepted");
    } catch (const Failure &failure) {
        QVERIFY(failure.description().contains(QStringLiteral("\"CBLeft\"")));
    }
}

void TestStore::missingAndDuplicateSettingRows()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    TestDatabase::exec(QStringLiteral("UPDATE sys_parms SET Value = NULL WHERE Description = 'CBTop'"));
    QCOMPARE(GetSystemParameter(Parameter::CalibrationTop), QString());

    TestDatabase::exec(QStringLiteral("DELETE FROM sys_parms WHERE Description = 'CequePosition'"));
    try {
        GetSystemParameter(Parameter::ChequePosition);
        QFAIL("a missing setting was read");
    } catch (const Failure &failure) {
        QVERIFY(failure.description().contains(QStringLiteral("\"CequePosition\" is missing")));
    }
    SetSystemParameter(Parameter::ChequePosition, QStringLiteral("3")); // saving adds the row again
    QCOMPARE(GetSystemParameter(Parameter::ChequePosition), QStringLiteral("3"));

    // With two rows of one name, the first is read and both are written.
    TestDatabase::exec(QStringLiteral("INSERT INTO sys_parms VALUES ('Stamp', '0')"));
    QCOMPARE(GetSystemParameter(Parameter::Stamp), QStringLiteral("1"));
    SetSystemParameter(Parameter::Stamp, QStringLiteral("0"));
    QCOMPARE(
        TestDatabase::scalar(QStringLiteral("SELECT group_concat(Value) FROM sys_parms WHERE Description = 'Stamp'"))
            .toString(),
        QStringLiteral("0,0"));
}

void TestStore::registersTheTradingDataSource()
{
    QStringList calls;
    OdbcInstaller installer;
    installer.configDataSource = [&](int request, const QByteArray &driver, const QByteArray &attributes) {
        calls.append(QString::number(request) + u' ' + QString::fromLatin1(driver) + u' '
                     + QString::fromUtf8(QByteArray(attributes).replace('\0', '|')));
        return false; // as Debian's SQLite driver, which has no setup entry point
    };
    installer.setConfigMode = [&](int mode) { return calls.append(QStringLiteral("mode %1").arg(mode)), true; };
    installer.writeDataSourceToIni = [&](const QByteArray &dsn, const QByteArray &driver) {
        return calls.append(QString::fromUtf8(dsn + " -> " + driver)), true;
    };
    installer.writeProfileString
        = [&](const QByteArray &, const QByteArray &key, const QByteArray &value, const QByteArray &file) {
              return calls.append(QString::fromUtf8(file + ": " + key + '=' + value)), true;
          };
    RegisterDataSource(QStringLiteral("/srv/it's here/Records.mdb"), installer);
    QCOMPARE(calls,
             QStringList({QStringLiteral("4 SQLite3 SERVER=Quillset|DESCRIPTION=Trading|DSN=Trading|"
                                         "Database=/srv/it's here/Records.mdb||"),
                          QStringLiteral("mode 2"), QStringLiteral("Trading -> SQLite3"),
                          QStringLiteral("odbc.ini: SERVER=Quillset"), QStringLiteral("odbc.ini: DESCRIPTION=Trading"),
                          QStringLiteral("odbc.ini: Database=/srv/it's here/Records.mdb"), QStringLiteral("mode 0")}));
    RegisterDataSource(QStringLiteral("/tmp/Records.mdb"), OdbcInstaller::none()); // no library: silent
}

void TestStore::registersWithTheRealInstaller()
{
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
    QTemporaryDir program;
    QTemporaryDir user;
    const QString userFolder = user.filePath(QStringLiteral("Quillset/Quillset"));
    const QString delivered = databasePathIn(program.path());
    const QString own = databasePathIn(userFolder);
    QCOMPARE(chooseDatabasePath(program.path(), false, userFolder), own);
    QVERIFY(!QFile::exists(own)); // nothing delivered, nothing copied: opening will say so
    QVERIFY(TestDatabase::createAt(delivered));
    QCOMPARE(chooseDatabasePath(program.path(), true, userFolder), delivered);

    // Copied on the first start into a file the user can write, and never replaced afterwards.
    QCOMPARE(chooseDatabasePath(program.path(), false, userFolder), own);
    QVERIFY(QFileInfo(own).permissions().testFlag(QFileDevice::WriteOwner));
    QCOMPARE(openFailure(own), QString());
    TestDatabase::exec(QStringLiteral("INSERT INTO Cheque VALUES ('ACC1', '1', 5, 'Kept', '2026-12-06')"));
    CloseDatabase();
    chooseDatabasePath(program.path(), false, userFolder);
    QCOMPARE(openFailure(own), QString());
    QCOMPARE(TestDatabase::scalar(QStringLiteral("SELECT Pay FROM Cheque")).toString(), QStringLiteral("Kept"));
    CloseDatabase();
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_Store.moc"
