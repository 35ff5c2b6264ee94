#include "support/DataRows.h"
#include "support/PageImage.h"
#include "support/PdfWords.h"
#include "support/ReportReading.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "core/report/ChequeRegister.h"
#include "core/report/ReportDefinition.h"
#include "core/report/ReportDocument.h"
#include "core/words/MoneyStyle.h"
#include "print/ReportPdf.h"
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
    void totalsAreInEachAccountsMoney_data();
    void totalsAreInEachAccountsMoney();
    void reportReadsWholeOnEveryDevice_data();
    void reportReadsWholeOnEveryDevice();
    void theLargestAmountsStayOnOneLine();
    void definitionShapesTheReport_data();
    void definitionShapesTheReport();
    void longReportBreaksIntoPages();
    void csvIsDataAndNeverAFormula_data();
    void csvIsDataAndNeverAFormula();

private:
    std::unique_ptr<TestDatabase> m_db;
};

void TestChequeRegister::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_db->exec(QStringLiteral("INSERT INTO BankAccount (BankID, BankName) VALUES ('ACC2', 'Second Bank')"));
    m_db->exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES "
                              "('ACC1', '000120', 100, 'Before', '2026-11-30'), "
                              "('ACC1', '000125', 2501, 'Rao, \"Senior\" & Sons', '2026-12-01'), "
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
    QCOMPARE(
        report.plainText().split(u'\n').mid(2),
        QStringList({QStringLiteral("Date\tAccount\tCheque No\tPayee\tAmount\tStatus"),
                     QStringLiteral("01-Dec-2026\tACC2\t000121\tDealer's <Co>\t=1,234,567/-\tprinted"),
                     QStringLiteral("01-Dec-2026\tACC1\t000125\tRao, \"Senior\" & Sons\t=2,501/-\tprinted"),
                     QStringLiteral("06-Dec-2026\tACC1\t000126\tLast day\t=75/-\tprinted"),
                     QStringLiteral("3 printed, 0 pending, 0 spoiled, 0 void."),
                     QStringLiteral("ACC1: 2 printed, total =2,576/- (Two Thousand Five Hundred Seventy Six Only.)"),
                     QStringLiteral("ACC2: 1 printed, total =1,234,567/- (One Million Two Hundred Thirty Four "
                                    "Thousand Five Hundred Sixty Seven Only.)"),
                     QStringLiteral("All accounts: 3 printed, total =1,237,143/- (One Million Two Hundred "
                                    "Thirty Seven Thousand One Hundred Forty Three Only.)")}));
    QVERIFY(ReportDocument(definition, title, {})
                .plainText()
                .endsWith(QStringLiteral("Date\tAccount\tCheque No\tPayee\tAmount\tStatus\n"
                                         "0 printed, 0 pending, 0 spoiled, 0 void.")));
}

namespace {

// The register's rows from a short description: "RUPEE:123450 DOLLAR:10:void", each account writing
// its money as its name says.
QList<RegisterEntry> entriesFrom(const QString &description)
{
    const auto money = [](AmountStyle style, const char *currency, const char *subunit, int digits) {
        return MoneyStyle {style, QString::fromLatin1(currency), QString::fromLatin1(subunit), digits, true};
    };
    const QHash<QString, MoneyStyle> moneys = {
        {QStringLiteral("RUPEE"), money(AmountStyle::Indian, "Rupees", "Paise", 2)},
        {QStringLiteral("DOLLAR"), money(AmountStyle::International, "Dollars", "Cents", 2)},
        {QStringLiteral("DINAR"), money(AmountStyle::International, "Dinars", "Fils", 3)},
        {QStringLiteral("ACC1"), MoneyStyle {}},
        {QStringLiteral("ACC2"), MoneyStyle {}},
    };
    QList<RegisterEntry> entries;
    for (const QString &row : description.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = row.split(u':');
        RegisterEntry entry;
        entry.date = QDate(2026, 11, 2);
        entry.bankId = parts.at(0);
        entry.chequeNo = QString::number(entries.size() + 1);
        entry.pay = QStringLiteral("Payee");
        entry.amount = parts.at(1).toLongLong();
        entry.money = moneys.value(entry.bankId);
        entry.status = parts.size() > 2 ? *statusFromWord(parts.at(2)) : ChequeStatus::Printed;
        entries.append(entry);
    }
    return entries;
}

} // namespace

void TestChequeRegister::totalsAreInEachAccountsMoney_data()
{
    QTest::addColumn<QString>("entries"); // account:amount in its smallest unit[:status]
    QTest::addColumn<QString>("summary"); // an office's own Summary line; empty for the delivered one
    QTest::addColumn<QString>("lines"); // under the rows, apart by "|"
    row("paise are not whole rupees", "RUPEE:123450", "",
        "1 printed, 0 pending, 0 spoiled, 0 void.|RUPEE: 1 printed, total =1,234.50/- (Rupees One Thousand Two Hundred "
        "Thirty Four and Paise Fifty Only.)");
    row("cents add up as cents", "DOLLAR:10 DOLLAR:20", "",
        "2 printed, 0 pending, 0 spoiled, 0 void.|DOLLAR: 2 printed, total =0.30/- (Dollars Zero and Cents Thirty "
        "Only.)");
    row("rupees, dollars and dinars are never added together",
        "RUPEE:123450 DOLLAR:10 DINAR:12345 DINAR:5000:void DOLLAR:7:pending", "",
        "3 printed, 1 pending, 0 spoiled, 1 void.|"
        "DINAR: 1 printed, total =12.345/- (Dinars Twelve and Fils Three Hundred Forty Five Only.)|"
        "DOLLAR: 1 printed, total =0.10/- (Dollars Zero and Cents Ten Only.)|"
        "RUPEE: 1 printed, total =1,234.50/- (Rupees One Thousand Two Hundred Thirty Four and Paise Fifty Only.)");
    row("accounts alike have a grand total", "ACC1:2500 ACC2:75 ACC2:9:pending ACC1:3:spoiled", "",
        "2 printed, 1 pending, 1 spoiled, 0 void.|ACC1: 1 printed, total =2,500/- (Two Thousand Five Hundred Only.)|"
        "ACC2: 1 printed, total =75/- (Seventy Five Only.)|All accounts: 2 printed, total =2,575/- (Two Thousand Five "
        "Hundred Seventy Five Only.)");
    row("an office's total, one money", "ACC1:2500 ACC2:75", "Total {total} ({words}) in {count}",
        "Total =2,575/- (Two Thousand Five Hundred Seventy Five Only.) in 2|ACC1: 1 printed, total =2,500/- (Two "
        "Thousand Five Hundred Only.)|ACC2: 1 printed, total =75/- (Seventy Five Only.)|All accounts: 2 printed, "
        "total =2,575/- (Two Thousand Five Hundred Seventy Five Only.)");
    row("an office's total, moneys apart", "RUPEE:5 ACC1:2500", "Total {total} in {count}",
        "Total by account, below in 2|ACC1: 1 printed, total =2,500/- (Two Thousand Five Hundred Only.)|RUPEE: 1 "
        "printed, total =0.05/- (Rupees Zero and Paise Five Only.)");
}

void TestChequeRegister::totalsAreInEachAccountsMoney()
{
    QFETCH(QString, entries);
    QFETCH(QString, summary);
    QFETCH(QString, lines);
    ReportDefinition definition = ReportDefinition::load(QStringLiteral(QUILLSET_REPORT_DEFINITION));
    if (!summary.isEmpty())
        definition.summary = summary;
    const QList<RegisterEntry> rows = entriesFrom(entries);
    const ReportDocument report(definition, QStringLiteral("T"), rows);
    // Under the title, the subtitle, the headings and the rows.
    QCOMPARE(report.plainText().split(u'\n').mid(3 + static_cast<int>(rows.size())).join(u'|'), lines);
}

void TestChequeRegister::reportReadsWholeOnEveryDevice_data()
{
    QTest::addColumn<int>("deviceDpi"); // 0: the PDF itself, read at 300 dpi
    QTest::newRow("72 dpi") << 72;
    QTest::newRow("96 dpi, as a screen") << 96;
    QTest::newRow("300 dpi") << 300;
    QTest::newRow("1200 dpi") << 1200;
    QTest::newRow("the PDF") << 0;
}

void TestChequeRegister::reportReadsWholeOnEveryDevice()
{
    QFETCH(int, deviceDpi);
    TestDatabase db;
    QVERIFY(db.isReady());
    addThreeMoneysMonth(db);
    const ReportDefinition definition = ReportDefinition::load(QStringLiteral(QUILLSET_REPORT_DEFINITION));
    const ReportDocument report(definition, reportTitle(kMonthStart, kMonthEnd),
                                db.store().cheques().between(kMonthStart, kMonthEnd));
    QCOMPARE(report.pageCount(), 1);

    // Painted for a device of that resolution, and pictured at 300 dpi as a person would see it.
    const QString pdf = db.folder() + QStringLiteral("/report.pdf");
    writeFile(pdf, FileKind::Pdf, renderReportPdf(report, QStringLiteral("November")), db.path());
    PageImage page = PageImage::fromPdf(pdf);
    const PageImage printed = page;
    if (deviceDpi > 0) {
        QImage image((report.pageSize() * (300.0 / 72.0)).toSize(), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(deviceDpi / 0.0254));
        image.setDotsPerMeterY(qRound(deviceDpi / 0.0254));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        report.paintPage(painter, 0, QRectF(QPointF(0, 0), image.size()));
        painter.end();
        page = PageImage::fromImage(image, 300);
    }
    QVERIFY(!page.isNull());
    const QRectF written(0, 0, page.sizeInPoints().width(), 400); // the rows and totals, above the blank
    // The same lines at the same places as on paper: the text begins and ends where the PDF's does.
    const QRectF ink = page.inkBounds(written);
    const QRectF printedInk = printed.inkBounds(written);
    QVERIFY2(qAbs(ink.top() - printedInk.top()) < 0.5 && qAbs(ink.bottom() - printedInk.bottom()) < 0.5
                 && qAbs(ink.left() - printedInk.left()) < 0.5 && qAbs(ink.right() - printedInk.right()) < 0.5,
             qPrintable(QStringLiteral("ink from %1,%2 to %3,%4 pt; on paper from %5,%6 to %7,%8 pt")
                            .arg(ink.left())
                            .arg(ink.top())
                            .arg(ink.right())
                            .arg(ink.bottom())
                            .arg(printedInk.left())
                            .arg(printedInk.top())
                            .arg(printedInk.right())
                            .arg(printedInk.bottom())));
    const QStringList unread = unreadTexts({page}, threeMoneysReadings(), written);
    QVERIFY2(unread.isEmpty(), qPrintable(unread.join(u'\n')));

    // Every line stands whole: its ink as tall as its font draws it, not cut at its foot or its head.
    QStringList cut = cutWords(page, {QStringLiteral("Payee"), QStringLiteral("Amount")}, reportFace(true), written);
    cut += cutWords(page, {QStringLiteral("Gupta"), QStringLiteral("Joyful"), QStringLiteral("=1,50,000.75/-")},
                    reportFace(false), written);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
}

// The largest amounts are wider than their column: broken after the stroke they read as "=99,99,99,999.99/"
// and a stray "-" on the line below. Whole, each is read on one line with its status.
void TestChequeRegister::theLargestAmountsStayOnOneLine()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    const QList<RegisterEntry> rows = entriesFrom(QStringLiteral("RUPEE:99999999999 DOLLAR:99999999999 RUPEE:150"));
    const ReportDocument report(ReportDefinition::load(QStringLiteral(QUILLSET_REPORT_DEFINITION)),
                                QStringLiteral("The largest amounts"), rows);
    const QString pdf = db.folder() + QStringLiteral("/report.pdf");
    writeFile(pdf, FileKind::Pdf, renderReportPdf(report, QStringLiteral("Largest")), db.path());
    const PageImage page = PageImage::fromPdf(pdf);
    QVERIFY(!page.isNull());
    const QRectF rowsArea(0, 0, page.sizeInPoints().width(), 200);
    const QStringList unread = unreadTexts(
        {page}, {QStringLiteral("=99,99,99,999.99/- printed"), QStringLiteral("=999,999,999.99/- printed")}, rowsArea);
    QVERIFY2(unread.isEmpty(), qPrintable(unread.join(u'\n')));
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
                                      << "T\nHead office\nPaid to\tRupees\nLast day\t=75/-\nTotal =75/- in 1\n"
                                         "ACC1: 1 printed, total =75/- (Seventy Five Only.)";
    QTest::newRow("the office's own totals")
        << QByteArray("[Report]\nSummary=\nAccountTotal=Paid from {account}: {total}, {words} {unknown}\n"
                      "[Columns]\n1=payee, Paid to, 100\n")
        << "T\nPaid to\nLast day\nPaid from ACC1: =75/-, Seventy Five Only. {unknown}";
    QTest::newRow("no totals") << QByteArray("[Report]\nAccountTotal=\n[Columns]\n1=payee, Paid to, 100\n")
                               << "T\nPaid to\nLast day\n1 printed, 0 pending, 0 spoiled, 0 void.";
    // Every character the office writes comes through: semicolons, commas, quotes, other scripts.
    QTest::newRow("written as it stands")
        << QByteArray("; the office's layout\n[Report]\nSubtitle=Head office; Pune,Maharashtra\n"
                      "Summary={printed} paid; total {total}, all cleared\n[Columns]\n"
                      "1=payee, \"Paid to, in full\", 60\n2=amount, \xe0\xa4\xb0\xe0\xa4\x95\xe0\xa4\xae, 40, right\n")
        << QString::fromUtf8("T\nHead office; Pune,Maharashtra\nPaid to, in full\t\u0930\u0915\u092e\nLast "
                             "day\t=75/-\n1 paid; total =75/-, all cleared\nACC1: 1 printed, total =75/- (Seventy Five "
                             "Only.)");
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

void TestChequeRegister::csvIsDataAndNeverAFormula_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("line"); // as written into the CSV
    row("a formula", "=HYPERLINK(\"http://x\",\"pay\")", "7", "",
        "2026-12-01,ACC1,7,\"'=HYPERLINK(\"\"http://x\"\",\"\"pay\"\")\",5,void,");
    row("a command", "+cmd|' /C calc'!A0", "8", "", "2026-12-01,ACC1,8,'+cmd|' /C calc'!A0,5,void,");
    row("a minus", "-2+3", "9", "", "2026-12-01,ACC1,9,'-2+3,5,void,");
    row("an at sign", "@SUM(A1)", "10", "", "2026-12-01,ACC1,10,'@SUM(A1),5,void,");
    row("a tab first", "\tTabbed", "11", "", "2026-12-01,ACC1,11,'\tTabbed,5,void,");
    row("a return first", "\rReturned", "12", "", "2026-12-01,ACC1,12,\"'\rReturned\",5,void,");
    row("leading zeros kept as written, no formula", "Plain Co", "0601", "", "2026-12-01,ACC1,0601,Plain Co,5,void,");
    row("a number that is a formula", "Plain Co", "=1+1", "", "2026-12-01,ACC1,'=1+1,Plain Co,5,void,");
    row("the reason, quoted where it must be", "Rao, \"Senior\" & Sons", "000125", "jammed, reprinted as \"000126\"",
        "2026-12-01,ACC1,000125,\"Rao, \"\"Senior\"\" & Sons\",5,void,\"jammed, reprinted as \"\"000126\"\"\"");
    row("a reason that is a formula", "Plain Co", "13", "-torn", "2026-12-01,ACC1,13,Plain Co,5,void,'-torn");
}

void TestChequeRegister::csvIsDataAndNeverAFormula()
{
    QFETCH(QString, payee);
    QFETCH(QString, number);
    QFETCH(QString, reason);
    QFETCH(QString, line);
    RegisterEntry entry;
    entry.date = QDate(2026, 12, 1);
    entry.bankId = QStringLiteral("ACC1");
    entry.chequeNo = number;
    entry.pay = payee;
    entry.amount = 5;
    entry.status = ChequeStatus::Void;
    entry.reason = reason;
    const QStringList lines = registerCsv({entry}).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.at(0), QStringLiteral("Date,Account,Cheque No,Payee,Amount,Status,Reason"));
    QCOMPARE(lines.at(1), line);
}

QUILLSET_TEST_MAIN(TestChequeRegister, QGuiApplication)
#include "tst_ChequeRegister.moc"
