#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/base/Failure.h"
#include "core/options/DailyBackup.h"
#include "store/ChequeRegister.h"
#include "store/DataSource.h"
#include "store/Store.h"
#include "store/SystemParameters.h"

#include <QDir>
#include <QFile>
#include <unistd.h>

using namespace quillset;
using namespace quillset::test;

// The office's daily copy of a file register, on real files beside a real register.
class TestDailyBackup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keepsOneCopyADayForItsDays_data();
    void keepsOneCopyADayForItsDays();
    void refusesWhatItCannotUse_data();
    void refusesWhatItCannotUse();

private:
    QString backups() const { return m_db->folder() + QStringLiteral("/backups"); }
    QStringList backupFiles() const { return QDir(backups()).entryList(QDir::Files, QDir::Name); }
    void set(const QString &key, const QString &value) const
    {
        m_db->store().parameters().SetSystemParameter(key, value);
    }

    std::unique_ptr<TestDatabase> m_db;
};

namespace {

const QDate kToday(2026, 12, 8);

} // namespace

void TestDailyBackup::init()
{
    m_db = std::make_unique<TestDatabase>(Backend::Sqlite);
    QVERIFY(m_db->isReady());
    QVERIFY(QDir().mkpath(backups()));
    m_db->store().cheques().record({QStringLiteral("ACC1"), QStringLiteral("000101"), QStringLiteral("Kept Payee"),
                                    QDate(2026, 12, 6), Money {12345, {}}, false});
}

void TestDailyBackup::cleanup()
{
    m_db.reset();
}

void TestDailyBackup::keepsOneCopyADayForItsDays_data()
{
    QTest::addColumn<QString>("days");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");

    // The register is Records.mdb: its copies are Records-<day>.mdb, and nothing else is ever removed.
    QTest::newRow("a fortnight") << QStringLiteral(
        "14") << QStringList {QStringLiteral("Records-2026-11-24.mdb"), QStringLiteral("Records-2026-11-25.mdb")}
                                 << QStringList {QStringLiteral("Records-2026-11-25.mdb"),
                                                 QStringLiteral("Records-2026-12-08.mdb")};
    QTest::newRow("one day keeps today's alone")
        << QStringLiteral("1") << QStringList {QStringLiteral("Records-2026-12-07.mdb")}
        << QStringList {QStringLiteral("Records-2026-12-08.mdb")};
    QTest::newRow("the office's other files stay")
        << QStringLiteral("1")
        << QStringList {QStringLiteral("Other-2020-01-01.mdb"), QStringLiteral("Records-2020-01-01.mdb.txt"),
                        QStringLiteral("Records-2020-13-45.mdb"), QStringLiteral("Records-notes.mdb"),
                        QStringLiteral("records-2020-01-01.mdb")}
        << QStringList {QStringLiteral("Other-2020-01-01.mdb"),   QStringLiteral("Records-2020-01-01.mdb.txt"),
                        QStringLiteral("Records-2020-13-45.mdb"), QStringLiteral("Records-2026-12-08.mdb"),
                        QStringLiteral("Records-notes.mdb"),      QStringLiteral("records-2020-01-01.mdb")};
    QTest::newRow("a copy dated ahead by a wrong clock stays")
        << QStringLiteral("3") << QStringList {QStringLiteral("Records-2026-12-20.mdb")}
        << QStringList {QStringLiteral("Records-2026-12-08.mdb"), QStringLiteral("Records-2026-12-20.mdb")};
    QTest::newRow("today's written by another workstation is kept as it is")
        << QStringLiteral("14") << QStringList {QStringLiteral("Records-2026-12-08.mdb")}
        << QStringList {QStringLiteral("Records-2026-12-08.mdb")};
}

void TestDailyBackup::keepsOneCopyADayForItsDays()
{
    QFETCH(QString, days);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    for (const QString &name : before) {
        QFile file(QDir(backups()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("written before");
    }
    set(Parameter::BackupFolder, backups());
    set(Parameter::BackupDays, days);
    const QString today = QDir(backups()).filePath(QStringLiteral("Records-2026-12-08.mdb"));
    const bool alreadyThere = QFile::exists(today);

    const DailyBackupSettings settings = loadDailyBackupSettings(m_db->store());
    QCOMPARE(settings.keepDays, days.toInt());
    const DailyBackupOutcome outcome = runDailyBackup(m_db->store(), settings, kToday);
    QCOMPARE(backupFiles(), after);
    QCOMPARE(outcome.written, !alreadyThere);
    QCOMPARE(outcome.file, today);
    QVERIFY(outcome.notRemoved.isEmpty());
    if (!alreadyThere) {
        // The copy is a register of its own, holding the cheque.
        const std::unique_ptr<Store> copy = Store::OpenDatabase(today, OdbcInstaller::none());
        QCOMPARE(copy->cheques().between(QDate(2026, 12, 1), kToday).size(), 1);
    }

    // Run again the same day (the next start, the hourly look): nothing more is written or removed.
    const QByteArray written = [&] {
        QFile file(today);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const DailyBackupOutcome again = runDailyBackup(m_db->store(), settings, kToday);
    QVERIFY(!again.written);
    QVERIFY(again.removed.isEmpty());
    QCOMPARE(backupFiles(), after);
    QFile file(today);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), written);
}

void TestDailyBackup::refusesWhatItCannotUse_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("said");

    QTest::newRow("no folder set") << QString() << QStringLiteral("14")
                                   << QStringLiteral("No daily backup folder is set: choose one in Options.");
    QTest::newRow("a folder that is gone")
        << QStringLiteral("gone") << QStringLiteral("14") << QStringLiteral("does not exist: make it first");
    QTest::newRow("a path from nowhere") << QStringLiteral("relative") << QStringLiteral("14")
                                         << QStringLiteral("is not a whole path");
    QTest::newRow("a file, not a folder")
        << QStringLiteral("file") << QStringLiteral("14") << QStringLiteral("is a file, not a folder");
    QTest::newRow("days not a number") << QStringLiteral("backups") << QStringLiteral("fortnight")
                                       << QStringLiteral("\"BackupDays\" holds \"fortnight\"");
    QTest::newRow("no days at all") << QStringLiteral("backups") << QStringLiteral("0")
                                    << QStringLiteral("not a number of days from 1 to 3650");
    if (geteuid() != 0)
        QTest::newRow("a folder it may not write into")
            << QStringLiteral("read-only") << QStringLiteral("14") << QStringLiteral("may not write into");
}

void TestDailyBackup::refusesWhatItCannotUse()
{
    QFETCH(QString, folder);
    QFETCH(QString, days);
    QFETCH(QString, said);
    // An old copy is there to show that a failed day removes nothing.
    const QString old = QDir(backups()).filePath(QStringLiteral("Records-2020-01-01.mdb"));
    QVERIFY(QFile(old).open(QIODevice::WriteOnly));
    QString path = m_db->folder() + u'/' + folder;
    if (folder == QLatin1String("relative"))
        path = QStringLiteral("backups");
    else if (folder == QLatin1String("file"))
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    else if (folder == QLatin1String("read-only")) {
        QVERIFY(QDir().mkpath(path));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    } else if (folder.isEmpty())
        path.clear();
    set(Parameter::BackupFolder, path);
    set(Parameter::BackupDays, days);

    try {
        runDailyBackup(m_db->store(), loadDailyBackupSettings(m_db->store()), kToday);
        QFAIL("the backup was said to be written");
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(said), qPrintable(failure.description()));
    }
    QCOMPARE(backupFiles(), QStringList {QStringLiteral("Records-2020-01-01.mdb")});
    QVERIFY(QDir(m_db->folder()).entryList({QStringLiteral("Records-2026*")}).isEmpty());
}

QUILLSET_TEST_MAIN(TestDailyBackup, QCoreApplication)
#include "tst_DailyBackup.moc"
