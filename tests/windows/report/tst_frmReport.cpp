#include "support/DataRows.h"
#include "support/PageImage.h"
#include "support/PdfWords.h"
#include "support/ReportReading.h"
#include "support/TestMain.h"
#include "support/WindowTest.h"

#include "windows/report/ReportPreview.h"
#include "windows/report/frmReport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPainter>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using namespace quillset;
using namespace quillset::test;

// Drives the real report window against a real database and the delivered report definition.
class TestReportWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnThisMonth_data();
    void opensOnThisMonth();
    void typedDatesMoveOnByTabNotBySection_data();
    void typedDatesMoveOnByTabNotBySection();
    void previewRefusesARangeItCannotReport_data();
    void previewRefusesARangeItCannotReport();
    void monthOfOneAccountByKeysAsAPdfNamedForIt_data();
    void monthOfOneAccountByKeysAsAPdfNamedForIt();
    void eachPreviewReportsItsOwnRange();
    void previewSavesPdfAndCsv();
    void printGoesToTheDefaultPrinterOnceAsked_data();
    void printGoesToTheDefaultPrinterOnceAsked();
    void previewReadsAsPrinted();
    void missingDefinitionIsNamedAndTheWindowStays();

private:
    ReportPreview *pressPreview();
    ReportPreview *newReport(const QList<ReportPreview *> &before) const;
    /// Types a range into the two dates, as the operator does, replacing what they held.
    void typeRange(const QString &from, const QString &to);
    QWidget *focused() const { return QApplication::focusWidget(); }

    std::unique_ptr<WindowFixture> m_f;
    QPointer<frmReport> m_window;
};

void TestReportWindow::init()
{
    m_f = std::make_unique<WindowFixture>();
    QVERIFY(m_f->db.isReady());
    QVERIFY(
        QFile::copy(QStringLiteral(QUILLSET_REPORT_DEFINITION), m_f->db.folder() + QStringLiteral("/rptCheque.rpt")));
    m_f->db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES "
                                "('ACC1', '000125', 2500, 'Rao, Sons', '2026-12-01'), "
                                "('ACC1', '000126', 75, 'Today''s payee', '2026-12-06')"));
    m_f->db.exec(QStringLiteral("UPDATE Cheque SET Status = 'void', Reason = 'lost' WHERE ChequeNo = '000126'"));
    m_window = new frmReport(m_f->services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window)); // where its access keys work
}

void TestReportWindow::cleanup()
{
    delete m_window;
    m_f.reset();
}

ReportPreview *TestReportWindow::newReport(const QList<ReportPreview *> &before) const
{
    for (ReportPreview *report : m_window->findChildren<ReportPreview *>()) {
        if (!before.contains(report))
            return report;
    }
    return nullptr;
}

ReportPreview *TestReportWindow::pressPreview()
{
    const QList<ReportPreview *> before = m_window->findChildren<ReportPreview *>();
    click(m_window, "cmdPreview");
    return newReport(before);
}

void TestReportWindow::typeRange(const QString &from, const QString &to)
{
    retype(m_window, "dtpStartDate", from);
    retype(m_window, "dtpEndDate", to);
}

void TestReportWindow::opensOnThisMonth_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    row("December", QDate(2026, 12, 6), "01-Dec-2026", "31-Dec-2026");
    row("its last day", QDate(2027, 1, 31), "01-Jan-2027", "31-Jan-2027");
    row("February of a leap year", QDate(2028, 2, 1), "01-Feb-2028", "29-Feb-2028");
}

void TestReportWindow::opensOnThisMonth()
{
    QFETCH(QDate, today);
    QFETCH(QString, from);
    QFETCH(QString, to);
    m_f->services.today = [today] { return today; };
    delete m_window;
    m_window = new frmReport(m_f->services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QVERIFY(find<QLineEdit>(m_window, "dtpStartDate") && find<QLineEdit>(m_window, "dtpEndDate"));
    QCOMPARE(shown(m_window, "dtpStartDate") + u' ' + shown(m_window, "dtpEndDate"), from + u' ' + to);
    auto *accounts = find<QComboBox>(m_window, "comAccount");
    QVERIFY(accounts);
    QCOMPARE(accounts->currentText(), QStringLiteral("All accounts"));
    QCOMPARE(accounts->count(), 2); // and the sample account
    // Straight away, the month's report.
    ReportPreview *report = pressPreview();
    QVERIFY(report);
    QCOMPARE(report->windowTitle(), QStringLiteral("List of cheques printed from %1 to %2").arg(from, to));
}

void TestReportWindow::typedDatesMoveOnByTabNotBySection_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    row("day first with hyphens and strokes", "1-11-2026", "30/11/2026");
    row("year first, and a month's name", "2026-11-01", "30-nov-2026");
    // Only the day: what the old picker took as the year.
    row("a day alone is no date", "31", "31");
}

void TestReportWindow::typedDatesMoveOnByTabNotBySection()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    auto *start = find<QLineEdit>(m_window, "dtpStartDate");
    auto *end = find<QLineEdit>(m_window, "dtpEndDate");
    QVERIFY(start && end);
    // By the keyboard alone: Alt+S to the start date, typing over it, Tab to the end date, Tab on.
    QTest::keyClick(focused(), Qt::Key_S, Qt::AltModifier);
    QCOMPARE(focused(), start);
    QTest::keyClicks(focused(), from);
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused(), end);
    QTest::keyClicks(focused(), to);
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused(), find(m_window, "comAccount"));
    // A date that reads is shown in the cheques' own form; one that does not stays as typed.
    const bool reads = from.size() > 2;
    QCOMPARE(start->text(), reads ? QStringLiteral("01-Nov-2026") : from);
    QCOMPARE(end->text(), reads ? QStringLiteral("30-Nov-2026") : to);
}

void TestReportWindow::previewRefusesARangeItCannotReport_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("cursor"); // where the cursor is put, after the message
    row("start after the end", "07-Dec-2026", "06-Dec-2026",
        "The start date, 07-Dec-2026, is after the end date, 06-Dec-2026", "dtpStartDate");
    row("start not a date", "31-Feb-2026", "06-Dec-2026", "The start date \"31-Feb-2026\" is not a date",
        "dtpStartDate");
    row("end not a date", "01-Dec-2026", "31", "The end date \"31\" is not a date", "dtpEndDate");
    row("end left empty", "01-Dec-2026", "", "Enter the end date", "dtpEndDate");
}

void TestReportWindow::previewRefusesARangeItCannotReport()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, said);
    QFETCH(QString, cursor);
    QVERIFY(find<QLineEdit>(m_window, "dtpStartDate"));
    typeRange(from, to);
    find(m_window, "comAccount")->setFocus();
    const QList<ReportPreview *> before = m_window->findChildren<ReportPreview *>();
    QTest::keyClick(focused(), Qt::Key_P, Qt::AltModifier);

    QVERIFY(!newReport(before));
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY2(m_f->prompter.texts().first().startsWith(said), qPrintable(m_f->prompter.texts().first()));
    QCOMPARE(focused(), find(m_window, qPrintable(cursor)));
    QCOMPARE(find<QLineEdit>(m_window, qPrintable(cursor))->selectedText(), shown(m_window, qPrintable(cursor)));
}

void TestReportWindow::monthOfOneAccountByKeysAsAPdfNamedForIt_data()
{
    QTest::addColumn<QString>("account"); // typed into the account list
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("payees");
    row("one account", "DOLLAR", "cheques-DOLLAR-2026-11-01-to-2026-11-30",
        "List of cheques printed from 01-Nov-2026 to 30-Nov-2026, account DOLLAR",
        QStringList {QStringLiteral("Quincy"), QStringLiteral("Joyful"), QStringLiteral("Torn")});
    row("all accounts", "All", "cheques-2026-11-01-to-2026-11-30",
        "List of cheques printed from 01-Nov-2026 to 30-Nov-2026",
        QStringList {QStringLiteral("Gupta"), QStringLiteral("Priya"), QStringLiteral("Quincy"),
                     QStringLiteral("Joyful"), QStringLiteral("Torn"), QStringLiteral("Yaqoot"),
                     QStringLiteral("Pipes")});
}

void TestReportWindow::monthOfOneAccountByKeysAsAPdfNamedForIt()
{
    QFETCH(QString, account);
    QFETCH(QString, file);
    QFETCH(QString, title);
    QFETCH(QStringList, payees);
    addThreeMoneysMonth(m_f->db);
    delete m_window;
    m_window = new frmReport(m_f->services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QVERIFY(find<QLineEdit>(m_window, "dtpStartDate"));
    QStringList suggested;
    m_f->services.chooseSaveFile = [&](const QString &, const QString &name, const QString &) -> QString {
        suggested.append(name);
        return m_f->db.folder() + u'/' + name;
    };

    // The keyboard alone: the start date, the end date, the account, and Alt+P.
    QTest::keyClick(focused(), Qt::Key_S, Qt::AltModifier);
    QTest::keyClicks(focused(), QStringLiteral("1/11/2026"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClicks(focused(), QStringLiteral("30-Nov-2026"));
    QTest::keyClick(focused(), Qt::Key_A, Qt::AltModifier);
    QCOMPARE(focused(), find(m_window, "comAccount"));
    QTest::keyClicks(focused(), account);
    const QList<ReportPreview *> before = m_window->findChildren<ReportPreview *>();
    QTest::keyClick(focused(), Qt::Key_P, Qt::AltModifier);
    ReportPreview *report = newReport(before);
    QVERIFY2(report, qPrintable(m_f->prompter.texts().join(u'\n')));
    QTRY_COMPARE(QApplication::activeWindow(), report); // in front, where its keys work
    QCOMPARE(report->windowTitle(), title);

    // Save as PDF and Export CSV by their access keys, each offering a name that says what it holds.
    QTest::keyClick(focused(), Qt::Key_D, Qt::AltModifier);
    QTest::keyClick(focused(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(suggested, QStringList({file + QStringLiteral(".pdf"), file + QStringLiteral(".csv")}));
    QVERIFY(m_f->prompter.messages.isEmpty());
    const QString pdf = m_f->db.folder() + u'/' + suggested.first();
    const QList<PdfWord> said = pdfWords(pdf);
    const QStringList words = pdfTexts(pdf);
    const QString text = words.join(u' ');
    QVERIFY2(text.startsWith(title), qPrintable(text));
    // And as the page shows it: the whole title, the account's code with it, read in the title's place.
    QRectF titleArea;
    for (qsizetype i = 0; i < title.count(u' ') + 1; ++i)
        titleArea |= QRectF(QPointF(said.at(i).xMin, said.at(i).yMin), QPointF(said.at(i).xMax, said.at(i).yMax));
    const PageImage page = PageImage::fromPdf(pdf);
    QString seen = page.line(titleArea.adjusted(-4, -3, 4, 3));
    QCOMPARE(seen.remove(u' '), QString(title).remove(u' '));
    for (const QString &payee :
         {QStringLiteral("Gupta"), QStringLiteral("Priya"), QStringLiteral("Quincy"), QStringLiteral("Joyful"),
          QStringLiteral("Torn"), QStringLiteral("Yaqoot"), QStringLiteral("Pipes")})
        QVERIFY2(words.contains(payee) == payees.contains(payee), qPrintable(payee + u'\n' + text));
    QFile csv(m_f->db.folder() + u'/' + suggested.last());
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).size(),
             payees.size() + 1);
}

void TestReportWindow::eachPreviewReportsItsOwnRange()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Cheque report"));
    ReportPreview *month = pressPreview(); // at once: this month's cheques
    typeRange(QStringLiteral("06-Dec-2026"), QStringLiteral("06-Dec-2026"));
    ReportPreview *today = pressPreview();
    typeRange(QStringLiteral("07-Dec-2026"), QStringLiteral("07-Dec-2026"));
    ReportPreview *empty = pressPreview(); // no cheques, but a report under its title

    QVERIFY(today && month && empty && month->isVisible());
    QCOMPARE(today->windowTitle(), QStringLiteral("List of cheques printed from 06-Dec-2026 to 06-Dec-2026"));
    QCOMPARE(today->entries().size(), 1);
    QVERIFY(today->document().plainText().contains(QStringLiteral("Today's payee")));
    QCOMPARE(month->windowTitle(), QStringLiteral("List of cheques printed from 01-Dec-2026 to 31-Dec-2026"));
    QCOMPARE(month->entries().size(), 2);
    QCOMPARE(empty->windowTitle(), QStringLiteral("List of cheques printed from 07-Dec-2026 to 07-Dec-2026"));
    QVERIFY(empty->entries().isEmpty() && empty->document().plainText().startsWith(empty->windowTitle()));
    QVERIFY(m_f->prompter.messages.isEmpty());
}

void TestReportWindow::previewSavesPdfAndCsv()
{
    ReportPreview *report = pressPreview();
    QVERIFY(report);

    const QString csvPath = m_f->db.folder() + QStringLiteral("/cheques.csv");
    QVERIFY(report->exportCsv(csvPath));
    QFile csv(csvPath);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts),
             QStringList({QStringLiteral("Date,Account,Cheque No,Payee,Amount,Status,Reason"),
                          QStringLiteral("2026-12-01,ACC1,000125,\"Rao, Sons\",2500,printed,"),
                          QStringLiteral("2026-12-06,ACC1,000126,Today's payee,75,void,lost")}));

    const QString pdf = m_f->db.folder() + QStringLiteral("/cheques.pdf");
    QVERIFY(report->saveAsPdf(pdf));
    const QStringList words = pdfTexts(pdf);
    // The total is of printed cheques only; the void one is counted apart.
    QVERIFY2(words.contains(QStringLiteral("01-Dec-2026")) && words.contains(QStringLiteral("=2,500/-"))
                 && words.contains(QStringLiteral("void")),
             qPrintable(words.join(u' ')));

    QVERIFY(!report->exportCsv(m_f->db.folder() + QStringLiteral("/no such folder/cheques.csv")));
    QCOMPARE(m_f->prompter.messages.size(), 1);
}

namespace {

// Presses a command of the report's tool bar, as the operator does.
void pressCommand(ReportPreview *report, const QString &text)
{
    auto *commands = report->findChild<QToolBar *>();
    for (QAction *action : commands->actions()) {
        if (action->text() == text)
            QTest::mouseClick(commands->widgetForAction(action), Qt::LeftButton);
    }
}

} // namespace

void TestReportWindow::printGoesToTheDefaultPrinterOnceAsked_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("refuses");
    QTest::addColumn<bool>("answer"); // to "Print the report...?"
    QTest::addColumn<bool>("closed"); // the report and its window, while the printer is looked for
    QTest::addColumn<int>("jobs");
    QTest::addColumn<QString>("said");
    row("printed", true, false, true, false, 1, "The report, 1 page(s), went to the printer \"TestQueue\" as job 1.");
    row("the operator declines", true, false, false, false, 0, "");
    row("no printer", false, false, true, false, 0, "The report was not printed: No printer is installed.");
    row("the printer refuses", true, true, true, false, 0, "The report was not printed: The printer did not accept");
    row("the windows closed meanwhile", true, false, true, true, 1,
        "The report, 1 page(s), went to the printer \"TestQueue\" as job 1.");
}

void TestReportWindow::printGoesToTheDefaultPrinterOnceAsked()
{
    QFETCH(bool, installed);
    QFETCH(bool, refuses);
    QFETCH(bool, answer);
    QFETCH(bool, closed);
    QFETCH(int, jobs);
    QFETCH(QString, said);
    m_f->queue->installed = installed;
    m_f->queue->refuseJob = refuses;
    m_f->prompter.answers = {answer};
    QPointer<ReportPreview> report = pressPreview();
    QVERIFY(report);
    const QString title = report->windowTitle();
    if (closed) {
        QTimer::singleShot(0, report, &QWidget::close);
        QTimer::singleShot(0, m_window, &QWidget::close);
    }
    pressCommand(report, QStringLiteral("&Print..."));

    QTRY_COMPARE(m_f->queue->jobs.size(), jobs);
    QTRY_COMPARE(m_f->prompter.messages.size(), said.isEmpty() ? 0 : 1);
    QCOMPARE(m_f->prompter.texts().join(u'\n').left(said.size()), said);
    // The windows stay while the report goes, and close once it has gone.
    QVERIFY(report && report->isVisible() && m_window->isVisible());
    QVERIFY(report->close() && m_window->close());
    if (installed)
        QCOMPARE(m_f->prompter.questions,
                 QStringList {QStringLiteral("Print the report, 1 page(s), on the printer \"TestQueue\"?")});
    if (jobs == 0)
        return;
    // The job is the report's PDF, the very pages the preview shows.
    const PrintJob &job = m_f->queue->jobs.first();
    QCOMPARE(job.title, title);
    const QString pdf = m_f->db.folder() + QStringLiteral("/job.pdf");
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(job.pdf) == job.pdf.size());
    file.close();
    const QString words = pdfTexts(pdf).join(u' ');
    QVERIFY2(words.contains(QStringLiteral("Rao, Sons =2,500/-")), qPrintable(words));
}

void TestReportWindow::previewReadsAsPrinted()
{
    addThreeMoneysMonth(m_f->db);
    typeRange(kMonthStart.toString(Qt::ISODate), kMonthEnd.toString(Qt::ISODate));
    ReportPreview *report = pressPreview();
    QVERIFY(report);
    QVERIFY(QTest::qWaitForWindowExposed(report));

    // The page as the screen paints it, on a screen of three pixels to each of the preview's.
    auto *pages = find<QWidget>(report, "pages");
    constexpr int kPixelRatio = 3;
    QImage picture(pages->size() * kPixelRatio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(kPixelRatio);
    pages->render(&picture);
    picture.setDevicePixelRatio(1);
    const PageImage page = PageImage::fromImage(picture, 96.0 * kPixelRatio); // the preview shows 96 pixels to the inch
    const QRectF written(0, 0, page.sizeInPoints().width(), 420);
    const QStringList unread = unreadTexts({page}, threeMoneysReadings(), written);
    QVERIFY2(unread.isEmpty(), qPrintable(unread.join(u'\n')));

    // "Payee" with its y, commas with their tails: no line is cut at its foot.
    QStringList cut = cutWords(page, {QStringLiteral("Payee")}, reportFace(true), written);
    cut += cutWords(page, {QStringLiteral("Gupta"), QStringLiteral("=1,50,000.75/-")}, reportFace(false), written);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
}

void TestReportWindow::missingDefinitionIsNamedAndTheWindowStays()
{
    QVERIFY(QFile::remove(m_f->db.folder() + QStringLiteral("/rptCheque.rpt")));
    QVERIFY(!pressPreview());
    QCOMPARE(m_f->prompter.messages.size(), 1);
    QVERIFY(m_f->prompter.texts().first().contains(QStringLiteral("rptCheque.rpt")));
    QVERIFY(m_window->isVisible());
}

QUILLSET_TEST_MAIN(TestReportWindow, QApplication)
#include "tst_frmReport.moc"
