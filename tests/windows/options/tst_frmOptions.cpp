#include "support/DataRows.h"
#include "support/TestMain.h"
#include "support/WindowTest.h"

#include "store/DataSource.h"
#include "store/Store.h"
#include "windows/issue/frmCheque.h"
#include "windows/options/frmOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace quillset;
using namespace quillset::test;

// Drives the real options window against a real database.
class TestOptions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadsAndStoresEveryControl();
    void leavingWithoutOkWritesNothing_data();
    void leavingWithoutOkWritesNothing();
    void unreadableSettingsOpenAsDefaults_data();
    void unreadableSettingsOpenAsDefaults();
    void calibrationShowsWhatThePlacementUses();
    void lockedDatabaseOffersNothingToStore();
    void changedElsewhereIsShownNotOverwritten_data();
    void changedElsewhereIsShownNotOverwritten();
    void calibrationIsKeptPerPrinter();
    void onlyTypedOffsetsAreWritten_data();
    void onlyTypedOffsetsAreWritten();
    void calibrationSheetFromTheWindow();
    void datesAreChosenByKeysAndCheckedInPlainWords_data();
    void datesAreChosenByKeysAndCheckedInPlainWords();
    void dailyBackupIsSetByKeysAndChecked_data();
    void dailyBackupIsSetByKeysAndChecked();

private:
    void open();
    bool checked(const char *name) const { return find<QAbstractButton>(m_window, name)->isChecked(); }
    QString stored() const;
    /// The office's date settings: order, stale months and window months.
    QString storedDates() const
    {
        return m_f->db.joined(QStringLiteral("SELECT Value FROM sys_parms WHERE Description IN ('DateOrder', "
                                             "'StaleMonths', 'DateWindowMonths') ORDER BY Description <> "
                                             "'DateOrder', Description <> 'StaleMonths'"));
    }
    /// With the keyboard alone: chooses whose calibration is shown, and types `left` into its Left box
    /// unless it is null.
    void showAndType(const QString &printer, const QString &left);

    std::unique_ptr<WindowFixture> m_f;
    QPointer<frmOptions> m_window;
};

void TestOptions::init()
{
    m_f = std::make_unique<WindowFixture>();
    QVERIFY(m_f->db.isReady());
}

void TestOptions::cleanup()
{
    delete m_window;
    m_f.reset();
}

void TestOptions::open()
{
    m_window = new frmOptions(m_f->services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

QString TestOptions::stored() const
{
    return m_f->db
        .scalar(QStringLiteral("SELECT group_concat(Value, '|') FROM (SELECT Value FROM sys_parms WHERE "
                               "Description NOT IN ('PrintTimeout', 'LowLeaves', 'DateOrder', 'StaleMonths', "
                               "'DateWindowMonths') "
                               "ORDER BY CASE Description WHEN 'Orientation' THEN 1 WHEN "
                               "'CequePosition' THEN 2 WHEN 'CompanyName' THEN 3 WHEN 'CBLeft' THEN 4 "
                               "WHEN 'CBTop' THEN 5 ELSE 6 END)"))
        .toString();
}

void TestOptions::loadsAndStoresEveryControl()
{
    // With no printer at all, the calibration is the office's, as it always was.
    m_f->queue->installed = false;
    m_f->db.exec(
        QStringLiteral("UPDATE sys_parms SET Value = CASE Description WHEN 'Orientation' THEN '2' "
                       "WHEN 'CequePosition' THEN '6' WHEN 'CompanyName' THEN 'Dealer''s Co.' "
                       "WHEN 'CBLeft' THEN '0.5' WHEN 'CBTop' THEN '-1' WHEN 'Stamp' THEN '0' ELSE Value END"));
    open();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("System Options"));
    QVERIFY(checked("opOrientation_1") && checked("opPosition_6") && !checked("chkStamp"));
    QCOMPARE(find<QRadioButton>(m_window, "opPosition_6")->text(), QStringLiteral("Center Botom"));
    QCOMPARE(shown(m_window, "txtCompanyName") + u'|' + shown(m_window, "txtCBL") + u'|' + shown(m_window, "txtCBT"),
             QStringLiteral("Dealer's Co.|0.5|-1"));
    QVERIFY(m_f->prompter.messages.isEmpty());

    click(m_window, "opOrientation_0");
    click(m_window, "opPosition_3");
    QVERIFY(!checked("opPosition_6"));
    retype(m_window, "txtCompanyName", QStringLiteral("O'Neil & Sons"));
    retype(m_window, "txtCBL", QStringLiteral("1,5")); // stored as typed
    find<QCheckBox>(m_window, "chkStamp")->setChecked(true);
    click(m_window, "cmdSave");
    QCOMPARE(stored(), QStringLiteral("1|3|O'Neil & Sons|1,5|-1|1"));
    QVERIFY(!m_window || !m_window->isVisible());

    // A ticked stamp starts the next cheque ticked.
    frmCheque entry(m_f->services);
    QVERIFY(find<QCheckBox>(&entry, "chkStamp")->isChecked());
}

void TestOptions::leavingWithoutOkWritesNothing_data()
{
    QTest::addColumn<QString>("leave"); // Cancel, the close box, or Escape
    QTest::addColumn<bool>("answer"); // to a question, if one is asked
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("open");
    // Every control is changed first.
    row("Cancel", "Cancel", true, false, false);
    row("close box", "close box", true, false, false);
    row("Escape: asks, and thrown away", "Escape", true, true, false);
    row("Escape: asks, and kept", "Escape", false, true, true);
}

void TestOptions::leavingWithoutOkWritesNothing()
{
    QFETCH(QString, leave);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, open);
    const QString before = stored();
    this->open();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    click(m_window, "opOrientation_1");
    click(m_window, "opPosition_5");
    find<QCheckBox>(m_window, "chkStamp")->setChecked(false);
    for (const char *box : {"txtCBL", "txtCBT", "txtCompanyName"})
        retype(m_window, box, QStringLiteral("9"));
    m_f->prompter.answers = {answer};
    if (leave == QLatin1String("Cancel"))
        click(m_window, "cmdExit");
    else if (leave == QLatin1String("close box"))
        m_window->close();
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

    QCOMPARE(m_f->prompter.questions.size(), asked ? 1 : 0);
    QTRY_COMPARE(m_window && m_window->isVisible(), open);
    if (open)
        QCOMPARE(shown(m_window, "txtCompanyName"), QStringLiteral("9"));
    QCOMPARE(stored(), before);
}

void TestOptions::unreadableSettingsOpenAsDefaults_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("saved"); // what OK stores afterwards
    QTest::addColumn<QString>("cursor"); // the control the cursor is put in after the message
    const char *defaults = "1|0|Sample Traders Pvt. Ltd.|0|0|1";
    row("position off the page", "UPDATE sys_parms SET Value = '9' WHERE Description = 'CequePosition'",
        "\"CequePosition\" holds \"9\"", defaults, "opPosition_0");
    row("orientation in words", "UPDATE sys_parms SET Value = 'wide' WHERE Description = 'Orientation'",
        "\"Orientation\" holds \"wide\"", defaults, "opOrientation_0");
    row("stamp not a number", "UPDATE sys_parms SET Value = 'yes' WHERE Description = 'Stamp'",
        "\"Stamp\" holds \"yes\"", "1|0|Sample Traders Pvt. Ltd.|0|0|0", "chkStamp");
    row("missing row", "DELETE FROM sys_parms WHERE Description = 'CBTop'", "\"CBTop\" is missing", defaults, "txtCBT");
    row("an order of dates unknown", "UPDATE sys_parms SET Value = 'DDMM' WHERE Description = 'DateOrder'",
        "\"DateOrder\" holds \"DDMM\"", defaults, "cmbDateOrder");
    row("months in words", "UPDATE sys_parms SET Value = 'three' WHERE Description = 'StaleMonths'",
        "\"StaleMonths\" holds \"three\"", defaults, "txtStaleMonths");
}

void TestOptions::unreadableSettingsOpenAsDefaults()
{
    QFETCH(QString, setUp);
    QFETCH(QString, named);
    QFETCH(QString, saved);
    QFETCH(QString, cursor);
    m_f->db.exec(setUp);
    open();
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().contains(named), qPrintable(m_f->prompter.texts().first()));
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), find(m_window, qPrintable(cursor)));
    click(m_window, "cmdSave");
    QCOMPARE(stored(), saved);
    QCOMPARE(storedDates(), QStringLiteral("DMY, 3, 12")); // the defaults shown, stored
}

void TestOptions::calibrationShowsWhatThePlacementUses()
{
    open();
    QStringList hints;
    for (const QString &typed :
         {QStringLiteral("0"), QStringLiteral("abc"), QStringLiteral("1.5cm"), QStringLiteral("-0.25")}) {
        retype(m_window, "txtCBL", typed);
        hints.append(shown(m_window, "lblCBLInUse"));
    }
    QCOMPARE(hints, QStringList({QString(), QStringLiteral("= 0 cm"), QStringLiteral("= 1.5 cm"), QString()}));
}

void TestOptions::lockedDatabaseOffersNothingToStore()
{
    m_f->db.exec(QStringLiteral("UPDATE sys_parms SET Value = '0.4' WHERE Description = 'CBLeft'"));
    const QString before = stored();
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("otherProgram"));
        other.setDatabaseName(m_f->db.path());
        QVERIFY(other.open());
        QSqlQuery lock(other);
        QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        open();
        QCOMPARE(m_f->prompter.messages.size(), 1);
        QVERIFY2(m_f->prompter.texts().first().contains(QStringLiteral("could not be read, so nothing can be changed"))
                     && !m_f->prompter.texts().first().contains(QStringLiteral("missing")),
                 qPrintable(m_f->prompter.texts().first()));
        QVERIFY(!find(m_window, "cmdSave")->isEnabled() && !find(m_window, "txtCBL")->isEnabled());
        QVERIFY(find(m_window, "cmdExit")->isEnabled());
        click(m_window, "cmdSave"); // does nothing
        click(m_window, "cmdExit");
        lock.exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("otherProgram"));
    QCOMPARE(stored(), before);
}

void TestOptions::changedElsewhereIsShownNotOverwritten_data()
{
    QTest::addColumn<QString>("elsewhere"); // the setting another workstation changes meanwhile
    QTest::addColumn<bool>("saved"); // whether this window's change of the Left offset is saved at once
    // Only what was typed here is written, so a change elsewhere to another setting stays beside it.
    QTest::newRow("another setting") << Parameter::CompanyName << true;
    QTest::newRow("the same setting") << Parameter::CalibrationLeft << false;
}

void TestOptions::changedElsewhereIsShownNotOverwritten()
{
    QFETCH(QString, elsewhere);
    QFETCH(bool, saved);
    m_f->queue->installed = false;
    open();
    // Another workstation (another store on the same database) changes a setting meanwhile.
    {
        const std::unique_ptr<Store> other = Store::OpenDatabase(m_f->db.path(), OdbcInstaller::none());
        other->parameters().SetSystemParameter(elsewhere, QStringLiteral("7"));
    }
    const QString before = stored();
    QTest::keyClicks(find(m_window, "txtCBL"), QStringLiteral("5"));
    click(m_window, "cmdSave");
    const QString left = m_f->db.store().parameters().GetSystemParameter(Parameter::CalibrationLeft);
    if (saved) {
        QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'|')));
        QCOMPARE(left, QStringLiteral("05"));
        QCOMPARE(m_f->db.store().parameters().GetSystemParameter(elsewhere), QStringLiteral("7"));
        return;
    }
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().contains(QStringLiteral("changed elsewhere")),
             qPrintable(m_f->prompter.texts().first()));
    QCOMPARE(stored(), before);
    QVERIFY(m_window->isVisible());
    QCOMPARE(find<QLineEdit>(m_window, "txtCBL")->text(), QStringLiteral("7"));
    // Shown as they are now, the settings save at the next OK.
    QTest::keyClicks(find(m_window, "txtCBL"), QStringLiteral("5"));
    click(m_window, "cmdSave");
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QCOMPARE(m_f->db.store().parameters().GetSystemParameter(Parameter::CalibrationLeft), QStringLiteral("75"));
}

void TestOptions::calibrationIsKeptPerPrinter()
{
    m_f->queue->otherQueues = {QStringLiteral("Back_Office")};
    m_f->db.store().calibrations().set({QStringLiteral("Back_Office"), QStringLiteral("0.2"), QStringLiteral("0.1")});
    open();
    auto *printers = find<QComboBox>(m_window, "cmbPrinter");
    QCOMPARE(printers->count(), 3);
    QCOMPARE(printers->currentText(), QStringLiteral("TestQueue (default printer)"));
    QVERIFY2(shown(m_window, "lblPrinterNote").contains(QStringLiteral("No calibration of its own")),
             qPrintable(shown(m_window, "lblPrinterNote")));
    QCOMPARE(shown(m_window, "txtCBL") + u'|' + shown(m_window, "txtCBT"), QStringLiteral("0|0"));

    // The default printer gets its own; the other keeps its own; the office's changes for the rest.
    retype(m_window, "txtCBL", QStringLiteral("0.3"));
    retype(m_window, "txtCBT", QStringLiteral("-0.2"));
    printers->setCurrentIndex(1);
    QCOMPARE(shown(m_window, "txtCBL") + u'|' + shown(m_window, "txtCBT"), QStringLiteral("0.2|0.1"));
    QCOMPARE(shown(m_window, "lblPrinterNote"), QStringLiteral("This printer's own calibration."));
    printers->setCurrentIndex(2);
    QCOMPARE(shown(m_window, "txtCBL"), QStringLiteral("0"));
    retype(m_window, "txtCBL", QStringLiteral("0.1"));
    printers->setCurrentIndex(0);
    QCOMPARE(shown(m_window, "txtCBL") + u'|' + shown(m_window, "txtCBT"), QStringLiteral("0.3|-0.2"));
    click(m_window, "cmdSave");

    QCOMPARE(m_f->db.joined(QStringLiteral(
                 "SELECT QueueName || '=' || CBLeft || ',' || CBTop FROM PrinterCalibration ORDER BY QueueName")),
             QStringLiteral("Back_Office=0.2,0.1, TestQueue=0.3,-0.2"));
    QCOMPARE(m_f->db.store().parameters().GetSystemParameter(Parameter::CalibrationLeft), QStringLiteral("0.1"));
    QCOMPARE(m_f->db.store().parameters().GetSystemParameter(Parameter::CalibrationTop), QStringLiteral("0"));
}

void TestOptions::showAndType(const QString &printer, const QString &left)
{
    QTest::keyClick(m_window, Qt::Key_F, Qt::AltModifier); // "Calibration &for"
    auto *printers = find<QComboBox>(m_window, "cmbPrinter");
    QCOMPARE(QApplication::focusWidget(), printers);
    QTest::keyClick(printers, Qt::Key_Home);
    for (int down = 0; down < printers->count() && printers->currentData().toString() != printer; ++down)
        QTest::keyClick(printers, Qt::Key_Down);
    QCOMPARE(printers->currentData().toString(), printer);
    if (left.isNull())
        return;
    // Back through the stamp, the company name, the page position and Top to Left.
    for (int back = 0; back < 5; ++back)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), find(m_window, "txtCBL"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), left);
}

void TestOptions::onlyTypedOffsetsAreWritten_data()
{
    QTest::addColumn<QString>("steps"); // printer (empty: the office's) and what is typed into Left, if anything
    QTest::addColumn<QString>("own"); // the printers' own calibrations afterwards
    QTest::addColumn<QString>("office"); // the office's Left and Top afterwards
    // Every window opens on the default printer, which has none of its own; Back_Office has its own.
    const char *backOffice = "Back_Office=0.2,0.1";
    row("the office's changed", "=0.4", backOffice, "0.4|0.5");
    row("printers only looked at", "Back_Office TestQueue =-0.3", backOffice, "-0.3|0.5");
    row("the office's typed back as it was", "=9 =0.1", backOffice, "0.1|0.5");
    row("a printer given its own", "=0.4 TestQueue=0.7", "Back_Office=0.2,0.1, TestQueue=0.7,0.5", "0.4|0.5");
    row("a printer's own changed", "Back_Office=0.6", "Back_Office=0.6,0.1", "0.1|0.5");
}

void TestOptions::onlyTypedOffsetsAreWritten()
{
    QFETCH(QString, steps);
    QFETCH(QString, own);
    QFETCH(QString, office);
    m_f->queue->otherQueues = {QStringLiteral("Back_Office")};
    m_f->db.store().calibrations().set({QStringLiteral("Back_Office"), QStringLiteral("0.2"), QStringLiteral("0.1")});
    m_f->db.exec(QStringLiteral("UPDATE sys_parms SET Value = CASE Description WHEN 'CBLeft' THEN '0.1' ELSE '0.5' "
                                "END WHERE Description IN ('CBLeft', 'CBTop')"));
    open();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    for (const QString &step : steps.split(u' ')) {
        const qsizetype equals = step.indexOf(u'=');
        showAndType(step.left(equals), equals < 0 ? QString() : step.mid(equals + 1));
    }
    // OK, by the keyboard as well.
    for (int tab = 0; tab < 20 && QApplication::focusWidget() != find(m_window, "cmdSave"); ++tab)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'|')));
    QCOMPARE(m_f->db.joined(QStringLiteral(
                 "SELECT QueueName || '=' || CBLeft || ',' || CBTop FROM PrinterCalibration ORDER BY QueueName")),
             own);
    QCOMPARE(m_f->db
                 .scalar(QStringLiteral("SELECT group_concat(Value, '|') FROM (SELECT Value FROM sys_parms WHERE "
                                        "Description IN ('CBLeft', 'CBTop') ORDER BY Description)"))
                 .toString(),
             office);
}

void TestOptions::calibrationSheetFromTheWindow()
{
    const QString pdf = m_f->db.folder() + QStringLiteral("/sheet.pdf");
    m_f->services.chooseSaveFile = [&](const QString &, const QString &, const QString &) { return pdf; };
    open();
    QCOMPARE(find<QComboBox>(m_window, "cmbSheetAccount")->currentText(), QStringLiteral("ACC1"));
    click(m_window, "cmdSheetPdf");
    QVERIFY(QFile::exists(pdf));
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().contains(QStringLiteral("which the default printer \"TestQueue\" uses")),
             qPrintable(m_f->prompter.texts().first()));
    click(m_window, "cmdSheetPrint");
    QCOMPARE(m_f->queue->jobs.size(), 1);
    QCOMPARE(m_f->queue->jobs.first().title, QStringLiteral("Quillset calibration sheet"));
    // Nothing of a sheet is recorded.
    QCOMPARE(registerRows(m_f->db), 0);
}

void TestOptions::datesAreChosenByKeysAndCheckedInPlainWords_data()
{
    QTest::addColumn<int>("down"); // Down keys in the list of orders, from day first
    QTest::addColumn<QString>("stale");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("said"); // part of the refusal; empty when it is saved
    QTest::addColumn<QString>("box"); // where the cursor is put after the refusal
    row("month first, 6 and 24 months", 1, "6", "24", "", "");
    row("year first", 2, "3", "12", "", "");
    row("no months", 1, "0", "12", "give a whole number of months from 1 to 24", "txtStaleMonths");
    row("months in words", 0, "three", "12", "\"three\" cannot be the months after which a cheque is asked about",
        "txtStaleMonths");
    row("a fraction of a month", 0, "3", "1.5", "\"1.5\" cannot be the months beyond which a date is refused",
        "txtDateWindow");
    row("ten years and more", 0, "3", "121", "from 1 to 120", "txtDateWindow");
    row("a window shorter than the validity", 1, "6", "4",
        "Dates more than 4 months away are refused, so a cheque older than 6 months could never be asked about",
        "txtDateWindow");
}

void TestOptions::datesAreChosenByKeysAndCheckedInPlainWords()
{
    QFETCH(int, down);
    QFETCH(QString, stale);
    QFETCH(QString, window);
    QFETCH(QString, said);
    QFETCH(QString, box);
    open();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(storedDates(), QStringLiteral("DMY, 3, 12"));
    // Every word of the strip is in sight: each caption as wide as its words, inside the window.
    for (const QLabel *label : find(m_window, "Frame7")->findChildren<QLabel *>())
        QVERIFY2(label->width() >= label->sizeHint().width()
                     && m_window->rect().contains(QRect(label->mapTo(m_window, QPoint()), label->size())),
                 qPrintable(label->text()));
    QTest::keyClick(m_window, Qt::Key_W, Qt::AltModifier); // "Dates &written"
    auto *order = find<QComboBox>(m_window, "cmbDateOrder");
    QCOMPARE(QApplication::focusWidget(), order);
    QCOMPARE(order->currentText(), QStringLiteral("Day first: 25/12/2026"));
    for (int key = 0; key < down; ++key)
        QTest::keyClick(order, Qt::Key_Down);
    const QString chosen = order->currentText();
    for (const QString &typed : {stale, window}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), typed);
    }
    QCOMPARE(shown(m_window, "txtStaleMonths") + u'|' + shown(m_window, "txtDateWindow"), stale + u'|' + window);
    // On through the daily backup's folder, its Browse and its days, to OK.
    for (const char *next : {"txtBackupFolder", "cmdBackupFolder", "txtBackupDays", "cmdSave"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), find(m_window, next));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    if (!said.isEmpty()) {
        // Said in words, the cursor in the box at fault, and nothing stored.
        QCOMPARE(m_f->prompter.messages.size(), 1);
        QVERIFY2(m_f->prompter.texts().first().contains(said), qPrintable(m_f->prompter.texts().first()));
        QCOMPARE(QApplication::focusWidget(), find(m_window, qPrintable(box)));
        QVERIFY(m_window->isVisible());
        QCOMPARE(storedDates(), QStringLiteral("DMY, 3, 12"));
        return;
    }
    QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'|')));
    QCOMPARE(storedDates(),
             QStringList({chosen.left(1) == u'M' ? QStringLiteral("MDY") : QStringLiteral("YMD"), stale, window})
                 .join(QStringLiteral(", ")));
    // Opened again, the window shows what was stored.
    QTRY_VERIFY(!m_window);
    open();
    QCOMPARE(find<QComboBox>(m_window, "cmbDateOrder")->currentText(), chosen);
    QCOMPARE(shown(m_window, "txtStaleMonths") + u'|' + shown(m_window, "txtDateWindow"), stale + u'|' + window);
}

void TestOptions::dailyBackupIsSetByKeysAndChecked_data()
{
    QTest::addColumn<QString>("folder"); // "browse" chooses the test's folder by Browse; else typed
    QTest::addColumn<QString>("days"); // typed; empty leaves the box as it is
    QTest::addColumn<QString>("said"); // part of the refusal; empty when it is saved
    QTest::addColumn<QString>("box"); // where the cursor is put after the refusal
    row("chosen by Browse, kept a week", "browse", "7", "", "");
    row("left as it was", "", "", "", "");
    row("a folder that is not there", "/no/such/folder", "", "The backup folder \"/no/such/folder\" does not exist",
        "txtBackupFolder");
    row("no days", "browse", "0", "\"0\" cannot be the days each backup is kept", "txtBackupDays");
    row("a week in words", "browse", "a week", "give a whole number of days from 1 to 3650", "txtBackupDays");
}

void TestOptions::dailyBackupIsSetByKeysAndChecked()
{
    QFETCH(QString, folder);
    QFETCH(QString, days);
    QFETCH(QString, said);
    QFETCH(QString, box);
    const QString backups = m_f->db.folder() + QStringLiteral("/backups");
    QVERIFY(QDir().mkpath(backups));
    QFile(backups + QStringLiteral("/Records-2026-12-05.mdb")).open(QIODevice::WriteOnly);
    QString asked;
    m_f->services.chooseFolder = [&](const QString &caption, const QString &) {
        asked = caption;
        return backups;
    };
    const auto storedBackup = [this] {
        return m_f->db.joined(QStringLiteral("SELECT Description || '=' || Value FROM sys_parms WHERE Description "
                                             "LIKE 'Backup%' ORDER BY Description"));
    };
    open();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    // A register from before the daily backup opens without a word, the backup off.
    QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'|')));
    QCOMPARE(shown(m_window, "txtBackupFolder") + u'|' + shown(m_window, "txtBackupDays"), QStringLiteral("|14"));
    for (const QLabel *label : find(m_window, "Frame8")->findChildren<QLabel *>())
        QVERIFY2(label->width() >= label->sizeHint().width() || label->wordWrap(), qPrintable(label->text()));

    if (folder == QLatin1String("browse")) {
        QTest::keyClick(m_window, Qt::Key_B, Qt::AltModifier); // "&Browse..."
        QCOMPARE(asked, QStringLiteral("Folder for the daily backup"));
        QCOMPARE(shown(m_window, "txtBackupFolder"), QDir::toNativeSeparators(backups));
        QVERIFY2(find<QLabel>(m_window, "lblBackupNote")->text().contains(QStringLiteral("Records-2026-12-05.mdb")),
                 qPrintable(find<QLabel>(m_window, "lblBackupNote")->text()));
    } else if (!folder.isEmpty()) {
        QTest::keyClick(m_window, Qt::Key_I, Qt::AltModifier); // "Back up each day &into"
        QCOMPARE(QApplication::focusWidget(), find(m_window, "txtBackupFolder"));
        QTest::keyClicks(QApplication::focusWidget(), folder);
    }
    if (!days.isEmpty()) {
        QTest::keyClick(m_window, Qt::Key_K, Qt::AltModifier); // "&Keep each backup for"
        QCOMPARE(QApplication::focusWidget(), find(m_window, "txtBackupDays"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), days);
    }
    click(m_window, "cmdSave");
    if (!said.isEmpty()) {
        QCOMPARE(m_f->prompter.messages.size(), 1);
        QVERIFY2(m_f->prompter.texts().first().contains(said), qPrintable(m_f->prompter.texts().first()));
        QCOMPARE(QApplication::focusWidget(), find(m_window, qPrintable(box)));
        QVERIFY(m_window->isVisible());
        QCOMPARE(storedBackup(), QString());
        return;
    }
    QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'|')));
    // Nothing chosen, nothing written: the backup stays off without a row of its own.
    QCOMPARE(storedBackup(),
             folder.isEmpty() ? QString() : QStringLiteral("BackupDays=%1, BackupFolder=%2").arg(days, backups));
}

QUILLSET_TEST_MAIN(TestOptions, QApplication)
#include "tst_frmOptions.moc"
