#pragma once

#include "cli/CommandOutput.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

class QCommandLineParser;

namespace quillset {

class Store;
class WorkstationSettings;
struct StoreOptions;

/// What a command is run with: the words it was given, the workstation's settings and, for a
/// command that needs one, the open store.
struct CommandRun
{
    const QCommandLineParser &parser;
    WorkstationSettings &workstation;
    const StoreOptions &storeOptions;
    const Store *store = nullptr; ///< set when the command needsStore()
};

/// One command of the command line: the options only it reads (those several read are in
/// SharedOptions.h), when it is wanted, what is wrong with how it was asked for, and its run.
/// A new command is a new class and one line in CommandRegistry.cpp.
class Command
{
public:
    virtual ~Command() = default;

    /// Its own options, in the order the help lists them.
    virtual QList<QCommandLineOption> options() const { return {}; }
    /// True when the command line asks for this command.
    virtual bool isWanted(const QCommandLineParser &parser) const = 0;
    /// True when the words after the options (dates, places, a file) are this command's.
    virtual bool takesPlaces() const { return false; }
    /// A command on files or whole registers (a report, a copy, a batch, a layout, a calibration
    /// sheet): --pdf, --print and --confirm mean something of its own, or nothing, so one cheque's
    /// checks of them are left out.
    virtual bool worksOnFiles() const { return false; }
    /// What is wrong with the words given, or an empty text. Asked of every command, wanted or not,
    /// once any command is wanted: a command also refuses its options given without it.
    virtual QString usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const
    {
        Q_UNUSED(parser);
        Q_UNUSED(wanted);
        return QString();
    }
    /// Done before the command that runs, for every wanted command; returns the exit status, Done to go on.
    virtual int prepare(CommandRun &run) const
    {
        Q_UNUSED(run);
        return ExitStatus::Done;
    }
    /// True when run() reads the store the command line names.
    virtual bool needsStore() const { return true; }
    /// True when the command composes, measures or draws pages, which needs Qt's graphics and the
    /// cheque's fonts; one that only reads and writes the register starts sooner without them.
    virtual bool drawsPages(const QCommandLineParser &parser) const
    {
        Q_UNUSED(parser);
        return true;
    }
    /// Does the command; returns the exit status. Problems are said in plain words on standard error.
    virtual int run(CommandRun &run) const = 0;
};

} // namespace quillset
