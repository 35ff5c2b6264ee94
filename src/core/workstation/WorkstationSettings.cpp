#include "WorkstationSettings.h"

#include "core/base/Failure.h"
#include "store/DatabaseLocation.h"
#include "store/PostgresDialect.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace quillset {

namespace {

const QString kLocation = QStringLiteral("database/location");
const QString kTimeout = QStringLiteral("database/timeoutSeconds");
const QString kLastAccount = QStringLiteral("entry/lastAccount");

} // namespace

WorkstationSettings::WorkstationSettings()
    : m_settings(std::make_unique<QSettings>(QStringLiteral("Quillset"), QStringLiteral("Quillset")))
{
}

WorkstationSettings::~WorkstationSettings() = default;

QString WorkstationSettings::databaseLocation() const
{
    return m_settings->value(kLocation).toString();
}

QString WorkstationSettings::lastAccount() const
{
    return m_settings->value(kLastAccount).toString();
}

void WorkstationSettings::setLastAccount(const QString &account)
{
    m_settings->setValue(kLastAccount, account);
    write();
}

void WorkstationSettings::setDatabaseLocation(const QString &location)
{
    if (PostgresDialect::withoutPassword(location) != location)
        throw Failure(
            ErrorNumber::EntryInvalid,
            QCoreApplication::translate("WorkstationSettings",
                                        "The location holds a password, and Quillset never keeps one. Put the password "
                                        "in the user's ~/.pgpass file (libpq's password file), and remember the "
                                        "location without it."));
    if (location.isEmpty())
        m_settings->remove(kLocation);
    else
        m_settings->setValue(kLocation, location);
    write();
}

void WorkstationSettings::write()
{
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        throw Failure(
            ErrorNumber::FileWrite,
            QCoreApplication::translate("WorkstationSettings", "The settings file \"%1\" could not be written.")
                .arg(m_settings->fileName()));
}

int WorkstationSettings::storeTimeoutSeconds() const
{
    bool ok = false;
    const int seconds = m_settings->value(kTimeout, 10).toInt(&ok);
    return ok && seconds >= 1 && seconds <= 300 ? seconds : 10;
}

QString startingDatabase(const QString &given, const WorkstationSettings &workstation)
{
    if (!given.isEmpty())
        return given;
    if (const QString chosen = workstation.databaseLocation(); !chosen.isEmpty())
        return chosen;
    const QString programFolder = QCoreApplication::applicationDirPath();
    return chooseDatabasePath(programFolder, QFileInfo(programFolder).isWritable(),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace quillset
