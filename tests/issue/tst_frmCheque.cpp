#include "support/WindowTest.h"

#include "issue/frmCheque.h"
#include "layout/frmCheq.h"
#include "shell/MDIForm1.h"
#include "store/Store.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>

using namespace quillset;
using namespace quillset::test;

// Drives the real entry window with keys and clicks against a real database and a recording printer.
class TestChequeEntry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTheChosenAccount();
    void amountTakesNineDigitsAndIsSpelledInCapitals();
    void enterMovesOneFieldOn();
    void invalidDateHoldsTheFocus();
    void incompleteChequeIsRefused_data();
    void incompleteChequeIsRefused();
    void printRecordsExactlyWhatWasTyped();
    void failedPrintRecordsNothingAndKeepsTheFields();
    void failedRecordSaysThePrintedChequeIsNotRecorded();
    void previewPrintsAndRecordsThePagePreviewed();
    void printComposesAfreshAndCloseKeepsTheCheque();
    void previewNeedsNoPrintServer();
    void missingAccountsAndStampSettingAreSaid();

private:
    void open();
    void typeCheque(const QString &chequeNo, const QString &pay, const QString &amount);
    QWidget *focused() const { return QApplication::focusWidget(); }

    std::unique_ptr<WindowFixture> m_f;
    QPointer<frmCheque> m_window;
};

void TestChequeEntry::init()
{
    m_f = std::make_unique<WindowFixture>();
    QVERIFY(m_f->db.isReady());
    m_f->db.exec(QStringLiteral("INSERT INTO BankAccount (BankID, BankName, AccountNo, City) "
                                "VALUES ('ACC2', 'Second Bank', '99-88', 'Pune')"));
}

void TestChequeEntry::cleanup()
{
    delete m_window;
    m_f.reset();
}

void TestChequeEntry::open()
{
    m_window = new frmCheque(m_f->services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestChequeEntry::typeCheque(const QString &chequeNo, const QString &pay, const QString &amount)
{
    QTest::keyClicks(find<QLineEdit>(m_window, "txtChequeNo"), chequeNo);
    QTest::keyClicks(find<QLineEdit>(m_window, "txtPay"), pay);
    QTest::keyClicks(find<QLineEdit>(m_window, "txtAmount"), amount);
}

void TestChequeEntry::showsTheChosenAccount()
{
    open();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Quillset Program"));
    QCOMPARE(m_window->size(), QSize(440, 213));
    QCOMPARE(find<QComboBox>(m_window, "comBankID")->count(), 2);
    QCOMPARE(shown(m_window, "lblAcc") + u'|' + shown(m_window, "lblBank") + u'|' + shown(m_window, "lblAddress"),
             QStringLiteral("012345678901|Sample Bank|1 Market Street"));
    QCOMPARE(shown(m_window, "txtDate"), QStringLiteral("06-Dec-2026"));
    QVERIFY(find<QCheckBox>(m_window, "chkStamp")->isChecked());
    QCOMPARE(focused(), find(m_window, "cmdPrint"));

    // Another account replaces the details and empties the cheque number; the cheque stays.
    typeCheque(QStringLiteral("000123"), QStringLiteral("ABC Traders"), QStringLiteral("500"));
    QTest::keyClick(find(m_window, "comBankID"), Qt::Key_Down);
    QCOMPARE(shown(m_window, "lblAcc") + u'|' + shown(m_window, "lblBank") + u'|' + shown(m_window, "lblAddress") + u'|'
                 + shown(m_window, "lblCity"),
             QStringLiteral("99-88|Second Bank||Pune"));
    QCOMPARE(shown(m_window, "txtChequeNo"), QString());
    QCOMPARE(shown(m_window, "txtPay") + u'|' + shown(m_window, "txtAmount") + u'|' + shown(m_window, "txtDate"),
             QStringLiteral("ABC Traders|500|06-Dec-2026"));
    QVERIFY(m_f->prompter.messages.isEmpty());
}

void TestChequeEntry::amountTakesNineDigitsAndIsSpelledInCapitals()
{
    open();
    auto *amount = find<QLineEdit>(m_window, "txtAmount");
    QTest::keyClicks(amount, QStringLiteral("12a.5"));
    QCOMPARE(amount->text(), QStringLiteral("125"));
    QCOMPARE(m_f->prompter.beeps, 2);
    QCOMPARE(shown(m_window, "lblNaration"), QStringLiteral("ONE HUNDRED TWENTY FIVE ONLY."));
    QTest::keyClicks(amount, QStringLiteral("4567890"));
    QCOMPARE(amount->text(), QStringLiteral("125456789")); // the tenth digit is refused

    // Pasted text that is not all digits changes nothing; digits are taken.
    amount->clear();
    QCOMPARE(shown(m_window, "lblNaration"), QStringLiteral(" ONLY."));
    QApplication::clipboard()->setText(QStringLiteral("1,000"));
    amount->paste();
    QCOMPARE(amount->text(), QString());
    QApplication::clipboard()->setText(QStringLiteral("2500"));
    amount->paste();
    QCOMPARE(shown(m_window, "lblNaration"), QStringLiteral("TWO THOUSAND FIVE HUNDRED  ONLY."));
}

void TestChequeEntry::enterMovesOneFieldOn()
{
    open();
    find(m_window, "txtPay")->setFocus();
    QTest::keyClick(focused(), Qt::Key_Return);
    QCOMPARE(focused(), find(m_window, "txtDate"));
    QTest::keyClick(focused(), Qt::Key_Return);
    QCOMPARE(focused(), find(m_window, "txtAmount"));
    QCOMPARE(m_f->prompter.beeps, 0);
    QTest::keyClick(focused(), Qt::Key_Enter); // moves on, and the amount refuses the key audibly
    QCOMPARE(focused(), find(m_window, "chkStamp"));
    QCOMPARE(m_f->prompter.beeps, 1);
}

void TestChequeEntry::invalidDateHoldsTheFocus()
{
    open();
    typeCheque(QStringLiteral("7"), QStringLiteral("X"), QStringLiteral("5"));
    retype(m_window, "txtDate", QStringLiteral("31-Feb-2026"));
    auto *date = find<QLineEdit>(m_window, "txtDate");
    QTest::keyClick(date, Qt::Key_Tab);
    QTest::keyClick(date, Qt::Key_Return);
    QTest::mouseClick(find(m_window, "txtPay"), Qt::LeftButton);
    for (const char *button : {"cmdPrint", "cmdPrintPreview", "cmdCancel"})
        click(m_window, button);
    QCOMPARE(focused(), date);
    QVERIFY(m_window->isVisible());
    QVERIFY(m_f->queue->jobs.isEmpty());
    QCOMPARE(registerRows(m_f->db), 0);
    QVERIFY(m_f->prompter.messages.isEmpty()); // silently
    QCOMPARE(m_f->prompter.beeps, 0);

    date->clear();
    QTest::keyClick(date, Qt::Key_Tab);
    QCOMPARE(focused(), find(m_window, "txtAmount"));
    date->setText(QStringLiteral("not a date"));
    date->setFocus();
    QVERIFY(m_window->close()); // the close box still closes
}

void TestChequeEntry::incompleteChequeIsRefused_data()
{
    QTest::addColumn<QString>("emptied");
    for (const char *field : {"txtChequeNo", "txtPay", "txtDate", "txtAmount"})
        QTest::newRow(field) << QString::fromLatin1(field);
}

void TestChequeEntry::incompleteChequeIsRefused()
{
    QFETCH(QString, emptied);
    open();
    typeCheque(QStringLiteral("000123"), QStringLiteral("ABC Traders"), QStringLiteral("12345"));
    find<QLineEdit>(m_window, qPrintable(emptied))->clear();
    click(m_window, "cmdPrint");
    click(m_window, "cmdPrintPreview");
    QCOMPARE(m_f->prompter.texts(), QStringList(2, QStringLiteral("You cannot print All the fields must be selected")));
    QCOMPARE(m_f->prompter.messages.first().icon, Prompter::Icon::Error);
    QVERIFY(m_f->queue->jobs.isEmpty() && !m_window->previewFrame());
    QCOMPARE(registerRows(m_f->db), 0);
    QCOMPARE(shown(m_window, "txtPay").isEmpty(), emptied == QLatin1String("txtPay"));
}

void TestChequeEntry::printRecordsExactlyWhatWasTyped()
{
    m_f->db.store().parameters().SetSystemParameter(Parameter::Stamp, QStringLiteral("0"));
    open();
    auto *stamp = find<QCheckBox>(m_window, "chkStamp");
    QTest::mouseClick(stamp, Qt::LeftButton, {}, QPoint(5, stamp->height() / 2));
    typeCheque(QStringLiteral("000123"), QStringLiteral("Dealer's Co."), QStringLiteral("12345"));
    click(m_window, "cmdPrint");

    QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'\n')));
    QCOMPARE(m_f->queue->printed().size(), 1);
    const ChequePage &page = m_f->queue->printed().first();
    QCOMPARE(page.item(QStringLiteral("lblPay")).text, QStringLiteral("Dealer's Co."));
    QCOMPARE(page.item(QStringLiteral("lblAmount")).text, QStringLiteral("=12,345/-"));
    QVERIFY(page.item(QStringLiteral("Stamp")).shown);
    QCOMPARE(m_f->db
                 .scalar(QStringLiteral("SELECT group_concat(BankID || '|' || ChequeNo || '|' || Amount || "
                                        "'|' || Pay || '|' || PrintDate) FROM Cheque"))
                 .toString(),
             QStringLiteral("ACC1|000123|12345.0|Dealer's Co.|2026-12-06"));

    // Ready for the next cheque: account and date stay, the stamp is back at its setting.
    QCOMPARE(shown(m_window, "txtChequeNo") + shown(m_window, "txtPay") + shown(m_window, "txtAmount"), QString());
    QCOMPARE(shown(m_window, "lblNaration"), QStringLiteral(" ONLY."));
    QVERIFY(!stamp->isChecked());
    QCOMPARE(shown(m_window, "txtDate"), QStringLiteral("06-Dec-2026"));
}

void TestChequeEntry::failedPrintRecordsNothingAndKeepsTheFields()
{
    open();
    typeCheque(QStringLiteral("000124"), QStringLiteral("ABC Traders"), QStringLiteral("0"));
    m_f->queue->installed = false;
    click(m_window, "cmdPrint");
    m_f->queue->installed = true;
    m_f->queue->refuseJob = true; // takes the page, refuses the job
    click(m_window, "cmdPrint");
    QCOMPARE(m_f->prompter.messages.size(), 2);
    QVERIFY(m_f->prompter.texts().at(0).startsWith(QStringLiteral("ERR:1101:No printer")));
    QVERIFY(m_f->prompter.texts().at(1).startsWith(QStringLiteral("ERR:1102:")));
    QCOMPARE(registerRows(m_f->db), 0);
    QCOMPARE(shown(m_window, "txtChequeNo") + u'|' + shown(m_window, "txtAmount"), QStringLiteral("000124|0"));

    m_f->queue->refuseJob = false; // the same fields now print and record a cheque for 0
    click(m_window, "cmdPrint");
    QCOMPARE(m_f->prompter.messages.size(), 2);
    QCOMPARE(registerRows(m_f->db), 1);
}

void TestChequeEntry::failedRecordSaysThePrintedChequeIsNotRecorded()
{
    m_f->db.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Cheque BEGIN "
                                "SELECT RAISE(ABORT, 'the disk is full'); END"));
    open();
    typeCheque(QStringLiteral("000125"), QStringLiteral("ABC Traders"), QStringLiteral("900"));
    click(m_window, "cmdPrint");
    QCOMPARE(m_f->queue->printed().size(), 1);
    QCOMPARE(m_f->prompter.messages.size(), 1);
    const QString said = m_f->prompter.messages.first().text;
    QVERIFY2(said.contains(QStringLiteral("WAS printed but NOT recorded"))
                 && said.contains(QStringLiteral("disk is full")),
             qPrintable(said));
    QCOMPARE(shown(m_window, "txtChequeNo") + u'|' + shown(m_window, "txtPay"), QStringLiteral("000125|ABC Traders"));
}

void TestChequeEntry::previewPrintsAndRecordsThePagePreviewed()
{
    open();
    typeCheque(QStringLiteral("000126"), QStringLiteral("Preview Payee"), QStringLiteral("777"));
    click(m_window, "cmdPrintPreview");
    MDIForm1 *preview = m_window->previewFrame();
    QVERIFY(preview && preview->isVisible() && preview->layoutWindow());
    QCOMPARE(preview->windowTitle(), QStringLiteral("Printing Preview of Cheque"));
    QCOMPARE(registerRows(m_f->db), 0);
    const ChequePage previewed = preview->layoutWindow()->page();
    QCOMPARE(previewed.item(QStringLiteral("lblPay")).text, QStringLiteral("Preview Payee"));

    click(preview, "cmdPrint");
    QCOMPARE(m_f->queue->printed().size(), 1);
    QCOMPARE(m_f->queue->printed().first(), previewed);
    QCOMPARE(registerRows(m_f->db), 1);
    QVERIFY(!preview->isVisible() && !preview->layoutWindow());
    QCOMPARE(shown(m_window, "txtPay"), QString());
}

void TestChequeEntry::printComposesAfreshAndCloseKeepsTheCheque()
{
    open();
    typeCheque(QStringLiteral("000127"), QStringLiteral("Old Payee"), QStringLiteral("100"));
    click(m_window, "cmdPrintPreview");
    MDIForm1 *preview = m_window->previewFrame();
    click(preview, "cmdClose");
    QVERIFY(!preview->isVisible() && !preview->layoutWindow());
    QCOMPARE(registerRows(m_f->db), 0);
    QCOMPARE(shown(m_window, "txtPay"), QStringLiteral("Old Payee"));

    // The close box discards the page too; a later preview brings the frame back.
    click(m_window, "cmdPrintPreview");
    preview->close();
    QVERIFY(!preview->layoutWindow());
    click(m_window, "cmdPrintPreview");
    QVERIFY(preview->isVisible());

    // Printing while the preview shows the old payee prints, and records, the fields as they are now.
    retype(m_window, "txtPay", QStringLiteral("New Payee"));
    click(m_window, "cmdPrint");
    QCOMPARE(m_f->queue->printed().first().item(QStringLiteral("lblPay")).text, QStringLiteral("New Payee"));
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT Pay FROM Cheque")).toString(), QStringLiteral("New Payee"));
    QVERIFY(!preview->isVisible());
}

void TestChequeEntry::previewNeedsNoPrintServer()
{
    // The program's own print queue, on a machine whose print server is not there at all.
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    m_f->services.printQueue = AppServices(m_f->prompter).printQueue;
    open();
    typeCheque(QStringLiteral("000128"), QStringLiteral("No Printer Ltd"), QStringLiteral("4500"));
    click(m_window, "cmdPrintPreview");
    MDIForm1 *preview = m_window->previewFrame();
    QVERIFY(preview && preview->isVisible() && preview->layoutWindow());
    QCOMPARE(preview->layoutWindow()->page().item(QStringLiteral("lblAmount")).text, QStringLiteral("=4,500/-"));
    QVERIFY(m_f->prompter.messages.isEmpty());

    click(preview, "cmdPrint");
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().startsWith(QStringLiteral("ERR:1101:No printer is installed")),
             qPrintable(m_f->prompter.texts().first()));
    QCOMPARE(registerRows(m_f->db), 0);
    QCOMPARE(shown(m_window, "txtPay"), QStringLiteral("No Printer Ltd"));
    qunsetenv("CUPS_SERVER");
}

void TestChequeEntry::missingAccountsAndStampSettingAreSaid()
{
    m_f->db.exec(QStringLiteral("DELETE FROM BankAccount"));
    m_f->db.store().parameters().SetSystemParameter(Parameter::Stamp, QStringLiteral("yes"));
    open();
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY(m_f->prompter.texts().first().contains(QStringLiteral("\"Stamp\"")));
    QVERIFY(!find<QCheckBox>(m_window, "chkStamp")->isChecked());
    QCOMPARE(shown(m_window, "lblAcc"), QString());

    typeCheque(QStringLiteral("1"), QStringLiteral("X"), QStringLiteral("5"));
    click(m_window, "cmdPrint");
    click(m_window, "cmdPrintPreview");
    QCOMPARE(m_f->prompter.messages.size(), 3);
    QVERIFY(m_f->prompter.texts().at(1).contains(QStringLiteral("Bank Data")));
    QVERIFY(m_f->queue->jobs.isEmpty());
}

QUILLSET_TEST_MAIN(TestChequeEntry, QApplication)
#include "tst_frmCheque.moc"
