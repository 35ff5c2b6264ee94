#include "support/PageImage.h"
#include "support/PdfWords.h"
#include "support/ReportReading.h"
#include "support/TestMain.h"
#include "support/WindowTest.h"

#include "report/ReportPreview.h"
#include "report/frmReport.h"

#include <QAction>
#include <QDateEdit>
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

    void eachPreviewReportsItsOwnRange();
    void previewSavesPdfAndCsv();
    void printGoesToTheDefaultPrinterOnceAsked_data();
    void printGoesToTheDefaultPrinterOnceAsked();
    void previewReadsAsPrinted();
    void missingDefinitionIsNamedAndTheWindowStays();

private:
    ReportPreview *pressPreview();

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
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestReportWindow::cleanup()
{
    delete m_window;
    m_f.reset();
}

ReportPreview *TestReportWindow::pressPreview()
{
    const QList<ReportPreview *> before = m_window->findChildren<ReportPreview *>();
    click(m_window, "cmdPreview");
    for (ReportPreview *report : m_window->findChildren<ReportPreview *>()) {
        if (!before.contains(report))
            return report;
    }
    return nullptr;
}

void TestReportWindow::eachPreviewReportsItsOwnRange()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Cheque report"));
    auto *start = find<QDateEdit>(m_window, "dtpStartDate");
    QCOMPARE(start->date(), QDate(2026, 12, 6));
    QCOMPARE(find<QDateEdit>(m_window, "dtpEndDate")->date(), QDate(2026, 12, 6));
    ReportPreview *today = pressPreview(); // at once: today's cheques
    start->setDate(QDate(2026, 12, 1));
    ReportPreview *december = pressPreview();
    start->setDate(QDate(2026, 12, 7)); // after the end: no cheques, but a report under its title
    ReportPreview *empty = pressPreview();

    QVERIFY(today && december && empty && today->isVisible());
    QCOMPARE(today->windowTitle(), QStringLiteral("List of cheques printed from 06-Dec-2026 to 06-Dec-2026"));
    QCOMPARE(today->entries().size(), 1);
    QVERIFY(today->document().plainText().contains(QStringLiteral("Today's payee")));
    QCOMPARE(december->windowTitle(), QStringLiteral("List of cheques printed from 01-Dec-2026 to 06-Dec-2026"));
    QCOMPARE(december->entries().size(), 2);
    QCOMPARE(empty->windowTitle(), QStringLiteral("List of cheques printed from 07-Dec-2026 to 06-Dec-2026"));
    QVERIFY(empty->entries().isEmpty() && empty->document().plainText().startsWith(empty->windowTitle()));
    QVERIFY(m_f->prompter.messages.isEmpty());
}

void TestReportWindow::previewSavesPdfAndCsv()
{
    find<QDateEdit>(m_window, "dtpStartDate")->setDate(QDate(2026, 12, 1));
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
    QStringList words;
    for (const PdfWord &word : pdfWords(pdf))
        words.append(word.text);
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
    QTest::newRow("printed") << true << false << true << false << 1
                             << "The report, 1 page(s), went to the printer \"TestQueue\" as job 1.";
    QTest::newRow("the operator declines") << true << false << false << false << 0 << "";
    QTest::newRow("no printer") << false << false << true << false << 0
                                << "The report was not printed: No printer is installed.";
    QTest::newRow("the printer refuses") << true << true << true << false << 0
                                         << "The report was not printed: The printer did not accept";
    QTest::newRow("the windows closed meanwhile")
        << true << false << true << true << 1 << "The report, 1 page(s), went to the printer \"TestQueue\" as job 1.";
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
    find<QDateEdit>(m_window, "dtpStartDate")->setDate(QDate(2026, 12, 1));
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
    QStringList words;
    for (const PdfWord &word : pdfWords(pdf))
        words.append(word.text);
    QVERIFY2(words.join(u' ').contains(QStringLiteral("Rao, Sons =2,500/-")), qPrintable(words.join(u' ')));
}

void TestReportWindow::previewReadsAsPrinted()
{
    addThreeMoneysMonth(m_f->db);
    find<QDateEdit>(m_window, "dtpStartDate")->setDate(kMonthStart);
    find<QDateEdit>(m_window, "dtpEndDate")->setDate(kMonthEnd);
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
