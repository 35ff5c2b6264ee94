#pragma once

#include "cli/Command.h"

namespace quillset {

/// quillset --mark HOW --account CODE --cheque N [--reason TEXT]: settles a cheque of the register.
class MarkCommand : public Command
{
public:
    QList<QCommandLineOption> options() const override;
    bool isWanted(const QCommandLineParser &parser) const override;
    QString usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const override;
    bool drawsPages(const QCommandLineParser &) const override { return false; }
    int run(CommandRun &run) const override;
};

} // namespace quillset
