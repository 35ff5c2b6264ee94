#pragma once

#include "cli/Command.h"

namespace quillset {

/// quillset --copy-database FROM TO: moves an office's database from a file to a server or back, and prints the counts
/// of each table on both sides.
class CopyCommand : public Command
{
public:
    bool takesPlaces() const override { return true; }
    bool needsStore() const override { return false; }
    QList<QCommandLineOption> options() const override;
    bool isWanted(const QCommandLineParser &parser) const override;
    bool worksOnFiles() const override { return true; }
    QString usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const override;
    bool drawsPages(const QCommandLineParser &) const override { return false; }
    int run(CommandRun &run) const override;
};

} // namespace quillset
