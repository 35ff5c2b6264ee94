#include "doubles/RecordingPrinter.h"
#include "doubles/RecordingPrompter.h"
#include "support/TestDatabase.h"

#include "issue/frmCheque.h"
#include "layout/ComposeCheque.h"
#include "layout/frmCheq.h"
#include "shell/AppServices.h"
#include "shell/MDIForm1.h"
#include "store/Database.h"
#include "store/SystemParameters.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

using namespace quillset;
using namespace quillset::test;

// Drives the real entry window with keys and clicks against a real database and a recording printer.
class TestChequeEntry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnTheFirstAccountWithTodaysDate();
    void choosingAnotherAccountKeepsTheCheque();
    void amountTakesDigitsOnly();
    void amountIsSpelledInCapitals();
    void enterMovesOneFieldOn();
    void invalidDateHoldsTheFocus();
    void incompleteChequeIsRefused_data();
    void incompleteChequeIsRefused();
    void printRecordsExactlyWhatWasTyped();
    void failedPrintRecordsNothingAndKeepsTheFields();
    void failedRecordSaysThePrintedChequeIsNotRecorded();
    void previewShowsThePageAndItsPrintRecords();
    void printWithPreviewOpenComposesAfresh();
    void previewCloseKeepsTheCheque();
    void noAccountsAsksForOne();
    void unreadableStampSettingIsNamed();

private:
    void openWindow();
    QLineEdit *field(const char *name) const { return m_window->findChild<QLineEdit *>(QString::fromLatin1(name)); }
    QPushButton *button(const char *name) const
    {
        return m_window->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    QString caption(const char *name) const { return m_window->findChild<QLabel *>(QString::fromLatin1(name))->text(); }
    void typeCheque(const QString &chequeNo, const QString &pay, const QString &amount);
    static int registerRows() { return TestDatabase::scalar(QStringLiteral("SELECT count(*) FROM Cheque")).toInt(); }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingPrompter> m_prompter;
    std::unique_ptr<AppServices> m_services;
    std::shared_ptr<RecordingPrinter> m_printer;
    QPointer<frmCheque> m_window;
};

void TestChequeEntry::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    TestDatabase::exec(QStringLiteral("INSERT INTO BankAccount (BankID, BankName, AccountNo, Address, City, Width, "
                                      "Height, DateLeft, DateBottom, DateWidth, PayLeft, PayBottom, PayWidth, "
                                      "AmountLeft, AmountBottom, AmountWidth, Rupee1Left, Rupee1Bottom, Rupee1Width, "
                                      "Rupee2Left, Rupee2Bottom, Rupee2Width, Rupee3Left, Rupee3Bottom, Rupee3Width) "
                                      "SELECT 'ACC2', 'Second Bank', '99-88', NULL, 'Pune', Width, Height, DateLeft, "
                                      "DateBottom, DateWidth, PayLeft, PayBottom, PayWidth, AmountLeft, AmountBottom, "
                                      "AmountWidth, Rupee1Left, Rupee1Bottom, Rupee1Width, Rupee2Left, Rupee2Bottom, "
                                      "Rupee2Width, Rupee3Left, Rupee3Bottom, Rupee3Width FROM BankAccount"));
    m_prompter = std::make_unique<RecordingPrompter>();
    m_services = std::make_unique<AppServices>(*m_prompter);
    m_services->today = [] { return QDate(2026, 12, 6); };
    m_printer = std::make_shared<RecordingPrinter>();
    m_services->makePrinter = [this] { return m_printer; };
}

void TestChequeEntry::cleanup()
{
    delete m_window;
    m_services.reset();
    m_db.reset();
}

void TestChequeEntry::openWindow()
{
    m_window = new frmCheque(*m_services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestChequeEntry::typeCheque(const QString &chequeNo, const QString &pay, const QString &amount)
{
    QTest::keyClicks(field("txtChequeNo"), chequeNo);
    QTest::keyClicks(field("txtPay"), pay);
    QTest::keyClicks(field("txtAmount"), amount);
}

void TestChequeEntry::opensOnTheFirstAccountWithTodaysDate()
{
    openWindow();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Quillset Program"));
    QCOMPARE(m_window->size(), QSize(440, 213));
    const auto *accounts = m_window->findChild<QComboBox *>(QStringLiteral("comBankID"));
    QCOMPARE(accounts->count(), 2);
    QCOMPARE(accounts->currentText(), QStringLiteral("ACC1"));
    QCOMPARE(caption("lblAcc"), QStringLiteral("012345678901"));
    QCOMPARE(caption("lblBank"), QStringLiteral("Sample Bank"));
    QCOMPARE(caption("lblAddress"), QStringLiteral("1 Market Street"));
    QCOMPARE(caption("lblCity"), QStringLiteral("Springfield"));
    QCOMPARE(field("txtDate")->text(), QStringLiteral("06-Dec-2026"));
    QVERIFY(field("txtChequeNo")->text().isEmpty());
    QVERIFY(m_window->findChild<QCheckBox *>(QStringLiteral("chkStamp"))->isChecked());
    QCOMPARE(QApplication::focusWidget(), button("cmdPrint"));
    QVERIFY(m_prompter->messages.isEmpty());
}

void TestChequeEntry::choosingAnotherAccountKeepsTheCheque()
{
    openWindow();
    typeCheque(QStringLiteral("000123"), QStringLiteral("ABC Traders"), QStringLiteral("500"));
    auto *accounts = m_window->findChild<QComboBox *>(QStringLiteral("comBankID"));
    accounts->setFocus();
    QTest::keyClick(accounts, Qt::Key_Down);
    QCOMPARE(accounts->currentText(), QStringLiteral("ACC2"));
    QCOMPARE(caption("lblAcc"), QStringLiteral("99-88"));
    QCOMPARE(caption("lblBank"), QStringLiteral("Second Bank"));
    QCOMPARE(caption("lblAddress"), QString()); // no address stored
    QCOMPARE(caption("lblCity"), QStringLiteral("Pune"));
    QVERIFY(field("txtChequeNo")->text().isEmpty());
    QCOMPARE(field("txtPay")->text(), QStringLiteral("ABC Traders"));
    QCOMPARE(field("txtAmount")->text(), QStringLiteral("500"));
    QCOMPARE(field("txtDate")->text(), QStringLiteral("06-Dec-2026"));
}

void TestChequeEntry::amountTakesDigitsOnly()
{
    openWindow();
    QLineEdit *amount = field("txtAmount");
    QTest::keyClicks(amount, QStringLiteral("12a.5"));
    QCOMPARE(amount->text(), QStringLiteral("125"));
    QCOMPARE(m_prompter->beeps, 2);

    QTest::keyClicks(amount, QStringLiteral("4567890"));
    QCOMPARE(amount->text(), QStringLiteral("125456789")); // the tenth digit is refused
    QTest::keyClick(amount, Qt::Key_Backspace);
    QCOMPARE(amount->text(), QStringLiteral("12545678"));

    // Pasting text that is not all digits changes nothing.
    amount->clear();
    QApplication::clipboard()->setText(QStringLiteral("1,000"));
    amount->paste();
    QCOMPARE(amount->text(), QString());
    QApplication::clipboard()->setText(QStringLiteral("2500"));
    amount->paste();
    QCOMPARE(amount->text(), QStringLiteral("2500"));
}

void TestChequeEntry::amountIsSpelledInCapitals()
{
    openWindow();
    QTest::keyClicks(field("txtAmount"), QStringLiteral("12345"));
    QCOMPARE(caption("lblNaration"), QStringLiteral("TWELVE THOUSAND THREE HUNDRED FORTY FIVE ONLY."));
    field("txtAmount")->selectAll();
    QTest::keyClick(field("txtAmount"), Qt::Key_Backspace);
    QCOMPARE(caption("lblNaration"), QStringLiteral(" ONLY."));
}

void TestChequeEntry::enterMovesOneFieldOn()
{
    openWindow();
    field("txtPay")->setFocus();
    QTest::keyClick(field("txtPay"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), field("txtDate"));
    QTest::keyClick(field("txtDate"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), field("txtAmount"));
    QCOMPARE(m_prompter->beeps, 0);
    QTest::keyClick(field("txtAmount"), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), m_window->findChild<QCheckBox *>(QStringLiteral("chkStamp")));
    QCOMPARE(m_prompter->beeps, 1);
    QCOMPARE(field("txtAmount")->text(), QString());
}

void TestChequeEntry::invalidDateHoldsTheFocus()
{
    openWindow();
    typeCheque(QStringLiteral("7"), QStringLiteral("X"), QStringLiteral("5"));
    QLineEdit *date = field("txtDate");
    date->setFocus();
    date->selectAll();
    QTest::keyClicks(date, QStringLiteral("31-Feb-2026"));
    QTest::keyClick(date, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), date);
    QTest::keyClick(date, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), date);
    QTest::mouseClick(field("txtPay"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), date);
    for (const char *name : {"cmdPrint", "cmdPrintPreview", "cmdCancel"})
        QTest::mouseClick(button(name), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), date);
    QVERIFY(m_window->isVisible());
    QVERIFY(m_printer->calls.isEmpty());
    QCOMPARE(registerRows(), 0);
    QVERIFY(m_prompter->messages.isEmpty()); // silently
    QCOMPARE(m_prompter->beeps, 0);

    date->clear();
    QTest::keyClick(date, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), field("txtAmount"));

    // The close box still closes the window.
    date->setText(QStringLiteral("not a date"));
    date->setFocus();
    QVERIFY(m_window->close());
}

void TestChequeEntry::incompleteChequeIsRefused_data()
{
    QTest::addColumn<QString>("emptied");
    QTest::newRow("cheque number") << "txtChequeNo";
    QTest::newRow("payee") << "txtPay";
    QTest::newRow("date") << "txtDate";
    QTest::newRow("amount") << "txtAmount";
}

void TestChequeEntry::incompleteChequeIsRefused()
{
    QFETCH(QString, emptied);
    openWindow();
    typeCheque(QStringLiteral("000123"), QStringLiteral("ABC Traders"), QStringLiteral("12345"));
    field(qPrintable(emptied))->clear();
    for (const char *name : {"cmdPrint", "cmdPrintPreview"}) {
        QTest::mouseClick(button(name), Qt::LeftButton);
        QCOMPARE(m_prompter->messages.size(), 1);
        QCOMPARE(m_prompter->messages.first().text, QStringLiteral("You cannot print All the fields must be selected"));
        QCOMPARE(m_prompter->messages.first().icon, Prompter::Icon::Error);
        m_prompter->clear();
    }
    QVERIFY(m_printer->calls.isEmpty());
    QVERIFY(!m_window->previewFrame());
    QCOMPARE(registerRows(), 0);
    QCOMPARE(field("txtPay")->text().isEmpty(), emptied == QLatin1String("txtPay"));
}

void TestChequeEntry::printRecordsExactlyWhatWasTyped()
{
    SetSystemParameter(Parameter::Stamp, QStringLiteral("0"));
    openWindow();
    auto *stamp = m_window->findChild<QCheckBox *>(QStringLiteral("chkStamp"));
    QVERIFY(!stamp->isChecked());
    QTest::mouseClick(stamp, Qt::LeftButton, {}, QPoint(5, stamp->height() / 2));
    QVERIFY(stamp->isChecked());
    typeCheque(QStringLiteral("000123"), QStringLiteral("Dealer's Co."), QStringLiteral("12345"));
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);

    QVERIFY2(m_prompter->messages.isEmpty(), qPrintable(m_prompter->texts().join(u'\n')));
    QCOMPARE(m_printer->printed.size(), 1);
    const ChequePage &page = m_printer->printed.first();
    QCOMPARE(page.item(QStringLiteral("lblPay")).text, QStringLiteral("Dealer's Co."));
    QCOMPARE(page.item(QStringLiteral("lblAmount")).text, QStringLiteral("=12,345/-"));
    QVERIFY(page.item(QStringLiteral("Stamp")).shown);

    QSqlQuery row = runStatement(QStringLiteral("SELECT BankID, ChequeNo, Amount, Pay, PrintDate FROM Cheque"));
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toString(), QStringLiteral("ACC1"));
    QCOMPARE(row.value(1).toString(), QStringLiteral("000123"));
    QCOMPARE(row.value(2).toDouble(), 12345.0);
    QCOMPARE(row.value(3).toString(), QStringLiteral("Dealer's Co."));
    QCOMPARE(row.value(4).toString(), QStringLiteral("2026-12-06"));
    QVERIFY(!row.next());

    // Ready for the next cheque: account and date stay, the stamp is back at its default.
    QVERIFY(field("txtChequeNo")->text().isEmpty());
    QVERIFY(field("txtPay")->text().isEmpty());
    QVERIFY(field("txtAmount")->text().isEmpty());
    QCOMPARE(caption("lblNaration"), QStringLiteral(" ONLY."));
    QVERIFY(!stamp->isChecked());
    QCOMPARE(field("txtDate")->text(), QStringLiteral("06-Dec-2026"));
    QCOMPARE(m_window->findChild<QComboBox *>(QStringLiteral("comBankID"))->currentText(), QStringLiteral("ACC1"));
}

void TestChequeEntry::failedPrintRecordsNothingAndKeepsTheFields()
{
    openWindow();
    typeCheque(QStringLiteral("000124"), QStringLiteral("ABC Traders"), QStringLiteral("0"));
    m_printer->installed = false;
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
    QCOMPARE(m_prompter->messages.size(), 1);
    QVERIFY2(m_prompter->messages.first().text.startsWith(QStringLiteral("ERR:1101:No printer")),
             qPrintable(m_prompter->messages.first().text));
    QCOMPARE(registerRows(), 0);
    QCOMPARE(field("txtChequeNo")->text(), QStringLiteral("000124"));
    QCOMPARE(field("txtAmount")->text(), QStringLiteral("0"));

    // A printer that takes the page but refuses the job: still nothing recorded.
    m_prompter->clear();
    m_printer->installed = true;
    m_printer->refuseJob = true;
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
    QCOMPARE(m_prompter->messages.size(), 1);
    QVERIFY(m_prompter->messages.first().text.startsWith(QStringLiteral("ERR:1102:")));
    QCOMPARE(registerRows(), 0);

    // Once the printer works, the same fields print and record a cheque for 0.
    m_prompter->clear();
    m_printer->refuseJob = false;
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
    QVERIFY(m_prompter->messages.isEmpty());
    QCOMPARE(registerRows(), 1);
}

void TestChequeEntry::failedRecordSaysThePrintedChequeIsNotRecorded()
{
    TestDatabase::exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Cheque BEGIN "
                                      "SELECT RAISE(ABORT, 'the disk is full'); END"));
    openWindow();
    typeCheque(QStringLiteral("000125"), QStringLiteral("ABC Traders"), QStringLiteral("900"));
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
    QCOMPARE(m_printer->printed.size(), 1);
    QCOMPARE(m_prompter->messages.size(), 1);
    const QString said = m_prompter->messages.first().text;
    QVERIFY2(said.contains(QStringLiteral("WAS printed but NOT recorded"))
                 && said.contains(QStringLiteral("disk is full")),
             qPrintable(said));
    QCOMPARE(field("txtChequeNo")->text(), QStringLiteral("000125"));
    QCOMPARE(field("txtPay")->text(), QStringLiteral("ABC Traders"));
}

void TestChequeEntry::previewShowsThePageAndItsPrintRecords()
{
    openWindow();
    typeCheque(QStringLiteral("000126"), QStringLiteral("Preview Payee"), QStringLiteral("777"));
    QTest::mouseClick(button("cmdPrintPreview"), Qt::LeftButton);
    MDIForm1 *preview = m_window->previewFrame();
    QVERIFY(preview && preview->isVisible());
    QCOMPARE(preview->windowTitle(), QStringLiteral("Printing Preview of Cheque"));
    QVERIFY(preview->layoutWindow());
    QCOMPARE(preview->layoutWindow()->page().item(QStringLiteral("lblPay")).text, QStringLiteral("Preview Payee"));
    QCOMPARE(registerRows(), 0);
    QVERIFY(m_printer->printed.isEmpty());
    const ChequePage previewed = preview->layoutWindow()->page();

    QTest::mouseClick(preview->findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    QCOMPARE(m_printer->printed.size(), 1);
    QCOMPARE(m_printer->printed.first(), previewed); // the page printed is the page previewed
    QCOMPARE(registerRows(), 1);
    QVERIFY(!preview->isVisible());
    QVERIFY(!preview->layoutWindow());
    QVERIFY(field("txtPay")->text().isEmpty());
}

void TestChequeEntry::printWithPreviewOpenComposesAfresh()
{
    openWindow();
    typeCheque(QStringLiteral("000127"), QStringLiteral("Old Payee"), QStringLiteral("100"));
    QTest::mouseClick(button("cmdPrintPreview"), Qt::LeftButton);
    QVERIFY(m_window->previewFrame()->isVisible());
    field("txtPay")->selectAll();
    QTest::keyClicks(field("txtPay"), QStringLiteral("New Payee"));
    QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
    QCOMPARE(m_printer->printed.size(), 1);
    QCOMPARE(m_printer->printed.first().item(QStringLiteral("lblPay")).text, QStringLiteral("New Payee"));
    QCOMPARE(TestDatabase::scalar(QStringLiteral("SELECT Pay FROM Cheque")).toString(), QStringLiteral("New Payee"));
    QVERIFY(!m_window->previewFrame()->isVisible());
}

void TestChequeEntry::previewCloseKeepsTheCheque()
{
    openWindow();
    typeCheque(QStringLiteral("000128"), QStringLiteral("Kept"), QStringLiteral("42"));
    QTest::mouseClick(button("cmdPrintPreview"), Qt::LeftButton);
    MDIForm1 *preview = m_window->previewFrame();
    QTest::mouseClick(preview->findChild<QPushButton *>(QStringLiteral("cmdClose")), Qt::LeftButton);
    QVERIFY(!preview->isVisible());
    QVERIFY(!preview->layoutWindow());
    QCOMPARE(registerRows(), 0);
    QCOMPARE(field("txtPay")->text(), QStringLiteral("Kept"));

    // The frame's close box discards the page too; a later preview brings it back.
    QTest::mouseClick(button("cmdPrintPreview"), Qt::LeftButton);
    QVERIFY(preview->layoutWindow());
    preview->close();
    QVERIFY(!preview->layoutWindow());
    QTest::mouseClick(button("cmdPrintPreview"), Qt::LeftButton);
    QVERIFY(m_window->previewFrame()->isVisible());

    // Closing the entry window takes the preview with it.
    m_window->close();
    QVERIFY(!m_window || !m_window->previewFrame() || !m_window->previewFrame()->isVisible());
}

void TestChequeEntry::noAccountsAsksForOne()
{
    TestDatabase::exec(QStringLiteral("DELETE FROM BankAccount"));
    openWindow();
    QCOMPARE(caption("lblAcc"), QString());
    QVERIFY(m_prompter->messages.isEmpty());
    typeCheque(QStringLiteral("1"), QStringLiteral("X"), QStringLiteral("5"));
    for (const char *name : {"cmdPrint", "cmdPrintPreview"}) {
        QTest::mouseClick(button(name), Qt::LeftButton);
        QCOMPARE(m_prompter->messages.size(), 1);
        QVERIFY(m_prompter->messages.first().text.contains(QStringLiteral("Bank Data")));
        m_prompter->clear();
    }
    QVERIFY(m_printer->calls.isEmpty());
}

void TestChequeEntry::unreadableStampSettingIsNamed()
{
    SetSystemParameter(Parameter::Stamp, QStringLiteral("yes"));
    openWindow();
    QCOMPARE(m_prompter->messages.size(), 1);
    QVERIFY(m_prompter->messages.first().text.contains(QStringLiteral("\"Stamp\"")));
    QVERIFY(!m_window->findChild<QCheckBox *>(QStringLiteral("chkStamp"))->isChecked());
    QVERIFY(m_window->isVisible());
}

QTEST_MAIN(TestChequeEntry)
#include "tst_frmCheque.moc"
