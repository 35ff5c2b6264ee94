#pragma once

#include <QString>

class QCommandLineParser;

namespace quillset {

class Store;

/// quillset --export-layout CODE FILE and --import-layout FILE --account CODE: sharing a leaf layout.
void addLayoutOptions(QCommandLineParser &parser);
bool wantsLayout(const QCommandLineParser &parser);
/// What is wrong with how the layout command was asked for, or an empty string.
QString layoutUsageProblem(const QCommandLineParser &parser);
int runLayoutFromCommandLine(const QCommandLineParser &parser, const Store &store);

} // namespace quillset
