#include "CommandLineLayout.h"

#include "cli/CommandLinePrint.h"
#include "core/accounts/LayoutExport.h"
#include "core/base/Failure.h"
#include "store/Store.h"

#include <QCommandLineParser>

#include <cstdio>

namespace quillset {

namespace {

const QString kExport = QStringLiteral("export-layout");
const QString kImport = QStringLiteral("import-layout");

} // namespace

void addLayoutOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {kExport, QStringLiteral("Write the leaf layout of the account <code> to the file FILE (JSON)."),
         QStringLiteral("code")},
        {kImport, QStringLiteral("Read the leaf layout in <file> into the --account (made when there is none)."),
         QStringLiteral("file")},
    });
}

bool wantsLayout(const QCommandLineParser &parser)
{
    return parser.isSet(kExport) || parser.isSet(kImport);
}

QString layoutUsageProblem(const QCommandLineParser &parser)
{
    if (!wantsLayout(parser))
        return QString();
    if (parser.isSet(kExport) && parser.isSet(kImport))
        return QStringLiteral("--export-layout and --import-layout go one at a time.");
    if (parser.isSet(kExport) && parser.positionalArguments().size() != 1)
        return QStringLiteral("--export-layout takes the account's code and the file: --export-layout ACC1 leaf.json");
    if (parser.isSet(kImport)
        && (!parser.positionalArguments().isEmpty() || parser.value(QStringLiteral("account")).isEmpty()))
        return QStringLiteral("--import-layout takes the file and --account: --import-layout leaf.json --account ACC2");
    return QString();
}

int runLayoutFromCommandLine(const QCommandLineParser &parser, const Store &store)
{
    try {
        if (parser.isSet(kExport)) {
            exportLayout(store, parser.value(kExport), parser.positionalArguments().first());
            std::printf("Wrote the layout of \"%s\" to %s\n", qUtf8Printable(parser.value(kExport)),
                        qUtf8Printable(parser.positionalArguments().first()));
            return ExitStatus::Done;
        }
        std::printf(
            "%s\n",
            qUtf8Printable(importLayout(store, parser.value(kImport), parser.value(QStringLiteral("account")))));
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
