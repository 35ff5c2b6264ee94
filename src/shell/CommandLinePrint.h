#pragma once

class QCommandLineParser;

namespace quillset {

/// Adds the options that compose and print one cheque without opening a window.
void addChequePrintOptions(QCommandLineParser &parser);

/// True when the command line asks for a cheque to be printed rather than for the windows.
bool wantsChequePrint(int argc, char *argv[]);

/// Composes the cheque the options describe and writes it to the PDF file. Returns the exit status;
/// problems are said in plain words on standard error.
int printChequeFromCommandLine(const QCommandLineParser &parser);

} // namespace quillset
