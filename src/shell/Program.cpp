#include "Program.h"

#include "AppServices.h"
#include "CommandLinePrint.h"
#include "MessageBoxPrompter.h"
#include "frmMain.h"
#include "layout/Fonts.h"
#include "store/DataSource.h"
#include "store/Database.h"
#include "store/Failure.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

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
    // A cheque printed from the command line opens no window, so it needs no display either.
    if (printOnly && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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

    const QString databasePath = parser.isSet(databaseOption) ? parser.value(databaseOption)
                                                              : databasePathIn(QApplication::applicationDirPath());
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
