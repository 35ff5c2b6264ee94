#pragma once

#include "cli/Command.h"

namespace quillset {

/// quillset --reprint --account CODE --cheque N: prints a spoiled or voided cheque again on the
/// account's next leaf, and links the two rows in the register's history.
class ReprintCommand : public Command
{
public:
    QList<QCommandLineOption> options() const override;
    bool isWanted(const QCommandLineParser &parser) const override;
    QString usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const override;
    int run(CommandRun &run) const override;
};

} // namespace quillset
