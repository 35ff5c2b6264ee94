#pragma once

#include "cli/Command.h"

namespace quillset {

/// quillset --backup FILE: a consistent copy of the register while others use it.
/// quillset --restore FILE: puts a checked copy in the register's place, keeping the old one aside.
class BackupCommand : public Command
{
public:
    QList<QCommandLineOption> options() const override;
    bool isWanted(const QCommandLineParser &parser) const override;
    QString usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const override;
    bool drawsPages(const QCommandLineParser &) const override { return false; }
    int run(CommandRun &run) const override;
};

} // namespace quillset
