#include "support/ChequePicture.h"
#include "support/PageImage.h"
#include "support/PdfWords.h"
#include "support/PrintServer.h"
#include "support/PrintedPageCheck.h"
#include "support/ReportReading.h"
#include "support/TestMain.h"
#include "support/WindowTest.h"

#include "core/cheque/Cheque.h"
#include "core/cheque/ChequeInput.h"
#include "core/issue/ChequeBookLife.h"
#include "core/issue/IssueCheque.h"
#include "core/layout/PageMetrics.h"
#include "store/Connection.h"
#include "store/DataSource.h"
#include "store/Store.h"
#include "widgets/MessageBoxPrompter.h"
#include "windows/issue/frmCheque.h"
#include "windows/report/ReportPreview.h"
#include "windows/report/frmReport.h"
#include "windows/shell/frmMain.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <QToolBar>

#include <array>
#include <csignal>

using namespace quillset;
using namespace quillset::test;

namespace {

// Letters and digits only, in capitals: what matters of a text read back by OCR.
QString essentials(const QString &text)
{
    QString kept;
    for (const QChar c : text) {
        if (c.isLetterOrNumber())
            kept.append(c.toUpper());
    }
    return kept;
}

// Reads the payee, the date's digits and the figures where the page placed them, as a person looks
// at the paper; a line for each one not found in its box.
QStringList unreadFields(const ChequePage &page, const PageImage &picture)
{
    QStringList unread;
    for (const char *name : {"lblPay", "lblDate", "lblAmount"}) {
        const PageItem &item = page.item(QString::fromLatin1(name));
        const QRectF box(item.rect.left() / 20.0 - 3, item.rect.top() / 20.0 - 3, item.rect.width() / 20.0 + 6,
                         item.rect.height() / 20.0 + 6);
        const QString read = picture.line(box);
        if (essentials(read) != essentials(item.text))
            unread.append(QStringLiteral("%1: read \"%2\" where \"%3\" belongs").arg(item.name, read, item.text));
    }
    return unread;
}

// Counts the requests to end the program and keeps them from ending the test.
class QuitWatch : public QObject
{
public:
    int quits = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::Quit) {
            ++quits;
            return true;
        }
        return false;
    }
};

} // namespace

// Issues cheques through the real windows and the real command line to the default printer of a
// real CUPS server: a private one, started here, whose printer writes each job's PDF to a file and
// can be told to play the faults of a real printer.
class TestPrintQueue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void refusingQueueRecordsNothing_data();
    void refusingQueueRecordsNothing();
    void printerFaultsLeaveTheRightRow_data();
    void printerFaultsLeaveTheRightRow();
    void jobsAskForTheirPaper_data();
    void jobsAskForTheirPaper();
    void heldOrSlowJobIsTheClerksToDecide_data();
    void heldOrSlowJobIsTheClerksToDecide();
    void noMessageEndsTheProgram_data();
    void noMessageEndsTheProgram();
    void settlingWaitsForThePrintServer_data();
    void settlingWaitsForThePrintServer();
    void registerThatCannotBeWrittenSendsNoJob();
    void commandLineExitSaysTheOutcome_data();
    void commandLineExitSaysTheOutcome();
    void commandLinePrintsALeafOnceHoweverTyped_data();
    void commandLinePrintsALeafOnceHoweverTyped();
    void killedPrintsLeaveEveryPrintedChequeInTheRegister();
    void twoWorkstationsPrintingAtOnceNeverShareANumber();
    void batchPastItsBookPrintsOnlyWhenConfirmed();
    void batchKilledHalfwayAndResumedPrintsEachChequeOnce_data();
    void batchKilledHalfwayAndResumedPrintsEachChequeOnce();
    void reportPrintedFromItsWindowReadsBack();
    void chequeOnPaperReadsBack_data();
    void chequeOnPaperReadsBack();
    void proofWarnsInTheWordsOfThePrint();

private:
    /// What a run of the program did: its exit status and what it wrote.
    struct Run
    {
        int status = -1; // -1: it did not finish in time
        QString out;
        QString err;
    };
    void issueCheque(const QString &chequeNo, const QString &payee = QStringLiteral("ABC Traders"));
    QString registerRow(const QString &chequeNo);
    /// Runs the program with these arguments on the test's database.
    Run program(const QStringList &arguments, int timeout = 60000);
    frmCheque *entry() const { return m_main->findChild<frmCheque *>(); }
    /// Whether the paper is read as a picture too: on SQLite only, since the picture of a page is the
    /// same whichever backend keeps the register; what was printed is compared on both.
    bool readsPictures() const { return m_f->db.backend() == Backend::Sqlite; }

    PrintServer m_server;
    std::unique_ptr<WindowFixture> m_f;
    std::unique_ptr<frmMain> m_main;
};

void TestPrintQueue::initTestCase()
{
    const int started = m_server.start();
    if (started == 3)
        QSKIP("No test print server: CUPS is not installed (Debian packages cups and cups-client).");
    QCOMPARE(started, 0);
}

void TestPrintQueue::init()
{
    m_f = std::make_unique<WindowFixture>();
    QVERIFY(m_f->db.isReady());
    m_f->db.store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QStringLiteral("20"));
    m_f->services.printQueue = AppServices(m_f->prompter).printQueue; // the program's own printer
    m_main = std::make_unique<frmMain>(m_f->services, m_f->db.path(), OdbcInstaller::none());
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    click(m_main.get(), "cmdPrintCheq");
}

void TestPrintQueue::cleanup()
{
    m_main.reset();
    m_f.reset();
    m_server.reset();
}

TestPrintQueue::Run TestPrintQueue::program(const QStringList &arguments, int timeout)
{
    QProcess process;
    process.start(QStringLiteral(QUILLSET_PROGRAM),
                  QStringList {QStringLiteral("--database"), m_f->db.path()} + arguments);
    Run run;
    if (!process.waitForFinished(timeout)) {
        process.kill();
        process.waitForFinished();
    } else {
        run.status = process.exitCode();
    }
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

void TestPrintQueue::issueCheque(const QString &chequeNo, const QString &payee)
{
    QTest::keyClicks(find(entry(), "txtChequeNo"), chequeNo);
    QTest::keyClicks(find(entry(), "txtPay"), payee);
    QTest::keyClicks(find(entry(), "txtAmount"), QStringLiteral("123456789"));
    click(entry(), "cmdPrint");
}

QString TestPrintQueue::registerRow(const QString &chequeNo)
{
    return m_f->db.scalar(QStringLiteral("SELECT Status FROM Cheque WHERE ChequeNo = ?"), {chequeNo}).toString();
}

void TestPrintQueue::refusingQueueRecordsNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("said");
    QTest::newRow("stopped") << "cupsdisable"
                             << "ERR:1102:The printer \"QuillsetTest\" is stopped";
    QTest::newRow("rejecting jobs") << "cupsreject"
                                    << "ERR:1102:The printer \"QuillsetTest\" did not take the cheque";
}

void TestPrintQueue::refusingQueueRecordsNothing()
{
    QFETCH(QString, command);
    QFETCH(QString, said);
    QCOMPARE(m_server.lp(command, {QStringLiteral("QuillsetTest")}), 0);
    const QStringList jobsBefore = m_server.jobs();
    issueCheque(QStringLiteral("000124"));
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().startsWith(said), qPrintable(m_f->prompter.texts().first()));
    QCOMPARE(registerRows(m_f->db), 0);
    QCOMPARE(shown(entry(), "txtChequeNo"), QStringLiteral("000124"));
    // The server holds no job for it, so nothing can print later either.
    QCOMPARE(m_server.jobs(), jobsBefore);
}

void TestPrintQueue::printerFaultsLeaveTheRightRow_data()
{
    QTest::addColumn<QString>("behaviour");
    QTest::addColumn<int>("timeout");
    QTest::addColumn<QString>("status"); // of the row afterwards
    QTest::addColumn<QString>("said"); // empty: nothing
    QTest::newRow("jams after it began") << "fail" << 20 << "pending"
                                         << "after it began printing cheque 000125";
    QTest::newRow("out of paper, then refilled") << "media-empty" << 20 << "printed"
                                                 << "";
}

void TestPrintQueue::printerFaultsLeaveTheRightRow()
{
    QFETCH(QString, behaviour);
    QFETCH(int, timeout);
    QFETCH(QString, status);
    QFETCH(QString, said);
    m_f->db.store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QString::number(timeout));
    QCOMPARE(m_server.script(QStringLiteral("printer"), behaviour), 0);
    // What the window shows while it waits, and the paper put back after a while.
    QStringList progress;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        if (auto *dialog = entry()->findChild<QProgressDialog *>(QStringLiteral("printProgress")))
            progress.append(dialog->labelText());
    });
    watch.start(100);
    if (behaviour == QLatin1String("media-empty"))
        QTimer::singleShot(2500, this, [this] { m_server.script(QStringLiteral("printer"), QStringLiteral("ok")); });
    QElapsedTimer clock;
    clock.start();
    issueCheque(QStringLiteral("000125"));
    watch.stop();
    QVERIFY(clock.elapsed() < (timeout + 3) * 1000);
    QCOMPARE(registerRow(QStringLiteral("000125")), status);
    if (said.isEmpty()) {
        QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'\n')));
        QVERIFY2(progress.join(u'\n').contains(QStringLiteral("Cheque 000125 on \"QuillsetTest\", job "))
                     && progress.join(u'\n').contains(QStringLiteral("media-empty")),
                 qPrintable(progress.join(u'\n')));
        return;
    }
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().contains(said), qPrintable(m_f->prompter.texts().first()));
}

void TestPrintQueue::jobsAskForTheirPaper_data()
{
    QTest::addColumn<QString>("queue"); // the default one
    QTest::addColumn<QString>("orientation");
    QTest::addColumn<QString>("refused"); // what is said; empty when the cheque prints
    QTest::newRow("Letter by default, A4 offered") << "QuillsetLetter"
                                                   << "1"
                                                   << "";
    QTest::newRow("landscape, the driver turning it its own way") << "QuillsetLetter"
                                                                  << "2"
                                                                  << "";
    QTest::newRow("Letter only") << "QuillsetLetterOnly"
                                 << "1"
                                 << "The printer \"QuillsetLetterOnly\" cannot print on A4 paper";
}

void TestPrintQueue::jobsAskForTheirPaper()
{
    QFETCH(QString, queue);
    QFETCH(QString, orientation);
    QFETCH(QString, refused);
    qputenv("LPDEST", queue.toLocal8Bit());
    m_f->db.store().parameters().SetSystemParameter(QStringLiteral("Orientation"), orientation);
    const QStringList before = m_server.printedFiles();
    const QStringList jobsBefore = m_server.jobs();
    issueCheque(QStringLiteral("000131"));
    if (!refused.isEmpty()) {
        // Refused before anything was written or sent.
        QCOMPARE(m_f->prompter.messages.size(), 1);
        QVERIFY2(m_f->prompter.texts().first().contains(refused), qPrintable(m_f->prompter.texts().first()));
        QCOMPARE(registerRows(m_f->db), 0);
        QCOMPARE(m_server.jobs(), jobsBefore);
        QCOMPARE(m_server.printedFiles(), before);
        return;
    }
    QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'\n')));
    QCOMPARE(registerRow(QStringLiteral("000131")), QStringLiteral("printed"));
    QCOMPARE(m_server.printedFiles().size(), before.size() + 1);
    const QString printed = m_server.printedSince(before).value(0);

    // The sheet that came out is A4, and on it the page exactly as composed: at 100 %, every field
    // in its box, a landscape page turned the way the printing standard turns it (its top to the
    // sheet's left edge).
    const ChequePage page
        = composeChequePage(m_f->db.store(),
                            {QStringLiteral("ACC1"), QStringLiteral("000131"), QStringLiteral("ABC Traders"),
                             QDate(2026, 12, 6), Money {123456789, {}}, true},
                            PageMetrics(), queue);
    PageImage sheet = PageImage::fromPdf(printed);
    QVERIFY(!sheet.isNull());
    QVERIFY2(qAbs(sheet.sizeInPoints().width() - 595.3) < 1 && qAbs(sheet.sizeInPoints().height() - 841.9) < 1,
             qPrintable(QStringLiteral("the sheet is %1 x %2 pt")
                            .arg(sheet.sizeInPoints().width())
                            .arg(sheet.sizeInPoints().height())));
    if (page.orientation == Orientation::Landscape)
        sheet = PageImage::fromImage(sheet.image().transformed(QTransform().rotate(90)), sheet.dotsPerInch());
    const QStringList unread = readsPictures() ? unreadFields(page, sheet) : QStringList();
    if (!unread.isEmpty())
        sheet.save(QDir::temp().filePath(QStringLiteral("quillset-letter-queue.png")));
    QVERIFY2(unread.isEmpty(), qPrintable(unread.join(u'\n')));
    if (page.orientation == Orientation::Portrait) {
        int checked = 0;
        const QStringList misplaced = misplacedItems(page, printed, &checked);
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(u'\n')));
        QCOMPARE(checked, 6);
    }
}

void TestPrintQueue::heldOrSlowJobIsTheClerksToDecide_data()
{
    QTest::addColumn<QString>("printer"); // "held": the queue holds every job, as a paused printer does
    QTest::addColumn<QString>("clerk"); // presses Cancel in the printing box, or answers when the time runs out
    QTest::addColumn<QString>("left"); // the row afterwards; empty: none
    QTest::addColumn<QString>("said");
    QTest::newRow("held, Cancel pressed") << "held"
                                          << "Cancel"
                                          << ""
                                          << "cancelled, as you asked, job";
    QTest::newRow("held, the time runs out, cancelled") << "held"
                                                        << "cancel"
                                                        << ""
                                                        << "before it printed anything";
    QTest::newRow("held, waited for, then released") << "held"
                                                     << "wait"
                                                     << "printed"
                                                     << "";
    QTest::newRow("out of paper once begun, Cancel pressed") << "media-empty"
                                                             << "Cancel"
                                                             << "pending"
                                                             << "after it began printing cheque 000135";
    QTest::newRow("never finishes, the time runs out, cancelled") << "hang"
                                                                  << "cancel"
                                                                  << "pending"
                                                                  << "after it began printing cheque 000135";
}

void TestPrintQueue::heldOrSlowJobIsTheClerksToDecide()
{
    QFETCH(QString, printer);
    QFETCH(QString, clerk);
    QFETCH(QString, left);
    QFETCH(QString, said);
    m_f->db.store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QStringLiteral("3"));
    if (printer == QLatin1String("held"))
        m_server.holdJobs(true);
    else
        QCOMPARE(m_server.script(QStringLiteral("printer"), printer), 0);
    m_f->prompter.answers = {clerk == QLatin1String("wait")};
    const QStringList before = m_server.printedFiles();
    // The clerk looks at the printing box: Cancel once it says where the job is stuck; a held job
    // waited for is released at the printer once the clerk has chosen to wait.
    bool released = false;
    QTimer clerkAndPrinter;
    connect(&clerkAndPrinter, &QTimer::timeout, this, [&] {
        auto *box = entry()->findChild<QProgressDialog *>(QStringLiteral("printProgress"));
        if (clerk == QLatin1String("Cancel") && box && box->isVisible()
            && (box->labelText().contains(QStringLiteral("held in the queue"))
                || box->labelText().contains(QStringLiteral("media-empty")))) {
            auto *cancel = box->findChild<QPushButton *>(QStringLiteral("cmdCancelPrint"));
            if (cancel && cancel->isEnabled())
                QTest::mouseClick(cancel, Qt::LeftButton);
        }
        if (clerk == QLatin1String("wait") && !released && !m_f->prompter.questions.isEmpty()) {
            released = true;
            m_server.holdJobs(false);
            const QString held = m_server.jobs(QStringLiteral("not-completed")).value(0).section(u' ', 0, 0);
            m_server.lp(QStringLiteral("lp"),
                        {QStringLiteral("-i"), held, QStringLiteral("-H"), QStringLiteral("resume")});
        }
    });
    clerkAndPrinter.start(100);
    QElapsedTimer clock;
    clock.start();
    issueCheque(QStringLiteral("000135"));
    clerkAndPrinter.stop();
    QCOMPARE(registerRow(QStringLiteral("000135")), left);
    if (clerk == QLatin1String("Cancel"))
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed()))); // before the time ran out
    if (clerk != QLatin1String("Cancel")) {
        QCOMPARE(m_f->prompter.questions.size(), 1);
        QVERIFY2(m_f->prompter.questions.first().contains(QStringLiteral("has not finished after 3 seconds")),
                 qPrintable(m_f->prompter.questions.first()));
    }
    if (said.isEmpty()) {
        QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'\n')));
        QCOMPARE(m_server.printedFiles().size(), before.size() + 1);
        return;
    }
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().contains(said), qPrintable(m_f->prompter.texts().first()));
    // Cancelled in the print server: nothing is left to print on whatever leaf is in the tray later.
    QCOMPARE(m_server.jobs(QStringLiteral("not-completed")), QStringList());
    QCOMPARE(m_server.printedFiles(), before);
}

void TestPrintQueue::noMessageEndsTheProgram_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("said"); // in the last box
    // Within what is left of the print's 3 seconds when the printer is looked for: less on a busy machine.
    QTest::newRow("the print server does not answer") << "freeze"
                                                      << "The print server did not answer within";
    QTest::newRow("a held job, the time runs out, cancelled") << "held"
                                                              << "before it printed anything";
}

void TestPrintQueue::noMessageEndsTheProgram()
{
    QFETCH(QString, fault);
    QFETCH(QString, said);
    // The program's own message boxes, answered by the clerk's hand: No to waiting longer, OK to
    // every message.
    m_main.reset();
    MessageBoxPrompter boxes(MessageBoxPrompter::Boxes::Always);
    AppServices services(boxes);
    services.today = m_f->services.today;
    frmMain main(services, m_f->db.path(), OdbcInstaller::none());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    click(&main, "cmdPrintCheq");
    auto *window = main.findChild<frmCheque *>();
    QVERIFY(window && window->isVisible() && !main.isVisible());
    m_f->db.store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QStringLiteral("3"));
    if (fault == QLatin1String("held"))
        m_server.holdJobs(true);

    QStringList boxTexts;
    int overEntry = 0; // boxes that stood over the entry window or the printing box in it
    QTimer clerk;
    connect(&clerk, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        boxTexts.append(box->text());
        const QWidget *owner = box->parentWidget();
        overEntry += owner && owner->isVisible() && (owner == window || owner->parentWidget() == window) ? 1 : 0;
        QAbstractButton *answer
            = box->button(QMessageBox::No) ? box->button(QMessageBox::No) : box->button(QMessageBox::Ok);
        QTest::mouseClick(answer, Qt::LeftButton);
    });
    clerk.start(100);
    QuitWatch watch;
    qApp->installEventFilter(&watch);
    // Run as the program runs, in the application's own event loop, where a box that is the last
    // window ends it. A server that does not answer is said within the limit, not long after it.
    qint64 took = 0;
    QTimer::singleShot(0, this, [&] {
        if (fault == QLatin1String("freeze"))
            m_server.script(QStringLiteral("freeze"));
        QTest::keyClicks(find(window, "txtChequeNo"), QStringLiteral("000136"));
        QTest::keyClicks(find(window, "txtPay"), QStringLiteral("ABC Traders"));
        QTest::keyClicks(find(window, "txtAmount"), QStringLiteral("500"));
        QElapsedTimer clock;
        clock.start();
        click(window, "cmdPrint");
        took = clock.elapsed();
        m_server.script(QStringLiteral("thaw"));
        QTimer::singleShot(300, qApp, [] { QCoreApplication::exit(0); });
    });
    QApplication::exec();
    qApp->removeEventFilter(&watch);
    clerk.stop();
    QVERIFY2(!boxTexts.isEmpty() && boxTexts.last().contains(said), qPrintable(boxTexts.join(u'\n')));
    if (fault == QLatin1String("freeze"))
        QVERIFY2(took < 5000, qPrintable(QString::number(took)));
    QCOMPARE(watch.quits, 0);
    // Each box stood over the entry window, and the entry window is still there to type in.
    QCOMPARE(overEntry, boxTexts.size());
    QVERIFY(window->isVisible() && !main.isVisible());
    retype(window, "txtChequeNo", QStringLiteral("000137"));
    QCOMPARE(shown(window, "txtChequeNo"), QStringLiteral("000137"));
    QCOMPARE(registerRows(m_f->db), 0);
}

void TestPrintQueue::settlingWaitsForThePrintServer_data()
{
    QTest::addColumn<QString>("cheque"); // where the cheque's print is when someone settles it
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("refused");
    QTest::newRow("printing, out of paper") << "printing"
                                            << "unprinted"
                                            << "it is still in the print server as job";
    QTest::newRow("held in the queue after the time ran out") << "held"
                                                              << "unprinted"
                                                              << "it is still in the print server as job";
    QTest::newRow("written, not yet sent") << "on its way"
                                           << "unprinted"
                                           << "may still be on its way to the printer";
    QTest::newRow("the print server does not answer") << "silent server"
                                                      << "printed"
                                                      << "the print server could not be asked";
}

void TestPrintQueue::settlingWaitsForThePrintServer()
{
    QFETCH(QString, cheque);
    QFETCH(QString, how);
    QFETCH(QString, refused);
    m_main.reset(); // the command line has the database to itself
    const QStringList mark = {QStringLiteral("--mark"),    how,
                              QStringLiteral("--account"), QStringLiteral("ACC1"),
                              QStringLiteral("--cheque"),  QStringLiteral("000140")};
    const QStringList print = {QStringLiteral("--print"),  QStringLiteral("--account"), QStringLiteral("ACC1"),
                               QStringLiteral("--cheque"), QStringLiteral("000140"),    QStringLiteral("--pay"),
                               QStringLiteral("Script"),   QStringLiteral("--date"),    QStringLiteral("06-Dec-2026"),
                               QStringLiteral("--amount"), QStringLiteral("9")};
    const QStringList before = m_server.printedFiles();
    QProcess printing;
    if (cheque == QLatin1String("printing")) {
        // One program prints and waits at the printer, out of paper.
        m_f->db.store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QStringLiteral("30"));
        QCOMPARE(m_server.script(QStringLiteral("printer"), QStringLiteral("media-empty")), 0);
        printing.start(QStringLiteral(QUILLSET_PROGRAM),
                       QStringList {QStringLiteral("--database"), m_f->db.path()} + print);
        QTRY_VERIFY_WITH_TIMEOUT(m_f->db.scalar(QStringLiteral("SELECT JobId FROM Cheque")).toInt() > 0, 15000);
    } else if (cheque == QLatin1String("on its way")) {
        // The pending row of a print that has not yet handed its job to the server.
        m_f->db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, Status, NumberKey, "
                                    "Workstation, ChangedAt) VALUES ('ACC1', '000140', 9, 'Script', '2026-12-06', "
                                    "'pending', '140', '%1', '%2')")
                         .arg(workstationName(), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)));
    } else {
        // A print that ran out of time: its job is still in the queue, held or never finishing.
        m_f->db.store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QStringLiteral("2"));
        if (cheque == QLatin1String("held"))
            m_server.holdJobs(true);
        else
            QCOMPARE(m_server.script(QStringLiteral("printer"), QStringLiteral("hang")), 0);
        QCOMPARE(program(print).status, 3);
        if (cheque == QLatin1String("silent server"))
            QCOMPARE(m_server.script(QStringLiteral("freeze")), 0);
    }

    // Another program tries to settle it: refused in words, the row left as it was.
    const Run refusal = program(mark);
    const QString said = refusal.err.simplified();
    QCOMPARE(refusal.status, 1);
    QVERIFY2(said.contains(QStringLiteral("Cheque 000140 cannot be settled yet")) && said.contains(refused),
             qPrintable(said));
    QCOMPARE(registerRow(QStringLiteral("000140")), QStringLiteral("pending"));

    // Once the print has ended, the cheque is settled.
    if (cheque == QLatin1String("printing")) {
        QCOMPARE(m_server.script(QStringLiteral("printer"), QStringLiteral("ok")), 0);
        QVERIFY(printing.waitForFinished(30000));
        QCOMPARE(printing.exitCode(), 0);
        QCOMPARE(registerRow(QStringLiteral("000140")), QStringLiteral("printed"));
        QCOMPARE(m_server.printedFiles().size(), before.size() + 1); // one leaf for one number
        return;
    }
    if (cheque == QLatin1String("on its way"))
        m_f->db.exec(QStringLiteral("UPDATE Cheque SET ChangedAt = '%1'")
                         .arg(QDateTime::currentDateTimeUtc().addSecs(-120).toString(Qt::ISODate)));
    m_server.script(QStringLiteral("thaw"));
    m_server.lp(QStringLiteral("cancel"), {QStringLiteral("-a")});
    QTRY_COMPARE_WITH_TIMEOUT(m_server.jobs(QStringLiteral("not-completed")), QStringList(), 15000);
    const Run settled = program(mark);
    QVERIFY2(settled.status == 0, qPrintable(settled.err));
    QCOMPARE(registerRow(QStringLiteral("000140")), how == QLatin1String("printed") ? how : QString());
}

void TestPrintQueue::registerThatCannotBeWrittenSendsNoJob()
{
    if (m_f->db.backend() == Backend::Postgres)
        QSKIP("a file held by another program; the server's locks are tried in tst_sharedstore");
    // Another program reads the register and holds on to it, so nothing can be written into it.
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
    other.setDatabaseName(m_f->db.path());
    QVERIFY(other.open());
    {
        QSqlQuery hold(other);
        QVERIFY(hold.exec(QStringLiteral("BEGIN")));
        QVERIFY(hold.exec(QStringLiteral("SELECT count(*) FROM Cheque")) && hold.next());
        const QStringList jobsBefore = m_server.jobs();
        issueCheque(QStringLiteral("000127"));
        QCOMPARE(m_f->prompter.messages.size(), 1);
        QVERIFY2(
            m_f->prompter.texts().first().contains(QStringLiteral("cannot take the cheque, so nothing was printed")),
            qPrintable(m_f->prompter.texts().first()));
        QCOMPARE(m_server.jobs(), jobsBefore);
        hold.exec(QStringLiteral("ROLLBACK"));
    }
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("reader"));
    QCOMPARE(registerRows(m_f->db), 0);
}

void TestPrintQueue::commandLineExitSaysTheOutcome_data()
{
    QTest::addColumn<QString>("behaviour"); // of the printer; "held": it prints while another program holds the file
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("said"); // on standard error
    QTest::newRow("printed") << "ok" << 0 << "printed"
                             << "";
    QTest::newRow("not known in time")
        << "hang" << 3 << "pending"
        << "When you know whether it printed, settle it with quillset --mark printed|spoiled|unprinted --account "
           "ACC1 --cheque 000130.";
    QTest::newRow("printed, the register held meanwhile")
        << "held" << 2 << "pending"
        << "It stays in the register as pending; mark it printed with quillset --mark printed --account ACC1 "
           "--cheque 000130. Do not print it again.";
    QTest::newRow("stopped queue") << "stopped" << 1 << ""
                                   << "is stopped";
    QTest::newRow("completed with no page counted") << "blank" << 3 << "pending"
                                                    << "counted no page printed, so cheque 000130 may not have come "
                                                       "out";
}

void TestPrintQueue::commandLineExitSaysTheOutcome()
{
    QFETCH(QString, behaviour);
    QFETCH(int, status);
    QFETCH(QString, left);
    QFETCH(QString, said);
    const bool held = behaviour == QLatin1String("held");
    if (held && m_f->db.backend() == Backend::Postgres)
        QSKIP("a file held by another program; the server's locks are tried in tst_sharedstore");
    m_main.reset();
    m_f->db.store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QStringLiteral("3"));
    // A printer with a driver, whose pages the server counts (a queue without one counts none).
    if (behaviour == QLatin1String("blank"))
        qputenv("LPDEST", "QuillsetMargins");
    if (behaviour == QLatin1String("stopped"))
        QCOMPARE(m_server.lp(QStringLiteral("cupsdisable"), {QStringLiteral("QuillsetTest")}), 0);
    else
        QCOMPARE(m_server.script(QStringLiteral("printer"), held ? QStringLiteral("slow 1") : behaviour), 0);
    QProcess print;
    print.start(QStringLiteral(QUILLSET_PROGRAM),
                {QStringLiteral("--print"), QStringLiteral("--database"), m_f->db.path(), QStringLiteral("--account"),
                 QStringLiteral("ACC1"), QStringLiteral("--cheque"), QStringLiteral("000130"), QStringLiteral("--pay"),
                 QStringLiteral("Script"), QStringLiteral("--date"), QStringLiteral("06-Dec-2026"),
                 QStringLiteral("--amount"), QStringLiteral("9")});
    QSqlDatabase other;
    if (held) {
        // Once the pending row is in, another program takes the file and keeps it while the cheque prints.
        QTRY_COMPARE_WITH_TIMEOUT(registerRow(QStringLiteral("000130")), QStringLiteral("pending"), 10000);
        other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        other.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        other.setDatabaseName(m_f->db.path());
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }
    QVERIFY(print.waitForFinished(30000));
    if (held) {
        QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    }
    const QString stderrText = QString::fromUtf8(print.readAllStandardError());
    QVERIFY2(print.exitCode() == status && stderrText.simplified().contains(said), qPrintable(stderrText));
    QVERIFY2(!stderrText.contains(QStringLiteral("window"), Qt::CaseInsensitive)
                 && !stderrText.contains(QStringLiteral("Print Cheque")),
             qPrintable(stderrText));
    QCOMPARE(registerRow(QStringLiteral("000130")), left);
}

void TestPrintQueue::commandLinePrintsALeafOnceHoweverTyped_data()
{
    QTest::addColumn<QString>("typed"); // after 000777 printed
    QTest::newRow("a trailing blank") << "777 ";
    QTest::newRow("a leading blank") << " 777";
    QTest::newRow("full-width digits") << "７７７";
}

void TestPrintQueue::commandLinePrintsALeafOnceHoweverTyped()
{
    QFETCH(QString, typed);
    m_main.reset(); // the command line has the database to itself
    m_f->db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, NumberKey) VALUES "
                                "('ACC1', '000777', 1, 'First', '2026-12-06', '777')"));
    const QStringList before = m_server.printedFiles();
    const Run print = program({QStringLiteral("--print"), QStringLiteral("--account"), QStringLiteral("ACC1"),
                               QStringLiteral("--cheque"), typed, QStringLiteral("--pay"), QStringLiteral("Again"),
                               QStringLiteral("--date"), QStringLiteral("06-Dec-2026"), QStringLiteral("--amount"),
                               QStringLiteral("9")});
    QVERIFY2(print.status == 1 && print.err.contains(QStringLiteral("Cheque number 777 is already in the register")),
             qPrintable(print.err));
    QCOMPARE(m_server.printedFiles(), before);
    QCOMPARE(m_f->db.joined(QStringLiteral("SELECT ChequeNo FROM Cheque")), QStringLiteral("000777"));
}

void TestPrintQueue::killedPrintsLeaveEveryPrintedChequeInTheRegister()
{
    m_main.reset(); // the command line has the database to itself
    const int runs = qEnvironmentVariableIntValue("QUILLSET_CRASH_RUNS") > 0
        ? qEnvironmentVariableIntValue("QUILLSET_CRASH_RUNS")
        : 30;
    QCOMPARE(m_server.script(QStringLiteral("printer"), QStringLiteral("slow 0.3")), 0);
    const QStringList before = m_server.printedFiles();
    m_f->db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, NumberKey) VALUES "
                                "('ACC1', '100000', 1, 'First', '2026-12-06', '100000')"));
    QRandomGenerator random(20261207);
    int killed = 0;
    for (int run = 0; run < runs; ++run) {
        QProcess print;
        print.start(QStringLiteral(QUILLSET_PROGRAM),
                    {QStringLiteral("--print"), QStringLiteral("--database"), m_f->db.path(),
                     QStringLiteral("--account"), QStringLiteral("ACC1"), QStringLiteral("--cheque"),
                     QStringLiteral("next"), QStringLiteral("--pay"), QStringLiteral("Crash %1 Traders").arg(run),
                     QStringLiteral("--date"), QStringLiteral("06-Dec-2026"), QStringLiteral("--amount"),
                     QString::number(run + 1)});
        QVERIFY(print.waitForStarted());
        if (!print.waitForFinished(static_cast<int>(random.bounded(10, 1000)))) {
            ::kill(static_cast<pid_t>(print.processId()), SIGKILL);
            print.waitForFinished();
            ++killed;
        }
    }
    // Let the server finish what it took, then compare its pages with the register.
    QTRY_VERIFY_WITH_TIMEOUT(m_server.jobs(QStringLiteral("not-completed")).isEmpty(), 60000);
    QSet<QString> printedRuns;
    for (const QString &file : m_server.printedSince(before)) {
        const QRegularExpressionMatch match
            = QRegularExpression(QStringLiteral("Crash (\\d+) Traders")).match(pdfText(file));
        QVERIFY2(match.hasMatch(), qPrintable(file));
        printedRuns.insert(match.captured(1));
    }
    QVERIFY(m_f->db.reopen());
    QMap<QString, QString> rows; // run -> status
    QSqlQuery query = m_f->db.store().SharedConnection().run(
        QStringLiteral("SELECT Pay, Status, ChequeNo FROM Cheque WHERE Pay LIKE 'Crash %'"));
    QSet<QString> numbers;
    int rowCount = 0;
    while (query.next()) {
        rows.insert(query.value(0).toString().section(u' ', 1, 1), query.value(1).toString());
        numbers.insert(query.value(2).toString());
        ++rowCount;
    }
    QCOMPARE(numbers.size(), rowCount); // no number twice
    for (const QString &run : printedRuns)
        QVERIFY2(rows.contains(run), qPrintable(QStringLiteral("run %1 printed but left no row").arg(run)));
    int printedRows = 0;
    for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
        if (it.value() == QLatin1String("printed")) {
            ++printedRows;
            QVERIFY2(printedRuns.contains(it.key()),
                     qPrintable(QStringLiteral("run %1 is printed but has no page").arg(it.key())));
        }
    }
    qInfo("%d runs, %d killed: %lld pages printed, %d rows (%d printed, %d pending)", runs, killed,
          static_cast<long long>(printedRuns.size()), rowCount, printedRows, rowCount - printedRows);
}

void TestPrintQueue::twoWorkstationsPrintingAtOnceNeverShareANumber()
{
    m_main.reset();
    const QStringList before = m_server.printedFiles();
    m_f->db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, NumberKey) VALUES "
                                "('ACC1', '200000', 1, 'First', '2026-12-06', '200000')"));
    constexpr int kRounds = 6;
    int cheques = 0;
    for (int round = 0; round < kRounds; ++round) {
        // Two workstations press Print at the same moment, each asking for the next number.
        std::array<QProcess, 2> desks;
        for (size_t desk = 0; desk < desks.size(); ++desk)
            desks[desk].start(QStringLiteral(QUILLSET_PROGRAM),
                              {QStringLiteral("--print"), QStringLiteral("--database"), m_f->db.path(),
                               QStringLiteral("--account"), QStringLiteral("ACC1"), QStringLiteral("--cheque"),
                               QStringLiteral("next"), QStringLiteral("--pay"),
                               QStringLiteral("Desk %1 Round %2").arg(desk).arg(round), QStringLiteral("--date"),
                               QStringLiteral("07-Dec-2026"), QStringLiteral("--amount"), QStringLiteral("10")});
        for (QProcess &desk : desks) {
            QVERIFY(desk.waitForFinished(60000));
            QVERIFY2(desk.exitCode() == 0, desk.readAllStandardError().constData());
            ++cheques;
        }
    }
    QVERIFY(m_f->db.reopen());
    QCOMPARE(m_f->db
                 .scalar(QStringLiteral("SELECT count(*) FROM Cheque WHERE Pay LIKE 'Desk %' AND "
                                        "Status = 'printed'"))
                 .toInt(),
             cheques);
    QCOMPARE(
        m_f->db.scalar(QStringLiteral("SELECT count(DISTINCT NumberKey) FROM Cheque WHERE Pay LIKE 'Desk %'")).toInt(),
        cheques);
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT max(ChequeNo) FROM Cheque")).toString(),
             QStringLiteral("%1").arg(200000 + cheques));
    QTRY_COMPARE_WITH_TIMEOUT(m_server.printedFiles().size() - before.size(), cheques, 30000);
}

void TestPrintQueue::batchPastItsBookPrintsOnlyWhenConfirmed()
{
    m_main.reset();
    addChequeBook(m_f->db.store(), QStringLiteral("ACC1"), QStringLiteral("000701"), QStringLiteral("000702"),
                  QDate(2026, 12, 1));
    const QString file = m_f->db.folder() + QStringLiteral("/past.csv");
    QFile csv(file);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Pay,Amount,Date\rOne,1,07-Dec-2026\rTwo,2,07-Dec-2026\rThree,3,07-Dec-2026\r");
    csv.close();
    const QStringList before = m_server.printedFiles();
    const QStringList batch = {QStringLiteral("--batch"), file, QStringLiteral("--account"), QStringLiteral("ACC1"),
                               QStringLiteral("--print")};
    // A script cannot be asked: the row past the book stops the batch, saying why.
    const Run unasked = program(batch);
    QVERIFY2(unasked.status == 1
                 && unasked.err.contains(QStringLiteral("Check: Line 4, Cheque: its number would be in none of the "
                                                        "cheque books of \"ACC1\" (000701 to 000702).")),
             qPrintable(unasked.err));
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT count(*) FROM Cheque")).toInt(), 0);
    // Confirmed: all three print, and the summary names the numbers used and the leaves left.
    const Run confirmed = program(batch + QStringList {QStringLiteral("--confirm")});
    const QString &said = confirmed.out;
    QVERIFY2(confirmed.status == 0, qPrintable(said + confirmed.err));
    QVERIFY2(said.contains(QStringLiteral("3 printed (000701–000703).")), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral(
                 "ACC1: no leaves left in its cheque books (000701 to 000702): have the next book ready.")),
             qPrintable(said));
    QTRY_COMPARE_WITH_TIMEOUT(m_server.printedFiles().size() - before.size(), 3, 30000);
    QCOMPARE(m_f->db.joined(QStringLiteral("SELECT ChequeNo || ' ' || BatchLine || ' ' || Status FROM Cheque ORDER "
                                           "BY ChequeNo")),
             QStringLiteral("000701 2 printed, 000702 3 printed, 000703 4 printed"));
}

void TestPrintQueue::batchKilledHalfwayAndResumedPrintsEachChequeOnce_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<int>("cheques");
    QTest::newRow("LF line ends") << QByteArray("\n") << 24;
    QTest::newRow("CR line ends") << QByteArray("\r") << 8;
}

void TestPrintQueue::batchKilledHalfwayAndResumedPrintsEachChequeOnce()
{
    QFETCH(QByteArray, lineEnd);
    QFETCH(int, cheques);
    m_main.reset();
    const int kCheques = cheques;
    QByteArray csv = "Pay,Amount,Date,Cheque" + lineEnd;
    for (int i = 0; i < kCheques; ++i)
        csv += QStringLiteral("Batch Payee %1,%2,07-Dec-2026,%3")
                   .arg(i)
                   .arg(100 + i)
                   .arg(i == 0 ? QStringLiteral("400001") : QString())
                   .toUtf8()
            + lineEnd;
    const QString file = m_f->db.folder() + QStringLiteral("/salaries.csv");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(csv) == csv.size());
    out.close();
    const QStringList before = m_server.printedFiles();
    const QStringList batch = {QStringLiteral("--batch"), file, QStringLiteral("--account"), QStringLiteral("ACC1"),
                               QStringLiteral("--print")};
    // Killed once about half of it has gone to the printer.
    {
        QProcess run;
        run.start(QStringLiteral(QUILLSET_PROGRAM), QStringList {QStringLiteral("--database"), m_f->db.path()} + batch);
        QVERIFY(run.waitForStarted());
        QByteArray said;
        const QByteArray half = "Cheque " + QByteArray::number(kCheques / 2) + " of";
        QTRY_VERIFY2_WITH_TIMEOUT((said += run.readAllStandardOutput()).contains(half),
                                  QByteArray(said + run.readAllStandardError()).constData(), 120000);
        ::kill(static_cast<pid_t>(run.processId()), SIGKILL);
        run.waitForFinished();
    }
    QTRY_VERIFY_WITH_TIMEOUT(m_server.jobs(QStringLiteral("not-completed")).isEmpty(), 60000);
    // A cheque left pending is settled by what the printer shows, as the operator would.
    QSet<QString> paid;
    for (const QString &page : m_server.printedSince(before)) {
        const QRegularExpressionMatch match
            = QRegularExpression(QStringLiteral("Batch Payee (\\d+)")).match(pdfText(page));
        if (match.hasMatch())
            paid.insert(match.captured(1));
    }
    // The operator settles after the half minute a killed print may still have been handing its
    // cheque to the server; the row is aged rather than the test waiting it out.
    m_f->db.exec(QStringLiteral("UPDATE Cheque SET ChangedAt = '%1' WHERE Status = 'pending'")
                     .arg(QDateTime::currentDateTimeUtc().addSecs(-120).toString(Qt::ISODate)));
    QSqlQuery pending = m_f->db.store().SharedConnection().run(
        QStringLiteral("SELECT ChequeNo, Pay FROM Cheque WHERE Status = 'pending' AND BatchHash IS NOT NULL"));
    QList<QPair<QString, bool>> toSettle;
    while (pending.next())
        toSettle.append({pending.value(0).toString(), paid.contains(pending.value(1).toString().section(u' ', 2))});
    for (const auto &[number, printed] : toSettle) {
        const Run mark
            = program({QStringLiteral("--mark"), printed ? QStringLiteral("printed") : QStringLiteral("unprinted"),
                       QStringLiteral("--account"), QStringLiteral("ACC1"), QStringLiteral("--cheque"), number});
        QVERIFY2(mark.status == 0, qPrintable(mark.err));
    }
    // Resumed: only what did not print.
    const Run resume = program(batch, 180000);
    QVERIFY2(resume.status == 0, qPrintable(resume.out + resume.err));
    QVERIFY2(resume.out.contains(QStringLiteral("skipped as printed or spoiled before")), qPrintable(resume.out));
    QTRY_VERIFY_WITH_TIMEOUT(m_server.jobs(QStringLiteral("not-completed")).isEmpty(), 60000);
    QCOMPARE(
        m_f->db.scalar(QStringLiteral("SELECT count(*) FROM Cheque WHERE BatchHash IS NOT NULL AND Status = 'printed'"))
            .toInt(),
        kCheques);
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT count(DISTINCT NumberKey) FROM Cheque WHERE BatchHash IS NOT NULL"))
                 .toInt(),
             kCheques);
    QCOMPARE(m_server.printedFiles().size() - before.size(), kCheques);
    // Every payee once on paper, and once in the register, printed, at the line it stands on.
    QMap<int, int> onPaper; // payee -> pages
    for (const QString &page : m_server.printedSince(before)) {
        const QRegularExpressionMatch match
            = QRegularExpression(QStringLiteral("Batch Payee (\\d+)")).match(pdfText(page));
        QVERIFY2(match.hasMatch(), qPrintable(page));
        ++onPaper[match.captured(1).toInt()];
    }
    QSqlQuery rows = m_f->db.store().SharedConnection().run(
        QStringLiteral("SELECT Pay, BatchLine, Status FROM Cheque WHERE BatchHash IS NOT NULL"));
    QMap<int, int> inRegister; // payee -> rows
    while (rows.next()) {
        const int payee = rows.value(0).toString().section(u' ', 2).toInt();
        ++inRegister[payee];
        QCOMPARE(rows.value(1).toInt(), payee + 2); // the header is line 1
        QCOMPARE(rows.value(2).toString(), QStringLiteral("printed"));
    }
    for (int payee = 0; payee < kCheques; ++payee) {
        QVERIFY2(onPaper.value(payee) == 1 && inRegister.value(payee) == 1,
                 qPrintable(QStringLiteral("Batch Payee %1: %2 page(s), %3 row(s)")
                                .arg(payee)
                                .arg(onPaper.value(payee))
                                .arg(inRegister.value(payee))));
    }
}

void TestPrintQueue::reportPrintedFromItsWindowReadsBack()
{
    // A month of rupees, dollars and dinars, printed from the report window on the default printer.
    QVERIFY(
        QFile::copy(QStringLiteral(QUILLSET_REPORT_DEFINITION), m_f->db.folder() + QStringLiteral("/rptCheque.rpt")));
    addThreeMoneysMonth(m_f->db);
    frmReport window(m_f->services);
    window.show();
    find<QLineEdit>(&window, "dtpStartDate")->setText(formatChequeDate(kMonthStart));
    find<QLineEdit>(&window, "dtpEndDate")->setText(formatChequeDate(kMonthEnd));
    ReportPreview *report = window.preview();
    QVERIFY(report);
    const QStringList before = m_server.printedFiles();
    auto *commands = report->findChild<QToolBar *>();
    for (QAction *action : commands->actions()) {
        if (action->text() == QLatin1String("&Print..."))
            QTest::mouseClick(commands->widgetForAction(action), Qt::LeftButton);
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_server.printedFiles().size(), before.size() + 1, 30000);
    QVERIFY(m_f->prompter.questions.contains(
        QStringLiteral("Print the report, 1 page(s), on the printer \"QuillsetTest\"?")));
    QTRY_VERIFY(!m_f->prompter.messages.isEmpty());
    QVERIFY2(m_f->prompter.texts().last().startsWith(
                 QStringLiteral("The report, 1 page(s), went to the printer \"QuillsetTest\" as job ")),
             qPrintable(m_f->prompter.texts().join(u'\n')));

    // The paper, read as a person reads it: every row and each account's total in its own money.
    const QString printed = m_server.printedSince(before).value(0);
    const QList<PageImage> pages = PageImage::allPages(printed);
    QCOMPARE(pages.size(), 1);
    const QRectF written(0, 0, 595, 400);
    const QStringList unread = unreadTexts(pages, threeMoneysReadings(), written);
    QVERIFY2(unread.isEmpty(), qPrintable(unread.join(u'\n')));
    if (!readsPictures())
        return;
    QStringList cut = cutWords(pages.first(), {QStringLiteral("Payee")}, reportFace(true), written);
    cut += cutWords(pages.first(), {QStringLiteral("Gupta"), QStringLiteral("=1,234.50/-")}, reportFace(false),
                    written);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
}

void TestPrintQueue::chequeOnPaperReadsBack_data()
{
    QTest::addColumn<QString>("from");
    QTest::newRow("the entry window") << "window";
    QTest::newRow("the command line") << "command";
    QTest::newRow("a batch") << "batch";
    QTest::newRow("a batch saved as windows-1252") << "windows-1252 batch";
    QTest::newRow("a voided cheque printed again") << "reprint";
}

void TestPrintQueue::chequeOnPaperReadsBack()
{
    QFETCH(QString, from);
    QStringList before = m_server.printedFiles();
    QList<Cheque> cheques;
    const QDate day(2026, 12, 6);
    if (from == QLatin1String("window")) {
        issueCheque(QStringLiteral("000601"), QStringLiteral("Window Traders"));
        QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'\n')));
        cheques.append({QStringLiteral("ACC1"), QStringLiteral("000601"), QStringLiteral("Window Traders"), day,
                        Money {123456789, {}}, true});
        // The register says what was printed, and where: marked printed only once the server said the
        // job completed.
        QCOMPARE(m_f->db
                     .scalar(QStringLiteral("SELECT BankID || '|' || ChequeNo || '|' || Pay || '|' || PrintDate || "
                                            "'|' || Queue || '|' || Status FROM Cheque"))
                     .toString(),
                 QStringLiteral("ACC1|000601|Window Traders|2026-12-06|QuillsetTest|printed"));
        QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT Amount FROM Cheque")).toDouble(), 123456789.0);
    } else {
        m_main.reset();
        QStringList arguments {QStringLiteral("--database"), m_f->db.path(), QStringLiteral("--account"),
                               QStringLiteral("ACC1"), QStringLiteral("--print")};
        if (from == QLatin1String("reprint")) {
            // Printed, found smudged and voided: then printed again on the next leaf, as it was.
            const Run first
                = program({QStringLiteral("--account"), QStringLiteral("ACC1"), QStringLiteral("--print"),
                           QStringLiteral("--cheque"), QStringLiteral("000606"), QStringLiteral("--pay"),
                           QStringLiteral("Reprinted Traders"), QStringLiteral("--date"), QStringLiteral("05-Dec-2026"),
                           QStringLiteral("--amount"), QStringLiteral("4321"), QStringLiteral("--stamp")});
            QVERIFY2(first.status == 0, qPrintable(first.err));
            const Run voided = program({QStringLiteral("--account"), QStringLiteral("ACC1"), QStringLiteral("--mark"),
                                        QStringLiteral("void"), QStringLiteral("--cheque"), QStringLiteral("000606"),
                                        QStringLiteral("--reason"), QStringLiteral("smudged")});
            QVERIFY2(voided.status == 0, qPrintable(voided.err));
            before = m_server.printedFiles();
            arguments.removeLast(); // --print: a reprint takes nothing but the cheque it prints again
            arguments << QStringLiteral("--reprint") << QStringLiteral("--cheque") << QStringLiteral("000606");
            cheques.append({QStringLiteral("ACC1"), QStringLiteral("000607"), QStringLiteral("Reprinted Traders"),
                            QDate(2026, 12, 5), Money {4321, {}}, true, QStringLiteral("Payee's Account Only")});
        } else if (from == QLatin1String("command")) {
            arguments << QStringLiteral("--cheque") << QStringLiteral("000602") << QStringLiteral("--pay")
                      << QStringLiteral("Command Line Ltd.") << QStringLiteral("--date")
                      << QStringLiteral("06-Dec-2026") << QStringLiteral("--amount") << QStringLiteral("7007");
            cheques.append({QStringLiteral("ACC1"), QStringLiteral("000602"), QStringLiteral("Command Line Ltd."), day,
                            Money {7007, {}}, true});
        } else {
            const QString file = m_f->db.folder() + QStringLiteral("/pictures.csv");
            QFile csv(file);
            QVERIFY(csv.open(QIODevice::WriteOnly));
            arguments << QStringLiteral("--batch") << file;
            if (from == QLatin1String("windows-1252 batch")) {
                // The plain "CSV" of the most common spreadsheet, its encoding named by the clerk.
                csv.write("Pay;Amount;Date;Cheque\r\nCaf\xE9 M\xFCller GmbH;\"12,500\";06-Dec-2026;000605\r\n");
                arguments << QStringLiteral("--encoding") << QStringLiteral("windows-1252");
                cheques.append({QStringLiteral("ACC1"), QStringLiteral("000605"), QStringLiteral("Café Müller GmbH"),
                                day, Money {12500, {}}, true});
            } else {
                csv.write("Pay,Amount,Date,Cheque,Stamp\nFirst Batch Payee,250000,06-Dec-2026,000603,no\n"
                          "SECOND PAYEE,99,06-Dec-2026,000604,yes\n");
                cheques.append({QStringLiteral("ACC1"), QStringLiteral("000603"), QStringLiteral("First Batch Payee"),
                                day, Money {250000, {}}, false});
                cheques.append({QStringLiteral("ACC1"), QStringLiteral("000604"), QStringLiteral("SECOND PAYEE"), day,
                                Money {99, {}}, true});
            }
            csv.close();
        }
        const Run print = program(arguments.mid(2));
        QVERIFY2(print.status == 0, qPrintable(print.err));
        if (from == QLatin1String("reprint"))
            QVERIFY2(print.out.contains(QStringLiteral("Cheque 000607 printed and recorded, in place of 000606.")),
                     qPrintable(print.out));
    }
    // What the printer was given, page by page in the order printed, read as the clerk reads it: each
    // field where the page placed it, and its picture.
    const QStringList printed = m_server.printedSince(before);
    QCOMPARE(printed.size(), cheques.size());
    for (qsizetype i = 0; i < cheques.size(); ++i) {
        const ChequePage page = composeChequePage(m_f->db.store(), cheques.at(i), PageMetrics());
        int checked = 0;
        const QStringList misplaced = misplacedItems(page, printed.at(i), &checked);
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(u'\n')));
        if (from == QLatin1String("window"))
            QCOMPARE(checked, 6);
        QCOMPARE(registerRow(cheques.at(i).number), QStringLiteral("printed"));
        if (!readsPictures())
            continue;
        PageImage paper = PageImage::fromPdf(printed.at(i));
        paper.setLanguages(QStringLiteral("deu+eng")); // an umlaut is read as one
        const QStringList misread = misreadCheque(page, paper);
        QVERIFY2(misread.isEmpty(), qPrintable(cheques.at(i).number + u' ' + misread.join(u'\n')));
    }
}

void TestPrintQueue::proofWarnsInTheWordsOfThePrint()
{
    m_main.reset();
    // The default printer cannot print near the sheet's edges, where the sample leaf's crossing lies.
    qputenv("LPDEST", "QuillsetMargins");
    const auto warnings = [&](const QStringList &arguments) {
        const Run run = program(QStringList {QStringLiteral("--account"), QStringLiteral("ACC1")} + arguments);
        QStringList said = run.err.split(u'\n');
        said.removeIf([](const QString &line) { return !line.startsWith(QLatin1String("quillset: warning:")); });
        return std::pair {run.status, said};
    };
    const QStringList cheque {QStringLiteral("--pay"),       QStringLiteral("Margin Traders"), QStringLiteral("--date"),
                              QStringLiteral("06-Dec-2026"), QStringLiteral("--amount"),       QStringLiteral("4500"),
                              QStringLiteral("--stamp")};
    const auto [proofStatus, proof]
        = warnings(QStringList {QStringLiteral("--pdf"), m_f->db.folder() + QStringLiteral("/proof.pdf"),
                                QStringLiteral("--cheque"), QStringLiteral("000701")}
                   + cheque);
    const auto [printStatus, print] = warnings(
        QStringList {QStringLiteral("--print"), QStringLiteral("--cheque"), QStringLiteral("000701")} + cheque);
    QCOMPARE(proofStatus, 0);
    QCOMPARE(printStatus, 0);
    QVERIFY2(print.size() == 1
                 && print.first().contains(
                     QStringLiteral("The printer \"QuillsetMargins\" cannot print near the edges of the sheet, so "
                                    "part of the crossing stamp and the date would not print.")),
             qPrintable(print.join(u'\n')));
    QCOMPARE(proof, print);

    // A batch's proof warns of each cheque as printing the batch does.
    const QString file = m_f->db.folder() + QStringLiteral("/margins.csv");
    QFile csv(file);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Pay,Amount,Date,Cheque,Stamp\nOne,1,06-Dec-2026,000702,no\nTwo,2,06-Dec-2026,000703,yes\n");
    csv.close();
    const auto [batchProofStatus, batchProof] = warnings(
        {QStringLiteral("--batch"), file, QStringLiteral("--pdf"), m_f->db.folder() + QStringLiteral("/batch.pdf")});
    const auto [batchPrintStatus, batchPrint] = warnings({QStringLiteral("--batch"), file, QStringLiteral("--print")});
    QCOMPARE(batchProofStatus, 0);
    QCOMPARE(batchPrintStatus, 0);
    QCOMPARE(batchPrint.size(), 2);
    QVERIFY2(batchPrint.first().contains(QStringLiteral("so part of the date would not print"))
                 && batchPrint.last().contains(QStringLiteral("so part of the crossing stamp and the date would")),
             qPrintable(batchPrint.join(u'\n')));
    QCOMPARE(batchProof, batchPrint);
    QCOMPARE(m_f->db.joined(QStringLiteral("SELECT ChequeNo || ' ' || Status FROM Cheque ORDER BY ChequeNo")),
             QStringLiteral("000701 printed, 000702 printed, 000703 printed"));
}

QUILLSET_TEST_MAIN(TestPrintQueue, QApplication)
#include "tst_PrintQueue.moc"
