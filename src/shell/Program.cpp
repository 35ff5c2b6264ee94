#include "Program.h"

#include "AppServices.h"
#include "CommandLinePrint.h"
#include "MessageBoxPrompter.h"
#include "frmMain.h"
#include "layout/Fonts.h"
#include "store/DataSource.h"
#include "store/Database.h"
#include "store/DatabaseLocation.h"
#include "store/Failure.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>

#include <cstdio>

namespace quillset {

namespace {

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/quillset/quillset-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int runProgram(int argc, char *argv[])
{
    const bool printOnly = wantsChequePrint(argc, argv);
    // A cheque printed from the command line, or the help text, needs no window and so no display.
    if ((printOnly || wantsHelp(argc, argv)) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr,
                     "quillset: there is no display to show the windows on. Start Quillset from a desktop "
                     "session; to print a cheque without windows, use --print or --pdf (see --help).\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillset"));
    QApplication::setOrganizationName(QStringLiteral("Quillset"));
    QApplication::setWindowIcon(programIcon());
    loadChequeFonts();
    // The windows were laid out for an 8-point face; Tahoma keeps every caption inside its control.
    QApplication::setFont(QFont(chequeFontFamily(), 8));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prints bank cheques and keeps the register of every cheque."));
    parser.addHelpOption();
    const QCommandLineOption databaseOption(
        QStringLiteral("database"),
        QStringLiteral("Use the database at <path> instead of Records.mdb beside the program."),
        QStringLiteral("path"));
    parser.addOption(databaseOption);
    addChequePrintOptions(parser);
    parser.process(app);

    QString databasePath;
    try {
        const QString programFolder = QApplication::applicationDirPath();
        databasePath = parser.isSet(databaseOption)
            ? parser.value(databaseOption)
            : chooseDatabasePath(programFolder, QFileInfo(programFolder).isWritable(),
                                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    } catch (const Failure &failure) {
        std::fprintf(stderr, "quillset: %s\n", failure.what());
        return 1;
    }
    if (printOnly) {
        try {
            OpenDatabase(databasePath, OdbcInstaller::systemLibrary());
        } catch (const Failure &failure) {
            std::fprintf(stderr, "quillset: %s\n", failure.what());
            return 1;
        }
        const int status = printChequeFromCommandLine(parser);
        CloseDatabase();
        return status;
    }

    MessageBoxPrompter prompter;
    AppServices services {prompter};
    try {
        frmMain mainWindow(services, databasePath, OdbcInstaller::systemLibrary());
        mainWindow.show();
        return QApplication::exec();
    } catch (const Failure &failure) {
        std::fprintf(stderr, "quillset: %s\n", failure.what());
        if (MessageBoxPrompter::hasVisibleScreen())
            prompter.message(QStringLiteral("Quillset"), failure.description(), Prompter::Icon::Error);
        return 1;
    }
}

} // namespace quillset
