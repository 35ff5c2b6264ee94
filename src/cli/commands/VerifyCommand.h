#pragma once

#include "cli/Command.h"

namespace quillset {

/// quillset --verify-register: walks the register's history and compares every cheque with it.
/// Exit 0 when both agree; RegisterBroken, with every finding listed, when they do not.
class VerifyCommand : public Command
{
public:
    QList<QCommandLineOption> options() const override;
    bool isWanted(const QCommandLineParser &parser) const override;
    bool drawsPages(const QCommandLineParser &) const override { return false; }
    int run(CommandRun &run) const override;
};

} // namespace quillset
