#include "layout/SplitWords.h"

#include <QTest>

using namespace quillset;

// Measurement doubles: every character is 100 twips wide on the printer and 90 on the screen.
class TestSplitWords : public QObject
{
    Q_OBJECT

private slots:
    void splitsAtTheLastFittingBlank_data();
    void splitsAtTheLastFittingBlank();
    void neverCutsAWord();
    void printerDecidesWhetherScreenDecidesWhere();
};

namespace {

double printerWidth(const QString &text)
{
    return text.size() * 100.0;
}

double screenWidth(const QString &text)
{
    return text.size() * 90.0;
}

} // namespace

void TestSplitWords::splitsAtTheLastFittingBlank_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<double>("box");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("secondShown");

    QTest::newRow("narrower than the box") << "FIVE ONLY." << 1001.0 << "FIVE ONLY."
                                           << "" << false;
    QTest::newRow("exactly the box goes through the split") << "FIVE ONLY." << 1000.0 << "FIVE "
                                                            << "ONLY." << true;
    QTest::newRow("no blank at all") << "FIFTEENHUNDRED" << 500.0 << ""
                                     << "FIFTEENHUNDRED" << true;
    QTest::newRow("first word wider than the box") << "SEVENTEEN THOUSAND" << 500.0 << ""
                                                   << "SEVENTEEN THOUSAND" << true;
    QTest::newRow("double blank kept with the first line")
        << "ONE HUNDRED  THOUSAND  ONLY." << 1200.0 << "ONE HUNDRED  "
        << "THOUSAND  ONLY." << true;
}

void TestSplitWords::splitsAtTheLastFittingBlank()
{
    QFETCH(QString, words);
    QFETCH(double, box);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, secondShown);
    const WordsLines lines = SplitWords(words, box, printerWidth, screenWidth);
    QCOMPARE(lines.first, first);
    QCOMPARE(lines.second, second);
    QCOMPARE(lines.secondShown, secondShown);
}

void TestSplitWords::neverCutsAWord()
{
    const QString words = QStringLiteral("NINE HUNDRED NINETY NINE MILLION NINE HUNDRED NINETY NINE THOUSAND NINE "
                                         "HUNDRED NINETY NINE ONLY.");
    for (double box = 300; box <= 12000; box += 37) {
        const WordsLines lines = SplitWords(words, box, printerWidth, screenWidth);
        QCOMPARE(lines.first + lines.second, words);
        QVERIFY(!lines.secondShown || lines.first.isEmpty() || lines.first.endsWith(u' '));
        if (!lines.first.isEmpty())
            QVERIFY(screenWidth(lines.first) <= box);
    }
}

void TestSplitWords::printerDecidesWhetherScreenDecidesWhere()
{
    // The printer finds the text too wide; the screen's narrower measure still places the split.
    const WordsLines lines = SplitWords(QStringLiteral("TEN ONLY."), 850.0, printerWidth, screenWidth);
    QCOMPARE(lines.first, QStringLiteral("TEN "));
    QCOMPARE(lines.second, QStringLiteral("ONLY."));
}

QTEST_GUILESS_MAIN(TestSplitWords)
#include "tst_SplitWords.moc"
