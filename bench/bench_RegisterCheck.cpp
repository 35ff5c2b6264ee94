// What reading every page of the register before each pending row costs, on a register of a million
// cheques: the check alone, a whole pending row with it, and opening the database (which does not
// check, so start-up stays as it was).
#include "BenchDatabase.h"

#include "core/cheque/Cheque.h"
#include "store/Connection.h"
#include "store/Dialect.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <cstdio>

using namespace quillset;

namespace {

constexpr int kRows = 1000000;
constexpr int kRuns = 10;

template<typename Work>
double milliseconds(Work &&work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The median and the slowest of the runs.
template<typename Work>
std::pair<double, double> timed(Work &&work)
{
    QList<double> times;
    for (int run = 0; run < kRuns; ++run)
        times.append(milliseconds(work));
    std::sort(times.begin(), times.end());
    return {times.at(kRuns / 2), times.last()};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    BenchDatabase db;
    const Connection &connection = db.store().SharedConnection();
    connection.run(
        QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) INSERT INTO Cheque (BankID, "
            "ChequeNo, Amount, Pay, PrintDate, NumberKey, Workstation, ChangedAt) SELECT 'ACC1', printf('%07d', i), "
            "i % 100000 + 1, 'Payee number ' || (i % 5000) || ' Traders Pvt. Ltd.', date('2000-01-01', '+' || (i / "
            "150) || ' days'), CAST(i AS TEXT), 'host/user', '2026-12-06T10:00:00Z' FROM n")
            .arg(kRows));
    // A connection of its own, as a program started on the file has, whose page cache is empty.
    const std::unique_ptr<Store> reopened = Store::OpenDatabase(db.path(), OdbcInstaller::none());
    const Connection &fresh = reopened->SharedConnection();
    const auto checkPages = [&] { fresh.dialect().checkPages(fresh, QStringLiteral("Cheque")); };
    const double first = milliseconds(checkPages);
    const auto [check, checkWorst] = timed(checkPages);
    int number = 9000000;
    const auto [pending, pendingWorst] = timed([&] {
        const Cheque cheque {QStringLiteral("ACC1"), QString::number(++number), QStringLiteral("Bench Payee"),
                             QDate(2026, 12, 6),     Money {5000, {}},          true};
        reopened->cheques().removeUnprinted(reopened->cheques().addPending(cheque, QString()));
    });
    const auto [open, openWorst] = timed([&] { Store::OpenDatabase(db.path(), OdbcInstaller::none()); });

    std::printf("register of %d cheques, %.0f MB\n", kRows, QFileInfo(db.path()).size() / 1e6);
    std::printf("reading every page of the Cheque table: first %.1f ms, then median %.1f ms (slowest %.1f)\n", first,
                check, checkWorst);
    std::printf("a pending row written and removed, the check included: median %.1f ms (slowest %.1f)\n", pending,
                pendingWorst);
    std::printf("opening the database (no check): median %.1f ms (slowest %.1f)\n", open, openWorst);
    return 0;
}
