#include "store/DataSource.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace quillset;

class TestDataSource : public QObject
{
    Q_OBJECT

private slots:
    void asksTheInstallerForTheTradingSystemSource();
    void writesTheEntryItselfWhenTheDriverHasNoSetup();
    void missingInstallerIsSilent();
    void registersWithTheRealInstaller();
};

void TestDataSource::asksTheInstallerForTheTradingSystemSource()
{
    QList<std::tuple<int, QByteArray, QByteArray>> calls;
    OdbcInstaller installer;
    installer.configDataSource = [&](int request, const QByteArray &driver, const QByteArray &attributes) {
        calls.append({request, driver, attributes});
        return true;
    };
    RegisterDataSource(QStringLiteral("/srv/cheques/Records.mdb"), installer);
    RegisterDataSource(QStringLiteral("/srv/cheques/Records.mdb"), installer);

    static const char raw[] = "SERVER=Quillset\0DESCRIPTION=Trading\0DSN=Trading\0"
                              "Database=/srv/cheques/Records.mdb\0\0";
    const QByteArray expected(raw, sizeof(raw) - 1);
    QCOMPARE(calls.size(), 2); // every start registers again
    QCOMPARE(std::get<0>(calls.first()), 4);
    QCOMPARE(std::get<1>(calls.first()), QByteArray("SQLite3"));
    QCOMPARE(std::get<2>(calls.first()), expected);
}

void TestDataSource::writesTheEntryItselfWhenTheDriverHasNoSetup()
{
    QStringList log;
    OdbcInstaller installer;
    installer.configDataSource = [](int, const QByteArray &, const QByteArray &) { return false; };
    installer.setConfigMode = [&](int mode) {
        log.append(QStringLiteral("mode %1").arg(mode));
        return true;
    };
    installer.writeDataSourceToIni = [&](const QByteArray &dsn, const QByteArray &driver) {
        log.append(QString::fromUtf8(dsn + " -> " + driver));
        return true;
    };
    installer.writeProfileString
        = [&](const QByteArray &section, const QByteArray &key, const QByteArray &value, const QByteArray &file) {
              log.append(QString::fromUtf8(file + ":[" + section + "] " + key + "=" + value));
              return true;
          };
    RegisterDataSource(QStringLiteral("/srv/it's here/Records.mdb"), installer);
    QCOMPARE(log,
             QStringList({QStringLiteral("mode 2"), QStringLiteral("Trading -> SQLite3"),
                          QStringLiteral("odbc.ini:[Trading] SERVER=Quillset"),
                          QStringLiteral("odbc.ini:[Trading] DESCRIPTION=Trading"),
                          QStringLiteral("odbc.ini:[Trading] Database=/srv/it's here/Records.mdb"),
                          QStringLiteral("mode 0")}));
}

void TestDataSource::missingInstallerIsSilent()
{
    RegisterDataSource(QStringLiteral("/tmp/Records.mdb"), OdbcInstaller::none());
}

void TestDataSource::registersWithTheRealInstaller()
{
    const QString odbcinst = QStandardPaths::findExecutable(QStringLiteral("odbcinst"));
    QVERIFY2(!odbcinst.isEmpty(), "odbcinst (Debian package odbcinst) is not installed");
    QTemporaryDir config;
    // The installer looks up the driver and writes the source in the folder ODBCSYSINI names.
    QFile drivers(config.filePath(QStringLiteral("odbcinst.ini")));
    QVERIFY(drivers.open(QIODevice::WriteOnly));
    drivers.write("[SQLite3]\nDescription=SQLite3 ODBC Driver\nDriver=libsqlite3odbc.so\nSetup=libsqlite3odbc.so\n");
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
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ODBCSYSINI"), config.path());
    query.setProcessEnvironment(environment);
    query.start(odbcinst,
                {QStringLiteral("-q"), QStringLiteral("-s"), QStringLiteral("-n"), QStringLiteral("Trading")});
    QVERIFY(query.waitForFinished(10000));
    const QString listed = QString::fromLocal8Bit(query.readAllStandardOutput());
    QVERIFY2(listed.contains(QStringLiteral("Database=") + database), qPrintable(listed));
    QVERIFY2(listed.contains(QStringLiteral("Driver=SQLite3")), qPrintable(listed));
}

QTEST_GUILESS_MAIN(TestDataSource)
#include "tst_DataSource.moc"
