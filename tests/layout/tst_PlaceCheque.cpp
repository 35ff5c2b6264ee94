#include "doubles/RecordingPrinter.h"
#include "support/TestDatabase.h"

#include "layout/ComposeCheque.h"
#include "store/BankAccounts.h"
#include "store/SystemParameters.h"

#include <QTest>

using namespace quillset;
using namespace quillset::test;

class TestPlaceCheque : public QObject
{
    Q_OBJECT

private slots:
    void placesTheLeafAtEachPosition_data();
    void placesTheLeafAtEachPosition();
    void unknownPositionStaysAtTheCornerAndReadsNothing_data();
    void unknownPositionStaysAtTheCornerAndReadsNothing();
    void readsPageAndLeafOnlyWhereUsed();
    void landscapePageIsWide();
    void offsetsThatAreNotNumbersCountAsZero_data();
    void offsetsThatAreNotNumbersCountAsZero();
    void leafWiderThanThePageGoesNegative();

private:
    static BankAccountRecord leaf(double width, double height);
};

BankAccountRecord TestPlaceCheque::leaf(double width, double height)
{
    BankAccountRecord account;
    account.bankId = QStringLiteral("LEAF");
    account.setValue(Measurement::Width, width);
    account.setValue(Measurement::Height, height);
    return account;
}

void TestPlaceCheque::placesTheLeafAtEachPosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    // A4 portrait, a 17.5 x 8 cm leaf, 0.5 cm left and 1 cm top calibration.
    QTest::newRow("Top Left") << 0 << 283.5 << 567.0;
    QTest::newRow("Bottom Left") << 1 << 283.5 << 12869.0;
    QTest::newRow("Center Top") << 2 << 708.25 << 567.0;
    QTest::newRow("Top Right") << 3 << 2267.0 << 567.0;
    QTest::newRow("Bottom Right") << 4 << 2267.0 << 12869.0;
    QTest::newRow("Center Center") << 5 << 708.25 << 6718.0;
    QTest::newRow("Center Botom") << 6 << 708.25 << 12869.0;
}

void TestPlaceCheque::placesTheLeafAtEachPosition()
{
    QFETCH(int, position);
    QFETCH(double, left);
    QFETCH(double, top);
    TestDatabase db;
    QVERIFY(db.isReady());
    SetSystemParameter(Parameter::CalibrationLeft, QStringLiteral("0.5"));
    SetSystemParameter(Parameter::CalibrationTop, QStringLiteral("1"));
    RecordingPrinter printer;
    QCOMPARE(printer.pageWidth(), 11906);
    QCOMPARE(printer.pageHeight(), 16838);

    const ChequeOrigin origin = PlaceCheque(position, leaf(17.5, 8), printer);
    QCOMPARE(origin.left, left);
    QCOMPARE(origin.top, top);
}

void TestPlaceCheque::unknownPositionStaysAtTheCornerAndReadsNothing_data()
{
    QTest::addColumn<int>("position");
    QTest::newRow("7") << 7;
    QTest::newRow("-1") << -1;
}

void TestPlaceCheque::unknownPositionStaysAtTheCornerAndReadsNothing()
{
    QFETCH(int, position);
    TestDatabase db;
    QVERIFY(db.isReady());
    // Without the calibration rows, reading an offset would fail: none may be read.
    TestDatabase::exec(QStringLiteral("DELETE FROM sys_parms WHERE Description IN ('CBLeft', 'CBTop')"));
    RecordingPrinter printer;
    const ChequeOrigin origin = PlaceCheque(position, BankAccountRecord {}, printer);
    QCOMPARE(origin.left, 0.0);
    QCOMPARE(origin.top, 0.0);
    QVERIFY(printer.calls.isEmpty());
}

void TestPlaceCheque::readsPageAndLeafOnlyWhereUsed()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecordingPrinter printer;
    // Top Left needs neither the page nor the leaf size, so a leaf without measurements still places.
    const ChequeOrigin origin = PlaceCheque(0, BankAccountRecord {}, printer);
    QCOMPARE(origin.left, 0.0);
    QVERIFY(printer.calls.isEmpty());
    QVERIFY_THROWS_EXCEPTION(Failure, PlaceCheque(1, BankAccountRecord {}, printer));
    QCOMPARE(printer.calls, QStringList({QStringLiteral("pageHeight")}));
}

void TestPlaceCheque::landscapePageIsWide()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    SetSystemParameter(Parameter::CalibrationLeft, QStringLiteral("0.5"));
    RecordingPrinter printer;
    printer.setOrientation(PrinterServices::kLandscape);
    QCOMPARE(printer.pageWidth(), 16838);
    QCOMPARE(printer.pageHeight(), 11906);
    QCOMPARE(PlaceCheque(3, leaf(17.5, 8), printer).left, 16838 - 9922.5 + 283.5);
}

void TestPlaceCheque::offsetsThatAreNotNumbersCountAsZero_data()
{
    QTest::addColumn<QString>("offset");
    QTest::addColumn<double>("left");
    QTest::newRow("abc") << "abc" << 0.0;
    QTest::newRow("-1 goes past the edge") << "-1" << -567.0;
    QTest::newRow("leading number") << "1.5cm" << 850.5;
}

void TestPlaceCheque::offsetsThatAreNotNumbersCountAsZero()
{
    QFETCH(QString, offset);
    QFETCH(double, left);
    TestDatabase db;
    QVERIFY(db.isReady());
    SetSystemParameter(Parameter::CalibrationLeft, offset);
    RecordingPrinter printer;
    QCOMPARE(PlaceCheque(0, leaf(17.5, 8), printer).left, left);
}

void TestPlaceCheque::leafWiderThanThePageGoesNegative()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    RecordingPrinter printer;
    for (int position = 2; position <= 6; ++position)
        QVERIFY2(PlaceCheque(position, leaf(25, 8), printer).left < 0, qPrintable(QString::number(position)));
    QCOMPARE(PlaceCheque(2, leaf(25, 8), printer).left, (11906 - 14175) / 2.0);
}

QTEST_MAIN(TestPlaceCheque)
#include "tst_PlaceCheque.moc"
