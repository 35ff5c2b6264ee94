#include "support/PdfWords.h"
#include "support/PrintedPageCheck.h"
#include "support/TestMain.h"
#include "support/WindowTest.h"

#include "cheque/Cheque.h"
#include "issue/IssueCheque.h"
#include "issue/frmCheque.h"
#include "layout/PageMetrics.h"
#include "shell/frmMain.h"
#include "store/Connection.h"
#include "store/DataSource.h"
#include "store/Store.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProgressDialog>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

#include <array>
#include <csignal>

using namespace quillset;
using namespace quillset::test;

// Issues cheques through the real windows and the real command line to the default printer of a
// real CUPS server: a private one, started here, whose printer writes each job's PDF to a file and
// can be told to play the faults of a real printer.
class TestPrintQueue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void printedChequeLandsAtItsPlacesAndIsRecorded();
    void refusingQueueRecordsNothing_data();
    void refusingQueueRecordsNothing();
    void printerFaultsLeaveTheRightRow_data();
    void printerFaultsLeaveTheRightRow();
    void frozenServerIsSaidWithinTheLimit();
    void registerThatCannotBeWrittenSendsNoJob();
    void commandLineExitSaysTheOutcome_data();
    void commandLineExitSaysTheOutcome();
    void commandLinePrintsALeafOnceHoweverTyped_data();
    void commandLinePrintsALeafOnceHoweverTyped();
    void killedPrintsLeaveEveryPrintedChequeInTheRegister();
    void twoWorkstationsPrintingAtOnceNeverShareANumber();
    void batchKilledHalfwayAndResumedPrintsEachChequeOnce();

private:
    int server(const QString &command, const QString &argument = QString());
    int lp(const QString &command, const QStringList &arguments);
    /// The jobs the private server holds ("all", the finished ones included, or "not-completed").
    QStringList jobList(const QString &which = QStringLiteral("all"));
    void issueCheque(const QString &chequeNo, const QString &payee = QStringLiteral("ABC Traders"));
    QString registerRow(const QString &chequeNo);
    QStringList printedFiles() const;
    frmCheque *entry() const { return m_main->findChild<frmCheque *>(); }

    QTemporaryDir m_server;
    std::unique_ptr<WindowFixture> m_f;
    std::unique_ptr<frmMain> m_main;
};

int TestPrintQueue::server(const QString &command, const QString &argument)
{
    QProcess process;
    QStringList arguments = {QStringLiteral(QUILLSET_PRINT_QUEUE_SCRIPT), command, m_server.path()};
    if (!argument.isEmpty())
        arguments.append(argument);
    process.start(QStringLiteral("bash"), arguments);
    process.waitForFinished(60000);
    if (process.exitCode() != 0)
        qWarning("%s", process.readAllStandardError().constData());
    return process.exitCode();
}

int TestPrintQueue::lp(const QString &command, const QStringList &arguments)
{
    QProcess process;
    process.start(command,
                  QStringList {QStringLiteral("-h"), m_server.filePath(QStringLiteral("cups.sock"))} + arguments);
    process.waitForFinished(60000);
    return process.exitCode();
}

QStringList TestPrintQueue::jobList(const QString &which)
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"),
                 {QStringLiteral("-h"), m_server.filePath(QStringLiteral("cups.sock")), QStringLiteral("-W"), which,
                  QStringLiteral("-o")});
    lpstat.waitForFinished(30000);
    return QString::fromLocal8Bit(lpstat.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

void TestPrintQueue::initTestCase()
{
    const int started = server(QStringLiteral("start"));
    if (started == 3)
        QSKIP("No test print server: CUPS is not installed (Debian packages cups and cups-client).");
    QCOMPARE(started, 0);
    // This process and the programs it starts print to the private server only.
    qputenv("CUPS_SERVER", QFile::encodeName(m_server.filePath(QStringLiteral("cups.sock"))));
    qputenv("LPDEST", "QuillsetTest");
}

void TestPrintQueue::cleanupTestCase()
{
    if (qEnvironmentVariableIsSet("LPDEST"))
        server(QStringLiteral("stop"));
}

void TestPrintQueue::init()
{
    m_f = std::make_unique<WindowFixture>();
    QVERIFY(m_f->db.isReady());
    m_f->db.store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QStringLiteral("20"));
    m_f->services.printQueue = AppServices(m_f->prompter).printQueue; // the program's own printer
    m_main = std::make_unique<frmMain>(m_f->services, m_f->db.path(), OdbcInstaller::none());
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    click(m_main.get(), "cmdPrintCheq");
}

void TestPrintQueue::cleanup()
{
    m_main.reset();
    m_f.reset();
    server(QStringLiteral("thaw"));
    server(QStringLiteral("printer"), QStringLiteral("ok"));
    lp(QStringLiteral("cancel"), {QStringLiteral("-a"), QStringLiteral("-x")});
    lp(QStringLiteral("cupsenable"), {QStringLiteral("QuillsetTest")});
    lp(QStringLiteral("cupsaccept"), {QStringLiteral("QuillsetTest")});
}

QStringList TestPrintQueue::printedFiles() const
{
    QStringList files;
    for (const QString &file :
         QDir(m_server.filePath(QStringLiteral("out"))).entryList({QStringLiteral("job-*.pdf")}, QDir::Files))
        files.append(m_server.filePath(QStringLiteral("out/") + file));
    return files;
}

void TestPrintQueue::issueCheque(const QString &chequeNo, const QString &payee)
{
    QTest::keyClicks(find(entry(), "txtChequeNo"), chequeNo);
    QTest::keyClicks(find(entry(), "txtPay"), payee);
    QTest::keyClicks(find(entry(), "txtAmount"), QStringLiteral("123456789"));
    click(entry(), "cmdPrint");
}

QString TestPrintQueue::registerRow(const QString &chequeNo)
{
    return m_f->db.scalar(QStringLiteral("SELECT Status FROM Cheque WHERE ChequeNo = ?"), {chequeNo}).toString();
}

void TestPrintQueue::printedChequeLandsAtItsPlacesAndIsRecorded()
{
    const QStringList before = printedFiles();
    issueCheque(QStringLiteral("000123"));
    QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'\n')));
    // Marked printed only once the server said the job completed, so its page is there already.
    QCOMPARE(registerRow(QStringLiteral("000123")), QStringLiteral("printed"));
    QCOMPARE(printedFiles().size(), before.size() + 1);
    QString printed;
    for (const QString &file : printedFiles())
        printed = before.contains(file) ? printed : file;

    // Where every field belongs: the same cheque composed again from the same account and settings.
    const ChequePage page = composeChequePage(m_f->db.store(),
                                              {QStringLiteral("ACC1"), QStringLiteral("000123"),
                                               QStringLiteral("ABC Traders"), QDate(2026, 12, 6), 123456789, true},
                                              PageMetrics());
    int checked = 0;
    const QStringList misplaced = misplacedItems(page, printed, &checked);
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(u'\n')));
    QCOMPARE(checked, 6);
    QCOMPARE(m_f->db
                 .scalar(QStringLiteral("SELECT BankID || '|' || ChequeNo || '|' || Pay || '|' || PrintDate || '|' || "
                                        "Queue FROM Cheque"))
                 .toString(),
             QStringLiteral("ACC1|000123|ABC Traders|2026-12-06|QuillsetTest"));
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT Amount FROM Cheque")).toDouble(), 123456789.0);
}

void TestPrintQueue::refusingQueueRecordsNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("said");
    QTest::newRow("stopped") << "cupsdisable"
                             << "ERR:1102:The printer \"QuillsetTest\" is stopped";
    QTest::newRow("rejecting jobs") << "cupsreject"
                                    << "ERR:1102:The printer \"QuillsetTest\" did not take the cheque";
}

void TestPrintQueue::refusingQueueRecordsNothing()
{
    QFETCH(QString, command);
    QFETCH(QString, said);
    QCOMPARE(lp(command, {QStringLiteral("QuillsetTest")}), 0);
    const QStringList jobsBefore = jobList();
    issueCheque(QStringLiteral("000124"));
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().startsWith(said), qPrintable(m_f->prompter.texts().first()));
    QCOMPARE(registerRows(m_f->db), 0);
    QCOMPARE(shown(entry(), "txtChequeNo"), QStringLiteral("000124"));
    // The server holds no job for it, so nothing can print later either.
    QCOMPARE(jobList(), jobsBefore);
}

void TestPrintQueue::printerFaultsLeaveTheRightRow_data()
{
    QTest::addColumn<QString>("behaviour");
    QTest::addColumn<int>("timeout");
    QTest::addColumn<QString>("status"); // of the row afterwards
    QTest::addColumn<QString>("said"); // empty: nothing
    QTest::newRow("jams after it began") << "fail" << 20 << "pending"
                                         << "after it began printing cheque 000125";
    QTest::newRow("never finishes") << "hang" << 4 << "pending"
                                    << "had not finished after 4 seconds";
    QTest::newRow("out of paper, then refilled") << "media-empty" << 20 << "printed"
                                                 << "";
}

void TestPrintQueue::printerFaultsLeaveTheRightRow()
{
    QFETCH(QString, behaviour);
    QFETCH(int, timeout);
    QFETCH(QString, status);
    QFETCH(QString, said);
    m_f->db.store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QString::number(timeout));
    QCOMPARE(server(QStringLiteral("printer"), behaviour), 0);
    // What the window shows while it waits, and the paper put back after a while.
    QStringList progress;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        if (auto *dialog = entry()->findChild<QProgressDialog *>(QStringLiteral("printProgress")))
            progress.append(dialog->labelText());
    });
    watch.start(100);
    if (behaviour == QLatin1String("media-empty"))
        QTimer::singleShot(2500, this, [this] { server(QStringLiteral("printer"), QStringLiteral("ok")); });
    QElapsedTimer clock;
    clock.start();
    issueCheque(QStringLiteral("000125"));
    watch.stop();
    QVERIFY(clock.elapsed() < (timeout + 3) * 1000);
    QCOMPARE(registerRow(QStringLiteral("000125")), status);
    if (said.isEmpty()) {
        QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'\n')));
        QVERIFY2(progress.join(u'\n').contains(QStringLiteral("Cheque 000125 on \"QuillsetTest\", job "))
                     && progress.join(u'\n').contains(QStringLiteral("media-empty")),
                 qPrintable(progress.join(u'\n')));
        return;
    }
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().contains(said), qPrintable(m_f->prompter.texts().first()));
}

void TestPrintQueue::frozenServerIsSaidWithinTheLimit()
{
    m_f->db.store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QStringLiteral("4"));
    QCOMPARE(server(QStringLiteral("freeze")), 0);
    QElapsedTimer clock;
    clock.start();
    issueCheque(QStringLiteral("000126"));
    const qint64 took = clock.elapsed();
    server(QStringLiteral("thaw"));
    QVERIFY2(took < 6000, qPrintable(QString::number(took)));
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().contains(QStringLiteral("did not answer within 4 seconds")),
             qPrintable(m_f->prompter.texts().first()));
    QCOMPARE(registerRows(m_f->db), 0);
}

void TestPrintQueue::registerThatCannotBeWrittenSendsNoJob()
{
    if (m_f->db.backend() == Backend::Postgres)
        QSKIP("a file held by another program; the server's locks are tried in tst_sharedstore");
    // Another program reads the register and holds on to it, so nothing can be written into it.
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
    other.setDatabaseName(m_f->db.path());
    QVERIFY(other.open());
    {
        QSqlQuery hold(other);
        QVERIFY(hold.exec(QStringLiteral("BEGIN")));
        QVERIFY(hold.exec(QStringLiteral("SELECT count(*) FROM Cheque")) && hold.next());
        const QStringList jobsBefore = jobList();
        issueCheque(QStringLiteral("000127"));
        QCOMPARE(m_f->prompter.messages.size(), 1);
        QVERIFY2(
            m_f->prompter.texts().first().contains(QStringLiteral("cannot take the cheque, so nothing was printed")),
            qPrintable(m_f->prompter.texts().first()));
        QCOMPARE(jobList(), jobsBefore);
        hold.exec(QStringLiteral("ROLLBACK"));
    }
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("reader"));
    QCOMPARE(registerRows(m_f->db), 0);
}

void TestPrintQueue::commandLineExitSaysTheOutcome_data()
{
    QTest::addColumn<QString>("behaviour"); // of the printer; "held": it prints while another program holds the file
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("said"); // on standard error
    QTest::newRow("printed") << "ok" << 0 << "printed"
                             << "";
    QTest::newRow("not known in time")
        << "hang" << 3 << "pending"
        << "When you know whether it printed, settle it with quillset --mark printed|spoiled|unprinted --account "
           "ACC1 --cheque 000130.";
    QTest::newRow("printed, the register held meanwhile")
        << "held" << 2 << "pending"
        << "It stays in the register as pending; mark it printed with quillset --mark printed --account ACC1 "
           "--cheque 000130. Do not print it again.";
    QTest::newRow("stopped queue") << "stopped" << 1 << ""
                                   << "is stopped";
}

void TestPrintQueue::commandLineExitSaysTheOutcome()
{
    QFETCH(QString, behaviour);
    QFETCH(int, status);
    QFETCH(QString, left);
    QFETCH(QString, said);
    const bool held = behaviour == QLatin1String("held");
    if (held && m_f->db.backend() == Backend::Postgres)
        QSKIP("a file held by another program; the server's locks are tried in tst_sharedstore");
    m_main.reset();
    m_f->db.store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QStringLiteral("3"));
    if (behaviour == QLatin1String("stopped"))
        QCOMPARE(lp(QStringLiteral("cupsdisable"), {QStringLiteral("QuillsetTest")}), 0);
    else
        QCOMPARE(server(QStringLiteral("printer"), held ? QStringLiteral("slow 1") : behaviour), 0);
    QProcess print;
    print.start(QStringLiteral(QUILLSET_PROGRAM),
                {QStringLiteral("--print"), QStringLiteral("--database"), m_f->db.path(), QStringLiteral("--account"),
                 QStringLiteral("ACC1"), QStringLiteral("--cheque"), QStringLiteral("000130"), QStringLiteral("--pay"),
                 QStringLiteral("Script"), QStringLiteral("--date"), QStringLiteral("06-Dec-2026"),
                 QStringLiteral("--amount"), QStringLiteral("9")});
    QSqlDatabase other;
    if (held) {
        // Once the pending row is in, another program takes the file and keeps it while the cheque prints.
        QTRY_COMPARE_WITH_TIMEOUT(registerRow(QStringLiteral("000130")), QStringLiteral("pending"), 10000);
        other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        other.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        other.setDatabaseName(m_f->db.path());
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }
    QVERIFY(print.waitForFinished(30000));
    if (held) {
        QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    }
    const QString stderrText = QString::fromUtf8(print.readAllStandardError());
    QVERIFY2(print.exitCode() == status && stderrText.simplified().contains(said), qPrintable(stderrText));
    QVERIFY2(!stderrText.contains(QStringLiteral("window"), Qt::CaseInsensitive)
                 && !stderrText.contains(QStringLiteral("Print Cheque")),
             qPrintable(stderrText));
    QCOMPARE(registerRow(QStringLiteral("000130")), left);
}

void TestPrintQueue::commandLinePrintsALeafOnceHoweverTyped_data()
{
    QTest::addColumn<QString>("typed"); // after 000777 printed
    QTest::newRow("a trailing blank") << "777 ";
    QTest::newRow("a leading blank") << " 777";
    QTest::newRow("full-width digits") << "７７７";
}

void TestPrintQueue::commandLinePrintsALeafOnceHoweverTyped()
{
    QFETCH(QString, typed);
    m_main.reset(); // the command line has the database to itself
    m_f->db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, NumberKey) VALUES "
                                "('ACC1', '000777', 1, 'First', '2026-12-06', '777')"));
    const QStringList before = printedFiles();
    QProcess print;
    print.start(QStringLiteral(QUILLSET_PROGRAM),
                {QStringLiteral("--print"), QStringLiteral("--database"), m_f->db.path(), QStringLiteral("--account"),
                 QStringLiteral("ACC1"), QStringLiteral("--cheque"), typed, QStringLiteral("--pay"),
                 QStringLiteral("Again"), QStringLiteral("--date"), QStringLiteral("06-Dec-2026"),
                 QStringLiteral("--amount"), QStringLiteral("9")});
    QVERIFY(print.waitForFinished(30000));
    const QString said = QString::fromUtf8(print.readAllStandardError());
    QVERIFY2(print.exitCode() == 1 && said.contains(QStringLiteral("Cheque number 777 is already in the register")),
             qPrintable(said));
    QCOMPARE(printedFiles(), before);
    QCOMPARE(m_f->db.joined(QStringLiteral("SELECT ChequeNo FROM Cheque")), QStringLiteral("000777"));
}

void TestPrintQueue::killedPrintsLeaveEveryPrintedChequeInTheRegister()
{
    m_main.reset(); // the command line has the database to itself
    const int runs = qEnvironmentVariableIntValue("QUILLSET_CRASH_RUNS") > 0
        ? qEnvironmentVariableIntValue("QUILLSET_CRASH_RUNS")
        : 30;
    QCOMPARE(server(QStringLiteral("printer"), QStringLiteral("slow 0.3")), 0);
    const QStringList before = printedFiles();
    m_f->db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, NumberKey) VALUES "
                                "('ACC1', '100000', 1, 'First', '2026-12-06', '100000')"));
    QRandomGenerator random(20261207);
    int killed = 0;
    for (int run = 0; run < runs; ++run) {
        QProcess print;
        print.start(QStringLiteral(QUILLSET_PROGRAM),
                    {QStringLiteral("--print"), QStringLiteral("--database"), m_f->db.path(),
                     QStringLiteral("--account"), QStringLiteral("ACC1"), QStringLiteral("--cheque"),
                     QStringLiteral("next"), QStringLiteral("--pay"), QStringLiteral("Crash %1 Traders").arg(run),
                     QStringLiteral("--date"), QStringLiteral("06-Dec-2026"), QStringLiteral("--amount"),
                     QString::number(run + 1)});
        QVERIFY(print.waitForStarted());
        if (!print.waitForFinished(static_cast<int>(random.bounded(10, 1000)))) {
            ::kill(static_cast<pid_t>(print.processId()), SIGKILL);
            print.waitForFinished();
            ++killed;
        }
    }
    // Let the server finish what it took, then compare its pages with the register.
    QTRY_VERIFY_WITH_TIMEOUT(jobList(QStringLiteral("not-completed")).isEmpty(), 60000);
    QSet<QString> printedRuns;
    for (const QString &file : printedFiles()) {
        if (before.contains(file))
            continue;
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
        text.waitForFinished();
        const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Crash (\\d+) Traders"))
                                                  .match(QString::fromUtf8(text.readAllStandardOutput()));
        QVERIFY2(match.hasMatch(), qPrintable(file));
        printedRuns.insert(match.captured(1));
    }
    QVERIFY(m_f->db.reopen());
    QMap<QString, QString> rows; // run -> status
    QSqlQuery query = m_f->db.store().SharedConnection().run(
        QStringLiteral("SELECT Pay, Status, ChequeNo FROM Cheque WHERE Pay LIKE 'Crash %'"));
    QSet<QString> numbers;
    int rowCount = 0;
    while (query.next()) {
        rows.insert(query.value(0).toString().section(u' ', 1, 1), query.value(1).toString());
        numbers.insert(query.value(2).toString());
        ++rowCount;
    }
    QCOMPARE(numbers.size(), rowCount); // no number twice
    for (const QString &run : printedRuns)
        QVERIFY2(rows.contains(run), qPrintable(QStringLiteral("run %1 printed but left no row").arg(run)));
    int printedRows = 0;
    for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
        if (it.value() == QLatin1String("printed")) {
            ++printedRows;
            QVERIFY2(printedRuns.contains(it.key()),
                     qPrintable(QStringLiteral("run %1 is printed but has no page").arg(it.key())));
        }
    }
    qInfo("%d runs, %d killed: %lld pages printed, %d rows (%d printed, %d pending)", runs, killed,
          static_cast<long long>(printedRuns.size()), rowCount, printedRows, rowCount - printedRows);
}

void TestPrintQueue::twoWorkstationsPrintingAtOnceNeverShareANumber()
{
    m_main.reset();
    const QStringList before = printedFiles();
    m_f->db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, NumberKey) VALUES "
                                "('ACC1', '200000', 1, 'First', '2026-12-06', '200000')"));
    constexpr int kRounds = 6;
    int cheques = 0;
    for (int round = 0; round < kRounds; ++round) {
        // Two workstations press Print at the same moment, each asking for the next number.
        std::array<QProcess, 2> desks;
        for (size_t desk = 0; desk < desks.size(); ++desk)
            desks[desk].start(QStringLiteral(QUILLSET_PROGRAM),
                              {QStringLiteral("--print"), QStringLiteral("--database"), m_f->db.path(),
                               QStringLiteral("--account"), QStringLiteral("ACC1"), QStringLiteral("--cheque"),
                               QStringLiteral("next"), QStringLiteral("--pay"),
                               QStringLiteral("Desk %1 Round %2").arg(desk).arg(round), QStringLiteral("--date"),
                               QStringLiteral("07-Dec-2026"), QStringLiteral("--amount"), QStringLiteral("10")});
        for (QProcess &desk : desks) {
            QVERIFY(desk.waitForFinished(60000));
            QVERIFY2(desk.exitCode() == 0, desk.readAllStandardError().constData());
            ++cheques;
        }
    }
    QVERIFY(m_f->db.reopen());
    QCOMPARE(m_f->db
                 .scalar(QStringLiteral("SELECT count(*) FROM Cheque WHERE Pay LIKE 'Desk %' AND "
                                        "Status = 'printed'"))
                 .toInt(),
             cheques);
    QCOMPARE(
        m_f->db.scalar(QStringLiteral("SELECT count(DISTINCT NumberKey) FROM Cheque WHERE Pay LIKE 'Desk %'")).toInt(),
        cheques);
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT max(ChequeNo) FROM Cheque")).toString(),
             QStringLiteral("%1").arg(200000 + cheques));
    QTRY_COMPARE_WITH_TIMEOUT(printedFiles().size() - before.size(), cheques, 30000);
}

void TestPrintQueue::batchKilledHalfwayAndResumedPrintsEachChequeOnce()
{
    m_main.reset();
    constexpr int kCheques = 50;
    QByteArray csv = "Pay,Amount,Date,Cheque\n";
    for (int i = 0; i < kCheques; ++i)
        csv += QStringLiteral("Batch Payee %1,%2,07-Dec-2026,%3\n")
                   .arg(i)
                   .arg(100 + i)
                   .arg(i == 0 ? QStringLiteral("400001") : QString())
                   .toUtf8();
    const QString file = m_f->db.folder() + QStringLiteral("/salaries.csv");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(csv) == csv.size());
    out.close();
    const QStringList before = printedFiles();
    const QStringList batch = {QStringLiteral("--database"), m_f->db.path(),         QStringLiteral("--batch"), file,
                               QStringLiteral("--account"),  QStringLiteral("ACC1"), QStringLiteral("--print")};
    // Killed once about half of it has gone to the printer.
    {
        QProcess run;
        run.start(QStringLiteral(QUILLSET_PROGRAM), batch);
        QVERIFY(run.waitForStarted());
        QByteArray said;
        QTRY_VERIFY2_WITH_TIMEOUT((said += run.readAllStandardOutput()).contains("Cheque 25 of"),
                                  QByteArray(said + run.readAllStandardError()).constData(), 120000);
        ::kill(static_cast<pid_t>(run.processId()), SIGKILL);
        run.waitForFinished();
    }
    QTRY_VERIFY_WITH_TIMEOUT(jobList(QStringLiteral("not-completed")).isEmpty(), 60000);
    // A cheque left pending is settled by what the printer shows, as the operator would.
    QSet<QString> paid;
    for (const QString &page : printedFiles()) {
        if (before.contains(page))
            continue;
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {page, QStringLiteral("-")});
        text.waitForFinished();
        const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Batch Payee (\\d+)"))
                                                  .match(QString::fromUtf8(text.readAllStandardOutput()));
        if (match.hasMatch())
            paid.insert(match.captured(1));
    }
    QSqlQuery pending = m_f->db.store().SharedConnection().run(
        QStringLiteral("SELECT ChequeNo, Pay FROM Cheque WHERE Status = 'pending' AND BatchHash IS NOT NULL"));
    QList<QPair<QString, bool>> toSettle;
    while (pending.next())
        toSettle.append({pending.value(0).toString(), paid.contains(pending.value(1).toString().section(u' ', 2))});
    for (const auto &[number, printed] : toSettle) {
        QProcess mark;
        mark.start(QStringLiteral(QUILLSET_PROGRAM),
                   {QStringLiteral("--database"), m_f->db.path(), QStringLiteral("--mark"),
                    printed ? QStringLiteral("printed") : QStringLiteral("unprinted"), QStringLiteral("--account"),
                    QStringLiteral("ACC1"), QStringLiteral("--cheque"), number});
        QVERIFY(mark.waitForFinished(30000));
        QCOMPARE(mark.exitCode(), 0);
    }
    // Resumed: only what did not print.
    QProcess resume;
    resume.start(QStringLiteral(QUILLSET_PROGRAM), batch);
    QVERIFY(resume.waitForFinished(180000));
    const QString said = QString::fromUtf8(resume.readAllStandardOutput());
    QVERIFY2(resume.exitCode() == 0, qPrintable(said + QString::fromUtf8(resume.readAllStandardError())));
    QVERIFY2(said.contains(QStringLiteral("skipped as printed or spoiled before")), qPrintable(said));
    QTRY_VERIFY_WITH_TIMEOUT(jobList(QStringLiteral("not-completed")).isEmpty(), 60000);
    QCOMPARE(
        m_f->db.scalar(QStringLiteral("SELECT count(*) FROM Cheque WHERE BatchHash IS NOT NULL AND Status = 'printed'"))
            .toInt(),
        kCheques);
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT count(DISTINCT NumberKey) FROM Cheque WHERE BatchHash IS NOT NULL"))
                 .toInt(),
             kCheques);
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT count(DISTINCT BatchLine) FROM Cheque WHERE BatchHash IS NOT NULL"))
                 .toInt(),
             kCheques);
    QCOMPARE(printedFiles().size() - before.size(), kCheques);
}

QUILLSET_TEST_MAIN(TestPrintQueue, QApplication)
#include "tst_PrintQueue.moc"
