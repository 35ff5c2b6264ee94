#include "layout/ChequeFormats.h"
#include "layout/SplitWords.h"

#include <QTest>

using namespace quillset;

// The texts as the cheque prints them: dates, figures, and the words split over two lines.
class TestChequeTexts : public QObject
{
    Q_OBJECT

private slots:
    void readsTheDateForms_data();
    void readsTheDateForms();
    void formatsDatesAndFigures_data();
    void formatsDatesAndFigures();
    void splitsTheWordsAtTheLastFittingBlank_data();
    void splitsTheWordsAtTheLastFittingBlank();
    void neverCutsAWord();
};

void TestChequeTexts::readsTheDateForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date"); // invalid: refused
    QTest::newRow("DD-MMM-YYYY") << "06-Dec-2026" << QDate(2026, 12, 6);
    QTest::newRow("D-MMM-YYYY, capitals") << "6-DEC-2026" << QDate(2026, 12, 6);
    QTest::newRow("DD/MM/YYYY day first") << "06/12/2026" << QDate(2026, 12, 6);
    QTest::newRow("DD-MM-YYYY day first") << "06-12-2026" << QDate(2026, 12, 6);
    QTest::newRow("YYYY-MM-DD, blanks around") << " 2026-12-06 " << QDate(2026, 12, 6);
    QTest::newRow("leap day") << "29-Feb-2028" << QDate(2028, 2, 29);
    QTest::newRow("31 February") << "31-Feb-2026" << QDate();
    QTest::newRow("month 13") << "01-13-2026" << QDate();
    QTest::newRow("unknown month") << "06-Dek-2026" << QDate();
    QTest::newRow("mixed separators") << "06/12-2026" << QDate();
    QTest::newRow("two-digit year") << "06-Dec-26" << QDate();
}

void TestChequeTexts::readsTheDateForms()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(parseChequeDate(text).value_or(QDate()), date);
}

void TestChequeTexts::formatsDatesAndFigures_data()
{
    QTest::addColumn<QString>("printed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("entry date") << formatChequeDate(QDate(2027, 5, 1)) << "01-May-2027";
    QTest::newRow("31 December 2025 spread")
        << spreadDateDigits(QStringLiteral("31-Dec-2025")) << "3    1    1    2    2    0    2    5";
    QTest::newRow("not a date, eight characters of it")
        << spreadDateDigits(QStringLiteral("next week")) << "n    e    x    t         w    e    e";
    QTest::newRow("short text keeps the separators")
        << spreadDateDigits(QStringLiteral("abc")) << "a    b    c                    ";
    QTest::newRow("1234567") << formatAmountFigures(QStringLiteral("1234567")) << "=1,234,567/-";
    QTest::newRow("500") << formatAmountFigures(QStringLiteral("500")) << "=500/-";
    QTest::newRow("0") << formatAmountFigures(QStringLiteral("0")) << "=0/-";
    QTest::newRow("not a number") << formatAmountFigures(QStringLiteral("12a")) << "12a";
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

QTEST_GUILESS_MAIN(TestChequeTexts)
#include "tst_ChequeTexts.moc"
