#include "support/PdfWords.h"
#include "support/PrintedPageCheck.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "cheque/Cheque.h"
#include "issue/IssueCheque.h"
#include "layout/Fonts.h"
#include "layout/PageChecks.h"
#include "layout/PageMetrics.h"
#include "layout/PageRenderer.h"
#include "layout/PdfDocument.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

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
    void stampIsDrawnOnlyWhenAsked();
    void crossingLandsWhereTheAccountPutsIt_data();
    void crossingLandsWhereTheAccountPutsIt();
    void indianAccountPrintsLakhAndCrore();

private:
    static Cheque sampleCheque();
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
    return {QStringLiteral("ACC1"),
            QStringLiteral("000123"),
            QStringLiteral("ABC Traders"),
            QDate(2026, 12, 6),
            123456789,
            true};
}

QString TestPrintedPage::print(const ChequePage &page)
{
    const QString pdf = m_db->folder() + QStringLiteral("/cheque.pdf");
    writePdfFile(pdf, renderPdf({page}, QStringLiteral("cheque")));
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
    cheque.amount = 15'000'000; // 1,50,000 rupees, in paise
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

QUILLSET_TEST_MAIN(TestPrintedPage, QGuiApplication)
#include "tst_PrintedPage.moc"
