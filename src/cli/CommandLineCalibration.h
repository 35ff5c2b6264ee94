#pragma once

#include <QString>

class QCommandLineParser;

namespace quillset {

class Store;

/// quillset --calibration-sheet --account CODE --pdf FILE | --print: the account's calibration sheet.
void addCalibrationOptions(QCommandLineParser &parser);
bool wantsCalibrationSheet(const QCommandLineParser &parser);
/// What is wrong with how the sheet was asked for, or an empty string.
QString calibrationUsageProblem(const QCommandLineParser &parser);
int calibrationSheetFromCommandLine(const QCommandLineParser &parser, const Store &store);

} // namespace quillset
