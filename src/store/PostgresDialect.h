#pragma once

#include "store/Dialect.h"

#include <QUrl>

namespace quillset {

/// The shared backend: a database on a PostgreSQL server, named by a connection URI as libpq takes
/// them (postgresql://user@host:port/dbname?..., host=/path for a socket folder). Passwords come
/// from libpq's own password and service files; the program keeps none.
class PostgresDialect final : public Dialect
{
public:
    /// `timeoutSeconds` bounds connecting, every statement and every wait for a lock.
    PostgresDialect(const QString &uri, int timeoutSeconds);

    /// True for a location that names a server database rather than a file.
    static bool isServerLocation(const QString &location);
    /// The location without any password it may hold, fit to show or keep.
    static QString withoutPassword(const QString &location);

    bool isShared() const override { return true; }
    QString driverName() const override { return QStringLiteral("QPSQL"); }
    QString describe() const override;
    QString safeLocation() const override { return withoutPassword(m_uri.toString()); }
    QString shownLocation() const override { return safeLocation(); }
    void createEmpty() const override { }
    void open(QSqlDatabase &db) const override;
    int schemaVersion(const Connection &connection) const override;
    void setSchemaVersion(const Connection &connection, int version) const override;
    bool hasTable(const Connection &connection, const QString &table) const override;
    void checkRights(const Connection &connection) const override;
    int statementLimitSeconds() const override { return m_timeoutSeconds; }
    int socketOf(const QSqlDatabase &db) const override;
    void backUp(const Connection &connection, int version) const override;
    StoreError classify(const QSqlError &error) const override;
    qint64 insert(const Connection &connection, const QString &sql, const QVariantList &values) const override;
    QString nullSafeEqual() const override { return QStringLiteral("IS NOT DISTINCT FROM"); }
    QString digitsOnly(const QString &column) const override;
    QStringList firstRelease() const override;
    QList<SchemaStep> upgradeSteps() const override;
    void checkPages(const Connection &, const QString &) const override { }
    void lockHistory(const Connection &connection) const override;
    QStringList historyGuards() const override;
    QString historyGuardInPlace() const override;
    QString databaseRole(const Connection &connection) const override;
    QVariant amountValue(const StoredAmount &amount) const override;
    QString amountAsRead(const StoredAmount &amount) const override;
    QString amountUnits(const QString &row) const override;
    QStringList suspendRepeatGuard() const override;
    QStringList resumeRepeatGuard() const override;
    void continueIdsAfterCopy(const Connection &connection, const QStringList &tables) const override;

private:
    QUrl m_uri;
    int m_timeoutSeconds;
};

} // namespace quillset
