#include "InitialiseCommand.h"

#include "cli/SharedOptions.h"
#include "core/base/Failure.h"
#include "store/PostgresDialect.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace quillset {

using namespace SharedOptions;

namespace {

const QString kSampleAccount = QStringLiteral("sample-account");

} // namespace

QList<QCommandLineOption> InitialiseCommand::options() const
{
    return {
        {kInitialise,
         QCoreApplication::translate("InitialiseCommand",
                                     "Make a new database at the --database path, with the program's settings.")},
        {kSampleAccount,
         QCoreApplication::translate("InitialiseCommand", "With --initialise: add the sample account ACC1.")},
    };
}

bool InitialiseCommand::isWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(kInitialise);
}

int InitialiseCommand::run(CommandRun &run) const
{
    // Checked here, not with the words: a --remember-database or --forget-database given with it is kept first.
    if (!run.parser.isSet(kDatabase))
        return sayFailure(
            QCoreApplication::translate("InitialiseCommand",
                                        "--initialise needs --database, naming where the new database goes."),
            ExitStatus::Usage);
    try {
        Store::createDatabase(run.parser.value(kDatabase), run.parser.isSet(kSampleAccount), run.storeOptions);
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    sayLine(QCoreApplication::translate("InitialiseCommand", "Made the new database %1")
                .arg(PostgresDialect::withoutPassword(run.parser.value(kDatabase))));
    return ExitStatus::Done;
}

} // namespace quillset
