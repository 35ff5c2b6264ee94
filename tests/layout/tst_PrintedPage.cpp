#include "doubles/RecordingPrinter.h"
#include "support/PdfWords.h"
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
    /// Where pdftotext puts a word's box relative to the top-left of the text box it was drawn in.
    QPointF textOffset(const PageItem &style);
    ChequePage composeToPdf(const ChequeEntry &entry, const QString &pdf);
    static ChequeEntry sampleEntry();

    QTemporaryDir m_folder;
    QHash<QString, QPointF> m_offsets;
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

QPointF TestPrintedPage::textOffset(const PageItem &style)
{
    const QString key = QStringLiteral("%1/%2").arg(style.pointSize).arg(style.bold);
    if (m_offsets.contains(key))
        return m_offsets.value(key);
    // A page with one word at a known place tells how the viewer's word box sits against the text box.
    ChequePage probe;
    probe.widthTwips = 11906;
    probe.heightTwips = 16838;
    probe.fontFamily = chequeFontFamily();
    PageItem word = style;
    word.name = QStringLiteral("probe");
    word.text = QStringLiteral("Probe");
    word.centred = false;
    word.shown = true;
    word.rect = QRectF(5000, 9000, 3000, 255);
    probe.items = {word};
    const QString pdf = m_folder.filePath(QStringLiteral("probe-%1.pdf").arg(m_offsets.size()));
    SystemPrinter printer(pdf);
    printer.printPage(probe);
    printer.endDocument();
    const QList<PdfWord> words = pdfWords(pdf);
    if (words.size() != 1)
        return QPointF(1e9, 1e9);
    const QPointF offset(words.first().xMin - 250, words.first().yMin - 450);
    m_offsets.insert(key, offset);
    return offset;
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
    const QList<PdfWord> words = pdfWords(pdf);
    QVERIFY(!words.isEmpty());

    constexpr double kTolerance = 0.2 / 25.4 * 72; // 0.2 mm in points
    int checked = 0;
    for (const PageItem &item : page.items) {
        if (!item.shown || item.kind != PageItem::Kind::Text || item.text.trimmed().isEmpty())
            continue;
        const QPointF offset = textOffset(item);
        QVERIFY2(qAbs(offset.x()) < 1 && offset.y() > -1 && offset.y() < 5, qPrintable(item.name));
        const QStringList itemWords = item.text.split(u' ', Qt::SkipEmptyParts);
        double expectedLeft = pointsFromTwips(item.rect.left()) + offset.x();
        const double expectedTop = pointsFromTwips(item.rect.top()) + offset.y();
        const PdfWord *first = nullptr;
        const PdfWord *last = nullptr;
        for (const PdfWord &word : words) {
            if (qAbs(word.yMin - expectedTop) > kTolerance)
                continue;
            if (word.text == itemWords.first() && (!first || word.xMin < first->xMin))
                first = &word;
            if (word.text == itemWords.last() && (!last || word.xMax > last->xMax))
                last = &word;
        }
        QVERIFY2(first && last,
                 qPrintable(item.name + QStringLiteral(": no \"") + itemWords.first()
                            + QStringLiteral("\" at the computed height")));
        if (item.centred) {
            const double centre = pointsFromTwips(item.rect.center().x());
            QVERIFY2(qAbs((first->xMin + last->xMax) / 2 - centre) < kTolerance, qPrintable(item.name));
        } else {
            QVERIFY2(
                qAbs(first->xMin - expectedLeft) < kTolerance,
                qPrintable(
                    QStringLiteral("%1 at %2 pt, computed %3 pt").arg(item.name).arg(first->xMin).arg(expectedLeft)));
        }
        ++checked;
    }
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
