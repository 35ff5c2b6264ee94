#pragma once

#include "cli/Command.h"

namespace quillset {

/// quillset --initialise --database PATH [--sample-account]: makes a new database.
class InitialiseCommand : public Command
{
public:
    QList<QCommandLineOption> options() const override;
    bool isWanted(const QCommandLineParser &parser) const override;
    bool needsStore() const override { return false; }
    int run(CommandRun &run) const override;
};

} // namespace quillset
