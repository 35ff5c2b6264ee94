#include "LayoutCommand.h"

#include "cli/SharedOptions.h"
#include "core/accounts/LayoutExport.h"
#include "core/base/Failure.h"
#include "store/Store.h"

#include <QCommandLineParser>

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
        {kExport, QStringLiteral("Write the leaf layout of the account <code> to the file FILE (JSON)."),
         QStringLiteral("code")},
        {kImport, QStringLiteral("Read the leaf layout in <file> into the --account (made when there is none)."),
         QStringLiteral("file")},
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
        return QStringLiteral("--export-layout and --import-layout go one at a time.");
    if (parser.isSet(kExport) && parser.positionalArguments().size() != 1)
        return QStringLiteral("--export-layout takes the account's code and the file: --export-layout ACC1 leaf.json");
    if (parser.isSet(kImport) && (!parser.positionalArguments().isEmpty() || parser.value(kAccount).isEmpty()))
        return QStringLiteral("--import-layout takes the file and --account: --import-layout leaf.json --account ACC2");
    return QString();
}

int LayoutCommand::run(CommandRun &run) const
{
    const QCommandLineParser &parser = run.parser;
    try {
        if (parser.isSet(kExport)) {
            exportLayout(*run.store, parser.value(kExport), parser.positionalArguments().first());
            std::printf("Wrote the layout of \"%s\" to %s\n", qUtf8Printable(parser.value(kExport)),
                        qUtf8Printable(parser.positionalArguments().first()));
            return ExitStatus::Done;
        }
        sayLine(importLayout(*run.store, parser.value(kImport), parser.value(kAccount)));
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
