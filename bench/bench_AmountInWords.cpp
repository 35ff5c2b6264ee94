// How many amounts a second each style spells, on one core: the seed's AmountInWords, and the
// cheque words of an account as before, in lakh and crore with rupees and paise, and in millions
// with dollars and cents.
#include "core/words/AmountInWords.h"
#include "core/words/MoneyStyle.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <functional>

using namespace quillset;

namespace {

constexpr int kAmounts = 2'000'000;

// Spread over every digit count the entry window admits, up to 999,999,999 whole units.
qint64 amountAt(int i, qint64 unitsPerWhole)
{
    return (static_cast<qint64>(i) * 7919LL * 104729LL) % (1'000'000'000LL * unitsPerWhole);
}

void measure(const char *name, qint64 unitsPerWhole, const std::function<QString(qint64)> &spell)
{
    std::size_t checksum = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kAmounts; ++i)
        checksum += static_cast<std::size_t>(spell(amountAt(i, unitsPerWhole)).size());
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%-34s %d amounts in %.3f s = %.0f amounts/s (%.0f ns each; checksum %zu)\n", name, kAmounts,
                elapsed.count(), kAmounts / elapsed.count(), elapsed.count() * 1e9 / kAmounts, checksum);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    measure("AmountInWords (as before):", 1, [](qint64 amount) { return AmountInWords(static_cast<double>(amount)); });
    const MoneyStyle before;
    measure("International, no names:", 1, [&](qint64 amount) { return chequeWords(amount, before); });
    const MoneyStyle rupees {AmountStyle::Indian, QStringLiteral("Rupees"), QStringLiteral("Paise"), 2};
    measure("Indian, rupees and paise:", 100, [&](qint64 amount) { return chequeWords(amount, rupees); });
    const MoneyStyle dollars {AmountStyle::International, QStringLiteral("Dollars"), QStringLiteral("Cents"), 2};
    measure("International, dollars and cents:", 100, [&](qint64 amount) { return chequeWords(amount, dollars); });
    measure("Indian figures:", 100, [&](qint64 amount) { return chequeFigures(amount, rupees); });
    return 0;
}
