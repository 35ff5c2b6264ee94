#pragma once

#include "cli/Command.h"

namespace quillset {

/// quillset --report FROM TO --csv FILE | --pdf FILE [--account CODE]: writes the report the window shows (same
/// definition, rows and totals) for the dates given.
class ReportCommand : public Command
{
public:
    bool takesPlaces() const override { return true; }
    QList<QCommandLineOption> options() const override;
    bool isWanted(const QCommandLineParser &parser) const override;
    bool worksOnFiles() const override { return true; }
    QString usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const override;
    bool drawsPages(const QCommandLineParser &parser) const override;
    int run(CommandRun &run) const override;
};

} // namespace quillset
