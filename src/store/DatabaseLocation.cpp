#include "DatabaseLocation.h"

#include "core/base/Failure.h"
#include "core/base/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace quillset {

QString databasePathIn(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("Records.mdb"));
}

QString chooseDatabasePath(const QString &programFolder, bool programFolderWritable, const QString &userDataFolder)
{
    const QString delivered = databasePathIn(programFolder);
    if (programFolderWritable)
        return delivered;
    const QString own = databasePathIn(userDataFolder);
    if (QFile::exists(own) || !QFile::exists(delivered))
        return own; // a missing delivered copy is reported when the database is opened
    if (const QString other = otherThanAFile(delivered); !other.isEmpty())
        throw Failure(
            ErrorNumber::DatabaseUnreadable,
            QCoreApplication::translate("DatabaseLocation",
                                        "Quillset cannot copy its delivered database \"%1\": it is %2, not a file.")
                .arg(QDir::toNativeSeparators(delivered), other));
    if (!QDir().mkpath(userDataFolder))
        throw Failure(ErrorNumber::FileWrite,
                      QCoreApplication::translate("DatabaseLocation", "Quillset cannot create its data folder \"%1\".")
                          .arg(QDir::toNativeSeparators(userDataFolder)));
    // Copied under another name first, so that an interrupted copy never looks like a database.
    const QString partial = own + QStringLiteral(".partial");
    QFile::remove(partial);
    if (!QFile::copy(delivered, partial) || !QFile::rename(partial, own)) {
        QFile::remove(partial);
        throw Failure(ErrorNumber::FileWrite,
                      QCoreApplication::translate("DatabaseLocation",
                                                  "Quillset cannot copy its delivered database \"%1\" to \"%2\".")
                          .arg(QDir::toNativeSeparators(delivered), QDir::toNativeSeparators(own)));
    }
    // The delivered copy is read-only where it was installed; the user's own copy must be writable.
    QFile(own).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return own;
}

} // namespace quillset
