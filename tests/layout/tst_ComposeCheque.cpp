#include "doubles/RecordingPrinter.h"
#include "support/TestDatabase.h"

#include "layout/ComposeCheque.h"
#include "layout/Fonts.h"
#include "store/BankAccounts.h"
#include "store/Failure.h"
#include "store/SystemParameters.h"
#include "words/AmountInWords.h"

#include <QTest>

using namespace quillset;
using namespace quillset::test;

// Where the leaf lies on the page and where every field lies on the leaf, against a real database.
class TestComposeCheque : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void placesTheLeafAtEachPosition_data();
    void placesTheLeafAtEachPosition();
    void readsOnlyWhatThePositionUses();
    void placesEveryFieldAtItsMeasurement();
    void fillsTheTextsAndTheStamp();
    void refusesWhatItCannotCompose_data();
    void refusesWhatItCannotCompose();

private:
    static BankAccountRecord leaf(double width, double height);
    static ChequeEntry entry(const QString &code = QStringLiteral("T1"));
    std::unique_ptr<TestDatabase> m_db;
};

void TestComposeCheque::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    // Round measurements, so that every box can be read off by eye.
    TestDatabase::exec(QStringLiteral(
        "INSERT INTO BankAccount (BankID, Width, Height, DateLeft, DateBottom, DateWidth, PayLeft, PayBottom, "
        "PayWidth, AmountLeft, AmountBottom, AmountWidth, Rupee1Left, Rupee1Bottom, Rupee1Width, Rupee2Left, "
        "Rupee2Bottom, Rupee2Width, Rupee3Left, Rupee3Bottom, Rupee3Width, Rupee3Active) VALUES "
        "('T1', 20, 9, 15, 1, 4, 2, 2, 12, 15, 4, 4, 3, 3, 10, 1, 4, 12, 14, 6, 5, 0)"));
}

void TestComposeCheque::cleanup()
{
    m_db.reset();
}

BankAccountRecord TestComposeCheque::leaf(double width, double height)
{
    BankAccountRecord account;
    account.setValue(Measurement::Width, width);
    account.setValue(Measurement::Height, height);
    return account;
}

ChequeEntry TestComposeCheque::entry(const QString &code)
{
    return {code,
            QStringLiteral("000123"),
            QStringLiteral("31-Dec-2025"),
            QStringLiteral("ABC Traders"),
            QStringLiteral("1234567"),
            narrationForAmountText(QStringLiteral("1234567")),
            true};
}

void TestComposeCheque::placesTheLeafAtEachPosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("width"); // of the leaf, cm
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QString>("leftOffset");
    QTest::addColumn<QPointF>("origin");
    // A4 portrait, a 17.5 x 8 cm leaf, 0.5 cm left and 1 cm top calibration.
    QTest::newRow("Top Left") << 0 << 17.5 << 1 << "0.5" << QPointF(283.5, 567);
    QTest::newRow("Bottom Left") << 1 << 17.5 << 1 << "0.5" << QPointF(283.5, 12869);
    QTest::newRow("Center Top") << 2 << 17.5 << 1 << "0.5" << QPointF(708.25, 567);
    QTest::newRow("Top Right") << 3 << 17.5 << 1 << "0.5" << QPointF(2267, 567);
    QTest::newRow("Bottom Right") << 4 << 17.5 << 1 << "0.5" << QPointF(2267, 12869);
    QTest::newRow("Center Center") << 5 << 17.5 << 1 << "0.5" << QPointF(708.25, 6718);
    QTest::newRow("Center Botom") << 6 << 17.5 << 1 << "0.5" << QPointF(708.25, 12869);
    QTest::newRow("7 stays at the corner") << 7 << 17.5 << 1 << "0.5" << QPointF(0, 0);
    QTest::newRow("-1 stays at the corner") << -1 << 17.5 << 1 << "0.5" << QPointF(0, 0);
    QTest::newRow("landscape Top Right") << 3 << 17.5 << 2 << "0.5" << QPointF(16838 - 9922.5 + 283.5, 567);
    QTest::newRow("offset abc counts as 0") << 0 << 17.5 << 1 << "abc" << QPointF(0, 567);
    QTest::newRow("offset -1 leaves the page") << 0 << 17.5 << 1 << "-1" << QPointF(-567, 567);
    QTest::newRow("leaf wider than the page") << 2 << 25.0 << 1 << "0" << QPointF((11906 - 14175) / 2.0, 567);
}

void TestComposeCheque::placesTheLeafAtEachPosition()
{
    QFETCH(int, position);
    QFETCH(double, width);
    QFETCH(int, orientation);
    QFETCH(QString, leftOffset);
    QFETCH(QPointF, origin);
    SetSystemParameter(Parameter::CalibrationLeft, leftOffset);
    SetSystemParameter(Parameter::CalibrationTop, QStringLiteral("1"));
    RecordingPrinter printer;
    printer.setOrientation(orientation);
    const ChequeOrigin placed = PlaceCheque(position, leaf(width, 8), printer);
    QCOMPARE(QPointF(placed.left, placed.top), origin);
}

void TestComposeCheque::readsOnlyWhatThePositionUses()
{
    RecordingPrinter printer;
    QCOMPARE(printer.pageWidth(), 11906);
    QCOMPARE(printer.pageHeight(), 16838);
    printer.calls.clear();
    // Top Left needs neither page nor leaf size, so a leaf without measurements still places.
    PlaceCheque(0, BankAccountRecord {}, printer);
    QVERIFY(printer.calls.isEmpty());
    QVERIFY_THROWS_EXCEPTION(Failure, PlaceCheque(1, BankAccountRecord {}, printer));
    QCOMPARE(printer.calls, QStringList {QStringLiteral("pageHeight")});
    // Positions off the page read no offsets: without their rows, nothing fails.
    TestDatabase::exec(QStringLiteral("DELETE FROM sys_parms WHERE Description IN ('CBLeft', 'CBTop')"));
    PlaceCheque(7, BankAccountRecord {}, printer);
    QVERIFY_THROWS_EXCEPTION(Failure, PlaceCheque(0, BankAccountRecord {}, printer));
}

void TestComposeCheque::placesEveryFieldAtItsMeasurement()
{
    SetSystemParameter(Parameter::CalibrationTop, QStringLiteral("2"));
    RecordingPrinter printer;
    const ChequePage page = ComposeCheque(entry(), printer);
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
    QCOMPARE(printer.calls.mid(0, 2),
             QStringList({QStringLiteral("setOrientation 1"), QStringLiteral("setPaperSize 9")}));
    QCOMPARE(printer.font().pointSizeF(), 10.0); // the words were measured in Tahoma 10 pt
}

void TestComposeCheque::fillsTheTextsAndTheStamp()
{
    const QString code = QStringLiteral("O'Brien & Sons — बैंक");
    TestDatabase::exec(QStringLiteral("UPDATE BankAccount SET BankID = ? WHERE BankID = 'T1'"), {code});
    RecordingPrinter printer;
    ChequeEntry cheque = entry(code);
    const ChequePage page = ComposeCheque(cheque, printer);
    QCOMPARE(page.item(QStringLiteral("lblDate")).text, QStringLiteral("3    1    1    2    2    0    2    5"));
    QCOMPARE(page.item(QStringLiteral("lblPay")).text, QStringLiteral("ABC Traders"));
    QCOMPARE(page.item(QStringLiteral("lblAmount")).text, QStringLiteral("=1,234,567/-"));
    QVERIFY(page.item(QStringLiteral("lblAmount")).bold && !page.item(QStringLiteral("lblPay")).bold);
    QCOMPARE(page.item(QStringLiteral("lblRupeeL1")).text + page.item(QStringLiteral("lblRupeeL2")).text,
             cheque.narration);
    QVERIFY(page.item(QStringLiteral("Stamp")).shown);

    // A short amount fits the first line; without the stamp, the company name is still printed.
    cheque.narration = narrationForAmountText(QStringLiteral("5"));
    cheque.stamp = false;
    const ChequePage plain = ComposeCheque(cheque, printer);
    QCOMPARE(plain.item(QStringLiteral("lblRupeeL1")).text, QStringLiteral("FIVE ONLY."));
    QVERIFY(!plain.item(QStringLiteral("lblRupeeL2")).shown && !plain.item(QStringLiteral("Stamp")).shown);
    QCOMPARE(plain.item(QStringLiteral("CompanyName")).text, QStringLiteral("Sample Traders Pvt. Ltd."));
}

void TestComposeCheque::refusesWhatItCannotCompose_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("named");
    QTest::newRow("no such account") << ""
                                     << "NOPE"
                                     << "\"NOPE\"";
    QTest::newRow("null measurement") << "UPDATE BankAccount SET Rupee2Bottom = NULL"
                                      << "T1"
                                      << "Rupee L2, Top";
    QTest::newRow("empty orientation") << "UPDATE sys_parms SET Value = '' WHERE Description = 'Orientation'"
                                       << "T1"
                                       << "\"Orientation\"";
    QTest::newRow("orientation the printer refuses")
        << "UPDATE sys_parms SET Value = '3' WHERE Description = 'Orientation'"
        << "T1"
        << "orientation 3";
    QTest::newRow("position not a number") << "UPDATE sys_parms SET Value = 'abc' WHERE Description = 'CequePosition'"
                                           << "T1"
                                           << "\"CequePosition\"";
    QTest::newRow("missing company name") << "DELETE FROM sys_parms WHERE Description = 'CompanyName'"
                                          << "T1"
                                          << "\"CompanyName\"";
    QTest::newRow("no printer") << ""
                                << "T1"
                                << "No printer";
}

void TestComposeCheque::refusesWhatItCannotCompose()
{
    QFETCH(QString, setUp);
    QFETCH(QString, code);
    QFETCH(QString, named);
    if (!setUp.isEmpty())
        TestDatabase::exec(setUp);
    RecordingPrinter printer;
    printer.installed = !named.startsWith(QLatin1String("No printer"));
    try {
        ComposeCheque(entry(code), printer);
        QFAIL("the cheque was composed");
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(named), failure.what());
    }
    QVERIFY(printer.pending.isEmpty() && printer.printed.isEmpty());
}

QTEST_MAIN(TestComposeCheque)
#include "tst_ComposeCheque.moc"
