#pragma once

#include "cli/Command.h"

namespace quillset {

/// quillset --positive-pay --account CODE [--since-last | FROM TO] --out FILE: writes the account's
/// Positive Pay file in its bank's layout and records each cheque in it as reported to the bank.
class PositivePayCommand : public Command
{
public:
    bool takesPlaces() const override { return true; }
    QList<QCommandLineOption> options() const override;
    bool isWanted(const QCommandLineParser &parser) const override;
    bool worksOnFiles() const override { return true; }
    QString usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const override;
    bool drawsPages(const QCommandLineParser &parser) const override
    {
        Q_UNUSED(parser);
        return false;
    }
    int run(CommandRun &run) const override;
};

} // namespace quillset
