#pragma once

#include <QDate>
#include <QString>

namespace quillset {

class Failure;

/// Exit statuses of the command line.
namespace ExitStatus {
inline constexpr int Done = 0;
inline constexpr int Failed = 1; ///< nothing was done; the message says why
inline constexpr int PrintedNotRecorded = 2; ///< it printed, but could not be marked printed
inline constexpr int OutcomeUnknown = 3; ///< handed to the printer; whether it printed is not known
inline constexpr int RegisterBroken = 4; ///< the register differs from its history
inline constexpr int Usage = 64; ///< the command's words were wrong
} // namespace ExitStatus

/// Says a line on standard error as "quillset: <message>".
void say(const QString &message);
/// Says a problem on standard error, as every command-line message is said.
int sayFailure(const QString &message, int status = ExitStatus::Failed);
/// Says a failure on standard error, in its words for the command line.
int sayFailure(const Failure &failure, int status = ExitStatus::Failed);
/// Says a line on standard output.
void sayLine(const QString &text);

/// How the command line says a warning before printing, which the print goes on despite.
QString printWarningLine(const QString &warning);

/// The day the command line judges dates on: today, or the day QUILLSET_TODAY names (2026-12-08),
/// so that a script replaying a day's work, and the tests, see the same day whenever they run.
QDate commandLineToday();

} // namespace quillset
