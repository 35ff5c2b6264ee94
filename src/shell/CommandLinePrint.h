#pragma once

class QCommandLineParser;

namespace quillset {

/// Adds the options that compose and print one cheque without opening a window.
void addChequePrintOptions(QCommandLineParser &parser);

/// True when the command line asks for a cheque to be printed rather than for the windows.
bool wantsChequePrint(int argc, char *argv[]);

/// True when the command line only asks for help, which needs no window either.
bool wantsHelp(int argc, char *argv[]);

/// Prints and records the cheque the options describe (--print), or writes a proof of it to a PDF
/// file (--pdf). Returns the exit status: 0 done, 1 nothing printed, 2 printed but not recorded.
/// Problems are said in plain words on standard error.
int printChequeFromCommandLine(const QCommandLineParser &parser);

} // namespace quillset
