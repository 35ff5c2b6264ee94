#pragma once

#include "core/base/Failure.h"
#include "store/Dialect.h"

namespace quillset {

/// The embedded backend: one SQLite file, "Records.mdb" unless another is named.
class SqliteDialect final : public Dialect
{
public:
    explicit SqliteDialect(QString path);

    bool isShared() const override { return false; }
    /// Takes the write lock at once: a transaction that reads, then writes, while another program is
    /// committing would otherwise be refused as locked at its first write, without waiting, since
    /// each would be waiting for the other.
    QString beginStatement() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
    QString driverName() const override { return QStringLiteral("QSQLITE"); }
    QString describe() const override;
    QString safeLocation() const override { return m_location; }
    QString shownLocation() const override;
    void createEmpty() const override { createFile(m_path); }
    void open(QSqlDatabase &db) const override;
    int schemaVersion(const Connection &connection) const override;
    void setSchemaVersion(const Connection &connection, int version) const override;
    bool hasTable(const Connection &connection, const QString &table) const override;
    void backUp(const Connection &connection, int version) const override;
    StoreError classify(const QSqlError &error) const override;
    qint64 insert(const Connection &connection, const QString &sql, const QVariantList &values) const override;
    QString nullSafeEqual() const override { return QStringLiteral("IS"); }
    QString digitsOnly(const QString &column) const override;
    QStringList firstRelease() const override;
    QList<SchemaStep> upgradeSteps() const override;
    void checkPages(const Connection &connection, const QString &table) const override;
    QStringList damage(const Connection &connection) const override;
    std::optional<qint64> highestHistoryIdGiven(const Connection &connection) const override;
    // One writer at a time holds the file: the chain cannot fork.
    void lockHistory(const Connection &) const override { }
    QStringList historyGuards() const override;
    QString historyGuardInPlace() const override;
    QString databaseRole(const Connection &) const override { return QString(); }
    QVariant amountValue(const StoredAmount &amount) const override;
    QString amountAsRead(const StoredAmount &amount) const override;
    QString amountUnits(const QString &row) const override;
    QStringList suspendRepeatGuard() const override;
    QStringList resumeRepeatGuard() const override;
    void continueIdsAfterCopy(const Connection &, const QStringList &) const override { }
    std::unique_ptr<RowCursor> cursor(const Connection &connection, const QString &sql,
                                      const QVariantList &values) const override;

    /// Makes the file for a new database; throws Failure when it exists already or cannot be made.
    static void createFile(const QString &path);

private:
    [[noreturn]] void refuse(ErrorNumber number, const QString &cause) const;
    void probe(QSqlDatabase &db) const;

    QString m_location;
    QString m_path;
};

} // namespace quillset
