#include "doubles/RecordingPrinter.h"
#include "doubles/RecordingPrompter.h"
#include "support/TestDatabase.h"

#include "banks/frmBanks.h"
#include "issue/frmCheque.h"
#include "shell/AppServices.h"
#include "store/BankAccounts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace quillset;
using namespace quillset::test;

// Drives the real bank window with keys and clicks against a real database.
class TestBankAccounts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eachModeSetsTheControls();
    void navigationStopsAtBothEnds();
    void addThenCancelAddsNothing();
    void editThenCancelKeepsTheStoredRecord();
    void duplicateBankIdHoldsTheFocus();
    void bankIdLettersBecomeCapitals();
    void enterMovesToTheNextControl_data();
    void enterMovesToTheNextControl();
    void everyValueSurvivesSaveAndReload();
    void refusalsWriteNothing_data();
    void refusalsWriteNothing();
    void firstAccountCanBeAddedToAnEmptyTable();
    void newAccountPrintsAtItsOwnMeasurements();

private:
    void openWindow();
    QLineEdit *box(const QString &name) const { return m_window->findChild<QLineEdit *>(name); }
    QLineEdit *cell(int index) const { return box(QStringLiteral("txtCheqParametrs_%1").arg(index)); }
    QPushButton *button(const char *name) const
    {
        return m_window->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void retype(QLineEdit *field, const QString &text);
    void fillNewAccount(const QString &code, double base);
    static QString tableDump();

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingPrompter> m_prompter;
    std::unique_ptr<AppServices> m_services;
    QPointer<frmBanks> m_window;
};

void TestBankAccounts::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    TestDatabase::exec(QStringLiteral("INSERT INTO BankAccount (BankID, BankName, Width, Height) VALUES "
                                      "('B2', 'Second', 18, 8.5), ('B3', 'Third', 17.5, 8)"));
    m_prompter = std::make_unique<RecordingPrompter>();
    m_services = std::make_unique<AppServices>(*m_prompter);
    auto printer = std::make_shared<RecordingPrinter>();
    m_services->makePrinter = [printer] { return printer; };
}

void TestBankAccounts::cleanup()
{
    delete m_window;
    m_services.reset();
    m_db.reset();
}

void TestBankAccounts::openWindow()
{
    m_window = new frmBanks(*m_services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestBankAccounts::retype(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

void TestBankAccounts::fillNewAccount(const QString &code, double base)
{
    retype(box(QStringLiteral("txtBankID")), code);
    retype(box(QStringLiteral("txtBankName")), QStringLiteral("New Bank"));
    retype(box(QStringLiteral("txtWidth")), QStringLiteral("20.3"));
    retype(box(QStringLiteral("txtHeight")), QStringLiteral("9.2"));
    for (int i = 0; i < 18; ++i)
        retype(cell(i), QString::number(base + i * 0.25));
}

QString TestBankAccounts::tableDump()
{
    QStringList rows;
    for (const BankAccountRecord &account : allBankAccounts()) {
        QStringList values
            = {account.bankId, account.bankName, account.accountNo, account.address, account.city, account.accountType};
        for (const auto &value : account.measurements)
            values.append(value ? QString::number(*value) : QStringLiteral("null"));
        values.append(QString::number(account.rupee3Active));
        rows.append(values.join(u'|'));
    }
    return rows.join(u'\n');
}

void TestBankAccounts::eachModeSetsTheControls()
{
    openWindow();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Bank Basic Data Entry"));
    QCOMPARE(QApplication::focusWidget(), button("cmdAdd"));
    const auto states = [this] {
        QString state;
        for (const char *name : {"cmdAdd", "cmdEdit", "cmdDeleted", "cmdSave", "cmdCancel", "cmdExit", "cmdNext"})
            state += button(name)->isEnabled() ? u'1' : u'0';
        state += u' ';
        state += box(QStringLiteral("txtBankID"))->isReadOnly() ? u'L' : u'-';
        state += box(QStringLiteral("txtCity"))->isReadOnly() ? u'L' : u'-';
        state += cell(17)->isReadOnly() ? u'L' : u'-';
        state += m_window->findChild<QCheckBox *>(QStringLiteral("txtRupee3Active"))->isEnabled() ? u'A' : u'-';
        return state;
    };
    QCOMPARE(states(), QStringLiteral("1110011 LLLA"));
    QVERIFY(button("cmdFind")->isHidden());
    click("cmdEdit");
    QCOMPARE(states(), QStringLiteral("0001100 L--A"));
    QCOMPARE(QApplication::focusWidget(), box(QStringLiteral("txtAccountNO")));
    click("cmdCancel");
    click("cmdAdd");
    QCOMPARE(states(), QStringLiteral("0001100 ---A"));
    QCOMPARE(box(QStringLiteral("txtBankID"))->text(), QString());
    QCOMPARE(cell(0)->text(), QString());
}

void TestBankAccounts::navigationStopsAtBothEnds()
{
    openWindow();
    QCOMPARE(box(QStringLiteral("txtBankID"))->text(), QStringLiteral("ACC1"));
    click("cmdPrevious");
    QCOMPARE(box(QStringLiteral("txtBankID"))->text(), QStringLiteral("ACC1"));
    click("cmdNext");
    QCOMPARE(box(QStringLiteral("txtBankID"))->text(), QStringLiteral("B2"));
    QCOMPARE(box(QStringLiteral("txtWidth"))->text(), QStringLiteral("18"));
    QCOMPARE(cell(0)->text(), QString()); // a null measurement shows empty
    click("cmdLast");
    QCOMPARE(box(QStringLiteral("txtBankID"))->text(), QStringLiteral("B3"));
    click("cmdNext");
    QCOMPARE(box(QStringLiteral("txtBankID"))->text(), QStringLiteral("B3"));
    click("cmdFirst");
    QCOMPARE(box(QStringLiteral("txtBankID"))->text(), QStringLiteral("ACC1"));
    QCOMPARE(box(QStringLiteral("txtWidth"))->text(), QStringLiteral("20.3"));
    QVERIFY(m_prompter->messages.isEmpty());
    QCOMPARE(m_prompter->beeps, 0);
}

void TestBankAccounts::addThenCancelAddsNothing()
{
    openWindow();
    click("cmdNext");
    const QString before = tableDump();
    click("cmdAdd");
    fillNewAccount(QStringLiteral("NEW"), 1);
    click("cmdCancel");
    QCOMPARE(tableDump(), before);
    QCOMPARE(box(QStringLiteral("txtBankID"))->text(), QStringLiteral("B2"));
    QVERIFY(button("cmdAdd")->isEnabled());
}

void TestBankAccounts::editThenCancelKeepsTheStoredRecord()
{
    openWindow();
    const QString before = tableDump();
    click("cmdEdit");
    retype(box(QStringLiteral("txtBankName")), QStringLiteral("Changed"));
    retype(cell(4), QStringLiteral("99"));
    click("cmdCancel");
    QCOMPARE(tableDump(), before);
    QCOMPARE(box(QStringLiteral("txtBankName"))->text(), QStringLiteral("Sample Bank"));
    QCOMPARE(cell(4)->text(), QStringLiteral("2.7"));
}

void TestBankAccounts::duplicateBankIdHoldsTheFocus()
{
    TestDatabase::exec(QStringLiteral("UPDATE BankAccount SET BankID = 'O''BRIEN' WHERE BankID = 'B3'"));
    openWindow();
    const QString before = tableDump();
    click("cmdAdd");
    QLineEdit *bankId = box(QStringLiteral("txtBankID"));
    QTest::keyClicks(bankId, QStringLiteral("o'brien"));
    QCOMPARE(bankId->text(), QStringLiteral("O'BRIEN"));
    QTest::keyClick(bankId, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), bankId);
    QTRY_COMPARE(m_prompter->messages.size(), 1);
    QCOMPARE(m_prompter->messages.first().text, QStringLiteral("Duplicate Entry Not Allowed"));

    click("cmdSave");
    click("cmdCancel");
    QTRY_COMPARE(m_prompter->messages.size(), 3);
    QCOMPARE(QApplication::focusWidget(), bankId);
    QVERIFY(button("cmdSave")->isEnabled()); // still adding
    QCOMPARE(bankId->text(), QStringLiteral("O'BRIEN"));
    QCOMPARE(tableDump(), before);

    // A free code lets the focus go.
    QTest::keyClick(bankId, Qt::Key_Backspace);
    QTest::keyClick(bankId, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box(QStringLiteral("txtAccountNO")));
}

void TestBankAccounts::bankIdLettersBecomeCapitals()
{
    openWindow();
    click("cmdAdd");
    QTest::keyClicks(box(QStringLiteral("txtBankID")), QStringLiteral("ab1"));
    QCOMPARE(box(QStringLiteral("txtBankID"))->text(), QStringLiteral("AB1"));
    QTest::keyClicks(box(QStringLiteral("txtCity")), QStringLiteral("Pune, Maharashtra"));
    QCOMPARE(box(QStringLiteral("txtCity"))->text(), QStringLiteral("Pune, Maharasht")); // 15 at most
}

void TestBankAccounts::enterMovesToTheNextControl_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("Cheq Height to Date Left") << "txtHeight"
                                              << "txtCheqParametrs_0";
    QTest::newRow("Date Width to Pay Left") << "txtCheqParametrs_2"
                                            << "txtCheqParametrs_3";
    QTest::newRow("Stamp Width to Active") << "txtCheqParametrs_17"
                                           << "txtRupee3Active";
    QTest::newRow("locked Bank ID to Account #") << "txtBankID"
                                                 << "txtAccountNO";
}

void TestBankAccounts::enterMovesToTheNextControl()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    openWindow();
    box(from)->setFocus();
    QTest::keyClick(box(from), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
}

void TestBankAccounts::everyValueSurvivesSaveAndReload()
{
    openWindow();
    click("cmdAdd");
    fillNewAccount(QStringLiteral("rt'9"), 0.5);
    retype(box(QStringLiteral("txtAccountNO")), QStringLiteral("00-1234"));
    retype(box(QStringLiteral("txtAddress")), QStringLiteral("Shop 4, Dealer's Lane"));
    retype(box(QStringLiteral("txtCity")), QStringLiteral("Thane"));
    retype(box(QStringLiteral("txtAccountType")), QStringLiteral("Savings"));
    auto *active = m_window->findChild<QCheckBox *>(QStringLiteral("txtRupee3Active"));
    active->setChecked(true);
    click("cmdSave");
    QVERIFY2(m_prompter->messages.isEmpty(), qPrintable(m_prompter->texts().join(u'\n')));
    QVERIFY(button("cmdAdd")->isEnabled());

    const std::optional<BankAccountRecord> stored = findBankAccount(QStringLiteral("RT'9"));
    QVERIFY(stored);
    QCOMPARE(stored->address, QStringLiteral("Shop 4, Dealer's Lane"));
    QCOMPARE(stored->value(Measurement::Width), 20.3);
    // Down each grid column: Left, then the "Top" row that holds the Bottom column, then Width.
    QCOMPARE(stored->value(Measurement::DateLeft), 0.5);
    QCOMPARE(stored->value(Measurement::DateBottom), 0.75);
    QCOMPARE(stored->value(Measurement::DateWidth), 1.0);
    QCOMPARE(stored->value(Measurement::PayLeft), 1.25);
    QCOMPARE(stored->value(Measurement::Rupee3Width), 4.75);
    QVERIFY(stored->rupee3Active);

    // A fresh window shows every value as it was typed, and the tick again.
    m_window->close();
    delete m_window;
    openWindow();
    click("cmdLast");
    QCOMPARE(box(QStringLiteral("txtBankID"))->text(), QStringLiteral("RT'9"));
    QCOMPARE(box(QStringLiteral("txtAccountNO"))->text(), QStringLiteral("00-1234"));
    QCOMPARE(box(QStringLiteral("txtAccountType"))->text(), QStringLiteral("Savings"));
    QCOMPARE(box(QStringLiteral("txtHeight"))->text(), QStringLiteral("9.2"));
    for (int i = 0; i < 18; ++i)
        QCOMPARE(cell(i)->text(), QString::number(0.5 + i * 0.25));
    QVERIFY(m_window->findChild<QCheckBox *>(QStringLiteral("txtRupee3Active"))->isChecked());
}

void TestBankAccounts::refusalsWriteNothing_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("badCell"); // a grid box to fill with text
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("said");
    QTest::newRow("empty Bank ID") << ""
                                   << ""
                                   << ""
                                   << "Enter a Bank ID";
    QTest::newRow("existing Bank ID, focus never left") << "B2"
                                                        << ""
                                                        << ""
                                                        << "already exists";
    QTest::newRow("measurement in words") << "NEW"
                                          << "txtCheqParametrs_10"
                                          << ""
                                          << "Rupee L1, Top";
    QTest::newRow("empty measurement") << "NEW"
                                       << "txtCheqParametrs_17"
                                       << ""
                                       << "Stamp, Width";
    QTest::newRow("database refuses") << "NEW"
                                      << ""
                                      << "CREATE TRIGGER no BEFORE INSERT ON BankAccount BEGIN "
                                         "SELECT RAISE(ABORT, 'the disk is full'); END"
                                      << "the disk is full";
}

void TestBankAccounts::refusalsWriteNothing()
{
    QFETCH(QString, code);
    QFETCH(QString, badCell);
    QFETCH(QString, trigger);
    QFETCH(QString, said);
    if (!trigger.isEmpty())
        TestDatabase::exec(trigger);
    openWindow();
    const QString before = tableDump();
    click("cmdAdd");
    fillNewAccount(QStringLiteral("X"), 1);
    if (!badCell.isEmpty())
        retype(box(badCell), badCell.endsWith(u'7') ? QString() : QStringLiteral("three"));
    // The Bank ID last, with the focus left in its box when Save is pressed.
    retype(box(QStringLiteral("txtBankID")), code);
    m_window->findChild<QPushButton *>(QStringLiteral("cmdSave"))->click();
    QCOMPARE(m_prompter->messages.size(), 1);
    QVERIFY2(m_prompter->messages.first().text.contains(said), qPrintable(m_prompter->messages.first().text));
    QCOMPARE(tableDump(), before);
    QVERIFY(button("cmdSave")->isEnabled()); // still adding, everything typed still there
    QCOMPARE(box(QStringLiteral("txtBankName"))->text(), QStringLiteral("New Bank"));
}

void TestBankAccounts::firstAccountCanBeAddedToAnEmptyTable()
{
    TestDatabase::exec(QStringLiteral("DELETE FROM BankAccount"));
    openWindow();
    QVERIFY(m_prompter->messages.isEmpty());
    QCOMPARE(box(QStringLiteral("txtBankID"))->text(), QString());
    QVERIFY(!button("cmdNext")->isEnabled());
    QVERIFY(!button("cmdEdit")->isEnabled());
    click("cmdAdd");
    fillNewAccount(QStringLiteral("FIRST"), 2);
    click("cmdSave");
    QVERIFY(m_prompter->messages.isEmpty());
    QCOMPARE(bankAccountCodes(), QStringList {QStringLiteral("FIRST")});
    QVERIFY(button("cmdNext")->isEnabled());
    QVERIFY(button("cmdEdit")->isEnabled());
}

void TestBankAccounts::newAccountPrintsAtItsOwnMeasurements()
{
    openWindow();
    click("cmdAdd");
    fillNewAccount(QStringLiteral("HDFC2"), 3);
    click("cmdSave");
    m_window->close();

    auto printer = std::make_shared<RecordingPrinter>();
    m_services->makePrinter = [printer] { return printer; };
    m_services->today = [] { return QDate(2026, 12, 6); };
    frmCheque entry(*m_services);
    entry.show();
    auto *accounts = entry.findChild<QComboBox *>(QStringLiteral("comBankID"));
    QVERIFY(accounts->findText(QStringLiteral("HDFC2")) >= 0);
    accounts->setCurrentText(QStringLiteral("HDFC2"));
    QTest::keyClicks(entry.findChild<QLineEdit *>(QStringLiteral("txtChequeNo")), QStringLiteral("1"));
    QTest::keyClicks(entry.findChild<QLineEdit *>(QStringLiteral("txtPay")), QStringLiteral("Payee"));
    QTest::keyClicks(entry.findChild<QLineEdit *>(QStringLiteral("txtAmount")), QStringLiteral("5"));
    QTest::mouseClick(entry.findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
    QCOMPARE(printer->printed.size(), 1);
    // Pay Left is grid box 3: 3 + 3 x 0.25 = 3.75 cm from the leaf's edge, which sits at the page's.
    QCOMPARE(printer->printed.first().item(QStringLiteral("lblPay")).rect.left(), static_cast<double>(3.75f * 567));
    QCOMPARE(TestDatabase::scalar(QStringLiteral("SELECT BankID FROM Cheque")).toString(), QStringLiteral("HDFC2"));
}

QTEST_MAIN(TestBankAccounts)
#include "tst_frmBanks.moc"
