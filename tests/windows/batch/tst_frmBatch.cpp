#include "support/DataRows.h"
#include "support/TestMain.h"
#include "support/WindowTest.h"

#include "core/banks/BankAccount.h"
#include "core/issue/ChequeBookLife.h"
#include "store/Store.h"
#include "windows/batch/frmBatch.h"
#include "windows/issue/frmCheque.h"
#include "windows/layout/frmCheq.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QProgressBar>
#include <QSignalSpy>
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
    void pastedRowsPrintWithProgressAndPreview();
    void aBatchStoppedSaysWhatIsLeft_data();
    void aBatchStoppedSaysWhatIsLeft();
    void flaggedRowsAreAskedAboutOnce_data();
    void flaggedRowsAreAskedAboutOnce();
    void anEncodingIsNamedInTheWindow_data();
    void anEncodingIsNamedInTheWindow();
    void aBatchPastTheBookShowsWhatItUsed();
    void oneCauseIsListedOnce();
    void rowsAreReadAsTheEntryWindowReadsThem_data();
    void rowsAreReadAsTheEntryWindowReadsThem();
    void anAmountIsKeptWhenItsAccountChanges_data();
    void anAmountIsKeptWhenItsAccountChanges();
    void printableAreaIsAskedAboutOnce_data();
    void printableAreaIsAskedAboutOnce();

private:
    frmBatch *open();
    /// Pastes CSV text into the batch window as a spreadsheet's rows are pasted: with the keys.
    static void paste(frmBatch *batch, const QString &rows);
    /// Presses a key in the batch window as the operator does, the window active.
    static void press(frmBatch *batch, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::AltModifier);
    /// Writes the bytes to a file the window's Open offers.
    QString offerFile(const QByteArray &content);
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
    QCOMPARE(m_f->prompter.texts().first(), QStringLiteral("3 printed (000201–000203)."));
    // The entry window offers the number after the batch's.
    QVERIFY(find<QLineEdit>(m_entry, "txtChequeNo")->placeholderText().startsWith(QStringLiteral("000204")));
}

void TestBatchWindow::aBatchStoppedSaysWhatIsLeft_data()
{
    QTest::addColumn<bool>("held"); // the first cheque held past the time limit, and cancelled when asked
    QTest::addColumn<QString>("said"); // else Cancel pressed while the first prints
    row("Cancel between cheques", false, "1 printed (000301), 2 not printed: lines 3 and 4.");
    row("a held cheque cancelled", true, "0 printed, 3 not printed: lines 2–4.");
}

void TestBatchWindow::aBatchStoppedSaysWhatIsLeft()
{
    QFETCH(bool, held);
    QFETCH(QString, said);
    frmBatch *batch = open();
    QVERIFY(batch);
    batch->loadBatch("Pay,Amount,Date,Cheque\nA,1,06-Dec-2026,000301\nB,2,06-Dec-2026,\nC,3,06-Dec-2026,\n",
                     QStringLiteral("run.csv"));
    if (held) {
        m_f->db.store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QStringLiteral("1"));
        m_f->queue->statuses = {{JobStatus::State::Held, false, QString()}};
        m_f->queue->cancelledAs = JobStatus {JobStatus::State::Cancelled, false, QString()};
        m_f->prompter.answers = {false};
    } else {
        m_f->queue->printSlowly(10); // some 400 ms at the printer, asked ever less often
        QTimer::singleShot(50, batch, [batch] { find<QAbstractButton>(batch, "cmdCancelBatch")->click(); });
    }
    click(batch, "cmdPrintBatch");
    QCOMPARE(m_f->queue->jobs.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().startsWith(said), qPrintable(m_f->prompter.texts().first()));
    QCOMPARE(registerRows(m_f->db), held ? 0 : 1);
    // The job is cancelled in the print server only when the operator says so at the question.
    QCOMPARE(m_f->queue->cancelled, held ? QList<int> {1} : QList<int>());
    QCOMPARE(m_f->prompter.questions.size(), held ? 1 : 0);
    if (held)
        QVERIFY2(m_f->prompter.questions.first().contains(QStringLiteral("held in the queue")),
                 qPrintable(m_f->prompter.questions.first()));
    QVERIFY(find(batch, "cmdPrintBatch")->isEnabled()); // to go on with the rest
}

void TestBatchWindow::flaggedRowsAreAskedAboutOnce_data()
{
    QTest::addColumn<QString>("book"); // first and last leaf, or empty for none
    QTest::addColumn<QString>("rows"); // Pay,Amount,Date,Cheque
    QTest::addColumn<QString>("asked");
    row("post-dated", "", "A,1,06-Dec-2026,000501\nB,2,10-Jan-2027,", "Line 3, Date: dated 10-Jan-2027, after today.");
    row("stale", "", "A,1,06-Dec-2026,000501\nC,3,05-Aug-2026,",
        "Line 3, Date: dated 05-Aug-2026, more than 3 months back");
    row("a 0 amount", "", "A,0,06-Dec-2026,000501\nB,2,06-Dec-2026,", "Line 2, Amount: the amount is 0.");
    row("past the last book", "000501 000502", "A,1,06-Dec-2026,\nB,2,06-Dec-2026,\nC,3,06-Dec-2026,\nD,4,06-Dec-2026,",
        "Lines 4 and 5, Cheque: its number would be in none of the cheque books of \"ACC1\" (000501 to 000502).\n"
        "ACC1: 2 leaves left in its cheque books (000501 to 000502), and the batch takes 4. Lines 4 and 5 would print "
        "on 000503–000504, in no book.");
}

void TestBatchWindow::flaggedRowsAreAskedAboutOnce()
{
    QFETCH(QString, book);
    QFETCH(QString, rows);
    QFETCH(QString, asked);
    if (!book.isEmpty())
        addChequeBook(m_f->db.store(), QStringLiteral("ACC1"), book.section(u' ', 0, 0), book.section(u' ', 1),
                      QDate(2026, 12, 1));
    frmBatch *batch = open();
    QVERIFY(batch);
    paste(batch, QStringLiteral("Pay,Amount,Date,Cheque\n") + rows + u'\n');
    QVERIFY(find(batch, "cmdPrintBatch")->isEnabled()); // flagged, not refused
    QVERIFY2(shown(batch, "lblBatchSummary").contains(asked), qPrintable(shown(batch, "lblBatchSummary")));
    m_f->prompter.answers = {false};
    press(batch, Qt::Key_P);
    QCOMPARE(m_f->prompter.questions.size(), 1);
    QVERIFY2(m_f->prompter.questions.first().contains(asked), qPrintable(m_f->prompter.questions.first()));
    QCOMPARE(m_f->queue->jobs.size(), 0);
    m_f->prompter.answers = {true};
    press(batch, Qt::Key_P);
    QCOMPARE(m_f->prompter.questions.size(), 2); // once for the batch, not once a row
    QCOMPARE(m_f->queue->jobs.size(), rows.count(u'\n') + 1);
}

void TestBatchWindow::anEncodingIsNamedInTheWindow_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<int>("choice"); // how many Down presses in Encoding name the file's encoding
    QTest::newRow("windows-1252, as Excel's plain CSV")
        << QByteArray("Pay;Amount;Date;Cheque\r\nCaf\xE9 M\xFCller "
                      "GmbH;1;06-Dec-2026;000601\r\n")
        << "Line 2: its byte 4 (hex E9, after \"Caf\") is not UTF-8" << 1;
    QTest::newRow("Latin-1 with CR line ends, as LibreOffice's Western default")
        << QByteArray("Pay,Amount,Date,Cheque\rCaf\xE9 M\xFCller GmbH,1,06-Dec-2026,000601\r")
        << "Line 2: its byte 4 (hex E9, after \"Caf\") is not UTF-8" << 2;
}

void TestBatchWindow::anEncodingIsNamedInTheWindow()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, refused);
    QFETCH(int, choice);
    offerFile(content);
    frmBatch *batch = open();
    QVERIFY(batch);
    press(batch, Qt::Key_O);
    // Never guessed: the file is refused, naming where, and nothing can print.
    QVERIFY2(shown(batch, "lblBatchSummary").contains(refused), qPrintable(shown(batch, "lblBatchSummary")));
    QVERIFY(!find(batch, "cmdPrintBatch")->isEnabled());
    // The clerk names the encoding: Alt+E, then the arrow keys.
    press(batch, Qt::Key_E);
    auto *encoding = find<QComboBox>(batch, "cboEncoding");
    QVERIFY(encoding->hasFocus());
    for (int i = 0; i < choice; ++i)
        QTest::keyClick(encoding, Qt::Key_Down);
    auto *rows = find<QTableWidget>(batch, "tblBatch");
    QCOMPARE(rows->item(0, 3)->text(), QStringLiteral("Café Müller GmbH"));
    QVERIFY2(shown(batch, "lblBatchSummary").contains(QStringLiteral("Read as %1.").arg(encoding->currentText())),
             qPrintable(shown(batch, "lblBatchSummary")));
    press(batch, Qt::Key_P);
    QCOMPARE(m_f->db.joined(QStringLiteral("SELECT Pay || ' ' || BatchLine FROM Cheque")),
             QStringLiteral("Café Müller GmbH 2"));
    QCOMPARE(m_f->queue->printed().first().item(QStringLiteral("lblPay")).text, QStringLiteral("Café Müller GmbH"));
    // The choice stays for the next file; one saved as UTF-8 is not read in it as "CafÃ© MÃ¼ller".
    offerFile(QStringLiteral("Pay,Amount,Date,Cheque\nCafé Müller GmbH,1,06-Dec-2026,000602\n").toUtf8());
    press(batch, Qt::Key_O);
    QVERIFY2(shown(batch, "lblBatchSummary")
                 .contains(QStringLiteral("is UTF-8 text, so the file is not %1: choose "
                                          "\"UTF-8, or as the file is marked\" under "
                                          "Encoding.")
                               .arg(encoding->currentText())),
             qPrintable(shown(batch, "lblBatchSummary")));
    QVERIFY(!find(batch, "cmdPrintBatch")->isEnabled());
}

void TestBatchWindow::aBatchPastTheBookShowsWhatItUsed()
{
    // A book of 25 leaves, eight used, the last from the entry window.
    addChequeBook(m_f->db.store(), QStringLiteral("ACC1"), QStringLiteral("000101"), QStringLiteral("000125"),
                  QDate(2026, 12, 1));
    for (int leaf = 101; leaf < 108; ++leaf)
        m_f->db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, NumberKey) VALUES "
                                    "('ACC1', ?, 1, 'Before', '2026-12-01', ?)"),
                     {QStringLiteral("000%1").arg(leaf), QString::number(leaf)});
    retype(m_entry, "txtChequeNo", QStringLiteral("000108"));
    retype(m_entry, "txtPay", QStringLiteral("At The Desk"));
    retype(m_entry, "txtAmount", QStringLiteral("5"));
    QTest::keyClick(find(m_entry, "txtAmount"), Qt::Key_P, Qt::AltModifier);
    QVERIFY2(shown(m_entry, "lblStatus").contains(QStringLiteral("17 leaves left in this book.")),
             qPrintable(shown(m_entry, "lblStatus")));
    QByteArray csv = "Pay,Amount,Date\n";
    for (int i = 1; i <= 25; ++i)
        csv += "Payee " + QByteArray::number(i) + "," + QByteArray::number(i * 100) + ",06-Dec-2026\n";
    offerFile(csv);
    frmBatch *batch = open();
    QVERIFY(batch);
    press(batch, Qt::Key_O);
    auto *rows = find<QTableWidget>(batch, "tblBatch");
    QCOMPARE(rows->item(0, 2)->text(), QStringLiteral("(next: 000109)"));
    QCOMPARE(rows->item(24, 2)->text(), QStringLiteral("(next: 000133)"));
    QVERIFY2(shown(batch, "lblBatchSummary")
                 .contains(QStringLiteral("ACC1: 17 leaves left in its cheque books (000101 to 000125), and the batch "
                                          "takes 25. Lines 19–26 would print on 000126–000133, in no book.")),
             qPrintable(shown(batch, "lblBatchSummary")));
    press(batch, Qt::Key_P); // asked once, and answered yes
    QCOMPARE(m_f->queue->jobs.size(), 1 + 25);
    // Afterwards: each row's number and status, the numbers used, and the entry window's count.
    QCOMPARE(rows->item(0, 2)->text(), QStringLiteral("000109"));
    QCOMPARE(rows->item(24, 2)->text(), QStringLiteral("000133"));
    QCOMPARE(rows->item(24, 6)->text(), QStringLiteral("printed"));
    QVERIFY2(m_f->prompter.texts().last().startsWith(
                 QStringLiteral("25 printed (000109–000133).\nACC1: no leaves left in its cheque books (000101 to "
                                "000125): have the next book ready.")),
             qPrintable(m_f->prompter.texts().last()));
    QVERIFY2(shown(batch, "lblBatchSummary").startsWith(m_f->prompter.texts().last()),
             qPrintable(shown(batch, "lblBatchSummary")));
    QVERIFY2(shown(m_entry, "lblStatus").startsWith(QStringLiteral("No leaves are left")),
             qPrintable(shown(m_entry, "lblStatus")));
    QVERIFY(find<QLineEdit>(m_entry, "txtChequeNo")->placeholderText().startsWith(QStringLiteral("000134")));
    // Opened again, the file is what it is now: printed.
    press(batch, Qt::Key_O);
    QVERIFY2(shown(batch, "lblBatchSummary")
                 .startsWith(QStringLiteral("This batch is already printed: 25 cheque(s), 000109–000133.")),
             qPrintable(shown(batch, "lblBatchSummary")));
    QVERIFY(!find(batch, "cmdPrintBatch")->isEnabled());
    QCOMPARE(rows->item(3, 2)->text(), QStringLiteral("000112"));
}

void TestBatchWindow::oneCauseIsListedOnce()
{
    frmBatch *batch = open();
    QVERIFY(batch);
    QString rows = QStringLiteral("Pay\tAmount\tDate\n");
    for (int i = 1; i <= 50; ++i)
        rows += QStringLiteral("Payee %1\t10\t06-Dec-2026\n").arg(i);
    paste(batch, rows);
    const QString summary = shown(batch, "lblBatchSummary");
    QVERIFY2(
        summary.startsWith(QStringLiteral("1 problem(s): nothing can print until they are put right in the file.\n"
                                          "Lines 2–51: the account \"ACC1\" has no cheque numbered in digits yet")),
        qPrintable(summary));
    QCOMPARE(summary.count(QStringLiteral("no next number")), 1);
}

void TestBatchWindow::printableAreaIsAskedAboutOnce_data()
{
    QTest::addColumn<double>("margin"); // millimetres the printer cannot print at every edge; -1 for not known
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("asked"); // empty when nothing is asked
    const char *cut = "Lines 2 and 4: The printer \"TestQueue\" cannot print near the edges of the sheet, so "
                      "part of the crossing stamp would not print.";
    row("the printer says nothing", -1.0, false, "");
    row("every item inside", 1.0, false, "");
    row("the crossing cut, printed anyway", 5.0, true, cut);
    row("the crossing cut, not printed", 5.0, false, cut);
}

void TestBatchWindow::printableAreaIsAskedAboutOnce()
{
    QFETCH(double, margin);
    QFETCH(bool, answer);
    QFETCH(QString, asked);
    // The sample leaf's crossing lies in the sheet's corner; the row without a stamp prints none.
    if (margin >= 0)
        m_f->queue->margins = QMarginsF(margin, margin, margin, margin);
    frmBatch *batch = open();
    QVERIFY(batch);
    paste(batch,
          QStringLiteral("Pay,Amount,Date,Cheque,Stamp\nA,1,06-Dec-2026,000601,yes\nB,2,06-Dec-2026,,no\n"
                         "C,3,06-Dec-2026,,yes\n"));
    m_f->prompter.answers = {answer};
    press(batch, Qt::Key_P);
    QCOMPARE(m_f->prompter.questions.size(), asked.isEmpty() ? 0 : 1);
    if (!asked.isEmpty())
        QVERIFY2(m_f->prompter.questions.first().startsWith(asked), qPrintable(m_f->prompter.questions.first()));
    QCOMPARE(m_f->queue->jobs.size(), asked.isEmpty() || answer ? 3 : 0);
    QCOMPARE(registerRows(m_f->db), asked.isEmpty() || answer ? 3 : 0);
}

void TestBatchWindow::paste(frmBatch *batch, const QString &rows)
{
    QApplication::clipboard()->setText(rows);
    QTest::keySequence(batch, QKeySequence::Paste);
}

void TestBatchWindow::press(frmBatch *batch, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    batch->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(batch));
    // A button's access key clicks it a moment later, as a pressed button is seen to go down and
    // up: the press is done once the button has been clicked and its work is over.
    QAbstractButton *pressed = nullptr;
    for (QAbstractButton *button : batch->findChildren<QAbstractButton *>()) {
        const QString caption = button->text();
        const qsizetype mark = caption.indexOf(u'&');
        if (modifiers == Qt::AltModifier && mark >= 0 && caption.at(mark + 1).toUpper().unicode() == key)
            pressed = button;
    }
    std::unique_ptr<QSignalSpy> clicked;
    if (pressed)
        clicked = std::make_unique<QSignalSpy>(pressed, &QAbstractButton::clicked);
    QWidget *focused = QApplication::focusWidget();
    QTest::keyClick(focused && focused->window() == batch ? focused : batch, key, modifiers);
    if (clicked)
        QTRY_COMPARE_WITH_TIMEOUT(clicked->count(), 1, 30000);
}

QString TestBatchWindow::offerFile(const QByteArray &content)
{
    const QString file = m_f->db.folder() + QStringLiteral("/offered.csv");
    QFile csv(file);
    if (!csv.open(QIODevice::WriteOnly) || csv.write(content) != content.size())
        return QString();
    m_f->services.chooseOpenFile = [file](const QString &, const QString &) { return file; };
    return file;
}

void TestBatchWindow::rowsAreReadAsTheEntryWindowReadsThem_data()
{
    QTest::addColumn<QString>("before"); // SQL run first
    QTest::addColumn<QString>("row"); // Pay,Amount,Date,Cheque
    QTest::addColumn<QString>("notes"); // beside each row, apart by |; empty for a good row
    const QString taken = QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, NumberKey) "
                                         "VALUES ('ACC1', '540001', 1, 'Paid', '2026-12-05', '540001')");
    row("an empty payee, an amount in words, no such day", "",
        "Good,10,06-Dec-2026,000101\n,10,06-Dec-2026,000102\nBad,ten,06-Dec-2026,000103\nLate,10,31-Feb-2026,000104",
        "|Pay: it is empty.|Amount: |Date: ");
    row("a payee on two lines", "", "\"Line One\nLine Two\",10,06-Dec-2026,000601",
        "Pay: The payee holds a line break");
    row("a number taken, in full-width digits", taken, "Again,10,06-Dec-2026,５４０００１",
        "Cheque: Cheque number 540001 is already in the register");
    row("a number twice, the second full-width", "", "One,10,06-Dec-2026,000101\nTwo,10,06-Dec-2026,１０１",
        "|Cheque: number 101 is in the batch twice.");
    row("a number not of digits", "", "One,10,06-Dec-2026,A-12",
        "Cheque: The cheque number \"A-12\" must be digits only");
    row("more decimals than the account takes", "UPDATE BankAccount SET SubunitDigits = 0",
        "One,1234.50,06-Dec-2026,000601",
        "Amount: The amount 1234.50 has 2 decimals, but the account \"ACC1\" takes no decimals");
}

void TestBatchWindow::rowsAreReadAsTheEntryWindowReadsThem()
{
    QFETCH(QString, before);
    QFETCH(QString, row);
    QFETCH(QString, notes);
    if (!before.isEmpty())
        m_f->db.exec(before);
    const int recorded = registerRows(m_f->db);
    frmBatch *batch = open();
    QVERIFY(batch);
    paste(batch, QStringLiteral("Pay,Amount,Date,Cheque\n") + row + u'\n');
    auto *rows = find<QTableWidget>(batch, "tblBatch");
    const QStringList noted = notes.split(u'|');
    QCOMPARE(rows->rowCount(), noted.size());
    for (int r = 0; r < rows->rowCount(); ++r) {
        const QString beside = rows->item(r, 6)->text();
        QVERIFY2(noted.at(r).isEmpty() ? beside.isEmpty() : beside.startsWith(noted.at(r)), qPrintable(beside));
    }
    QVERIFY2(
        shown(batch, "lblBatchSummary")
            .startsWith(QStringLiteral("%1 problem(s): nothing can print").arg(noted.size() - noted.count(QString()))),
        qPrintable(shown(batch, "lblBatchSummary")));
    QVERIFY(!find(batch, "cmdPrintBatch")->isEnabled());
    click(batch, "cmdPrintBatch");
    QCOMPARE(m_f->queue->jobs.size(), 0);
    QCOMPARE(registerRows(m_f->db), recorded);
}

void TestBatchWindow::anAmountIsKeptWhenItsAccountChanges_data()
{
    QTest::addColumn<bool>("inTheGrid"); // the row's Account cell is changed; else the account's own decimals
    QTest::addColumn<QString>("note");
    row("the row is put on another account", true,
        "Amount: The amount 1234.50 has 2 decimals, but the account \"ACC3\" takes no decimals");
    row("the account's decimals change before it prints", false,
        "Amount: The amount 1234.50 has 2 decimals, but the account \"ACC1\" takes no decimals");
}

// The second of two rows; put right in the grid, both print.
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
    paste(batch,
          QStringLiteral("Pay,Amount,Date,Cheque,Account\nZero,1,06-Dec-2026,000600,ACC3\n"
                         "One,1234.50,06-Dec-2026,000601,ACC1\n"));
    QVERIFY2(shown(batch, "lblBatchSummary").contains(QStringLiteral("ACC1: 1 cheque(s), =1,234.50/-")),
             qPrintable(shown(batch, "lblBatchSummary")));
    auto *rows = find<QTableWidget>(batch, "tblBatch");
    batch->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(batch));
    const auto edit = [&](int column, const QString &text) {
        rows->setCurrentCell(1, column);
        QTest::keyClick(rows->viewport(), Qt::Key_F2);
        auto *editor = rows->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(rows->item(1, column)->text(), text); // the grid takes the edit once the key is handled
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
    QVERIFY2(rows->item(1, 6)->text().startsWith(note), qPrintable(rows->item(1, 6)->text()));
    QCOMPARE(rows->item(1, 5)->text(), QStringLiteral("1234.50"));
    QVERIFY(!find(batch, "cmdPrintBatch")->isEnabled());
    // The cells are the clerk's to put right; the notes beside them are the program's.
    QVERIFY((rows->item(1, 5)->flags() & Qt::ItemIsEditable) && !(rows->item(1, 6)->flags() & Qt::ItemIsEditable));
    edit(5, QStringLiteral("1234"));
    QCOMPARE(rows->item(1, 6)->text(), QString());
    QVERIFY(find(batch, "cmdPrintBatch")->isEnabled());
    click(batch, "cmdPrintBatch");
    QCOMPARE(m_f->queue->printed().size(), 2);
    QCOMPARE(m_f->queue->printed().last().item(QStringLiteral("lblAmount")).text, QStringLiteral("=1,234/-"));
    QCOMPARE(m_f->db.joined(QStringLiteral("SELECT ChequeNo || ' ' || Pay || ' ' || Amount FROM Cheque ORDER BY Id")),
             QStringLiteral("000600 Zero 1, 000601 One 1234"));
}

QUILLSET_TEST_MAIN(TestBatchWindow, QApplication)
#include "tst_frmBatch.moc"
