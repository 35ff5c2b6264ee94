#pragma once

#include "cli/Command.h"

namespace quillset {

/// quillset --remember-database --database PLACE | --forget-database: the database this workstation starts on. The
/// choice is kept before any other command given with it runs.
class WorkstationChoiceCommand : public Command
{
public:
    QList<QCommandLineOption> options() const override;
    bool isWanted(const QCommandLineParser &parser) const override;
    QString usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const override;
    int prepare(CommandRun &run) const override;
    bool needsStore() const override { return false; }
    int run(CommandRun &run) const override;
};

} // namespace quillset
