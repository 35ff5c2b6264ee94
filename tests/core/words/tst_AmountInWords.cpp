#include "support/TestMain.h"

#include "core/base/Failure.h"
#include "core/words/AmountInWords.h"
#include "core/words/MoneyStyle.h"

#include <QCoreApplication>
#include <QHash>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cmath>

using namespace quillset;

Q_DECLARE_METATYPE(quillset::MoneyStyle)

class TestAmountInWords : public QObject
{
    Q_OBJECT

private slots:
    void spellsAmountsAsTheChequePrintsThem_data();
    void spellsAmountsAsTheChequePrintsThem();
    void refusesAmountsItCannotWrite_data();
    void refusesAmountsItCannotWrite();
    void writesEachAccountsMoney_data();
    void writesEachAccountsMoney();
    void wordsReadBackAsTheAmount_data();
    void wordsReadBackAsTheAmount();
};

namespace {

MoneyStyle money(AmountStyle style, const char *currency, const char *subunit, int digits, bool subunitFirst = true,
                 const char *sign = "")
{
    return {style,        QString::fromUtf8(currency), QString::fromUtf8(subunit), digits,
            subunitFirst, QString::fromUtf8(sign)};
}

// A reader of cheque words written for this test from English number words alone, sharing nothing
// with the program's tables: it sums the small words, multiplies by Hundred, and applies each scale
// word either to the whole so far (a scale larger than any before, as "Crore" after "One Thousand Two
// Hundred") or to the group just read. It returns -1 for a word it does not know.
qint64 readNumberWords(const QStringList &words)
{
    static const QHash<QString, qint64> small
        = {{QStringLiteral("One"), 1},       {QStringLiteral("Two"), 2},        {QStringLiteral("Three"), 3},
           {QStringLiteral("Four"), 4},      {QStringLiteral("Five"), 5},       {QStringLiteral("Six"), 6},
           {QStringLiteral("Seven"), 7},     {QStringLiteral("Eight"), 8},      {QStringLiteral("Nine"), 9},
           {QStringLiteral("Ten"), 10},      {QStringLiteral("Eleven"), 11},    {QStringLiteral("Twelve"), 12},
           {QStringLiteral("Thirteen"), 13}, {QStringLiteral("Fourteen"), 14},  {QStringLiteral("Fifteen"), 15},
           {QStringLiteral("Sixteen"), 16},  {QStringLiteral("Seventeen"), 17}, {QStringLiteral("Eighteen"), 18},
           {QStringLiteral("Nineteen"), 19}, {QStringLiteral("Twenty"), 20},    {QStringLiteral("Thirty"), 30},
           {QStringLiteral("Forty"), 40},    {QStringLiteral("Fifty"), 50},     {QStringLiteral("Sixty"), 60},
           {QStringLiteral("Seventy"), 70},  {QStringLiteral("Eighty"), 80},    {QStringLiteral("Ninety"), 90},
           {QStringLiteral("Zero"), 0}};
    static const QHash<QString, qint64> scales = {{QStringLiteral("Thousand"), 1000},
                                                  {QStringLiteral("Lakh"), 100'000},
                                                  {QStringLiteral("Million"), 1'000'000},
                                                  {QStringLiteral("Crore"), 10'000'000},
                                                  {QStringLiteral("Billion"), 1'000'000'000}};
    qint64 total = 0;
    qint64 group = 0;
    qint64 largest = 0;
    for (const QString &w : words) {
        if (small.contains(w)) {
            group += small.value(w);
        } else if (w == QLatin1String("Hundred")) {
            group *= 100;
        } else if (scales.contains(w)) {
            const qint64 scale = scales.value(w);
            if (scale > largest) {
                total = (total + group) * scale;
                largest = scale;
            } else {
                total += group * scale;
            }
            group = 0;
        } else {
            return -1;
        }
    }
    return total + group;
}

// The amount, in the smallest unit, that the words of a cheque stand for; -1 when they cannot be read.
qint64 readChequeWords(QString text, const MoneyStyle &style)
{
    if (!text.endsWith(QLatin1String(" Only.")))
        return -1;
    text.chop(6);
    if (!style.currencyName.isEmpty()) {
        if (!text.startsWith(style.currencyName + u' '))
            return -1;
        text = text.mid(style.currencyName.size() + 1);
    }
    const QStringList parts = text.split(QStringLiteral(" and "));
    qint64 perWhole = 1;
    for (int i = 0; i < style.subunitDigits; ++i)
        perWhole *= 10;
    const qint64 whole = readNumberWords(parts.first().split(u' ', Qt::SkipEmptyParts));
    if (whole < 0 || parts.size() > 2)
        return -1;
    qint64 fraction = 0;
    if (parts.size() == 2) {
        QStringList words = parts.at(1).split(u' ', Qt::SkipEmptyParts);
        if (style.subunitName.isEmpty()) {
            if (words.size() != 1 || !words.first().endsWith(QStringLiteral("/%1").arg(perWhole)))
                return -1;
            fraction = words.first().section(u'/', 0, 0).toLongLong();
        } else {
            // The subunit's name stands before its number or after it, as the account says.
            if (words.isEmpty() || (style.subunitFirst ? words.takeFirst() : words.takeLast()) != style.subunitName)
                return -1;
            fraction = readNumberWords(words);
        }
        if (fraction <= 0 || fraction >= perWhole)
            return -1;
    }
    return whole * perWhole + fraction;
}

} // namespace

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

void TestAmountInWords::writesEachAccountsMoney_data()
{
    QTest::addColumn<MoneyStyle>("money");
    QTest::addColumn<qint64>("amount"); // in the smallest unit
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("figures");
    const MoneyStyle rupees = money(AmountStyle::Indian, "Rupees", "Paise", 2);
    const MoneyStyle plainIndian = money(AmountStyle::Indian, "", "", 0);
    const MoneyStyle dollars = money(AmountStyle::International, "Dollars", "Cents", 2);
    const MoneyStyle dinars = money(AmountStyle::International, "Dinars", "Fils", 3);
    const MoneyStyle before = money(AmountStyle::International, "", "", 0);
    QTest::newRow("one lakh fifty thousand") << rupees << qint64(15'000'000) << "Rupees One Lakh Fifty Thousand Only."
                                             << "=1,50,000/-";
    QTest::newRow("crore with paise") << rupees << qint64(1'234'567'850)
                                      << "Rupees One Crore Twenty Three Lakh Forty Five Thousand Six Hundred Seventy "
                                         "Eight and Paise Fifty Only."
                                      << "=1,23,45,678.50/-";
    QTest::newRow("paise alone") << rupees << qint64(75) << "Rupees Zero and Paise Seventy Five Only."
                                 << "=0.75/-";
    QTest::newRow("lakh and crore without names") << plainIndian << qint64(150'000) << "One Lakh Fifty Thousand Only."
                                                  << "=1,50,000/-";
    QTest::newRow("a hundred crore") << plainIndian << qint64(1'000'000'000) << "One Hundred Crore Only."
                                     << "=1,00,00,00,000/-";
    QTest::newRow("twelve hundred crore")
        << plainIndian << qint64(12'000'000'000) << "One Thousand Two Hundred Crore Only."
        << "=12,00,00,00,000/-";
    QTest::newRow("ten lakh and ten") << plainIndian << qint64(1'000'010) << "Ten Lakh Ten Only."
                                      << "=10,00,010/-";
    QTest::newRow("dollars and cents") << dollars << qint64(123'456'750)
                                       << "Dollars One Million Two Hundred Thirty Four Thousand Five Hundred Sixty "
                                          "Seven and Cents Fifty Only."
                                       << "=1,234,567.50/-";
    QTest::newRow("three decimals") << dinars << qint64(12'345)
                                    << "Dinars Twelve and Fils Three Hundred Forty Five Only."
                                    << "=12.345/-";
    QTest::newRow("fils alone") << dinars << qint64(5) << "Dinars Zero and Fils Five Only."
                                << "=0.005/-";
    QTest::newRow("an account from before, as it always was")
        << before << qint64(150'000) << "One Hundred Fifty  Thousand  Only."
        << "=150,000/-";
    const MoneyStyle rupeesAfter = money(AmountStyle::Indian, "Rupees", "Paise", 2, false);
    QTest::newRow("paise after their number") << rupeesAfter << qint64(1'234'567'850)
                                              << "Rupees One Crore Twenty Three Lakh Forty Five Thousand Six Hundred "
                                                 "Seventy Eight and Fifty Paise Only."
                                              << "=1,23,45,678.50/-";
    QTest::newRow("cents after their number") << money(AmountStyle::International, "Dollars", "Cents", 2, false)
                                              << qint64(10) << "Dollars Zero and Ten Cents Only."
                                              << "=0.10/-";
    QTest::newRow("the order does not touch a whole amount")
        << rupeesAfter << qint64(15'000'000) << "Rupees One Lakh Fifty Thousand Only."
        << "=1,50,000/-";
    QTest::newRow("a rupee sign before the figures")
        << money(AmountStyle::Indian, "Rupees", "Paise", 2, true, "₹") << qint64(123'450)
        << "Rupees One Thousand Two Hundred Thirty Four and Paise Fifty Only."
        << "₹=1,234.50/-";
    QTest::newRow("a dollar sign before the figures") << money(AmountStyle::International, "", "", 0, false, "$")
                                                      << qint64(150'000) << "One Hundred Fifty  Thousand  Only."
                                                      << "$=150,000/-";
    QTest::newRow("decimals without a subunit name") << money(AmountStyle::International, "", "", 2) << qint64(123'450)
                                                     << "One Thousand Two Hundred Thirty Four and 50/100 Only."
                                                     << "=1,234.50/-";
}

void TestAmountInWords::writesEachAccountsMoney()
{
    QFETCH(MoneyStyle, money);
    QFETCH(qint64, amount);
    QFETCH(QString, words);
    QFETCH(QString, figures);
    QCOMPARE(chequeWords(amount, money), words);
    QCOMPARE(chequeFigures(amount, money), figures);
}

void TestAmountInWords::wordsReadBackAsTheAmount_data()
{
    QTest::addColumn<MoneyStyle>("money");
    QTest::addColumn<int>("count");
    QTest::newRow("Indian, rupees and paise") << money(AmountStyle::Indian, "Rupees", "Paise", 2) << 80'000;
    QTest::newRow("Indian, paise after their number")
        << money(AmountStyle::Indian, "Rupees", "Paise", 2, false, "₹") << 40'000;
    QTest::newRow("International, cents after their number")
        << money(AmountStyle::International, "Dollars", "Cents", 2, false) << 40'000;
    QTest::newRow("International, dollars and cents")
        << money(AmountStyle::International, "Dollars", "Cents", 2) << 80'000;
    QTest::newRow("International as before") << money(AmountStyle::International, "", "", 0) << 60'000;
    QTest::newRow("Indian, whole, no names") << money(AmountStyle::Indian, "", "", 0) << 40'000;
    QTest::newRow("three decimals, dinars and fils")
        << money(AmountStyle::International, "Dinars", "Fils", 3) << 40'000;
}

void TestAmountInWords::wordsReadBackAsTheAmount()
{
    QFETCH(MoneyStyle, money);
    QFETCH(int, count);
    QRandomGenerator random(20261207);
    const qint64 largest = 999'999'999 * money.unitsPerWhole() + money.unitsPerWhole() - 1;
    const QString sign = QRegularExpression::escape(money.currencySign);
    const QRegularExpression grouping(u'^' + sign
                                      + (money.style == AmountStyle::Indian
                                             ? QStringLiteral("=(\\d{1,2}(,\\d{2})*,)?\\d{1,3}(\\.\\d+)?/-$")
                                             : QStringLiteral("=\\d{1,3}(,\\d{3})*(\\.\\d+)?/-$")));
    // Where a word or a group changes: each leading digit times each power of ten, one either side of
    // it, and the largest amount; then random amounts, every number of digits equally often, so that
    // small amounts are tried as much as large ones.
    QList<qint64> amounts {0, largest - 1, largest};
    for (qint64 power = 1; power <= largest; power *= 10) {
        for (qint64 digit = 1; digit <= 9 && digit * power <= largest; ++digit)
            amounts << digit * power - 1 << digit * power << digit * power + 1;
    }
    for (int i = 0; i < count; ++i) {
        const int digits = 1 + static_cast<int>(random.bounded(QString::number(largest).size()));
        amounts.append(static_cast<qint64>(random.generate64() % static_cast<quint64>(std::pow(10.0, digits))));
    }
    for (qint64 amount : std::as_const(amounts)) {
        amount = qMin(amount, largest);
        const QString words = chequeWords(amount, money);
        if (readChequeWords(words, money) != amount)
            QFAIL(qPrintable(
                QStringLiteral("%1 reads back as %2: %3").arg(amount).arg(readChequeWords(words, money)).arg(words)));
        QString figures = chequeFigures(amount, money);
        if (!grouping.match(figures).hasMatch())
            QFAIL(qPrintable(QStringLiteral("%1 is grouped wrongly: %2").arg(amount).arg(figures)));
        figures.remove(money.currencySign).remove(u',').remove(u'=').remove(QStringLiteral("/-"));
        const QString decimals = figures.section(u'.', 1);
        if (figures.section(u'.', 0, 0).toLongLong() * money.unitsPerWhole()
                    + decimals.leftJustified(money.subunitDigits, u'0').toLongLong()
                != amount
            || (!decimals.isEmpty() && decimals.size() != money.subunitDigits))
            QFAIL(qPrintable(QStringLiteral("%1 is written %2 in figures").arg(amount).arg(figures)));
    }
}

QUILLSET_TEST_MAIN(TestAmountInWords, QCoreApplication)
#include "tst_AmountInWords.moc"
