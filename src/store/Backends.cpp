#include "Backends.h"

#include "store/PostgresDialect.h"
#include "store/SqliteDialect.h"

namespace quillset {

std::unique_ptr<Dialect> dialectFor(const QString &location, int timeoutSeconds)
{
    if (PostgresDialect::isServerLocation(location))
        return std::make_unique<PostgresDialect>(location, timeoutSeconds);
    // Whatever names no server is a file.
    return std::make_unique<SqliteDialect>(location);
}

std::vector<std::unique_ptr<Dialect>> everyDialect()
{
    std::vector<std::unique_ptr<Dialect>> dialects;
    dialects.push_back(std::make_unique<SqliteDialect>(QStringLiteral("Records.mdb")));
    dialects.push_back(std::make_unique<PostgresDialect>(QStringLiteral("postgresql:///quillset"), 10));
    return dialects;
}

bool isServerLocation(const QString &location)
{
    return dialectFor(location)->isShared();
}

QString locationWithoutPassword(const QString &location)
{
    return dialectFor(location)->shownLocation();
}

} // namespace quillset
