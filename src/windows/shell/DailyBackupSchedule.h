#pragma once

#include "store/Store.h"

#include <QDate>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class QThread;

namespace quillset {

/// Writes the office's daily backup of a file register in the background while the program runs:
/// shortly after it starts, and again each hour, so that a program left open overnight still writes
/// the next day's copy. Each run opens a connection of its own, so windows stay usable meanwhile.
class DailyBackupSchedule : public QObject
{
public:
    /// `reported` is told after each run: an empty text when today's backup is there or none is set,
    /// otherwise what went wrong, in plain words.
    DailyBackupSchedule(QString location, StoreOptions options, std::function<QDate()> today,
                        std::function<void(const QString &)> reported, QObject *parent = nullptr);
    /// Waits for a run in progress: a copy is never left half written by the program's end.
    ~DailyBackupSchedule() override;

    /// Runs now, and from then on each hour.
    void start();
    /// Runs once more as soon as the run in progress (if any) ends, as after the settings changed.
    void runSoon();

private:
    void runInBackground();

    QString m_location;
    StoreOptions m_options;
    std::function<QDate()> m_today;
    std::function<void(const QString &)> m_reported;
    QTimer m_hourly;
    std::unique_ptr<QThread> m_run;
    bool m_runAgain = false;
};

} // namespace quillset
