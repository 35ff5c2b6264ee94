#pragma once

#include "cli/Command.h"

namespace quillset {

/// quillset --calibration-sheet --account CODE --pdf FILE | --print: the account's calibration sheet.
class CalibrationCommand : public Command
{
public:
    QList<QCommandLineOption> options() const override;
    bool isWanted(const QCommandLineParser &parser) const override;
    bool worksOnFiles() const override { return true; }
    QString usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const override;
    int run(CommandRun &run) const override;
};

} // namespace quillset
