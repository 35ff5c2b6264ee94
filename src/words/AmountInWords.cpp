#include "AmountInWords.h"

#include "MoneyStyle.h"
#include "core/Conversions.h"
#include "core/Failure.h"

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
                   QStringLiteral("Amounts of a thousand billion or more cannot be written in words."));
}

// Groups of three digits with commas: 1234567 gives 1,234,567.
QString grouped(qint64 whole)
{
    QString digits = QString::number(whole);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return digits;
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
        throw Failure(ErrorNumber::AmountOutOfRange, QStringLiteral("A cheque amount cannot be negative."));
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
        throw Failure(ErrorNumber::AmountOutOfRange, QStringLiteral("A cheque amount cannot be negative."));
    // The fraction is rounded into the last two digits; a round-up to 100 carries into the hundreds.
    const double hundreds = std::floor(amount / 100.0);
    const double lastTwo = roundHalfEven(amount - hundreds * 100.0);
    if (hundreds * 100.0 + lastTwo > static_cast<double>(kLargestAmount))
        throw outOfRange();
    return wordsForWhole(static_cast<qint64>(hundreds) * 100 + static_cast<qint64>(lastTwo));
}

QString chequeWords(qint64 amount, const MoneyStyle &money)
{
    return wordsForWhole(amount / money.unitsPerWhole());
}

QString chequeFigures(qint64 amount, const MoneyStyle &money)
{
    const qint64 perWhole = money.unitsPerWhole();
    QString figures = QStringLiteral("=") + grouped(amount / perWhole);
    if (money.subunitDigits > 0)
        figures += u'.' + QString::number(amount % perWhole).rightJustified(money.subunitDigits, u'0');
    return figures + QStringLiteral("/-");
}

} // namespace quillset
