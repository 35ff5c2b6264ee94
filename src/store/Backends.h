#pragma once

#include "store/Dialect.h"

#include <QString>

#include <memory>
#include <vector>

namespace quillset {

/// The one place that knows every backend: which one a location names, and its dialect. A new
/// backend is a Dialect and one line here.

/// The dialect that speaks to the database at `location`; nothing is connected yet.
/// `timeoutSeconds` bounds connecting, statements and lock waits on a server.
std::unique_ptr<Dialect> dialectFor(const QString &location, int timeoutSeconds = 10);
/// One dialect of every backend, for the checks that they agree (their upgrade steps, say).
std::vector<std::unique_ptr<Dialect>> everyDialect();
/// True for a location that names a database on a server rather than a file.
bool isServerLocation(const QString &location);
/// The location without any password it may hold, fit to show or keep.
QString locationWithoutPassword(const QString &location);

} // namespace quillset
