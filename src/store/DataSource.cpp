#include "DataSource.h"

#include <QFile>
#include <QLibrary>

#include <memory>

namespace quillset {

namespace {

constexpr int kAddSystemDataSource = 4; // ODBC_ADD_SYS_DSN
constexpr int kSystemDataSourceMode = 2; // ODBC_SYSTEM_DSN
constexpr int kBothDataSourceModes = 0; // ODBC_BOTH_DSN

// The installer's BOOL is an int; its strings are 8-bit.
using ConfigDataSourceFn = int (*)(void *, unsigned short, const char *, const char *);
using SetConfigModeFn = int (*)(unsigned short);
using WriteDsnToIniFn = int (*)(const char *, const char *);
using WriteProfileStringFn = int (*)(const char *, const char *, const char *, const char *);
using GetProfileStringFn = int (*)(const char *, const char *, const char *, char *, int, const char *);

} // namespace

OdbcInstaller OdbcInstaller::systemLibrary()
{
    auto library = std::make_shared<QLibrary>(QStringLiteral("odbcinst"), 2);
    if (!library->load())
        return none();
    const auto configure = reinterpret_cast<ConfigDataSourceFn>(library->resolve("SQLConfigDataSource"));
    const auto setMode = reinterpret_cast<SetConfigModeFn>(library->resolve("SQLSetConfigMode"));
    const auto writeDsn = reinterpret_cast<WriteDsnToIniFn>(library->resolve("SQLWriteDSNToIni"));
    const auto writeString = reinterpret_cast<WriteProfileStringFn>(library->resolve("SQLWritePrivateProfileString"));

    const auto readString = reinterpret_cast<GetProfileStringFn>(library->resolve("SQLGetPrivateProfileString"));

    OdbcInstaller installer;
    // Each function keeps the library loaded for as long as it may be called.
    if (configure)
        installer.configDataSource = [library, configure](int request, const QByteArray &driver,
                                                          const QByteArray &attributes) {
            return configure(nullptr, static_cast<unsigned short>(request), driver.constData(), attributes.constData())
                != 0;
        };
    if (setMode)
        installer.setConfigMode
            = [library, setMode](int mode) { return setMode(static_cast<unsigned short>(mode)) != 0; };
    if (writeDsn)
        installer.writeDataSourceToIni = [library, writeDsn](const QByteArray &dsn, const QByteArray &driver) {
            return writeDsn(dsn.constData(), driver.constData()) != 0;
        };
    if (writeString)
        installer.writeProfileString = [library, writeString](const QByteArray &section, const QByteArray &key,
                                                              const QByteArray &value, const QByteArray &file) {
            return writeString(section.constData(), key.constData(), value.constData(), file.constData()) != 0;
        };
    if (readString)
        installer.readProfileString
            = [library, readString](const QByteArray &section, const QByteArray &key, const QByteArray &file) {
                  char value[4096] = {};
                  const int length
                      = readString(section.constData(), key.constData(), "", value, sizeof value, file.constData());
                  return length > 0 ? QByteArray(value, qMin(length, int(sizeof value) - 1)) : QByteArray();
              };
    return installer;
}

QByteArray dataSourceAttributes(const QString &databasePath)
{
    const QByteArray items[] = {"SERVER=Quillset", "DESCRIPTION=Trading", "DSN=Trading",
                                QByteArray("Database=").append(QFile::encodeName(databasePath))};
    QByteArray attributes;
    for (const QByteArray &item : items) {
        attributes += item;
        attributes += '\0';
    }
    attributes += '\0';
    return attributes;
}

void RegisterDataSource(const QString &databasePath, const OdbcInstaller &installer)
{
    if (!installer.configDataSource)
        return;
    if (installer.readProfileString && installer.setConfigMode) {
        installer.setConfigMode(kSystemDataSourceMode);
        const bool registered
            = installer.readProfileString("Trading", "Database", "odbc.ini") == QFile::encodeName(databasePath)
            && installer.readProfileString("Trading", "Driver", "odbc.ini") == kOdbcDriverName;
        installer.setConfigMode(kBothDataSourceModes);
        if (registered)
            return;
    }
    const QByteArray attributes = dataSourceAttributes(databasePath);
    if (installer.configDataSource(kAddSystemDataSource, kOdbcDriverName, attributes))
        return;

    // Debian's SQLite driver has no setup entry point, so the installer refuses the request above.
    // The same entry is then written through the installer's own profile functions.
    if (!installer.setConfigMode || !installer.writeDataSourceToIni || !installer.writeProfileString)
        return;
    installer.setConfigMode(kSystemDataSourceMode);
    if (installer.writeDataSourceToIni("Trading", kOdbcDriverName)) {
        for (const QByteArray &item : attributes.split('\0')) {
            const qsizetype equals = item.indexOf('=');
            if (equals <= 0 || item.startsWith("DSN="))
                continue;
            installer.writeProfileString("Trading", item.left(equals), item.mid(equals + 1), "odbc.ini");
        }
    }
    installer.setConfigMode(kBothDataSourceModes);
}

} // namespace quillset
