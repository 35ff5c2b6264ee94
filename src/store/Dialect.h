#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>
#include <optional>

class QSqlDatabase;
class QSqlError;

namespace quillset {

class Connection;
class RowCursor;
struct StoredAmount;

/// What a failed statement means, whatever the backend: the kinds a caller words differently.
enum class StoreError { Busy, ReadOnly, NoRight, Full, Damaged, Duplicate, Gone, Other };

/// One upgrade step: the statements that take the schema from the version before it to its own.
/// Steps are never changed once released: a database out in an office may be at any of them.
struct SchemaStep
{
    int version;
    QStringList statements;
};

/// Everything that differs between database backends, in one class per backend: its driver, how a
/// location opens and is shown, how the schema's version is kept, how errors are told apart, how a
/// new row's Id comes back, and the schema and every upgrade step in its own words. Backends.h picks
/// the dialect from the location.
class Dialect
{
public:
    virtual ~Dialect() = default;

    /// True for a server database several workstations share, false for a file of this computer.
    virtual bool isShared() const = 0;
    /// The name of the Qt SQL driver that speaks to this backend.
    virtual QString driverName() const = 0;
    /// Where the database is, as the operator would recognise it in a message.
    virtual QString describe() const = 0;
    /// The location as the operator gave it, without any password it may hold: fit to keep or show.
    virtual QString safeLocation() const = 0;
    /// The location as a message shows it: a file by its full path, a server without its password.
    virtual QString shownLocation() const = 0;
    /// Makes the empty database a new one is written into (a new file); throws Failure when it is
    /// there already or cannot be made. A server's database is made by its administrator.
    virtual void createEmpty() const = 0;
    /// Opens the connection on an existing database and makes sure it is one of ours and usable;
    /// throws Failure, leaving the database untouched, when it is not.
    virtual void open(QSqlDatabase &db) const = 0;
    virtual int schemaVersion(const Connection &connection) const = 0;
    /// Written inside the migration's transaction, so it changes with the schema or not at all.
    virtual void setSchemaVersion(const Connection &connection, int version) const = 0;
    /// True when the table is there, whether or not this user may use it.
    virtual bool hasTable(const Connection &connection, const QString &table) const = 0;
    /// Throws Failure naming every right this user lacks on the tables the program uses; a file's
    /// rights are its own, told when it is opened.
    virtual void checkRights(const Connection &) const { }
    /// How long one statement may wait for the database before it is given up on this side, in
    /// seconds; 0 when the backend never leaves one waiting unbounded.
    virtual int statementLimitSeconds() const { return 0; }
    /// The statement that opens a transaction, or an empty text for the driver's own.
    virtual QString beginStatement() const { return QString(); }
    /// The connection's socket, for the statement limit to close; -1 when there is none.
    virtual int socketOf(const QSqlDatabase &) const { return -1; }
    /// Keeps a copy of the database as it is before it is upgraded from this version.
    virtual void backUp(const Connection &connection, int version) const = 0;
    virtual StoreError classify(const QSqlError &error) const = 0;
    /// Runs one INSERT into a table with an Id column and returns the new row's Id.
    virtual qint64 insert(const Connection &connection, const QString &sql, const QVariantList &values) const = 0;
    /// The operator that compares two values as equal when both are null: "IS" in SQLite.
    virtual QString nullSafeEqual() const = 0;
    /// A condition that holds when the text column holds nothing but the digits 0 to 9 (or nothing).
    virtual QString digitsOnly(const QString &column) const = 0;
    /// Makes the tables of a new database: those of the first release, in this backend's words.
    virtual QStringList firstRelease() const = 0;
    /// Every upgrade step since the first release, numbered 1, 2, ... in the order they run; the
    /// last one's number is the version of the schema.
    virtual QList<SchemaStep> upgradeSteps() const = 0;
    /// Reads every page of the table, so that a damaged one is found (Failure) before anything that
    /// depends on the table is done; a server keeps its own pages whole and finds them itself.
    virtual void checkPages(const Connection &connection, const QString &table) const = 0;
    /// What is wrong with the database's own file, a line each, read off every page; empty when it
    /// is whole, and always for a server, which keeps its pages whole itself.
    virtual QStringList damage(const Connection &) const { return {}; }
    /// The highest history Id the database ever gave, where it keeps that apart from the rows and
    /// in the same transaction (an entry deleted from the end of the history leaves it behind).
    virtual std::optional<qint64> highestHistoryIdGiven(const Connection &) const { return std::nullopt; }
    /// Keeps other writers from adding to the history until this transaction ends, so that each entry
    /// links to the one truly before it.
    virtual void lockHistory(const Connection &connection) const = 0;
    /// The guards that keep the history from being changed or emptied that are gone or switched off,
    /// by name: each one missing lets an entry be edited or removed without a trace.
    QStringList missingHistoryGuards(const Connection &connection) const;
    /// The history's guards by name, and the statement that finds one (its name bound) in working order.
    virtual QStringList historyGuards() const = 0;
    virtual QString historyGuardInPlace() const = 0;
    /// The database role changes are made as, where the backend has roles; empty otherwise.
    virtual QString databaseRole(const Connection &connection) const = 0;
    /// A register amount as it is bound into a statement: the count of the smallest unit, or the
    /// amount in currency units for a backend with an exact decimal type.
    virtual QVariant amountValue(const StoredAmount &amount) const = 0;
    /// The amount of the register row `row` (an alias of Cheque) as a count of its smallest unit.
    virtual QString amountUnits(const QString &row) const = 0;
    /// A register amount's text as a row read back gives it, as the history keeps it: the count of
    /// the smallest unit, or the decimal as the driver reads it.
    virtual QString amountAsRead(const StoredAmount &amount) const = 0;
    /// Whether a row's amount, read back, is a count of the smallest unit rather than money.
    bool keepsAmountsInUnits() const;
    /// Lets rows marked as repeats be written while a register is copied over, and stops it again:
    /// the database refuses the mark otherwise.
    virtual QStringList suspendRepeatGuard() const = 0;
    virtual QStringList resumeRepeatGuard() const = 0;
    /// After rows were copied in with their Ids, makes new rows of the tables take the Ids after them.
    virtual void continueIdsAfterCopy(const Connection &connection, const QStringList &tables) const = 0;
    /// The rows of a read of many rows, by the backend's fastest way; Qt's driver unless it has one.
    virtual std::unique_ptr<RowCursor> cursor(const Connection &connection, const QString &sql,
                                              const QVariantList &values) const;
};

} // namespace quillset
