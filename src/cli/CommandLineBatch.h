#pragma once

#include <QString>

class QCommandLineParser;

namespace quillset {

class Store;

/// quillset --batch FILE [--account CODE] --check | --pdf OUT | --print: many cheques from a CSV file.
void addBatchOptions(QCommandLineParser &parser);
bool wantsBatch(const QCommandLineParser &parser);
/// What is wrong with how the batch was asked for, or an empty string.
QString batchUsageProblem(const QCommandLineParser &parser);
/// Checks the batch and then, as asked, says so, writes its pages to a PDF or prints it. Returns the
/// exit status: 0 when the batch is clean (and, printing, when every row printed).
int runBatchFromCommandLine(const QCommandLineParser &parser, const Store &store);

} // namespace quillset
