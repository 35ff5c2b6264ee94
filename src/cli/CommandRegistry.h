#pragma once

#include "cli/Command.h"

#include <memory>
#include <vector>

class QCommandLineParser;

namespace quillset {

/// Every command of the command line, in the order they take precedence: when several are asked
/// for together (and their checks let them), the first one runs.
class CommandRegistry
{
public:
    CommandRegistry();

    /// Declares the help, the shared options, every command's own options and the words after them.
    void addOptions(QCommandLineParser &parser) const;

    /// The commands the command line asks for, in precedence order; none: the windows start.
    QList<const Command *> wanted(const QCommandLineParser &parser) const;
    /// True when the words after the options are one of the wanted commands'.
    bool placesAreTaken(const QList<const Command *> &wanted) const;
    /// The first problem any command finds with the words, asked in precedence order; empty when none.
    QString usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const;

private:
    std::vector<std::unique_ptr<const Command>> m_commands;
};

} // namespace quillset
