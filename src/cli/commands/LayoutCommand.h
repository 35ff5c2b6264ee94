#pragma once

#include "cli/Command.h"

namespace quillset {

/// quillset --export-layout CODE FILE and --import-layout FILE --account CODE: sharing a leaf layout.
class LayoutCommand : public Command
{
public:
    bool takesPlaces() const override { return true; }
    QList<QCommandLineOption> options() const override;
    bool isWanted(const QCommandLineParser &parser) const override;
    bool worksOnFiles() const override { return true; }
    QString usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const override;
    int run(CommandRun &run) const override;
};

} // namespace quillset
