#include "CopyCommand.h"

#include "cli/SharedOptions.h"
#include "core/base/Failure.h"
#include "store/CopyDatabase.h"
#include "store/PostgresDialect.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace quillset {

using namespace SharedOptions;

namespace {

const QString kCopy = QStringLiteral("copy-database");

} // namespace

QList<QCommandLineOption> CopyCommand::options() const
{
    return {
        {kCopy,
         QCoreApplication::translate("CopyCommand",
                                     "Copy the accounts, the register and the settings of the database FROM into the "
                                     "new or empty database TO (a file or a server URI), and print the count of each "
                                     "table on both sides.")}};
}

bool CopyCommand::isWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(kCopy);
}

QString CopyCommand::usageProblem(const QCommandLineParser &parser, const QList<const Command *> &) const
{
    if (!isWanted(parser))
        return QString();
    for (const QString &other : {kReport, kPrint, kPdf, kMark, kInitialise}) {
        if (parser.isSet(other))
            return QCoreApplication::translate("CopyCommand", "--copy-database goes alone; it cannot go with --%1.")
                .arg(other);
    }
    if (parser.positionalArguments().size() != 2)
        return QCoreApplication::translate("CopyCommand",
                                           "--copy-database takes two places: the database FROM and the database TO.");
    if (parser.isSet(kDatabase))
        return QCoreApplication::translate("CopyCommand",
                                           "--copy-database names both databases itself; leave out --database.");
    return QString();
}

int CopyCommand::run(CommandRun &run) const
{
    const QString from = run.parser.positionalArguments().at(0);
    const QString to = run.parser.positionalArguments().at(1);
    QList<TableCount> counts;
    try {
        counts = copyDatabase(from, to, run.storeOptions);
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    sayLine(QCoreApplication::translate("CopyCommand", "Copied \"%1\" into \"%2\":")
                .arg(PostgresDialect::withoutPassword(from), PostgresDialect::withoutPassword(to)));
    bool same = true;
    for (const TableCount &count : counts) {
        // The table's name and the counts keep their columns; only the words are translated.
        sayLine(
            QStringLiteral("  %1 %2").arg(count.table.leftJustified(12),
                                          QCoreApplication::translate("CopyCommand", "%1 rows in FROM, %2 rows in TO")
                                              .arg(count.from, 10)
                                              .arg(count.to, 10)));
        same = same && count.from == count.to;
    }
    if (!same)
        return sayFailure(QCoreApplication::translate(
            "CopyCommand", "The counts differ: check both databases before using the copy."));
    return ExitStatus::Done;
}

} // namespace quillset
