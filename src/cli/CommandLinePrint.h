#pragma once

#include <QDate>
#include <QMarginsF>
#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;

namespace quillset {

class Failure;
class PageMetrics;
class PrintQueue;
class Store;
struct ChequePage;

/// Exit statuses of the command line.
namespace ExitStatus {
inline constexpr int Done = 0;
inline constexpr int Failed = 1; ///< nothing was done; the message says why
inline constexpr int PrintedNotRecorded = 2; ///< it printed, but could not be marked printed
inline constexpr int OutcomeUnknown = 3; ///< handed to the printer; whether it printed is not known
inline constexpr int Usage = 64; ///< the command's words were wrong
} // namespace ExitStatus

/// Adds the options that compose and print one cheque without opening a window.
void addChequePrintOptions(QCommandLineParser &parser);

/// True when the command line asks for a cheque to be printed or a proof written.
bool wantsChequePrint(const QCommandLineParser &parser);
/// True when the command line asks for a cheque to be settled.
bool wantsSettling(const QCommandLineParser &parser);

/// Checks the options go together; returns the problem, or an empty text when they do.
QString chequePrintUsageProblem(const QCommandLineParser &parser);

/// Prints and records the cheque the options describe (--print), or writes a proof of it to a PDF
/// file (--pdf). Returns the exit status. Problems are said in plain words on standard error.
int printChequeFromCommandLine(const QCommandLineParser &parser, const Store &store);

/// Settles a cheque of the register (--mark). Returns the exit status.
int settleFromCommandLine(const QCommandLineParser &parser, const Store &store);

/// Tells, on standard error, how many cheques are pending, if any are.
void sayPendingCheques(const Store &store);

/// The printer a proof is placed and checked for: the default one, as far as the print server says.
struct ProofPrinter
{
    QString name; ///< empty when no printer was found
    std::optional<QMarginsF> margins; ///< what it cannot print at each edge, in millimetres, when known
};

/// The default printer and its margins; an empty name, and no margins, when there is none.
ProofPrinter proofPrinter(PrintQueue &queue);

/// What to say on standard error about a proof's page: what would stop it printing, and the
/// warning printing it would give, in the same words as --print.
QStringList proofChecks(const ChequePage &page, const PageMetrics &metrics, const ProofPrinter &printer);

/// How the command line says a warning before printing, which the print goes on despite.
QString printWarningLine(const QString &warning);

/// The day the command line judges dates on: today, or the day QUILLSET_TODAY names (2026-12-08),
/// so that a script replaying a day's work, and the tests, see the same day whenever they run.
QDate commandLineToday();

/// Says a problem on standard error, as every command-line message is said.
int sayFailure(const QString &message, int status = ExitStatus::Failed);
/// Says a failure on standard error, in its words for the command line.
int sayFailure(const Failure &failure, int status = ExitStatus::Failed);

} // namespace quillset
