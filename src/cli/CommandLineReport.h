#pragma once

class QCommandLineParser;
class QString;

namespace quillset {

class Store;

/// Adds the options that write the register report without opening a window.
void addReportOptions(QCommandLineParser &parser);

/// True when the command line asks for the report.
bool wantsReport(const QCommandLineParser &parser);

/// Checks the report's options go together; returns the problem, or an empty text when they do.
QString reportUsageProblem(const QCommandLineParser &parser);

/// Writes the report the window shows (same definition, rows and totals) for the dates given after
/// --report, to --csv or --pdf. Returns the exit status; problems are said on standard error.
int writeReportFromCommandLine(const QCommandLineParser &parser, const Store &store, const QString &programFolder);

} // namespace quillset
