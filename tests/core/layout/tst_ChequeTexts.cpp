#include "support/TestMain.h"

#include "core/layout/ChequeFormats.h"
#include "core/layout/SplitWords.h"
#include "core/words/AmountInWords.h"
#include "core/words/MoneyStyle.h"

#include <QCoreApplication>

using namespace quillset;

// The texts as the cheque prints them: dates, figures, and the words split over two lines.
class TestChequeTexts : public QObject
{
    Q_OBJECT

private slots:
    void formatsDatesAndFigures_data();
    void formatsDatesAndFigures();
    void splitsTheWordsAtTheLastFittingBlank_data();
    void splitsTheWordsAtTheLastFittingBlank();
    void neverCutsAWord();
};

void TestChequeTexts::formatsDatesAndFigures_data()
{
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("31 December 2025 spread")
        << spreadDateDigits(QDate(2025, 12, 31)) << "3    1    1    2    2    0    2    5";
    QTest::newRow("5 March 2024 spread") << spreadDateDigits(QDate(2024, 3, 5))
                                         << "0    5    0    3    2    0    2    4";
    QTest::newRow("1234567") << chequeFigures(1234567, MoneyStyle {}) << "=1,234,567/-";
    QTest::newRow("500") << chequeFigures(500, MoneyStyle {}) << "=500/-";
    QTest::newRow("0") << chequeFigures(0, MoneyStyle {}) << "=0/-";
    QTest::newRow("999999999") << chequeFigures(999999999, MoneyStyle {}) << "=999,999,999/-";
}

void TestChequeTexts::formatsDatesAndFigures()
{
    QFETCH(QString, printed);
    QFETCH(QString, expected);
    QCOMPARE(printed, expected);
}

namespace {

// Measurement doubles: every character is 100 twips wide on the printer and 90 on the screen.
double printerWidth(const QString &text)
{
    return text.size() * 100.0;
}

double screenWidth(const QString &text)
{
    return text.size() * 90.0;
}

} // namespace

void TestChequeTexts::splitsTheWordsAtTheLastFittingBlank_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<double>("box");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second"); // null: the second line is hidden
    QTest::newRow("narrower than the box") << "FIVE ONLY." << 1001.0 << "FIVE ONLY." << QString();
    QTest::newRow("exactly the box goes through the split") << "FIVE ONLY." << 1000.0 << "FIVE "
                                                            << "ONLY.";
    QTest::newRow("screen measure places the split") << "TEN ONLY." << 850.0 << "TEN "
                                                     << "ONLY.";
    QTest::newRow("no blank at all") << "FIFTEENHUNDRED" << 500.0 << ""
                                     << "FIFTEENHUNDRED";
    QTest::newRow("first word wider than the box") << "SEVENTEEN THOUSAND" << 500.0 << ""
                                                   << "SEVENTEEN THOUSAND";
    QTest::newRow("double blank kept with the first line")
        << "ONE HUNDRED  THOUSAND  ONLY." << 1200.0 << "ONE HUNDRED  "
        << "THOUSAND  ONLY.";
}

void TestChequeTexts::splitsTheWordsAtTheLastFittingBlank()
{
    QFETCH(QString, words);
    QFETCH(double, box);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const WordsLines lines = SplitWords(words, box, printerWidth, screenWidth);
    QCOMPARE(lines.first, first);
    QCOMPARE(lines.secondShown, !second.isNull());
    QCOMPARE(lines.second, second.isNull() ? QString() : second);
}

void TestChequeTexts::neverCutsAWord()
{
    const QString words = QStringLiteral("NINE HUNDRED NINETY NINE MILLION NINE HUNDRED NINETY NINE THOUSAND NINE "
                                         "HUNDRED NINETY NINE ONLY.");
    for (double box = 300; box <= 12000; box += 37) {
        const WordsLines lines = SplitWords(words, box, printerWidth, screenWidth);
        QCOMPARE(lines.first + lines.second, words);
        QVERIFY(!lines.secondShown || lines.first.isEmpty() || lines.first.endsWith(u' '));
        QVERIFY(lines.first.isEmpty() || screenWidth(lines.first) <= box || !lines.secondShown);
    }
}

QUILLSET_TEST_MAIN(TestChequeTexts, QCoreApplication)
#include "tst_ChequeTexts.moc"
