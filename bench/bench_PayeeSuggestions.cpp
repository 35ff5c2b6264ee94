// How long the entry window waits for its payee suggestions on a register of 1,000,000 cheques (977
// payees on 5 accounts): the store's small table of payees, beside the same list grouped straight
// out of the register in the sqlite3 shell.
#include "BenchDatabase.h"

#include "store/Connection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace quillset;

namespace {

constexpr int kCheques = 1'000'000;
constexpr int kPayees = 977;
constexpr int kRuns = 21;

void fillRegister(const Store &store)
{
    QElapsedTimer timer;
    timer.start();
    store.SharedConnection().inTransaction([&] {
        for (int i = 0; i < kCheques; ++i)
            store.cheques().record({QStringLiteral("ACC%1").arg(1 + i % 5),
                                    QStringLiteral("%1").arg(100000 + i, 7, 10, QLatin1Char('0')),
                                    QStringLiteral("Payee number %1").arg(i % kPayees),
                                    QDate(2020, 1, 1).addDays(i % 2000), Money {100 + i % 9000, {}}, false});
    });
    std::printf("register filled: %d cheques in %.1f s\n", kCheques, timer.elapsed() / 1000.0);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    BenchDatabase db;
    fillRegister(db.store());

    std::vector<double> times;
    qsizetype offered = 0;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        offered = db.store().cheques().payeeSuggestions(QStringLiteral("ACC1")).size();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("suggestions from the payee table: %lld payees in %.2f ms (median of %d)\n",
                static_cast<long long>(offered), median(times), kRuns);

    db.store().SharedConnection().run(QStringLiteral("PRAGMA wal_checkpoint"));
    const QString grouped = QStringLiteral(
        "SELECT count(*) FROM (SELECT Pay FROM Cheque GROUP BY Pay ORDER BY max(CASE WHEN BankID = 'ACC1' THEN Id "
        "END) IS NULL, max(CASE WHEN BankID = 'ACC1' THEN Id END) DESC, max(Id) DESC LIMIT 20000)");
    times.clear();
    for (int run = 0; run < 5; ++run) {
        QProcess shell;
        QElapsedTimer timer;
        timer.start();
        shell.start(QStringLiteral("sqlite3"), {db.path(), QStringLiteral(".timer on"), grouped});
        shell.waitForFinished(120000);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("the same list grouped out of the register (sqlite3 shell, with its start-up): %.0f ms (median of 5)\n",
                median(times));
    return 0;
}
