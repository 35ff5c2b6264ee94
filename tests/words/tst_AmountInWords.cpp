#include "support/TestMain.h"

#include "core/Failure.h"
#include "words/AmountInWords.h"

#include <QCoreApplication>

using namespace quillset;

class TestAmountInWords : public QObject
{
    Q_OBJECT

private slots:
    void spellsAmountsAsTheChequePrintsThem_data();
    void spellsAmountsAsTheChequePrintsThem();
    void refusesAmountsItCannotWrite_data();
    void refusesAmountsItCannotWrite();
};

void TestAmountInWords::spellsAmountsAsTheChequePrintsThem_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("words");

    QTest::newRow("zero") << 0.0 << " Only.";
    QTest::newRow("5") << 5.0 << "Five Only.";
    QTest::newRow("14 spelled right") << 14.0 << "Fourteen Only.";
    QTest::newRow("15") << 15.0 << "Fifteen Only.";
    QTest::newRow("20 without trailing blank") << 20.0 << "Twenty Only.";
    QTest::newRow("30 with trailing blank") << 30.0 << "Thirty  Only.";
    QTest::newRow("21") << 21.0 << "Twenty One Only.";
    QTest::newRow("45") << 45.0 << "Forty Five Only.";
    QTest::newRow("100") << 100.0 << "One Hundred  Only.";
    QTest::newRow("101") << 101.0 << "One Hundred One Only.";
    QTest::newRow("110") << 110.0 << "One Hundred Ten Only.";
    QTest::newRow("1,000") << 1000.0 << "One Thousand  Only.";
    QTest::newRow("1,005") << 1005.0 << "One Thousand Five Only.";
    QTest::newRow("12,345") << 12345.0 << "Twelve Thousand Three Hundred Forty Five Only.";
    QTest::newRow("100,000") << 100000.0 << "One Hundred  Thousand  Only.";
    QTest::newRow("150,000") << 150000.0 << "One Hundred Fifty  Thousand  Only.";
    QTest::newRow("1,000,000") << 1000000.0 << "One Million  Only.";
    QTest::newRow("123,456,789") << 123456789.0
                                 << "One Hundred Twenty Three Million Four Hundred Fifty Six Thousand Seven Hundred "
                                    "Eighty Nine Only.";
    QTest::newRow("100,000,000 carries Million") << 100000000.0 << "One Hundred  Million  Only.";
    QTest::newRow("999,999,999 largest typed") << 999999999.0
                                               << "Nine Hundred Ninety Nine Million Nine Hundred Ninety Nine Thousand "
                                                  "Nine Hundred Ninety Nine Only.";
    QTest::newRow("1,000,000,000") << 1000000000.0 << "One Billion  Only.";
    QTest::newRow("999,999,999,999") << 999999999999.0
                                     << "Nine Hundred Ninety Nine Billion Nine Hundred Ninety Nine Million Nine "
                                        "Hundred Ninety Nine Thousand Nine Hundred Ninety Nine Only.";
    QTest::newRow("1,234.56 rounds up") << 1234.56 << "One Thousand Two Hundred Thirty Five Only.";
    QTest::newRow("1,234.5 rounds to even") << 1234.5 << "One Thousand Two Hundred Thirty Four Only.";
    QTest::newRow("99.5 carries into hundreds") << 99.5 << "One Hundred  Only.";
    QTest::newRow("199.7 carries into hundreds") << 199.7 << "Two Hundred  Only.";
    QTest::newRow("999.6 carries into thousands") << 999.6 << "One Thousand  Only.";
}

void TestAmountInWords::spellsAmountsAsTheChequePrintsThem()
{
    QFETCH(double, amount);
    QFETCH(QString, words);
    QCOMPARE(AmountInWords(amount), words);
}

void TestAmountInWords::refusesAmountsItCannotWrite_data()
{
    QTest::addColumn<double>("amount");
    QTest::newRow("negative") << -5.0;
    QTest::newRow("a thousand billion") << 1000000000000.0;
    QTest::newRow("more, ending in 5") << 1000000000005.0;
    QTest::newRow("rounds up to a thousand billion") << 999999999999.6;
}

void TestAmountInWords::refusesAmountsItCannotWrite()
{
    QFETCH(double, amount);
    QVERIFY_THROWS_EXCEPTION(Failure, AmountInWords(amount));
}

QUILLSET_TEST_MAIN(TestAmountInWords, QCoreApplication)
#include "tst_AmountInWords.moc"
