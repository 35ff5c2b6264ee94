#include "RegisterHistory.h"

#include "core/base/Failure.h"
#include "core/base/IsoDates.h"
#include "store/Connection.h"
#include "store/Dialect.h"
#include "store/StoredAmount.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSysInfo>

#include <algorithm>
#include <limits>
#include <memory>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace quillset {

namespace {

const QString kCheque = QStringLiteral("cheque");
const QString kNotPrinted = QStringLiteral("not printed");
// What the first entry links back to.
const QString kFirstLink(64, u'0');

// What of a cheque row its history vouches for: everything a reader of the register relies on. The
// crossing came last: entries written before it keep no crossing, and a row whose last entry is one
// of those is compared without it (the key is how such an entry is told).
const QString kChequeColumns
    = QStringLiteral("BankID, ChequeNo, Pay, Amount, Decimals, PrintDate, Status, Reason, BatchName, BatchLine, "
                     "Queue, JobId, Crossing");
const QLatin1StringView kCrossingKey("\"crossing\":");

const QString kEventColumns = QStringLiteral("Id, At, OsUser, Workstation, DbRole, Subject, SubjectKey, Action, "
                                             "OldValue, NewValue, Reason, PreviousHash, Hash");

QString operatingSystemUser()
{
#ifdef Q_OS_UNIX
    // The account the program runs as, whatever the environment says.
    if (const passwd *account = getpwuid(geteuid()); account && account->pw_name)
        return QString::fromLocal8Bit(account->pw_name);
#endif
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return user.isEmpty() ? QStringLiteral("unknown") : user;
}

// What a row holds, as the history keeps it: compact JSON of the columns from `first` on, by their
// names in lower case, a null as null and every other value as its text. Any row with value(int).
template<typename Row>
QString stateOf(const Row &row, const QStringList &names, int first)
{
    QJsonObject state;
    for (int i = first; i < names.size(); ++i) {
        const QVariant value = row.value(i);
        state.insert(names.at(i).toLower(), value.isNull() ? QJsonValue() : QJsonValue(value.toString()));
    }
    return QString::fromUtf8(QJsonDocument(state).toJson(QJsonDocument::Compact));
}

QStringList columnNames(const QSqlQuery &query)
{
    const QSqlRecord record = query.record();
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i));
    return names;
}

QString stateOf(const QSqlQuery &query, int first = 0)
{
    return stateOf(query, columnNames(query), first);
}

// stateOf() for every row of one read, written without building a JSON document: the same compact JSON,
// its keys in the order QJsonObject keeps them, set down by hand; a value JSON would escape (a quote,
// a backslash, a control character) or a broken character goes through stateOf() itself.
class StateWriter
{
public:
    StateWriter(const QStringList &names, int first)
        : m_names(names)
        , m_first(first)
    {
        QJsonObject keys;
        QHash<QString, int> columns;
        for (int i = first; i < names.size(); ++i) {
            const QString name = names.at(i).toLower();
            keys.insert(name, QJsonValue());
            columns.insert(name, i);
        }
        for (const QString &name : keys.keys())
            m_order.append({QStringLiteral("\"%1\":").arg(name), columns.value(name)});
    }

    template<typename Row>
    QString write(const Row &row) const
    {
        QString state = QStringLiteral("{");
        for (const auto &[key, column] : m_order) {
            if (state.size() > 1)
                state += u',';
            state += key;
            const QVariant value = row.value(column);
            if (value.isNull()) {
                state += QStringLiteral("null");
                continue;
            }
            const QString text = value.toString();
            const bool plain = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
                return c.unicode() >= 0x20 && c != u'"' && c != u'\\' && !c.isSurrogate();
            });
            if (!plain)
                return stateOf(row, m_names, m_first);
            state += u'"';
            state += text;
            state += u'"';
        }
        return state + u'}';
    }

private:
    QStringList m_names;
    int m_first;
    QList<std::pair<QString, int>> m_order;
};

QString hashOf(const HistoryEvent &event)
{
    const QStringList parts {event.previousHash, isoUtcWithMs(event.at), event.osUser, event.workstation,
                             event.role,         event.subject,          event.key,    event.action,
                             event.oldValue,     event.newValue,         event.reason};
    return QString::fromLatin1(
        QCryptographicHash::hash(parts.join(QChar(0x1f)).toUtf8(), QCryptographicHash::Sha256).toHex());
}

QByteArray digest(const QString &state)
{
    return QCryptographicHash::hash(state.toUtf8(), QCryptographicHash::Md5);
}

template<typename Row>
HistoryEvent eventFromQuery(const Row &query)
{
    HistoryEvent event;
    event.id = query.value(0).toLongLong();
    event.at = query.value(1).toDateTime();
    if (!event.at.isValid())
        event.at = QDateTime::fromString(query.value(1).toString(), Qt::ISODateWithMs);
    event.osUser = query.value(2).toString();
    event.workstation = query.value(3).toString();
    event.role = query.value(4).toString();
    event.subject = query.value(5).toString();
    event.key = query.value(6).toString();
    event.action = query.value(7).toString();
    event.oldValue = query.value(8).toString();
    event.newValue = query.value(9).toString();
    event.reason = query.value(10).toString();
    event.previousHash = query.value(11).toString();
    event.hash = query.value(12).toString();
    return event;
}

// "ACC1 cheque 000123 (row 7)": how a listing names a row.
QString rowName(qint64 id, const QString &state)
{
    const QJsonObject fields = QJsonDocument::fromJson(state.toUtf8()).object();
    if (fields.isEmpty())
        return QCoreApplication::translate("RegisterHistory", "row %1").arg(id);
    return QCoreApplication::translate("RegisterHistory", "%1 cheque %2 (row %3)")
        .arg(fields.value(QStringLiteral("bankid")).toString(), fields.value(QStringLiteral("chequeno")).toString())
        .arg(id);
}

// `amountsInUnits`: the register keeps an amount as a count of the smallest unit (a file does).
QString fieldChanges(const QString &kept, const QString &found, bool amountsInUnits)
{
    const QJsonObject before = QJsonDocument::fromJson(kept.toUtf8()).object();
    const QJsonObject now = QJsonDocument::fromJson(found.toUtf8()).object();
    // An empty value and none at all differ: a crossing of "" is the two lines alone, none is uncrossed.
    // An amount kept as a count of the smallest unit is shown as money, with its decimals.
    const auto shown = [amountsInUnits](const QString &key, const QJsonObject &state) {
        const QJsonValue value = state.value(key);
        if (value.isNull())
            return QCoreApplication::translate("RegisterHistory", "(none)");
        QString text = value.toString();
        const int decimals = state.value(QStringLiteral("decimals")).toString().toInt();
        if (amountsInUnits && key == QLatin1String("amount") && decimals > 0) {
            text = text.rightJustified(decimals + 1, u'0');
            text.insert(text.size() - decimals, u'.');
        }
        return QStringLiteral("\"%1\"").arg(text);
    };
    QStringList changes;
    for (auto field = now.begin(); field != now.end(); ++field) {
        // A field the entry predates is not one it vouches for.
        if (before.contains(field.key()) && before.value(field.key()) != field.value())
            changes << QCoreApplication::translate("RegisterHistory", "%1 %2 where its history has %3")
                           .arg(field.key(), shown(field.key(), now), shown(field.key(), before));
    }
    return changes.join(QStringLiteral(", "));
}

// Entries added one after another in one transaction: the chain's last link, who is writing and the
// statement are read and prepared once for all of them, not once for each entry.
class HistoryChain
{
public:
    explicit HistoryChain(const Connection &connection)
        : m_connection(connection)
    {
        const Dialect &dialect = connection.dialect();
        // Entries are chained one after another: a second writer waits for this one's link.
        dialect.lockHistory(connection);
        QSqlQuery last = connection.run(QStringLiteral("SELECT Hash FROM History ORDER BY Id DESC LIMIT 1"));
        m_previous = connection.next(last) ? last.value(0).toString() : kFirstLink;
        m_role = dialect.databaseRole(connection);
        m_osUser = operatingSystemUser();
        m_workstation = QSysInfo::machineHostName();
        m_insert = connection.prepare(
            QStringLiteral("INSERT INTO History (At, OsUser, Workstation, DbRole, Subject, SubjectKey, Action, "
                           "OldValue, NewValue, Reason, PreviousHash, Hash) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                           "?)"));
    }

    void add(const QString &subject, const QString &key, const QString &action, const QString &oldValue,
             const QString &newValue, const QString &reason)
    {
        HistoryEvent event;
        event.at = QDateTime::currentDateTimeUtc();
        event.osUser = m_osUser;
        event.workstation = m_workstation;
        event.role = m_role;
        event.subject = subject;
        event.key = key;
        event.action = action;
        event.oldValue = oldValue;
        event.newValue = newValue;
        event.reason = reason;
        write(event);
    }

    /// Links an entry as it was written elsewhere (its time, who and why kept) after the last one.
    void write(HistoryEvent event)
    {
        event.previousHash = m_previous;
        event.hash = hashOf(event);
        const QVariant none(QMetaType(QMetaType::QString));
        const auto orNull = [&](const QString &text) { return text.isEmpty() ? none : QVariant(text); };
        m_connection.execute(m_insert,
                             {event.at.toString(Qt::ISODateWithMs), event.osUser, event.workstation, orNull(event.role),
                              event.subject, event.key, event.action, orNull(event.oldValue), orNull(event.newValue),
                              orNull(event.reason), event.previousHash, event.hash});
        m_previous = event.hash;
    }

private:
    const Connection &m_connection;
    QString m_previous;
    QString m_role;
    QString m_osUser;
    QString m_workstation;
    QSqlQuery m_insert;
};

// A cheque's state in the terms of the register it is copied into. An amount reads back as a count
// of the smallest unit from a file and as money from a server ("250000", or "2500" for 2500.00).
QString inTermsOf(const Dialect &from, const Dialect &to, const QString &state)
{
    QJsonObject fields = QJsonDocument::fromJson(state.toUtf8()).object();
    const QJsonValue amount = fields.value(QStringLiteral("amount"));
    if (!amount.isString() || from.keepsAmountsInUnits() == to.keepsAmountsInUnits())
        return state;
    const int decimals = fields.value(QStringLiteral("decimals")).toString().toInt();
    const QString text = amount.toString();
    qint64 units = text.toLongLong();
    if (!from.keepsAmountsInUnits()) {
        const qsizetype point = text.indexOf(u'.');
        const QString fraction = point < 0 ? QString() : text.mid(point + 1);
        units = (point < 0 ? text : text.left(point)).toLongLong();
        for (int i = 0; i < decimals; ++i)
            units = units * 10 + (i < fraction.size() ? fraction.at(i).digitValue() : 0);
    }
    fields.insert(QStringLiteral("amount"), to.amountAsRead(StoredAmount {units, decimals}));
    return QString::fromUtf8(QJsonDocument(fields).toJson(QJsonDocument::Compact));
}

} // namespace

RegisterHistory::RegisterHistory(const Connection &connection)
    : m_connection(connection)
{
}

void RegisterHistory::append(const QString &subject, const QString &key, const QString &action, const QString &oldValue,
                             const QString &newValue, const QString &reason) const
{
    m_connection.inTransaction(
        [&] { HistoryChain(m_connection).add(subject, key, action, oldValue, newValue, reason); });
}

QString RegisterHistory::chequeState(qint64 id) const
{
    QSqlQuery row = m_connection.run(QStringLiteral("SELECT %1 FROM Cheque WHERE Id = ?").arg(kChequeColumns), {id});
    return m_connection.next(row) ? stateOf(row) : QString();
}

void RegisterHistory::chequeChanged(qint64 id, const QString &action, const QString &before,
                                    const QString &reason) const
{
    append(kCheque, QString::number(id), action, before, chequeState(id), reason);
}

void RegisterHistory::chequeNoted(qint64 id, const QString &action, const QString &reason) const
{
    const QString state = chequeState(id);
    append(kCheque, QString::number(id), action, state, state, reason);
}

QString RegisterHistory::rowState(const QString &table, const QString &keyColumn, const QVariant &key) const
{
    QSqlQuery row = m_connection.run(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(table, keyColumn), {key});
    return m_connection.next(row) ? stateOf(row) : QString();
}

QList<HistoryEvent> RegisterHistory::of(const QString &subject, const QString &key) const
{
    QSqlQuery query = m_connection.run(
        QStringLiteral("SELECT %1 FROM History WHERE Subject = ? AND SubjectKey = ? ORDER BY Id").arg(kEventColumns),
        {subject, key});
    QList<HistoryEvent> events;
    while (m_connection.next(query))
        events.append(eventFromQuery(query));
    return events;
}

void RegisterHistory::begin(const std::function<void(int done, int total)> &progress) const
{
    QSqlQuery any = m_connection.run(QStringLiteral("SELECT 1 FROM History LIMIT 1"));
    if (m_connection.next(any))
        return;
    m_connection.inTransaction([&] {
        append(QStringLiteral("register"), QStringLiteral("register"), QStringLiteral("history begins"), QString(),
               QString());
        carryOver(QStringLiteral("in the register when its history began"), progress);
    });
}

void RegisterHistory::carryOver(const QString &reason, const std::function<void(int done, int total)> &progress) const
{
    // A million rows are read a slice at a time, each slice's entries written before the next is
    // read: the states of the whole register are never held at once, and a server is never asked
    // to write while it is still sending rows.
    constexpr int kSlice = 10000;
    m_connection.inTransaction([&] {
        const QString withoutHistory = QStringLiteral(
            "FROM Cheque AS c WHERE NOT EXISTS (SELECT 1 FROM History AS h WHERE h.Subject = 'cheque' AND "
            "h.SubjectKey = CAST(c.Id AS TEXT))");
        int total = 0;
        if (progress) {
            QSqlQuery count = m_connection.run(QStringLiteral("SELECT count(*) ") + withoutHistory);
            total = m_connection.next(count) ? count.value(0).toInt() : 0;
        }
        const bool tell = progress && total > kSlice;
        HistoryChain chain(m_connection);
        qint64 after = std::numeric_limits<qint64>::min();
        int done = 0;
        for (;;) {
            if (tell)
                progress(std::min(done, total), total);
            QList<std::pair<qint64, QString>> states;
            {
                const std::unique_ptr<RowCursor> rows
                    = m_connection.rows(QStringLiteral("SELECT Id, %1 %2 AND c.Id > ? ORDER BY Id LIMIT %3")
                                            .arg(kChequeColumns, withoutHistory)
                                            .arg(kSlice),
                                        {after});
                const StateWriter writer(rows->columnNames(), 1);
                while (rows->next())
                    states.append({rows->number(0), writer.write(*rows)});
            }
            for (const auto &[id, state] : states)
                chain.add(kCheque, QString::number(id), QStringLiteral("carried over"), QString(), state, reason);
            done += static_cast<int>(states.size());
            if (states.size() < kSlice)
                break;
            after = states.last().first;
        }
        if (tell)
            progress(total, total);
    });
}

void RegisterHistory::copyFrom(const Connection &source, const QString &reason) const
{
    m_connection.inTransaction([&] {
        HistoryChain chain(m_connection);
        chain.add(QStringLiteral("register"), QStringLiteral("register"), QStringLiteral("copied in"), QString(),
                  QString(), reason);
        const std::unique_ptr<RowCursor> events
            = source.rows(QStringLiteral("SELECT %1 FROM History ORDER BY Id").arg(kEventColumns));
        while (events->next()) {
            HistoryEvent event = eventFromQuery(*events);
            if (event.subject == kCheque) {
                if (!event.oldValue.isEmpty())
                    event.oldValue = inTermsOf(source.dialect(), m_connection.dialect(), event.oldValue);
                if (!event.newValue.isEmpty())
                    event.newValue = inTermsOf(source.dialect(), m_connection.dialect(), event.newValue);
            }
            chain.write(event);
        }
    });
}

QList<HistoryEvent> RegisterHistory::ofCheque(qint64 id) const
{
    // The table may give a row's Id again once that cheque was not printed: the history of the
    // cheque there now begins after it.
    QList<HistoryEvent> events = of(kCheque, QString::number(id));
    for (qsizetype i = events.size() - 2; i >= 0; --i) {
        if (events.at(i).action == kNotPrinted) {
            events.remove(0, i + 1);
            break;
        }
    }
    return events;
}

std::optional<qint64> RegisterHistory::reprintOf(qint64 id) const
{
    // Each reprint is linked both ways, each link naming the other row last: "... (row 7)".
    static const QRegularExpression namedRow(QStringLiteral("\\(row (\\d+)\\)$"));
    const QString backLink = QStringLiteral("(row %1)").arg(id);
    for (const HistoryEvent &event : of(kCheque, QString::number(id))) {
        const QRegularExpressionMatch match = namedRow.match(event.reason);
        if (event.action != QLatin1String("reprinted") || !match.hasMatch())
            continue;
        const qint64 reprint = match.captured(1).toLongLong();
        // Only what that row has held since it was last found not printed: the table may have given
        // its Id to another cheque since.
        const QList<HistoryEvent> since = of(kCheque, QString::number(reprint));
        const auto last = std::find_if(since.crbegin(), since.crend(),
                                       [](const HistoryEvent &entry) { return entry.action == kNotPrinted; });
        const bool linked = std::any_of(since.crbegin(), last, [&](const HistoryEvent &entry) {
            return entry.action == QLatin1String("reprint") && entry.reason.endsWith(backLink);
        });
        if (linked)
            return reprint;
    }
    return std::nullopt;
}

QString RegisterHistory::lastState(qint64 id) const
{
    const QList<HistoryEvent> events = of(kCheque, QString::number(id));
    return events.isEmpty() ? QString() : events.last().newValue;
}

RegisterCheck RegisterHistory::verify() const
{
    RegisterCheck check;
    // A damaged file is said first, and alone: its rows cannot be trusted to be read whole.
    try {
        check.damage = m_connection.dialect().damage(m_connection);
    } catch (const Failure &failure) {
        check.damage << failure.description();
    }
    if (!check.damage.isEmpty())
        return check;
    const QStringList guards = m_connection.dialect().missingHistoryGuards(m_connection);
    if (!guards.isEmpty())
        check.differences << QCoreApplication::translate("RegisterHistory",
                                                         "The database no longer keeps the history from being "
                                                         "changed: its guard %1 is gone or switched off.")
                                 .arg(guards.join(QStringLiteral(", ")));
    // A million rows are compared by a digest of each state, not the state itself, to stay small.
    struct Kept
    {
        bool stillARow = true;
        bool withCrossing = true;
        QByteArray digest;
    };
    QHash<qint64, Kept> lastOfCheque;
    // Room for every row at once: the largest Id is read off the table's key, no count needed.
    QSqlQuery largest = m_connection.run(QStringLiteral("SELECT max(Id) FROM Cheque"));
    lastOfCheque.reserve(m_connection.next(largest) ? largest.value(0).toLongLong() : 0);
    const std::unique_ptr<RowCursor> events
        = m_connection.rows(QStringLiteral("SELECT %1 FROM History ORDER BY Id").arg(kEventColumns));
    QString previous = kFirstLink;
    qint64 lastId = 0;
    while (events->next()) {
        const HistoryEvent event = eventFromQuery(*events);
        ++check.events;
        lastId = event.id;
        if (check.brokenLink.isEmpty()) {
            if (event.previousHash != previous)
                check.brokenLink
                    = QCoreApplication::translate("RegisterHistory",
                                                  "History entry %1 does not follow the entry before it: an entry "
                                                  "was removed or slipped in before it.")
                          .arg(event.id);
            else if (hashOf(event) != event.hash)
                check.brokenLink
                    = QCoreApplication::translate("RegisterHistory",
                                                  "History entry %1 (%2 %3, %4) was changed after it was written.")
                          .arg(QString::number(event.id), event.subject, event.key, event.action);
        }
        previous = event.hash;
        if (event.subject == kCheque)
            lastOfCheque.insert(
                event.key.toLongLong(),
                {event.action != kNotPrinted, event.newValue.contains(kCrossingKey), digest(event.newValue)});
    }

    // The chain cannot tell that its last entries were cut off; the highest Id ever given can.
    if (const std::optional<qint64> given = m_connection.dialect().highestHistoryIdGiven(m_connection);
        check.brokenLink.isEmpty() && given && *given > lastId)
        check.brokenLink = QCoreApplication::translate("RegisterHistory",
                                                       "The history ends at entry %1, but entries up to %2 were "
                                                       "written: the last ones were removed outside the program.")
                               .arg(lastId)
                               .arg(*given);

    // Rows that differ are described once the walk is over: a server answers one query at a time.
    QList<std::pair<qint64, QString>> changed;
    const std::unique_ptr<RowCursor> rows
        = m_connection.rows(QStringLiteral("SELECT Id, %1 FROM Cheque ORDER BY Id").arg(kChequeColumns));
    const QStringList columns = rows->columnNames();
    const StateWriter writer(columns, 1);
    const StateWriter withoutCrossing(columns.first(columns.size() - 1), 1);
    while (rows->next()) {
        ++check.cheques;
        const qint64 id = rows->number(0);
        const auto kept = lastOfCheque.constFind(id);
        // A row whose number was given back ("not printed") and whose Id the table then gave again
        // outside the program has no history of its own either.
        if (kept == lastOfCheque.cend() || !kept->stillARow) {
            check.differences << QCoreApplication::translate("RegisterHistory",
                                                             "%1 has no history: it was written outside the program.")
                                     .arg(rowName(id, writer.write(*rows)));
            continue;
        }
        const QString state = (kept->withCrossing ? writer : withoutCrossing).write(*rows);
        if (kept->digest != digest(state))
            changed.append({id, writer.write(*rows)});
        lastOfCheque.remove(id);
    }
    const bool amountsInUnits = m_connection.dialect().keepsAmountsInUnits();
    for (const auto &[id, state] : changed)
        check.differences << QCoreApplication::translate("RegisterHistory", "%1 was changed outside the program: %2.")
                                 .arg(rowName(id, state), fieldChanges(lastState(id), state, amountsInUnits));
    QList<qint64> gone = lastOfCheque.keys();
    std::sort(gone.begin(), gone.end());
    for (const qint64 id : gone) {
        if (lastOfCheque.value(id).stillARow)
            check.differences << QCoreApplication::translate("RegisterHistory", "%1 was deleted outside the program.")
                                     .arg(rowName(id, lastState(id)));
    }
    return check;
}

} // namespace quillset
