#include "support/TestDatabase.h"

#include "report/ChequeRegister.h"
#include "report/ReportDefinition.h"
#include "report/ReportDocument.h"
#include "store/Failure.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace quillset;
using namespace quillset::test;

class TestChequeRegister : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void selectsTheRangeWithBothEnds_data();
    void selectsTheRangeWithBothEnds();
    void titleCarriesBothDates();
    void reportShowsRowsCountAndTotal();
    void csvQuotesWhatNeedsQuoting();
    void unusableDefinitionIsNamed_data();
    void unusableDefinitionIsNamed();
    void definitionChangesTheReport();
    void longReportBreaksIntoPages();

private:
    std::unique_ptr<TestDatabase> m_db;
};

void TestChequeRegister::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    TestDatabase::exec(QStringLiteral(
        "INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES "
        "('ACC1', '000120', 100, 'Before', '2026-11-30'), ('ACC1', '000125', 2500, 'First day', '2026-12-01'), "
        "('ACC2', '000121', 1234567, 'Dealer''s <Co>', '2026-12-01'), ('ACC1', '000126', 75, 'Last day', "
        "'2026-12-06'), "
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
    QTest::addColumn<QStringList>("cheques");
    QTest::newRow("1 to 6 December") << QDate(2026, 12, 1) << QDate(2026, 12, 6)
                                     << QStringList {QStringLiteral("000121"), QStringLiteral("000125"),
                                                     QStringLiteral("000126")};
    QTest::newRow("one day") << QDate(2026, 12, 6) << QDate(2026, 12, 6) << QStringList {QStringLiteral("000126")};
    QTest::newRow("start after end") << QDate(2026, 12, 6) << QDate(2026, 12, 1) << QStringList {};
}

void TestChequeRegister::selectsTheRangeWithBothEnds()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, cheques);
    QStringList found;
    for (const RegisterEntry &entry : chequesBetween(from, to))
        found.append(entry.chequeNo);
    QCOMPARE(found, cheques);
}

void TestChequeRegister::titleCarriesBothDates()
{
    QCOMPARE(reportTitle(QDate(2026, 12, 1), QDate(2026, 12, 6)),
             QStringLiteral("List of cheques printed from 01-Dec-2026 to 06-Dec-2026"));
}

void TestChequeRegister::reportShowsRowsCountAndTotal()
{
    const ReportDefinition definition = ReportDefinition::load(QStringLiteral(QUILLSET_REPORT_DEFINITION));
    const QString title = reportTitle(QDate(2026, 12, 1), QDate(2026, 12, 6));
    const ReportDocument report(definition, title, chequesBetween(QDate(2026, 12, 1), QDate(2026, 12, 6)));
    const QStringList lines = report.plainText().split(u'\n');
    QCOMPARE(lines.first(), title);
    QVERIFY(lines.contains(QStringLiteral("Date\tAccount\tCheque No\tPayee\tAmount")));
    const qsizetype first = lines.indexOf(QStringLiteral("01-Dec-2026\tACC2\t000121\tDealer's <Co>\t=1,234,567/-"));
    QVERIFY2(first > 0, qPrintable(report.plainText()));
    QCOMPARE(lines.at(first + 1), QStringLiteral("01-Dec-2026\tACC1\t000125\tFirst day\t=2,500/-"));
    QCOMPARE(lines.at(first + 2), QStringLiteral("06-Dec-2026\tACC1\t000126\tLast day\t=75/-"));
    QCOMPARE(lines.last(), QStringLiteral("3 cheques, total =1,237,142/-"));
    QCOMPARE(report.pageCount(), 1);

    const ReportDocument empty(definition, title, {});
    QCOMPARE(empty.plainText().split(u'\n').last(), QStringLiteral("0 cheques, total =0/-"));
    QCOMPARE(empty.pageCount(), 1);
}

void TestChequeRegister::csvQuotesWhatNeedsQuoting()
{
    const QList<RegisterEntry> entries = {{QDate(2026, 12, 1), QStringLiteral("ACC1"), QStringLiteral("000125"),
                                           QStringLiteral("Rao, \"Senior\" & Sons"), 2500.5}};
    QCOMPARE(registerCsv(entries),
             QStringLiteral("Date,Account,Cheque No,Payee,Amount\r\n"
                            "2026-12-01,ACC1,000125,\"Rao, \"\"Senior\"\" & Sons\",2500.5\r\n"));
}

void TestChequeRegister::unusableDefinitionIsNamed_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file
    QTest::addColumn<QString>("problem");
    QTest::newRow("missing") << QByteArray() << "missing";
    QTest::newRow("no columns") << QByteArray("[Report]\nFontSize=9\n") << "no [Columns]";
    QTest::newRow("unknown field") << QByteArray("[Columns]\n1=colour, Colour, 20, left\n") << "column 1";
    QTest::newRow("huge font") << QByteArray("[Report]\nFontSize=300\n[Columns]\n1=date, Date, 20\n") << "font sizes";
}

void TestChequeRegister::unusableDefinitionIsNamed()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    const QString path = m_db->folder() + QStringLiteral("/rptCheque.rpt");
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    try {
        ReportDefinition::load(path);
        QFAIL("an unusable definition was read");
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(path) && failure.description().contains(problem), failure.what());
    }
}

void TestChequeRegister::definitionChangesTheReport()
{
    const QString path = m_db->folder() + QStringLiteral("/rptCheque.rpt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Report]\nSubtitle=Head office\nSummary=Total {total} in {count}\n[Columns]\n1=payee, Paid to, 70\n"
               "2=amount, Rupees, 30, right\n");
    file.close();
    const ReportDocument report(ReportDefinition::load(path), QStringLiteral("T"),
                                chequesBetween(QDate(2026, 12, 6), QDate(2026, 12, 6)));
    QCOMPARE(report.plainText(), QStringLiteral("T\nHead office\nPaid to\tRupees\nLast day\t=75/-\nTotal =75/- in 1"));
}

void TestChequeRegister::longReportBreaksIntoPages()
{
    QList<RegisterEntry> many;
    for (int i = 0; i < 400; ++i)
        many.append({QDate(2026, 12, 1), QStringLiteral("ACC1"), QString::number(i), QStringLiteral("Payee"), 1});
    // A payee too long for its column wraps onto more lines instead of losing text.
    many[10].pay
        = QStringLiteral("A very long payee name that cannot possibly fit on one line of its column ").repeated(3);
    const ReportDefinition definition = ReportDefinition::load(QStringLiteral(QUILLSET_REPORT_DEFINITION));
    const ReportDocument report(definition, QStringLiteral("Many"), many);
    QVERIFY2(report.pageCount() >= 8 && report.pageCount() <= 20, qPrintable(QString::number(report.pageCount())));

    // Every page can be painted on its own, the last with the summary.
    QImage page(595, 842, QImage::Format_RGB32);
    QPainter painter(&page);
    for (int i = 0; i < report.pageCount(); ++i)
        report.paintPage(painter, i, QRectF(0, 0, 595, 842));
}

QTEST_MAIN(TestChequeRegister)
#include "tst_ChequeRegister.moc"
