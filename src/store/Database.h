#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace quillset {

struct OdbcInstaller;

/// The one connection through which the whole program reaches "Records.mdb".
QSqlDatabase SharedConnection();

/// "Records.mdb" inside the given folder.
QString databasePathIn(const QString &folder);

/// Opens the shared connection on an existing Quillset database and registers the "Trading" data source.
/// Throws Failure with a plain-words cause when the file is missing, locked, unreadable or not ours; never
/// creates a database.
void OpenDatabase(const QString &path, const OdbcInstaller &installer);

/// Closes and releases the shared connection; does nothing when it is not open.
void CloseDatabase();

/// Runs one statement on the shared connection with every value bound; throws Failure on any error.
QSqlQuery runStatement(const QString &sql, const QVariantList &values = {});

/// Runs a function inside one transaction on the shared connection: all of it is written, or none.
template<typename Work>
void inTransaction(Work &&work);

void beginTransaction();
void commitTransaction();
void rollbackTransaction();

template<typename Work>
void inTransaction(Work &&work)
{
    beginTransaction();
    try {
        work();
        commitTransaction();
    } catch (...) {
        rollbackTransaction();
        throw;
    }
}

} // namespace quillset
