#include "CommandLineCopy.h"

#include "cli/CommandLinePrint.h"
#include "core/base/Failure.h"
#include "store/CopyDatabase.h"
#include "store/PostgresDialect.h"

#include <QCommandLineParser>

#include <cstdio>

namespace quillset {

namespace {

const QString kCopy = QStringLiteral("copy-database");

} // namespace

void addCopyOptions(QCommandLineParser &parser)
{
    parser.addOption({kCopy,
                      QStringLiteral("Copy the accounts, the register and the settings of the database FROM into "
                                     "the new or empty database TO (a file or a server URI), and print the count of "
                                     "each table on both sides.")});
}

bool wantsCopy(const QCommandLineParser &parser)
{
    return parser.isSet(kCopy);
}

QString copyUsageProblem(const QCommandLineParser &parser)
{
    if (!wantsCopy(parser))
        return QString();
    for (const QString &other : {QStringLiteral("report"), QStringLiteral("print"), QStringLiteral("pdf"),
                                 QStringLiteral("mark"), QStringLiteral("initialise")}) {
        if (parser.isSet(other))
            return QStringLiteral("--copy-database goes alone; it cannot go with --%1.").arg(other);
    }
    if (parser.positionalArguments().size() != 2)
        return QStringLiteral("--copy-database takes two places: the database FROM and the database TO.");
    if (parser.isSet(QStringLiteral("database")))
        return QStringLiteral("--copy-database names both databases itself; leave out --database.");
    return QString();
}

int copyFromCommandLine(const QCommandLineParser &parser, const StoreOptions &options)
{
    const QString from = parser.positionalArguments().at(0);
    const QString to = parser.positionalArguments().at(1);
    QList<TableCount> counts;
    try {
        counts = copyDatabase(from, to, options);
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    std::printf("Copied \"%s\" into \"%s\":\n", qUtf8Printable(PostgresDialect::withoutPassword(from)),
                qUtf8Printable(PostgresDialect::withoutPassword(to)));
    bool same = true;
    for (const TableCount &count : counts) {
        std::printf("  %-12s %10lld rows in FROM, %10lld rows in TO\n", qUtf8Printable(count.table), count.from,
                    count.to);
        same = same && count.from == count.to;
    }
    if (!same)
        return sayFailure(QStringLiteral("The counts differ: check both databases before using the copy."));
    return ExitStatus::Done;
}

} // namespace quillset
