#include "support/DataRows.h"
#include "support/TestMain.h"
#include "support/WindowTest.h"

#include "core/base/Failure.h"
#include "store/DataSource.h"
#include "store/DatabaseLocation.h"
#include "store/SystemParameters.h"
#include "windows/issue/frmCheque.h"
#include "windows/layout/MDIForm1.h"
#include "windows/shell/frmMain.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSqlDatabase>

using namespace quillset;
using namespace quillset::test;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensCentredWithItsFiveCommands();
    void workingWindowsTakeTheMainWindowsPlace_data();
    void workingWindowsTakeTheMainWindowsPlace();
    void exitClosesEveryWindowAndTheDatabase_data();
    void exitClosesEveryWindowAndTheDatabase();
    void missingDatabaseLeavesNothingOpen();
    void pendingChequesAreSaidAtStart();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void dailyBackupIsWrittenAsideAndFailuresSaid_data();
    void dailyBackupIsWrittenAsideAndFailuresSaid();

private:
    std::unique_ptr<WindowFixture> m_f;
    std::unique_ptr<frmMain> m_main;
};

void TestMainWindow::init()
{
    m_f = std::make_unique<WindowFixture>();
    QVERIFY(m_f->db.isReady());
    m_main = std::make_unique<frmMain>(m_f->services, m_f->db.path(), OdbcInstaller::none());
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void TestMainWindow::cleanup()
{
    m_main.reset();
    m_f.reset();
}

void TestMainWindow::opensCentredWithItsFiveCommands()
{
    QVERIFY(m_main->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(m_main->size(), QSize(319, 137));
    const QPoint offCentre = m_main->frameGeometry().center() - m_main->screen()->geometry().center();
    QVERIFY(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1);
    QVERIFY(m_f->services.store);
    QCOMPARE(QSqlDatabase::connectionNames().size(), 2); // the fixture's own, and the program's

    QStringList commands;
    for (QWidget *widget = find(m_main.get(), "cmdPrintCheq"); commands.size() < 5;
         widget = widget->nextInFocusChain()) {
        const auto *button = qobject_cast<QPushButton *>(widget);
        QCOMPARE(button->palette().color(QPalette::Button), QColor(224, 224, 224));
        QCOMPARE(button->geometry().top(), 112);
        commands.append(button->text());
    }
    QCOMPARE(commands,
             QStringList({QStringLiteral("Print Cheque"), QStringLiteral("Bank Data"), QStringLiteral("Options"),
                          QStringLiteral("Exit"), QStringLiteral("Report")}));
    QCOMPARE(find(m_main.get(), "cmdExit")->geometry(), QRect(263, 112, 53, 21));
}

void TestMainWindow::workingWindowsTakeTheMainWindowsPlace_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("closer");
    QTest::addColumn<bool>("mainStays");
    row("Print Cheque", "cmdPrintCheq", "frmCheque", "cmdCancel", false);
    row("Bank Data", "cmdBankData", "frmBanks", "cmdExit", false);
    row("Options", "cmdOptions", "frmOptions", "cmdExit", true);
    row("Report", "cmdReport", "frmReport", "Command1", true);
}

void TestMainWindow::workingWindowsTakeTheMainWindowsPlace()
{
    QFETCH(QString, command);
    QFETCH(QString, window);
    QFETCH(QString, closer);
    QFETCH(bool, mainStays);
    click(m_main.get(), qPrintable(command));
    click(m_main.get(), qPrintable(command)); // a second press brings back the same window
    QCOMPARE(m_main->findChildren<QWidget *>(window).size(), 1);
    auto *working = m_main->findChild<QWidget *>(window);
    QVERIFY(working->isVisible());
    QCOMPARE(m_main->isVisible(), mainStays);
    click(working, qPrintable(closer));
    QVERIFY(m_main->isVisible());
    QTRY_VERIFY(!m_main->findChild<QWidget *>(window)); // built afresh next time
    QVERIFY(m_f->prompter.messages.isEmpty());
}

void TestMainWindow::exitClosesEveryWindowAndTheDatabase_data()
{
    QTest::addColumn<bool>("systemClose");
    QTest::newRow("Exit") << false;
    QTest::newRow("close request from the system") << true;
}

void TestMainWindow::exitClosesEveryWindowAndTheDatabase()
{
    QFETCH(bool, systemClose);
    click(m_main.get(), "cmdOptions");
    click(m_main.get(), "cmdReport");
    click(m_main.get(), "cmdPrintCheq");
    QPointer<frmCheque> entry = m_main->findChild<frmCheque *>();
    for (const char *field : {"txtChequeNo", "txtPay", "txtAmount"})
        QTest::keyClicks(find(entry, field), QStringLiteral("5"));
    click(entry, "cmdPrintPreview");
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : std::initializer_list<QWidget *> {
             entry->previewFrame(), entry, find(m_main.get(), "frmOptions"), find(m_main.get(), "frmReport")})
        windows.append(window);

    if (systemClose)
        m_main->close();
    else
        m_main->exitProgram();
    for (const QPointer<QWidget> &window : windows)
        QVERIFY(!window || !window->isVisible());
    QVERIFY(!m_main->isVisible());
    QVERIFY(!m_f->services.store);
    QCOMPARE(QSqlDatabase::connectionNames().size(), 1);
    QVERIFY(m_f->prompter.messages.isEmpty());
}

void TestMainWindow::missingDatabaseLeavesNothingOpen()
{
    m_main.reset();
    QTemporaryDir folder;
    QVERIFY_THROWS_EXCEPTION(Failure, frmMain(m_f->services, databasePathIn(folder.path()), OdbcInstaller::none()));
    QCOMPARE(QSqlDatabase::connectionNames().size(), 1);
}

void TestMainWindow::pendingChequesAreSaidAtStart()
{
    m_main.reset();
    QVERIFY(m_f->prompter.messages.isEmpty());
    m_f->db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, Status, NumberKey) "
                                "VALUES ('ACC1', '9', 5, 'Killed', '2026-12-06', 'pending', '9'), "
                                "('ACC1', '10', 5, 'Killed', '2026-12-06', 'pending', '10')"));
    m_main = std::make_unique<frmMain>(m_f->services, m_f->db.path(), OdbcInstaller::none());
    m_main->show();
    QTRY_COMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().startsWith(QStringLiteral("2 cheques are pending in the register"))
                 && m_f->prompter.texts().first().contains(QStringLiteral("Print Cheque, Register")),
             qPrintable(m_f->prompter.texts().first()));
}

void TestMainWindow::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("opener"); // the main window's command that opens the window, or none
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("opened"); // a window that Enter on the button opens, or "closed"
    row("main window, Options", "", "frmMain", "cmdOptions", "frmOptions");
    row("entry window, Register", "cmdPrintCheq", "frmCheque", "cmdRegister", "frmRegister");
    row("bank window, Exit", "cmdBankData", "frmBanks", "cmdExit", "closed");
    row("options, Cancel", "cmdOptions", "frmOptions", "cmdExit", "closed");
    row("report, Preview", "cmdReport", "frmReport", "cmdPreview", "ReportPreview");
}

void TestMainWindow::enterPressesTheFocusedButton()
{
    QFETCH(QString, opener);
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QString, opened);
    QVERIFY(
        QFile::copy(QStringLiteral(QUILLSET_REPORT_DEFINITION), m_f->db.folder() + QStringLiteral("/rptCheque.rpt")));
    if (!opener.isEmpty())
        click(m_main.get(), qPrintable(opener));
    QPointer<QWidget> shown
        = window == QLatin1String("frmMain") ? m_main.get() : find(m_main.get(), qPrintable(window));
    QVERIFY(shown);
    auto *pressed = find<QPushButton>(shown, qPrintable(button));
    shown->activateWindow();
    pressed->setFocus();
    QTest::keyClick(pressed, Qt::Key_Return);
    if (opened == QLatin1String("closed"))
        QTRY_VERIFY(!shown || !shown->isVisible());
    else
        QTRY_VERIFY(find(m_main.get(), qPrintable(opened)) && find(m_main.get(), qPrintable(opened))->isVisible());
}

void TestMainWindow::dailyBackupIsWrittenAsideAndFailuresSaid_data()
{
    QTest::addColumn<QString>("folder"); // in the test's folder
    QTest::addColumn<QString>("set"); // "at start", or "in Options" while the window is up
    QTest::addColumn<QString>("said"); // in the notice; empty when the backup is written
    row("a folder there", "backups", "at start", "");
    row("chosen in Options", "backups", "in Options", "");
    row("a folder gone", "gone", "at start", "does not exist");
}

void TestMainWindow::dailyBackupIsWrittenAsideAndFailuresSaid()
{
    QFETCH(QString, folder);
    QFETCH(QString, set);
    QFETCH(QString, said);
    if (m_f->db.backend() == Backend::Postgres)
        QSKIP("A register on a server is backed up with the server's own tools.");
    m_main.reset();
    const QString path = m_f->db.folder() + u'/' + folder;
    if (said.isEmpty())
        QVERIFY(QDir().mkpath(path));
    if (set == QLatin1String("at start"))
        m_f->db.store().parameters().SetSystemParameter(Parameter::BackupFolder, path);
    m_main = std::make_unique<frmMain>(m_f->services, m_f->db.path(), OdbcInstaller::none());
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    if (set == QLatin1String("in Options")) {
        m_f->services.chooseFolder = [path](const QString &, const QString &) { return path; };
        click(m_main.get(), "cmdOptions");
        QWidget *options = m_main->findChild<QWidget *>(QStringLiteral("frmOptions"));
        QVERIFY(options && QTest::qWaitForWindowActive(options));
        click(options, "cmdBackupFolder");
        click(options, "cmdSave");
        QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'|')));
        QTRY_VERIFY(!m_main->findChild<QWidget *>(QStringLiteral("frmOptions")));
    }
    // Written aside, named by the day, while the window is in use; a failure is said above the commands.
    const QString today = path + QStringLiteral("/Records-2026-12-06.mdb");
    const auto *notice = find<QLabel>(m_main.get(), "lblBackupNotice");
    if (said.isEmpty()) {
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(today), 10000);
        QCOMPARE(Store::OpenDatabase(today, OdbcInstaller::none())->accounts().codes(),
                 QStringList {QStringLiteral("ACC1")});
        QVERIFY(!notice->isVisible());
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(notice->isVisible(), 10000);
    QVERIFY2(notice->text().startsWith(QStringLiteral("Today's backup of the register was not written:"))
                 && notice->text().contains(said),
             qPrintable(notice->text()));
    QVERIFY(QDir(m_f->db.folder()).entryList({QStringLiteral("*-2026-12-06*")}).isEmpty());
}

QUILLSET_TEST_MAIN(TestMainWindow, QApplication)
#include "tst_frmMain.moc"
