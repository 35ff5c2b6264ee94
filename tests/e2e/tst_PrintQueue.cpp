#include "support/PrintedPageCheck.h"
#include "support/WindowTest.h"

#include "issue/frmCheque.h"
#include "layout/ComposeCheque.h"
#include "shell/frmMain.h"
#include "store/DataSource.h"
#include "store/Database.h"

#include <QDir>
#include <QProcess>

#include <unistd.h>

using namespace quillset;
using namespace quillset::test;

// Issues cheques through the real windows to the default printer of a real CUPS server: a private
// one, started here, whose PDF queue writes each printed page to a file.
class TestPrintQueue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void printedChequeLandsAtItsPlacesAndIsRecorded();
    void stoppedQueueRefusesAndRecordsNothing();

private:
    int queue(const QString &command, const QString &argument);
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

void TestPrintQueue::initTestCase()
{
    if (geteuid() != 0)
        QSKIP("The end-to-end print tests need root, because the PDF printer (cups-pdf) writes as root. "
              "Run ./scripts/test as root or with sudo.");
    const int started = queue(QStringLiteral("start"), m_server.path());
    if (started == 3)
        QSKIP("No test print queue: CUPS or cups-pdf is not installed.");
    QCOMPARE(started, 0);
    // This process prints to the private server only; its default printer is the test queue.
    qputenv("CUPS_SERVER", QFile::encodeName(m_server.filePath(QStringLiteral("cups.sock"))));
    qputenv("LPDEST", "QuillsetTestPDF");
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
    m_f->services.makePrinter = AppServices(m_f->prompter).makePrinter; // the program's own printer
    CloseDatabase(); // the main window opens it, as at start-up
    m_main = std::make_unique<frmMain>(m_f->services, m_f->db.path(), OdbcInstaller::none());
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    click(m_main.get(), "cmdPrintCheq");
}

void TestPrintQueue::cleanup()
{
    m_main.reset();
    m_f.reset();
    queue(QStringLiteral("cupsenable"), QStringLiteral("QuillsetTestPDF"));
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
    RecordingPrinter measure;
    const ChequePage page
        = ComposeCheque({QStringLiteral("ACC1"), QStringLiteral("000123"), QStringLiteral("06-Dec-2026"),
                         QStringLiteral("ABC Traders"), QStringLiteral("123456789"),
                         QStringLiteral("ONE HUNDRED TWENTY THREE MILLION FOUR HUNDRED FIFTY SIX "
                                        "THOUSAND SEVEN HUNDRED EIGHTY NINE ONLY."),
                         true},
                        measure);
    int checked = 0;
    QStringList misplaced;
    QTRY_VERIFY_WITH_TIMEOUT((misplaced = misplacedItems(page, printed, &checked)).isEmpty(), 20000);
    QCOMPARE(checked, 6);
    QCOMPARE(TestDatabase::scalar(QStringLiteral("SELECT BankID || '|' || ChequeNo || '|' || Amount || '|' || Pay || "
                                                 "'|' || PrintDate FROM Cheque"))
                 .toString(),
             QStringLiteral("ACC1|000123|123456789.0|ABC Traders|2026-12-06"));
}

void TestPrintQueue::stoppedQueueRefusesAndRecordsNothing()
{
    QCOMPARE(queue(QStringLiteral("cupsdisable"), QStringLiteral("QuillsetTestPDF")), 0);
    const QStringList before = printedFiles();
    issueCheque(QStringLiteral("000124"));
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().startsWith(QStringLiteral("ERR:1102:The printer \"QuillsetTestPDF\" is "
                                                                     "stopped")),
             qPrintable(m_f->prompter.texts().first()));
    QCOMPARE(registerRows(), 0);
    QCOMPARE(shown(m_main->findChild<frmCheque *>(), "txtChequeNo"), QStringLiteral("000124"));
    QTest::qWait(2000);
    QCOMPARE(printedFiles(), before);
}

QTEST_MAIN(TestPrintQueue)
#include "tst_PrintQueue.moc"
