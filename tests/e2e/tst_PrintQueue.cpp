#include "support/PrintedPageCheck.h"
#include "support/TestMain.h"
#include "support/WindowTest.h"

#include "cheque/Cheque.h"
#include "issue/IssueCheque.h"
#include "issue/frmCheque.h"
#include "layout/PageMetrics.h"
#include "shell/frmMain.h"
#include "store/DataSource.h"
#include "store/Store.h"

#include <QDir>
#include <QProcess>

using namespace quillset;
using namespace quillset::test;

// Issues cheques through the real windows to the default printer of a real CUPS server: a private
// one, started here, whose printer writes each job's PDF to a file.
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

private:
    int queue(const QString &command, const QString &argument);
    /// The jobs the private server holds or has held, one line each.
    QStringList jobList();
    void issueCheque(const QString &chequeNo);
    QStringList printedFiles() const;

    QTemporaryDir m_server;
    std::unique_ptr<WindowFixture> m_f;
    std::unique_ptr<frmMain> m_main;
};

int TestPrintQueue::queue(const QString &command, const QString &argument)
{
    QProcess process;
    if (command == QLatin1String("start") || command == QLatin1String("stop"))
        process.start(QStringLiteral("bash"), {QStringLiteral(QUILLSET_PRINT_QUEUE_SCRIPT), command, argument});
    else
        process.start(command, {QStringLiteral("-h"), m_server.filePath(QStringLiteral("cups.sock")), argument});
    process.waitForFinished(60000);
    if (process.exitCode() != 0)
        qWarning("%s", process.readAllStandardError().constData());
    return process.exitCode();
}

QStringList TestPrintQueue::jobList()
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"),
                 {QStringLiteral("-h"), m_server.filePath(QStringLiteral("cups.sock")), QStringLiteral("-W"),
                  QStringLiteral("all"), QStringLiteral("-o")});
    lpstat.waitForFinished(30000);
    return QString::fromLocal8Bit(lpstat.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

void TestPrintQueue::initTestCase()
{
    const int started = queue(QStringLiteral("start"), m_server.path());
    if (started == 3)
        QSKIP("No test print server: CUPS is not installed (Debian packages cups and cups-client).");
    QCOMPARE(started, 0);
    // This process prints to the private server only; its default printer is the test queue.
    qputenv("CUPS_SERVER", QFile::encodeName(m_server.filePath(QStringLiteral("cups.sock"))));
    qputenv("LPDEST", "QuillsetTest");
}

void TestPrintQueue::cleanupTestCase()
{
    if (qEnvironmentVariableIsSet("LPDEST"))
        queue(QStringLiteral("stop"), m_server.path());
}

void TestPrintQueue::init()
{
    m_f = std::make_unique<WindowFixture>();
    QVERIFY(m_f->db.isReady());
    m_f->services.printQueue = AppServices(m_f->prompter).printQueue; // the program's own printer
    m_f->db.close(); // the main window opens it, as at start-up
    m_main = std::make_unique<frmMain>(m_f->services, m_f->db.path(), OdbcInstaller::none());
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    click(m_main.get(), "cmdPrintCheq");
}

void TestPrintQueue::cleanup()
{
    m_main.reset();
    m_f.reset();
    queue(QStringLiteral("cupsenable"), QStringLiteral("QuillsetTest"));
    queue(QStringLiteral("cupsaccept"), QStringLiteral("QuillsetTest"));
}

QStringList TestPrintQueue::printedFiles() const
{
    return QDir(m_server.filePath(QStringLiteral("out"))).entryList({QStringLiteral("*.pdf")}, QDir::Files);
}

void TestPrintQueue::issueCheque(const QString &chequeNo)
{
    auto *entry = m_main->findChild<frmCheque *>();
    QTest::keyClicks(find(entry, "txtChequeNo"), chequeNo);
    QTest::keyClicks(find(entry, "txtPay"), QStringLiteral("ABC Traders"));
    QTest::keyClicks(find(entry, "txtAmount"), QStringLiteral("123456789"));
    click(entry, "cmdPrint");
}

void TestPrintQueue::printedChequeLandsAtItsPlacesAndIsRecorded()
{
    const QStringList before = printedFiles();
    issueCheque(QStringLiteral("000123"));
    QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'\n')));

    // The queue converts and writes the page in the background; wait for it, within reason.
    QTRY_VERIFY_WITH_TIMEOUT(printedFiles().size() > before.size(), 60000);
    QString printed;
    for (const QString &file : printedFiles())
        printed = before.contains(file) ? printed : m_server.filePath(QStringLiteral("out/") + file);

    // Where every field belongs: the same cheque composed again from the same account and settings.
    QVERIFY(m_f->db.reopen());
    const ChequePage page = composeChequePage(m_f->db.store(),
                                              {QStringLiteral("ACC1"), QStringLiteral("000123"),
                                               QStringLiteral("ABC Traders"), QDate(2026, 12, 6), 123456789, true},
                                              PageMetrics());
    int checked = 0;
    QStringList misplaced;
    QTRY_VERIFY_WITH_TIMEOUT((misplaced = misplacedItems(page, printed, &checked)).isEmpty(), 20000);
    QCOMPARE(checked, 6);
    QCOMPARE(m_f->db
                 .scalar(QStringLiteral("SELECT BankID || '|' || ChequeNo || '|' || Amount || '|' || Pay || "
                                        "'|' || PrintDate FROM Cheque"))
                 .toString(),
             QStringLiteral("ACC1|000123|123456789.0|ABC Traders|2026-12-06"));
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
    QCOMPARE(queue(command, QStringLiteral("QuillsetTest")), 0);
    const QStringList jobsBefore = jobList();
    issueCheque(QStringLiteral("000124"));
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().startsWith(said), qPrintable(m_f->prompter.texts().first()));
    QVERIFY(m_f->db.reopen());
    QCOMPARE(registerRows(m_f->db), 0);
    QCOMPARE(shown(m_main->findChild<frmCheque *>(), "txtChequeNo"), QStringLiteral("000124"));
    // The server holds no job for it, so nothing can print later either.
    QCOMPARE(jobList(), jobsBefore);
}

QUILLSET_TEST_MAIN(TestPrintQueue, QApplication)
#include "tst_PrintQueue.moc"
