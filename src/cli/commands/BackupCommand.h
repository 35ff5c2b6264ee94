#pragma once

#include "cli/Command.h"

namespace quillset {

/// quillset --backup FILE: a consistent copy of the register while others use it.
/// quillset --restore FILE: puts a checked copy in the register's place, keeping the old one aside.
/// quillset --daily-backup: today's copy into the office's backup folder, as the window writes it, for
/// a scheduled job on a machine where the window is not started every day.
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
