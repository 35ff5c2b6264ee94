#pragma once

#include "store/Store.h"

class QCommandLineParser;

namespace quillset {

/// quillset --copy-database FROM TO: moves an office's database from a file to a server or back.
void addCopyOptions(QCommandLineParser &parser);
bool wantsCopy(const QCommandLineParser &parser);
/// What is wrong with how the copy was asked for, or an empty string.
QString copyUsageProblem(const QCommandLineParser &parser);
/// Copies, prints the counts of each table on both sides and returns the exit status.
int copyFromCommandLine(const QCommandLineParser &parser, const StoreOptions &options);

} // namespace quillset
