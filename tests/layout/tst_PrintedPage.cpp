#include "doubles/RecordingPrinter.h"
#include "support/PdfWords.h"
#include "support/PrintedPageCheck.h"
#include "support/TestDatabase.h"

#include "layout/ComposeCheque.h"
#include "layout/Fonts.h"
#include "layout/PageRenderer.h"
#include "layout/SystemPrinter.h"
#include "store/Failure.h"
#include "words/AmountInWords.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace quillset;
using namespace quillset::test;

// Prints composed pages to PDF through the real printer code and reads back where the ink landed.
class TestPrintedPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyShownWordLandsAtItsPlace_data();
    void everyShownWordLandsAtItsPlace();
    void hiddenItemsAreNotPrinted();
    void amountIsPrintedBold();
    void stampIsDrawnOnlyWhenAsked();
    void missingPrinterIsReportedNotPrintedBlank();

private:
    ChequePage composeToPdf(const ChequeEntry &entry, const QString &pdf);
    static ChequeEntry sampleEntry();

    QTemporaryDir m_folder;
};

void TestPrintedPage::initTestCase()
{
    loadChequeFonts();
    // No test here may reach a real printer queue.
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
}

ChequeEntry TestPrintedPage::sampleEntry()
{
    ChequeEntry entry;
    entry.bankId = QStringLiteral("ACC1");
    entry.chequeNo = QStringLiteral("000123");
    entry.date = QStringLiteral("06-Dec-2026");
    entry.pay = QStringLiteral("ABC Traders");
    entry.amount = QStringLiteral("123456789");
    entry.narration = narrationForAmountText(entry.amount);
    entry.stamp = true;
    return entry;
}

ChequePage TestPrintedPage::composeToPdf(const ChequeEntry &entry, const QString &pdf)
{
    SystemPrinter printer(pdf);
    const ChequePage page = ComposeCheque(entry, printer);
    printer.printPage(page);
    printer.endDocument();
    return page;
}

void TestPrintedPage::everyShownWordLandsAtItsPlace_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("calibration");
    QTest::newRow("Top Left") << 0 << "0";
    QTest::newRow("Center Center, calibrated") << 5 << "0.35";
    QTest::newRow("Bottom Right") << 4 << "-0.2";
}

void TestPrintedPage::everyShownWordLandsAtItsPlace()
{
    QFETCH(int, position);
    QFETCH(QString, calibration);
    TestDatabase db;
    QVERIFY(db.isReady());
    TestDatabase::exec(QStringLiteral("UPDATE sys_parms SET Value = ? WHERE Description = 'CequePosition'"),
                       {QString::number(position)});
    TestDatabase::exec(QStringLiteral("UPDATE sys_parms SET Value = ? WHERE Description IN ('CBLeft', 'CBTop')"),
                       {calibration});
    const QString pdf = m_folder.filePath(QStringLiteral("cheque-%1.pdf").arg(position));
    const ChequePage page = composeToPdf(sampleEntry(), pdf);
    int checked = 0;
    const QStringList misplaced = misplacedItems(page, pdf, &checked);
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(u'\n')));
    QCOMPARE(checked, 6); // date, payee, amount, two words lines, company name
}

void TestPrintedPage::hiddenItemsAreNotPrinted()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecordingPrinter composer;
    ChequePage page = ComposeCheque(sampleEntry(), composer);
    for (PageItem &item : page.items) {
        if (item.name == QLatin1String("lblRupeeL3"))
            item.text = QStringLiteral("HIDDENTHIRDLINE");
    }
    const QString pdf = m_folder.filePath(QStringLiteral("hidden.pdf"));
    SystemPrinter printer(pdf);
    printer.printPage(page);
    printer.endDocument();
    const QList<PdfWord> words = pdfWords(pdf);
    QVERIFY(!words.isEmpty());
    for (const PdfWord &word : words)
        QVERIFY(word.text != QLatin1String("HIDDENTHIRDLINE"));
}

void TestPrintedPage::amountIsPrintedBold()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    const QString pdf = m_folder.filePath(QStringLiteral("bold.pdf"));
    composeToPdf(sampleEntry(), pdf);
    const QString figures = QStringLiteral("=123,456,789/-");
    QFont regular(chequeFontFamily());
    regular.setPointSizeF(9.75);
    QFont bold = regular;
    bold.setBold(true);
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(1200 / 0.0254));
    device.setDotsPerMeterY(qRound(1200 / 0.0254));
    const double boldWidth = QFontMetricsF(bold, &device).horizontalAdvance(figures) * 72 / 1200;
    const double regularWidth = QFontMetricsF(regular, &device).horizontalAdvance(figures) * 72 / 1200;
    QVERIFY(boldWidth > regularWidth * 1.03);
    for (const PdfWord &word : pdfWords(pdf)) {
        if (word.text == figures) {
            QVERIFY2(qAbs((word.xMax - word.xMin) - boldWidth) < 0.5,
                     qPrintable(QString::number(word.xMax - word.xMin)));
            return;
        }
    }
    QFAIL("the amount in figures is not on the page");
}

void TestPrintedPage::stampIsDrawnOnlyWhenAsked()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    const auto inkInStamp = [](bool stamp) {
        RecordingPrinter printer;
        ChequeEntry entry = sampleEntry();
        // Keep the stamp's corner free of other text.
        entry.pay.clear();
        entry.narration.clear();
        entry.stamp = stamp;
        const ChequePage page = ComposeCheque(entry, printer);
        QImage image(page.widthTwips / 10, page.heightTwips / 10, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(144 / 0.0254));
        image.setDotsPerMeterY(qRound(144 / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        renderChequePage(painter, page, 144);
        painter.end();
        const QRect stampBox = QRectF(page.item(QStringLiteral("Stamp")).rect.topLeft() / 10,
                                      page.item(QStringLiteral("Stamp")).rect.size() / 10)
                                   .toRect();
        int dark = 0;
        for (int y = stampBox.top(); y <= stampBox.bottom(); ++y)
            for (int x = stampBox.left(); x <= stampBox.right(); ++x)
                dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        return dark;
    };
    QVERIFY(inkInStamp(true) > 500);
    QCOMPARE(inkInStamp(false), 0);
}

void TestPrintedPage::missingPrinterIsReportedNotPrintedBlank()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    SystemPrinter printer; // the default printer, of which there is none here
    try {
        ComposeCheque(sampleEntry(), printer);
        QFAIL("composed for a printer that does not exist");
    } catch (const Failure &failure) {
        QCOMPARE(failure.number(), ErrorNumber::PrinterMissing);
        QVERIFY(failure.description().contains(QStringLiteral("No printer")));
    }
}

QTEST_MAIN(TestPrintedPage)
#include "tst_PrintedPage.moc"
