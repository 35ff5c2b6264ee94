#include "support/TestDatabase.h"

#include "store/DataSource.h"
#include "store/Database.h"
#include "store/Failure.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

using namespace quillset;
using quillset::test::TestDatabase;

class TestDatabaseOpening : public QObject
{
    Q_OBJECT

private slots:
    void opensTheDeliveredSchema();
    void refusesFilesThatAreNotADatabase_data();
    void refusesFilesThatAreNotADatabase();
    void neverCreatesAMissingDatabase();
    void refusesADatabaseLockedByAnotherProgram();
    void refusesTextInANumberColumn();

private:
    static QString openFailure(const QString &path);
};

QString TestDatabaseOpening::openFailure(const QString &path)
{
    try {
        OpenDatabase(path, OdbcInstaller::none());
    } catch (const Failure &failure) {
        return failure.description();
    }
    return QString();
}

void TestDatabaseOpening::opensTheDeliveredSchema()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(SharedConnection().isOpen());
    QCOMPARE(TestDatabase::scalar(QStringLiteral("SELECT count(*) FROM sys_parms")).toInt(), 6);
    QCOMPARE(TestDatabase::scalar(QStringLiteral("SELECT Width || 'x' || Height FROM BankAccount")).toString(),
             QStringLiteral("20.3x9.2"));
    CloseDatabase();
    QVERIFY(!SharedConnection().isOpen());
    CloseDatabase(); // a second close is harmless
}

void TestDatabaseOpening::refusesFilesThatAreNotADatabase_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("cause");
    QByteArray access(2048, '\0');
    access.replace(0, 19, QByteArray("\x00\x01\x00\x00Standard Jet DB", 19));
    QTest::newRow("Access-format file") << access << "Access-format";
    QTest::newRow("text file") << QByteArray("cheque numbers, one per line\n").repeated(40)
                               << "not a Quillset database";
    QTest::newRow("empty SQLite file") << QByteArray() << "no table BankAccount";
}

void TestDatabaseOpening::refusesFilesThatAreNotADatabase()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, cause);
    QTemporaryDir folder;
    const QString path = databasePathIn(folder.path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    const QString message = openFailure(path);
    QVERIFY2(message.contains(path), qPrintable(message));
    QVERIFY2(message.contains(cause), qPrintable(message));
    QVERIFY(!SharedConnection().isOpen());
    QFile unchanged(path);
    QVERIFY(unchanged.open(QIODevice::ReadOnly));
    QCOMPARE(unchanged.readAll(), content);
}

void TestDatabaseOpening::neverCreatesAMissingDatabase()
{
    QTemporaryDir folder;
    const QString path = databasePathIn(folder.path());
    const QString message = openFailure(path);
    QVERIFY2(message.contains(path) && message.contains(QStringLiteral("does not exist")), qPrintable(message));
    QVERIFY(!QFile::exists(path));
    QVERIFY(openFailure(folder.path()).contains(QStringLiteral("folder")));
}

void TestDatabaseOpening::refusesADatabaseLockedByAnotherProgram()
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

        const QString message = openFailure(path);
        QVERIFY2(message.contains(QStringLiteral("locked")), qPrintable(message));
        QVERIFY(!SharedConnection().isOpen());
        lock.exec(QStringLiteral("ROLLBACK"));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("otherProgram"));
    QCOMPARE(openFailure(path), QString());
    CloseDatabase();
}

void TestDatabaseOpening::refusesTextInANumberColumn()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    QVERIFY_THROWS_EXCEPTION(
        Failure, runStatement(QStringLiteral("UPDATE BankAccount SET Width = ?"), {QStringLiteral("wide")}));
    QVERIFY_THROWS_EXCEPTION(Failure,
                             runStatement(QStringLiteral("INSERT INTO Cheque VALUES ('A', '1', 5, 'X', ?)"),
                                          {QStringLiteral("06-Dec-2026")}));
    QCOMPARE(TestDatabase::scalar(QStringLiteral("SELECT Width FROM BankAccount")).toDouble(), 20.3);
}

QTEST_GUILESS_MAIN(TestDatabaseOpening)
#include "tst_Database.moc"
