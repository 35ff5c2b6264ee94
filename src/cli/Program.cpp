#include "Program.h"

#include "cli/CommandRegistry.h"
#include "cli/SharedOptions.h"
#include "core/base/Failure.h"
#include "core/base/ProgramInfo.h"
#include "core/layout/Fonts.h"
#include "core/workstation/WorkstationSettings.h"
#include "store/DataSource.h"
#include "store/Schema.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace quillset {

namespace {

bool wantsHelp(const QCommandLineParser &parser)
{
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
}

} // namespace

int runProgram(int argc, char *argv[], const StartWindows &startWindows)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandRegistry registry;
    QCommandLineParser parser;
    registry.addOptions(parser);
    if (!parser.parse(arguments))
        return sayFailure(parser.errorText() + QCoreApplication::translate("Program", " See quillset --help."),
                          ExitStatus::Usage);
    const QList<const Command *> wanted = registry.wanted(parser);
    if (!parser.positionalArguments().isEmpty() && !registry.placesAreTaken(wanted))
        return sayFailure(QCoreApplication::translate("Program", "\"%1\" is not an option. See quillset --help.")
                              .arg(parser.positionalArguments().first()),
                          ExitStatus::Usage);
    if (wanted.isEmpty() && !wantsHelp(parser)) {
        // The windows take only a database: a script's cheque options without a command would
        // otherwise open a window and wait there, having done nothing it asked.
        QStringList given = parser.optionNames();
        given.removeAll(SharedOptions::kDatabase);
        if (!given.isEmpty())
            return sayFailure(QCoreApplication::translate("Program",
                                                          "--%1 needs a command, such as --print or --pdf FILE for a "
                                                          "cheque; without one the program opens its windows, which "
                                                          "take only --database. See quillset --help.")
                                  .arg(given.first()),
                              ExitStatus::Usage);
        return startWindows(argc, argv, parser.value(SharedOptions::kDatabase));
    }

    // The command line draws its pages without a window, and so without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool drawsPages = wantsHelp(parser)
        || std::any_of(wanted.cbegin(), wanted.cend(),
                       [&](const Command *command) { return command->drawsPages(parser); });
    const std::unique_ptr<QCoreApplication> app
        = drawsPages ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    nameProgram();
    if (drawsPages)
        loadChequeFonts();
    if (wantsHelp(parser))
        parser.showHelp(ExitStatus::Done);
    if (const QString problem = registry.usageProblem(parser, wanted); !problem.isEmpty())
        return sayFailure(problem, ExitStatus::Usage);

    WorkstationSettings workstation;
    StoreOptions storeOptions {workstation.storeTimeoutSeconds()};
    // An upgrade of a large register, and the start of its history, say how far they have come, a
    // line for every tenth.
    const auto sayTenths = [](const char *doing) {
        return [doing, shown = -1](int done, int total) mutable {
            const int tenth = total > 0 ? done * 10 / total : 10;
            if (tenth == shown)
                return;
            shown = tenth;
            std::fprintf(
                stderr, "quillset: %s\n",
                qUtf8Printable(QCoreApplication::translate("Program", "%1: %2% done")
                                   .arg(QCoreApplication::translate("Program", doing), QString::number(tenth * 10))));
        };
    };
    storeOptions.upgradeProgress = sayTenths(QT_TRANSLATE_NOOP("Program", "upgrading the database"));
    storeOptions.historyProgress = sayTenths(QT_TRANSLATE_NOOP("Program", "writing the register's history"));
    CommandRun run {parser, workstation, storeOptions};
    for (const Command *command : wanted) {
        if (const int status = command->prepare(run); status != ExitStatus::Done)
            return status;
    }
    const Command &command = *wanted.first();
    try {
        std::unique_ptr<Store> store;
        if (command.needsStore()) {
            const QString location = startingDatabase(parser.value(SharedOptions::kDatabase), workstation);
            store = Store::OpenDatabase(location, OdbcInstaller::systemLibrary(), storeOptions);
            if (const QString notes = upgradeNotesSummary(store->upgradeNotes()); !notes.isEmpty())
                std::fprintf(stderr, "quillset: %s\n", qUtf8Printable(notes));
            run.store = store.get();
        }
        return command.run(run);
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
}

} // namespace quillset
