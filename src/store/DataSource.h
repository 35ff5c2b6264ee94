#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace quillset {

/// The few ODBC installer functions the registration uses; empty members stand for a missing library.
struct OdbcInstaller
{
    std::function<bool(int request, const QByteArray &driver, const QByteArray &attributes)> configDataSource;
    std::function<bool(int mode)> setConfigMode;
    std::function<bool(const QByteArray &dataSource, const QByteArray &driver)> writeDataSourceToIni;
    std::function<bool(const QByteArray &section, const QByteArray &key, const QByteArray &value,
                       const QByteArray &file)>
        writeProfileString;
    /// The value of a key in the installer's file, empty when it has none.
    std::function<QByteArray(const QByteArray &section, const QByteArray &key, const QByteArray &file)>
        readProfileString;

    /// unixODBC's installer library, loaded at run time; all members empty when it is not installed.
    static OdbcInstaller systemLibrary();
    /// An installer that does nothing, for callers that must not touch the system's data sources.
    static OdbcInstaller none() { return {}; }
};

/// The attribute list for the "Trading" data source: NUL-terminated items and a closing NUL.
QByteArray dataSourceAttributes(const QString &databasePath);

/// The registered name of the SQLite 3 ODBC driver.
inline constexpr char kOdbcDriverName[] = "SQLite3";

/// Registers the system data source "Trading" for the database, unless it already names this
/// database with this driver: a start then writes nothing to the system's settings. The outcome is deliberately
/// ignored: nothing in the program connects through it, and a start must never fail or nag because of it.
void RegisterDataSource(const QString &databasePath, const OdbcInstaller &installer);

} // namespace quillset
