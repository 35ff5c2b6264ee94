#pragma once

#include "cli/Command.h"

namespace quillset {

/// quillset --print --account CODE --cheque N --pay P --date D --amount A: prints one cheque on the default printer and
/// records it, with the same cheque life as the window's "&Print".
class PrintCommand : public Command
{
public:
    bool isWanted(const QCommandLineParser &parser) const override;
    QString usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const override;
    int run(CommandRun &run) const override;
};

} // namespace quillset
