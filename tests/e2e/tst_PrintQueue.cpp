#include "doubles/RecordingPrinter.h"
#include "doubles/RecordingPrompter.h"
#include "support/PrintedPageCheck.h"
#include "support/TestDatabase.h"

#include "issue/frmCheque.h"
#include "layout/ComposeCheque.h"
#include "shell/AppServices.h"
#include "shell/frmMain.h"
#include "store/DataSource.h"
#include "store/Database.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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
    bool queueCommand(const QString &program, const QStringList &arguments);
    void issueCheque(const QString &chequeNo);
    QStringList printedFiles() const;

    QTemporaryDir m_server;
    bool m_running = false;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingPrompter> m_prompter;
    std::unique_ptr<AppServices> m_services;
    std::unique_ptr<frmMain> m_main;
};

void TestPrintQueue::initTestCase()
{
    if (geteuid() != 0)
        QSKIP("The end-to-end print tests need root, because the PDF printer (cups-pdf) writes as root. "
              "Run ./scripts/test as root or with sudo.");
    QProcess start;
    start.start(QStringLiteral("bash"),
                {QStringLiteral(QUILLSET_PRINT_QUEUE_SCRIPT), QStringLiteral("start"), m_server.path()});
    QVERIFY(start.waitForFinished(60000));
    const QString said = QString::fromLocal8Bit(start.readAllStandardError());
    if (start.exitCode() == 3)
        QSKIP(qPrintable(QStringLiteral("No test print queue: ") + said));
    QVERIFY2(start.exitCode() == 0, qPrintable(said));
    m_running = true;
    // This process prints to the private server only; its default printer is the test queue.
    qputenv("CUPS_SERVER", QFile::encodeName(m_server.filePath(QStringLiteral("cups.sock"))));
    qputenv("LPDEST", "QuillsetTestPDF");
}

void TestPrintQueue::cleanupTestCase()
{
    if (m_running)
        QProcess::execute(QStringLiteral("bash"),
                          {QStringLiteral(QUILLSET_PRINT_QUEUE_SCRIPT), QStringLiteral("stop"), m_server.path()});
}

void TestPrintQueue::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    CloseDatabase(); // the main window opens it, as at start-up
    m_prompter = std::make_unique<RecordingPrompter>();
    m_services = std::make_unique<AppServices>(*m_prompter);
    m_services->today = [] { return QDate(2026, 12, 6); };
    m_main = std::make_unique<frmMain>(*m_services, m_db->path(), OdbcInstaller::none());
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    QTest::mouseClick(m_main->findChild<QPushButton *>(QStringLiteral("cmdPrintCheq")), Qt::LeftButton);
    QVERIFY(m_main->findChild<frmCheque *>());
}

void TestPrintQueue::cleanup()
{
    m_main.reset();
    m_services.reset();
    m_db.reset();
    queueCommand(QStringLiteral("cupsenable"), {QStringLiteral("QuillsetTestPDF")});
}

bool TestPrintQueue::queueCommand(const QString &program, const QStringList &arguments)
{
    return QProcess::execute(
               program, QStringList {QStringLiteral("-h"), m_server.filePath(QStringLiteral("cups.sock"))} + arguments)
        == 0;
}

QStringList TestPrintQueue::printedFiles() const
{
    return QDir(m_server.filePath(QStringLiteral("out"))).entryList({QStringLiteral("*.pdf")}, QDir::Files);
}

void TestPrintQueue::issueCheque(const QString &chequeNo)
{
    auto *entry = m_main->findChild<frmCheque *>();
    QTest::keyClicks(entry->findChild<QLineEdit *>(QStringLiteral("txtChequeNo")), chequeNo);
    QTest::keyClicks(entry->findChild<QLineEdit *>(QStringLiteral("txtPay")), QStringLiteral("ABC Traders"));
    QTest::keyClicks(entry->findChild<QLineEdit *>(QStringLiteral("txtAmount")), QStringLiteral("123456789"));
    QTest::mouseClick(entry->findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
}

void TestPrintQueue::printedChequeLandsAtItsPlacesAndIsRecorded()
{
    const QStringList before = printedFiles();
    issueCheque(QStringLiteral("000123"));
    QVERIFY2(m_prompter->messages.isEmpty(), qPrintable(m_prompter->texts().join(u'\n')));

    // The queue converts and writes the page in the background; wait for it, within reason.
    QString printed;
    QTRY_VERIFY_WITH_TIMEOUT(printedFiles().size() > before.size(), 60000);
    for (const QString &file : printedFiles()) {
        if (!before.contains(file))
            printed = m_server.filePath(QStringLiteral("out/") + file);
    }

    // Where every field should be: the same cheque composed again from the same account and settings.
    ChequeEntry expected;
    expected.bankId = QStringLiteral("ACC1");
    expected.chequeNo = QStringLiteral("000123");
    expected.date = QStringLiteral("06-Dec-2026");
    expected.pay = QStringLiteral("ABC Traders");
    expected.amount = QStringLiteral("123456789");
    expected.narration = QStringLiteral("ONE HUNDRED TWENTY THREE MILLION FOUR HUNDRED FIFTY SIX THOUSAND SEVEN "
                                        "HUNDRED EIGHTY NINE ONLY.");
    expected.stamp = true;
    RecordingPrinter measure;
    const ChequePage page = ComposeCheque(expected, measure);
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
    QVERIFY(queueCommand(QStringLiteral("cupsdisable"), {QStringLiteral("QuillsetTestPDF")}));
    const QStringList before = printedFiles();
    issueCheque(QStringLiteral("000124"));
    QCOMPARE(m_prompter->messages.size(), 1);
    QVERIFY2(m_prompter->messages.first().text.startsWith(QStringLiteral("ERR:1102:The printer \"QuillsetTestPDF\" "
                                                                         "is stopped")),
             qPrintable(m_prompter->messages.first().text));
    QCOMPARE(TestDatabase::scalar(QStringLiteral("SELECT count(*) FROM Cheque")).toInt(), 0);
    auto *entry = m_main->findChild<frmCheque *>();
    QCOMPARE(entry->findChild<QLineEdit *>(QStringLiteral("txtChequeNo"))->text(), QStringLiteral("000124"));
    QTest::qWait(2000);
    QCOMPARE(printedFiles(), before);
}

QTEST_MAIN(TestPrintQueue)
#include "tst_PrintQueue.moc"
