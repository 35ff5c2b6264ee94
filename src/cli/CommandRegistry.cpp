#include "CommandRegistry.h"

#include "cli/SharedOptions.h"
#include "cli/commands/BackupCommand.h"
#include "cli/commands/BatchCommand.h"
#include "cli/commands/CalibrationCommand.h"
#include "cli/commands/CopyCommand.h"
#include "cli/commands/InitialiseCommand.h"
#include "cli/commands/LayoutCommand.h"
#include "cli/commands/MarkCommand.h"
#include "cli/commands/PositivePayCommand.h"
#include "cli/commands/PrintCommand.h"
#include "cli/commands/ProofCommand.h"
#include "cli/commands/ReportCommand.h"
#include "cli/commands/ReprintCommand.h"
#include "cli/commands/VerifyCommand.h"
#include "cli/commands/WorkstationChoiceCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>

namespace quillset {

CommandRegistry::CommandRegistry()
{
    // A new command: one line here, where it takes precedence.
    m_commands.push_back(std::make_unique<InitialiseCommand>());
    m_commands.push_back(std::make_unique<ReportCommand>());
    m_commands.push_back(std::make_unique<PositivePayCommand>());
    m_commands.push_back(std::make_unique<CopyCommand>());
    m_commands.push_back(std::make_unique<MarkCommand>());
    m_commands.push_back(std::make_unique<BatchCommand>());
    m_commands.push_back(std::make_unique<LayoutCommand>());
    m_commands.push_back(std::make_unique<CalibrationCommand>());
    m_commands.push_back(std::make_unique<ReprintCommand>());
    m_commands.push_back(std::make_unique<PrintCommand>());
    m_commands.push_back(std::make_unique<ProofCommand>());
    m_commands.push_back(std::make_unique<VerifyCommand>());
    m_commands.push_back(std::make_unique<BackupCommand>());
    // Last: it runs alone only; given with another command, it is kept before that one runs.
    m_commands.push_back(std::make_unique<WorkstationChoiceCommand>());
}

void CommandRegistry::addOptions(QCommandLineParser &parser) const
{
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandRegistry", "Prints bank cheques and keeps the register of every cheque."));
    parser.addHelpOption();
    parser.addOptions(SharedOptions::options());
    for (const auto &command : m_commands)
        parser.addOptions(command->options());
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandRegistry", "FROM TO"),
        QCoreApplication::translate(
            "CommandRegistry",
            "With --report and --positive-pay: the first and the last date. With --copy-database: "
            "the database to copy and the one to copy it into."));
}

QList<const Command *> CommandRegistry::wanted(const QCommandLineParser &parser) const
{
    QList<const Command *> found;
    for (const auto &command : m_commands) {
        if (command->isWanted(parser))
            found.append(command.get());
    }
    return found;
}

bool CommandRegistry::placesAreTaken(const QList<const Command *> &wanted) const
{
    return std::any_of(wanted.cbegin(), wanted.cend(), [](const Command *command) { return command->takesPlaces(); });
}

QString CommandRegistry::usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const
{
    for (const auto &command : m_commands) {
        if (const QString problem = command->usageProblem(parser, wanted); !problem.isEmpty())
            return problem;
    }
    return QString();
}

} // namespace quillset
