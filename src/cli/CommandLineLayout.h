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

/// Writes the account's layout to the file, or imports the file's layout into the account (a new
/// account with only a layout when there is none by that code). Throw Failure in plain words.
void exportLayout(const Store &store, const QString &account, const QString &path);
QString importLayout(const Store &store, const QString &path, const QString &account);

} // namespace quillset
