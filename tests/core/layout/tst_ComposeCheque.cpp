#include "support/TestMain.h"

#include "core/banks/BankAccount.h"
#include "core/base/Failure.h"
#include "core/cheque/Cheque.h"
#include "core/layout/ComposeCheque.h"
#include "core/layout/Fonts.h"
#include "core/layout/PageMetrics.h"
#include "core/layout/PrintSettings.h"

#include <QGuiApplication>

using namespace quillset;

// Where the leaf lies on the page and where every field lies on the leaf: a pure function of the
// cheque, the account's layout, the settings and the font metrics.
class TestComposeCheque : public QObject
{
    Q_OBJECT

private slots:
    void placesTheLeafAtEachPosition_data();
    void placesTheLeafAtEachPosition();
    void readsOnlyWhatThePositionUses();
    void placesEveryFieldAtItsMeasurement();
    void fillsTheTextsAndTheStamp();

private:
    // Round measurements, so that every box can be read off by eye.
    static BankAccountRecord roundAccount();
    static Cheque cheque(qint64 amount = 1234567);

    PageMetrics m_metrics;
};

BankAccountRecord TestComposeCheque::roundAccount()
{
    BankAccountRecord account;
    account.bankId = QStringLiteral("T1");
    const double values[] = {20, 9, 15, 1, 4, 2, 2, 12, 15, 4, 4, 3, 3, 10, 1, 4, 12, 14, 6, 5};
    for (int i = 0; i < kMeasurementCount; ++i)
        account.setValue(static_cast<Measurement>(i), values[i]);
    return account;
}

Cheque TestComposeCheque::cheque(qint64 amount)
{
    return {QStringLiteral("T1"), QStringLiteral("000123"), QStringLiteral("ABC Traders"),
            QDate(2025, 12, 31),  Money {amount, {}},       true};
}

void TestComposeCheque::placesTheLeafAtEachPosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("width"); // of the leaf, cm
    QTest::addColumn<int>("orientation");
    QTest::addColumn<double>("leftOffset");
    QTest::addColumn<QPointF>("origin");
    // A4 portrait, a 17.5 x 8 cm leaf, 0.5 cm left and 1 cm top calibration.
    QTest::newRow("Top Left") << 0 << 17.5 << 1 << 0.5 << QPointF(283.5, 567);
    QTest::newRow("Bottom Left") << 1 << 17.5 << 1 << 0.5 << QPointF(283.5, 12869);
    QTest::newRow("Center Top") << 2 << 17.5 << 1 << 0.5 << QPointF(708.25, 567);
    QTest::newRow("Top Right") << 3 << 17.5 << 1 << 0.5 << QPointF(2267, 567);
    QTest::newRow("Bottom Right") << 4 << 17.5 << 1 << 0.5 << QPointF(2267, 12869);
    QTest::newRow("Center Center") << 5 << 17.5 << 1 << 0.5 << QPointF(708.25, 6718);
    QTest::newRow("Center Botom") << 6 << 17.5 << 1 << 0.5 << QPointF(708.25, 12869);
    QTest::newRow("7 stays at the corner") << 7 << 17.5 << 1 << 0.5 << QPointF(0, 0);
    QTest::newRow("-1 stays at the corner") << -1 << 17.5 << 1 << 0.5 << QPointF(0, 0);
    QTest::newRow("landscape Top Right") << 3 << 17.5 << 2 << 0.5 << QPointF(16838 - 9922.5 + 283.5, 567);
    QTest::newRow("offset -1 leaves the page") << 0 << 17.5 << 1 << -1.0 << QPointF(-567, 567);
    QTest::newRow("leaf wider than the page") << 2 << 25.0 << 1 << 0.0 << QPointF((11906 - 14175) / 2.0, 567);
}

void TestComposeCheque::placesTheLeafAtEachPosition()
{
    QFETCH(int, position);
    QFETCH(double, width);
    QFETCH(int, orientation);
    QFETCH(double, leftOffset);
    QFETCH(QPointF, origin);
    PrintSettings settings;
    settings.position = position;
    settings.orientation = static_cast<Orientation>(orientation);
    settings.calibrationLeft = leftOffset;
    settings.calibrationTop = 1.0;
    BankAccountRecord leaf;
    leaf.setValue(Measurement::Width, width);
    leaf.setValue(Measurement::Height, 8);
    const ChequeOrigin placed = PlaceCheque(settings, leaf, m_metrics.pageSize(settings.orientation));
    QCOMPARE(QPointF(placed.left, placed.top), origin);
}

void TestComposeCheque::readsOnlyWhatThePositionUses()
{
    QCOMPARE(m_metrics.pageSize(Orientation::Portrait), QSize(11906, 16838));
    const QSize page = m_metrics.pageSize(Orientation::Portrait);
    PrintSettings settings;
    // Top Left needs no leaf size, so a leaf without measurements still places; Bottom Left needs the height.
    PlaceCheque(settings, BankAccountRecord {}, page);
    settings.position = 1;
    try {
        PlaceCheque(settings, BankAccountRecord {}, page);
        QFAIL("a leaf without a height was placed at the bottom");
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(QStringLiteral("Cheq Height")), failure.what());
    }
    // Positions off the page use no offsets: without their settings, nothing fails.
    settings.calibrationLeft.reset();
    settings.position = 7;
    PlaceCheque(settings, BankAccountRecord {}, page);
    settings.position = 0;
    QVERIFY_THROWS_EXCEPTION(Failure, PlaceCheque(settings, BankAccountRecord {}, page));
}

void TestComposeCheque::placesEveryFieldAtItsMeasurement()
{
    PrintSettings settings;
    settings.calibrationTop = 2.0;
    const ChequePage page = ComposeCheque(cheque(), roundAccount(), settings, m_metrics);
    QCOMPARE(page.widthTwips, 11906);
    QCOMPARE(page.heightTwips, 16838);
    // Bottoms count from one Tahoma 10 pt line above the leaf, as Windows sets it: (2049 + 423) / 2048
    // of 200 twips. The stamp keeps the leaf's own corner.
    QCOMPARE(chequeFontFamily(), QStringLiteral("Tahoma"));
    QCOMPARE(page.chequeTop, static_cast<float>(2 * 567 - (2049.0 + 423.0) / 2048.0 * 200.0));
    QCOMPARE(page.item(QStringLiteral("Stamp")).rect, QRectF(0, 2 * 567, 1950, 2040));

    const double y = page.chequeTop;
    QCOMPARE(page.item(QStringLiteral("lblDate")).rect, QRectF(15 * 567, y + 567 - 255, 4 * 567, 255));
    QCOMPARE(page.item(QStringLiteral("lblPay")).rect, QRectF(2 * 567, y + 2 * 567 - 255, 12 * 567, 255));
    QCOMPARE(page.item(QStringLiteral("lblAmount")).rect, QRectF(15 * 567, y + 4 * 567 - 255, 4 * 567, 255));
    // The words lines get a centimetre more than measured; the third line is placed but never shown.
    QCOMPARE(page.item(QStringLiteral("lblRupeeL1")).rect, QRectF(3 * 567, y + 3 * 567 - 255, 6237, 255));
    QCOMPARE(page.item(QStringLiteral("lblRupeeL2")).rect, QRectF(567, y + 4 * 567 - 255, 13 * 567, 255));
    QCOMPARE(page.item(QStringLiteral("lblRupeeL3")).rect, QRectF(14 * 567, y + 6 * 567 - 255, 5 * 567, 255));
    QVERIFY(!page.item(QStringLiteral("lblRupeeL3")).shown);
    // The company name hangs from its measured top, centred and bold.
    const PageItem &company = page.item(QStringLiteral("CompanyName"));
    QCOMPARE(company.rect, QRectF(14 * 567, y + 6 * 567, 5 * 567, 255));
    QVERIFY(company.centred && company.bold && company.pointSize == 9.0);

    BankAccountRecord holed = roundAccount();
    holed.setValue(Measurement::Rupee2Bottom, std::nullopt);
    try {
        ComposeCheque(cheque(), holed, settings, m_metrics);
        QFAIL("a leaf with a missing measurement was composed");
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(QStringLiteral("Rupee L2, Top")), failure.what());
    }
}

void TestComposeCheque::fillsTheTextsAndTheStamp()
{
    PrintSettings settings;
    settings.companyName = QStringLiteral("Sample Traders Pvt. Ltd.");
    const ChequePage page = ComposeCheque(cheque(), roundAccount(), settings, m_metrics);
    QCOMPARE(page.item(QStringLiteral("lblDate")).text, QStringLiteral("3    1    1    2    2    0    2    5"));
    QCOMPARE(page.item(QStringLiteral("lblPay")).text, QStringLiteral("ABC Traders"));
    QCOMPARE(page.item(QStringLiteral("lblAmount")).text, QStringLiteral("=1,234,567/-"));
    QVERIFY(page.item(QStringLiteral("lblAmount")).bold && !page.item(QStringLiteral("lblPay")).bold);
    // Made from the amount itself, in capitals, split at a blank over the two lines.
    QCOMPARE(page.item(QStringLiteral("lblRupeeL1")).text + page.item(QStringLiteral("lblRupeeL2")).text,
             QStringLiteral("ONE MILLION TWO HUNDRED THIRTY FOUR THOUSAND FIVE HUNDRED SIXTY SEVEN ONLY."));
    QVERIFY(page.item(QStringLiteral("lblRupeeL1")).text.endsWith(u' '));
    QVERIFY(page.item(QStringLiteral("Stamp")).shown);

    // A short amount fits the first line; without the stamp, the company name is still printed.
    Cheque plain = cheque(5);
    plain.stamp = false;
    const ChequePage short_ = ComposeCheque(plain, roundAccount(), settings, m_metrics);
    QCOMPARE(short_.item(QStringLiteral("lblRupeeL1")).text, QStringLiteral("FIVE ONLY."));
    QVERIFY(!short_.item(QStringLiteral("lblRupeeL2")).shown && !short_.item(QStringLiteral("Stamp")).shown);
    QCOMPARE(short_.item(QStringLiteral("CompanyName")).text, QStringLiteral("Sample Traders Pvt. Ltd."));
}

QUILLSET_TEST_MAIN(TestComposeCheque, QGuiApplication)
#include "tst_ComposeCheque.moc"
