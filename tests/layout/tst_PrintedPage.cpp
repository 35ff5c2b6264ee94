#include "support/PdfWords.h"
#include "support/PrintedPageCheck.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "cheque/Cheque.h"
#include "issue/IssueCheque.h"
#include "layout/Fonts.h"
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

QUILLSET_TEST_MAIN(TestPrintedPage, QGuiApplication)
#include "tst_PrintedPage.moc"
