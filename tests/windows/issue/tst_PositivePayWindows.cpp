#include "support/CsvReading.h"
#include "support/DataRows.h"
#include "support/TestMain.h"
#include "support/WindowTest.h"

#include "core/layout/Fonts.h"
#include "core/positivepay/PositivePayLayout.h"
#include "core/report/PositivePayExport.h"
#include "store/Store.h"
#include "windows/banks/frmBanks.h"
#include "windows/banks/frmPositivePay.h"
#include "windows/batch/frmBatch.h"
#include "windows/issue/frmCheque.h"
#include "windows/issue/frmRegister.h"

#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTableWidget>

using namespace quillset;
using namespace quillset::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QString example(const QString &name)
{
    return QStringLiteral(QUILLSET_EXAMPLES "/") + name;
}

QString exampleText(const QString &name)
{
    QFile file(example(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A key as the operator presses it, to whatever control has the cursor.
void press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : window, key, modifiers);
}

} // namespace

// Positive Pay through the windows, by keys and clicks on a real database: the register window's
// file, the bank window's settings, and the entry and batch windows' warning before printing.
class TestPositivePayWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void registerWindowWritesTheFile_data();
    void registerWindowWritesTheFile();
    void formBuildsTheLayoutByKeys_data();
    void formBuildsTheLayoutByKeys();
    void bankWindowSetsTheThresholdAndLayout_data();
    void bankWindowSetsTheThresholdAndLayout();
    void entryAndBatchWindowsWarnBeforePrinting_data();
    void entryAndBatchWindowsWarnBeforePrinting();

private:
    qint64 printed(const QString &number, qint64 rupees, const QDate &date) const;
    void setAccount(const QString &layout, std::optional<qint64> from = std::nullopt) const;
    QString target() const { return QDir(m_f->db.folder()).filePath(u"bank.csv"_s); }

    std::unique_ptr<WindowFixture> m_f;
    QList<QPointer<QWidget>> m_windows;
};

void TestPositivePayWindows::initTestCase()
{
    QApplication::setFont(QFont(chequeFontFamily(), 8));
}

void TestPositivePayWindows::init()
{
    m_f = std::make_unique<WindowFixture>();
    QVERIFY(m_f->db.isReady());
    m_f->services.chooseSaveFile = [this](const QString &, const QString &, const QString &) { return target(); };
}

void TestPositivePayWindows::cleanup()
{
    for (const QPointer<QWidget> &window : m_windows)
        delete window;
    m_windows.clear();
    m_f.reset();
}

qint64 TestPositivePayWindows::printed(const QString &number, qint64 rupees, const QDate &date) const
{
    const BankAccountRecord account = *m_f->db.store().accounts().find(u"ACC1"_s);
    const Cheque cheque {u"ACC1"_s, number, u"Payee "_s + number, date, {rupees, account.money}, false, QString()};
    const qint64 id = m_f->db.store().cheques().addPending(cheque, u"test"_s);
    m_f->db.store().cheques().markPrinted(id);
    return id;
}

void TestPositivePayWindows::setAccount(const QString &layout, std::optional<qint64> from) const
{
    const BankAccountRecord read = *m_f->db.store().accounts().find(u"ACC1"_s);
    BankAccountRecord edited = read;
    edited.positivePayLayout = layout;
    edited.limits.positivePayFrom = from;
    m_f->db.store().accounts().update(read, edited);
}

void TestPositivePayWindows::registerWindowWritesTheFile_data()
{
    QTest::addColumn<bool>("layout");
    QTest::addColumn<QString>("typed"); // the range asked for
    QTest::addColumn<bool>("fileChosen");
    QTest::addColumn<QString>("cheques"); // in the file, empty for no file
    QTest::addColumn<QString>("said");
    row("since the last report", true, QString(), true, u"000101 000102 000103"_s, u"3 cheque(s) written to"_s);
    row("a range", true, u"02-12-2026  03-12-2026"_s, true, u"000102 000103"_s, u"2 cheque(s) written to"_s);
    row("one date", true, u"02-12-2026"_s, true, QString(), u"Give two dates"_s);
    row("a date that is none", true, u"02-12-2026 32-12-2026"_s, true, QString(), u"32-12-2026"_s);
    row("no file chosen", true, QString(), false, QString(), QString());
    row("no layout", false, QString(), true, QString(), u"Choose one in the bank window with \"Positive Pay...\""_s);
}

void TestPositivePayWindows::registerWindowWritesTheFile()
{
    QFETCH(bool, layout);
    QFETCH(QString, typed);
    QFETCH(bool, fileChosen);
    QFETCH(QString, cheques);
    QFETCH(QString, said);
    if (layout)
        setAccount(exampleText(u"positive-pay-india.json"_s));
    const qint64 first = printed(u"000101"_s, 60000, QDate(2026, 12, 1));
    printed(u"000102"_s, 70000, QDate(2026, 12, 2));
    printed(u"000103"_s, 80000, QDate(2026, 12, 3));
    if (!fileChosen)
        m_f->services.chooseSaveFile = [](const QString &, const QString &, const QString &) { return QString(); };
    auto *window = new frmRegister(m_f->services, u"ACC1"_s);
    m_windows.append(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    m_f->prompter.textAnswers = {typed};
    QTest::keyClick(window, Qt::Key_Y, Qt::AltModifier);
    // The range is asked only of an account that can write the file.
    QCOMPARE(m_f->prompter.questions.size(), layout ? 1 : 0);
    QCOMPARE(QFile::exists(target()), !cheques.isEmpty());
    const QString told = m_f->prompter.texts().join(u'\n');
    QVERIFY2(said.isEmpty() ? told.isEmpty() : told.contains(said), qPrintable(told));
    if (cheques.isEmpty()) {
        QCOMPARE(m_f->db.store().history().ofCheque(first).last().action, u"printed"_s);
        return;
    }
    QStringList numbers;
    const QList<QStringList> rows = pythonCsvRows(target());
    for (qsizetype i = 1; i < rows.size(); ++i)
        numbers.append(rows.at(i).at(1));
    QCOMPARE(numbers.join(u' '), cheques);
    // The history the window shows for the cheque names the file's hash.
    QFile file(target());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString hash
        = QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
    auto *table = find<QTableWidget>(window, "tblCheques");
    table->selectRow(0);
    QVERIFY2(shown(window, "lblHistory").contains(hash), qPrintable(shown(window, "lblHistory")));
}

void TestPositivePayWindows::formBuildsTheLayoutByKeys_data()
{
    QTest::addColumn<bool>("header");
    QTest::addColumn<bool>("twice"); // the last column made a second cheque number
    QTest::addColumn<QString>("dateFormat"); // typed, or empty to choose MM/dd/yyyy from the list
    QTest::addColumn<QString>("refused"); // what the window says, empty when saved
    QTest::addColumn<QString>("cursor"); // where the cursor is put after a refusal
    row("built, with a header", true, false, QString(), QString(), QString());
    row("built, no header", false, false, QString(), QString(), QString());
    row("a field twice", true, true, QString(), u"\"Cheque Number\" is in the layout twice"_s, u"cboField"_s);
    row("a two-digit year", true, false, u"dd.MM.yy"_s, u"four-digit year"_s, u"cboDateFormat"_s);
}

void TestPositivePayWindows::formBuildsTheLayoutByKeys()
{
    QFETCH(bool, header);
    QFETCH(bool, twice);
    QFETCH(QString, dateFormat);
    QFETCH(QString, refused);
    QFETCH(QString, cursor);
    printed(u"000101"_s, 1234, QDate(2026, 12, 1)); // whole rupees, as the account is
    auto *window = new frmPositivePay(m_f->services, u"ACC1"_s);
    m_windows.append(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto *columns = find<QTableWidget>(window, "tblColumns");
    QVERIFY(columns);
    QCOMPARE(columns->rowCount(), 0); // an account without a layout starts with none
    const auto title = [&](const QString &text) {
        press(window, Qt::Key_T, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), text);
    };
    // Each new column takes the first field not yet in, account number; the cursor is then in the
    // list of fields, in their order: account, cheque, date, amount, payee, status, reference.
    const auto add = [&](std::initializer_list<Qt::Key> keys) {
        press(window, Qt::Key_A, Qt::AltModifier);
        for (const Qt::Key key : keys)
            press(window, key);
    };
    add({Qt::Key_Down});
    title(u"Check No"_s);
    add({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down});
    add({Qt::Key_End, Qt::Key_Up, Qt::Key_Up});
    title(u"Payee Name"_s);
    if (twice)
        add({Qt::Key_Down});
    else
        add({Qt::Key_Down, Qt::Key_Down});
    press(window, Qt::Key_U, Qt::AltModifier); // above the payee
    add({}); // not wanted after all
    press(window, Qt::Key_M, Qt::AltModifier);
    press(window, Qt::Key_E, Qt::AltModifier);
    if (dateFormat.isEmpty()) {
        press(window, Qt::Key_Down);
        press(window, Qt::Key_Down);
    } else {
        QTest::keyClicks(QApplication::focusWidget(), dateFormat);
    }
    press(window, Qt::Key_P, Qt::AltModifier);
    press(window, Qt::Key_Down); // a semicolon
    if (!header)
        press(window, Qt::Key_H, Qt::AltModifier);
    const QString sample = shown(window, "lblSample").section(u'\n', 0, 0);
    press(window, Qt::Key_S, Qt::AltModifier);
    const QString told = m_f->prompter.texts().join(u'\n');
    if (!refused.isEmpty()) {
        QVERIFY2(told.contains(refused), qPrintable(told));
        QWidget *control = find(window, cursor.toLatin1().constData());
        QVERIFY(control == QApplication::focusWidget() || control->isAncestorOf(QApplication::focusWidget()));
        if (twice) // the second of the two
            QCOMPARE(columns->currentRow(), 2);
        QVERIFY(m_f->db.store().accounts().find(u"ACC1"_s)->positivePayLayout.isEmpty());
        return;
    }
    QVERIFY2(told.isEmpty(), qPrintable(told));
    const QStringList titles {u"Check No"_s, u"Amount"_s, u"Cheque Date"_s, u"Payee Name"_s};
    // The sample is the file's own writing, for a cheque of its own.
    QCOMPARE(sample, header ? titles.join(u';') : u"000123;123456;12/06/2026;ABC Traders"_s);
    exportPositivePay(m_f->db.store(), u"ACC1"_s, {}, target());
    QList<QStringList> rows {titles, {u"000101"_s, u"1234"_s, u"12/01/2026"_s, u"Payee 000101"_s}};
    if (!header)
        rows.removeFirst();
    QCOMPARE(pythonCsvRows(target(), u';'), rows);
}

void TestPositivePayWindows::bankWindowSetsTheThresholdAndLayout_data()
{
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<QString>("imported"); // a file Import offers, empty for none
    QTest::addColumn<QString>("refused"); // what the window says, empty when saved
    row("the US example from 5,00,000", u"500000"_s, example(u"positive-pay-us.json"_s), QString());
    row("no threshold", QString(), example(u"positive-pay-india.json"_s), QString());
    row("a grouped threshold", u"5,00,000"_s, example(u"positive-pay-india.json"_s), u"whole amount of 1 or more"_s);
    row("a file that is no layout", u"500000"_s, u"Pay,Amount\nA,1\n"_s, u"not a JSON object"_s);
}

void TestPositivePayWindows::bankWindowSetsTheThresholdAndLayout()
{
    QFETCH(QString, threshold);
    QFETCH(QString, imported);
    QFETCH(QString, refused);
    // Text that names no example is the content of a file of its own.
    if (!QFile::exists(imported)) {
        QFile file(QDir(m_f->db.folder()).filePath(u"other.json"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(imported.toUtf8()) > 0);
        imported = file.fileName();
    }
    m_f->services.chooseOpenFile = [&](const QString &, const QString &) { return imported; };
    auto *banks = new frmBanks(m_f->services);
    m_windows.append(banks);
    banks->show();
    QVERIFY(QTest::qWaitForWindowActive(banks));
    QTest::keyClick(banks, Qt::Key_Y, Qt::AltModifier);
    auto *settings = banks->findChild<frmPositivePay *>();
    QVERIFY(settings);
    QVERIFY(QTest::qWaitForWindowActive(settings));
    settings->activateWindow();
    QTRY_VERIFY(settings->isActiveWindow());
    QTest::keyClick(settings, Qt::Key_I, Qt::AltModifier);
    retype(settings, "txtThreshold", threshold);
    QTest::keyClick(settings, Qt::Key_S, Qt::AltModifier);
    const BankAccountRecord stored = *m_f->db.store().accounts().find(u"ACC1"_s);
    const QString told = m_f->prompter.texts().join(u'\n');
    if (!refused.isEmpty()) {
        QVERIFY2(told.contains(refused), qPrintable(told));
        QVERIFY(stored.positivePayLayout.isEmpty()); // neither loaded nor saved
        return;
    }
    QVERIFY2(told.isEmpty(), qPrintable(told));
    QCOMPARE(stored.limits.positivePayFrom,
             threshold.isEmpty() ? std::nullopt : std::optional<qint64>(threshold.toLongLong()));
    const std::optional<PositivePayLayout> file
        = readPositivePayLayout(exampleText(QFileInfo(imported).fileName()).toUtf8()).layout;
    QCOMPARE(readPositivePayLayout(stored.positivePayLayout.toUtf8()).layout, file);
    // Opened again, the form shows what was saved, and saving it again changes nothing.
    QTRY_VERIFY(!banks->findChild<frmPositivePay *>()); // the first one gone
    banks->activateWindow();
    QTRY_VERIFY(banks->isActiveWindow());
    QTest::keyClick(banks, Qt::Key_Y, Qt::AltModifier);
    settings = banks->findChild<frmPositivePay *>();
    QVERIFY(settings && QTest::qWaitForWindowExposed(settings));
    QVERIFY(find<QTableWidget>(settings, "tblColumns"));
    QCOMPARE(find<QTableWidget>(settings, "tblColumns")->rowCount(), file->columns.size());
    QVERIFY(settings->save());
    QCOMPARE(m_f->db.store().accounts().find(u"ACC1"_s)->positivePayLayout, stored.positivePayLayout);
    settings->close();
    // The bank window's own Save afterwards keeps what was set there.
    QTest::keyClick(banks, Qt::Key_E, Qt::AltModifier);
    QTest::keyClick(banks, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(m_f->db.store().accounts().find(u"ACC1"_s)->positivePayLayout, stored.positivePayLayout);
}

void TestPositivePayWindows::entryAndBatchWindowsWarnBeforePrinting_data()
{
    QTest::addColumn<bool>("batch"); // else the entry window
    QTest::addColumn<bool>("reported");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("jobs");
    for (const bool batch : {false, true}) {
        const QByteArray where = batch ? "batch: " : "entry: ";
        row(QByteArray(where + "printed despite the warning").constData(), batch, false, true, 1);
        row(QByteArray(where + "stopped at the warning").constData(), batch, false, false, 0);
        row(QByteArray(where + "reported, no warning").constData(), batch, true, false, 1);
    }
}

void TestPositivePayWindows::entryAndBatchWindowsWarnBeforePrinting()
{
    QFETCH(bool, batch);
    QFETCH(bool, reported);
    QFETCH(bool, answer);
    QFETCH(int, jobs);
    setAccount(exampleText(u"positive-pay-india.json"_s), 50000);
    printed(u"000101"_s, 50000, QDate(2026, 12, 5));
    printed(u"000102"_s, 49999, QDate(2026, 12, 5));
    if (reported)
        exportPositivePay(m_f->db.store(), u"ACC1"_s, {}, target());
    auto *entry = new frmCheque(m_f->services);
    m_windows.append(entry);
    entry->show();
    QVERIFY(QTest::qWaitForWindowActive(entry));
    m_f->prompter.answers = {answer};
    if (batch) {
        click(entry, "cmdBatch");
        auto *window = entry->findChild<frmBatch *>();
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        window->loadBatch("Pay,Amount,Date,Cheque\nA,1,06-Dec-2026,000201\n", u"run.csv"_s);
        QCOMPARE(shown(window, "lblBatchSummary").contains(u"000101 of 05-12-2026"_s), !reported);
        click(window, "cmdPrintBatch");
    } else {
        QTest::keyClicks(find<QLineEdit>(entry, "txtChequeNo"), u"000201"_s);
        QTest::keyClicks(find<QLineEdit>(entry, "txtPay"), u"A Payee"_s);
        QTest::keyClicks(find<QLineEdit>(entry, "txtAmount"), u"1"_s);
        QTest::keyClick(entry, Qt::Key_P, Qt::AltModifier);
    }
    QCOMPARE(m_f->prompter.questions.size(), reported ? 0 : 1);
    if (!reported) {
        const QString question = m_f->prompter.questions.first();
        QVERIFY2(question.contains(u"000101 of 05-12-2026"_s) && question.contains(u"not been reported to the bank"_s)
                     && !question.contains(u"000102"_s),
                 qPrintable(question));
    }
    QCOMPARE(m_f->queue->jobs.size(), jobs);
}

QUILLSET_TEST_MAIN(TestPositivePayWindows, QApplication)

#include "tst_PositivePayWindows.moc"
