#include "support/WindowTest.h"

#include "core/cheque/ChequeInput.h"
#include "core/issue/ChequeBookLife.h"
#include "core/layout/Fonts.h"
#include "core/layout/PageRenderer.h"
#include "core/workstation/WorkstationSettings.h"
#include "store/Store.h"
#include "support/ChequePicture.h"
#include "support/DataRows.h"
#include "support/PageImage.h"
#include "support/TestMain.h"
#include "windows/issue/frmCheque.h"
#include "windows/issue/frmRegister.h"
#include "windows/layout/MDIForm1.h"
#include "windows/layout/frmCheq.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QInputMethodEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSettings>
#include <QTableWidget>
#include <QTimer>

using namespace quillset;
using namespace quillset::test;

// Drives the real entry window with keys and clicks against a real database and a recording printer.
class TestChequeEntry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showsTheChosenAccount();
    void amountTakesNineDigitsAndIsSpelledInCapitals();
    void enterMovesOneFieldOn();
    void unreadableDateSaysWhyAndLetsGo_data();
    void unreadableDateSaysWhyAndLetsGo();
    void asksOnceAboutADateThatNeedsASecondLook_data();
    void asksOnceAboutADateThatNeedsASecondLook();
    void printsWhatWasTypedOrRefusesIt_data();
    void printsWhatWasTypedOrRefusesIt();
    void printRecordsExactlyWhatWasTyped();
    void crossingStartsAsTheAccountsAndMayBeChanged_data();
    void crossingStartsAsTheAccountsAndMayBeChanged();
    void failedPrintRecordsNothingAndKeepsTheFields_data();
    void failedPrintRecordsNothingAndKeepsTheFields();
    void secondPrintWhilePrintingDoesNothing();
    void offersTheNextNumberOfEachAccount();
    void settlesChequesFromTheRegister();
    void aSpoiledLeafIsNumberedInDigits_data();
    void aSpoiledLeafIsNumberedInDigits();
    void printComposesAfreshAndCloseKeepsTheCheque();
    void previewFollowsTheFields_data();
    void previewFollowsTheFields();
    void previewShowsTheWholeLeafAndZooms();
    void missingAccountsAndStampSettingAreSaid();
    void suggestsPayeesFromTheRegister_data();
    void suggestsPayeesFromTheRegister();
    void opensOnTheAccountLastPrintedFrom();
    void altPPrintsAndSaysWhatHappened_data();
    void altPPrintsAndSaysWhatHappened();
    void numberOutsideTheBooksIsTheOperatorsChoice();
    void aDaysChequesByKeyboardAlone();
    void amountTakesTheAccountsDecimals_data();
    void amountTakesTheAccountsDecimals();
    void showsEveryLineOfWhatItSays_data();
    void showsEveryLineOfWhatItSays();
    void amountMovedToAnotherAccountIsKeptExactly_data();
    void amountMovedToAnotherAccountIsKeptExactly();
    void aNumberIsOneLeafHoweverTyped_data();
    void aNumberIsOneLeafHoweverTyped();
    void aChequeAboveTheLimitAndAReprintByKeyboard();
    void aReprintAsksAboutItsDate_data();
    void aPaymentTheRegisterHoldsIsAskedAbout_data();
    void aPaymentTheRegisterHoldsIsAskedAbout();
    void crossingWordsThatCannotPrintAreRefused_data();
    void crossingWordsThatCannotPrintAreRefused();
    void aReprintAsksAboutItsDate();

private:
    void open();
    void typeCheque(const QString &chequeNo, const QString &pay, const QString &amount);
    /// The printed page as the paper shows it.
    static QImage paper(const ChequePage &page, int dotsPerInch);
    QWidget *focused() const { return QApplication::focusWidget(); }

    std::unique_ptr<WindowFixture> m_f;
    QPointer<frmCheque> m_window;
};

void TestChequeEntry::initTestCase()
{
    // The face and size the program sets for its windows, so that the window is measured as it is seen.
    QApplication::setFont(QFont(chequeFontFamily(), 8));
}

void TestChequeEntry::init()
{
    m_f = std::make_unique<WindowFixture>();
    QVERIFY(m_f->db.isReady());
    // Each test starts on a workstation that has printed nothing yet.
    WorkstationSettings().setLastAccount(QString());
    m_f->db.exec(QStringLiteral("INSERT INTO BankAccount (BankID, BankName, AccountNo, City) "
                                "VALUES ('ACC2', 'Second Bank', '99-88', 'Pune')"));
}

void TestChequeEntry::cleanup()
{
    delete m_window;
    m_f.reset();
    qunsetenv("CUPS_SERVER");
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

QImage TestChequeEntry::paper(const ChequePage &page, int dotsPerInch)
{
    QImage image(page.widthTwips * dotsPerInch / 1440, page.heightTwips * dotsPerInch / 1440, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderChequePage(painter, page, dotsPerInch);
    return image;
}

void TestChequeEntry::showsTheChosenAccount()
{
    open();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Quillset Program"));
    QCOMPARE(m_window->size(), QSize(440, 320));
    QCOMPARE(shown(m_window, "lblAccountLine"),
             QStringLiteral("Cheques go on ACC1: Sample Bank, account 012345678901"));
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
    // No amount shows no words, never those for zero.
    amount->selectAll();
    QTest::keyClick(amount, Qt::Key_Backspace);
    QCOMPARE(shown(m_window, "lblNaration") + shown(m_window, "lblFigures"), QString());
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

void TestChequeEntry::unreadableDateSaysWhyAndLetsGo_data()
{
    QTest::addColumn<QString>("order"); // the office's order of dates
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("said"); // part of what the note under the date says
    QTest::addColumn<QString>("leave"); // how the window is closed at the end
    row("a two-digit year", "DMY", "8/12/26", "two-digit year (1926 or 2026?)", "Alt+X");
    row("no such day", "DMY", "31-Feb-2026", "\"31-Feb-2026\" is not a date", "Exit");
    row("numbers that read two ways, year first", "YMD", "01/02/2026", "could be read two ways", "close box");
    row("month first in a day-first office", "DMY", "12/25/2026", "though it is one read month first", "Alt+X");
    row("the first century", "DMY", "06-Dec-0001", "more than 12 months before today", "Exit");
}

void TestChequeEntry::unreadableDateSaysWhyAndLetsGo()
{
    QFETCH(QString, order);
    QFETCH(QString, typed);
    QFETCH(QString, said);
    QFETCH(QString, leave);
    m_f->db.store().parameters().SetSystemParameter(Parameter::OrderOfDates, order);
    open();
    const QSize size = m_window->size();
    typeCheque(QStringLiteral("7"), QStringLiteral("X"), QString());
    retype(m_window, "txtDate", typed.left(3));
    QCOMPARE(shown(m_window, "lblDateNote"), QString()); // a date still being typed is not called wrong
    QTest::keyClicks(focused(), typed.mid(3));
    QTest::keyClick(focused(), Qt::Key_Tab);
    // The focus goes on, so the amount typed next lands in the amount; the date says why under it.
    QCOMPARE(focused(), find(m_window, "txtAmount"));
    QTest::keyClicks(focused(), QStringLiteral("500"));
    QCOMPARE(shown(m_window, "txtAmount") + u'|' + shown(m_window, "txtDate"), QStringLiteral("500|") + typed);
    const QString note = shown(m_window, "lblDateNote");
    QVERIFY2(note.contains(said), qPrintable(note));
    // One that cannot be read shows the forms that can.
    QCOMPARE(note.contains(acceptedDateForms(*dateOrderFromCode(order))), !said.startsWith(QLatin1String("more than")));
    QVERIFY(find(m_window, "lblDateNote")->isVisible());
    // Nothing hides it: the words and everything below them moved down to make room.
    QVERIFY(find(m_window, "lblDateNote")->geometry().bottom() < find(m_window, "lblNaration")->geometry().top());
    QVERIFY(m_window->height() > size.height());
    QVERIFY(m_f->prompter.messages.isEmpty());

    // Print says it again, and puts the cursor in the date; nothing prints.
    QTest::keyClick(m_window, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().contains(said), qPrintable(m_f->prompter.texts().first()));
    QCOMPARE(focused(), find(m_window, "txtDate"));
    QVERIFY(m_f->queue->jobs.isEmpty());
    QCOMPARE(registerRows(m_f->db), 0);

    // Corrected, the note goes at once.
    retype(m_window, "txtDate", QStringLiteral("06-Dec-2026"));
    QCOMPARE(shown(m_window, "lblDateNote"), QString());
    QCOMPARE(m_window->size(), size);
    retype(m_window, "txtDate", typed);
    QTest::keyClick(focused(), Qt::Key_Return);
    QVERIFY(!shown(m_window, "lblDateNote").isEmpty());

    // And the window closes, whatever the date holds.
    find(m_window, "txtDate")->setFocus();
    if (leave == QLatin1String("Alt+X"))
        QTest::keyClick(focused(), Qt::Key_X, Qt::AltModifier);
    else if (leave == QLatin1String("Exit"))
        click(m_window, "cmdCancel");
    else
        QVERIFY(m_window->close());
    QTRY_VERIFY(!m_window || !m_window->isVisible());
}

void TestChequeEntry::asksOnceAboutADateThatNeedsASecondLook_data()
{
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("asked"); // part of the one question, or empty for none
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("recorded"); // the register's date, or empty for nothing printed
    // Today is 6 December 2026.
    row("a spreadsheet's December 1st in a month-first office", "MDY", "12/01/2026", "", true, "2026-12-01");
    row("the same in a day-first office: 12 January, stale", "DMY", "12/01/2026",
        "This cheque is dated 12-Jan-2026, more than 3 months back", false, "");
    row("a month named, month first, in a day-first office", "DMY", "Dec-01-2026", "", true, "2026-12-01");
    row("post-dated, printed all the same", "DMY", "07-Jan-2027", "This cheque is dated 07-Jan-2027, after today.",
        true, "2027-01-07");
    row("three months back to the day, still valid", "DMY", "06-Sep-2026", "", true, "2026-09-06");
}

void TestChequeEntry::asksOnceAboutADateThatNeedsASecondLook()
{
    QFETCH(QString, order);
    QFETCH(QString, typed);
    QFETCH(QString, asked);
    QFETCH(bool, answer);
    QFETCH(QString, recorded);
    m_f->db.store().parameters().SetSystemParameter(Parameter::OrderOfDates, order);
    open();
    typeCheque(QStringLiteral("000140"), QStringLiteral("Dated Payee"), QStringLiteral("100"));
    retype(m_window, "txtDate", typed);
    QTest::keyClick(focused(), Qt::Key_Tab);
    // Said under the date before anything is asked.
    QCOMPARE(shown(m_window, "lblDateNote").isEmpty(), asked.isEmpty());
    if (!asked.isEmpty())
        QVERIFY2(shown(m_window, "lblDateNote").startsWith(asked), qPrintable(shown(m_window, "lblDateNote")));
    m_f->prompter.answers = {answer};
    QTest::keyClick(m_window, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(m_f->prompter.questions.size(), asked.isEmpty() ? 0 : 1);
    if (!asked.isEmpty())
        QVERIFY2(m_f->prompter.questions.first().startsWith(asked), qPrintable(m_f->prompter.questions.first()));
    QCOMPARE(m_f->db.joined(QStringLiteral("SELECT PrintDate FROM Cheque")), recorded);
    QCOMPARE(m_f->queue->printed().size(), recorded.isEmpty() ? 0 : 1);
    if (recorded.isEmpty())
        return;
    // The paper carries the date the register holds, day first in the leaf's boxes, whatever the
    // order it was typed in.
    const ChequePage printed = m_f->queue->printed().first();
    // Read as one line: alone, a 9 of the leaf's face is not read at all.
    const QRectF box = boxInPoints(printed.item(QStringLiteral("lblDate")).rect).adjusted(-3, -1, 40, 1);
    QCOMPARE(unspaced(PageImage::fromImage(paper(printed, 300), 300).line(box, QStringLiteral("0123456789"))),
             QDate::fromString(recorded, Qt::ISODate).toString(QStringLiteral("ddMMyyyy")));
}

void TestChequeEntry::printsWhatWasTypedOrRefusesIt_data()
{
    QTest::addColumn<QString>("fields"); // emptied, apart by blanks; the first then takes what is pasted
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("said"); // how Print and the preview refuse it; empty: it prints
    for (const char *field : {"txtChequeNo", "txtPay", "txtDate", "txtAmount"})
        row(field, QString::fromLatin1(field), QString(), kIncompleteChequeMessage);
    row("no number nor amount", "txtChequeNo txtAmount", "", kIncompleteChequeMessage);
    row("a number with letters", "txtChequeNo", "12a", "The cheque number \"12a\" must be digits only");
    // Nothing in them would print: a blank Pay line.
    row("a payee of blanks", "txtPay", "   ", kIncompleteChequeMessage);
    row("a payee of zero-width characters", "txtPay", "\u200B\u200C\u200D\uFEFF\u2060", kIncompleteChequeMessage);
    row("a payee on one line", "txtPay", "Sharma & Sons Traders", "");
    row("a line break", "txtPay", "Line One\nLine Two", "The payee holds a line break, which a cheque cannot print");
    row("a tab", "txtPay", "Tab\tGap", "The payee holds a tab, which a cheque cannot print");
    row("another control character", "txtPay", "Ring\aBell", "The payee holds a control character (U+0007)");
    // Printed in another order than the register keeps it, or with nothing a bank's records match.
    row("a direction override", "txtPay", "ACME Ltd \u202Edlrow", "The payee holds a direction control (U+202E)");
    row("an invisible space", "txtPay", "Ramesh\u200BKumar", "The payee holds an invisible character (U+200B)");
    // Blanks around the name print nothing and are not kept.
    row("blanks around the payee", "txtPay", "  Sharma & Sons  ", "");
}

void TestChequeEntry::printsWhatWasTypedOrRefusesIt()
{
    QFETCH(QString, fields);
    QFETCH(QString, pasted);
    QFETCH(QString, said);
    open();
    typeCheque(QStringLiteral("000123"), QStringLiteral("ABC Traders"), QStringLiteral("12345"));
    const QStringList emptied = fields.split(u' ');
    for (const QString &field : emptied)
        retype(m_window, qPrintable(field), QString());
    // Pasted, as a clerk copies from elsewhere, so that any character can come in.
    QWidget *first = find(m_window, qPrintable(emptied.first()));
    QApplication::clipboard()->setText(pasted);
    QTest::keySequence(first, QKeySequence::Paste);
    QCOMPARE(shown(m_window, qPrintable(emptied.first())), pasted);
    // Printed by its access key from the amount, as a clerk at the keyboard does.
    find(m_window, "txtAmount")->setFocus();
    QTest::keyClick(focused(), Qt::Key_P, Qt::AltModifier);
    if (said.isEmpty()) {
        // What the paper shows is what the register holds, read from the page as printed.
        QCOMPARE(m_f->queue->printed().size(), 1);
        const ChequePage printed = m_f->queue->printed().first();
        const QString recorded = m_f->db.scalar(QStringLiteral("SELECT Pay FROM Cheque")).toString();
        QCOMPARE(recorded, pasted.trimmed());
        const QRectF box = printed.item(QStringLiteral("lblPay")).rect;
        const QRectF area(box.left() / 20, box.top() / 20 - 4, box.width() / 20, box.height() / 20 + 8);
        QCOMPARE(simplified(PageImage::fromImage(paper(printed, 300), 300).line(area)), recorded);
        return;
    }
    QCOMPARE(focused(), first); // the cursor in the field at fault, the first of them
    click(m_window, "cmdPrintPreview");
    QCOMPARE(m_f->prompter.messages.size(), 2);
    for (const QString &told : m_f->prompter.texts())
        QVERIFY2(told.startsWith(said), qPrintable(told));
    if (said == kIncompleteChequeMessage)
        QCOMPARE(m_f->prompter.messages.first().icon, Prompter::Icon::Error);
    QVERIFY(m_f->queue->jobs.isEmpty() && !m_window->previewFrame());
    QCOMPARE(registerRows(m_f->db), 0);
    QCOMPARE(shown(m_window, "txtPay") == QLatin1String("ABC Traders"), !emptied.contains(QStringLiteral("txtPay")));
}

void TestChequeEntry::crossingStartsAsTheAccountsAndMayBeChanged_data()
{
    QTest::addColumn<QString>("typed"); // over the crossing's words by keys; empty: left as offered
    QTest::addColumn<QString>("printed"); // the stamp's words on the page and in the register
    QTest::newRow("the account's words") << ""
                                         << "A/c Payee Only";
    QTest::newRow("one from the list") << "Not Negotiable"
                                       << "Not Negotiable";
    QTest::newRow("the office's own") << "Account Payee, Not Negotiable"
                                      << "Account Payee, Not Negotiable";
    QTest::newRow("the lines alone") << "(none)"
                                     << "";
}

void TestChequeEntry::crossingStartsAsTheAccountsAndMayBeChanged()
{
    QFETCH(QString, typed);
    QFETCH(QString, printed);
    m_f->db.exec(QStringLiteral("UPDATE BankAccount SET CrossingWords = 'A/c Payee Only'"));
    m_f->db.store().parameters().SetSystemParameter(Parameter::Stamp, QStringLiteral("1"));
    open();
    auto *crossing = find<QComboBox>(m_window, "cmbCrossing");
    QCOMPARE(crossing->currentText(), QStringLiteral("A/c Payee Only"));
    typeCheque(QStringLiteral("000123"), QStringLiteral("Dealer's Co."), QStringLiteral("12345"));
    if (!typed.isEmpty()) {
        // From the amount, past the stamp's tick, to the crossing's words.
        find(m_window, "txtAmount")->setFocus();
        QTest::keyClick(focused(), Qt::Key_Tab);
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), crossing);
        QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused(), typed);
    }
    click(m_window, "cmdPrint");
    QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'\n')));
    const PageItem &stamp = m_f->queue->printed().first().item(QStringLiteral("Stamp"));
    QVERIFY(stamp.shown);
    QCOMPARE(stamp.text, printed);
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT Crossing FROM Cheque")).toString(), printed);
}

void TestChequeEntry::aPaymentTheRegisterHoldsIsAskedAbout_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("jobs");
    QTest::newRow("another amount, nothing to ask") << "12346" << true << false << 1;
    QTest::newRow("the same payment, declined") << "12345" << false << true << 0;
    QTest::newRow("the same payment, printed all the same") << "12345" << true << true << 1;
}

// A cheque typed twice would pay the same bill twice: Print asks first.
void TestChequeEntry::aPaymentTheRegisterHoldsIsAskedAbout()
{
    QFETCH(QString, amount);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(int, jobs);
    // Dated the window's today, as the cheque typed next is.
    m_f->db.store().cheques().record({QStringLiteral("ACC1"), QStringLiteral("000401"), QStringLiteral("Dealer's Co."),
                                      QDate(2026, 12, 6), Money {12345, {}}, false});
    open();
    typeCheque(QStringLiteral("000402"), QStringLiteral("Dealer's Co."), amount);
    m_f->prompter.answers = {answer};
    QTest::keyClick(m_window, Qt::Key_P, Qt::AltModifier);
    const QString question = m_f->prompter.questions.value(0);
    QVERIFY2(question.startsWith(QStringLiteral("The register already holds this payment: cheque 000401 of \"ACC1\" "
                                                "is already printed to Dealer's Co. for =12,345/-"))
                 == asked,
             qPrintable(m_f->prompter.questions.join(u'\n') + m_f->prompter.texts().join(u'\n')));
    QCOMPARE(m_f->queue->jobs.size(), jobs);
    QCOMPARE(registerRows(m_f->db), 1 + jobs);
}

void TestChequeEntry::crossingWordsThatCannotPrintAreRefused_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("said");
    QTest::newRow("on two lines") << "Not\nNegotiable"
                                  << "The crossing's words hold a line break";
    QTest::newRow("with a tab") << "A/c\tPayee"
                                << "The crossing's words hold a tab";
}

// The crossing's words are printed along their lines: what cannot print as it is kept is refused,
// and the cursor is put in the words.
void TestChequeEntry::crossingWordsThatCannotPrintAreRefused()
{
    QFETCH(QString, pasted);
    QFETCH(QString, said);
    m_f->db.store().parameters().SetSystemParameter(Parameter::Stamp, QStringLiteral("1"));
    open();
    typeCheque(QStringLiteral("000123"), QStringLiteral("Dealer's Co."), QStringLiteral("12345"));
    auto *crossing = find<QComboBox>(m_window, "cmbCrossing");
    crossing->lineEdit()->selectAll();
    QApplication::clipboard()->setText(pasted);
    QTest::keySequence(crossing->lineEdit(), QKeySequence::Paste);
    QCOMPARE(crossing->currentText(), pasted);
    find(m_window, "txtAmount")->setFocus();
    QTest::keyClick(focused(), Qt::Key_P, Qt::AltModifier);
    QVERIFY(m_f->queue->jobs.isEmpty());
    QCOMPARE(registerRows(m_f->db), 0);
    QVERIFY2(m_f->prompter.texts().join(u'\n').contains(said), qPrintable(m_f->prompter.texts().join(u'\n')));
    QVERIFY(focused() == crossing || focused() == crossing->lineEdit());
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
    const ChequePage page = m_f->queue->printed().first();
    QCOMPARE(page.item(QStringLiteral("lblPay")).text, QStringLiteral("Dealer's Co."));
    QCOMPARE(page.item(QStringLiteral("lblAmount")).text, QStringLiteral("=12,345/-"));
    QVERIFY(page.item(QStringLiteral("Stamp")).shown);
    QCOMPARE(m_f->db
                 .scalar(QStringLiteral("SELECT group_concat(BankID || '|' || ChequeNo || '|' || Amount || "
                                        "'|' || Pay || '|' || PrintDate) FROM Cheque"))
                 .toString(),
             QStringLiteral("ACC1|000123|12345|Dealer's Co.|2026-12-06"));

    // Ready for the next cheque: account and date stay, the stamp is back at its setting.
    QCOMPARE(shown(m_window, "txtChequeNo") + shown(m_window, "txtPay") + shown(m_window, "txtAmount"), QString());
    QCOMPARE(shown(m_window, "lblNaration"), QString());
    QVERIFY(!stamp->isChecked());
    QCOMPARE(shown(m_window, "txtDate"), QStringLiteral("06-Dec-2026"));
}

void TestChequeEntry::failedPrintRecordsNothingAndKeepsTheFields_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("fromPreview"); // Print pressed in the preview, else in the entry window
    QTest::addColumn<QString>("said"); // how the message starts
    row("no print server at all", "no print server", true, "ERR:1101:No printer is installed");
    row("the queue takes the page, refuses the job", "job refused", false, "ERR:1102:");
    row("the register cannot take the cheque", "register", false,
        "ERR:1004:The register cannot take the cheque, so nothing was printed: ");
}

void TestChequeEntry::failedPrintRecordsNothingAndKeepsTheFields()
{
    QFETCH(QString, fault);
    QFETCH(bool, fromPreview);
    QFETCH(QString, said);
    if (fault == QLatin1String("no print server")) {
        // The program's own print queue, on a machine whose print server is not there at all.
        qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
        m_f->services.printQueue = AppServices(m_f->prompter).printQueue;
    }
    m_f->queue->refuseJob = fault == QLatin1String("job refused");
    if (fault == QLatin1String("register"))
        m_f->db.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Cheque BEGIN "
                                    "SELECT RAISE(ABORT, 'the disk is full'); END"));
    open();
    typeCheque(QStringLiteral("000124"), QStringLiteral("ABC Traders"), QStringLiteral("0"));
    // The preview needs no printer, and has nothing to say.
    click(m_window, "cmdPrintPreview");
    MDIForm1 *preview = m_window->previewFrame();
    QVERIFY(preview && preview->isVisible() && preview->layoutWindow());
    QCOMPARE(preview->layoutWindow()->page().item(QStringLiteral("lblAmount")).text, QStringLiteral("=0/-"));
    QVERIFY(m_f->prompter.messages.isEmpty());
    click(fromPreview ? static_cast<QWidget *>(preview) : m_window.data(), "cmdPrint");
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().startsWith(said), qPrintable(m_f->prompter.texts().first()));
    if (fault == QLatin1String("register"))
        QVERIFY2(m_f->prompter.texts().first().contains(QStringLiteral("disk is full")) && m_f->queue->jobs.isEmpty(),
                 qPrintable(m_f->prompter.texts().first()));
    QCOMPARE(registerRows(m_f->db), 0);
    QCOMPARE(shown(m_window, "txtChequeNo") + u'|' + shown(m_window, "txtPay") + u'|' + shown(m_window, "txtAmount"),
             QStringLiteral("000124|ABC Traders|0"));
    if (fault == QLatin1String("no print server"))
        return;

    // Put right, the same fields print and record a cheque for 0.
    m_f->queue->refuseJob = false;
    m_f->db.exec(QStringLiteral("DROP TRIGGER IF EXISTS refuse"));
    click(m_window, "cmdPrint");
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QCOMPARE(registerRows(m_f->db), 1);
}

void TestChequeEntry::secondPrintWhilePrintingDoesNothing()
{
    open();
    typeCheque(QStringLiteral("000126"), QStringLiteral("Twice Clicked"), QStringLiteral("100"));
    m_f->queue->printSlowly(13); // over a second at the printer, asked ever less often
    // While it prints: a second click, Space on the button, the preview, and Alt+P.
    auto *print = find<QPushButton>(m_window, "cmdPrint");
    QTimer::singleShot(100, print, [print] { QTest::mouseClick(print, Qt::LeftButton); });
    QTimer::singleShot(200, print, [print] {
        print->setFocus();
        QTest::keyClick(print, Qt::Key_Space);
    });
    QTimer::singleShot(300, m_window, [this] { click(m_window, "cmdPrintPreview"); });
    QTimer::singleShot(400, m_window, [this] { QTest::keyClick(m_window, Qt::Key_P, Qt::AltModifier); });
    QTimer::singleShot(500, m_window, [this] { m_window->close(); });
    click(m_window, "cmdPrint");
    QCOMPARE(m_f->queue->jobs.size(), 1);
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT group_concat(ChequeNo || ' ' || Status) FROM Cheque")).toString(),
             QStringLiteral("000126 printed"));
    QVERIFY(m_window->isVisible()); // closing waited for the print
    QVERIFY(!m_window->previewFrame());
    QCOMPARE(shown(m_window, "txtPay"), QString());
}

void TestChequeEntry::offersTheNextNumberOfEachAccount()
{
    open();
    auto *number = find<QLineEdit>(m_window, "txtChequeNo");
    QCOMPARE(number->placeholderText(), QString()); // nothing printed yet, nothing to offer
    typeCheque(QStringLiteral("000123"), QStringLiteral("First"), QStringLiteral("5"));
    click(m_window, "cmdPrint");
    QCOMPARE(number->placeholderText(), QStringLiteral("000124 (Down takes it)"));
    QCOMPARE(number->text(), QString()); // offered, never filled in unseen
    number->setFocus();
    QTest::keyClick(number, Qt::Key_Down);
    QCOMPARE(number->text(), QStringLiteral("000124"));
    // Another account has its own numbers.
    QTest::keyClick(find(m_window, "comBankID"), Qt::Key_Down);
    QCOMPARE(number->placeholderText(), QString());
}

void TestChequeEntry::aSpoiledLeafIsNumberedInDigits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("recorded"); // the register afterwards; empty when refused
    row("a minus sign", "-1", "");
    row("a letter", "140a", "");
    row("digits, blanks around", " 000140 ", "000140 spoiled");
}

void TestChequeEntry::aSpoiledLeafIsNumberedInDigits()
{
    QFETCH(QString, typed);
    QFETCH(QString, recorded);
    open();
    QTest::keyClick(m_window, Qt::Key_G, Qt::AltModifier);
    frmRegister *settling = nullptr;
    QTRY_VERIFY((settling = m_window->findChild<frmRegister *>()) && settling->isVisible());
    m_f->prompter.textAnswers = {typed, QStringLiteral("torn")};
    click(settling, "cmdSpoiledLeaf");
    QCOMPARE(m_f->db.joined(QStringLiteral("SELECT ChequeNo || ' ' || Status FROM Cheque")), recorded);
    QCOMPARE(m_f->prompter.messages.size(), recorded.isEmpty() ? 1 : 0);
    QCOMPARE(m_f->prompter.questions.size(), recorded.isEmpty() ? 1 : 2); // no reason asked for a leaf refused
    if (recorded.isEmpty())
        QCOMPARE(
            m_f->prompter.texts().first(),
            QStringLiteral("The cheque number \"%1\" must be digits only, as it is printed on the leaf.").arg(typed));
}

void TestChequeEntry::settlesChequesFromTheRegister()
{
    addChequeBook(m_f->db.store(), QStringLiteral("ACC1"), QStringLiteral("000201"), QStringLiteral("000210"),
                  QDate(2026, 12, 1));
    open();
    // Two cheques whose outcome the print server could not tell, and one that printed.
    for (const char *chequeNo : {"000201", "000202", "000203"}) {
        m_f->queue->statuses = {{JobStatus::State::Aborted, qstrcmp(chequeNo, "000203") != 0, QString()}};
        if (qstrcmp(chequeNo, "000203") == 0)
            m_f->queue->statuses.clear();
        typeCheque(QString::fromLatin1(chequeNo), QStringLiteral("Payee ") + QString::fromLatin1(chequeNo),
                   QStringLiteral("50"));
        click(m_window, "cmdPrint");
        find<QLineEdit>(m_window, "txtChequeNo")->clear();
    }
    QCOMPARE(m_f->prompter.messages.size(), 2);
    QVERIFY(m_f->prompter.texts().first().contains(QStringLiteral("stays in the register as pending")));

    click(m_window, "cmdRegister");
    auto *settling = m_window->findChild<frmRegister *>();
    QVERIFY(settling && settling->isVisible());
    QCOMPARE(shown(settling, "lblSummary"),
             QStringLiteral("2 cheques are pending: settle each once you know whether "
                            "it printed."));
    auto *table = find<QTableWidget>(settling, "tblCheques");
    const auto settleRow = [&](int row, const char *command) {
        table->selectRow(row);
        click(settling, command);
    };
    // Newest first: 000203 printed, 000202 and 000201 pending.
    QCOMPARE(table->item(0, 1)->text() + u' ' + table->item(0, 4)->text(), QStringLiteral("000203 printed"));
    QVERIFY(!find(settling, "cmdPrinted")->isEnabled());
    m_f->prompter.textAnswers = {QStringLiteral("torn by the payee")};
    settleRow(0, "cmdVoid");
    m_f->prompter.textAnswers = {QStringLiteral("jammed")};
    settleRow(1, "cmdSpoiled");
    settleRow(2, "cmdUnprinted");
    QCOMPARE(m_f->db
                 .scalar(QStringLiteral("SELECT group_concat(ChequeNo || ' ' || Status || ' ' || Reason, '; ') "
                                        "FROM (SELECT * FROM Cheque ORDER BY Id)"))
                 .toString(),
             QStringLiteral("000202 spoiled jammed; 000203 void torn by the payee"));
    QCOMPARE(shown(settling, "lblSummary"), QStringLiteral("No cheque of this account is pending."));
    QCOMPARE(shown(settling, "lblBooks"),
             QStringLiteral("Book 000201 to 000210, received 01-Dec-2026: 0 printed, 0 "
                            "pending, 1 spoiled, 1 void, 7 left; 1 skipped: 000201."));
    QVERIFY(m_f->prompter.questions.last().contains(QStringLiteral("Remove cheque 000201")));
    // Who voided it, when and why, under the register.
    table->selectRow(0);
    const QStringList history = shown(settling, "lblHistory").split(u'\n');
    QVERIFY2(history.first().startsWith(QStringLiteral("Cheque 000203: ")), qPrintable(history.join(u'\n')));
    QVERIFY2(QRegularExpression(
                 QStringLiteral("^\\d\\d-\\w{3}-\\d{4} \\d\\d:\\d\\d void by \\S+ on \\S+: torn by the payee$"))
                 .match(history.last())
                 .hasMatch(),
             qPrintable(history.join(u'\n')));
    // The removed number is free again, and offered as the next one is the one after the highest.
    QCOMPARE(find<QLineEdit>(m_window, "txtChequeNo")->placeholderText(), QStringLiteral("000204 (Down takes it)"));
}

void TestChequeEntry::aChequeAboveTheLimitAndAReprintByKeyboard()
{
    m_f->db.exec(QStringLiteral("UPDATE BankAccount SET NotOver = 1000 WHERE BankID = 'ACC1'"));
    open();
    typeCheque(QStringLiteral("000301"), QStringLiteral("Big Payee"), QStringLiteral("2500"));
    // Declined: nothing prints, nothing is recorded, and the amount is where to look.
    m_f->prompter.textAnswers = {std::nullopt};
    QTest::keyClick(m_window, Qt::Key_P, Qt::AltModifier);
    QVERIFY2(m_f->prompter.questions.last().startsWith(
                 QStringLiteral("=2,500/- is above the \"Not over\" limit of =1,000/- of the account \"ACC1\".")),
             qPrintable(m_f->prompter.questions.last()));
    QVERIFY(m_f->queue->jobs.isEmpty());
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT count(*) FROM Cheque")).toInt(), 0);
    QCOMPARE(focused(), find(m_window, "txtAmount"));
    // With a reason it prints, and the reason is in the cheque's history.
    m_f->prompter.textAnswers = {QStringLiteral("machinery advance, approved")};
    QTest::keyClick(m_window, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(m_f->queue->jobs.size(), 1);
    QCOMPARE(m_f->db.joined(QStringLiteral("SELECT Action || ': ' || Reason FROM History WHERE Action = 'over the "
                                           "limit'")),
             QStringLiteral("over the limit: machinery advance, approved"));

    // The cheque is voided, then printed again on the next leaf from the register, by keys alone.
    QTest::keyClick(m_window, Qt::Key_G, Qt::AltModifier);
    frmRegister *settling = nullptr;
    QTRY_VERIFY((settling = m_window->findChild<frmRegister *>()) && settling->isVisible());
    find<QTableWidget>(settling, "tblCheques")->selectRow(0);
    QVERIFY(!find(settling, "cmdReprint")->isEnabled()); // a printed cheque is voided first
    m_f->prompter.textAnswers = {QStringLiteral("ink smudged")};
    QTest::keyClick(settling, Qt::Key_V, Qt::AltModifier);
    find<QTableWidget>(settling, "tblCheques")->selectRow(0);
    QVERIFY(find(settling, "cmdReprint")->isEnabled());
    m_f->prompter.textAnswers = {QStringLiteral("reprint of the smudged cheque")};
    QTest::keyClick(settling, Qt::Key_R, Qt::AltModifier);
    QVERIFY2(m_f->prompter.questions.at(m_f->prompter.questions.size() - 2)
                 .startsWith(QStringLiteral("Print cheque 000301 again on the next leaf: Big Payee, =2,500/-")),
             qPrintable(m_f->prompter.questions.join(u'\n')));
    QCOMPARE(m_f->queue->jobs.size(), 2);
    QCOMPARE(m_f->db.joined(QStringLiteral("SELECT ChequeNo || ' ' || Pay || ' ' || Amount || ' ' || Status FROM "
                                           "Cheque ORDER BY Id")),
             QStringLiteral("000301 Big Payee 2500 void, 000302 Big Payee 2500 printed"));
    // The new row's history names the old one, and the old one's the new.
    find<QTableWidget>(settling, "tblCheques")->selectRow(0);
    QVERIFY2(shown(settling, "lblHistory").contains(QStringLiteral("cheque 000301 of \"ACC1\"")),
             qPrintable(shown(settling, "lblHistory")));
    find<QTableWidget>(settling, "tblCheques")->selectRow(1);
    QVERIFY2(shown(settling, "lblHistory").contains(QStringLiteral("cheque 000302 of \"ACC1\"")),
             qPrintable(shown(settling, "lblHistory")));
}

void TestChequeEntry::aReprintAsksAboutItsDate_data()
{
    QTest::addColumn<int>("monthsBack");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("warned"); // in the question, or empty for no warning
    QTest::addColumn<int>("jobs");
    QTest::newRow("a recent date, nothing to say") << 1 << true << QString() << 1;
    QTest::newRow("stale, declined") << 4 << false << QStringLiteral("more than 3 months back") << 0;
    QTest::newRow("stale, printed all the same") << 4 << true << QStringLiteral("more than 3 months back") << 1;
}

// A reprint keeps the spoiled cheque's date, which may have gone stale by the time it is printed again.
void TestChequeEntry::aReprintAsksAboutItsDate()
{
    QFETCH(int, monthsBack);
    QFETCH(bool, answer);
    QFETCH(QString, warned);
    QFETCH(int, jobs);
    const MoneyStyle money; // the test account's: whole rupees
    const Cheque spoiled {QStringLiteral("ACC1"),
                          QStringLiteral("000401"),
                          QStringLiteral("Jammed Payee"),
                          kTestToday.addMonths(-monthsBack),
                          {500, money},
                          false,
                          QString()};
    const qint64 id = m_f->db.store().cheques().addPending(spoiled, QStringLiteral("test"));
    m_f->db.store().cheques().markSpoiled(id, QStringLiteral("jammed"));
    open();
    QTest::keyClick(m_window, Qt::Key_G, Qt::AltModifier);
    frmRegister *settling = nullptr;
    QTRY_VERIFY((settling = m_window->findChild<frmRegister *>()) && settling->isVisible());
    find<QTableWidget>(settling, "tblCheques")->selectRow(0);
    m_f->prompter.answers = {answer};
    QTest::keyClick(settling, Qt::Key_R, Qt::AltModifier);
    const QString asked = m_f->prompter.questions.value(0);
    QVERIFY2(asked.startsWith(QStringLiteral("Print cheque 000401 again on the next leaf: Jammed Payee")),
             qPrintable(asked));
    QCOMPARE(asked.contains(QStringLiteral("the bank may refuse it as stale")), !warned.isEmpty());
    QVERIFY(warned.isEmpty() || asked.contains(warned));
    QCOMPARE(m_f->queue->jobs.size(), jobs);
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT count(*) FROM Cheque")).toInt(), 1 + jobs);
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

    // The entry window's own Print, with the preview open, prints and records the fields as they are now.
    retype(m_window, "txtPay", QStringLiteral("New Payee"));
    click(m_window, "cmdPrint");
    QCOMPARE(m_f->queue->printed().first().item(QStringLiteral("lblPay")).text, QStringLiteral("New Payee"));
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT Pay FROM Cheque")).toString(), QStringLiteral("New Payee"));
    QVERIFY(!preview->isVisible());
}

void TestChequeEntry::previewFollowsTheFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed"); // retyped into a field; the stamp is clicked, an account chosen
    QTest::addColumn<QString>("status"); // what the frame says; empty while the page shown prints
    QTest::addColumn<QString>("told"); // what the frame's Print says when it prints nothing
    row("payee", "txtPay", "New Payee", "", "");
    row("amount", "txtAmount", "2500", "", "");
    row("date", "txtDate", "07-Dec-2026", "", "");
    row("stamp", "chkStamp", "", "", "");
    row("another account, and the number again", "comBankID", "000130", "", "");
    row("payee emptied", "txtPay", "", "Nothing would print: Enter the payee after Pay.",
        "You cannot print All the fields must be selected");
    row("a date that cannot be read", "txtDate", "31-Feb-2026", "Nothing would print: \"31-Feb-2026\" is not a date",
        "Nothing was printed: \"31-Feb-2026\" is not a date; write it as 25-Dec-2026, 25/12/2026 or 2026-12-25 (day "
        "first, as this office writes dates). Correct the date in the entry window");
    row("the payee too long for its box", "txtPay", QString(120, u'W'),
        "This cheque would not be printed: The payee is too long", "ERR:1306:The payee is too long");
}

void TestChequeEntry::previewFollowsTheFields()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, status);
    QFETCH(QString, told);
    // The last account's layout puts the payee elsewhere.
    BankAccountRecord third = *m_f->db.store().accounts().find(QStringLiteral("ACC1"));
    third.bankId = QStringLiteral("ACC3");
    third.setValue(Measurement::PayLeft, 4.5);
    m_f->db.store().accounts().insert(third);
    open();
    typeCheque(QStringLiteral("000130"), QStringLiteral("Old Payee"), QStringLiteral("100"));
    click(m_window, "cmdPrintPreview");
    MDIForm1 *preview = m_window->previewFrame();
    QVERIFY(preview && preview->isVisible() && preview->layoutWindow());
    QCOMPARE(preview->windowTitle(), QStringLiteral("Printing Preview of Cheque"));
    const ChequePage before = preview->layoutWindow()->page();
    QCOMPARE(before.item(QStringLiteral("lblPay")).text, QStringLiteral("Old Payee"));

    if (field == QLatin1String("chkStamp")) {
        auto *stamp = find<QCheckBox>(m_window, "chkStamp");
        QTest::mouseClick(stamp, Qt::LeftButton, {}, QPoint(5, stamp->height() / 2));
    } else if (field == QLatin1String("comBankID")) {
        QTest::keyClick(find(m_window, "comBankID"), Qt::Key_End); // which empties the number
        QVERIFY(!preview->layoutWindow());
        QTest::keyClicks(find(m_window, "txtChequeNo"), typed);
    } else {
        retype(m_window, qPrintable(field), typed);
    }
    QVERIFY(preview->isVisible());
    const bool nothing = status.startsWith(QLatin1String("Nothing"));
    // No page at all, rather than one that would not print.
    QCOMPARE(preview->layoutWindow() != nullptr, !nothing);
    const ChequePage shownPage = nothing ? ChequePage {} : preview->layoutWindow()->page();
    QVERIFY(nothing || shownPage != before);
    const auto *said = find<QLabel>(preview, "lblStatus");
    QVERIFY(said);
    QCOMPARE(said->text().left(status.size()), status);
    QCOMPARE(said->isVisible(), !status.isEmpty());

    click(preview, "cmdPrint");
    const QString toldNow = m_f->prompter.texts().join(u'|');
    QVERIFY2(told.isEmpty() ? toldNow.isEmpty() : toldNow.startsWith(told), qPrintable(toldNow));
    QCOMPARE(m_f->queue->printed().size(), status.isEmpty() ? 1 : 0);
    QCOMPARE(registerRows(m_f->db), status.isEmpty() ? 1 : 0);
    if (!status.isEmpty())
        return;
    // The page printed and recorded is the one shown; the frame goes, and the fields are ready for the next.
    QCOMPARE(m_f->queue->printed().first(), shownPage);
    QVERIFY(!preview->isVisible() && !preview->layoutWindow());
    QCOMPARE(shown(m_window, "txtPay"), QString());
}

void TestChequeEntry::previewShowsTheWholeLeafAndZooms()
{
    open();
    typeCheque(QStringLiteral("000129"), QStringLiteral("Zoomed"), QStringLiteral("45"));
    click(m_window, "cmdPrintPreview");
    MDIForm1 *preview = m_window->previewFrame();
    QVERIFY(QTest::qWaitForWindowExposed(preview));
    auto *workspace = find<QScrollArea>(preview, "workspace");
    frmCheq *page = preview->layoutWindow();
    const auto leafOnScreen = [&] {
        const double perPixel = 15.0 / page->zoom();
        return QRect(page->mapTo(workspace->viewport(), QPoint(0, 0))
                         + (page->page().leaf.topLeft() / perPixel).toPoint(),
                     (page->page().leaf.size() / perPixel).toSize());
    };
    // Opened on the whole leaf, as large as the frame allows.
    QVERIFY2(workspace->viewport()->rect().contains(leafOnScreen()), "the leaf is cut off");
    QVERIFY(page->zoom() > 0.8);
    click(preview, "cmdFitPage");
    QVERIFY(page->zoom() < 0.5);
    click(preview, "cmdActualSize");
    QCOMPARE(page->zoom(), 1.0);
    click(preview, "cmdFitLeaf");
    QVERIFY(workspace->viewport()->rect().contains(leafOnScreen()));

    // The leaf's outline is drawn on screen, and never on paper.
    const QImage screen = page->grab().toImage();
    const QRect leaf
        = QRectF(page->page().leaf.topLeft() / (15.0 / page->zoom()), page->page().leaf.size() / (15.0 / page->zoom()))
              .toRect();
    int outlined = 0;
    for (int y = leaf.top() + 200; y < leaf.bottom() - 20; ++y) {
        for (int x = leaf.right() - 2; x <= qMin(leaf.right() + 1, screen.width() - 1); ++x)
            outlined += qGray(screen.pixel(x, y)) < 230 ? 1 : 0;
    }
    QVERIFY(outlined > 20);
    click(preview, "cmdPrint");
    const ChequePage printed = m_f->queue->printed().first();
    const QImage printedPaper = paper(printed, 144);
    const int edge = qRound(printed.leaf.right() / 10) - 1;
    for (int y = qRound(printed.leaf.top() / 10) + 130; y < qRound(printed.leaf.bottom() / 10) - 10; ++y)
        QCOMPARE(qGray(printedPaper.pixel(edge, y)), 255);
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

void TestChequeEntry::suggestsPayeesFromTheRegister_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("offered"); // in the order the list shows them
    row("anywhere in the name, this account's first", "TRA",
        QStringList {QStringLiteral("ABC Traders"), QStringLiteral("Zed Traders"),
                     QStringLiteral("Śrī Gaṇeśa Traders")});
    row("an apostrophe", "o'n", QStringList {QStringLiteral("O'Neil & Sons")});
    row("another script", "गणेश", QStringList {QStringLiteral("श्री गणेश स्टोर्स")});
}

void TestChequeEntry::suggestsPayeesFromTheRegister()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, offered);
    const ChequeRegister &cheques = m_f->db.store().cheques();
    const auto write = [&](const char *account, const char *number, const QString &payee) {
        cheques.record({QString::fromLatin1(account), QString::fromLatin1(number), payee, QDate(2026, 12, 1),
                        Money {100, {}}, false});
    };
    write("ACC2", "1", QStringLiteral("Zed Traders"));
    write("ACC1", "1", QStringLiteral("ABC Traders"));
    write("ACC1", "2", QStringLiteral("O'Neil & Sons"));
    write("ACC2", "2", QStringLiteral("Śrī Gaṇeśa Traders"));
    write("ACC2", "3", QStringLiteral("श्री गणेश स्टोर्स"));
    write("ACC2", "4", QStringLiteral("Zed Traders")); // the same payee again: offered once
    open();
    auto *pay = find<QLineEdit>(m_window, "txtPay");
    pay->setFocus();
    // Typed as an input method delivers it, so that any script can be typed.
    QInputMethodEvent typing;
    typing.setCommitString(typed);
    QApplication::sendEvent(pay, &typing);
    QCompleter *completer = pay->completer();
    QVERIFY(completer);
    QStringList shownList;
    for (int row = 0; row < completer->completionModel()->rowCount(); ++row)
        shownList << completer->completionModel()->index(row, 0).data().toString();
    QCOMPARE(shownList, offered);
    QTRY_VERIFY(completer->popup()->isVisible());
    // Choosing the first fills the payee exactly as it was stored.
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    QCOMPARE(pay->text(), offered.first());
}

void TestChequeEntry::opensOnTheAccountLastPrintedFrom()
{
    BankAccountRecord third = *m_f->db.store().accounts().find(QStringLiteral("ACC1"));
    third.bankId = QStringLiteral("ACC3");
    third.bankName = QStringLiteral("Third Bank");
    m_f->db.store().accounts().insert(third);
    open();
    auto *accounts = find<QComboBox>(m_window, "comBankID");
    QCOMPARE(accounts->currentText(), QStringLiteral("ACC1"));
    accounts->setCurrentIndex(accounts->findText(QStringLiteral("ACC3")));
    typeCheque(QStringLiteral("000500"), QStringLiteral("Third Payee"), QStringLiteral("700"));
    click(m_window, "cmdPrint");
    QCOMPARE(m_f->queue->jobs.size(), 1);
    delete m_window;
    // Remembered in this test program's own folder, never in the user's.
    const QString remembered = QSettings(QStringLiteral("Quillset"), QStringLiteral("Quillset")).fileName();
    QVERIFY2(remembered.startsWith(QDir::tempPath() + u'/'), qPrintable(remembered));

    open();
    QCOMPARE(find<QComboBox>(m_window, "comBankID")->currentText(), QStringLiteral("ACC3"));
    QVERIFY2(shown(m_window, "lblAccountLine").contains(QStringLiteral("ACC3: Third Bank")),
             qPrintable(shown(m_window, "lblAccountLine")));
    delete m_window;

    // An account deleted since opens the first one (its cheques first: the register keeps no orphans).
    m_f->db.exec(QStringLiteral("DELETE FROM Cheque WHERE BankID = 'ACC3'"));
    m_f->db.exec(QStringLiteral("DELETE FROM BankAccount WHERE BankID = 'ACC3'"));
    open();
    QCOMPARE(find<QComboBox>(m_window, "comBankID")->currentText(), QStringLiteral("ACC1"));
}

void TestChequeEntry::altPPrintsAndSaysWhatHappened_data()
{
    QTest::addColumn<QString>("book"); // first and last leaf, or empty for none
    QTest::addColumn<QString>("said");
    row("no books", "", "Cheque 000124 to ABC Traders, =12,345/-, printed and recorded.");
    row("a book with leaves to spare", "000101 000131",
        "Cheque 000124 to ABC Traders, =12,345/-, printed and recorded. 7 leaves left in this book.");
    row("a book nearly used up", "000101 000127",
        "printed and recorded. Only 3 leaves left in this book (000101 to 000127): have the next book ready.");
}

void TestChequeEntry::altPPrintsAndSaysWhatHappened()
{
    QFETCH(QString, book);
    QFETCH(QString, said);
    if (!book.isEmpty())
        addChequeBook(m_f->db.store(), QStringLiteral("ACC1"), book.section(u' ', 0, 0), book.section(u' ', 1, 1),
                      QDate(2026, 12, 1));
    open();
    typeCheque(QStringLiteral("000124"), QStringLiteral("ABC Traders"), QStringLiteral("12345"));
    QTest::keyClick(find(m_window, "txtAmount"), Qt::Key_P, Qt::AltModifier);
    QCOMPARE(m_f->queue->jobs.size(), 1);
    QVERIFY2(shown(m_window, "lblStatus").contains(said), qPrintable(shown(m_window, "lblStatus")));
    QCOMPARE(shown(m_window, "txtPay"), QString()); // cleared for the next cheque
    // Alt+P again, with nothing typed, prints nothing.
    QTest::keyClick(find(m_window, "txtPay"), Qt::Key_P, Qt::AltModifier);
    QCOMPARE(m_f->queue->jobs.size(), 1);
}

void TestChequeEntry::numberOutsideTheBooksIsTheOperatorsChoice()
{
    addChequeBook(m_f->db.store(), QStringLiteral("ACC1"), QStringLiteral("000101"), QStringLiteral("000150"),
                  QDate(2026, 12, 1));
    addChequeBook(m_f->db.store(), QStringLiteral("ACC1"), QStringLiteral("000151"), QStringLiteral("000200"),
                  QDate(2026, 12, 2));
    open();
    // The next number is the current book's first leaf.
    QVERIFY2(find<QLineEdit>(m_window, "txtChequeNo")->placeholderText().startsWith(QStringLiteral("000101")),
             qPrintable(find<QLineEdit>(m_window, "txtChequeNo")->placeholderText()));
    m_f->prompter.answers = {false};
    typeCheque(QStringLiteral("000900"), QStringLiteral("ABC Traders"), QStringLiteral("5"));
    click(m_window, "cmdPrint");
    QCOMPARE(m_f->prompter.questions.size(), 1);
    QVERIFY2(m_f->prompter.questions.first().contains(QStringLiteral("000101 to 000150; 000151 to 000200")),
             qPrintable(m_f->prompter.questions.first()));
    QCOMPARE(m_f->queue->jobs.size(), 0);
    QCOMPARE(registerRows(m_f->db), 0);
    m_f->prompter.answers = {true}; // the operator decides it is right
    click(m_window, "cmdPrint");
    QCOMPARE(m_f->queue->jobs.size(), 1);
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT ChequeNo FROM Cheque")).toString(), QStringLiteral("000900"));
}

void TestChequeEntry::aDaysChequesByKeyboardAlone()
{
    // Twenty cheques to four recurring payees on two accounts, by keys only, as a clerk works: the
    // next number taken with Down, the payee picked from three letters, Alt+P to print.
    BankAccountRecord second = *m_f->db.store().accounts().find(QStringLiteral("ACC1"));
    second.bankId = QStringLiteral("ACC3");
    m_f->db.store().accounts().insert(second);
    const QStringList payees = {QStringLiteral("Bharat Electricals"), QStringLiteral("Sharma & Sons"),
                                QStringLiteral("City Water Board"), QStringLiteral("Om Stationers")};
    for (const QString &account : {QStringLiteral("ACC1"), QStringLiteral("ACC3")})
        for (int i = 0; i < payees.size(); ++i)
            m_f->db.store().cheques().record({account, QStringLiteral("%1").arg(100 + i, 6, 10, QChar(u'0')),
                                              payees.at(i), QDate(2026, 11, 1), Money {100, {}}, false});
    open();
    int keys = 0;
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *target = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : focused();
        QTest::keyClick(target, key, modifiers);
        ++keys;
    };
    const auto type = [&](const QString &text) {
        for (const QChar c : text) {
            QWidget *target = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : focused();
            QTest::keyClicks(target, QString(c));
            ++keys;
        }
    };
    find(m_window, "txtChequeNo")->setFocus();
    for (int cheque = 0; cheque < 20; ++cheque) {
        if (cheque == 10) { // the second account, the list's last: Alt+B, End, and on to the number
            press(Qt::Key_B, Qt::AltModifier);
            press(Qt::Key_End);
            press(Qt::Key_Tab);
        }
        press(Qt::Key_Down); // the offered number
        press(Qt::Key_Tab);
        type(payees.at(cheque % payees.size()).left(3).toLower());
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        press(Qt::Key_Tab); // the date stays today's
        press(Qt::Key_Tab);
        type(QString::number(1000 + cheque * 37));
        press(Qt::Key_P, Qt::AltModifier);
        QVERIFY(QTest::qWaitForWindowActive(m_window)); // back from the progress window
        QTRY_COMPARE(focused(), find(m_window, "txtChequeNo")); // ready for the next cheque
    }
    QCOMPARE(m_f->queue->jobs.size(), 20);
    QCOMPARE(m_f->db.joined(QStringLiteral("SELECT BankID || ' ' || ChequeNo || ' ' || Pay FROM Cheque WHERE PrintDate "
                                           "= '2026-12-06' ORDER BY Id LIMIT 2")),
             QStringLiteral("ACC1 000104 Bharat Electricals, ACC1 000105 Sharma & Sons"));
    QCOMPARE(m_f->db
                 .scalar(QStringLiteral("SELECT count(DISTINCT BankID || ChequeNo) FROM Cheque WHERE PrintDate = "
                                        "'2026-12-06' AND Pay IN ('Bharat Electricals', 'Sharma & Sons', 'City "
                                        "Water Board', 'Om Stationers')"))
                 .toInt(),
             20);
    qInfo("20 cheques on two accounts: %d key presses", keys);
}

void TestChequeEntry::amountTakesTheAccountsDecimals_data()
{
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("figures");
    QTest::addColumn<QString>("words");
    row("paise", 2, "1234.5", "1234.5", 0, "=1,234.50/-",
        "RUPEES ONE THOUSAND TWO HUNDRED THIRTY FOUR AND PAISE FIFTY ONLY.");
    row("a third decimal is refused", 2, "12.345", "12.34", 1, "=12.34/-", "RUPEES TWELVE AND PAISE THIRTY FOUR ONLY.");
    row("a second point is refused", 2, "1.2.3", "1.23", 1, "=1.23/-", "RUPEES ONE AND PAISE TWENTY THREE ONLY.");
    row("lakh grouping as typed", 2, "150000", "150000", 0, "=1,50,000/-", "RUPEES ONE LAKH FIFTY THOUSAND ONLY.");
    row("whole rupees only", 0, "12.5", "125", 1, "=125/-", "RUPEES ONE HUNDRED TWENTY FIVE ONLY.");
    row("nine whole digits and the decimals", 3, "1234567890.1234", "123456789.123", 2, "=12,34,56,789.123/-",
        "RUPEES TWELVE CRORE THIRTY FOUR LAKH FIFTY SIX THOUSAND SEVEN HUNDRED EIGHTY NINE AND PAISE ONE HUNDRED "
        "TWENTY THREE ONLY.");
}

void TestChequeEntry::amountTakesTheAccountsDecimals()
{
    QFETCH(int, digits);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, beeps);
    QFETCH(QString, figures);
    QFETCH(QString, words);
    m_f->db.exec(QStringLiteral("UPDATE BankAccount SET AmountStyle = 'Indian', CurrencyName = 'Rupees', SubunitName = "
                                "'Paise', SubunitFirst = 1, SubunitDigits = ? WHERE BankID = 'ACC1'"),
                 {digits});
    open();
    QTest::keyClicks(find(m_window, "txtAmount"), typed);
    QCOMPARE(shown(m_window, "txtAmount"), kept);
    QCOMPARE(m_f->prompter.beeps, beeps);
    QCOMPARE(shown(m_window, "lblFigures"), figures);
    QCOMPARE(shown(m_window, "lblNaration"), words);
}

void TestChequeEntry::showsEveryLineOfWhatItSays_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("money"); // style|currency|subunit|decimals of ACC1
    QTest::addColumn<QString>("accountNo");
    QTest::addColumn<QString>("amount"); // typed
    QTest::addColumn<QString>("payee"); // printed, when the label says what printing did
    const char *rupees = "Indian|Rupees|Paise|2";
    row("crore with paise", "lblNaration", rupees, "012345678901", "777777777.77", "");
    row("dinars with fils", "lblNaration", "International|Dinars|Fils|3", "012345678901", "777777777.777", "");
    row("a 20-character account number", "lblAccountLine", "International|||0", "12345678901234567890", "", "");
    row("the longest status line", "lblStatus", rupees, "012345678901", "777777777.77",
        "Shree Ganesh Electricals and Hardware Stores Private Limited");
}

void TestChequeEntry::showsEveryLineOfWhatItSays()
{
    QFETCH(QString, label);
    QFETCH(QString, money);
    QFETCH(QString, accountNo);
    QFETCH(QString, amount);
    QFETCH(QString, payee);
    const QStringList style = money.split(u'|');
    m_f->db.exec(QStringLiteral("UPDATE BankAccount SET AmountStyle = ?, CurrencyName = ?, SubunitName = ?, "
                                "SubunitDigits = ?, AccountNo = ?, BankName = ? WHERE BankID = 'ACC1'"),
                 {style.at(0), style.at(1), style.at(2), style.at(3).toInt(), accountNo,
                  QStringLiteral("Punjab and Sind Bank, Connaught Place")});
    if (!payee.isEmpty()) // a book nearly used up: the line says so
        addChequeBook(m_f->db.store(), QStringLiteral("ACC1"), QStringLiteral("000101"), QStringLiteral("000127"),
                      QDate(2026, 12, 1));
    open();
    if (!payee.isEmpty()) {
        typeCheque(QStringLiteral("000124"), payee, amount);
        click(m_window, "cmdPrint");
        QCOMPARE(m_f->queue->jobs.size(), 1);
    } else if (!amount.isEmpty()) {
        QTest::keyClicks(find(m_window, "txtAmount"), amount);
    }
    const auto *shownLabel = find<QLabel>(m_window, qPrintable(label));
    const QString text = shownLabel->text();
    QVERIFY(!text.isEmpty());
    // And read as the clerk reads it: every word of it, the last line's too, in the window's grab.
    // OCR's punctuation and the order it gives words of closely set lines are not relied on.
    const PageImage window = PageImage::fromImage(m_window->grab().toImage(), 96).enlarged(4);
    if (!qEnvironmentVariableIsEmpty("QUILLSET_TEST_PICTURES"))
        window.save(qEnvironmentVariable("QUILLSET_TEST_PICTURES") + u'/' + QString::fromLatin1(QTest::currentDataTag())
                    + QStringLiteral(".png"));
    const QPoint at = shownLabel->mapTo(m_window, QPoint(0, 0));
    const QRectF area(at.x() * 0.75, at.y() * 0.75, shownLabel->width() * 0.75, shownLabel->height() * 0.75);
    const auto words = [](const QString &text) {
        QStringList kept;
        for (const QString &word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
            QString letters = word;
            letters.removeIf([](QChar c) { return !c.isLetterOrNumber(); });
            if (!letters.isEmpty())
                kept.append(letters);
        }
        kept.sort();
        return kept;
    };
    QCOMPARE(words(window.text(area)), words(text));
    // Measured too: the label is as tall as its text needs at its width.
    const int needed = shownLabel->wordWrap() ? shownLabel->heightForWidth(shownLabel->contentsRect().width())
                                              : shownLabel->sizeHint().height();
    QVERIFY2(
        needed <= shownLabel->contentsRect().height(),
        qPrintable(
            QStringLiteral("%1 needs %2 px, has %3").arg(text).arg(needed).arg(shownLabel->contentsRect().height())));
    QVERIFY2(shownLabel->wordWrap() || shownLabel->sizeHint().width() <= shownLabel->contentsRect().width(),
             qPrintable(text));
}

void TestChequeEntry::amountMovedToAnotherAccountIsKeptExactly_data()
{
    QTest::addColumn<int>("from"); // decimals of ACC1, where the amount is typed
    QTest::addColumn<int>("to"); // of ACC3, chosen next
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("said"); // in the status strip and at Print; empty: it fits
    QTest::addColumn<int>("backspaces");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<QString>("figures"); // of the corrected amount; empty: still refused
    QTest::addColumn<bool>("meanwhile"); // ACC1's own decimals are changed instead, after the amount is typed
    const QString refused = QStringLiteral("The amount %1, but the account \"%2\" takes %3");
    const QString twoDecimals = QStringLiteral("1234.50 has 2 decimals");
    const QString none = QStringLiteral("no decimals");
    row("nine digits and paise to whole rupees", 2, 0, "777777777.77",
        refused.arg(QStringLiteral("777777777.77 has 2 decimals"), QStringLiteral("ACC3"), none)
            + QStringLiteral(", whole amounts only"),
        3, "777777777", "=777,777,777/-", false);
    row("one Backspace still too many", 2, 0, "1234.50", refused.arg(twoDecimals, QStringLiteral("ACC3"), none), 1,
        "1234.5", "", false);
    row("fils to paise", 3, 2, "12.345",
        refused.arg(QStringLiteral("12.345 has 3 decimals"), QStringLiteral("ACC3"), QStringLiteral("2 decimals")), 1,
        "12.34", "=12.34/-", false);
    row("paise to fils: nothing to say", 2, 3, "12.34", "", 0, "12.34", "=12.340/-", false);
    row("the account's own decimals changed meanwhile", 2, 0, "1234.50",
        refused.arg(twoDecimals, QStringLiteral("ACC1"), none), 3, "1234", "=1,234/-", true);
}

void TestChequeEntry::amountMovedToAnotherAccountIsKeptExactly()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, typed);
    QFETCH(QString, said);
    QFETCH(int, backspaces);
    QFETCH(QString, corrected);
    QFETCH(QString, figures);
    QFETCH(bool, meanwhile);
    BankAccountRecord other = *m_f->db.store().accounts().find(QStringLiteral("ACC1"));
    other.bankId = QStringLiteral("ACC3");
    other.money.subunitDigits = to;
    m_f->db.store().accounts().insert(other);
    m_f->db.exec(QStringLiteral("UPDATE BankAccount SET SubunitDigits = ? WHERE BankID = 'ACC1'"), {from});
    open();
    typeCheque(QStringLiteral("000123"), QStringLiteral("ABC Traders"), typed);
    if (meanwhile) {
        m_f->db.exec(QStringLiteral("UPDATE BankAccount SET SubunitDigits = ? WHERE BankID = 'ACC1'"), {to});
    } else {
        QTest::keyClick(find(m_window, "comBankID"), Qt::Key_End);
        QCOMPARE(find<QComboBox>(m_window, "comBankID")->currentText(), QStringLiteral("ACC3"));
        QTest::keyClicks(find(m_window, "txtChequeNo"), QStringLiteral("000123"));
        // What is wrong with it is said at once.
        QCOMPARE(shown(m_window, "lblStatus").left(said.size()), said);
    }
    // Kept exactly as typed, refused, and shown as no other amount.
    QCOMPARE(shown(m_window, "txtAmount"), typed);
    click(m_window, "cmdPrint");
    QCOMPARE(shown(m_window, "txtAmount"), said.isEmpty() ? QString() : typed);
    QCOMPARE(m_f->prompter.texts().join(u'|').left(said.size()), said);
    QCOMPARE(m_f->queue->printed().size(), said.isEmpty() ? 1 : 0);
    if (!said.isEmpty()) {
        QCOMPARE(registerRows(m_f->db), 0);
        QCOMPARE(shown(m_window, "lblStatus").left(said.size()), said);
        QCOMPARE(shown(m_window, "lblFigures"), QString());
        m_f->prompter.messages.clear();
    } else {
        QCOMPARE(m_f->queue->printed().first().item(QStringLiteral("lblAmount")).text, figures);
        return;
    }
    // Always editable: Backspace takes the decimals off one by one.
    auto *amount = find<QLineEdit>(m_window, "txtAmount");
    amount->setFocus();
    QTest::keyClick(amount, Qt::Key_End);
    for (int i = 0; i < backspaces; ++i)
        QTest::keyClick(amount, Qt::Key_Backspace);
    QCOMPARE(amount->text(), corrected);
    QCOMPARE(shown(m_window, "lblFigures"), figures);
    QCOMPARE(shown(m_window, "lblStatus").isEmpty(), !figures.isEmpty());
    click(m_window, "cmdPrint");
    QCOMPARE(m_f->queue->printed().size(), figures.isEmpty() ? 0 : 1);
    if (!figures.isEmpty())
        QCOMPARE(m_f->queue->printed().first().item(QStringLiteral("lblAmount")).text, figures);
}

void TestChequeEntry::aNumberIsOneLeafHoweverTyped_data()
{
    QTest::addColumn<QString>("typed"); // after 540001 printed
    QTest::addColumn<QString>("said"); // why it is refused; empty: it prints
    QTest::addColumn<QString>("recorded"); // the register's numbers afterwards
    // Refused with the fields kept, and the next number said.
    const QString taken = QStringLiteral("ERR:1305:Cheque number %1 is already in the register for the account "
                                         "\"ACC1\" (printed, dated 06-Dec-2026); nothing was printed. The next number "
                                         "is 540002.");
    row("a trailing blank", "540001 ", taken.arg(QStringLiteral("540001")), "540001");
    row("full-width digits", "５４０００１", taken.arg(QStringLiteral("540001")), "540001");
    row("a leading zero", "0540001", taken.arg(QStringLiteral("0540001")), "540001");
    row("the next leaf, with a blank", " 540002", "", "540001, 540002");
    row("the next leaf, full-width", "５４０００２", "", "540001, 540002");
    row("letters", "54OO02", "The cheque number \"54OO02\" must be digits only", "540001");
}

void TestChequeEntry::aNumberIsOneLeafHoweverTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, said);
    QFETCH(QString, recorded);
    open();
    typeCheque(QStringLiteral("540001"), QStringLiteral("First Payee"), QStringLiteral("100"));
    click(m_window, "cmdPrint");
    QCOMPARE(m_f->queue->jobs.size(), 1);
    // Typed as an input method delivers it, full-width digits included.
    QInputMethodEvent typing;
    typing.setCommitString(typed);
    QApplication::sendEvent(find(m_window, "txtChequeNo"), &typing);
    QCOMPARE(shown(m_window, "txtChequeNo"), typed);
    typeCheque(QString(), QStringLiteral("Second Payee"), QStringLiteral("200"));
    click(m_window, "cmdPrint");
    QCOMPARE(m_f->prompter.texts().join(u'|').left(said.size()), said);
    QCOMPARE(m_f->queue->jobs.size(), said.isEmpty() ? 2 : 1);
    QCOMPARE(shown(m_window, "txtPay"), said.isEmpty() ? QString() : QStringLiteral("Second Payee"));
    // The register holds the number as a person would say it.
    QCOMPARE(m_f->db.joined(QStringLiteral("SELECT ChequeNo FROM Cheque ORDER BY Id")), recorded);
}

QUILLSET_TEST_MAIN(TestChequeEntry, QApplication)
#include "tst_frmCheque.moc"
