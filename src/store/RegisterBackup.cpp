#include "RegisterBackup.h"

#include "core/base/Failure.h"
#include "store/Connection.h"
#include "store/DataSource.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

#include <filesystem>
#include <optional>
#include <system_error>

namespace quillset {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// Takes `to`'s name in one step, over any file there: never a moment without one or the other.
bool renameOver(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), error);
    return !error;
}

[[noreturn]] void refuse(const QString &text)
{
    throw Failure(ErrorNumber::FileWrite, text);
}

// The last entry of the history of the register in `file`, read without changing the file; none
// when it is no register of this program.
std::optional<std::pair<qint64, QString>> lastEntryOf(const QString &file)
{
    QFile header(file);
    if (!header.open(QIODevice::ReadOnly) || header.read(16) != QByteArray("SQLite format 3", 16))
        return std::nullopt;
    std::optional<std::pair<qint64, QString>> last;
    const QString name = QStringLiteral("backup-target-") + QUuid::createUuid().toString(QUuid::Id128);
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(file);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (database.open()) {
            QSqlQuery query(database);
            if (query.exec(QStringLiteral("SELECT Id, Hash FROM History ORDER BY Id DESC LIMIT 1")) && query.next())
                last = std::make_pair(query.value(0).toLongLong(), query.value(1).toString());
        }
    }
    QSqlDatabase::removeDatabase(name);
    return last;
}

// Only an earlier copy of this register is written over: a file whose history this register's history
// goes on from. Another register, a copy that went on by itself, or a file of any other kind would
// be lost without a word.
bool isEarlierCopy(const Store &store, const QString &file)
{
    const QFileInfo target(file);
    if (!target.exists() || (target.isFile() && target.size() == 0))
        return true;
    const std::optional<std::pair<qint64, QString>> last = target.isFile() ? lastEntryOf(file) : std::nullopt;
    if (!last)
        return false;
    const Connection &connection = store.SharedConnection();
    QSqlQuery ours = connection.run(QStringLiteral("SELECT 1 FROM History WHERE Id = ? AND Hash = ?"),
                                    {last->first, last->second});
    return connection.next(ours);
}

} // namespace

void backUpRegister(const Store &store, const QString &file)
{
    if (store.isShared())
        refuse(QCoreApplication::translate("RegisterBackup",
                                           "A register on a server is backed up with the server's own tools "
                                           "(pg_dump); see the guide."));
    if (QFileInfo(file).absoluteFilePath() == QFileInfo(store.databaseFile()).absoluteFilePath())
        refuse(QCoreApplication::translate("RegisterBackup", "A register cannot be backed up over itself."));
    if (!QFileInfo(file).absoluteDir().exists())
        refuse(QCoreApplication::translate("RegisterBackup", "The folder of the backup \"%1\" is not there.")
                   .arg(shown(file)));
    if (!isEarlierCopy(store, file))
        refuse(QCoreApplication::translate("RegisterBackup",
                                           "\"%1\" is there already and is not an earlier backup of this register, so "
                                           "it is not written over. Choose another name.")
                   .arg(shown(file)));
    const QString partial = file + QStringLiteral(".partial");
    QFile::remove(partial);
    try {
        // SQLite writes the copy as of one moment, while other programs go on reading and writing.
        store.SharedConnection().run(QStringLiteral("VACUUM INTO ?"), {partial});
    } catch (const Failure &failure) {
        QFile::remove(partial);
        refuse(QCoreApplication::translate("RegisterBackup", "The backup \"%1\" could not be written: %2")
                   .arg(shown(file), failure.description()));
    }
    if (!renameOver(partial, file)) {
        QFile::remove(partial);
        refuse(QCoreApplication::translate("RegisterBackup", "The finished backup could not be named \"%1\".")
                   .arg(shown(file)));
    }
}

QString restoreRegister(const QString &copy, const QString &location, const StoreOptions &options)
{
    if (!QFileInfo(copy).isFile())
        refuse(QCoreApplication::translate("RegisterBackup", "There is no backup \"%1\" to restore.").arg(shown(copy)));
    const QString restoring = location + QStringLiteral(".restoring");
    QFile::remove(restoring);
    if (!QFile::copy(copy, restoring))
        refuse(QCoreApplication::translate("RegisterBackup", "The backup could not be copied beside \"%1\".")
                   .arg(shown(location)));
    try {
        const std::unique_ptr<Store> restored = Store::OpenDatabase(restoring, OdbcInstaller::none(), options);
        const RegisterCheck check = restored->history().verify();
        if (!check.damage.isEmpty())
            refuse(QCoreApplication::translate("RegisterBackup",
                                               "The backup \"%1\" is damaged, so it was not "
                                               "restored: %2")
                       .arg(shown(copy), check.damage.first()));
        if (!check.isClean())
            refuse(QCoreApplication::translate("RegisterBackup",
                                               "The backup \"%1\" does not agree with its own history, so it was "
                                               "not restored: %2")
                       .arg(shown(copy), check.brokenLink.isEmpty() ? check.differences.first() : check.brokenLink));
    } catch (const Failure &failure) {
        QFile::remove(restoring);
        if (failure.number() == ErrorNumber::FileWrite)
            throw;
        refuse(QCoreApplication::translate("RegisterBackup", "The backup \"%1\" was not restored: %2")
                   .arg(shown(copy), failure.description()));
    }
    // Each restore keeps what it replaced: a second one must not write over the first one's.
    QString kept = location + QStringLiteral(".before-restore");
    for (int n = 2; QFileInfo::exists(kept); ++n)
        kept = location + QStringLiteral(".before-restore-%1").arg(n);
    if (QFileInfo::exists(location) && !renameOver(location, kept)) {
        QFile::remove(restoring);
        refuse(QCoreApplication::translate("RegisterBackup", "The register \"%1\" could not be set aside.")
                   .arg(shown(location)));
    }
    if (!renameOver(restoring, location))
        refuse(QCoreApplication::translate("RegisterBackup",
                                           "The backup could not take the register's place; the register is "
                                           "kept as \"%1\".")
                   .arg(shown(kept)));
    return kept;
}

} // namespace quillset
