#include "store/DatabaseLocation.h"

#include "store/Database.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quillset;

class TestDatabaseLocation : public QObject
{
    Q_OBJECT

private slots:
    void writableProgramFolderKeepsTheDatabaseBesideIt();
    void readOnlyProgramFolderCopiesTheDeliveredDatabaseOnce();
    void missingDeliveredDatabaseIsLeftForOpeningToReport();

private:
    static void write(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

void TestDatabaseLocation::writableProgramFolderKeepsTheDatabaseBesideIt()
{
    QTemporaryDir program;
    QTemporaryDir user;
    write(databasePathIn(program.path()), "delivered");
    QCOMPARE(chooseDatabasePath(program.path(), true, user.path()), databasePathIn(program.path()));
    QVERIFY(!QFile::exists(databasePathIn(user.path())));
}

void TestDatabaseLocation::readOnlyProgramFolderCopiesTheDeliveredDatabaseOnce()
{
    QTemporaryDir program;
    QTemporaryDir user;
    const QString userFolder = user.filePath(QStringLiteral("Quillset/Quillset"));
    write(databasePathIn(program.path()), "delivered");
    const QString chosen = chooseDatabasePath(program.path(), false, userFolder);
    QCOMPARE(chosen, databasePathIn(userFolder));
    QCOMPARE(read(chosen), QByteArray("delivered"));
    QVERIFY(QFileInfo(chosen).permissions().testFlag(QFileDevice::WriteOwner));

    // The office's own copy is never replaced by the delivered one.
    write(chosen, "the office's register");
    QCOMPARE(chooseDatabasePath(program.path(), false, userFolder), chosen);
    QCOMPARE(read(chosen), QByteArray("the office's register"));
}

void TestDatabaseLocation::missingDeliveredDatabaseIsLeftForOpeningToReport()
{
    QTemporaryDir program;
    QTemporaryDir user;
    const QString chosen = chooseDatabasePath(program.path(), false, user.path());
    QCOMPARE(chosen, databasePathIn(user.path()));
    QVERIFY(!QFile::exists(chosen));
}

QTEST_GUILESS_MAIN(TestDatabaseLocation)
#include "tst_DatabaseLocation.moc"
