#include "SqliteDialect.h"

#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "store/Connection.h"
#include "store/SqliteCursor.h"
#include "store/StoredAmount.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>
#include <QVariant>

namespace quillset {

namespace {

// SQLite's primary result codes, as the driver reports them.
enum SqliteCode {
    Busy = 5,
    Locked = 6,
    ReadOnly = 8,
    IoError = 10,
    Corrupt = 11,
    Full = 13,
    CantOpen = 14,
    Constraint = 19,
    NotADatabase = 26,
};

int primaryCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

// The first bytes of a Jet (Access) database, so that an old Records.mdb gets a message of its own.
bool looksLikeAccessFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(32);
    return head.contains("Standard Jet DB") || head.contains("Standard ACE DB");
}

QString lockedByAnother()
{
    return QCoreApplication::translate("SqliteDialect",
                                       "the file is locked by another program. Close it and try again.");
}

} // namespace

SqliteDialect::SqliteDialect(QString path)
    : m_location(std::move(path))
    , m_path(QFileInfo(m_location).absoluteFilePath())
{
}

QString SqliteDialect::describe() const
{
    return QCoreApplication::translate("SqliteDialect", "The database \"%1\"").arg(shownLocation());
}

QString SqliteDialect::shownLocation() const
{
    return QDir::toNativeSeparators(m_path);
}

void SqliteDialect::refuse(ErrorNumber number, const QString &cause) const
{
    throw Failure(number,
                  QCoreApplication::translate("SqliteDialect", "Quillset cannot open its database \"%1\": %2")
                      .arg(QDir::toNativeSeparators(m_path), cause));
}

void SqliteDialect::createFile(const QString &path)
{
    if (QFileInfo::exists(path))
        throw Failure(ErrorNumber::FileWrite,
                      QCoreApplication::translate("SqliteDialect",
                                                  "\"%1\" exists already; a new database is never made over a file.")
                          .arg(QDir::toNativeSeparators(path)));
    QFile file(path);
    if (!file.open(QIODevice::NewOnly | QIODevice::WriteOnly))
        throw Failure(ErrorNumber::FileWrite,
                      QCoreApplication::translate("SqliteDialect", "The database \"%1\" cannot be made: %2.")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
}

void SqliteDialect::open(QSqlDatabase &db) const
{
    const QFileInfo info(m_path);
    if (!info.exists())
        refuse(ErrorNumber::DatabaseMissing, QCoreApplication::translate("SqliteDialect", "the file does not exist."));
    if (const QString other = otherThanAFile(m_path); !other.isEmpty())
        refuse(ErrorNumber::DatabaseUnreadable,
               QCoreApplication::translate("SqliteDialect", "it is %1, not a file.").arg(other));
    if (!info.isReadable())
        refuse(ErrorNumber::DatabaseUnreadable,
               QCoreApplication::translate("SqliteDialect", "you have no permission to read it."));
    // "mode=rw" keeps SQLite from creating an empty file should the real one vanish meanwhile.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000;QSQLITE_OPEN_URI"));
    db.setDatabaseName(QUrl::fromLocalFile(m_path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
    if (!db.open())
        refuse(ErrorNumber::DatabaseUnreadable, db.lastError().databaseText());
    // SQLite checks the register's foreign keys only on a connection that asks it to.
    QSqlQuery(db).exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    probe(db);
}

void SqliteDialect::probe(QSqlDatabase &db) const
{
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const int code = primaryCode(probe.lastError());
        if (code == Busy || code == Locked)
            refuse(ErrorNumber::DatabaseLocked, lockedByAnother());
        if (looksLikeAccessFile(m_path))
            refuse(ErrorNumber::DatabaseUnreadable,
                   QCoreApplication::translate(
                       "SqliteDialect",
                       "it is an old Access-format database. Quillset keeps its records in SQLite; use "
                       "the Records.mdb delivered with this version."));
        refuse(ErrorNumber::DatabaseUnreadable,
               QCoreApplication::translate("SqliteDialect", "the file is not a Quillset database or is damaged (%1).")
                   .arg(probe.lastError().databaseText()));
    }
    // The read lets go of the file before the write lock is asked for: a read held while waiting for
    // it would deadlock with another program committing, and be refused at once.
    probe.finish();
    // Taking the write lock once proves the file can be written and nobody else holds it.
    QSqlQuery lock(db);
    if (lock.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        lock.exec(QStringLiteral("ROLLBACK"));
        return;
    }
    if (classify(lock.lastError()) == StoreError::Busy)
        refuse(ErrorNumber::DatabaseLocked, lockedByAnother());
    refuse(ErrorNumber::DatabaseUnreadable,
           QCoreApplication::translate("SqliteDialect", "the file cannot be written (%1).")
               .arg(lock.lastError().databaseText()));
}

int SqliteDialect::schemaVersion(const Connection &connection) const
{
    QSqlQuery query = connection.run(QStringLiteral("PRAGMA user_version"));
    return connection.next(query) ? query.value(0).toInt() : 0;
}

void SqliteDialect::setSchemaVersion(const Connection &connection, int version) const
{
    // A pragma takes no bound value; the version is one of the program's own numbers.
    connection.run(QStringLiteral("PRAGMA user_version = %1").arg(version));
}

QStringList SqliteDialect::historyGuards() const
{
    return {QStringLiteral("HistoryIsNotChanged"), QStringLiteral("HistoryIsNotDeleted")};
}

QString SqliteDialect::historyGuardInPlace() const
{
    return QStringLiteral(
        "SELECT 1 FROM sqlite_master WHERE type = 'trigger' AND tbl_name = 'History' AND name = ? AND "
        "sql LIKE '%RAISE(ABORT%'");
}

bool SqliteDialect::hasTable(const Connection &connection, const QString &table) const
{
    QSqlQuery query = connection.run(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"), {table});
    return connection.next(query);
}

void SqliteDialect::backUp(const Connection &connection, int version) const
{
    // A consistent copy, made by SQLite itself, that never replaces an earlier backup. It is written
    // under a name of its own and takes the backup's name only when whole: a copy cut short by a kill
    // or a full disk never passes for a backup.
    const QString backup = databaseBackupPath(m_path, version);
    const QString partial = backup + QStringLiteral(".partial");
    try {
        QFile::remove(partial);
        connection.run(QStringLiteral("VACUUM INTO ?"), {partial});
        if (!QFile::rename(partial, backup))
            throw Failure(ErrorNumber::FileWrite,
                          QCoreApplication::translate("SqliteDialect", "the finished copy could not be named."));
    } catch (const Failure &failure) {
        QFile::remove(partial);
        throw Failure(
            ErrorNumber::DatabaseUpgrade,
            QCoreApplication::translate("SqliteDialect",
                                        "Quillset needs to upgrade the database \"%1\" and first keeps a copy of it, "
                                        "but the copy \"%2\" could not be made: %3 Nothing was changed.")
                .arg(QDir::toNativeSeparators(m_path), QDir::toNativeSeparators(backup), failure.description()));
    }
}

void SqliteDialect::checkPages(const Connection &connection, const QString &table) const
{
    // Counted through the table itself, not an index, the rows take SQLite to every page of the
    // table, and a page it cannot read fails here; an insert goes only down the table's last pages
    // and would pass a damaged one by. A walk of the page headers: about 80 ms for a million rows.
    QSqlQuery count = connection.run(QStringLiteral("SELECT count(*) FROM %1 NOT INDEXED").arg(table));
    connection.next(count);
}

QStringList SqliteDialect::damage(const Connection &connection) const
{
    // Every page of every table and index is read: a page damaged where no walk of the register's
    // rows goes (an index, a free page) is found too. A few seconds for a million cheques.
    QStringList found;
    QSqlQuery check = connection.run(QStringLiteral("PRAGMA quick_check(5)"));
    while (connection.next(check)) {
        const QString line = check.value(0).toString();
        if (line != QLatin1String("ok"))
            found.append(line);
    }
    return found;
}

std::optional<qint64> SqliteDialect::highestHistoryIdGiven(const Connection &connection) const
{
    // The history's Ids are never given twice: SQLite keeps the highest in sqlite_sequence, written
    // in the transaction that wrote the entry, so a rolled-back entry leaves no gap behind.
    QSqlQuery given = connection.run(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = 'History'"));
    if (!connection.next(given))
        return std::nullopt;
    return given.value(0).toLongLong();
}

qint64 SqliteDialect::insert(const Connection &connection, const QString &sql, const QVariantList &values) const
{
    // SQLite commits an INSERT ... RETURNING only when the statement is reset, after the row was
    // read, and a commit refused then would go unseen; so the Id is asked of the driver once the
    // statement has finished.
    return connection.run(sql, values).lastInsertId().toLongLong();
}

QString SqliteDialect::digitsOnly(const QString &column) const
{
    return QStringLiteral("%1 NOT GLOB '*[^0-9]*'").arg(column);
}

QStringList SqliteDialect::firstRelease() const
{
    // As the first release's db/schema.sql made them; STRICT makes SQLite refuse text in a number column.
    return {
        QStringLiteral("CREATE TABLE BankAccount (BankID TEXT NOT NULL UNIQUE, BankName TEXT, AccountNo TEXT, "
                       "Address TEXT, City TEXT, AccountType TEXT, Width REAL, Height REAL, DateLeft REAL, "
                       "DateBottom REAL, DateWidth REAL, PayLeft REAL, PayBottom REAL, PayWidth REAL, AmountLeft REAL, "
                       "AmountBottom REAL, AmountWidth REAL, Rupee1Left REAL, Rupee1Bottom REAL, Rupee1Width REAL, "
                       "Rupee2Left REAL, Rupee2Bottom REAL, Rupee2Width REAL, Rupee3Left REAL, Rupee3Bottom REAL, "
                       "Rupee3Width REAL, Rupee3Active INTEGER NOT NULL DEFAULT 0 CHECK (Rupee3Active IN (0, 1))) "
                       "STRICT"),
        QStringLiteral("CREATE TABLE Cheque (BankID TEXT NOT NULL, ChequeNo TEXT NOT NULL, Amount REAL NOT NULL, "
                       "Pay TEXT NOT NULL, PrintDate TEXT NOT NULL CHECK (PrintDate IS date(PrintDate))) STRICT"),
        QStringLiteral("CREATE INDEX ChequePrintDate ON Cheque (PrintDate)"),
        QStringLiteral("CREATE TABLE sys_parms (Description TEXT NOT NULL, Value TEXT) STRICT"),
    };
}

StoreError SqliteDialect::classify(const QSqlError &error) const
{
    switch (primaryCode(error)) {
    case Busy:
    case Locked:
        return StoreError::Busy;
    case ReadOnly:
    case CantOpen:
        return StoreError::ReadOnly;
    case Full:
        return StoreError::Full;
    case Corrupt:
    case NotADatabase:
        return StoreError::Damaged;
    case IoError:
        return error.databaseText().contains(QLatin1String("full")) ? StoreError::Full : StoreError::Damaged;
    case Constraint:
        return error.databaseText().contains(QLatin1String("UNIQUE")) ? StoreError::Duplicate : StoreError::Other;
    default:
        break;
    }
    if (error.databaseText().contains(QLatin1String("locked")))
        return StoreError::Busy;
    return StoreError::Other;
}

QString SqliteDialect::amountAsRead(const StoredAmount &amount) const
{
    return QString::number(amount.units);
}

QVariant SqliteDialect::amountValue(const StoredAmount &amount) const
{
    return QVariant(amount.units);
}

QString SqliteDialect::amountUnits(const QString &row) const
{
    return QStringLiteral("%1.Amount").arg(row);
}

std::unique_ptr<RowCursor> SqliteDialect::cursor(const Connection &connection, const QString &sql,
                                                 const QVariantList &values) const
{
    // The driver hands out its connection, sqlite3, whose type Qt names by its struct.
    const QSqlDatabase db = connection.database();
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0 || !db.isOpen())
        return Dialect::cursor(connection, sql, values);
    return std::make_unique<SqliteCursor>(connection, *static_cast<sqlite3 *const *>(handle.data()), sql, values);
}

} // namespace quillset
