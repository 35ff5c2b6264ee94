#include "AmountInWords.h"

#include "core/base/Conversions.h"
#include "core/base/Failure.h"
#include "core/words/MoneyStyle.h"

#include <QCoreApplication>

#include <array>
#include <cmath>

namespace quillset {

namespace {

using WordList = std::array<const char16_t *, 11>;

constexpr WordList kUnits
    = {u"", u"One", u"Two", u"Three", u"Four", u"Five", u"Six", u"Seven", u"Eight", u"Nine", u"Ten"};
constexpr WordList kTeens = {u"",        u"Eleven",    u"Twelve",   u"Thirteen", u"Fourteen", u"Fifteen",
                             u"Sixteen", u"Seventeen", u"Eighteen", u"Nineteen", u"Twenty"};
constexpr WordList kTens
    = {u"", u"Ten", u"Twenty", u"Thirty", u"Forty", u"Fifty", u"Sixty", u"Seventy", u"Eighty", u"Ninety", u"Hundred"};

constexpr qint64 kLargestAmount = 999'999'999'999;

QString word(const WordList &list, int index)
{
    return QString::fromUtf16(list.at(static_cast<size_t>(index)));
}

// Takes the lowest group off the amount: its value, and the amount that is left above it.
int takeGroup(qint64 &amount, qint64 modulus)
{
    const auto group = static_cast<int>(amount % modulus);
    amount /= modulus;
    return group;
}

Failure outOfRange()
{
    return Failure(ErrorNumber::AmountOutOfRange,
                   QCoreApplication::translate("AmountInWords",
                                               "Amounts of a thousand billion or more cannot be written in words."));
}

// Commas between groups: of three digits (1,234,567), or in the Indian way three and then pairs
// (12,34,567).
QString grouped(qint64 whole, AmountStyle style)
{
    QString digits = QString::number(whole);
    const qsizetype step = style == AmountStyle::Indian ? 2 : 3;
    for (qsizetype at = digits.size() - 3; at > 0; at -= step)
        digits.insert(at, u',');
    return digits;
}

// Below a hundred, with single blanks: 30 "Thirty", 45 "Forty Five".
void appendBelowHundred(QString &words, int n)
{
    if (n == 0)
        return;
    if (!words.isEmpty())
        words += u' ';
    if (n <= 10)
        words += word(kUnits, n);
    else if (n < 20)
        words += word(kTeens, n - 10);
    else {
        words += word(kTens, n / 10);
        if (n % 10 != 0)
            words += u' ' + word(kUnits, n % 10);
    }
}

void appendBelowThousand(QString &words, int n)
{
    if (n >= 100) {
        appendBelowHundred(words, n / 100);
        words += QStringLiteral(" Hundred");
    }
    appendBelowHundred(words, n % 100);
}

void appendScaled(QString &words, int count, const QString &scale)
{
    if (count == 0)
        return;
    appendBelowThousand(words, count);
    words += u' ' + scale;
}

// Millions and billions, single blanks, nothing for zero.
QString internationalWords(qint64 amount)
{
    QString words;
    appendScaled(words, static_cast<int>(amount / 1'000'000'000 % 1000), QStringLiteral("Billion"));
    appendScaled(words, static_cast<int>(amount / 1'000'000 % 1000), QStringLiteral("Million"));
    appendScaled(words, static_cast<int>(amount / 1000 % 1000), QStringLiteral("Thousand"));
    appendBelowThousand(words, static_cast<int>(amount % 1000));
    return words;
}

// Crore, lakh, thousand and hundred; a count of crores of a hundred or more is itself spelled in
// thousands and hundreds ("One Thousand Two Hundred Crore").
QString indianWords(qint64 amount)
{
    QString words;
    if (const qint64 crores = amount / 10'000'000; crores > 0) {
        words = indianWords(crores) + QStringLiteral(" Crore");
    }
    appendScaled(words, static_cast<int>(amount / 100'000 % 100), QStringLiteral("Lakh"));
    appendScaled(words, static_cast<int>(amount / 1000 % 100), QStringLiteral("Thousand"));
    appendBelowThousand(words, static_cast<int>(amount % 1000));
    return words;
}

// An account that names its currency or subunit, or writes lakh and crore: "Rupees One Lakh Fifty
// Thousand and Paise Fifty Only.", single blanks throughout.
QString namedMoneyWords(qint64 amount, const MoneyStyle &money)
{
    const qint64 perWhole = money.unitsPerWhole();
    const qint64 whole = amount / perWhole;
    const qint64 fraction = amount % perWhole;
    if (whole > kLargestAmount)
        throw outOfRange();
    QString words = money.style == AmountStyle::Indian ? indianWords(whole) : internationalWords(whole);
    if (words.isEmpty())
        words = QStringLiteral("Zero");
    if (!money.currencyName.trimmed().isEmpty())
        words = money.currencyName.trimmed() + u' ' + words;
    if (fraction > 0) {
        const QString fractionWords = internationalWords(fraction);
        if (money.subunitName.trimmed().isEmpty())
            words += QStringLiteral(" and %1/%2").arg(fraction).arg(perWhole);
        else if (money.subunitFirst)
            words += QStringLiteral(" and ") + money.subunitName.trimmed() + u' ' + fractionWords;
        else
            words += QStringLiteral(" and ") + fractionWords + u' ' + money.subunitName.trimmed();
    }
    return words + QStringLiteral(" Only.");
}

} // namespace

QString GroupInWords(int n)
{
    // Later rules replace earlier ones; this ordering is what gives 30 its trailing blank but not 20.
    QString result;
    if (n < 11)
        result = word(kUnits, n);
    if (n > 10 && n < 20)
        result = word(kTeens, n - 10);
    if (n % 10 == 0)
        result = word(kTens, n / 10);
    if (n > 20 && n < 100)
        result = word(kTens, n / 10) + u' ' + word(kUnits, n % 10);
    return result;
}

QString wordsForWhole(qint64 amount)
{
    if (amount < 0)
        throw Failure(ErrorNumber::AmountOutOfRange,
                      QCoreApplication::translate("AmountInWords", "A cheque amount cannot be negative."));
    if (amount > kLargestAmount)
        throw outOfRange();
    qint64 rest = amount;
    QString s = GroupInWords(takeGroup(rest, 100)) + u' ' + u"Only.";
    static const QString scales[]
        = {QStringLiteral(" Thousand "), QStringLiteral(" Million "), QStringLiteral(" Billion ")};
    if (const int hundred = takeGroup(rest, 10); hundred > 0)
        s = GroupInWords(hundred) + u" Hundred " + s;
    for (const QString &scale : scales) {
        QString carried;
        if (const int pair = takeGroup(rest, 100); pair > 0)
            s = GroupInWords(pair) + scale + s;
        else
            carried = scale;
        // An empty pair under a non-empty hundred still needs its scale word, carried to here.
        if (const int hundred = takeGroup(rest, 10); hundred > 0)
            s = GroupInWords(hundred) + u" Hundred " + carried + s;
    }
    return s;
}

QString AmountInWords(double amount)
{
    if (!std::isfinite(amount) || amount < 0)
        throw Failure(ErrorNumber::AmountOutOfRange,
                      QCoreApplication::translate("AmountInWords", "A cheque amount cannot be negative."));
    // The fraction is rounded into the last two digits; a round-up to 100 carries into the hundreds.
    const double hundreds = std::floor(amount / 100.0);
    const double lastTwo = roundHalfEven(amount - hundreds * 100.0);
    if (hundreds * 100.0 + lastTwo > static_cast<double>(kLargestAmount))
        throw outOfRange();
    return wordsForWhole(static_cast<qint64>(hundreds) * 100 + static_cast<qint64>(lastTwo));
}

QString chequeWords(qint64 amount, const MoneyStyle &money)
{
    if (amount < 0)
        throw Failure(ErrorNumber::AmountOutOfRange,
                      QCoreApplication::translate("AmountInWords", "A cheque amount cannot be negative."));
    // An account as every account was before money styles writes exactly what it always wrote.
    const bool plain = money.style == AmountStyle::International && money.currencyName.trimmed().isEmpty()
        && money.subunitName.trimmed().isEmpty();
    if (plain && amount % money.unitsPerWhole() == 0)
        return wordsForWhole(amount / money.unitsPerWhole());
    return namedMoneyWords(amount, money);
}

QString chequeFigures(qint64 amount, const MoneyStyle &money)
{
    const qint64 perWhole = money.unitsPerWhole();
    // A sign stands against the "=" so that nothing can be written between it and the figures.
    QString figures = money.currencySign.trimmed() + u'=' + grouped(amount / perWhole, money.style);
    // A whole amount is written as banks write it, without a row of zeros after the point.
    if (money.subunitDigits > 0 && amount % perWhole != 0)
        figures += u'.' + QString::number(amount % perWhole).rightJustified(money.subunitDigits, u'0');
    return figures + QStringLiteral("/-");
}

} // namespace quillset
