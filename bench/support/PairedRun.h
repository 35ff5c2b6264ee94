#pragma once

// Runs a program and its floor in turns, as whole processes, and reports each one's median CPU time
// (user + system, from the kernel's account of the finished child) and wall time, and their ratio.
// Taking them in turns keeps a busy machine from favouring either side.

#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

struct ProcessTime
{
    double cpuSeconds = 0;
    double wallSeconds = 0;
    long peakKilobytes = 0;
};

struct Medians
{
    ProcessTime program;
    ProcessTime floor;
};

/// Runs one process to its end, its output thrown away; exits the benchmark if it fails, since a
/// failed run would be timed as a fast one.
inline ProcessTime runProcess(const QStringList &command)
{
    std::vector<QByteArray> storage;
    for (const QString &argument : command)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    std::fflush(nullptr); // or the child would print the benchmark's buffered lines again
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (!qEnvironmentVariableIsSet("BENCH_SHOW_OUTPUT")) {
            std::freopen("/dev/null", "w", stdout);
            std::freopen("/dev/null", "w", stderr);
        }
        execvp(argv.front(), argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "failed (status %d): %s\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                     qPrintable(command.join(u' ')));
        std::exit(1);
    }
    const auto seconds = [](const timeval &time) { return time.tv_sec + time.tv_usec / 1e6; };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime), wall, usage.ru_maxrss};
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

inline ProcessTime medianOf(const std::vector<ProcessTime> &runs)
{
    std::vector<double> cpu, wall, peak;
    for (const ProcessTime &run : runs) {
        cpu.push_back(run.cpuSeconds);
        wall.push_back(run.wallSeconds);
        peak.push_back(static_cast<double>(run.peakKilobytes));
    }
    return {median(cpu), median(wall), static_cast<long>(median(peak))};
}

/// Runs both `runs` times in turns after one untimed run of each (which warms the file cache).
inline Medians pairedRuns(const QStringList &program, const QStringList &floor, int runs = 7)
{
    runProcess(program);
    runProcess(floor);
    std::vector<ProcessTime> programTimes, floorTimes;
    for (int i = 0; i < runs; ++i) {
        programTimes.push_back(runProcess(program));
        floorTimes.push_back(runProcess(floor));
    }
    return {medianOf(programTimes), medianOf(floorTimes)};
}

/// One line per side and the ratios, in the form the closing notes quote.
inline void report(const char *path, const Medians &medians)
{
    const auto line = [](const char *side, const ProcessTime &time) {
        std::printf("  %-9s %7.3f s CPU  %7.3f s wall  %6ld MB peak\n", side, time.cpuSeconds, time.wallSeconds,
                    time.peakKilobytes / 1024);
    };
    std::printf("%s (median of paired runs)\n", path);
    line("quillset", medians.program);
    line("floor", medians.floor);
    std::printf("  ratio     %7.2fx CPU  %7.2fx wall\n", medians.program.cpuSeconds / medians.floor.cpuSeconds,
                medians.program.wallSeconds / medians.floor.wallSeconds);
}

} // namespace bench
