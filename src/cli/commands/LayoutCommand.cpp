#include "LayoutCommand.h"

#include "cli/SharedOptions.h"
#include "core/accounts/LayoutExport.h"
#include "core/base/Failure.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace quillset {

using namespace SharedOptions;

namespace {

const QString kExport = QStringLiteral("export-layout");
const QString kImport = QStringLiteral("import-layout");

} // namespace

QList<QCommandLineOption> LayoutCommand::options() const
{
    return {
        {kExport,
         QCoreApplication::translate("LayoutCommand",
                                     "Write the leaf layout of the account <code> to the file FILE (JSON)."),
         QCoreApplication::translate("LayoutCommand", "code")},
        {kImport,
         QCoreApplication::translate("LayoutCommand",
                                     "Read the leaf layout in <file> into the --account (made when there is none)."),
         QCoreApplication::translate("LayoutCommand", "file")},
    };
}

bool LayoutCommand::isWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(kExport) || parser.isSet(kImport);
}

QString LayoutCommand::usageProblem(const QCommandLineParser &parser, const QList<const Command *> &) const
{
    if (!isWanted(parser))
        return QString();
    if (parser.isSet(kExport) && parser.isSet(kImport))
        return QCoreApplication::translate("LayoutCommand", "--export-layout and --import-layout go one at a time.");
    if (parser.isSet(kExport) && parser.positionalArguments().size() != 1)
        return QCoreApplication::translate(
            "LayoutCommand", "--export-layout takes the account's code and the file: --export-layout ACC1 leaf.json");
    if (parser.isSet(kImport) && (!parser.positionalArguments().isEmpty() || parser.value(kAccount).isEmpty()))
        return QCoreApplication::translate(
            "LayoutCommand", "--import-layout takes the file and --account: --import-layout leaf.json --account ACC2");
    return QString();
}

int LayoutCommand::run(CommandRun &run) const
{
    const QCommandLineParser &parser = run.parser;
    try {
        if (parser.isSet(kExport)) {
            exportLayout(*run.store, parser.value(kExport), parser.positionalArguments().first());
            sayLine(QCoreApplication::translate("LayoutCommand", "Wrote the layout of \"%1\" to %2")
                        .arg(parser.value(kExport), parser.positionalArguments().first()));
            return ExitStatus::Done;
        }
        sayLine(importLayout(*run.store, parser.value(kImport), parser.value(kAccount)));
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
