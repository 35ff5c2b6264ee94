#include "support/TestDatabase.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace quillset::test;

// Starts the real program, as an operator would, and reads what it says on standard error.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void unusableDatabaseIsNamedAndEndsTheProgram_data();
    void unusableDatabaseIsNamedAndEndsTheProgram();
    void noDisplayIsSaidPlainly();
};

void TestStartup::unusableDatabaseIsNamedAndEndsTheProgram_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<QString>("cause");
    QByteArray access(4096, '\0');
    access.replace(4, 15, QByteArray("Standard Jet DB"));
    QTest::newRow("missing") << QByteArray() << "does not exist";
    QTest::newRow("Access format") << access << "Access-format";
    QTest::newRow("damaged") << QByteArray("SQLite format 3\0garbage garbage garbage", 40).repeated(200) << "damaged";
}

void TestStartup::unusableDatabaseIsNamedAndEndsTheProgram()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, cause);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Records.mdb"));
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QProcess program;
    program.start(QStringLiteral(QUILLSET_PROGRAM), {QStringLiteral("--database"), path});
    QVERIFY(program.waitForFinished(30000));
    const QString said = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(said.contains(path) && said.contains(cause), qPrintable(said));
    QCOMPARE(QFile::exists(path), !content.isEmpty());
}

void TestStartup::noDisplayIsSaidPlainly()
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLSET_PROGRAM), {});
    QVERIFY(program.waitForFinished(30000));
    const QString said = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(said.contains(QStringLiteral("no display")), qPrintable(said));
    QVERIFY(!said.contains(QStringLiteral("platform plugin")));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_Startup.moc"
