// How many amounts a second AmountInWords spells, on one core.
#include "words/AmountInWords.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    constexpr int kAmounts = 2'000'000;
    std::size_t checksum = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kAmounts; ++i) {
        // Spread over every digit count the entry window admits, up to 999,999,999.
        const double amount = static_cast<double>((static_cast<long long>(i) * 7919LL * 104729LL) % 1'000'000'000LL);
        checksum += static_cast<std::size_t>(quillset::AmountInWords(amount).size());
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("AmountInWords: %d amounts in %.3f s = %.0f amounts/s (%.0f ns each; checksum %zu)\n", kAmounts,
                elapsed.count(), kAmounts / elapsed.count(), elapsed.count() * 1e9 / kAmounts, checksum);
    return 0;
}
