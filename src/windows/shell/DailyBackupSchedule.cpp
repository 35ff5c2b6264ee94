#include "DailyBackupSchedule.h"

#include "core/base/Failure.h"
#include "core/options/DailyBackup.h"
#include "store/DataSource.h"

#include <QCoreApplication>
#include <QThread>

#include <chrono>

namespace quillset {

namespace {

QString backUpToday(const QString &location, const StoreOptions &options, const QDate &today)
{
    try {
        const std::unique_ptr<Store> store = Store::OpenDatabase(location, OdbcInstaller::none(), options);
        // A server's register is copied by the server's own tools; the window offers no folder for it.
        if (store->isShared())
            return QString();
        const DailyBackupSettings settings = loadDailyBackupSettings(*store);
        if (!settings.isOn())
            return QString();
        const DailyBackupOutcome outcome = runDailyBackup(*store, settings, today);
        if (!outcome.notRemoved.isEmpty())
            return QCoreApplication::translate("DailyBackupSchedule",
                                               "Backups older than %1 days could not be removed: %2")
                .arg(settings.keepDays)
                .arg(outcome.notRemoved.join(QStringLiteral("; ")));
    } catch (const Failure &failure) {
        return failure.description();
    }
    return QString();
}

} // namespace

DailyBackupSchedule::DailyBackupSchedule(QString location, StoreOptions options, std::function<QDate()> today,
                                         std::function<void(const QString &)> reported, QObject *parent)
    : QObject(parent)
    , m_location(std::move(location))
    , m_options(std::move(options))
    , m_today(std::move(today))
    , m_reported(std::move(reported))
{
    // The register is open and upgraded by now; a worker has no window to report progress to.
    m_options.upgradeProgress = {};
    m_options.historyProgress = {};
    using namespace std::chrono_literals;
    m_hourly.setInterval(1h);
    connect(&m_hourly, &QTimer::timeout, this, &DailyBackupSchedule::runSoon);
}

DailyBackupSchedule::~DailyBackupSchedule()
{
    if (m_run)
        m_run->wait();
}

void DailyBackupSchedule::start()
{
    m_hourly.start();
    runSoon();
}

void DailyBackupSchedule::runSoon()
{
    if (m_run && m_run->isRunning()) {
        m_runAgain = true;
        return;
    }
    runInBackground();
}

void DailyBackupSchedule::runInBackground()
{
    auto problem = std::make_shared<QString>();
    // The day is taken here, where the clock's seam lives, not in the worker.
    m_run.reset(QThread::create([problem, location = m_location, options = m_options, today = m_today()] {
        *problem = backUpToday(location, options, today);
    }));
    connect(m_run.get(), &QThread::finished, this, [this, problem] {
        m_reported(*problem);
        if (m_runAgain) {
            m_runAgain = false;
            runInBackground();
        }
    });
    m_run->start();
}

} // namespace quillset
