#include "Program.h"

#include "cli/CommandLineBatch.h"
#include "cli/CommandLineCalibration.h"
#include "cli/CommandLineCopy.h"
#include "cli/CommandLineLayout.h"
#include "cli/CommandLinePrint.h"
#include "cli/CommandLineReport.h"
#include "core/base/Failure.h"
#include "core/base/ProgramInfo.h"
#include "core/layout/Fonts.h"
#include "core/workstation/WorkstationSettings.h"
#include "store/DataSource.h"
#include "store/PostgresDialect.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

namespace quillset {

namespace {

const QString kDatabase = QStringLiteral("database");
const QString kInitialise = QStringLiteral("initialise");
const QString kSampleAccount = QStringLiteral("sample-account");
const QString kRemember = QStringLiteral("remember-database");
const QString kForget = QStringLiteral("forget-database");

void addProgramOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Prints bank cheques and keeps the register of every cheque."));
    parser.addHelpOption();
    parser.addOptions({
        {kDatabase, QStringLiteral("Use the database at <path> instead of Records.mdb beside the program."),
         QStringLiteral("path")},
        {kInitialise, QStringLiteral("Make a new database at the --database path, with the program's settings.")},
        {kSampleAccount, QStringLiteral("With --initialise: add the sample account ACC1.")},
        {kRemember,
         QStringLiteral("Keep the --database as this workstation's own choice, so that Quillset starts on it from "
                        "now on (a server URI, say; never with a password).")},
        {kForget, QStringLiteral("Forget this workstation's choice: start on Records.mdb beside the program again.")},
    });
    addChequePrintOptions(parser);
    addReportOptions(parser);
    addCopyOptions(parser);
    addBatchOptions(parser);
    addLayoutOptions(parser);
    addCalibrationOptions(parser);
    parser.addPositionalArgument(QStringLiteral("FROM TO"),
                                 QStringLiteral("With --report: the first and the last date. With --copy-database: "
                                                "the database to copy and the one to copy it into."));
}

int initialiseDatabase(const QCommandLineParser &parser, const StoreOptions &options)
{
    if (!parser.isSet(kDatabase))
        return sayFailure(QStringLiteral("--initialise needs --database, naming where the new database goes."),
                          ExitStatus::Usage);
    try {
        Store::createDatabase(parser.value(kDatabase), parser.isSet(kSampleAccount), options);
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    std::printf("Made the new database %s\n",
                qUtf8Printable(PostgresDialect::withoutPassword(parser.value(kDatabase))));
    return ExitStatus::Done;
}

} // namespace

int runProgram(int argc, char *argv[], const StartWindows &startWindows)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    addProgramOptions(parser);
    if (!parser.parse(arguments))
        return sayFailure(parser.errorText() + QStringLiteral(" See quillset --help."), ExitStatus::Usage);
    if (!parser.positionalArguments().isEmpty() && !wantsReport(parser) && !wantsCopy(parser) && !wantsLayout(parser))
        return sayFailure(
            QStringLiteral("\"%1\" is not an option. See quillset --help.").arg(parser.positionalArguments().first()),
            ExitStatus::Usage);
    const bool wantsCommand = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))
        || parser.isSet(kInitialise) || parser.isSet(kRemember) || parser.isSet(kForget) || wantsCopy(parser)
        || wantsReport(parser) || wantsChequePrint(parser) || wantsSettling(parser) || wantsBatch(parser)
        || wantsLayout(parser) || wantsCalibrationSheet(parser);
    if (!wantsCommand)
        return startWindows(argc, argv, parser.value(kDatabase));

    // The command line draws its pages without a window, and so without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    nameProgram();
    loadChequeFonts();
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(ExitStatus::Done);
    if (const QString problem = reportUsageProblem(parser); !problem.isEmpty())
        return sayFailure(problem, ExitStatus::Usage);
    if (const QString problem = copyUsageProblem(parser); !problem.isEmpty())
        return sayFailure(problem, ExitStatus::Usage);
    if (const QString problem = batchUsageProblem(parser); !problem.isEmpty())
        return sayFailure(problem, ExitStatus::Usage);
    if (const QString problem = layoutUsageProblem(parser); !problem.isEmpty())
        return sayFailure(problem, ExitStatus::Usage);
    if (const QString problem = calibrationUsageProblem(parser); !problem.isEmpty())
        return sayFailure(problem, ExitStatus::Usage);
    if (const QString problem = wantsReport(parser) || wantsCopy(parser) || wantsBatch(parser) || wantsLayout(parser)
                || wantsCalibrationSheet(parser)
            ? QString()
            : chequePrintUsageProblem(parser);
        !problem.isEmpty())
        return sayFailure(problem, ExitStatus::Usage);
    WorkstationSettings workstation;
    const StoreOptions storeOptions {workstation.storeTimeoutSeconds()};
    if ((parser.isSet(kRemember) && !parser.isSet(kDatabase)) || (parser.isSet(kRemember) && parser.isSet(kForget)))
        return sayFailure(QStringLiteral("--remember-database keeps the --database given with it; --forget-database "
                                         "goes alone."),
                          ExitStatus::Usage);
    try {
        if (parser.isSet(kForget))
            workstation.setDatabaseLocation(QString());
        if (parser.isSet(kRemember))
            workstation.setDatabaseLocation(parser.value(kDatabase));
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    const bool keepsOnlyTheChoice = (parser.isSet(kRemember) || parser.isSet(kForget)) && !parser.isSet(kInitialise)
        && !wantsCopy(parser) && !wantsReport(parser) && !wantsChequePrint(parser) && !wantsSettling(parser)
        && !wantsBatch(parser) && !wantsLayout(parser) && !wantsCalibrationSheet(parser);
    if (keepsOnlyTheChoice) {
        std::printf("This workstation now starts on %s\n",
                    parser.isSet(kForget) ? "the database beside the program"
                                          : qUtf8Printable(QStringLiteral("\"%1\"").arg(
                                              PostgresDialect::withoutPassword(parser.value(kDatabase)))));
        return ExitStatus::Done;
    }
    if (parser.isSet(kInitialise))
        return initialiseDatabase(parser, storeOptions);
    if (wantsCopy(parser))
        return copyFromCommandLine(parser, storeOptions);

    try {
        const QString location = startingDatabase(parser.value(kDatabase), workstation);
        const std::unique_ptr<Store> store
            = Store::OpenDatabase(location, OdbcInstaller::systemLibrary(), storeOptions);
        if (wantsReport(parser))
            return writeReportFromCommandLine(parser, *store, QCoreApplication::applicationDirPath());
        if (wantsSettling(parser))
            return settleFromCommandLine(parser, *store);
        if (wantsBatch(parser))
            return runBatchFromCommandLine(parser, *store);
        if (wantsLayout(parser))
            return runLayoutFromCommandLine(parser, *store);
        if (wantsCalibrationSheet(parser))
            return calibrationSheetFromCommandLine(parser, *store);
        sayPendingCheques(*store);
        return printChequeFromCommandLine(parser, *store);
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
}

} // namespace quillset
