#include "support/TestDatabase.h"

#include "store/Failure.h"
#include "store/SystemParameters.h"

#include <QTest>

using namespace quillset;
using quillset::test::TestDatabase;

class TestSystemParameters : public QObject
{
    Q_OBJECT

private slots:
    void storesTextExactlyAsTyped_data();
    void storesTextExactlyAsTyped();
    void nullValueReadsAsEmpty();
    void duplicateRowsReadFirstAndUpdateBoth();
    void missingRowIsNamedAndAddedBySaving();
    void wholeNumbersAreReadOrNamed_data();
    void wholeNumbersAreReadOrNamed();
    void numericValueTakesTheLeadingNumber_data();
    void numericValueTakesTheLeadingNumber();
};

void TestSystemParameters::storesTextExactlyAsTyped_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("apostrophe") << "Dealer's Co.";
    QTest::newRow("quotes and brackets") << "\"A\" [B] 'C'; DROP TABLE sys_parms; --";
    QTest::newRow("unicode") << "Śrī Gaṇeśa Traders ₹";
    QTest::newRow("calibration as typed") << " 0.50 cm";
    QTest::newRow("empty") << "";
}

void TestSystemParameters::storesTextExactlyAsTyped()
{
    QFETCH(QString, value);
    TestDatabase db;
    QVERIFY(db.isReady());
    SetSystemParameter(Parameter::CompanyName, value);
    QCOMPARE(GetSystemParameter(Parameter::CompanyName), value);
    QCOMPARE(TestDatabase::scalar(QStringLiteral("SELECT count(*) FROM sys_parms")).toInt(), 6);
    QCOMPARE(GetSystemParameter(Parameter::Stamp), QStringLiteral("1"));
}

void TestSystemParameters::nullValueReadsAsEmpty()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    TestDatabase::exec(QStringLiteral("UPDATE sys_parms SET Value = NULL WHERE Description = 'CBLeft'"));
    QCOMPARE(GetSystemParameter(Parameter::CalibrationLeft), QString());
    QCOMPARE(numericParameter(Parameter::CalibrationLeft), 0.0);
}

void TestSystemParameters::duplicateRowsReadFirstAndUpdateBoth()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    TestDatabase::exec(QStringLiteral("INSERT INTO sys_parms VALUES ('Stamp', '0')"));
    QCOMPARE(GetSystemParameter(Parameter::Stamp), QStringLiteral("1"));
    SetSystemParameter(Parameter::Stamp, QStringLiteral("0"));
    QCOMPARE(TestDatabase::scalar(QStringLiteral("SELECT count(*) FROM sys_parms WHERE Description = 'Stamp' "
                                                 "AND Value = '0'"))
                 .toInt(),
             2);
}

void TestSystemParameters::missingRowIsNamedAndAddedBySaving()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    TestDatabase::exec(QStringLiteral("DELETE FROM sys_parms WHERE Description = 'CequePosition'"));
    try {
        GetSystemParameter(Parameter::ChequePosition);
        QFAIL("a missing parameter was read");
    } catch (const Failure &failure) {
        QVERIFY(failure.description().contains(QStringLiteral("\"CequePosition\"")));
        QCOMPARE(failure.number(), ErrorNumber::ParameterMissing);
    }
    SetSystemParameter(Parameter::ChequePosition, QStringLiteral("3"));
    QCOMPARE(GetSystemParameter(Parameter::ChequePosition), QStringLiteral("3"));
}

void TestSystemParameters::wholeNumbersAreReadOrNamed_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected"); // -999: refused
    QTest::newRow("digit") << "6" << 6;
    QTest::newRow("blanks around") << " 2 " << 2;
    QTest::newRow("half to even down") << "2.5" << 2;
    QTest::newRow("half to even up") << "3.5" << 4;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("empty") << "" << -999;
    QTest::newRow("word") << "Landscape" << -999;
    QTest::newRow("number then text") << "1x" << -999;
}

void TestSystemParameters::wholeNumbersAreReadOrNamed()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    TestDatabase db;
    QVERIFY(db.isReady());
    SetSystemParameter(Parameter::Orientation, stored);
    if (expected != -999) {
        QCOMPARE(wholeNumberParameter(Parameter::Orientation), expected);
        return;
    }
    try {
        wholeNumberParameter(Parameter::Orientation);
        QFAIL("a value that is not a whole number was accepted");
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(QStringLiteral("\"Orientation\"")), failure.what());
    }
}

void TestSystemParameters::numericValueTakesTheLeadingNumber_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<double>("value");
    QTest::newRow("decimal") << "0.5" << 0.5;
    QTest::newRow("negative") << "-1" << -1.0;
    QTest::newRow("leading blanks") << "  1.25cm" << 1.25;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("bare point") << "." << 0.0;
    QTest::newRow("exponent") << "2e1" << 20.0;
    QTest::newRow("unfinished exponent") << "3e" << 3.0;
}

void TestSystemParameters::numericValueTakesTheLeadingNumber()
{
    QFETCH(QString, stored);
    QFETCH(double, value);
    TestDatabase db;
    QVERIFY(db.isReady());
    SetSystemParameter(Parameter::CalibrationLeft, stored);
    QCOMPARE(numericParameter(Parameter::CalibrationLeft), value);
    QCOMPARE(GetSystemParameter(Parameter::CalibrationLeft), stored);
}

QTEST_GUILESS_MAIN(TestSystemParameters)
#include "tst_SystemParameters.moc"
