#include "support/PdfWords.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/Failure.h"
#include "core/Files.h"
#include "layout/PdfDocument.h"
#include "report/ChequeRegister.h"
#include "report/ReportDefinition.h"
#include "report/ReportDocument.h"
#include "report/ReportPdf.h"
#include "store/Store.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

using namespace quillset;
using namespace quillset::test;

// The register's cheques by date, and the report and CSV made of them.
class TestChequeRegister : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void selectsTheRangeWithBothEnds_data();
    void selectsTheRangeWithBothEnds();
    void reportShowsRowsCountAndTotal();
    void definitionShapesTheReport_data();
    void definitionShapesTheReport();
    void longReportBreaksIntoPages();
    void csvCellsNeverRunInASpreadsheet_data();
    void csvCellsNeverRunInASpreadsheet();

private:
    std::unique_ptr<TestDatabase> m_db;
};

void TestChequeRegister::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_db->exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES "
                              "('ACC1', '000120', 100, 'Before', '2026-11-30'), "
                              "('ACC1', '000125', 2500.5, 'Rao, \"Senior\" & Sons', '2026-12-01'), "
                              "('ACC2', '000121', 1234567, 'Dealer''s <Co>', '2026-12-01'), "
                              "('ACC1', '000126', 75, 'Last day', '2026-12-06'), "
                              "('ACC1', '000127', 9, 'After', '2026-12-07')"));
}

void TestChequeRegister::cleanup()
{
    m_db.reset();
}

void TestChequeRegister::selectsTheRangeWithBothEnds_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("cheques");
    QTest::newRow("1 to 6 December") << QDate(2026, 12, 1) << QDate(2026, 12, 6) << "000121 000125 000126";
    QTest::newRow("one day") << QDate(2026, 12, 6) << QDate(2026, 12, 6) << "000126";
    QTest::newRow("start after end") << QDate(2026, 12, 6) << QDate(2026, 12, 1) << "";
}

void TestChequeRegister::selectsTheRangeWithBothEnds()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, cheques);
    QStringList found;
    for (const RegisterEntry &entry : m_db->store().cheques().between(from, to))
        found.append(entry.chequeNo);
    QCOMPARE(found.join(u' '), cheques);
}

void TestChequeRegister::reportShowsRowsCountAndTotal()
{
    const QList<RegisterEntry> entries = m_db->store().cheques().between(QDate(2026, 12, 1), QDate(2026, 12, 6));
    const QString title = reportTitle(QDate(2026, 12, 1), QDate(2026, 12, 6));
    QCOMPARE(title, QStringLiteral("List of cheques printed from 01-Dec-2026 to 06-Dec-2026"));
    const ReportDefinition definition = ReportDefinition::load(QStringLiteral(QUILLSET_REPORT_DEFINITION));
    const ReportDocument report(definition, title, entries);
    QCOMPARE(report.pageCount(), 1);
    QCOMPARE(report.plainText().split(u'\n').mid(2),
             QStringList({QStringLiteral("Date\tAccount\tCheque No\tPayee\tAmount\tStatus"),
                          QStringLiteral("01-Dec-2026\tACC2\t000121\tDealer's <Co>\t=1,234,567/-\tprinted"),
                          QStringLiteral("01-Dec-2026\tACC1\t000125\tRao, \"Senior\" & Sons\t=2,501/-\tprinted"),
                          QStringLiteral("06-Dec-2026\tACC1\t000126\tLast day\t=75/-\tprinted"),
                          QStringLiteral("3 printed, total =1,237,143/-. 0 pending, 0 spoiled, 0 void.")}));
    QVERIFY(ReportDocument(definition, title, {})
                .plainText()
                .endsWith(QStringLiteral("0 printed, total =0/-. 0 pending, 0 spoiled, 0 void.")));

    QCOMPARE(registerCsv(entries.mid(1, 1)),
             QStringLiteral("Date,Account,Cheque No,Payee,Amount,Status\r\n"
                            "2026-12-01,ACC1,\"=\"\"000125\"\"\",\"Rao, \"\"Senior\"\" & Sons\",2501,printed\r\n"));
}

void TestChequeRegister::definitionShapesTheReport_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::addColumn<QString>("result"); // the report's text, or the problem said
    QTest::newRow("missing") << QByteArray() << "missing";
    QTest::newRow("no columns") << QByteArray("[Report]\nFontSize=9\n") << "no [Columns]";
    QTest::newRow("unknown field") << QByteArray("[Columns]\n1=colour, Colour, 20, left\n") << "column 1";
    QTest::newRow("huge font") << QByteArray("[Report]\nFontSize=300\n[Columns]\n1=date, Date, 20\n") << "font sizes";
    QTest::newRow("the office's own") << QByteArray("[Report]\nSubtitle=Head office\nSummary=Total {total} in {count}\n"
                                                    "[Columns]\n1=payee, Paid to, 70\n2=amount, Rupees, 30, right\n")
                                      << "T\nHead office\nPaid to\tRupees\nLast day\t=75/-\nTotal =75/- in 1";
    // Every character the office writes comes through: semicolons, commas, quotes, other scripts.
    QTest::newRow("written as it stands")
        << QByteArray("; the office's layout\n[Report]\nSubtitle=Head office; Pune,Maharashtra\n"
                      "Summary={printed} paid; total {total}, all cleared\n[Columns]\n"
                      "1=payee, \"Paid to, in full\", 60\n2=amount, \xe0\xa4\xb0\xe0\xa4\x95\xe0\xa4\xae, 40, right\n")
        << QString::fromUtf8("T\nHead office; Pune,Maharashtra\nPaid to, in full\t\u0930\u0915\u092e\nLast "
                             "day\t=75/-\n1 paid; total =75/-, all cleared");
}

void TestChequeRegister::definitionShapesTheReport()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, result);
    const QString path = m_db->folder() + QStringLiteral("/rptCheque.rpt");
    if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    try {
        const ReportDocument report(ReportDefinition::load(path), QStringLiteral("T"),
                                    m_db->store().cheques().between(QDate(2026, 12, 6), QDate(2026, 12, 6)));
        QCOMPARE(report.plainText(), result);
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(path) && failure.description().contains(result), failure.what());
    }
}

void TestChequeRegister::longReportBreaksIntoPages()
{
    RegisterEntry one;
    one.date = QDate(2026, 12, 1);
    one.bankId = QStringLiteral("ACC1");
    one.chequeNo = QStringLiteral("1");
    one.pay = QStringLiteral("Payee");
    one.amount = 1;
    QList<RegisterEntry> many(400, one);
    // A payee too long for its column wraps at its blanks; one longer than a page is cut, with a mark.
    QStringList words;
    for (int i = 0; i < 700; ++i)
        words.append(QStringLiteral("Word%1").arg(i));
    many[3].pay = words.join(u' ');
    many[10].pay = QStringLiteral("A payee name far too long to fit on one line of its column ").repeated(3);
    const ReportDocument report(ReportDefinition::load(QStringLiteral(QUILLSET_REPORT_DEFINITION)), QStringLiteral("M"),
                                many);
    QVERIFY2(report.pageCount() >= 8 && report.pageCount() <= 22, qPrintable(QString::number(report.pageCount())));
    QVERIFY(report.plainText().contains(many[10].pay));

    const QString pdf = m_db->folder() + QStringLiteral("/report.pdf");
    writeFile(pdf, FileKind::Pdf, renderReportPdf(report, QStringLiteral("M")), m_db->path());
    bool cutMarked = false;
    for (int page = 1; page <= 2; ++page) {
        for (const PdfWord &word : pdfWords(pdf, page)) {
            cutMarked = cutMarked || word.text == QLatin1String("cut:");
            if (word.text.startsWith(QLatin1String("Word"))) {
                QVERIFY2(words.contains(word.text), qPrintable(word.text)); // never a word broken in two
                QVERIFY2(word.yMax < 842 - 42, qPrintable(QString::number(word.yMax))); // never over the footer
            }
        }
    }
    QVERIFY(cutMarked);
}

void TestChequeRegister::csvCellsNeverRunInASpreadsheet_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("line"); // as written into the CSV
    QTest::newRow("a formula") << "=HYPERLINK(\"http://x\",\"pay\")"
                               << "7"
                               << "2026-12-01,ACC1,7,\"'=HYPERLINK(\"\"http://x\"\",\"\"pay\"\")\",5,printed";
    QTest::newRow("a command") << "+cmd|' /C calc'!A0"
                               << "8"
                               << "2026-12-01,ACC1,8,'+cmd|' /C calc'!A0,5,printed";
    QTest::newRow("a minus") << "-2+3"
                             << "9"
                             << "2026-12-01,ACC1,9,'-2+3,5,printed";
    QTest::newRow("an at sign") << "@SUM(A1)"
                                << "10"
                                << "2026-12-01,ACC1,10,'@SUM(A1),5,printed";
    QTest::newRow("a tab first") << "\tTabbed"
                                 << "11"
                                 << "2026-12-01,ACC1,11,'\tTabbed,5,printed";
    QTest::newRow("a plain payee, leading zeros kept") << "Plain Co"
                                                       << "000123"
                                                       << "2026-12-01,ACC1,\"=\"\"000123\"\"\",Plain Co,5,printed";
    QTest::newRow("a number that is a formula") << "Plain Co"
                                                << "=1+1"
                                                << "2026-12-01,ACC1,'=1+1,Plain Co,5,printed";
}

void TestChequeRegister::csvCellsNeverRunInASpreadsheet()
{
    QFETCH(QString, payee);
    QFETCH(QString, number);
    QFETCH(QString, line);
    RegisterEntry entry;
    entry.date = QDate(2026, 12, 1);
    entry.bankId = QStringLiteral("ACC1");
    entry.chequeNo = number;
    entry.pay = payee;
    entry.amount = 5;
    QCOMPARE(registerCsv({entry}).split(QStringLiteral("\r\n")).at(1), line);
}

QUILLSET_TEST_MAIN(TestChequeRegister, QGuiApplication)
#include "tst_ChequeRegister.moc"
