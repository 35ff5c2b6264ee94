#pragma once

#include "store/Store.h"

#include <QList>
#include <QString>

namespace quillset {

/// How many rows one table held on each side of a copy, counted after it was committed.
struct TableCount
{
    QString table;
    qint64 from = 0;
    qint64 to = 0;
};

/// Copies the accounts, the register and the settings of one Quillset database into another, as
/// an office moves from a Records.mdb to a server or back. The target is a new file, an empty server
/// database or a Quillset database with no accounts and no cheques; anything else is refused before
/// a row is written. The rows keep their Ids and go in one transaction: all of them, or none.
/// Throws Failure with a plain-words cause.
QList<TableCount> copyDatabase(const QString &from, const QString &to, const StoreOptions &options = {});

} // namespace quillset
