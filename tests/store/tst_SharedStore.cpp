#include "doubles/RecordingQueue.h"
#include "support/DataRows.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/base/Failure.h"
#include "core/issue/ChequeLife.h"
#include "core/layout/PageMetrics.h"
#include "core/options/OptionSettings.h"
#include "store/Connection.h"
#include "store/DataSource.h"
#include "store/Dialect.h"
#include "store/PostgresDialect.h"
#include "store/Schema.h"
#include "store/Store.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>
#include <csignal>
#include <thread>

using namespace quillset;
using namespace quillset::test;

// The register shared by several workstations, on the test run's private PostgreSQL server: each
// workstation is a store of its own (a connection of its own), or a real program started beside it.
class TestSharedStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void initialisedOnlyWhenAsked();
    void aUserWithoutRightsIsToldWhichAreMissing();
    void upgradesARegisterOfAnEarlierRelease();
    void twoWorkstationsNeverShareANumber_data();
    void twoWorkstationsNeverShareANumber();
    void editsFromTwoPlacesWriteNothingOverTheOther();
    void serverFaultsAreSaidAndPrintNothing_data();
    void serverFaultsAreSaidAndPrintNothing();
    void copiesAnOfficeToTheServerAndBack();
    void copyRefusesATargetThatHoldsData_data();
    void copyRefusesATargetThatHoldsData();
    void copyRefusesASourceThatDisagreesWithItsHistory();

private:
    static std::unique_ptr<Store> open(const QString &location, int timeoutSeconds = 10);
    static QString openFailure(const QString &location);
    int run(const QStringList &arguments);
    static QString dump(const Store &store, const QString &table, const QString &order);

    QString m_said;
};

void TestSharedStore::initTestCase()
{
    if (testServerSocket().isEmpty())
        QFAIL("no private PostgreSQL server: run this through ctest, which starts one");
}

std::unique_ptr<Store> TestSharedStore::open(const QString &location, int timeoutSeconds)
{
    try {
        return Store::OpenDatabase(location, OdbcInstaller::none(), StoreOptions {timeoutSeconds});
    } catch (const Failure &failure) {
        qWarning("%s", failure.what());
        return nullptr;
    }
}

QString TestSharedStore::openFailure(const QString &location)
{
    try {
        Store::OpenDatabase(location, OdbcInstaller::none());
    } catch (const Failure &failure) {
        return failure.description();
    }
    return QString();
}

int TestSharedStore::run(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("/nonexistent/cups.sock"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUILLSET_PROGRAM), arguments);
    if (!process.waitForFinished(120000))
        return -1;
    m_said = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
    return process.exitCode();
}

QString TestSharedStore::dump(const Store &store, const QString &table, const QString &order)
{
    // Every column of every row as text, in the table's own column order by name, so that a file and a
    // server database can be compared whatever order their columns were added in. A cheque's amount
    // is compared as its count of the smallest unit: a server keeps it as a decimal.
    const bool cheques = table == QLatin1String("Cheque");
    const Connection &connection = store.SharedConnection();
    QSqlQuery query
        = connection.run(cheques ? QStringLiteral("SELECT c.*, %1 AS AmountUnits FROM Cheque AS c ORDER BY %2")
                                       .arg(connection.dialect().amountUnits(QStringLiteral("c")), order)
                                 : QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(table, order));
    QStringList rows;
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < query.record().count(); ++i) {
            if (cheques && query.record().fieldName(i).compare(QLatin1String("Amount"), Qt::CaseInsensitive) == 0)
                continue;
            const QVariant value = query.value(i);
            QString text = value.isNull()                ? QStringLiteral("NULL")
                : value.typeId() == QMetaType::QDateTime ? value.toDateTime().toUTC().toString(Qt::ISODate)
                                                         : value.toString();
            bool isNumber = false;
            const double number = text.toDouble(&isNumber);
            if (isNumber)
                text = QString::number(number, 'g', 15);
            fields << query.record().fieldName(i).toLower() + u'=' + text;
        }
        fields.sort();
        rows << fields.join(u'|');
    }
    return rows.join(u'\n');
}

void TestSharedStore::initialisedOnlyWhenAsked()
{
    const ServerDatabase server;
    QVERIFY(server.isReady());
    // An empty database is never made a Quillset one by opening it.
    QVERIFY2(openFailure(server.location()).contains(QStringLiteral("--initialise")),
             qPrintable(openFailure(server.location())));
    QVERIFY(Store::isUninitialised(server.location()));

    QCOMPARE(run({QStringLiteral("--database"), server.location(), QStringLiteral("--initialise")}), 0);
    QVERIFY2(m_said.contains(QStringLiteral("Made the new database")), qPrintable(m_said));
    {
        const std::unique_ptr<Store> store = open(server.location());
        QVERIFY(store);
        QCOMPARE(scalar(*store, QStringLiteral("SELECT max(version) FROM quillset_schema")).toInt(), schemaVersion());
        QCOMPARE(scalar(*store, QStringLiteral("SELECT count(*) FROM BankAccount")).toInt(), 0);
        QCOMPARE(store->parameters().printTimeoutSeconds(), 60);
        QVERIFY(store->isShared());
    }
    // Never twice over the same database.
    QCOMPARE(run({QStringLiteral("--database"), server.location(), QStringLiteral("--initialise")}), 1);
    QVERIFY2(m_said.contains(QStringLiteral("holds tables already")), qPrintable(m_said));

    // A database a newer program made is refused and left as it is.
    {
        const std::unique_ptr<Store> store = open(server.location());
        QVERIFY(store);
        exec(*store, QStringLiteral("UPDATE quillset_schema SET version = 99"));
    }
    QVERIFY(openFailure(server.location()).contains(QStringLiteral("version 99")));
    QVERIFY(openFailure(server.location()).contains(QStringLiteral("version 99"))); // still as it was
}

void TestSharedStore::aUserWithoutRightsIsToldWhichAreMissing()
{
    const TestDatabase db(Backend::Postgres);
    QVERIFY(db.isReady());
    const QString name = db.path().section(u'/', 3).section(u'?', 0, 0);
    const QString clerk = name + QStringLiteral("_clerk");
    QCOMPARE(administer(QStringLiteral("CREATE ROLE %1 LOGIN").arg(clerk)), QString());
    QString location = db.path();
    location.replace(QStringLiteral("postgresql://quillset@"), QStringLiteral("postgresql://%1@").arg(clerk));
    // Tables it may not use are still there: it is never sent to make them again.
    const QString none = openFailure(location);
    QVERIFY2(none.contains(QStringLiteral("lacks rights it needs: SELECT, INSERT, UPDATE, DELETE on bankaccount"))
                 && !none.contains(QStringLiteral("--initialise")),
             qPrintable(none));
    db.exec(QStringLiteral("GRANT SELECT ON ALL TABLES IN SCHEMA public TO %1").arg(clerk));
    const QString readOnly = openFailure(location);
    QVERIFY2(readOnly.contains(QStringLiteral("INSERT, UPDATE, DELETE on cheque;"))
                 && !readOnly.contains(QStringLiteral("quillset_schema")),
             qPrintable(readOnly));
    db.exec(QStringLiteral("REVOKE ALL ON ALL TABLES IN SCHEMA public FROM %1").arg(clerk));
    administer(QStringLiteral("DROP ROLE %1").arg(clerk));
}

// A register on the server as the release of version 4 left it, made by the program's own steps up
// to then and used by an office, is upgraded keeping every row and every value it held.
void TestSharedStore::upgradesARegisterOfAnEarlierRelease()
{
    const ServerDatabase server;
    QVERIFY(server.isReady());
    const QStringList reads = {
        QStringLiteral("SELECT Id, BankID, BankName, Width, CrossWidth, AmountStyle, CurrencyName, SubunitDigits "
                       "FROM BankAccount ORDER BY Id"),
        QStringLiteral("SELECT Id, BankID, ChequeNo, Amount, Pay, PrintDate, Status, Reason, NumberKey, Duplicate "
                       "FROM Cheque ORDER BY Id"),
        QStringLiteral("SELECT Id, BankID, FirstLeaf, LastLeaf, Received, Retired FROM ChequeBook ORDER BY Id"),
        QStringLiteral("SELECT BankID, Pay, LastId FROM PayeeUse ORDER BY BankID, Pay"),
        QStringLiteral("SELECT Description, Value FROM sys_parms WHERE Description IN ('CompanyName', 'CBTop', "
                       "'PrintTimeout', 'LowLeaves') ORDER BY Description"),
    };
    const auto read = [&reads](const Connection &connection) {
        QStringList found;
        for (const QString &sql : reads) {
            QSqlQuery query = connection.run(sql);
            while (connection.next(query)) {
                QStringList fields;
                for (int i = 0; i < query.record().count(); ++i)
                    fields << (query.value(i).isNull() ? QStringLiteral("NULL") : query.value(i).toString());
                found << fields.join(u'|');
            }
        }
        return found;
    };
    QStringList before;
    {
        const Connection connection(std::make_unique<PostgresDialect>(server.location(), 10));
        createSchema(connection, true, 4);
        for (const QString &sql : {
                 QStringLiteral("INSERT INTO BankAccount (BankID, BankName, Width, Height, AmountStyle, CurrencyName, "
                                "SubunitName, SubunitDigits) VALUES ('SBI-2', 'State Bank of India', 20.2, 9.1, "
                                "'Indian', 'Rupees', 'Paise', 2)"),
                 QStringLiteral("UPDATE BankAccount SET CrossLeft = 1, CrossTop = 0.5, CrossWidth = 4, CrossHeight "
                                "= 1.2 WHERE BankID = 'ACC1'"),
                 QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES ('ACC1', "
                                "'000120', 1500, 'Ramesh Traders', '2026-11-02'), ('ACC1', '000121', 250000, "
                                "'A \"Quoted\" Payee', '2026-11-03'), ('SBI-2', '7', 75000, 'Landlord', "
                                "'2026-12-02')"),
                 QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, Status, Reason) VALUES "
                                "('SBI-2', '8', 0, '', '2026-12-05', 'spoiled', 'Torn')"),
                 QStringLiteral("INSERT INTO ChequeBook (BankID, FirstLeaf, LastLeaf, Received) VALUES ('ACC1', "
                                "'000100', '000149', '2026-10-30')"),
                 QStringLiteral("INSERT INTO PayeeUse (BankID, Pay, LastId) VALUES ('ACC1', 'Ramesh Traders', 1)"),
                 QStringLiteral("UPDATE sys_parms SET Value = '-0.2cm' WHERE Description = 'CBTop'"),
             })
            connection.run(sql);
        QCOMPARE(connection.dialect().schemaVersion(connection), 4);
        before = read(connection);
    }
    QCOMPARE(before.size(), 2 + 4 + 1 + 1 + 4);
    QCOMPARE(before.constFirst().section(u'|', 0, 2), QStringLiteral("1|ACC1|Sample Bank"));

    const std::unique_ptr<Store> store = open(server.location());
    QVERIFY(store);
    QCOMPARE(scalar(*store, QStringLiteral("SELECT max(version) FROM quillset_schema")).toInt(), schemaVersion());
    QCOMPARE(read(store->SharedConnection()), before);
    QCOMPARE(store->accounts().codes(), QStringList({QStringLiteral("ACC1"), QStringLiteral("SBI-2")}));
    QCOMPARE(store->cheques().between(QDate(2026, 11, 1), QDate(2026, 12, 31)).size(), 4);
    QCOMPARE(store->parameters().dateRules(QDate(2026, 12, 6)).staleMonths, 3);
}

void TestSharedStore::twoWorkstationsNeverShareANumber_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    row("the same number", "000100", "000100");
    row("the same value, written otherwise", "000100", "100");
}

void TestSharedStore::twoWorkstationsNeverShareANumber()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    const TestDatabase db(Backend::Postgres);
    QVERIFY(db.isReady());
    const std::unique_ptr<Store> other = open(db.path());
    QVERIFY(other);
    PageMetrics metrics;
    BlockingWaiter waiter;
    RecordingQueue queueHere;
    RecordingQueue queueThere;
    queueHere.statuses = {{JobStatus::State::Printing, true, QString()}}; // stays pending while the other prints
    db.store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QStringLiteral("1"));
    const Cheque here {QStringLiteral("ACC1"), first,           QStringLiteral("First Payee"),
                       QDate(2026, 12, 7),     Money {100, {}}, false};
    const Cheque there {QStringLiteral("ACC1"), second,          QStringLiteral("Second Payee"),
                        QDate(2026, 12, 7),     Money {200, {}}, false};

    const IssueOutcome pending
        = issueCheque(here, {db.store(), queueHere, metrics, waiter, nullptr, QStringLiteral("desk-1 (asha)")});
    QCOMPARE(int(pending.kind), int(IssueOutcome::Kind::Unknown));
    const IssueOutcome clash
        = issueCheque(there, {*other, queueThere, metrics, waiter, nullptr, QStringLiteral("desk-2 (ravi)")});
    QCOMPARE(int(clash.kind), int(IssueOutcome::Kind::NotPrinted));
    QVERIFY2(clash.message.contains(QStringLiteral("nothing was printed. The next number is 000101")),
             qPrintable(clash.message));
    QCOMPARE(queueThere.jobs.size(), 0);
    // The other workstation's settling place shows who holds the pending cheque.
    const QList<RegisterEntry> seen = other->cheques().rowsOf(QStringLiteral("ACC1"), 10);
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().status, ChequeStatus::Pending);
    QCOMPARE(seen.first().workstation, QStringLiteral("desk-1 (asha)"));

    // The next number goes past the pending one on either workstation.
    const IssueOutcome next
        = issueNextCheque(there, {*other, queueThere, metrics, waiter, nullptr, QStringLiteral("desk-2 (ravi)")});
    QCOMPARE(int(next.kind), int(IssueOutcome::Kind::Printed));
    QCOMPARE(next.number, QStringLiteral("000101"));
    QCOMPARE(
        db.joined(QStringLiteral("SELECT ChequeNo || ' ' || Status || ' ' || Workstation FROM Cheque ORDER BY Id")),
        QStringLiteral("%1 pending desk-1 (asha), %2 printed desk-2 (ravi)").arg(first, next.number));
}

void TestSharedStore::editsFromTwoPlacesWriteNothingOverTheOther()
{
    const TestDatabase db(Backend::Postgres);
    QVERIFY(db.isReady());
    const std::unique_ptr<Store> other = open(db.path());
    QVERIFY(other);

    // Settings: read here, changed there, then saved here.
    QStringList unreadable;
    StoredSettings read;
    OptionSettings settings = loadOptionSettings(db.store(), unreadable, &read);
    other->parameters().SetSystemParameter(Parameter::CompanyName, QStringLiteral("Changed Elsewhere Ltd"));
    settings.companyName = QStringLiteral("Written Here Ltd");
    settings.calibrationLeft = QStringLiteral("0.4");
    try {
        saveOptionSettings(db.store(), settings, read);
        QFAIL("settings changed elsewhere were written over");
    } catch (const Failure &failure) {
        QCOMPARE(failure.number(), ErrorNumber::StaleRecord);
    }
    QCOMPARE(db.store().parameters().GetSystemParameter(Parameter::CompanyName),
             QStringLiteral("Changed Elsewhere Ltd"));
    QCOMPARE(db.store().parameters().GetSystemParameter(Parameter::CalibrationLeft), QStringLiteral("0")); // none of it
    // Read again, the save goes through.
    settings = loadOptionSettings(db.store(), unreadable, &read);
    settings.calibrationLeft = QStringLiteral("0.4");
    saveOptionSettings(db.store(), settings, read);
    QCOMPARE(other->parameters().GetSystemParameter(Parameter::CalibrationLeft), QStringLiteral("0.4"));

    // An account: read here, its width changed there, then edited here.
    const BankAccountRecord loaded = *db.store().accounts().find(QStringLiteral("ACC1"));
    BankAccountRecord changedThere = loaded;
    changedThere.bankName = QStringLiteral("Renamed Bank");
    other->accounts().update(loaded, changedThere);
    BankAccountRecord edited = loaded;
    edited.city = QStringLiteral("Pune");
    QVERIFY_THROWS_EXCEPTION(Failure, db.store().accounts().update(loaded, edited));
    const BankAccountRecord stored = *other->accounts().find(QStringLiteral("ACC1"));
    QCOMPARE(stored.bankName, QStringLiteral("Renamed Bank"));
    QCOMPARE(stored.city, loaded.city);
}

void TestSharedStore::serverFaultsAreSaidAndPrintNothing_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("said");
    row("connection dropped, then back", "dropped", "");
    row("database made read-only", "read-only", "nothing was printed");
    row("register locked by another workstation", "locked", "nothing was printed");
    row("server stops answering mid-print", "frozen", "did not answer within 2 seconds");
}

void TestSharedStore::serverFaultsAreSaidAndPrintNothing()
{
    QFETCH(QString, fault);
    QFETCH(QString, said);
    const TestDatabase db(Backend::Postgres);
    QVERIFY(db.isReady());
    const QString name = db.path().section(u'/', 3).section(u'?', 0, 0);
    const std::unique_ptr<Store> store = open(db.path(), 2);
    QVERIFY(store);
    QSqlDatabase holder;
    std::optional<QSqlQuery> holding;
    // A frozen server process: it takes the request and never answers, until it is let go.
    std::atomic<qint64> frozen = 0;
    std::jthread thaw;
    if (fault == QLatin1String("frozen")) {
        frozen = scalar(*store, QStringLiteral("SELECT pg_backend_pid()")).toLongLong();
        QCOMPARE(::kill(static_cast<pid_t>(frozen), SIGSTOP), 0);
        thaw = std::jthread([&frozen](const std::stop_token &stop) {
            for (int i = 0; i < 300 && !stop.stop_requested(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            ::kill(static_cast<pid_t>(frozen.load()), SIGCONT);
        });
    } else if (fault == QLatin1String("dropped") || fault == QLatin1String("read-only")) {
        if (fault == QLatin1String("read-only"))
            QCOMPARE(administer(QStringLiteral("ALTER DATABASE %1 SET default_transaction_read_only = on").arg(name)),
                     QString());
        QCOMPARE(administer(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = "
                                           "'%1' AND pid <> pg_backend_pid()")
                                .arg(name)),
                 QString());
    } else {
        holder = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("holder"));
        holder.setHostName(testServerSocket());
        holder.setUserName(QStringLiteral("quillset"));
        holder.setDatabaseName(name);
        QVERIFY(holder.open());
        holding.emplace(holder);
        QVERIFY(holding->exec(QStringLiteral("BEGIN")));
        QVERIFY(holding->exec(QStringLiteral("LOCK TABLE Cheque IN ACCESS EXCLUSIVE MODE")));
    }

    PageMetrics metrics;
    BlockingWaiter waiter;
    RecordingQueue queue;
    QElapsedTimer clock;
    clock.start();
    const IssueOutcome outcome
        = issueCheque({QStringLiteral("ACC1"), QStringLiteral("000300"), QStringLiteral("A Payee"), QDate(2026, 12, 7),
                       Money {5000, {}}, false},
                      {*store, queue, metrics, waiter, nullptr, QStringLiteral("desk-1 (asha)")});
    QVERIFY2(clock.elapsed() < 8000, qPrintable(QString::number(clock.elapsed()))); // within the store's limit
    if (thaw.joinable()) {
        thaw.request_stop();
        thaw.join();
    }
    if (said.isEmpty()) {
        // The program reaches the server again by itself and the cheque goes through.
        QCOMPARE(int(outcome.kind), int(IssueOutcome::Kind::Printed));
        QCOMPARE(db.joined(QStringLiteral("SELECT ChequeNo || ' ' || Status FROM Cheque")),
                 QStringLiteral("000300 printed"));
        return;
    }
    QCOMPARE(int(outcome.kind), int(IssueOutcome::Kind::NotPrinted));
    QVERIFY2(outcome.message.contains(said), qPrintable(outcome.message));
    QCOMPARE(queue.jobs.size(), 0);
    if (holding) {
        holding->exec(QStringLiteral("ROLLBACK"));
        holding.reset();
        holder.close();
    }
    if (fault == QLatin1String("read-only"))
        administer(QStringLiteral("ALTER DATABASE %1 RESET default_transaction_read_only").arg(name));
    QCOMPARE(db.joined(QStringLiteral("SELECT ChequeNo FROM Cheque")), QString());
}

namespace {

// A cheque's last history entry as an auditor reads it: when, by whom, what and why.
QString lastEntry(const Store &store, const QString &number)
{
    const HistoryEvent last
        = store.history().ofCheque(store.cheques().findNumber(QStringLiteral("ACC1"), number)->id).last();
    return QStringList {last.at.toUTC().toString(Qt::ISODateWithMs), last.osUser, last.workstation, last.action,
                        last.reason}
        .join(u'|');
}

} // namespace

void TestSharedStore::copiesAnOfficeToTheServerAndBack()
{
    const TestDatabase office(Backend::Sqlite);
    QVERIFY(office.isReady());
    const Store &file = office.store();
    // An office's register: printed, pending, spoiled and void rows on two accounts, edited settings.
    BankAccountRecord second = *file.accounts().find(QStringLiteral("ACC1"));
    second.bankId = QStringLiteral("HDFC2");
    second.bankName = QStringLiteral("Second Bank; \"quoted\"");
    // The second account's money has paise: its amounts are kept otherwise on a server than in a file.
    second.money.subunitDigits = 2;
    file.accounts().insert(second);
    for (int i = 1; i <= 40; ++i)
        file.cheques().record({i % 2 ? QStringLiteral("ACC1") : QStringLiteral("HDFC2"),
                               QStringLiteral("%1").arg(i, 6, 10, QChar(u'0')),
                               QStringLiteral("Payee %1, Śrī ₹").arg(i), QDate(2026, 11, 1).addDays(i % 30),
                               Money {1000 * i + 1, i % 2 ? MoneyStyle {} : second.money}, false});
    const qint64 pending
        = file.cheques().addPending({QStringLiteral("ACC1"), QStringLiteral("000041"), QStringLiteral("Pending Payee"),
                                     QDate(2026, 12, 7), Money {77, {}}, false},
                                    QStringLiteral("desk-1 (asha)"));
    file.cheques().addSpoiledLeaf(QStringLiteral("ACC1"), QStringLiteral("000042"), QDate(2026, 12, 7),
                                  QStringLiteral("jammed"));
    file.cheques().markVoid(file.cheques().findNumber(QStringLiteral("ACC1"), QStringLiteral("000003"))->id,
                            QStringLiteral("lost in the post"));
    file.parameters().SetSystemParameter(Parameter::CompanyName, QStringLiteral("Moving Office Pvt. Ltd."));
    file.parameters().SetSystemParameter(Parameter::CalibrationLeft, QStringLiteral("0.35"));
    file.books().add(
        {0, QStringLiteral("ACC1"), QStringLiteral("000001"), QStringLiteral("000050"), QDate(2026, 10, 30), false});
    file.calibrations().set({QStringLiteral("Front_Desk"), QStringLiteral("-0.2"), QStringLiteral("0.15")});
    QVERIFY(pending > 0);

    const ServerDatabase server;
    QVERIFY(server.isReady());
    QCOMPARE(run({QStringLiteral("--copy-database"), office.path(), server.location()}), 0);
    QVERIFY2(m_said.contains(QRegularExpression(QStringLiteral("Cheque +42 rows in FROM, +42 rows in TO"))),
             qPrintable(m_said));
    QVERIFY2(m_said.contains(QRegularExpression(QStringLiteral("BankAccount +2 rows in FROM, +2 rows in TO"))),
             qPrintable(m_said));

    const QString back = office.folder() + QStringLiteral("/Back.mdb");
    {
        const std::unique_ptr<Store> shared = open(server.location());
        QVERIFY(shared);
        for (const auto &[table, order] :
             {std::pair {QStringLiteral("BankAccount"), QStringLiteral("Id")},
              std::pair {QStringLiteral("Cheque"), QStringLiteral("Id")},
              std::pair {QStringLiteral("sys_parms"), QStringLiteral("Description")},
              std::pair {QStringLiteral("ChequeBook"), QStringLiteral("Id")},
              std::pair {QStringLiteral("PayeeUse"), QStringLiteral("BankID, Pay")},
              std::pair {QStringLiteral("PrinterCalibration"), QStringLiteral("QueueName")}})
            QCOMPARE(dump(*shared, table, order), dump(file, table, order));
        // New rows on the server follow the copied ones, and the copied numbers are still taken.
        shared->cheques().record({QStringLiteral("ACC1"), QStringLiteral("000043"), QStringLiteral("After The Move"),
                                  QDate(2026, 12, 8), Money {9, {}}, false});
        const qint64 added = scalar(*shared, QStringLiteral("SELECT max(Id) FROM Cheque")).toLongLong();
        QVERIFY2(added > pending + 1, qPrintable(QString::number(added)));
        QVERIFY_THROWS_EXCEPTION(
            Failure,
            shared->cheques().record({QStringLiteral("ACC1"), QStringLiteral("41"), QStringLiteral("Twice"),
                                      QDate(2026, 12, 8), Money {9, {}}, false}));
        QCOMPARE(offeredNumber(*shared, QStringLiteral("ACC1")), QStringLiteral("000044"));
        // The history came along: who voided a cheque, and why, is known on the server too.
        const RegisterCheck check = shared->history().verify();
        QVERIFY2(check.isClean(), qPrintable(check.brokenLink + check.differences.join(u'\n')));
        QCOMPARE(lastEntry(*shared, QStringLiteral("000003")), lastEntry(file, QStringLiteral("000003")));
    }
    // And back to a file, as an office leaving the server would.
    QCOMPARE(run({QStringLiteral("--copy-database"), server.location(), back}), 0);
    QVERIFY2(m_said.contains(QRegularExpression(QStringLiteral("Cheque +43 rows in FROM, +43 rows in TO"))),
             qPrintable(m_said));
    const std::unique_ptr<Store> returned = open(back);
    QVERIFY(returned);
    QCOMPARE(returned->parameters().GetSystemParameter(Parameter::CompanyName),
             QStringLiteral("Moving Office Pvt. Ltd."));
    QCOMPARE(returned->cheques().findNumber(QStringLiteral("ACC1"), QStringLiteral("000041"))->status,
             ChequeStatus::Pending);
    QCOMPARE(returned->cheques().findNumber(QStringLiteral("ACC1"), QStringLiteral("000003"))->status,
             ChequeStatus::Void);
    const RegisterCheck check = returned->history().verify();
    QVERIFY2(check.isClean(), qPrintable(check.brokenLink + check.differences.join(u'\n')));
    QCOMPARE(lastEntry(*returned, QStringLiteral("000003")), lastEntry(file, QStringLiteral("000003")));
}

void TestSharedStore::copyRefusesATargetThatHoldsData_data()
{
    QTest::addColumn<QString>("target"); // "server" or "file"
    QTest::newRow("a server database in use") << "server";
    QTest::newRow("a file in use") << "file";
}

void TestSharedStore::copyRefusesATargetThatHoldsData()
{
    QFETCH(QString, target);
    const TestDatabase source(Backend::Sqlite);
    const TestDatabase inUse(target == QLatin1String("server") ? Backend::Postgres : Backend::Sqlite);
    QVERIFY(source.isReady() && inUse.isReady());
    inUse.store().cheques().record({QStringLiteral("ACC1"), QStringLiteral("000001"), QStringLiteral("Kept"),
                                    QDate(2026, 12, 1), Money {100, {}}, false});
    const QString before = dump(inUse.store(), QStringLiteral("Cheque"), QStringLiteral("Id"));
    QCOMPARE(run({QStringLiteral("--copy-database"), source.path(), inUse.path()}), 1);
    QVERIFY2(m_said.contains(QStringLiteral("holds 1 account(s) and 1 cheque(s) already")), qPrintable(m_said));
    QCOMPARE(dump(inUse.store(), QStringLiteral("Cheque"), QStringLiteral("Id")), before);

    QCOMPARE(run({QStringLiteral("--copy-database"), source.path()}), 64);
    QCOMPARE(run({QStringLiteral("--copy-database"), source.path(), source.path()}), 1);
    QVERIFY2(m_said.contains(QStringLiteral("into itself")), qPrintable(m_said));
}

// The copy's history would begin where the source's is broken, and nobody could tell afterwards.
void TestSharedStore::copyRefusesASourceThatDisagreesWithItsHistory()
{
    TestDatabase source(Backend::Sqlite);
    QVERIFY(source.isReady());
    source.store().cheques().record({QStringLiteral("ACC1"), QStringLiteral("000001"), QStringLiteral("Kept"),
                                     QDate(2026, 12, 1), Money {100, {}}, false});
    source.exec(QStringLiteral("UPDATE Cheque SET Pay = 'Someone Else'"));
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("Copy.mdb"));
    QCOMPARE(run({QStringLiteral("--copy-database"), source.path(), copy}), 1);
    QVERIFY2(m_said.contains(QStringLiteral("does not agree with its own history, so it is not copied"))
                 && m_said.contains(QStringLiteral("ACC1 cheque 000001")),
             qPrintable(m_said));
    QVERIFY(!QFile::exists(copy));
}

QUILLSET_TEST_MAIN(TestSharedStore, QGuiApplication)
#include "tst_SharedStore.moc"
