#include "BankAccounts.h"

#include "store/Connection.h"
#include "store/RegisterHistory.h"

#include <QCoreApplication>
#include <QSqlRecord>
#include <QVariant>

#include <algorithm>

namespace quillset {

namespace {

const QString kIdentity = QStringLiteral("BankID, BankName, AccountNo, Address, City, AccountType");

QStringList columnNames()
{
    QStringList names = kIdentity.split(QStringLiteral(", "));
    for (int i = 0; i < kMeasurementCount; ++i)
        names.append(measurementColumn(static_cast<Measurement>(i)));
    names.append(QStringLiteral("Rupee3Active"));
    names.append({QStringLiteral("CrossLeft"), QStringLiteral("CrossTop"), QStringLiteral("CrossWidth"),
                  QStringLiteral("CrossHeight"), QStringLiteral("AmountStyle"), QStringLiteral("CurrencyName"),
                  QStringLiteral("SubunitName"), QStringLiteral("SubunitDigits")});
    names.append({QStringLiteral("DateLayout"), QStringLiteral("DateBoxPitch"), QStringLiteral("CrossingWords"),
                  QStringLiteral("BearerLeft"), QStringLiteral("BearerTop"), QStringLiteral("BearerWidth"),
                  QStringLiteral("Filler"), QStringLiteral("SubunitFirst"), QStringLiteral("CurrencySign"),
                  QStringLiteral("NotOver"), QStringLiteral("PositivePayFrom"), QStringLiteral("PositivePayLayout")});
    return names;
}

const QString &selectColumns()
{
    static const QString columns = columnNames().join(QStringLiteral(", "));
    return columns;
}

BankAccountRecord bankAccountFromQuery(const QSqlQuery &query)
{
    BankAccountRecord account;
    int column = 0;
    const auto text = [&] { return query.value(column++).toString(); };
    account.bankId = text();
    account.bankName = text();
    account.accountNo = text();
    account.address = text();
    account.city = text();
    account.accountType = text();
    for (int i = 0; i < kMeasurementCount; ++i) {
        const QVariant value = query.value(column++);
        if (!value.isNull())
            account.measurements.at(static_cast<size_t>(i)) = value.toDouble();
    }
    account.rupee3Active = query.value(column++).toInt() != 0;
    for (std::optional<double> *crossing :
         {&account.crossing.left, &account.crossing.top, &account.crossing.width, &account.crossing.height}) {
        const QVariant value = query.value(column++);
        if (!value.isNull())
            *crossing = value.toDouble();
    }
    account.money.style = amountStyleFromWord(query.value(column++).toString()).value_or(AmountStyle::International);
    account.money.currencyName = query.value(column++).toString();
    account.money.subunitName = query.value(column++).toString();
    account.money.subunitDigits = query.value(column++).toInt();
    const auto real = [&]() -> std::optional<double> {
        const QVariant value = query.value(column++);
        return value.isNull() ? std::nullopt : std::optional<double>(value.toDouble());
    };
    const auto whole = [&]() -> std::optional<qint64> {
        const QVariant value = query.value(column++);
        return value.isNull() ? std::nullopt : std::optional<qint64>(value.toLongLong());
    };
    account.date.layout = dateLayoutFromWord(query.value(column++).toString()).value_or(DateLayout::Boxes);
    account.date.boxPitch = real();
    if (const QVariant words = query.value(column++); !words.isNull())
        account.marks.crossingWords = words.toString();
    account.marks.bearerStrike = {real(), real(), real()};
    account.marks.filler = query.value(column++).toString();
    account.money.subunitFirst = query.value(column++).toInt() != 0;
    account.money.currencySign = query.value(column++).toString();
    account.limits.notOver = whole();
    account.limits.positivePayFrom = whole();
    account.positivePayLayout = query.value(column++).toString();
    return account;
}

// The account's values in column order, BankID first: the order of the insert and update below.
QVariantList columnValues(const BankAccountRecord &account)
{
    QVariantList values
        = {account.bankId, account.bankName, account.accountNo, account.address, account.city, account.accountType};
    const auto number = [](const std::optional<double> &value) {
        return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
    };
    for (const std::optional<double> &measurement : account.measurements)
        values.append(number(measurement));
    values.append(account.rupee3Active ? 1 : 0);
    for (const std::optional<double> &crossing :
         {account.crossing.left, account.crossing.top, account.crossing.width, account.crossing.height})
        values.append(number(crossing));
    // The names are never NULL in the database: no name is an empty one.
    const auto name = [](const QString &text) { return text.isNull() ? QStringLiteral("") : text; };
    values.append({amountStyleWord(account.money.style), name(account.money.currencyName),
                   name(account.money.subunitName), account.money.subunitDigits});
    const auto whole = [](const std::optional<qint64> &value) {
        return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::LongLong));
    };
    const QVariant noText(QMetaType(QMetaType::QString));
    const StrikePlace &strike = account.marks.bearerStrike;
    values.append({dateLayoutWord(account.date.layout), number(account.date.boxPitch),
                   account.marks.crossingWords ? QVariant(name(*account.marks.crossingWords)) : noText,
                   number(strike.left), number(strike.top), number(strike.width), name(account.marks.filler),
                   account.money.subunitFirst ? 1 : 0, name(account.money.currencySign), whole(account.limits.notOver),
                   whole(account.limits.positivePayFrom),
                   account.positivePayLayout.isEmpty() ? noText : QVariant(account.positivePayLayout)});
    return values;
}

} // namespace

BankAccounts::BankAccounts(const Connection &connection)
    : m_connection(connection)
{
}

std::optional<BankAccountRecord> BankAccounts::find(const QString &code) const
{
    const QString select = QStringLiteral("SELECT %1 FROM BankAccount WHERE BankID = ?").arg(selectColumns());
    // Most codes come as they were stored; only one written in other capitals needs the list of codes.
    QSqlQuery query = m_connection.run(select, {code});
    if (m_connection.next(query))
        return bankAccountFromQuery(query);
    const QString stored = storedCode(code);
    if (stored == code)
        return std::nullopt;
    query = m_connection.run(select, {stored});
    if (!m_connection.next(query))
        return std::nullopt;
    return bankAccountFromQuery(query);
}

QStringList BankAccounts::codes() const
{
    QSqlQuery query = m_connection.run(QStringLiteral("SELECT BankID FROM BankAccount ORDER BY Id"));
    QStringList codes;
    while (m_connection.next(query))
        codes.append(query.value(0).toString());
    return codes;
}

QList<BankAccountRecord> BankAccounts::all() const
{
    QSqlQuery query = m_connection.run(QStringLiteral("SELECT %1 FROM BankAccount ORDER BY Id").arg(selectColumns()));
    QList<BankAccountRecord> accounts;
    while (m_connection.next(query))
        accounts.append(bankAccountFromQuery(query));
    return accounts;
}

QString BankAccounts::storedCode(const QString &code) const
{
    // Compared here, not in SQL: SQLite's upper() knows only ASCII letters and PostgreSQL's follows
    // the server's locale, so the two would disagree on any other letter. There are few accounts.
    const QStringList stored = codes();
    if (stored.contains(code))
        return code;
    for (const QString &candidate : stored) {
        if (sameAccountCode(candidate, code))
            return candidate;
    }
    return code;
}

int BankAccounts::count(const QString &code) const
{
    const QStringList stored = codes();
    return static_cast<int>(std::count_if(stored.begin(), stored.end(),
                                          [&](const QString &candidate) { return sameAccountCode(candidate, code); }));
}

void BankAccounts::insert(const BankAccountRecord &account) const
{
    const QStringList names = columnNames();
    m_connection.inTransaction([&] {
        m_connection.run(QStringLiteral("INSERT INTO BankAccount (%1) VALUES (%2)")
                             .arg(names.join(u','), QStringList(names.size(), QStringLiteral("?")).join(u',')),
                         columnValues(account));
        const RegisterHistory history(m_connection);
        history.append(QStringLiteral("account"), account.bankId, QStringLiteral("added"), QString(),
                       history.rowState(QStringLiteral("BankAccount"), QStringLiteral("BankID"), account.bankId));
    });
}

void BankAccounts::update(const BankAccountRecord &read, const BankAccountRecord &edited) const
{
    const QStringList names = columnNames();
    const QVariantList before = columnValues(read);
    const QVariantList after = columnValues(edited);
    QStringList assignments;
    QVariantList values;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (before.at(i) != after.at(i) || before.at(i).isNull() != after.at(i).isNull()) {
            assignments.append(names.at(i) + QStringLiteral(" = ?"));
            values.append(after.at(i));
        }
    }
    if (assignments.isEmpty())
        return;
    // The row is updated only where every column still holds what was read. An empty text and no
    // text at all are the same to the operator, so they compare equal.
    QStringList unchanged;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const bool text = before.at(i).typeId() == QMetaType::QString;
        unchanged.append(text ? QStringLiteral("coalesce(%1, '') = coalesce(?, '')").arg(names.at(i))
                              : QStringLiteral("%1 %2 ?").arg(names.at(i), m_connection.dialect().nullSafeEqual()));
        values.append(before.at(i));
    }
    const bool updated = m_connection.inTransaction([&] {
        const RegisterHistory history(m_connection);
        const auto state
            = [&] { return history.rowState(QStringLiteral("BankAccount"), QStringLiteral("BankID"), read.bankId); };
        const QString was = state();
        const QSqlQuery update = m_connection.run(
            QStringLiteral("UPDATE BankAccount SET %1 WHERE %2")
                .arg(assignments.join(QStringLiteral(", ")), unchanged.join(QStringLiteral(" AND "))),
            values);
        if (update.numRowsAffected() != 1)
            return false;
        history.append(QStringLiteral("account"), read.bankId, QStringLiteral("changed"), was, state());
        return true;
    });
    if (updated)
        return;
    if (!find(read.bankId))
        throw Failure(
            ErrorNumber::AccountMissing,
            QCoreApplication::translate("BankAccounts", "The bank account \"%1\" is no longer in the database.")
                .arg(read.bankId));
    throw Failure(
        ErrorNumber::StaleRecord,
        QCoreApplication::translate("BankAccounts", "The bank account \"%1\" was changed elsewhere since it was read.")
            .arg(read.bankId));
}

} // namespace quillset
