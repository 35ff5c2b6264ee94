#include "support/PdfWords.h"
#include "support/TestMain.h"
#include "support/WindowTest.h"

#include "report/ReportPreview.h"
#include "report/frmReport.h"

#include <QDateEdit>
#include <QFile>

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
             QStringList({QStringLiteral("Date,Account,Cheque No,Payee,Amount,Status"),
                          QStringLiteral("2026-12-01,ACC1,\"=\"\"000125\"\"\",\"Rao, Sons\",2500,printed"),
                          QStringLiteral("2026-12-06,ACC1,\"=\"\"000126\"\"\",Today's payee,75,void")}));

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
