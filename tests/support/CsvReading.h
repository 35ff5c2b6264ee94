#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quillset::test {

/// The rows of a CSV file as Python's csv module reads them (RFC 4180 quoting, the given separator,
/// UTF-8), so that a file the program writes is read back by a reader it did not write. Fails the
/// calling test (and returns nothing) when Python cannot read it.
QList<QStringList> pythonCsvRows(const QString &path, QChar separator = u',');

} // namespace quillset::test
