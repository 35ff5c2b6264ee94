#include "support/DataRows.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/base/Failure.h"
#include "core/cheque/Cheque.h"
#include "store/Connection.h"
#include "store/Store.h"

using namespace quillset;
using namespace quillset::test;

// The register's history, read as an auditor would: every change recorded with who and why, entries
// the database will not let anyone change, and every edit made outside the program found.
class TestRegisterHistory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void outsideEditsAreFound_data();
    void outsideEditsAreFound();
    void theDatabaseKeepsEveryEntry_data();
    void theDatabaseKeepsEveryEntry();
    void eachChangeSaysWhoAndWhy();
    void aLargeRegisterSaysHowFarItsHistoryHasCome();

private:
    qint64 pending(const QString &number, const QString &payee = QStringLiteral("ABC Traders")) const;
    bool onServer() const { return m_db->backend() == Backend::Postgres; }

    std::unique_ptr<TestDatabase> m_db;
};

void TestRegisterHistory::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    // 000101 printed then voided, 000102 printed, 000103 never printed (its row gone, its history kept).
    const ChequeRegister &cheques = m_db->store().cheques();
    // A payee JSON must escape is kept as the history keeps it: the check reads it back alike.
    const qint64 voided = pending(QStringLiteral("000101"), QStringLiteral("Asha \"Ltd\" \\ Co\nSecond line"));
    cheques.setJob(voided, QStringLiteral("office"), 7);
    cheques.markPrinted(voided);
    cheques.markVoid(voided, QStringLiteral("lost in the post"));
    cheques.markPrinted(pending(QStringLiteral("000102")));
    cheques.removeUnprinted(pending(QStringLiteral("000103")));
}

void TestRegisterHistory::cleanup()
{
    m_db.reset();
}

qint64 TestRegisterHistory::pending(const QString &number, const QString &payee) const
{
    return m_db->store().cheques().addPending(
        {QStringLiteral("ACC1"), number, payee, QDate(2026, 12, 6), Money {12345, {}}, true},
        QStringLiteral("desk-1 (asha)"));
}

void TestRegisterHistory::outsideEditsAreFound_data()
{
    QTest::addColumn<QString>("sqlite");
    QTest::addColumn<QString>("postgres"); // empty: as on SQLite
    QTest::addColumn<QString>("broken"); // the first broken link, or empty
    QTest::addColumn<QString>("differs"); // the findings about rows, one per line
    QTest::addColumn<QString>("guard"); // the guard said to be gone, on SQLite|on PostgreSQL; empty for none
    row("nothing touched", "", "", "", "", "");
    row("a payee changed", "UPDATE Cheque SET Pay = 'Someone Else' WHERE ChequeNo = '000102'", "", "",
        "ACC1 cheque 000102 (row 2) was changed outside the program: pay \"Someone "
        "Else\" where its history has \"ABC Traders\".",
        "");
    row("a void undone", "UPDATE Cheque SET Status = 'printed', Reason = NULL WHERE ChequeNo = '000101'", "", "",
        "ACC1 cheque 000101 (row 1) was changed outside the program: reason (none) where "
        "its history has \"lost in the post\", status \"printed\" where its history "
        "has \"void\".",
        "");
    row("a crossing's words changed", "UPDATE Cheque SET Crossing = 'Not Negotiable' WHERE ChequeNo = '000102'", "", "",
        "ACC1 cheque 000102 (row 2) was changed outside the program: crossing \"Not Negotiable\" where its "
        "history has \"\".",
        "");
    row("an amount changed, in money", "UPDATE Cheque SET Amount = 99555, Decimals = 2 WHERE ChequeNo = '000102'",
        "UPDATE Cheque SET Amount = 995.55, Decimals = 2 WHERE ChequeNo = '000102'", "",
        "ACC1 cheque 000102 (row 2) was changed outside the program: amount \"995.55\" where its history has "
        "\"12345\", decimals \"2\" where its history has \"0\".",
        "");
    row("a row deleted", "DELETE FROM Cheque WHERE ChequeNo = '000102'", "", "",
        "ACC1 cheque 000102 (row 2) was deleted outside the program.", "");
    row("a row slipped in",
        "INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, NumberKey, ChangedAt) VALUES ('ACC1', "
        "'000555', 5, 'Nobody', '2026-12-01', '555', '2026-12-01T00:00:00Z')",
        "", "", "ACC1 cheque 000555 (row %1) has no history: it was written outside the program.", "");
    row("an entry deleted",
        "DROP TRIGGER HistoryIsNotDeleted; DELETE FROM History WHERE Action = 'printed' AND SubjectKey = '2'",
        "ALTER TABLE History DISABLE TRIGGER HistoryIsKept; DELETE FROM History WHERE Action = 'printed' AND "
        "SubjectKey = '2'",
        "does not follow the entry before it",
        "ACC1 cheque 000102 (row 2) was changed outside the program: status \"printed\" where its history has "
        "\"pending\".",
        "HistoryIsNotDeleted|historyiskept");
    row("an entry's reason rewritten",
        "DROP TRIGGER HistoryIsNotChanged; UPDATE History SET Reason = 'cancelled by the manager' WHERE Action = "
        "'void'",
        "ALTER TABLE History DISABLE TRIGGER HistoryIsKept; UPDATE History SET Reason = 'cancelled by the "
        "manager' WHERE Action = 'void'",
        "(cheque 1, void) was changed after it was written", "", "HistoryIsNotChanged|historyiskept");
    // The chain cannot see its own end cut off, with the rows it speaks of; a file keeps the highest
    // Id it gave apart (a server's sequence also moves on for entries never committed).
    row("the last entries cut off",
        "DROP TRIGGER HistoryIsNotDeleted; DELETE FROM History WHERE Subject = 'cheque' AND SubjectKey = '3'",
        "ALTER TABLE History DISABLE TRIGGER HistoryIsKept; DELETE FROM History WHERE Subject = 'cheque' AND "
        "SubjectKey = '3'",
        "the last ones were removed outside the program|", "", "HistoryIsNotDeleted|historyiskept");
    // Whatever is done next would leave no trace the check can see: the guard itself is a finding.
    row("a guard switched off", "DROP TRIGGER HistoryIsNotDeleted", "ALTER TABLE History DISABLE TRIGGER HistoryIsKept",
        "", "", "HistoryIsNotDeleted|historyiskept");
}

void TestRegisterHistory::outsideEditsAreFound()
{
    QFETCH(QString, sqlite);
    QFETCH(QString, postgres);
    QFETCH(QString, broken);
    QFETCH(QString, differs);
    QFETCH(QString, guard);
    const QString edit = onServer() && !postgres.isEmpty() ? postgres : sqlite;
    for (const QString &statement : edit.split(QStringLiteral("; "), Qt::SkipEmptyParts))
        m_db->exec(statement);
    const RegisterCheck check = m_db->store().history().verify();
    if (broken.contains(u'|'))
        broken = broken.section(u'|', onServer() ? 1 : 0, onServer() ? 1 : 0);
    QVERIFY2(broken.isEmpty() ? check.brokenLink.isEmpty() : check.brokenLink.contains(broken),
             qPrintable(check.brokenLink));
    // A file gives the Id of the row last removed again; a server never does.
    QStringList expected;
    if (!guard.isEmpty())
        expected << QStringLiteral("The database no longer keeps the history from being changed: its guard %1 is "
                                   "gone or switched off.")
                        .arg(guard.section(u'|', onServer() ? 1 : 0, onServer() ? 1 : 0));
    if (!differs.isEmpty())
        expected << differs.arg(onServer() ? 4 : 3);
    QCOMPARE(check.differences.join(u'\n'), expected.join(u'\n'));
    QCOMPARE(check.isClean(), broken.isEmpty() && differs.isEmpty() && guard.isEmpty());
}

void TestRegisterHistory::theDatabaseKeepsEveryEntry_data()
{
    QTest::addColumn<QString>("statement");
    QTest::newRow("changed") << "UPDATE History SET Reason = 'nothing happened'";
    QTest::newRow("deleted") << "DELETE FROM History WHERE Action = 'void'";
}

void TestRegisterHistory::theDatabaseKeepsEveryEntry()
{
    QFETCH(QString, statement);
    const qint64 before = m_db->scalar(QStringLiteral("SELECT count(*) FROM History")).toLongLong();
    QVERIFY_THROWS_EXCEPTION(Failure, m_db->store().SharedConnection().run(statement));
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM History")).toLongLong(), before);
    QVERIFY(m_db->store().history().verify().isClean());
}

void TestRegisterHistory::eachChangeSaysWhoAndWhy()
{
    QStringList actions;
    for (const HistoryEvent &event : m_db->store().history().of(QStringLiteral("cheque"), QStringLiteral("1"))) {
        actions << event.action + (event.reason.isEmpty() ? QString() : u' ' + event.reason);
        QVERIFY(!event.osUser.isEmpty() && !event.workstation.isEmpty());
        QCOMPARE(event.role.isEmpty(), !onServer());
        QVERIFY(qAbs(event.at.secsTo(QDateTime::currentDateTimeUtc())) < 600);
    }
    QCOMPARE(actions.join(QStringLiteral(", ")),
             QStringLiteral("pending, sent to the printer, printed, void lost in the post"));
    // The cheque never printed keeps its history although its row, and so its number, are gone.
    QCOMPARE(m_db->store().history().of(QStringLiteral("cheque"), QStringLiteral("3")).last().action,
             QStringLiteral("not printed"));
    QVERIFY(!m_db->store().cheques().findNumber(QStringLiteral("ACC1"), QStringLiteral("000103")));
    // Settings and accounts have their history too, with the old value and the new.
    m_db->store().parameters().SetSystemParameter(QStringLiteral("CompanyName"), QStringLiteral("New Name Ltd."));
    const HistoryEvent setting
        = m_db->store().history().of(QStringLiteral("setting"), QStringLiteral("CompanyName")).last();
    QVERIFY2(setting.oldValue.contains(QStringLiteral("Sample Traders")) && setting.newValue.contains(u"New Name"),
             qPrintable(setting.oldValue + u' ' + setting.newValue));
}

void TestRegisterHistory::aLargeRegisterSaysHowFarItsHistoryHasCome()
{
    // Rows copied in from elsewhere, too many to carry over without a word to whoever waits.
    const QString insert = onServer()
        ? QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Decimals, Pay, PrintDate, NumberKey, "
                         "ChangedAt) SELECT 'ACC1', 'C' || i, 1, 0, 'Payee', DATE '2026-12-01', 'C' || i, now() FROM "
                         "generate_series(1, 12000) AS i")
        : QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 12000) INSERT "
                         "INTO Cheque (BankID, ChequeNo, Amount, Decimals, Pay, PrintDate, NumberKey, ChangedAt) "
                         "SELECT 'ACC1', 'C' || i, 1, 0, 'Payee', '2026-12-01', 'C' || i, '2026-12-01T00:00:00Z' "
                         "FROM n");
    m_db->exec(insert);
    QList<std::pair<int, int>> told;
    m_db->store().history().carryOver(QStringLiteral("copied in"), [&](int done, int total) {
        told.append({done, total});
    });
    // Every row but one: a file gives the Id of the row last removed again, and that Id has a history.
    const int rows = onServer() ? 12000 : 11999;
    QVERIFY2(told.size() >= 2, qPrintable(QString::number(told.size())));
    QCOMPARE(told.first(), std::make_pair(0, rows));
    QCOMPARE(told.last(), std::make_pair(rows, rows));
    QCOMPARE(m_db->store().history().verify().differences.size(), 12000 - rows);
}

QUILLSET_TEST_MAIN(TestRegisterHistory, QCoreApplication)
#include "tst_RegisterHistory.moc"
