#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// Installs the program with cmake --install into a temporary prefix and runs the installed copy.
class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installsTheProgramItsFilesAndADesktopEntry();
    void reinstallingKeepsTheOfficesData();
    void readOnlyInstallKeepsDataInTheUsersFolder();

private:
    bool install();
    int runInstalled(const QStringList &arguments, const QStringList &runAs = {},
                     const QProcessEnvironment &extra = {});
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }
    static int registerRows(const QString &database);

    QTemporaryDir m_prefix;
    QString m_said;
};

void TestInstall::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QFile::setPermissions(m_prefix.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                              | QFileDevice::ReadOther | QFileDevice::ExeOther | QFileDevice::ReadGroup
                              | QFileDevice::ExeGroup);
    QVERIFY2(install(), qPrintable(m_said));
}

bool TestInstall::install()
{
    QProcess cmake;
    cmake.start(
        QStringLiteral(QUILLSET_CMAKE),
        {QStringLiteral("--install"), QStringLiteral(QUILLSET_BUILD_DIR), QStringLiteral("--prefix"), m_prefix.path()});
    const bool done = cmake.waitForFinished(120000) && cmake.exitCode() == 0;
    m_said = QString::fromLocal8Bit(cmake.readAllStandardOutput() + cmake.readAllStandardError());
    return done;
}

int TestInstall::runInstalled(const QStringList &arguments, const QStringList &runAs, const QProcessEnvironment &extra)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(extra);
    program.setProcessEnvironment(environment);
    const QString command = installed(QStringLiteral("bin/quillset"));
    if (runAs.isEmpty())
        program.start(command, arguments);
    else
        program.start(runAs.first(), runAs.mid(1) + QStringList {command} + arguments);
    if (!program.waitForFinished(60000))
        return -1;
    m_said = QString::fromLocal8Bit(program.readAllStandardError());
    return program.exitCode();
}

int TestInstall::registerRows(const QString &database)
{
    int rows = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(database);
        if (db.open()) {
            QSqlQuery count(QStringLiteral("SELECT count(*) FROM Cheque"), db);
            rows = count.next() ? count.value(0).toInt() : -1;
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return rows;
}

void TestInstall::installsTheProgramItsFilesAndADesktopEntry()
{
    for (const char *file : {"lib/quillset/quillset", "lib/quillset/Records.mdb", "lib/quillset/rptCheque.rpt",
                             "share/applications/quillset.desktop", "share/icons/hicolor/64x64/apps/quillset.png"})
        QVERIFY2(QFile::exists(installed(QString::fromLatin1(file))), file);
    QCOMPARE(QFileInfo(installed(QStringLiteral("bin/quillset"))).canonicalFilePath(),
             QFileInfo(installed(QStringLiteral("lib/quillset/quillset"))).canonicalFilePath());
    QFile desktop(installed(QStringLiteral("share/applications/quillset.desktop")));
    QVERIFY(desktop.open(QIODevice::ReadOnly));
    const QByteArray entry = desktop.readAll();
    QVERIFY(entry.contains("Exec=quillset\n") && entry.contains("Icon=quillset\n")
            && entry.contains("Type=Application"));

    // The installed program finds its database and prints a proof from it.
    const QString proof = m_prefix.filePath(QStringLiteral("proof.pdf"));
    QCOMPARE(runInstalled({QStringLiteral("--pdf"), proof, QStringLiteral("--account"), QStringLiteral("ACC1"),
                           QStringLiteral("--cheque"), QStringLiteral("1"), QStringLiteral("--pay"),
                           QStringLiteral("X"), QStringLiteral("--date"), QStringLiteral("06-Dec-2026"),
                           QStringLiteral("--amount"), QStringLiteral("5")}),
             0);
    QVERIFY2(QFile::exists(proof), qPrintable(m_said));
}

void TestInstall::reinstallingKeepsTheOfficesData()
{
    const QString database = installed(QStringLiteral("lib/quillset/Records.mdb"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("office"));
        db.setDatabaseName(database);
        QVERIFY(db.open());
        QSqlQuery insert(db);
        QVERIFY(insert.exec(QStringLiteral("INSERT INTO Cheque VALUES ('ACC1', '7', 5, 'Kept', '2026-12-06')")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("office"));
    QFile report(installed(QStringLiteral("lib/quillset/rptCheque.rpt")));
    QVERIFY(report.open(QIODevice::Append));
    report.write("; the office's own change\n");
    report.close();

    QVERIFY2(install(), qPrintable(m_said));
    QCOMPARE(registerRows(database), 1);
    QVERIFY(report.open(QIODevice::ReadOnly));
    QVERIFY(report.readAll().contains("the office's own change"));
}

void TestInstall::readOnlyInstallKeepsDataInTheUsersFolder()
{
    if (geteuid() != 0)
        QSKIP("Needs root, to run the installed program as another user for whom its folder is read-only.");
    // A user who cannot write the program's folder: the program keeps that user's database in their
    // own data folder, copied from the delivered one on the first start.
    QTemporaryDir home;
    QFile::setPermissions(home.path(),
                          QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther
                              | QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment user;
    user.insert(QStringLiteral("HOME"), home.path());
    user.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    user.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    const QString proof = home.filePath(QStringLiteral("proof.pdf"));
    const QStringList cheque = {QStringLiteral("--pdf"),     proof,
                                QStringLiteral("--account"), QStringLiteral("ACC1"),
                                QStringLiteral("--cheque"),  QStringLiteral("1"),
                                QStringLiteral("--pay"),     QStringLiteral("X"),
                                QStringLiteral("--date"),    QStringLiteral("06-Dec-2026"),
                                QStringLiteral("--amount"),  QStringLiteral("5")};
    const QStringList asNobody = {QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"),
                                  QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups")};
    QCOMPARE(runInstalled(cheque, asNobody, user), 0);
    const QString own = home.filePath(QStringLiteral("data/Quillset/Quillset/Records.mdb"));
    QVERIFY2(QFile::exists(own), qPrintable(m_said));
    QCOMPARE(registerRows(own), registerRows(installed(QStringLiteral("lib/quillset/Records.mdb"))));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_Install.moc"
