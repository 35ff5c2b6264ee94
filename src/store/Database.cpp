#include "Database.h"

#include "DataSource.h"
#include "Failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>

namespace quillset {

namespace {

const QString kConnectionName = QStringLiteral("SharedConnection");

// The first bytes of a Jet (Access) database, so that an old Records.mdb gets a message of its own.
bool looksLikeAccessFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(32);
    return head.contains("Standard Jet DB") || head.contains("Standard ACE DB");
}

[[noreturn]] void refuseToOpen(ErrorNumber number, const QString &path, const QString &cause)
{
    CloseDatabase();
    throw Failure(number,
                  QStringLiteral("Quillset cannot open its database \"%1\": %2")
                      .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), cause));
}

bool isLockError(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("5") || code == QLatin1String("6")
        || error.databaseText().contains(QLatin1String("locked"));
}

void checkReadableAndWritable(const QString &path)
{
    QSqlQuery probe(QSqlDatabase::database(kConnectionName, false));
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        if (isLockError(probe.lastError()))
            refuseToOpen(ErrorNumber::DatabaseLocked, path,
                         QStringLiteral("the file is locked by another program. Close it and try again."));
        if (looksLikeAccessFile(path))
            refuseToOpen(ErrorNumber::DatabaseUnreadable, path,
                         QStringLiteral("it is an old Access-format database. Quillset keeps its records in "
                                        "SQLite; use the Records.mdb delivered with this version."));
        refuseToOpen(ErrorNumber::DatabaseUnreadable, path,
                     QStringLiteral("the file is not a Quillset database or is damaged (%1).")
                         .arg(probe.lastError().databaseText()));
    }
    for (const QString &table :
         {QStringLiteral("BankAccount"), QStringLiteral("Cheque"), QStringLiteral("sys_parms")}) {
        QSqlQuery exists(QSqlDatabase::database(kConnectionName, false));
        exists.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"));
        exists.addBindValue(table);
        if (!exists.exec() || !exists.next())
            refuseToOpen(ErrorNumber::DatabaseUnreadable, path,
                         QStringLiteral("the file has no table %1, so it is not a Quillset database.").arg(table));
    }
    // Taking the write lock once proves the file can be written and nobody else holds it.
    QSqlQuery lock(QSqlDatabase::database(kConnectionName, false));
    if (!lock.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        if (isLockError(lock.lastError()))
            refuseToOpen(ErrorNumber::DatabaseLocked, path,
                         QStringLiteral("the file is locked by another program. Close it and try again."));
        refuseToOpen(ErrorNumber::DatabaseUnreadable, path,
                     QStringLiteral("the file cannot be written (%1).").arg(lock.lastError().databaseText()));
    }
    lock.exec(QStringLiteral("ROLLBACK"));
}

Failure statementFailure(const QSqlError &error)
{
    QString reason = error.databaseText();
    if (reason.isEmpty())
        reason = error.text();
    return Failure(isLockError(error) ? ErrorNumber::DatabaseLocked : ErrorNumber::DatabaseStatement,
                   QStringLiteral("The database refused the request: %1").arg(reason));
}

} // namespace

QSqlDatabase SharedConnection()
{
    return QSqlDatabase::database(kConnectionName, false);
}

QString databasePathIn(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("Records.mdb"));
}

void OpenDatabase(const QString &path, const OdbcInstaller &installer)
{
    CloseDatabase();
    const QFileInfo info(path);
    if (!info.exists())
        refuseToOpen(ErrorNumber::DatabaseMissing, path, QStringLiteral("the file does not exist."));
    if (!info.isFile())
        refuseToOpen(ErrorNumber::DatabaseUnreadable, path, QStringLiteral("it is a folder, not a file."));
    if (!info.isReadable())
        refuseToOpen(ErrorNumber::DatabaseUnreadable, path, QStringLiteral("you have no permission to read it."));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnectionName);
        // "mode=rw" keeps SQLite from creating an empty file should the real one vanish meanwhile.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1500;QSQLITE_OPEN_URI"));
        db.setDatabaseName(QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded)
                           + QStringLiteral("?mode=rw"));
        if (!db.open())
            refuseToOpen(ErrorNumber::DatabaseUnreadable, path, db.lastError().databaseText());
    }
    checkReadableAndWritable(path);
    RegisterDataSource(info.absoluteFilePath(), installer);
}

void CloseDatabase()
{
    if (!QSqlDatabase::contains(kConnectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(kConnectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(kConnectionName);
}

QSqlQuery runStatement(const QString &sql, const QVariantList &values)
{
    QSqlDatabase db = SharedConnection();
    if (!db.isOpen())
        throw Failure(ErrorNumber::DatabaseStatement, QStringLiteral("The database is not open."));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw statementFailure(query.lastError());
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw statementFailure(query.lastError());
    return query;
}

void beginTransaction()
{
    if (!SharedConnection().transaction())
        throw statementFailure(SharedConnection().lastError());
}

void commitTransaction()
{
    if (!SharedConnection().commit())
        throw statementFailure(SharedConnection().lastError());
}

void rollbackTransaction()
{
    SharedConnection().rollback();
}

} // namespace quillset
