// Cheques per second through the register path the print sequence uses (the pending row, the job,
// then printed), with a printer that accepts every job at once: 4 workstations (processes) taking
// the next number at the same time on a PostgreSQL server, beside the same 200 cheques one after
// the other on a Records.mdb. Checks that every cheque has a row and a number of its own.
//
//   bench_sharedregister            starts a private PostgreSQL cluster in a temporary folder
//   bench_sharedregister URI        uses the empty server database at URI
#include "BenchDatabase.h"

#include "core/base/Failure.h"
#include "core/issue/ChequeLife.h"
#include "core/layout/PageMetrics.h"
#include "core/layout/PrintQueue.h"
#include "store/Connection.h"
#include "store/Store.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryFile>

#include <cstdio>
#include <vector>

using namespace quillset;

namespace {

constexpr int kWorkstations = 4;
constexpr int kChequesEach = 50;

class AcceptingQueue final : public PrintQueue
{
public:
    QString defaultQueue() override { return QStringLiteral("Bench"); }
    int submit(const QString &, const PrintJob &) override { return ++m_jobs; }
    JobStatus jobStatus(const QString &, int) override { return {JobStatus::State::Completed, true, QString()}; }
    void setCallTimeout(int) override { }

private:
    int m_jobs = 0;
};

// Records `count` cheques with the next number; returns how many printed.
int recordCheques(const Store &store, int count, const QString &workstation)
{
    AcceptingQueue queue;
    PageMetrics metrics;
    BlockingWaiter waiter;
    int printed = 0;
    for (int i = 0; i < count; ++i) {
        const Cheque cheque {QStringLiteral("ACC1"),
                             QString(),
                             QStringLiteral("%1 payee %2").arg(workstation).arg(i),
                             QDate(2026, 12, 7),
                             Money {1000 + i, {}},
                             false};
        const IssueOutcome outcome = issueNextCheque(cheque, {store, queue, metrics, waiter, nullptr, workstation});
        if (outcome.kind == IssueOutcome::Kind::Printed)
            ++printed;
        else
            std::fprintf(stderr, "%s: %s\n", qUtf8Printable(workstation), qUtf8Printable(outcome.message));
    }
    return printed;
}

std::unique_ptr<Store> openStore(const QString &location)
{
    try {
        return Store::OpenDatabase(location, OdbcInstaller::none());
    } catch (const Failure &failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        std::exit(1);
    }
}

void seedFirstNumber(const Store &store)
{
    store.cheques().record({QStringLiteral("ACC1"), QStringLiteral("100000"), QStringLiteral("First"),
                            QDate(2026, 12, 1), Money {1, {}}, false});
}

bool checkRegister(const Store &store, const char *label)
{
    QSqlQuery rows = store.SharedConnection().run(QStringLiteral(
        "SELECT count(*), count(DISTINCT NumberKey) FROM Cheque WHERE Status = 'printed' AND Pay <> 'First'"));
    rows.next();
    const int count = rows.value(0).toInt();
    const int distinct = rows.value(1).toInt();
    std::printf("  %s: %d rows, %d distinct numbers\n", label, count, distinct);
    return count == kWorkstations * kChequesEach && distinct == count;
}

int runWorker(const QString &location, const QString &name)
{
    const std::unique_ptr<Store> store = openStore(location);
    return recordCheques(*store, kChequesEach, name) == kChequesEach ? 0 : 1;
}

QString startCluster(const QString &locationFile)
{
    QProcess start;
    start.start(QStringLiteral("bash"),
                {QStringLiteral(QUILLSET_POSTGRES_SCRIPT), QStringLiteral("start"), locationFile});
    start.waitForFinished(120000);
    if (start.exitCode() != 0) {
        std::fprintf(stderr, "the private PostgreSQL cluster did not start: %s\n",
                     start.readAllStandardError().constData());
        return QString();
    }
    QFile file(locationFile);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll()).trimmed();
}

void stopCluster(const QString &locationFile)
{
    QProcess::execute(QStringLiteral("bash"),
                      {QStringLiteral(QUILLSET_POSTGRES_SCRIPT), QStringLiteral("stop"), locationFile});
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("--worker"))
        return runWorker(arguments.at(2), arguments.at(3));

    QString location = arguments.value(1);
    QTemporaryDir scratch;
    const QString locationFile = scratch.filePath(QStringLiteral("cluster"));
    if (location.isEmpty()) {
        const QString socket = startCluster(locationFile);
        if (socket.isEmpty())
            return 1;
        QProcess::execute(QStringLiteral("psql"),
                          {QStringLiteral("-h"), socket, QStringLiteral("-U"), QStringLiteral("quillset"),
                           QStringLiteral("-d"), QStringLiteral("postgres"), QStringLiteral("-qc"),
                           QStringLiteral("CREATE DATABASE bench")});
        location = QStringLiteral("postgresql://quillset@/bench?host=%1").arg(socket);
    }
    bool ok = true;
    double serverRate = 0;
    try {
        Store::createDatabase(location, true);
        const std::unique_ptr<Store> server = openStore(location);
        seedFirstNumber(*server);
        QElapsedTimer clock;
        clock.start();
        std::vector<std::unique_ptr<QProcess>> workers;
        for (int i = 0; i < kWorkstations; ++i) {
            workers.push_back(std::make_unique<QProcess>());
            workers.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            workers.back()->start(QGuiApplication::applicationFilePath(),
                                  {QStringLiteral("--worker"), location, QStringLiteral("desk-%1").arg(i + 1)});
        }
        for (const auto &worker : workers) {
            worker->waitForFinished(600000);
            ok = ok && worker->exitCode() == 0;
        }
        serverRate = kWorkstations * kChequesEach / (clock.elapsed() / 1000.0);
        std::printf("PostgreSQL, %d workstations x %d cheques at once: %.1f cheques/s\n", kWorkstations, kChequesEach,
                    serverRate);
        ok = checkRegister(*server, "server") && ok;
    } catch (const Failure &failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        ok = false;
    }
    if (arguments.value(1).isEmpty())
        stopCluster(locationFile);

    const BenchDatabase file;
    seedFirstNumber(file.store());
    QElapsedTimer clock;
    clock.start();
    const int printed = recordCheques(file.store(), kWorkstations * kChequesEach, QStringLiteral("desk-1"));
    const double fileRate = printed / (clock.elapsed() / 1000.0);
    std::printf("SQLite, %d cheques one after the other: %.1f cheques/s\n", kWorkstations * kChequesEach, fileRate);
    ok = checkRegister(file.store(), "file") && ok;
    std::printf("%s\n",
                ok ? "every cheque has its own row and number" : "FAILED: rows or numbers are missing or shared");
    return ok ? 0 : 1;
}
