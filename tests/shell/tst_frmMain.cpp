#include "doubles/RecordingPrompter.h"
#include "support/TestDatabase.h"

#include "doubles/RecordingPrinter.h"
#include "issue/frmCheque.h"
#include "shell/AppServices.h"
#include "shell/MDIForm1.h"
#include "shell/frmMain.h"
#include "store/DataSource.h"
#include "store/Database.h"
#include "store/Failure.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace quillset;
using namespace quillset::test;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void opensCentredWithItsFiveCommands();
    void tabFollowsTheCommandOrder();
    void exitClosesTheWindowAndTheDatabase();
    void systemCloseRequestExitsToo();
    void missingDatabaseLeavesNothingOpen();
    void workingWindowsTakeTheMainWindowsPlace_data();
    void workingWindowsTakeTheMainWindowsPlace();
    void exitClosesTheEntryAndItsPreview();
    void optionsAndReportOpenBesideAndCloseOnExit();
    void issuesAChequeFromTypingToTheRegister();
};

void TestMainWindow::opensCentredWithItsFiveCommands()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecordingPrompter prompter;
    AppServices services {prompter};
    frmMain window(services, db.path(), OdbcInstaller::none());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(window.size(), QSize(319, 137));
    const QRect screen = window.screen()->geometry();
    QVERIFY(qAbs(window.frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(window.frameGeometry().center().y() - screen.center().y()) <= 1);
    QVERIFY(SharedConnection().isOpen());

    const QList<std::pair<QString, QString>> commands
        = {{QStringLiteral("cmdPrintCheq"), QStringLiteral("Print Cheque")},
           {QStringLiteral("cmdBankData"), QStringLiteral("Bank Data")},
           {QStringLiteral("cmdOptions"), QStringLiteral("Options")},
           {QStringLiteral("cmdReport"), QStringLiteral("Report")},
           {QStringLiteral("cmdExit"), QStringLiteral("Exit")}};
    for (const auto &[name, caption] : commands) {
        const auto *button = window.findChild<QPushButton *>(name);
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry().top(), 112);
        QCOMPARE(button->palette().color(QPalette::Button), QColor(224, 224, 224));
    }
    QCOMPARE(window.findChild<QPushButton *>(QStringLiteral("cmdExit"))->geometry(), QRect(263, 112, 53, 21));
}

void TestMainWindow::tabFollowsTheCommandOrder()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecordingPrompter prompter;
    AppServices services {prompter};
    frmMain window(services, db.path(), OdbcInstaller::none());
    // Buttons of windows still to come are disabled and skipped, so check the declared chain itself.
    QStringList chain;
    QWidget *widget = window.findChild<QPushButton *>(QStringLiteral("cmdPrintCheq"));
    for (int i = 0; i < 5; ++i, widget = widget->nextInFocusChain())
        chain.append(widget->objectName());
    QCOMPARE(chain,
             QStringList({QStringLiteral("cmdPrintCheq"), QStringLiteral("cmdBankData"), QStringLiteral("cmdOptions"),
                          QStringLiteral("cmdExit"), QStringLiteral("cmdReport")}));
}

void TestMainWindow::exitClosesTheWindowAndTheDatabase()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecordingPrompter prompter;
    AppServices services {prompter};
    frmMain window(services, db.path(), OdbcInstaller::none());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdExit")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(!SharedConnection().isOpen());
    QVERIFY(prompter.messages.isEmpty());
}

void TestMainWindow::systemCloseRequestExitsToo()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecordingPrompter prompter;
    AppServices services {prompter};
    frmMain window(services, db.path(), OdbcInstaller::none());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.close();
    QVERIFY(!SharedConnection().isOpen());
}

void TestMainWindow::missingDatabaseLeavesNothingOpen()
{
    RecordingPrompter prompter;
    AppServices services {prompter};
    QTemporaryDir folder;
    QVERIFY_THROWS_EXCEPTION(Failure, frmMain(services, databasePathIn(folder.path()), OdbcInstaller::none()));
    QVERIFY(!SharedConnection().isOpen());
}

void TestMainWindow::workingWindowsTakeTheMainWindowsPlace_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("closer");
    QTest::newRow("Print Cheque") << "cmdPrintCheq"
                                  << "frmCheque"
                                  << "cmdCancel";
    QTest::newRow("Bank Data") << "cmdBankData"
                               << "frmBanks"
                               << "cmdExit";
}

void TestMainWindow::workingWindowsTakeTheMainWindowsPlace()
{
    QFETCH(QString, command);
    QFETCH(QString, window);
    QFETCH(QString, closer);
    TestDatabase db;
    QVERIFY(db.isReady());
    RecordingPrompter prompter;
    AppServices services {prompter};
    frmMain main(services, db.path(), OdbcInstaller::none());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QTest::mouseClick(main.findChild<QPushButton *>(command), Qt::LeftButton);
    auto *working = main.findChild<QWidget *>(window);
    QVERIFY(working && working->isVisible());
    QVERIFY(!main.isVisible());
    QTest::mouseClick(working->findChild<QPushButton *>(closer), Qt::LeftButton);
    QVERIFY(main.isVisible());
    QTRY_VERIFY(!main.findChild<QWidget *>(window)); // built afresh next time
    QVERIFY(prompter.messages.isEmpty());
}

void TestMainWindow::exitClosesTheEntryAndItsPreview()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecordingPrompter prompter;
    AppServices services {prompter};
    auto printer = std::make_shared<RecordingPrinter>();
    services.makePrinter = [printer] { return printer; };
    frmMain window(services, db.path(), OdbcInstaller::none());
    window.show();
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdPrintCheq")), Qt::LeftButton);
    QPointer<frmCheque> entry = window.findChild<frmCheque *>();
    for (const auto &[name, text] :
         {std::pair {"txtChequeNo", "1"}, std::pair {"txtPay", "X"}, std::pair {"txtAmount", "5"}})
        QTest::keyClicks(entry->findChild<QLineEdit *>(QString::fromLatin1(name)), QString::fromLatin1(text));
    QTest::mouseClick(entry->findChild<QPushButton *>(QStringLiteral("cmdPrintPreview")), Qt::LeftButton);
    QPointer<MDIForm1> preview = entry->previewFrame();
    QVERIFY(preview && preview->isVisible());

    window.exitProgram();
    QVERIFY(!preview || !preview->isVisible());
    QVERIFY(!entry || !entry->isVisible());
    QVERIFY(!window.isVisible());
    QVERIFY(!SharedConnection().isOpen());
    QVERIFY(prompter.messages.isEmpty());
}

void TestMainWindow::optionsAndReportOpenBesideAndCloseOnExit()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecordingPrompter prompter;
    AppServices services {prompter};
    frmMain window(services, db.path(), OdbcInstaller::none());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdOptions")), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdReport")), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdReport")), Qt::LeftButton);
    QPointer<QWidget> options = window.findChild<QWidget *>(QStringLiteral("frmOptions"));
    QPointer<QWidget> report = window.findChild<QWidget *>(QStringLiteral("frmReport"));
    QVERIFY(options && options->isVisible() && report && report->isVisible());
    QCOMPARE(window.findChildren<QWidget *>(QStringLiteral("frmReport")).size(), 1); // one instance
    QVERIFY(window.isVisible());

    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdExit")), Qt::LeftButton);
    QVERIFY(!options || !options->isVisible());
    QVERIFY(!report || !report->isVisible());
    QVERIFY(!SharedConnection().isOpen());
}

void TestMainWindow::issuesAChequeFromTypingToTheRegister()
{
    TestDatabase db; // the delivered schema, with its sample account
    QVERIFY(db.isReady());
    RecordingPrompter prompter;
    AppServices services {prompter};
    services.today = [] { return QDate(2026, 12, 6); };
    auto printer = std::make_shared<RecordingPrinter>();
    services.makePrinter = [printer] { return printer; };
    frmMain window(services, db.path(), OdbcInstaller::none());
    window.show();
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdPrintCheq")), Qt::LeftButton);
    auto *entry = window.findChild<frmCheque *>();
    QTest::keyClicks(entry->findChild<QLineEdit *>(QStringLiteral("txtChequeNo")), QStringLiteral("000123"));
    QTest::keyClicks(entry->findChild<QLineEdit *>(QStringLiteral("txtPay")), QStringLiteral("ABC Traders"));
    QTest::keyClicks(entry->findChild<QLineEdit *>(QStringLiteral("txtAmount")), QStringLiteral("12345"));
    QTest::mouseClick(entry->findChild<QPushButton *>(QStringLiteral("cmdPrintPreview")), Qt::LeftButton);
    QVERIFY(entry->previewFrame()->layoutWindow()->isVisible());
    QTest::mouseClick(entry->findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);

    QCOMPARE(printer->printed.size(), 1);
    QCOMPARE(printer->printed.first().item(QStringLiteral("lblRupeeL1")).text
                 + printer->printed.first().item(QStringLiteral("lblRupeeL2")).text,
             QStringLiteral("TWELVE THOUSAND THREE HUNDRED FORTY FIVE ONLY."));
    QCOMPARE(TestDatabase::scalar(QStringLiteral("SELECT BankID || '|' || ChequeNo || '|' || Amount || '|' || Pay || "
                                                 "'|' || PrintDate FROM Cheque"))
                 .toString(),
             QStringLiteral("ACC1|000123|12345.0|ABC Traders|2026-12-06"));
    QVERIFY(prompter.messages.isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "tst_frmMain.moc"
