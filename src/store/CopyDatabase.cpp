#include "CopyDatabase.h"

#include "core/base/Failure.h"
#include "store/Backends.h"
#include "store/Connection.h"
#include "store/DataSource.h"
#include "store/StoredAmount.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlRecord>

namespace quillset {

namespace {

// Settings first and the register last, so that a reader of a half-made copy (there is none: it is
// one transaction) would never see cheques without their accounts.
const QStringList kCopiedTables = {QStringLiteral("sys_parms"),   QStringLiteral("PrinterCalibration"),
                                   QStringLiteral("BankAccount"), QStringLiteral("ChequeBook"),
                                   QStringLiteral("Cheque"),      QStringLiteral("PayeeUse")};

QString shown(const QString &location)
{
    return locationWithoutPassword(location);
}

qint64 rowCount(const Connection &connection, const QString &table)
{
    QSqlQuery query = connection.run(QStringLiteral("SELECT count(*) FROM %1").arg(table));
    return connection.next(query) ? query.value(0).toLongLong() : 0;
}

void refuseTarget(const QString &to, const QString &cause)
{
    throw Failure(
        ErrorNumber::FileWrite,
        QCoreApplication::translate("CopyDatabase", "Nothing was copied into \"%1\": %2").arg(shown(to), cause));
}

// Makes the target's schema when it has none; returns true when this call made it.
bool prepareTarget(const QString &to, const StoreOptions &options)
{
    if (!Store::isUninitialised(to, options))
        return false;
    Store::createDatabase(to, false, options);
    return true;
}

void copyTable(const Connection &source, const Connection &target, const QString &table)
{
    // A register amount is read as its count of the smallest unit and written in the target's own
    // terms, exact either way between backends.
    const bool register_ = table == QLatin1String("Cheque");
    QSqlQuery rows = source.run(
        register_
            ? QStringLiteral("SELECT c.*, %1 FROM Cheque AS c").arg(source.dialect().amountUnits(QStringLiteral("c")))
            : QStringLiteral("SELECT * FROM %1").arg(table));
    const QSqlRecord record = rows.record();
    const int columnCount = register_ ? record.count() - 1 : record.count();
    const int amount = register_ ? record.indexOf(QStringLiteral("Amount")) : -1;
    const int decimals = register_ ? record.indexOf(QStringLiteral("Decimals")) : -1;
    QStringList columns;
    QStringList marks;
    for (int i = 0; i < columnCount; ++i) {
        columns << record.fieldName(i);
        marks << QStringLiteral("?");
    }
    QSqlQuery insert
        = target.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                             .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    QVariantList values(columnCount);
    while (source.next(rows)) {
        for (int i = 0; i < columnCount; ++i) {
            // A time of change is written as the program writes it, in UTC, on either backend.
            const QVariant value = rows.value(i);
            values[i] = value.typeId() == QMetaType::QDateTime && !value.isNull()
                ? QVariant(value.toDateTime().toUTC().toString(Qt::ISODate))
                : value;
        }
        if (amount >= 0)
            values[amount]
                = target.dialect().amountValue({rows.value(columnCount).toLongLong(), rows.value(decimals).toInt()});
        target.execute(insert, values);
    }
}

} // namespace

QList<TableCount> copyDatabase(const QString &from, const QString &to, const StoreOptions &options)
{
    if (shown(from) == shown(to)
        || (!isServerLocation(from) && QFileInfo(from).absoluteFilePath() == QFileInfo(to).absoluteFilePath()))
        throw Failure(ErrorNumber::FileWrite,
                      QCoreApplication::translate("CopyDatabase", "A database cannot be copied into itself."));
    // The source is opened as the program opens it, so an older one is upgraded (and backed up) first.
    const std::unique_ptr<Store> source = Store::OpenDatabase(from, OdbcInstaller::none(), options);
    // The copy's history would begin afresh where the source's is broken, and the break be lost.
    const RegisterCheck check = source->history().verify();
    if (!check.isClean()) {
        const QString finding = !check.damage.isEmpty() ? check.damage.first()
            : !check.brokenLink.isEmpty()               ? check.brokenLink
                                                        : check.differences.first();
        throw Failure(ErrorNumber::DatabaseUnreadable,
                      QCoreApplication::translate("CopyDatabase",
                                                  "\"%1\" does not agree with its own history, so it is not copied: "
                                                  "the copy would not show it. %2 Run quillset --verify-register on "
                                                  "it for the whole listing.")
                          .arg(shown(from), finding));
    }

    const bool made = prepareTarget(to, options);
    try {
        const std::unique_ptr<Store> target = Store::OpenDatabase(to, OdbcInstaller::none(), options);
        const Connection &into = target->SharedConnection();
        const qint64 accounts = rowCount(into, QStringLiteral("BankAccount"));
        const qint64 cheques = rowCount(into, QStringLiteral("Cheque"));
        if (accounts > 0 || cheques > 0)
            refuseTarget(to,
                         QCoreApplication::translate(
                             "CopyDatabase",
                             "it holds %1 account(s) and %2 cheque(s) already. Copy into a new file or an "
                             "empty server database.")
                             .arg(accounts)
                             .arg(cheques));
        into.inTransaction([&] {
            // The new database's own settings make way for the office's.
            into.run(QStringLiteral("DELETE FROM sys_parms"));
            // Rows marked as repeats of older ones are copied as they are; nothing else may mark one.
            for (const QString &statement : into.dialect().suspendRepeatGuard())
                into.run(statement);
            for (const QString &table : kCopiedTables)
                copyTable(source->SharedConnection(), into, table);
            for (const QString &statement : into.dialect().resumeRepeatGuard())
                into.run(statement);
            into.dialect().continueIdsAfterCopy(
                into, {QStringLiteral("BankAccount"), QStringLiteral("ChequeBook"), QStringLiteral("Cheque")});
            // The copy goes on with the history the rows came with: who printed, voided or reported
            // each cheque to the bank is known there too. A row without any is carried over.
            const QString copied = QStringLiteral("copied from %1").arg(shown(from));
            target->history().copyFrom(source->SharedConnection(), copied);
            target->history().carryOver(copied);
        });
        QList<TableCount> counts;
        for (const QString &table : kCopiedTables)
            counts.append({table, rowCount(source->SharedConnection(), table), rowCount(into, table)});
        return counts;
    } catch (const Failure &failure) {
        // A file this copy made is taken away again; an empty server database is left empty.
        if (made && !isServerLocation(to))
            QFile::remove(to);
        if (failure.number() == ErrorNumber::FileWrite)
            throw;
        refuseTarget(to, failure.description());
    }
    return {};
}

} // namespace quillset
