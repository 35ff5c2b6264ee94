#include "doubles/RecordingPrompter.h"
#include "support/PdfWords.h"
#include "support/TestDatabase.h"

#include "report/ReportPreview.h"
#include "report/frmReport.h"
#include "shell/AppServices.h"

#include <QDateEdit>
#include <QFile>
#include <QPushButton>
#include <QTest>

using namespace quillset;
using namespace quillset::test;

// Drives the real report window against a real database and the delivered report definition.
class TestReportWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnTodayAndReportsTodaysCheques();
    void eachPreviewHasItsOwnRangeAndTitle();
    void previewSavesPdfAndCsv();
    void missingDefinitionIsNamedAndTheWindowStays();

private:
    ReportPreview *pressPreview();

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingPrompter> m_prompter;
    std::unique_ptr<AppServices> m_services;
    QPointer<frmReport> m_window;
    QString m_saveAs;
};

void TestReportWindow::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    QVERIFY(QFile::copy(QStringLiteral(QUILLSET_REPORT_DEFINITION), m_db->folder() + QStringLiteral("/rptCheque.rpt")));
    TestDatabase::exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES "
                                      "('ACC1', '000125', 2500, 'Rao, Sons', '2026-12-01'), "
                                      "('ACC1', '000126', 75, 'Today''s payee', '2026-12-06')"));
    m_prompter = std::make_unique<RecordingPrompter>();
    m_services = std::make_unique<AppServices>(*m_prompter);
    m_services->today = [] { return QDate(2026, 12, 6); };
    m_services->programFolder = m_db->folder();
    m_services->chooseSaveFile = [this](const QString &, const QString &, const QString &) { return m_saveAs; };
    m_window = new frmReport(*m_services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestReportWindow::cleanup()
{
    delete m_window;
    m_services.reset();
    m_db.reset();
}

ReportPreview *TestReportWindow::pressPreview()
{
    const QList<ReportPreview *> before = m_window->findChildren<ReportPreview *>();
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdPreview")), Qt::LeftButton);
    for (ReportPreview *report : m_window->findChildren<ReportPreview *>()) {
        if (!before.contains(report))
            return report;
    }
    return nullptr;
}

void TestReportWindow::opensOnTodayAndReportsTodaysCheques()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Cheque report"));
    QCOMPARE(m_window->findChild<QDateEdit *>(QStringLiteral("dtpStartDate"))->date(), QDate(2026, 12, 6));
    QCOMPARE(m_window->findChild<QDateEdit *>(QStringLiteral("dtpEndDate"))->date(), QDate(2026, 12, 6));
    ReportPreview *report = pressPreview();
    QVERIFY(report && report->isVisible());
    QCOMPARE(report->windowTitle(), QStringLiteral("List of cheques printed from 06-Dec-2026 to 06-Dec-2026"));
    QCOMPARE(report->entries().size(), 1);
    QVERIFY(report->document().plainText().contains(QStringLiteral("Today's payee")));
    QVERIFY(!report->document().plainText().contains(QStringLiteral("Rao")));
}

void TestReportWindow::eachPreviewHasItsOwnRangeAndTitle()
{
    auto *start = m_window->findChild<QDateEdit *>(QStringLiteral("dtpStartDate"));
    start->setDate(QDate(2026, 12, 1));
    ReportPreview *december = pressPreview();
    start->setDate(QDate(2026, 12, 7)); // after the end: no cheques, but the report still shows
    ReportPreview *empty = pressPreview();
    QVERIFY(december && empty && december != empty);
    QCOMPARE(december->windowTitle(), QStringLiteral("List of cheques printed from 01-Dec-2026 to 06-Dec-2026"));
    QCOMPARE(december->entries().size(), 2);
    QCOMPARE(empty->windowTitle(), QStringLiteral("List of cheques printed from 07-Dec-2026 to 06-Dec-2026"));
    QVERIFY(empty->entries().isEmpty());
    QVERIFY(empty->document().plainText().contains(empty->windowTitle()));
    QVERIFY(m_prompter->messages.isEmpty());
}

void TestReportWindow::previewSavesPdfAndCsv()
{
    m_window->findChild<QDateEdit *>(QStringLiteral("dtpStartDate"))->setDate(QDate(2026, 12, 1));
    ReportPreview *report = pressPreview();
    QVERIFY(report);

    m_saveAs = m_db->folder() + QStringLiteral("/cheques.csv");
    QVERIFY(report->exportCsv(m_saveAs));
    QFile csv(m_saveAs);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines,
             QStringList({QStringLiteral("Date,Account,Cheque No,Payee,Amount"),
                          QStringLiteral("2026-12-01,ACC1,000125,\"Rao, Sons\",2500"),
                          QStringLiteral("2026-12-06,ACC1,000126,Today's payee,75")}));

    const QString pdf = m_db->folder() + QStringLiteral("/cheques.pdf");
    QVERIFY(report->saveAsPdf(pdf));
    QStringList words;
    for (const PdfWord &word : pdfWords(pdf))
        words.append(word.text);
    QVERIFY2(words.contains(QStringLiteral("01-Dec-2026")) && words.contains(QStringLiteral("=2,575/-")),
             qPrintable(words.join(u' ')));

    QVERIFY(!report->exportCsv(m_db->folder() + QStringLiteral("/no such folder/cheques.csv")));
    QCOMPARE(m_prompter->messages.size(), 1);
}

void TestReportWindow::missingDefinitionIsNamedAndTheWindowStays()
{
    QVERIFY(QFile::remove(m_db->folder() + QStringLiteral("/rptCheque.rpt")));
    QVERIFY(!pressPreview());
    QCOMPARE(m_prompter->messages.size(), 1);
    QVERIFY(m_prompter->messages.first().text.contains(QStringLiteral("rptCheque.rpt")));
    QVERIFY(m_window->isVisible());
}

QTEST_MAIN(TestReportWindow)
#include "tst_frmReport.moc"
