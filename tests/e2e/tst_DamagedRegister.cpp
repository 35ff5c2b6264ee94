#include "support/PrintServer.h"
#include "support/TestMain.h"
#include "support/WindowTest.h"

#include "windows/issue/frmCheque.h"

#include <QProcess>
#include <QtEndian>

using namespace quillset;
using namespace quillset::test;

// A register file with one page of its Cheque table damaged, as a failing disk or a stray write
// leaves it, printed to from the command line and the entry window through a private CUPS server
// whose printer writes each job to a file: nothing may reach the printer.
class TestDamagedRegister : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void damagedRegisterPrintsNothing_data();
    void damagedRegisterPrintsNothing();

private:
    /// Overwrites the header of the first leaf page of the Cheque table, which no insert reads.
    bool damageTheChequeTable();
    int printedJobs();

    PrintServer m_server;
    std::unique_ptr<WindowFixture> m_f;
    QPointer<frmCheque> m_entry;
};

void TestDamagedRegister::initTestCase()
{
    const int started = m_server.start();
    if (started == 3)
        QSKIP("No test print server: CUPS is not installed (Debian packages cups and cups-client).");
    QCOMPARE(started, 0);
}

void TestDamagedRegister::init()
{
    m_f = std::make_unique<WindowFixture>();
    QVERIFY(m_f->db.isReady());
    m_f->services.printQueue = AppServices(m_f->prompter).printQueue; // the program's own printer
    // A register of many pages: two thousand cheques of November.
    m_f->db.exec(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) INSERT INTO Cheque "
        "(BankID, ChequeNo, Amount, Pay, PrintDate, NumberKey) SELECT 'ACC1', printf('%06d', i), 100 + i, "
        "'Payee of cheque ' || i, '2026-11-02', CAST(i AS TEXT) FROM n"));
    QVERIFY(damageTheChequeTable());
    m_f->services.store = &m_f->db.store(); // opened again on the damaged file
}

void TestDamagedRegister::cleanup()
{
    delete m_entry;
    m_f.reset();
}

bool TestDamagedRegister::damageTheChequeTable()
{
    const qint64 root
        = m_f->db.scalar(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'Cheque'")).toLongLong();
    m_f->db.close();
    QFile file(m_f->db.path());
    if (root < 2 || !file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray head = file.read(100);
    const qint64 pageSize = qFromBigEndian<quint16>(head.constData() + 16);
    // The root of a table this size is an interior page (type 5); its first cell starts with the page
    // number of its leftmost child, a leaf holding the oldest rows.
    file.seek((root - 1) * pageSize);
    const QByteArray page = file.read(pageSize);
    if (page.at(0) != 5)
        return false;
    const quint16 firstCell = qFromBigEndian<quint16>(page.constData() + 12);
    const quint32 leaf = qFromBigEndian<quint32>(page.constData() + firstCell);
    file.seek((leaf - 1) * pageSize);
    file.write(QByteArray(8, '\xff'));
    file.close();
    return m_f->db.reopen();
}

int TestDamagedRegister::printedJobs()
{
    return static_cast<int>(m_server.jobs().size() + m_server.printedFiles().size());
}

void TestDamagedRegister::damagedRegisterPrintsNothing_data()
{
    QTest::addColumn<QString>("from"); // the command line's --print, its --batch --print, or the entry window
    QTest::newRow("the command line") << "--print";
    QTest::newRow("a batch from the command line") << "--batch";
    QTest::newRow("the entry window") << "window";
}

void TestDamagedRegister::damagedRegisterPrintsNothing()
{
    QFETCH(QString, from);
    const int jobsBefore = printedJobs();
    QString said;
    if (from == QLatin1String("window")) {
        m_entry = new frmCheque(m_f->services);
        m_entry->show();
        QVERIFY(QTest::qWaitForWindowActive(m_entry));
        QTest::keyClicks(find(m_entry, "txtChequeNo"), QStringLiteral("002001"));
        QTest::keyClicks(find(m_entry, "txtPay"), QStringLiteral("ABC Traders"));
        QTest::keyClicks(find(m_entry, "txtAmount"), QStringLiteral("5000"));
        click(m_entry, "cmdPrint");
        QTRY_COMPARE(m_f->prompter.messages.size(), 1);
        said = m_f->prompter.texts().first();
    } else {
        const QString batch = m_f->db.folder() + QStringLiteral("/run.csv");
        QFile rows(batch);
        QVERIFY(rows.open(QIODevice::WriteOnly) && rows.write("Pay,Amount,Date,Cheque\nOne,5,06-Dec-2026,002001\n"));
        rows.close();
        m_f->db.close(); // the program opens the file itself
        QStringList arguments = {QStringLiteral("--database"), m_f->db.path(), QStringLiteral("--account"),
                                 QStringLiteral("ACC1"), QStringLiteral("--print")};
        if (from == QLatin1String("--batch"))
            arguments << QStringLiteral("--batch") << batch;
        else
            arguments << QStringLiteral("--cheque") << QStringLiteral("002001") << QStringLiteral("--pay")
                      << QStringLiteral("ABC Traders") << QStringLiteral("--date") << QStringLiteral("06-Dec-2026")
                      << QStringLiteral("--amount") << QStringLiteral("5000");
        QProcess program;
        program.start(QStringLiteral(QUILLSET_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(120000));
        said = QString::fromLocal8Bit(program.readAllStandardOutput() + program.readAllStandardError());
        QVERIFY2(program.exitCode() == 1, qPrintable(said));
        QVERIFY(m_f->db.reopen());
    }
    // Said in words before anything reached the printer, and nothing added to the register.
    QVERIFY2(said.contains(QStringLiteral("is damaged (database disk image is malformed). Restore it from a backup."))
                 && said.contains(QStringLiteral("nothing was printed")),
             qPrintable(said));
    QCOMPARE(printedJobs(), jobsBefore);
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT count(*) FROM Cheque")).toInt(), 2000);
}

QUILLSET_TEST_MAIN(TestDamagedRegister, QApplication)
#include "tst_DamagedRegister.moc"
