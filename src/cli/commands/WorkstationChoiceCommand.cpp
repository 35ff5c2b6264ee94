#include "WorkstationChoiceCommand.h"

#include "cli/SharedOptions.h"
#include "core/base/Failure.h"
#include "core/workstation/WorkstationSettings.h"
#include "store/PostgresDialect.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace quillset {

using namespace SharedOptions;

namespace {

const QString kRemember = QStringLiteral("remember-database");
const QString kForget = QStringLiteral("forget-database");

} // namespace

QList<QCommandLineOption> WorkstationChoiceCommand::options() const
{
    return {
        {kRemember,
         QCoreApplication::translate(
             "WorkstationChoiceCommand",
             "Keep the --database as this workstation's own choice, so that Quillset starts on it from "
             "now on (a server URI, say; never with a password).")},
        {kForget,
         QCoreApplication::translate(
             "WorkstationChoiceCommand",
             "Forget this workstation's choice: start on Records.mdb beside the program again.")},
    };
}

bool WorkstationChoiceCommand::isWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(kRemember) || parser.isSet(kForget);
}

QString WorkstationChoiceCommand::usageProblem(const QCommandLineParser &parser, const QList<const Command *> &) const
{
    if (parser.isSet(kRemember) && (!parser.isSet(kDatabase) || parser.isSet(kForget)))
        return QCoreApplication::translate(
            "WorkstationChoiceCommand",
            "--remember-database keeps the --database given with it; --forget-database goes alone.");
    return QString();
}

int WorkstationChoiceCommand::prepare(CommandRun &run) const
{
    try {
        if (run.parser.isSet(kForget))
            run.workstation.setDatabaseLocation(QString());
        if (run.parser.isSet(kRemember))
            run.workstation.setDatabaseLocation(run.parser.value(kDatabase));
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

int WorkstationChoiceCommand::run(CommandRun &run) const
{
    // Only when no other command was given: the choice itself was kept by prepare().
    sayLine(
        QCoreApplication::translate("WorkstationChoiceCommand", "This workstation now starts on %1")
            .arg(run.parser.isSet(kForget)
                     ? QCoreApplication::translate("WorkstationChoiceCommand", "the database beside the program")
                     : QStringLiteral("\"%1\"").arg(PostgresDialect::withoutPassword(run.parser.value(kDatabase)))));
    return ExitStatus::Done;
}

} // namespace quillset
