#include "Program.h"

#include "cli/CommandLineBatch.h"
#include "cli/CommandLineCalibration.h"
#include "cli/CommandLineCopy.h"
#include "cli/CommandLineLayout.h"
#include "cli/CommandLinePrint.h"
#include "cli/CommandLineReport.h"
#include "core/base/Failure.h"
#include "core/layout/Fonts.h"
#include "core/workstation/WorkstationSettings.h"
#include "store/DataSource.h"
#include "store/DatabaseLocation.h"
#include "store/PostgresDialect.h"
#include "store/Store.h"
#include "widgets/AppServices.h"
#include "widgets/MessageBoxPrompter.h"
#include "windows/shell/frmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>

#include <cstdio>
#include <cstring>

namespace quillset {

namespace {

const QString kDatabase = QStringLiteral("database");
const QString kInitialise = QStringLiteral("initialise");
const QString kSampleAccount = QStringLiteral("sample-account");
const QString kRemember = QStringLiteral("remember-database");
const QString kForget = QStringLiteral("forget-database");

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/quillset/quillset-%1.png").arg(size), QSize(size, size));
    return icon;
}

// Work the command line does without windows, and so without a display.
bool wantsNoWindow(int argc, char *argv[])
{
    static const char *const windowless[] = {"--print",
                                             "--pdf",
                                             "--mark",
                                             "--report",
                                             "--csv",
                                             "--initialise",
                                             "--copy-database",
                                             "--batch",
                                             "--export-layout",
                                             "--import-layout",
                                             "--calibration-sheet",
                                             "--remember-database",
                                             "--forget-database",
                                             "--help",
                                             "-h",
                                             "-?",
                                             "--help-all"};
    for (int i = 1; i < argc; ++i) {
        for (const char *option : windowless) {
            const size_t length = std::strlen(option);
            if (std::strncmp(argv[i], option, length) == 0 && (argv[i][length] == '\0' || argv[i][length] == '='))
                return true;
        }
    }
    return false;
}

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

int runProgram(int argc, char *argv[])
{
    // Printing from the command line, or the help text, needs no window and so no display.
    if (wantsNoWindow(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr,
                     "quillset: there is no display to show the windows on. Start Quillset from a desktop "
                     "session; to print a cheque without windows, use --print or --pdf (see --help).\n");
        return ExitStatus::Failed;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillset"));
    QApplication::setOrganizationName(QStringLiteral("Quillset"));
    QApplication::setWindowIcon(programIcon());
    loadChequeFonts();
    // The windows were laid out for an 8-point face; Tahoma keeps every caption inside its control.
    QApplication::setFont(QFont(chequeFontFamily(), 8));

    QCommandLineParser parser;
    addProgramOptions(parser);
    if (!parser.parse(QApplication::arguments()))
        return sayFailure(parser.errorText() + QStringLiteral(" See quillset --help."), ExitStatus::Usage);
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(ExitStatus::Done);
    if (!parser.positionalArguments().isEmpty() && !wantsReport(parser) && !wantsCopy(parser) && !wantsLayout(parser))
        return sayFailure(
            QStringLiteral("\"%1\" is not an option. See quillset --help.").arg(parser.positionalArguments().first()),
            ExitStatus::Usage);
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

    // The command line's choice, else this workstation's own, else the file beside the program.
    QString location = parser.value(kDatabase);
    if (location.isEmpty())
        location = workstation.databaseLocation();
    try {
        const QString programFolder = QApplication::applicationDirPath();
        if (location.isEmpty())
            location = chooseDatabasePath(programFolder, QFileInfo(programFolder).isWritable(),
                                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    if (wantsReport(parser) || wantsChequePrint(parser) || wantsSettling(parser) || wantsBatch(parser)
        || wantsLayout(parser) || wantsCalibrationSheet(parser)) {
        try {
            const std::unique_ptr<Store> store
                = Store::OpenDatabase(location, OdbcInstaller::systemLibrary(), storeOptions);
            if (wantsReport(parser))
                return writeReportFromCommandLine(parser, *store, QApplication::applicationDirPath());
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

    MessageBoxPrompter prompter;
    AppServices services {prompter};
    try {
        frmMain mainWindow(services, location, OdbcInstaller::systemLibrary(), storeOptions);
        mainWindow.show();
        return QApplication::exec();
    } catch (const Failure &failure) {
        sayFailure(failure.description());
        if (MessageBoxPrompter::hasVisibleScreen())
            prompter.message(QStringLiteral("Quillset"), failure.description(), Prompter::Icon::Error);
        return ExitStatus::Failed;
    }
}

} // namespace quillset
