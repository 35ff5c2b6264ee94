// How long the entry window waits for its payee suggestions on a register of 1,000,000 cheques to
// 5,000 payees: the store's small table of payees (goal under 5 ms).
#include "BenchDatabase.h"
#include "support/BigRegister.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace quillset;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    BenchDatabase db;
    bench::fillRegister(db.path(), 1'000'000);
    const std::unique_ptr<Store> store = Store::OpenDatabase(db.path(), OdbcInstaller::none());
    std::vector<double> times;
    qsizetype offered = 0;
    for (int run = 0; run < 21; ++run) {
        QElapsedTimer timer;
        timer.start();
        offered = store->cheques().payeeSuggestions(QStringLiteral("ACC1")).size();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("payee suggestions: %lld payees in %.2f ms (median of 21, slowest %.2f ms; goal under 5 ms)\n",
                static_cast<long long>(offered), times.at(10), times.back());
    return 0;
}
