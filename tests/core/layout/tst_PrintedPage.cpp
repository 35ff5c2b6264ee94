#include "support/PdfWords.h"
#include "support/PrintedPageCheck.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/banks/BankAccount.h"
#include "core/base/Files.h"
#include "core/cheque/Cheque.h"
#include "core/issue/IssueCheque.h"
#include "core/layout/CalibrationSheet.h"
#include "core/layout/ComposeCheque.h"
#include "core/layout/Fonts.h"
#include "core/layout/PageChecks.h"
#include "core/layout/PageMetrics.h"
#include "core/layout/PageRenderer.h"
#include "print/PdfDocument.h"
#include "store/Store.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>

using namespace quillset;
using namespace quillset::test;

// Prints composed pages to PDF through the real printer code and reads back where the ink landed.
class TestPrintedPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void everyShownWordLandsAtItsPlace_data();
    void everyShownWordLandsAtItsPlace();
    void amountIsBoldAndHiddenItemsAreNotPrinted();
    void boldTextStandsOutOnPaperAtItsOwnWidth_data();
    void boldTextStandsOutOnPaperAtItsOwnWidth();
    void stampIsDrawnOnlyWhenAsked();
    void crossingLandsWhereTheAccountPutsIt_data();
    void crossingLandsWhereTheAccountPutsIt();
    void indianAccountPrintsLakhAndCrore();
    void calibrationSheetShowsWhereTheChequeGoes_data();
    void calibrationSheetShowsWhereTheChequeGoes();

private:
    struct PrintedInk
    {
        PdfWord word; ///< where pdftotext finds the text
        double darkness = 0; ///< the ink around the word, in pixels of full black
        QRect inked; ///< the pixels darker than mid-grey, from the word's top-left corner
    };

    static Cheque sampleCheque();
    PrintedInk printedInk(ChequePage page, const QString &name, bool bold);
    QString print(const ChequePage &page);
    ChequePage compose(const Cheque &cheque) const { return composeChequePage(m_db->store(), cheque, m_metrics); }

    std::unique_ptr<TestDatabase> m_db;
    PageMetrics m_metrics;
};

void TestPrintedPage::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
}

Cheque TestPrintedPage::sampleCheque()
{
    return {QStringLiteral("ACC1"), QStringLiteral("000123"), QStringLiteral("ABC Traders"),
            QDate(2026, 12, 6),     Money {123456789, {}},    true,
            kDefaultCrossingWords};
}

QString TestPrintedPage::print(const ChequePage &page)
{
    const QString pdf = m_db->folder() + QStringLiteral("/cheque.pdf");
    writeFile(pdf, FileKind::Pdf, renderPdf({page}, QStringLiteral("cheque")), m_db->path());
    return pdf;
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
    m_db->exec(QStringLiteral("UPDATE sys_parms SET Value = ? WHERE Description = 'CequePosition'"),
               {QString::number(position)});
    m_db->exec(QStringLiteral("UPDATE sys_parms SET Value = ? WHERE Description IN ('CBLeft', 'CBTop')"),
               {calibration});
    const ChequePage page = compose(sampleCheque());
    const QString pdf = print(page);

    int checked = 0;
    const QStringList misplaced = misplacedItems(page, pdf, &checked);
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(u'\n')));
    QCOMPARE(checked, 6); // date, payee, amount, two words lines, company name
}

void TestPrintedPage::amountIsBoldAndHiddenItemsAreNotPrinted()
{
    ChequePage page = compose(sampleCheque());
    for (PageItem &item : page.items) {
        if (item.name == QLatin1String("lblRupeeL3"))
            item.text = QStringLiteral("HIDDENTHIRDLINE");
    }
    const QList<PdfWord> words = pdfWords(print(page));
    QVERIFY(!words.isEmpty());

    const QString figures = QStringLiteral("=123,456,789/-");
    QFont regular(chequeFontFamily());
    regular.setPointSizeF(9.75);
    QFont bold = regular;
    bold.setBold(true);
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(1200 / 0.0254));
    device.setDotsPerMeterY(qRound(1200 / 0.0254));
    const double boldWidth = QFontMetricsF(bold, &device).horizontalAdvance(figures) * 72 / 1200;
    QVERIFY(boldWidth > QFontMetricsF(regular, &device).horizontalAdvance(figures) * 72 / 1200 * 1.03);
    bool amountFound = false;
    for (const PdfWord &word : words) {
        QVERIFY(word.text != QLatin1String("HIDDENTHIRDLINE"));
        if (word.text == figures) {
            amountFound = true;
            QVERIFY2(qAbs((word.xMax - word.xMin) - boldWidth) < 0.5,
                     qPrintable(QString::number(word.xMax - word.xMin)));
        }
    }
    QVERIFY(amountFound);
}

TestPrintedPage::PrintedInk TestPrintedPage::printedInk(ChequePage page, const QString &name, bool bold)
{
    // The item alone on the page, printed to PDF and rasterised at 600 dpi around where its text lies.
    PageItem item = page.item(name);
    item.bold = bold;
    page.items = {item};
    const QString pdf = print(page);
    const QList<PdfWord> words = pdfWords(pdf);
    if (words.size() != 1)
        return {};
    constexpr double kPixelsPerPoint = 600 / 72.0;
    constexpr int kMargin = 24; // 1 mm
    PrintedInk ink {words.first(), 0, QRect()};
    const QRect word = QRectF(QPointF(ink.word.xMin, ink.word.yMin) * kPixelsPerPoint,
                              QPointF(ink.word.xMax, ink.word.yMax) * kPixelsPerPoint)
                           .toAlignedRect();
    const QRect area = word.adjusted(-kMargin, -kMargin, kMargin, kMargin);
    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("600"), QStringLiteral("-gray"), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), QStringLiteral("-x"), QString::number(area.x()), QStringLiteral("-y"),
                  QString::number(area.y()), QStringLiteral("-W"), QString::number(area.width()), QStringLiteral("-H"),
                  QString::number(area.height()), pdf, m_db->folder() + QStringLiteral("/ink")});
    if (!raster.waitForFinished(30000) || raster.exitCode() != 0)
        return {};
    const QImage image(m_db->folder() + QStringLiteral("/ink.png"));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            ink.darkness += (255 - grey) / 255.0;
            if (grey < 128)
                ink.inked |= QRect(x - kMargin, y - kMargin, 1, 1);
        }
    }
    return ink;
}

void TestPrintedPage::boldTextStandsOutOnPaperAtItsOwnWidth_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("text");
    QTest::newRow("the figures") << "lblAmount"
                                 << "=123,456,789/-";
    QTest::newRow("the company name, centred") << "CompanyName"
                                               << "QUILLSET";
}

void TestPrintedPage::boldTextStandsOutOnPaperAtItsOwnWidth()
{
    QFETCH(QString, item);
    QFETCH(QString, text);
    ChequePage page = compose(sampleCheque());
    for (PageItem &each : page.items) {
        if (each.name == item)
            each.text = text;
    }
    const PageItem &styled = page.item(item);
    QVERIFY(styled.bold);
    const PrintedInk bold = printedInk(page, item, true);
    const PrintedInk regular = printedInk(page, item, false);
    QCOMPARE(bold.word.text, text);
    QCOMPARE(regular.word.text, text);

    // Plainly heavier than the regular face on paper, not merely a shade.
    const double ratio = bold.darkness / regular.darkness;
    qInfo("%s: %.2f times the ink of the regular face", qPrintable(item), ratio);
    QVERIFY2(ratio >= 1.3, qPrintable(QString::number(ratio)));

    // Set where the page places it, at the bold face's own width, and inked only there.
    const QStringList misplaced = misplacedItems(page, print(page));
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(u'\n')));
    const double advance = pointsFromTwips(m_metrics.textWidth(text, {page.fontFamily, styled.pointSize, true}));
    QVERIFY2(qAbs((bold.word.xMax - bold.word.xMin) - advance) < 0.3,
             qPrintable(QStringLiteral("%1 pt wide, the bold face sets it in %2 pt")
                            .arg(bold.word.xMax - bold.word.xMin)
                            .arg(advance)));
    const QRect word(0, 0, qRound((bold.word.xMax - bold.word.xMin) * 600 / 72),
                     qRound((bold.word.yMax - bold.word.yMin) * 600 / 72));
    QVERIFY2(word.adjusted(-4, -4, 4, 4).contains(bold.inked), // 4 pixels: 0.17 mm
             qPrintable(QStringLiteral("ink over %1,%2 %3x%4 for a word of %5x%6")
                            .arg(bold.inked.x())
                            .arg(bold.inked.y())
                            .arg(bold.inked.width())
                            .arg(bold.inked.height())
                            .arg(word.width())
                            .arg(word.height())));
}

void TestPrintedPage::stampIsDrawnOnlyWhenAsked()
{
    // Keep the stamp's corner free of the words lines.
    m_db->exec(QStringLiteral("UPDATE BankAccount SET Rupee1Left = 6, Rupee2Left = 6"));
    const auto inkInStamp = [this](bool stamp) {
        Cheque cheque = sampleCheque();
        cheque.payee.clear(); // keep the stamp's corner free of other text
        cheque.stamp = stamp;
        const ChequePage page = compose(cheque);
        QImage image(page.widthTwips / 10, page.heightTwips / 10, QImage::Format_RGB32); // 144 dpi
        image.setDotsPerMeterX(qRound(144 / 0.0254));
        image.setDotsPerMeterY(qRound(144 / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        renderChequePage(painter, page, 144);
        painter.end();
        const PageItem &corner = page.item(QStringLiteral("Stamp"));
        const QRect box = QRectF(corner.rect.topLeft() / 10, corner.rect.size() / 10).toRect();
        int dark = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        return dark;
    };
    QVERIFY(inkInStamp(true) > 500);
    QCOMPARE(inkInStamp(false), 0);
}

void TestPrintedPage::crossingLandsWhereTheAccountPutsIt_data()
{
    QTest::addColumn<QString>("place"); // left top width height in cm; empty for an account from before
    QTest::addColumn<QRectF>("expected"); // from the leaf's corner, in twips
    QTest::newRow("an account from before") << "" << QRectF(0, 0, 1950, 2040);
    QTest::newRow("moved clear of the payee") << "12 0.5 5 3" << QRectF(12 * 567.0, 0.5 * 567.0, 5 * 567.0, 3 * 567.0);
    QTest::newRow("only moved, the usual size") << "8 4" << QRectF(8 * 567.0, 4 * 567.0, 1950, 2040);
}

void TestPrintedPage::crossingLandsWhereTheAccountPutsIt()
{
    QFETCH(QString, place);
    QFETCH(QRectF, expected);
    const QStringList values = place.split(u' ', Qt::SkipEmptyParts);
    const QStringList columns = {QStringLiteral("CrossLeft"), QStringLiteral("CrossTop"), QStringLiteral("CrossWidth"),
                                 QStringLiteral("CrossHeight")};
    for (qsizetype i = 0; i < values.size(); ++i)
        m_db->exec(QStringLiteral("UPDATE BankAccount SET %1 = ?").arg(columns.at(i)), {values.at(i).toDouble()});
    m_db->exec(QStringLiteral("UPDATE sys_parms SET Value = '5' WHERE Description = 'CequePosition'"));
    const ChequePage page = compose(sampleCheque());
    const QRectF stamp = page.item(QStringLiteral("Stamp")).rect;
    const QRectF wanted = expected.translated(page.leaf.topLeft());
    // The leaf's top is kept in single precision, as the layout has always kept it.
    for (const auto &[got, want] :
         {std::pair {stamp.left(), wanted.left()}, std::pair {stamp.top(), wanted.top()},
          std::pair {stamp.width(), wanted.width()}, std::pair {stamp.height(), wanted.height()}})
        QVERIFY2(qAbs(got - want) < 0.01, qPrintable(QStringLiteral("%1 for %2").arg(got).arg(want)));

    // Read back from the PDF: the stamp's words are centred on the box the account gives. Set along
    // the diagonal, they come out of the PDF in pieces of a letter or two.
    QRectF ink;
    for (const PdfWord &word : pdfWords(print(page))) {
        if (QStringLiteral("Payee'sAccountOnly").contains(word.text))
            ink |= QRectF(QPointF(word.xMin, word.yMin), QPointF(word.xMax, word.yMax));
    }
    QVERIFY(!ink.isEmpty());
    const QPointF centre(pointsFromTwips(stamp.center().x()), pointsFromTwips(stamp.center().y()));
    QVERIFY2(QLineF(ink.center(), centre).length() < 5, // a centimetre is 28 points
             qPrintable(QStringLiteral("words centred at %1,%2, box centre at %3,%4")
                            .arg(ink.center().x())
                            .arg(ink.center().y())
                            .arg(centre.x())
                            .arg(centre.y())));
    QVERIFY(pageProblems(page, m_metrics).isEmpty());
}

void TestPrintedPage::indianAccountPrintsLakhAndCrore()
{
    m_db->exec(QStringLiteral("UPDATE BankAccount SET AmountStyle = 'Indian', CurrencyName = 'Rupees', SubunitName = "
                              "'Paise', SubunitDigits = 2"));
    Cheque cheque = sampleCheque();
    cheque.amount = {15'000'000, {AmountStyle::Indian, QStringLiteral("Rupees"), QStringLiteral("Paise"), 2}};
    const ChequePage page = compose(cheque);
    const QString pdf = print(page);
    QStringList words;
    for (const PdfWord &word : pdfWords(pdf))
        words << word.text;
    const QString text = words.join(u' ');
    QVERIFY2(text.contains(QStringLiteral("RUPEES ONE LAKH FIFTY THOUSAND ONLY.")), qPrintable(text));
    QVERIFY2(words.contains(QStringLiteral("=1,50,000/-")), qPrintable(text));
    int checked = 0;
    const QStringList misplaced = misplacedItems(page, pdf, &checked);
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(u'\n')));
}

void TestPrintedPage::calibrationSheetShowsWhereTheChequeGoes_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<double>("left"); // the calibration, cm
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("margin"); // what the printer cannot print at each edge, mm; negative: not known
    QTest::addColumn<QString>("outside"); // the fields the sheet marks
    QTest::newRow("top left, no calibration") << 0 << false << 0.0 << 0.0 << -1.0 << "";
    QTest::newRow("centred, calibrated") << 5 << false << 0.2 << 0.3 << -1.0 << "";
    QTest::newRow("landscape, bottom right, a printer with margins") << 4 << true << -0.4 << -0.6 << 4.0 << "";
    QTest::newRow("top left on a printer with margins") << 0 << false << 0.0 << 0.0 << 5.0 << "Crossing";
}

void TestPrintedPage::calibrationSheetShowsWhereTheChequeGoes()
{
    QFETCH(int, position);
    QFETCH(bool, landscape);
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(double, margin);
    QFETCH(QString, outside);
    PrintSettings settings;
    settings.position = position;
    settings.orientation = landscape ? Orientation::Landscape : Orientation::Portrait;
    settings.calibrationLeft = left;
    settings.calibrationTop = top;
    SheetPrinter printer {QStringLiteral("Desk"), std::nullopt};
    if (margin >= 0)
        printer.margins = QMarginsF(margin, margin, margin, margin);
    const BankAccountRecord account = *m_db->store().accounts().find(QStringLiteral("ACC1"));
    const ChequePage sheet = composeCalibrationSheet(account, settings, printer, m_metrics);
    // The leaf and the boxes are exactly where the cheque's composition puts them.
    Cheque cheque = sampleCheque();
    const ChequePage printed = ComposeCheque(cheque, account, settings, m_metrics);
    QCOMPARE(sheet.leaf, printed.leaf);
    for (const char *name : {"lblDate", "lblPay", "lblAmount", "lblRupeeL1", "Stamp"})
        QCOMPARE(sheet.item(QStringLiteral("Box ") + QLatin1String(name)).rect,
                 printed.item(QString::fromLatin1(name)).rect);

    const QString pdf = print(sheet);
    const QList<PdfWord> words = pdfWords(pdf);
    QVERIFY(!words.isEmpty());
    const auto found = [&](const QString &text, const QPointF &at, bool centred) {
        for (const PdfWord &word : words) {
            const double x = centred ? (word.xMin + word.xMax) / 2 : word.xMin;
            if (word.text == text && qAbs(x - at.x()) < 0.6 && word.yMin > at.y() - 1 && word.yMin < at.y() + 12)
                return true;
        }
        return false;
    };
    // Each box's label in its top-left corner, or as near it as the leaf's rulers let it be.
    for (const auto &[name, label] : {std::pair {"lblPay", "Pay"}, std::pair {"lblAmount", "Amount"},
                                      std::pair {"lblDate", "Date"}, std::pair {"Stamp", "Crossing"}}) {
        const QRectF box = sheet.item(QStringLiteral("Box ") + QLatin1String(name)).rect;
        const QRectF placed = sheet.item(QStringLiteral("Label ") + QLatin1String(name)).rect;
        QVERIFY2(box.contains(placed.topLeft()) && placed.left() - box.left() < 567 && placed.top() - box.top() < 567,
                 name);
        const QPointF corner(pointsFromTwips(placed.left()), pointsFromTwips(placed.top()));
        QString near;
        for (const PdfWord &word : words)
            if (qAbs(word.yMin - corner.y()) < 30)
                near += QStringLiteral(" %1@%2,%3").arg(word.text).arg(word.xMin).arg(word.yMin);
        QVERIFY2(
            found(QString::fromLatin1(label), corner, false),
            qPrintable(
                QStringLiteral("%1 at %2,%3:%4").arg(QLatin1String(name)).arg(corner.x()).arg(corner.y()).arg(near)));
    }
    // The leaf's top ruler numbers each centimetre from the drawn corner, just inside the leaf.
    for (int centimetre = 1; centimetre <= 20; ++centimetre) {
        const QPointF mark(pointsFromTwips(sheet.leaf.left() + centimetre * 1440 / 2.54),
                           pointsFromTwips(sheet.leaf.top() + 4 * 1440 / 25.4));
        QVERIFY2(found(QString::number(centimetre), mark, true), qPrintable(QString::number(centimetre)));
    }

    // The outline and a centimetre tick, as the PDF rasterises at 144 dpi (10 twips a pixel).
    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-gray"), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), pdf, m_db->folder() + QStringLiteral("/sheet")});
    QVERIFY(raster.waitForFinished(30000) && raster.exitCode() == 0);
    const QImage image(m_db->folder() + QStringLiteral("/sheet.png"));
    QVERIFY(!image.isNull());
    const auto darkAt = [&](double x, double y) {
        const QPoint pixel(qBound(0, qRound(x / 10), image.width() - 1), qBound(0, qRound(y / 10), image.height() - 1));
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint near(qBound(0, pixel.x() + dx, image.width() - 1), pixel.y());
            if (qGray(image.pixel(near)) < 160)
                return true;
        }
        return false;
    };
    const QRectF leaf = sheet.leaf;
    const double middle = leaf.center().y();
    QVERIFY2(darkAt(qMax(leaf.left(), 5.0), middle), "the leaf's left edge");
    QVERIFY2(darkAt(qMin(leaf.right(), sheet.widthTwips - 5.0), middle), "the leaf's right edge");
    QVERIFY2(!darkAt(leaf.left() + 60, middle + 120), "just inside the left edge is blank");
    QVERIFY2(darkAt(leaf.left() + 2 * 567, leaf.top() + 60), "the 2 cm tick");
    QVERIFY2(!darkAt(leaf.left() + 8.5 * 567 + 28, leaf.top() + 100), "no tick between millimetres");

    QStringList marked;
    for (const PageItem &item : sheet.items) {
        if (item.marked && item.name.startsWith(QLatin1String("Box ")))
            marked.append(sheetLabel(item.name.mid(4)));
    }
    QCOMPARE(marked.join(u','), outside);
}

QUILLSET_TEST_MAIN(TestPrintedPage, QGuiApplication)
#include "tst_PrintedPage.moc"
