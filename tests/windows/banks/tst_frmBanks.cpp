#include "support/WindowTest.h"

#include "store/Store.h"
#include "support/DataRows.h"
#include "support/TestMain.h"
#include "windows/banks/frmBanks.h"
#include "windows/banks/frmLeafDesigner.h"
#include "windows/issue/frmCheque.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QStyle>
#include <QTableWidget>

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
    void cancelAddsAndChangesNothing();
    void bankIdIsOneCodeInAnyCapitals_data();
    void bankIdIsOneCodeInAnyCapitals();
    void enterMovesToTheNextControl_data();
    void enterMovesToTheNextControl();
    void everyValueSurvivesSaveAndReload();
    void refusalsWriteNothing_data();
    void refusalsWriteNothing();
    void firstAccountOfAnEmptyTablePrintsAtItsMeasurements();
    void anEditKeepsLongValuesWholeAndStoresTheMoney();
    void changeMadeElsewhereIsNeverOverwritten();
    void crossingIsPlacedPerAccount_data();
    void crossingIsPlacedPerAccount();
    void chequeBooksAreAddedListedAndRetired();
    void layoutTravelsThroughAFile();
    void designerMovesBoxesByExactlyWhatIsDragged_data();
    void designerMovesBoxesByExactlyWhatIsDragged();
    void keysSaveCancelAndClose_data();
    void keysSaveCancelAndClose();
    void designerSavesOrAsksBeforeLosingMoves_data();
    void designerSavesOrAsksBeforeLosingMoves();
    void designerSetsTheLeafsMarksByKeys();
    void chequeBooksCloseByEscapeKeepingWhatWasTyped_data();
    void chequeBooksCloseByEscapeKeepingWhatWasTyped();
    void hintsReadAsHints_data();
    void hintsReadAsHints();
    void notOverIsAWholeAmountOrNone_data();
    void notOverIsAWholeAmountOrNone();
    void captionsShowTheirWholeWords();

private:
    void open();
    void fillNewAccount(const QString &code, double base);
    QString bankId() const { return shown(m_window, "txtBankID"); }
    QLineEdit *cell(int index) const
    {
        return m_window->findChild<QLineEdit *>(QStringLiteral("txtCheqParametrs_%1").arg(index));
    }
    QString table() const;
    static QWidget *focused() { return QApplication::focusWidget(); }
    frmLeafDesigner *openDesigner();
    QGraphicsItem *designBox(frmLeafDesigner *designer, const QString &label) const;
    double stored(const char *column) const
    {
        return m_f->db
            .scalar(QStringLiteral("SELECT %1 FROM BankAccount WHERE BankID = 'ACC1'").arg(QLatin1String(column)))
            .toDouble();
    }

    std::unique_ptr<WindowFixture> m_f;
    QPointer<frmBanks> m_window;
};

void TestBankAccounts::init()
{
    m_f = std::make_unique<WindowFixture>();
    QVERIFY(m_f->db.isReady());
    m_f->db.exec(QStringLiteral("INSERT INTO BankAccount (BankID, BankName, Width, Height) VALUES "
                                "('B2', 'Second', 18, 8.5), ('B3', 'Third', 17.5, 8)"));
}

void TestBankAccounts::cleanup()
{
    delete m_window;
    m_f.reset();
}

void TestBankAccounts::open()
{
    m_window = new frmBanks(m_f->services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestBankAccounts::fillNewAccount(const QString &code, double base)
{
    retype(m_window, "txtBankID", code);
    retype(m_window, "txtBankName", QStringLiteral("New Bank"));
    retype(m_window, "txtWidth", QStringLiteral("20.3"));
    retype(m_window, "txtHeight", QStringLiteral("9.2"));
    for (int i = 0; i < 18; ++i)
        retype(m_window, qPrintable(cell(i)->objectName()), QString::number(base + i * 0.25));
}

QString TestBankAccounts::table() const
{
    return m_f->db
        .scalar(QStringLiteral("SELECT group_concat(quote(BankID) || BankName || Width || DateLeft || "
                               "Rupee3Width || Rupee3Active, ';') FROM BankAccount"))
        .toString();
}

void TestBankAccounts::eachModeSetsTheControls()
{
    open();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Bank Basic Data Entry"));
    QCOMPARE(QApplication::focusWidget(), find(m_window, "cmdAdd"));
    const auto state = [this] {
        QString enabled;
        for (const char *name : {"cmdAdd", "cmdEdit", "cmdDeleted", "cmdSave", "cmdCancel", "cmdExit", "cmdNext"})
            enabled += find(m_window, name)->isEnabled() ? u'1' : u'0';
        for (const char *name : {"txtBankID", "txtCity", "txtCheqParametrs_17"})
            enabled += find<QLineEdit>(m_window, name)->isReadOnly() ? u'L' : u'-';
        return enabled;
    };
    QCOMPARE(state(), QStringLiteral("1110011LLL"));
    QVERIFY(find(m_window, "cmdFind")->isHidden());
    click(m_window, "cmdEdit");
    QCOMPARE(state(), QStringLiteral("0001100L--"));
    QCOMPARE(QApplication::focusWidget(), find(m_window, "txtAccountNO"));
    click(m_window, "cmdCancel");
    click(m_window, "cmdAdd");
    QCOMPARE(state(), QStringLiteral("0001100---"));
    QCOMPARE(bankId() + cell(0)->text(), QString());

    // Letters typed into the Bank ID become capitals; a box takes no more than its limit.
    QTest::keyClicks(find(m_window, "txtBankID"), QStringLiteral("ab1"));
    QCOMPARE(bankId(), QStringLiteral("AB1"));
    QTest::keyClicks(find(m_window, "txtCity"), QStringLiteral("Pune, Maharashtra"));
    QCOMPARE(shown(m_window, "txtCity"), QStringLiteral("Pune, Maharasht"));
}

void TestBankAccounts::navigationStopsAtBothEnds()
{
    open();
    QStringList visited;
    for (const char *button : {"cmdPrevious", "cmdNext", "cmdLast", "cmdNext", "cmdFirst"}) {
        click(m_window, button);
        visited.append(bankId() + u'/' + shown(m_window, "txtWidth") + u'/' + cell(0)->text());
    }
    QCOMPARE(visited,
             QStringList({QStringLiteral("ACC1/20.3/15.3"), QStringLiteral("B2/18/"), QStringLiteral("B3/17.5/"),
                          QStringLiteral("B3/17.5/"), QStringLiteral("ACC1/20.3/15.3")}));
    QVERIFY(m_f->prompter.messages.isEmpty());
    QCOMPARE(m_f->prompter.beeps, 0);
}

void TestBankAccounts::cancelAddsAndChangesNothing()
{
    open();
    const QString before = table();
    click(m_window, "cmdNext");
    click(m_window, "cmdAdd");
    fillNewAccount(QStringLiteral("NEW"), 1);
    click(m_window, "cmdCancel");
    QCOMPARE(bankId(), QStringLiteral("B2")); // the account shown before "Add"

    click(m_window, "cmdFirst");
    click(m_window, "cmdEdit");
    retype(m_window, "txtBankName", QStringLiteral("Changed"));
    retype(m_window, "txtCheqParametrs_4", QStringLiteral("99"));
    click(m_window, "cmdCancel");
    QCOMPARE(shown(m_window, "txtBankName") + u'/' + cell(4)->text(), QStringLiteral("Sample Bank/2.7"));
    QCOMPARE(table(), before);
    QVERIFY(find(m_window, "cmdAdd")->isEnabled());
}

void TestBankAccounts::bankIdIsOneCodeInAnyCapitals_data()
{
    QTest::addColumn<QString>("stored"); // another account's code, as a database from before may hold it
    QTest::addColumn<bool>("pasted"); // and left by Tab; else typed, and left by Enter
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("duplicate");
    row("pasted small letters of a code there", "", true, "acc1", "ACC1", true);
    row("typed capitals of a code stored small", "hdfc", false, "HDFC", "HDFC", true);
    row("typed small letters of a code with a quote", "O'BRIEN", false, "o'brien", "O'BRIEN", true);
    row("pasted new code", "", true, "sbi 2", "SBI 2", false);
    row("sharp s typed, one character a key", "", false, "straße", "STRAßE", false);
    row("sharp s pasted beside its capitals", "STRASSE", true, "straße", "STRAßE", true);
}

void TestBankAccounts::bankIdIsOneCodeInAnyCapitals()
{
    QFETCH(QString, stored);
    QFETCH(bool, pasted);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(bool, duplicate);
    if (!stored.isEmpty())
        m_f->db.exec(QStringLiteral("INSERT INTO BankAccount (BankID) VALUES (?)"), {stored});
    open();
    const QString before = table();
    if (!stored.isEmpty()) {
        click(m_window, "cmdLast");
        QCOMPARE(bankId(), stored); // shown as it is stored
    }
    click(m_window, "cmdAdd");
    fillNewAccount(QStringLiteral("X"), 1);
    auto *code = find<QLineEdit>(m_window, "txtBankID");
    code->setFocus();
    code->selectAll();
    QTest::keyClick(code, Qt::Key_Backspace);
    if (pasted) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keySequence(code, QKeySequence::Paste);
    } else {
        QTest::keyClicks(code, text);
    }
    QCOMPARE(code->text(), shown);
    QTest::keyClick(code, pasted ? Qt::Key_Tab : Qt::Key_Return);
    if (duplicate) {
        QTRY_COMPARE(m_f->prompter.texts(), QStringList {QStringLiteral("Duplicate Entry Not Allowed")});
        QCOMPARE(QApplication::focusWidget(), code);
        // Neither Save nor Cancel lets it go: each says it again, and the window is still adding.
        click(m_window, "cmdSave");
        click(m_window, "cmdCancel");
        QTRY_COMPARE(m_f->prompter.messages.size(), 3);
        QCOMPARE(QApplication::focusWidget(), code);
        QVERIFY(find(m_window, "cmdSave")->isEnabled());
        QCOMPARE(code->text(), shown);
        QCOMPARE(table(), before);
        QTest::keyClick(code, Qt::Key_Backspace); // a free code lets the focus go
        QTest::keyClick(code, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), find(m_window, "txtAccountNO"));
        return;
    }
    click(m_window, "cmdSave");
    QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'\n')));
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT count(*) FROM BankAccount WHERE BankID = ?"), {shown}).toInt(), 1);
}

void TestBankAccounts::enterMovesToTheNextControl_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    row("Cheq Height to Date Left", "txtHeight", "txtCheqParametrs_0");
    row("Date Width to Pay Left", "txtCheqParametrs_2", "txtCheqParametrs_3");
    row("Stamp Width to Active", "txtCheqParametrs_17", "txtRupee3Active");
    row("locked Bank ID", "txtBankID", "txtAccountNO");
}

void TestBankAccounts::enterMovesToTheNextControl()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    open();
    find(m_window, qPrintable(from))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
}

void TestBankAccounts::everyValueSurvivesSaveAndReload()
{
    open();
    click(m_window, "cmdAdd");
    fillNewAccount(QStringLiteral("rt'9"), 0.5);
    retype(m_window, "txtAccountNO", QStringLiteral("00-1234"));
    retype(m_window, "txtAddress", QStringLiteral("Shop 4, Dealer's Lane"));
    retype(m_window, "txtCity", QStringLiteral("Thane"));
    retype(m_window, "txtAccountType", QStringLiteral("Savings"));
    find<QCheckBox>(m_window, "txtRupee3Active")->setChecked(true);
    click(m_window, "cmdSave");
    QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'\n')));

    // Down each grid column: Left, then the "Top" row that holds the Bottom column, then Width.
    const std::optional<BankAccountRecord> stored = m_f->db.store().accounts().find(QStringLiteral("RT'9"));
    QVERIFY(stored && stored->rupee3Active);
    QCOMPARE(stored->address, QStringLiteral("Shop 4, Dealer's Lane"));
    QCOMPARE(stored->value(Measurement::Width), 20.3);
    QCOMPARE(stored->value(Measurement::DateBottom), 0.75);
    QCOMPARE(stored->value(Measurement::PayLeft), 1.25);
    QCOMPARE(stored->value(Measurement::Rupee3Width), 4.75);

    delete m_window;
    open();
    click(m_window, "cmdLast");
    QCOMPARE(bankId() + u'|' + shown(m_window, "txtAccountNO") + u'|' + shown(m_window, "txtAccountType") + u'|'
                 + shown(m_window, "txtHeight"),
             QStringLiteral("RT'9|00-1234|Savings|9.2"));
    for (int i = 0; i < 18; ++i)
        QCOMPARE(cell(i)->text(), QString::number(0.5 + i * 0.25));
    QVERIFY(find<QCheckBox>(m_window, "txtRupee3Active")->isChecked());
}

void TestBankAccounts::refusalsWriteNothing_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("badCell"); // a grid box to spoil: 10 with words, 17 emptied
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("cursor"); // the box the cursor is put in after the message
    row("empty Bank ID", "", "", "", "Enter a Bank ID", "txtBankID");
    row("existing Bank ID, focus never left", "B2", "", "", "already exists", "txtBankID");
    row("measurement in words", "NEW", "txtCheqParametrs_10", "", "Rupee L1, Top", "txtCheqParametrs_10");
    row("empty measurement", "NEW", "txtCheqParametrs_17", "", "Stamp, Width", "txtCheqParametrs_17");
    row("crossing of no size", "NEW", "txtCrossHeight", "", "Crossing, Height", "txtCrossHeight");
    row("database refuses", "NEW", "",
        "CREATE TRIGGER no BEFORE INSERT ON BankAccount BEGIN SELECT RAISE(ABORT, 'the disk is full'); END",
        "the disk is full", "cmdSave");
}

void TestBankAccounts::refusalsWriteNothing()
{
    QFETCH(QString, code);
    QFETCH(QString, badCell);
    QFETCH(QString, trigger);
    QFETCH(QString, said);
    QFETCH(QString, cursor);
    if (!trigger.isEmpty())
        m_f->db.exec(trigger);
    open();
    const QString before = table();
    click(m_window, "cmdAdd");
    fillNewAccount(QStringLiteral("X"), 1);
    if (badCell.startsWith(QLatin1String("txtCross")))
        retype(m_window, qPrintable(badCell), QStringLiteral("0"));
    else if (!badCell.isEmpty())
        retype(m_window, qPrintable(badCell), badCell.endsWith(u'7') ? QString() : QStringLiteral("three"));
    retype(m_window, "txtBankID", code);
    if (code.isEmpty()) {
        // Saved by its access key, from the box the operator was in.
        find(m_window, "txtCity")->setFocus();
        QTest::keyClick(focused(), Qt::Key_S, Qt::AltModifier);
    } else {
        find<QAbstractButton>(m_window, "cmdSave")->setFocus();
        find<QAbstractButton>(m_window, "cmdSave")->click(); // the focus never left the Bank ID by a key
    }
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().contains(said), qPrintable(m_f->prompter.texts().first()));
    QCOMPARE(table(), before);
    QVERIFY(find(m_window, "cmdSave")->isEnabled());
    QCOMPARE(shown(m_window, "txtBankName"), QStringLiteral("New Bank"));
    QCOMPARE(shown(m_window, "txtCity"), QString()); // the access key typed nothing
    // The cursor is in the box the message names, its text chosen to be typed over.
    QCOMPARE(focused(), find(m_window, qPrintable(cursor)));
    if (auto *box = qobject_cast<QLineEdit *>(focused()))
        QCOMPARE(box->selectedText(), box->text());
}

void TestBankAccounts::firstAccountOfAnEmptyTablePrintsAtItsMeasurements()
{
    m_f->db.exec(QStringLiteral("DELETE FROM BankAccount"));
    open();
    QVERIFY(m_f->prompter.messages.isEmpty());
    QVERIFY(!find(m_window, "cmdNext")->isEnabled() && !find(m_window, "cmdEdit")->isEnabled());
    click(m_window, "cmdAdd");
    fillNewAccount(QStringLiteral("HDFC2"), 3);
    click(m_window, "cmdSave");
    QVERIFY(find(m_window, "cmdNext")->isEnabled() && find(m_window, "cmdEdit")->isEnabled());
    m_window->close();

    // The new account is listed for cheques, and prints at its own measurements.
    frmCheque entry(m_f->services);
    QCOMPARE(find<QComboBox>(&entry, "comBankID")->currentText(), QStringLiteral("HDFC2"));
    QTest::keyClicks(find(&entry, "txtChequeNo"), QStringLiteral("1"));
    QTest::keyClicks(find(&entry, "txtPay"), QStringLiteral("Payee"));
    QTest::keyClicks(find(&entry, "txtAmount"), QStringLiteral("5"));
    click(&entry, "cmdPrint");
    QCOMPARE(m_f->queue->printed().size(), 1);
    // Pay Left is grid box 3: 3 + 3 x 0.25 = 3.75 cm from the leaf's edge, which is the page's.
    QCOMPARE(m_f->queue->printed().first().item(QStringLiteral("lblPay")).rect.left(), double(3.75f * 567));
    QCOMPARE(registerRows(m_f->db), 1);
}

void TestBankAccounts::notOverIsAWholeAmountOrNone_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // NotOver afterwards; "refused" when a message was shown instead
    row("a whole amount", "500000", "500000");
    row("blanks around", " 75000 ", "75000");
    row("left empty", "", "none");
    row("grouped", "5,00,000", "refused");
    row("decimals", "1000.50", "refused");
    row("nothing", "0", "refused");
}

void TestBankAccounts::notOverIsAWholeAmountOrNone()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    // Set elsewhere (the leaf's design) and not among the bank window's boxes: kept by its save.
    m_f->db.exec(QStringLiteral("UPDATE BankAccount SET NotOver = 9, SubunitFirst = 1, CurrencySign = '₹' WHERE "
                                "BankID = 'B2'"));
    open();
    click(m_window, "cmdNext");
    QCOMPARE(shown(m_window, "txtNotOver"), QStringLiteral("9"));
    click(m_window, "cmdEdit");
    retype(m_window, "txtNotOver", typed);
    click(m_window, "cmdSave");
    const QString after = m_f->db
                              .scalar(QStringLiteral("SELECT coalesce(CAST(NotOver AS TEXT), 'none') || ' ' || "
                                                     "SubunitFirst || CurrencySign FROM BankAccount WHERE BankID = "
                                                     "'B2'"))
                              .toString();
    if (stored == QLatin1String("refused")) {
        QCOMPARE(after, QStringLiteral("9 1₹"));
        QVERIFY2(m_f->prompter.texts().join(u' ').contains(QStringLiteral("must be a whole amount in digits")),
                 qPrintable(m_f->prompter.texts().join(u' ')));
        QCOMPARE(focused(), find(m_window, "txtNotOver"));
    } else {
        QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u' ')));
        QCOMPARE(after, stored + QStringLiteral(" 1₹"));
    }
}

void TestBankAccounts::anEditKeepsLongValuesWholeAndStoresTheMoney()
{
    // Longer than the boxes take, as another program or an import may have stored them.
    const QString city = QStringLiteral("Thiruvananthapuram (Trivandrum)");
    const QString address = QStringLiteral("Door 12/345, Second Floor, Mahatma Gandhi Road, Near the Old Bus Stand");
    m_f->db.exec(QStringLiteral("UPDATE BankAccount SET City = ?, Address = ? WHERE BankID = 'B2'"), {city, address});
    const auto money = [this]() -> QString {
        return find<QComboBox>(m_window, "cmbAmountStyle")->currentText() + u'|' + shown(m_window, "txtCurrencyName")
            + u'|' + shown(m_window, "txtSubunitName") + u'|'
            + find<QComboBox>(m_window, "cmbSubunitDigits")->currentText();
    };
    open();
    click(m_window, "cmdNext");
    QCOMPARE(shown(m_window, "txtCity"), city);
    QCOMPARE(shown(m_window, "txtAddress"), address);
    // An account from before writes its money as it always did; it is chosen only while editing.
    QCOMPARE(money(), QStringLiteral("International|||0"));
    QVERIFY(!find(m_window, "cmbAmountStyle")->isEnabled());
    click(m_window, "cmdEdit");
    retype(m_window, "txtAccountNO", QStringLiteral("77-1"));
    auto *cityBox = find<QLineEdit>(m_window, "txtCity");
    cityBox->setFocus();
    cityBox->end(false);
    QTest::keyClicks(cityBox, QStringLiteral("x")); // a long value may not grow
    QCOMPARE(cityBox->text(), city);
    find<QComboBox>(m_window, "cmbAmountStyle")->setCurrentText(QStringLiteral("Indian"));
    retype(m_window, "txtCurrencyName", QStringLiteral(" Rupees "));
    retype(m_window, "txtSubunitName", QStringLiteral("Paise"));
    find<QComboBox>(m_window, "cmbSubunitDigits")->setCurrentText(QStringLiteral("2"));
    click(m_window, "cmdSave");
    QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'\n')));
    QCOMPARE(m_f->db
                 .scalar(QStringLiteral("SELECT AccountNo || '|' || City || '|' || Address || '|' || AmountStyle || "
                                        "'|' || CurrencyName || '|' || SubunitName || '|' || SubunitDigits FROM "
                                        "BankAccount WHERE BankID = 'B2'"))
                 .toString(),
             QStringLiteral("77-1|") + city + u'|' + address + QStringLiteral("|Indian|Rupees|Paise|2"));
    delete m_window;
    open();
    click(m_window, "cmdNext");
    QCOMPARE(money(), QStringLiteral("Indian|Rupees|Paise|2"));
    // The next account shows its own money, not the one before.
    click(m_window, "cmdNext");
    QCOMPARE(money(), QStringLiteral("International|||0"));
}

void TestBankAccounts::changeMadeElsewhereIsNeverOverwritten()
{
    open();
    click(m_window, "cmdEdit");
    retype(m_window, "txtBankName", QStringLiteral("Typed Here"));
    // Meanwhile another copy of the program changes the same account.
    m_f->db.exec(QStringLiteral("UPDATE BankAccount SET City = 'Changed Elsewhere' WHERE BankID = 'ACC1'"));
    click(m_window, "cmdSave");
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().contains(QStringLiteral("changed elsewhere since it was shown")),
             qPrintable(m_f->prompter.texts().first()));
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT BankName || '|' || City FROM BankAccount WHERE BankID = 'ACC1'"))
                 .toString(),
             QStringLiteral("Sample Bank|Changed Elsewhere"));
    QCOMPARE(shown(m_window, "txtCity") + u'|' + shown(m_window, "txtBankName"),
             QStringLiteral("Changed Elsewhere|Sample Bank"));
    QVERIFY(find(m_window, "cmdEdit")->isEnabled()); // browsing again, on the stored values
}

void TestBankAccounts::crossingIsPlacedPerAccount_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("stored"); // CrossLeft|CrossTop|CrossWidth|CrossHeight, or empty when refused
    row("moved, the usual size", "12.5", "", "12.5|||");
    row("moved and resized", "12", "4.2", "12.0||4.2|");
    row("no size at all", "1", "0", "");
    row("not a number", "far", "", "");
}

void TestBankAccounts::crossingIsPlacedPerAccount()
{
    QFETCH(QString, left);
    QFETCH(QString, width);
    QFETCH(QString, stored);
    open();
    // An account from before shows its crossing boxes empty: the usual block (hintsReadAsHints).
    QCOMPARE(shown(m_window, "txtCrossLeft") + shown(m_window, "txtCrossWidth"), QString());
    click(m_window, "cmdEdit");
    retype(m_window, "txtCrossLeft", left);
    if (!width.isEmpty())
        retype(m_window, "txtCrossWidth", width);
    click(m_window, "cmdSave");
    const QString row = m_f->db
                            .scalar(QStringLiteral("SELECT coalesce(CAST(CrossLeft AS TEXT), '') || '|' || "
                                                   "coalesce(CAST(CrossTop AS TEXT), '') || '|' || "
                                                   "coalesce(CAST(CrossWidth AS TEXT), '') || '|' || "
                                                   "coalesce(CAST(CrossHeight AS TEXT), '') FROM BankAccount WHERE "
                                                   "BankID = 'ACC1'"))
                            .toString();
    if (stored.isEmpty()) {
        QCOMPARE(row, QStringLiteral("|||"));
        QCOMPARE(m_f->prompter.messages.size(), 1);
        QVERIFY2(m_f->prompter.texts().first().contains(QStringLiteral("Crossing")),
                 qPrintable(m_f->prompter.texts().first()));
        return;
    }
    QCOMPARE(row, stored);
    QVERIFY(m_f->prompter.messages.isEmpty());
}

void TestBankAccounts::chequeBooksAreAddedListedAndRetired()
{
    open();
    click(m_window, "cmdBooks");
    auto *books = m_window->findChild<QWidget *>(QStringLiteral("frmChequeBooks"));
    QVERIFY(books && books->isVisible());
    QCOMPARE(books->windowTitle(), QStringLiteral("Cheque Books of ACC1"));
    QCOMPARE(shown(books, "txtReceived"), QStringLiteral("06-Dec-2026"));
    retype(books, "txtFirstLeaf", QStringLiteral("000101"));
    retype(books, "txtLastLeaf", QStringLiteral("000150"));
    click(books, "cmdAddBook");
    auto *table = find<QTableWidget>(books, "tblBooks");
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->item(0, 7)->text(), QStringLiteral("50"));
    // An overlapping book is refused in words, and nothing is added.
    retype(books, "txtFirstLeaf", QStringLiteral("000140"));
    retype(books, "txtLastLeaf", QStringLiteral("000190"));
    click(books, "cmdAddBook");
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().contains(QStringLiteral("overlap")),
             qPrintable(m_f->prompter.texts().first()));
    QCOMPARE(table->rowCount(), 1);
    table->selectRow(0);
    click(books, "cmdRetire");
    QCOMPARE(table->item(0, 7)->text(), QStringLiteral("retired"));
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT Retired FROM ChequeBook")).toInt(), 1);
}

void TestBankAccounts::layoutTravelsThroughAFile()
{
    const QString file = m_f->db.folder() + QStringLiteral("/acc1.json");
    m_f->services.chooseSaveFile = [file](const QString &, const QString &, const QString &) { return file; };
    m_f->services.chooseOpenFile = [file](const QString &, const QString &) { return file; };
    open();
    click(m_window, "cmdExportLayout");
    QVERIFY(QFile::exists(file));
    // Into the second account, which has only a size of its own.
    click(m_window, "cmdNext");
    QCOMPARE(bankId(), QStringLiteral("B2"));
    m_f->prompter.answers = {true};
    click(m_window, "cmdImportLayout");
    QCOMPARE(m_f->prompter.questions.size(), 1);
    QCOMPARE(bankId(), QStringLiteral("B2"));
    QCOMPARE(shown(m_window, "txtBankName"), QStringLiteral("Second")); // the bank details stay
    QCOMPARE(shown(m_window, "txtWidth"), QStringLiteral("20.3"));
    QCOMPARE(cell(0)->text(), QStringLiteral("15.3"));
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT PayLeft FROM BankAccount WHERE BankID = 'B2'")).toDouble(), 3.0);
}

frmLeafDesigner *TestBankAccounts::openDesigner()
{
    open();
    if (bankId() != QLatin1String("ACC1"))
        return nullptr;
    click(m_window, "cmdDesign");
    auto *designer = m_window->findChild<frmLeafDesigner *>();
    if (!designer)
        return nullptr;
    designer->resize(1400, 800);
    // Fifty screen pixels a centimetre: a pixel is exactly 0.2 mm, so every drag is an exact distance.
    designer->setPixelsPerCentimetre(50);
    designer->view()->centerOn(QPointF(8 * 567, 4 * 567));
    return QTest::qWaitForWindowExposed(designer) ? designer : nullptr;
}

QGraphicsItem *TestBankAccounts::designBox(frmLeafDesigner *designer, const QString &label) const
{
    for (QGraphicsItem *item : designer->view()->scene()->items()) {
        if (item->toolTip() == label)
            return item;
    }
    return nullptr;
}

void TestBankAccounts::designerMovesBoxesByExactlyWhatIsDragged_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("how"); // drag, corner (the resize handle), or key
    QTest::addColumn<QPoint>("by"); // screen pixels for a drag; for keys, presses right and down
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QString>("values"); // left, bottom, width, each changed by, cm
    row("drag the payee 1 cm right", "Pay", "drag", QPoint(50, 0), false, "1.00,0.00,0.00");
    row("drag the date up and left", "Date", "drag", QPoint(-15, -25), false, "-0.30,-0.50,0.00");
    row("widen the amount by its corner", "Amount", "corner", QPoint(40, 0), false, "0.00,0.00,0.80");
    row("three arrow presses", "Pay", "key", QPoint(3, 0), false, "0.30,0.00,0.00");
    row("two shifted presses down", "Pay", "key", QPoint(0, 2), true, "0.00,0.02,0.00");
}

void TestBankAccounts::designerMovesBoxesByExactlyWhatIsDragged()
{
    QFETCH(QString, box);
    QFETCH(QString, how);
    QFETCH(QPoint, by);
    QFETCH(bool, shift);
    QFETCH(QString, values);
    frmLeafDesigner *designer = openDesigner();
    QVERIFY(designer);
    QGraphicsItem *item = designBox(designer, box);
    QVERIFY(item);
    const std::map<QString, std::array<Measurement, 3>> measured {
        {QStringLiteral("Pay"), {Measurement::PayLeft, Measurement::PayBottom, Measurement::PayWidth}},
        {QStringLiteral("Date"), {Measurement::DateLeft, Measurement::DateBottom, Measurement::DateWidth}},
        {QStringLiteral("Amount"), {Measurement::AmountLeft, Measurement::AmountBottom, Measurement::AmountWidth}}};
    const std::array<Measurement, 3> &which = measured.at(box);
    const BankAccountRecord before = designer->designed();
    const QString valuesBefore = shown(designer, "lblValues");

    QGraphicsView *view = designer->view();
    QWidget *viewport = view->viewport();
    if (how == QLatin1String("key")) {
        item->setSelected(true);
        item->setFocus();
        view->setFocus();
        const Qt::KeyboardModifiers modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
        for (int i = 0; i < by.x(); ++i)
            QTest::keyClick(viewport, Qt::Key_Right, modifiers);
        for (int i = 0; i < by.y(); ++i)
            QTest::keyClick(viewport, Qt::Key_Down, modifiers);
    } else {
        // Grab the box inside its edge, or the handle on its bottom-right corner.
        const QRectF place = item->sceneBoundingRect();
        const QPointF grip = how == QLatin1String("corner") ? item->mapToScene(item->boundingRect().bottomRight())
                                                            : place.topLeft() + QPointF(100, 100);
        QPoint from = view->mapFromScene(grip);
        if (how == QLatin1String("corner")) {
            for (QGraphicsItem *child : item->childItems())
                from = view->mapFromScene(child->sceneBoundingRect().center());
        }
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        // In steps, as a hand moves, so the view sees a drag and not a jump.
        for (int step = 1; step <= 5; ++step)
            QTest::mouseMove(viewport, from + by * step / 5);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, from + by);
    }

    const BankAccountRecord after = designer->designed();
    QStringList changed;
    for (const Measurement measurement : which)
        changed.append(
            QString::number(after.value(measurement).value_or(-99) - before.value(measurement).value_or(99), 'f', 2));
    // "-0.00" reads as no change.
    QCOMPARE(changed.join(u',').replace(QStringLiteral("-0.00"), QStringLiteral("0.00")), values);
    if (values != QLatin1String("0.00,0.00,0.00"))
        QVERIFY(shown(designer, "lblValues") != valuesBefore);
    // Nothing is written until Save.
    QCOMPARE(stored("PayLeft"), before.value(Measurement::PayLeft).value_or(-1));
}

void TestBankAccounts::keysSaveCancelAndClose_data()
{
    QTest::addColumn<QString>("mode"); // entered by its access key: Alt+E edits, Alt+A adds; or browse
    QTest::addColumn<QString>("typed"); // into Cheq Height, over what it held
    QTest::addColumn<int>("key"); // then pressed where the cursor is: Alt+S, or Escape
    QTest::addColumn<bool>("answer"); // to a question, if one is asked
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("editing"); // still adding or editing afterwards
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("height"); // shown afterwards
    QTest::addColumn<double>("stored");
    const int save = QKeyCombination(Qt::AltModifier, Qt::Key_S).toCombined();
    const int escape = Qt::Key_Escape;
    row("Alt+S saves, and types no s", "edit", "9.3", save, true, false, false, true, "9.3", 9.3);
    row("Escape with nothing typed cancels", "edit", "", escape, true, false, false, true, "9.2", 9.2);
    row("Escape after typing asks; No keeps it", "edit", "9.3", escape, false, true, true, true, "9.3", 9.2);
    row("Escape after typing asks; Yes throws it away", "edit", "9.3", escape, true, true, false, true, "9.2", 9.2);
    row("Escape from a new account asks first", "add", "9.3", escape, true, true, false, true, "9.2", 9.2);
    row("Escape while browsing closes the window", "browse", "", escape, true, false, false, false, "", 9.2);
}

void TestBankAccounts::keysSaveCancelAndClose()
{
    QFETCH(QString, mode);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, editing);
    QFETCH(bool, open);
    QFETCH(QString, height);
    QFETCH(double, stored);
    this->open();
    m_f->prompter.answers = {answer};
    if (mode == QLatin1String("edit"))
        QTest::keyClick(focused(), Qt::Key_E, Qt::AltModifier);
    else if (mode == QLatin1String("add"))
        QTest::keyClick(focused(), Qt::Key_A, Qt::AltModifier);
    QCOMPARE(find(m_window, "cmdSave")->isEnabled(), mode != QLatin1String("browse"));
    if (!typed.isEmpty()) {
        retype(m_window, "txtHeight", typed);
        // An Alt key that is no access key of the window types nothing.
        QTest::keyClick(focused(), Qt::Key_Q, Qt::AltModifier);
    }
    const QKeyCombination pressed = QKeyCombination::fromCombined(key);
    QTest::keyClick(focused(), pressed.key(), pressed.keyboardModifiers());

    QCOMPARE(m_f->prompter.questions.size(), asked ? 1 : 0);
    QVERIFY(m_f->prompter.messages.isEmpty());
    QCOMPARE(bool(m_window) && m_window->isVisible(), open);
    QCOMPARE(this->stored("Height"), stored);
    if (!open)
        return;
    QCOMPARE(find(m_window, "cmdSave")->isEnabled(), editing);
    QCOMPARE(shown(m_window, "txtHeight"), height);
}

void TestBankAccounts::designerSavesOrAsksBeforeLosingMoves_data()
{
    QTest::addColumn<int>("presses"); // the Pay box moved right, a millimetre a press
    QTest::addColumn<QString>("leave"); // then: Alt+S, Escape, or a button clicked
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("open");
    QTest::addColumn<double>("moved"); // stored Pay, Left, against before, cm
    row("Alt+S saves", 3, "Alt+S", true, false, false, 0.3);
    row("Save saves", 5, "cmdSave", true, false, false, 0.5);
    row("Cancel writes nothing", 10, "cmdCancel", true, false, false, 0.0);
    row("Escape after moving asks; No stays", 3, "Escape", false, true, true, 0.0);
    row("Escape after moving asks; Yes closes", 3, "Escape", true, true, false, 0.0);
}

void TestBankAccounts::designerSavesOrAsksBeforeLosingMoves()
{
    QFETCH(int, presses);
    QFETCH(QString, leave);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, open);
    QFETCH(double, moved);
    const QString tableBefore = table();
    const double payLeft = stored("PayLeft");
    QPointer<frmLeafDesigner> designer = openDesigner();
    QVERIFY(designer);
    QVERIFY(QTest::qWaitForWindowActive(designer));
    QGraphicsItem *pay = designBox(designer, QStringLiteral("Pay"));
    QVERIFY(pay);
    pay->setSelected(true);
    pay->setFocus();
    designer->view()->setFocus();
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(focused(), Qt::Key_Right);
    m_f->prompter.answers = {answer};
    if (leave.startsWith(QLatin1String("cmd")))
        click(designer, qPrintable(leave));
    else
        QTest::keyClick(focused(), leave == QLatin1String("Escape") ? Qt::Key_Escape : Qt::Key_S,
                        leave == QLatin1String("Escape") ? Qt::NoModifier : Qt::AltModifier);

    QCOMPARE(m_f->prompter.questions.size(), asked ? 1 : 0);
    QTRY_COMPARE(designer && designer->isVisible(), open);
    QCOMPARE(QString::number(stored("PayLeft") - payLeft, 'f', 2), QString::number(moved, 'f', 2));
    if (moved == 0)
        QCOMPARE(table(), tableBefore);
    // The bank window shows what is stored, in the Pay, Left box of its grid.
    QCOMPARE(cell(3)->text().toDouble(), stored("PayLeft"));
}

void TestBankAccounts::designerSetsTheLeafsMarksByKeys()
{
    QPointer<frmLeafDesigner> designer = openDesigner();
    QVERIFY(designer);
    QVERIFY(QTest::qWaitForWindowActive(designer));
    // Every setting reached by its access key and typed or chosen there, as a clerk without a mouse.
    const auto alt = [&](Qt::Key key) { QTest::keyClick(focused(), key, Qt::AltModifier); };
    alt(Qt::Key_T);
    QCOMPARE(focused(), find(designer, "cmbDateLayout"));
    alt(Qt::Key_P);
    QCOMPARE(focused(), find(designer, "txtBoxPitch"));
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(), QStringLiteral("0.55"));
    alt(Qt::Key_R);
    QCOMPARE(focused(), find(designer, "cmbCrossing"));
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(), QStringLiteral("A/c Payee Only"));
    alt(Qt::Key_K); // the strike's box, offered at the payee line's end
    alt(Qt::Key_E);
    QTest::keyClicks(focused(), QStringLiteral("*"));
    alt(Qt::Key_U); // the words as this bank writes them: "and Fifty Paise"
    alt(Qt::Key_G);
    // A key that types the rupee sign, as an Indian keyboard layout has.
    QKeyEvent rupee(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("₹"));
    QApplication::sendEvent(focused(), &rupee);
    // The date's box is now its eight boxes at that pitch; the crossing's sample says the words.
    QGraphicsItem *date = designBox(designer, QStringLiteral("Date"));
    QVERIFY(date && designBox(designer, QStringLiteral("OR BEARER strike"))->isVisible());
    QCOMPARE(qRound(date->boundingRect().width()), qRound(0.55 * 8 * 567 + 1));
    const QImage grab = designer->view()->grab().toImage();
    QVERIFY(!grab.isNull());
    grab.save(m_f->db.folder() + QStringLiteral("/designer-marks.png"));
    alt(Qt::Key_S);
    QTRY_VERIFY(!designer);

    const BankAccountRecord saved = *m_f->db.store().accounts().find(QStringLiteral("ACC1"));
    QCOMPARE(saved.date.layout, DateLayout::Boxes);
    QCOMPARE(saved.date.boxPitch.value_or(0), 0.55);
    QCOMPARE(saved.marks.crossing(), QStringLiteral("A/c Payee Only"));
    QVERIFY(saved.marks.bearerStrike.isSet());
    QCOMPARE(saved.marks.filler, QStringLiteral("*"));
    QCOMPARE(saved.money.subunitFirst, false);
    QCOMPARE(saved.money.currencySign, QStringLiteral("₹"));
}

void TestBankAccounts::chequeBooksCloseByEscapeKeepingWhatWasTyped_data()
{
    QTest::addColumn<bool>("answer"); // to the question Escape asks once a leaf is typed
    QTest::newRow("kept") << false;
    QTest::newRow("thrown away") << true;
}

void TestBankAccounts::chequeBooksCloseByEscapeKeepingWhatWasTyped()
{
    QFETCH(bool, answer);
    open();
    QTest::keyClick(focused(), Qt::Key_B, Qt::AltModifier); // "Cheque &Books..."
    QPointer<QWidget> books = m_window->findChild<QWidget *>(QStringLiteral("frmChequeBooks"));
    QVERIFY(books);
    QTRY_COMPARE(QApplication::activeWindow(), books.data()); // in front, where its keys work
    QTest::keyClick(focused(), Qt::Key_F, Qt::AltModifier);
    QCOMPARE(focused(), find(books, "txtFirstLeaf"));
    QTest::keyClicks(focused(), QStringLiteral("000101"));
    m_f->prompter.answers = {answer};
    QTest::keyClick(focused(), Qt::Key_Escape);
    QCOMPARE(m_f->prompter.questions.size(), 1);
    QTRY_COMPARE(books && books->isVisible(), !answer);
    if (!answer)
        QCOMPARE(shown(books, "txtFirstLeaf"), QStringLiteral("000101"));
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT count(*) FROM ChequeBook")).toInt(), 0);
    QVERIFY(m_window->isVisible());
}

void TestBankAccounts::hintsReadAsHints_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("usual"); // the example, or what an empty box stands for, said by its tooltip
    row("currency", "txtCurrencyName", "e.g. Rupees", "Rupees");
    row("subunit", "txtSubunitName", "e.g. Paise", "Paise");
    row("crossing left", "txtCrossLeft", "usual", "0 cm");
    row("crossing width", "txtCrossWidth", "usual", "3.44 cm");
    row("crossing height", "txtCrossHeight", "usual", "3.60 cm");
}

void TestBankAccounts::hintsReadAsHints()
{
    QFETCH(QString, box);
    QFETCH(QString, hint);
    QFETCH(QString, usual);
    open();
    auto *field = find<QLineEdit>(m_window, qPrintable(box));
    QCOMPARE(field->text(), QString());
    // The grey text is the platform's hint, worded so that it cannot pass for a value that is stored:
    // no number, and no name as the box would print it. The usual value is in the tooltip.
    QCOMPARE(field->placeholderText(), hint);
    QVERIFY(!hint.contains(QRegularExpression(QStringLiteral("\\d"))) && hint != usual);
    QVERIFY2(field->toolTip().contains(usual), qPrintable(field->toolTip()));
    // And it looks like one, browsing and editing alike: its darkest ink is far paler than a value's.
    for (const bool editing : {false, true}) {
        if (editing)
            QTest::keyClick(focused(), Qt::Key_E, Qt::AltModifier);
        const QImage seen = m_window->grab().toImage();
        const auto darkest = [&](const QWidget *control) {
            const QRect area(control->mapTo(m_window, QPoint(3, 3)), control->size() - QSize(6, 6));
            int value = 255;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x)
                    value = std::min(value,
                                     qGray(seen.pixel(x * seen.width() / m_window->width(),
                                                      y * seen.height() / m_window->height())));
            }
            return value;
        };
        const int hinted = darkest(field);
        const int valued = darkest(find(m_window, "txtCity"));
        QVERIFY2(hinted > valued + 60, qPrintable(QStringLiteral("%1 against %2").arg(hinted).arg(valued)));
    }
}

void TestBankAccounts::captionsShowTheirWholeWords()
{
    open();
    // Every caption as wide as its words, its words clear of the controls beside it, and all of it
    // inside its frame and the window.
    for (const QLabel *label : m_window->findChildren<QLabel *>()) {
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        const QRect words = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                                label->sizeHint().boundedTo(label->size()), label->geometry());
        QVERIFY2(label->parentWidget()->rect().contains(words)
                     && m_window->rect().contains(
                         QRect(label->parentWidget()->mapTo(m_window, words.topLeft()), words.size())),
                 qPrintable(label->text()));
        for (const QWidget *beside : label->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(beside == label || beside->isHidden() || !beside->geometry().intersects(words),
                     qPrintable(label->text() + QStringLiteral(" is under ") + beside->objectName()));
        }
    }
}

QUILLSET_TEST_MAIN(TestBankAccounts, QApplication)
#include "tst_frmBanks.moc"
