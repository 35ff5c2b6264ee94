#include "support/TestMain.h"
#include "support/WindowTest.h"

#include "banks/BankAccount.h"
#include "batch/frmBatch.h"
#include "issue/frmCheque.h"
#include "layout/frmCheq.h"
#include "store/Store.h"

#include <QApplication>
#include <QClipboard>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

using namespace quillset;
using namespace quillset::test;

// Drives the real batch window, reached from the entry window, against a real database and a
// recording printer.
class TestBatchWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void badRowsAreShownAndNothingPrints();
    void pastedRowsPrintWithProgressAndPreview();
    void cancelStopsBetweenCheques();
    void heldChequeIsTheOperatorsToDecide();
    void aRowPutRightInTheGridPrints();
    void postDatedChequesAreAskedAbout();
    void rowsAreReadAsTheEntryWindowReadsThem_data();
    void rowsAreReadAsTheEntryWindowReadsThem();
    void anAmountIsKeptWhenItsAccountChanges_data();
    void anAmountIsKeptWhenItsAccountChanges();

private:
    frmBatch *open();
    /// Pastes CSV text into the batch window as a spreadsheet's rows are pasted: with the keys.
    static void paste(frmBatch *batch, const QString &rows);
    std::unique_ptr<WindowFixture> m_f;
    QPointer<frmCheque> m_entry;
};

void TestBatchWindow::init()
{
    m_f = std::make_unique<WindowFixture>();
    QVERIFY(m_f->db.isReady());
    m_entry = new frmCheque(m_f->services);
    m_entry->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_entry));
}

void TestBatchWindow::cleanup()
{
    delete m_entry;
    m_f.reset();
}

frmBatch *TestBatchWindow::open()
{
    click(m_entry, "cmdBatch");
    auto *batch = m_entry->findChild<frmBatch *>();
    return batch && QTest::qWaitForWindowExposed(batch) ? batch : nullptr;
}

void TestBatchWindow::badRowsAreShownAndNothingPrints()
{
    const QString file = m_f->db.folder() + QStringLiteral("/run.csv");
    QFile csv(file);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Pay,Amount,Date,Cheque\nGood,10,06-Dec-2026,000101\n,10,06-Dec-2026,000102\nBad,ten,06-Dec-2026,"
              "000103\nLate,10,31-Feb-2026,000104\n");
    csv.close();
    m_f->services.chooseOpenFile = [file](const QString &, const QString &) { return file; };
    frmBatch *batch = open();
    QVERIFY(batch);
    click(batch, "cmdOpen");
    auto *rows = find<QTableWidget>(batch, "tblBatch");
    QCOMPARE(rows->rowCount(), 4);
    QCOMPARE(rows->item(0, 6)->text(), QString());
    QCOMPARE(rows->item(1, 6)->text(), QStringLiteral("Pay: it is empty."));
    QVERIFY(rows->item(2, 6)->text().startsWith(QStringLiteral("Amount: ")));
    QVERIFY(rows->item(3, 6)->text().startsWith(QStringLiteral("Date: ")));
    QVERIFY2(shown(batch, "lblBatchSummary").startsWith(QStringLiteral("3 problem(s): nothing can print")),
             qPrintable(shown(batch, "lblBatchSummary")));
    QVERIFY(!find(batch, "cmdPrintBatch")->isEnabled());
    click(batch, "cmdPrintBatch");
    QCOMPARE(m_f->queue->jobs.size(), 0);
    QCOMPARE(registerRows(m_f->db), 0);
}

void TestBatchWindow::pastedRowsPrintWithProgressAndPreview()
{
    frmBatch *batch = open();
    QVERIFY(batch);
    // As a spreadsheet copies them: tab between the cells.
    QApplication::clipboard()->setText(
        QStringLiteral("Pay\tAmount\tDate\tCheque\nFirst Payee\t1500\t06-Dec-2026\t000201\n"
                       "Second Payee\t2500\t06-Dec-2026\t\nThird Payee\t3500\t06-Dec-2026\t\n"));
    QTest::keySequence(batch, QKeySequence::Paste);
    QCOMPARE(find<QTableWidget>(batch, "tblBatch")->rowCount(), 3);
    QVERIFY2(shown(batch, "lblBatchSummary").contains(QStringLiteral("ACC1: 3 cheque(s), =7,500/-")),
             qPrintable(shown(batch, "lblBatchSummary")));
    // The selected row's page, by the printer's own renderer.
    QVERIFY(batch->findChild<frmCheq *>());
    click(batch, "cmdPrintBatch");
    QCOMPARE(m_f->queue->jobs.size(), 3);
    QCOMPARE(
        m_f->db.joined(QStringLiteral("SELECT ChequeNo || ' ' || Pay || ' ' || BatchLine FROM Cheque ORDER BY Id")),
        QStringLiteral("000201 First Payee 2, 000202 Second Payee 3, 000203 Third Payee 4"));
    QCOMPARE(find<QProgressBar>(batch, "barBatch")->value(), 3);
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QCOMPARE(m_f->prompter.texts().first(), QStringLiteral("3 printed."));
    // The entry window offers the number after the batch's.
    QVERIFY(find<QLineEdit>(m_entry, "txtChequeNo")->placeholderText().startsWith(QStringLiteral("000204")));
}

void TestBatchWindow::cancelStopsBetweenCheques()
{
    frmBatch *batch = open();
    QVERIFY(batch);
    batch->loadBatch("Pay,Amount,Date,Cheque\nA,1,06-Dec-2026,000301\nB,2,06-Dec-2026,\nC,3,06-Dec-2026,\n",
                     QStringLiteral("run.csv"));
    // The printer is slow; Cancel is pressed while the first cheque prints.
    m_f->queue->printSlowly(2);
    QTimer::singleShot(50, batch, [batch] { find<QAbstractButton>(batch, "cmdCancelBatch")->click(); });
    click(batch, "cmdPrintBatch");
    QCOMPARE(m_f->queue->jobs.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().startsWith(QStringLiteral("1 printed, 2 not printed: lines 3 and 4.")),
             qPrintable(m_f->prompter.texts().first()));
    QVERIFY(find(batch, "cmdPrintBatch")->isEnabled()); // to go on with the rest
}

void TestBatchWindow::heldChequeIsTheOperatorsToDecide()
{
    frmBatch *batch = open();
    QVERIFY(batch);
    batch->loadBatch("Pay,Amount,Date,Cheque\nA,1,06-Dec-2026,000311\nB,2,06-Dec-2026,\n", QStringLiteral("run.csv"));
    // The printer holds the first cheque past the time limit; the operator cancels it.
    m_f->db.store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QStringLiteral("1"));
    m_f->queue->statuses = {{JobStatus::State::Held, false, QString()}};
    m_f->queue->cancelledAs = JobStatus {JobStatus::State::Cancelled, false, QString()};
    m_f->prompter.answers = {false};
    click(batch, "cmdPrintBatch");
    QCOMPARE(m_f->prompter.questions.size(), 1);
    QVERIFY2(m_f->prompter.questions.first().contains(QStringLiteral("held in the queue")),
             qPrintable(m_f->prompter.questions.first()));
    QCOMPARE(m_f->queue->cancelled, QList<int> {1});
    QCOMPARE(registerRows(m_f->db), 0);
    QVERIFY2(m_f->prompter.texts().first().startsWith(QStringLiteral("0 printed, 2 not printed: lines 2 and 3.")),
             qPrintable(m_f->prompter.texts().first()));
}

void TestBatchWindow::aRowPutRightInTheGridPrints()
{
    frmBatch *batch = open();
    QVERIFY(batch);
    batch->loadBatch("Pay,Amount,Date,Cheque\nA,1,06-Dec-2026,000401\nB,two,06-Dec-2026,\n", QStringLiteral("run.csv"));
    auto *rows = find<QTableWidget>(batch, "tblBatch");
    QVERIFY(!find(batch, "cmdPrintBatch")->isEnabled());
    QVERIFY(rows->item(1, 5)->flags() & Qt::ItemIsEditable);
    QVERIFY(!(rows->item(1, 6)->flags() & Qt::ItemIsEditable)); // the notes are the program's
    rows->item(1, 5)->setText(QStringLiteral("2"));
    QCOMPARE(rows->item(1, 6)->text(), QString());
    QVERIFY(find(batch, "cmdPrintBatch")->isEnabled());
    click(batch, "cmdPrintBatch");
    QCOMPARE(m_f->db.joined(QStringLiteral("SELECT ChequeNo || ' ' || Pay || ' ' || Amount FROM Cheque ORDER BY Id")),
             QStringLiteral("000401 A 1.0, 000402 B 2.0"));
}

void TestBatchWindow::postDatedChequesAreAskedAbout()
{
    frmBatch *batch = open();
    QVERIFY(batch);
    // And a stale one, which a bank may refuse: both are asked about in one question.
    batch->loadBatch("Pay,Amount,Date,Cheque\nA,1,06-Dec-2026,000501\nB,2,10-Jan-2027,\nC,3,05-Aug-2026,\n",
                     QStringLiteral("run.csv"));
    QVERIFY(find(batch, "cmdPrintBatch")->isEnabled()); // flagged, not refused
    m_f->prompter.answers = {false};
    click(batch, "cmdPrintBatch");
    QCOMPARE(m_f->prompter.questions.size(), 1);
    for (const QString &flag : {QStringLiteral("Line 3, Date: dated 10-Jan-2027, after today."),
                                QStringLiteral("Line 4, Date: dated 05-Aug-2026, more than 3 months back")})
        QVERIFY2(m_f->prompter.questions.first().contains(flag), qPrintable(m_f->prompter.questions.first()));
    QCOMPARE(m_f->queue->jobs.size(), 0);
    m_f->prompter.answers = {true};
    click(batch, "cmdPrintBatch");
    QCOMPARE(m_f->queue->jobs.size(), 3);
}

void TestBatchWindow::paste(frmBatch *batch, const QString &rows)
{
    QApplication::clipboard()->setText(rows);
    QTest::keySequence(batch, QKeySequence::Paste);
}

void TestBatchWindow::rowsAreReadAsTheEntryWindowReadsThem_data()
{
    QTest::addColumn<QString>("before"); // SQL run first
    QTest::addColumn<QString>("row"); // Pay,Amount,Date,Cheque
    QTest::addColumn<QString>("note"); // beside the row
    const QString taken = QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, NumberKey) "
                                         "VALUES ('ACC1', '540001', 1, 'Paid', '2026-12-05', '540001')");
    QTest::newRow("a payee on two lines") << ""
                                          << "\"Line One\nLine Two\",10,06-Dec-2026,000601"
                                          << "Pay: The payee holds a line break";
    QTest::newRow("a tab in the payee") << ""
                                        << "\"Tab\tGap\",10,06-Dec-2026,000601"
                                        << "Pay: The payee holds a tab";
    QTest::newRow("a number taken, in full-width digits") << taken << "Again,10,06-Dec-2026,５４０００１"
                                                          << "Cheque: Cheque number 540001 is already in the register";
    QTest::newRow("a number twice, the second full-width") << ""
                                                           << "One,10,06-Dec-2026,000101\nTwo,10,06-Dec-2026,１０１"
                                                           << "Cheque: number 101 is in the batch twice.";
    QTest::newRow("a number not of digits") << ""
                                            << "One,10,06-Dec-2026,A-12"
                                            << "Cheque: The cheque number \"A-12\" must be digits only";
    QTest::newRow("more decimals than the account takes")
        << "UPDATE BankAccount SET SubunitDigits = 0"
        << "One,1234.50,06-Dec-2026,000601"
        << "Amount: The amount 1234.50 has 2 decimals, but the account \"ACC1\" takes no decimals";
}

void TestBatchWindow::rowsAreReadAsTheEntryWindowReadsThem()
{
    QFETCH(QString, before);
    QFETCH(QString, row);
    QFETCH(QString, note);
    if (!before.isEmpty())
        m_f->db.exec(before);
    frmBatch *batch = open();
    QVERIFY(batch);
    paste(batch, QStringLiteral("Pay,Amount,Date,Cheque\n") + row + u'\n');
    auto *rows = find<QTableWidget>(batch, "tblBatch");
    const QString noted = rows->item(rows->rowCount() - 1, 6)->text();
    QVERIFY2(noted.startsWith(note), qPrintable(noted));
    QVERIFY(!find(batch, "cmdPrintBatch")->isEnabled());
    click(batch, "cmdPrintBatch");
    QCOMPARE(m_f->queue->jobs.size(), 0);
}

void TestBatchWindow::anAmountIsKeptWhenItsAccountChanges_data()
{
    QTest::addColumn<bool>("inTheGrid"); // the row's Account cell is changed; else the account's own decimals
    QTest::addColumn<QString>("note");
    QTest::newRow("the row is put on another account")
        << true << "Amount: The amount 1234.50 has 2 decimals, but the account \"ACC3\" takes no decimals";
    QTest::newRow("the account's decimals change before it prints")
        << false << "Amount: The amount 1234.50 has 2 decimals, but the account \"ACC1\" takes no decimals";
}

void TestBatchWindow::anAmountIsKeptWhenItsAccountChanges()
{
    QFETCH(bool, inTheGrid);
    QFETCH(QString, note);
    m_f->db.exec(QStringLiteral("UPDATE BankAccount SET SubunitDigits = 2"));
    BankAccountRecord whole = *m_f->db.store().accounts().find(QStringLiteral("ACC1"));
    whole.bankId = QStringLiteral("ACC3");
    whole.money.subunitDigits = 0;
    m_f->db.store().accounts().insert(whole);
    frmBatch *batch = open();
    QVERIFY(batch);
    paste(batch, QStringLiteral("Pay,Amount,Date,Cheque,Account\nOne,1234.50,06-Dec-2026,000601,ACC1\n"));
    QVERIFY2(shown(batch, "lblBatchSummary").contains(QStringLiteral("ACC1: 1 cheque(s), =1,234.50/-")),
             qPrintable(shown(batch, "lblBatchSummary")));
    auto *rows = find<QTableWidget>(batch, "tblBatch");
    batch->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(batch));
    const auto edit = [&](int column, const QString &text) {
        rows->setCurrentCell(0, column);
        QTest::keyClick(rows->viewport(), Qt::Key_F2);
        auto *editor = rows->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(rows->item(0, column)->text(), text); // the grid takes the edit once the key is handled
    };
    if (inTheGrid) {
        edit(1, QStringLiteral("ACC3"));
    } else {
        m_f->db.exec(QStringLiteral("UPDATE BankAccount SET SubunitDigits = 0 WHERE BankID = 'ACC1'"));
        click(batch, "cmdPrintBatch");
        QCOMPARE(m_f->prompter.messages.size(), 1);
        QVERIFY2(m_f->prompter.texts().first().contains(QStringLiteral("Nothing was printed")),
                 qPrintable(m_f->prompter.texts().first()));
    }
    // Never printed as another amount, nor cut to fit: the row says why, its amount as it was.
    QCOMPARE(m_f->queue->jobs.size(), 0);
    QVERIFY2(rows->item(0, 6)->text().startsWith(note), qPrintable(rows->item(0, 6)->text()));
    QCOMPARE(rows->item(0, 5)->text(), QStringLiteral("1234.50"));
    QVERIFY(!find(batch, "cmdPrintBatch")->isEnabled());
    // Put right in the grid, it prints.
    edit(5, QStringLiteral("1234"));
    QCOMPARE(rows->item(0, 6)->text(), QString());
    click(batch, "cmdPrintBatch");
    QCOMPARE(m_f->queue->printed().size(), 1);
    QCOMPARE(m_f->queue->printed().first().item(QStringLiteral("lblAmount")).text, QStringLiteral("=1,234/-"));
}

QUILLSET_TEST_MAIN(TestBatchWindow, QApplication)
#include "tst_frmBatch.moc"
