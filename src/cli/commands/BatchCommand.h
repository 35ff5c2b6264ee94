#pragma once

#include "cli/Command.h"

namespace quillset {

/// quillset --batch FILE [--account CODE] --check | --pdf OUT | --print: many cheques from a CSV file. Exits 0 when the
/// batch is clean (and, printing, when every row printed).
class BatchCommand : public Command
{
public:
    QList<QCommandLineOption> options() const override;
    bool isWanted(const QCommandLineParser &parser) const override;
    bool worksOnFiles() const override { return true; }
    QString usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const override;
    int run(CommandRun &run) const override;
};

} // namespace quillset
