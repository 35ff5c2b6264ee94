#include "doubles/RecordingQueue.h"
#include "support/DataRows.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/base/Failure.h"
#include "core/issue/ChequeLife.h"
#include "core/issue/Reprint.h"
#include "core/layout/PageMetrics.h"
#include "store/BankAccounts.h"
#include "store/RegisterHistory.h"
#include "store/Store.h"

#include <QGuiApplication>

using namespace quillset;
using namespace quillset::test;

// A limit above which a cheque needs a reason, and a spoiled or voided cheque printed again, against
// a real register and a print server that completes every job.
class TestLimitsAndReprints : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aChequeAboveTheLimitNeedsAReason_data();
    void aChequeAboveTheLimitNeedsAReason();
    void aSpoiledOrVoidChequePrintsAgainOnTheNextLeaf_data();
    void aSpoiledOrVoidChequePrintsAgainOnTheNextLeaf();
    void aChequeIsPrintedAgainOnce_data();
    void aChequeIsPrintedAgainOnce();

private:
    IssueOutcome issue(const Cheque &cheque, const PendingNotes &notes = {});
    void setLimit(std::optional<qint64> limit);
    QString historyOf(const QString &number) const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingQueue> m_queue;
    BlockingWaiter m_waiter;
    PageMetrics m_metrics;
};

void TestLimitsAndReprints::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_queue = std::make_unique<RecordingQueue>();
}

void TestLimitsAndReprints::cleanup()
{
    m_db.reset();
}

IssueOutcome TestLimitsAndReprints::issue(const Cheque &cheque, const PendingNotes &notes)
{
    IssueContext context {m_db->store(), *m_queue, m_metrics, m_waiter, nullptr, QStringLiteral("desk-1 (clerk)")};
    context.notes = notes;
    return issueCheque(cheque, context);
}

void TestLimitsAndReprints::setLimit(std::optional<qint64> limit)
{
    const BankAccounts &accounts = m_db->store().accounts();
    const BankAccountRecord read = *accounts.find(QStringLiteral("ACC1"));
    BankAccountRecord edited = read;
    edited.limits.notOver = limit;
    accounts.update(read, edited);
}

// The cheque's history as actions with their reasons, oldest first.
QString TestLimitsAndReprints::historyOf(const QString &number) const
{
    const std::optional<RegisterEntry> row = m_db->store().cheques().findNumber(QStringLiteral("ACC1"), number);
    if (!row)
        return QStringLiteral("(no row)");
    QStringList lines;
    for (const HistoryEvent &event : m_db->store().history().ofCheque(row->id))
        lines.append(event.reason.isEmpty() ? event.action : event.action + QStringLiteral(": ") + event.reason);
    return lines.join(QStringLiteral(" | "));
}

void TestLimitsAndReprints::aChequeAboveTheLimitNeedsAReason_data()
{
    QTest::addColumn<qint64>("limit"); // whole rupees; 0 for none
    QTest::addColumn<qint64>("amount"); // rupees: the sample account takes whole amounts
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("said"); // part of what the operator is told; empty when it printed
    QTest::addColumn<QString>("history");
    row("no limit", qint64(0), qint64(9000000), "", "", "pending | sent to the printer | printed");
    row("at the limit", qint64(50000), qint64(50000), "", "", "pending | sent to the printer | printed");
    row("above, no reason", qint64(50000), qint64(50001), "",
        "ERR:1311:=50,001/- is above the \"Not over\" limit of =50,000/- of the account \"ACC1\".", "(no row)");
    row("above, blank reason", qint64(50000), qint64(50001), "   ", "ERR:1311:", "(no row)");
    row("above, with a reason", qint64(50000), qint64(750000), " advance for the new plant ", "",
        "pending | over the limit: advance for the new plant | sent to the printer | printed");
    row("a reason within the limit is not kept", qint64(50000), qint64(100), "not needed", "",
        "pending | sent to the printer | printed");
}

void TestLimitsAndReprints::aChequeAboveTheLimitNeedsAReason()
{
    QFETCH(qint64, limit);
    QFETCH(qint64, amount);
    QFETCH(QString, reason);
    QFETCH(QString, said);
    QFETCH(QString, history);
    setLimit(limit > 0 ? std::optional<qint64>(limit) : std::nullopt);
    const MoneyStyle money = m_db->store().accounts().find(QStringLiteral("ACC1"))->money;
    const Cheque cheque {QStringLiteral("ACC1"), QStringLiteral("000500"), QStringLiteral("ABC Traders"),
                         QDate(2026, 12, 6),     Money {amount, money},    false};
    const IssueOutcome outcome = issue(cheque, {reason});
    if (said.isEmpty()) {
        QVERIFY2(outcome.kind == IssueOutcome::Kind::Printed, qPrintable(outcome.message));
    } else {
        QCOMPARE(int(outcome.kind), int(IssueOutcome::Kind::NotPrinted));
        QVERIFY2(outcome.message.startsWith(said), qPrintable(outcome.message));
        QVERIFY(m_queue->jobs.isEmpty()); // nothing reached the printer
    }
    QCOMPARE(historyOf(QStringLiteral("000500")), history);
    QVERIFY(m_db->store().history().verify().isClean());
}

void TestLimitsAndReprints::aSpoiledOrVoidChequePrintsAgainOnTheNextLeaf_data()
{
    QTest::addColumn<QString>("settled"); // what became of cheque 000500
    QTest::addColumn<bool>("crossed");
    QTest::addColumn<QString>("refused"); // part of the refusal; empty when it reprints
    row("voided, crossed", "void", true, "");
    row("spoiled, not crossed", "spoiled", false, "");
    row("printed is not reprinted", "printed", true, "is printed: only a spoiled or void cheque");
    row("a bare spoiled leaf", "leaf", false, "a spoiled leaf with no cheque on it");
}

void TestLimitsAndReprints::aSpoiledOrVoidChequePrintsAgainOnTheNextLeaf()
{
    QFETCH(QString, settled);
    QFETCH(bool, crossed);
    QFETCH(QString, refused);
    const MoneyStyle money = m_db->store().accounts().find(QStringLiteral("ACC1"))->money;
    const Cheque first {QStringLiteral("ACC1"),
                        QStringLiteral("000500"),
                        QStringLiteral("Mehta & Sons"),
                        QDate(2026, 12, 4),
                        Money {125000, money},
                        crossed,
                        crossed ? QStringLiteral("A/c Payee Only") : QString()};
    const ChequeRegister &cheques = m_db->store().cheques();
    if (settled == QLatin1String("leaf")) {
        settleNumber(m_db->store(), QStringLiteral("ACC1"), QStringLiteral("000500"), Settlement::Spoiled,
                     QStringLiteral("torn"), QDate(2026, 12, 6), {*m_queue, QStringLiteral("desk-1 (clerk)")});
    } else {
        if (settled == QLatin1String("spoiled"))
            m_queue->statuses = {{JobStatus::State::Aborted, true, QString()}}; // left pending, then spoiled
        issue(first);
        if (settled != QLatin1String("printed"))
            settle(cheques, *cheques.findNumber(QStringLiteral("ACC1"), QStringLiteral("000500")),
                   *settlementFromWord(settled), QStringLiteral("jammed"), {*m_queue, QStringLiteral("desk-1")});
    }
    m_queue->statuses.clear();
    const RegisterEntry old = *cheques.findNumber(QStringLiteral("ACC1"), QStringLiteral("000500"));
    Cheque reprint;
    try {
        reprint = reprintOf(m_db->store(), old);
    } catch (const Failure &failure) {
        QVERIFY2(!refused.isEmpty(), failure.what());
        QVERIFY2(failure.description().contains(refused), failure.what());
        return;
    }
    QVERIFY2(refused.isEmpty(), "a reprint was offered");
    IssueContext context {m_db->store(), *m_queue, m_metrics, m_waiter, nullptr, QStringLiteral("desk-1 (clerk)")};
    const IssueOutcome outcome = reprintCheque(reprint, old, context);
    QVERIFY2(outcome.kind == IssueOutcome::Kind::Printed, qPrintable(outcome.message));
    QCOMPARE(outcome.number, QStringLiteral("000501"));
    // What lands in the register is the old cheque on a new leaf, crossing and all.
    QCOMPARE(m_db->joined(QStringLiteral("SELECT ChequeNo || ' ' || Pay || ' ' || Amount || ' ' || PrintDate || ' ' || "
                                         "Status || ' ' || coalesce(Crossing, '(uncrossed)') FROM Cheque WHERE "
                                         "ChequeNo = '000501'")),
             QStringLiteral("000501 Mehta & Sons 125000 2026-12-04 printed %1")
                 .arg(crossed ? QStringLiteral("A/c Payee Only") : QStringLiteral("(uncrossed)")));
    QVERIFY2(historyOf(QStringLiteral("000501")).contains(QStringLiteral("reprint: cheque 000500 of \"ACC1\" (row")),
             qPrintable(historyOf(QStringLiteral("000501"))));
    QVERIFY2(historyOf(QStringLiteral("000500"))
                 .endsWith(QStringLiteral("reprinted: cheque 000501 of \"ACC1\" (row %1)")
                               .arg(cheques.findNumber(QStringLiteral("ACC1"), QStringLiteral("000501"))->id)),
             qPrintable(historyOf(QStringLiteral("000500"))));
    // The page printed carries the crossing it had.
    QCOMPARE(m_queue->jobs.size(), 2);
    QCOMPARE(m_queue->jobs.last().pages.first().item(QStringLiteral("Stamp")).shown, crossed);
    QVERIFY(m_db->store().history().verify().isClean());
}

void TestLimitsAndReprints::aChequeIsPrintedAgainOnce_data()
{
    QTest::addColumn<QString>("firstReprint"); // what became of 000501, the first reprint of void 000500
    QTest::addColumn<QString>("again"); // the cheque then printed again
    QTest::addColumn<QString>("refused"); // part of the refusal; empty when it prints as "printed"
    QTest::addColumn<QString>("printed");
    row("the void cheque twice", "printed", "000500", "has been printed again already, as cheque 000501", "");
    row("after a reprint that did not print", "unprinted", "000500", "", "000501");
    row("the void cheque, its reprint spoiled", "spoiled", "000500",
        "as cheque 000501. A cheque is printed again once: if cheque 000501 is spoiled or void too, print that one "
        "again.",
        "");
    row("the spoiled reprint itself", "spoiled", "000501", "", "000502");
}

void TestLimitsAndReprints::aChequeIsPrintedAgainOnce()
{
    QFETCH(QString, firstReprint);
    QFETCH(QString, again);
    QFETCH(QString, refused);
    QFETCH(QString, printed);
    const ChequeRegister &cheques = m_db->store().cheques();
    const MoneyStyle money = m_db->store().accounts().find(QStringLiteral("ACC1"))->money;
    issue({QStringLiteral("ACC1"), QStringLiteral("000500"), QStringLiteral("Mehta & Sons"), QDate(2026, 12, 4),
           Money {125000, money}, false});
    settle(cheques, *cheques.findNumber(QStringLiteral("ACC1"), QStringLiteral("000500")), Settlement::Void,
           QStringLiteral("lost"), {*m_queue, QStringLiteral("desk-1")});
    const RegisterEntry voided = *cheques.findNumber(QStringLiteral("ACC1"), QStringLiteral("000500"));
    const Cheque firstCheque = reprintOf(m_db->store(), voided);
    IssueContext context {m_db->store(), *m_queue, m_metrics, m_waiter, nullptr, QStringLiteral("desk-1 (clerk)")};
    if (firstReprint != QLatin1String("printed"))
        m_queue->statuses = {{JobStatus::State::Aborted, true, QString()}}; // left pending, then settled
    reprintCheque(firstCheque, voided, context);
    m_queue->statuses.clear();
    if (firstReprint != QLatin1String("printed"))
        settle(cheques, *cheques.findNumber(QStringLiteral("ACC1"), QStringLiteral("000501")),
               *settlementFromWord(firstReprint), QStringLiteral("jammed"), {*m_queue, QStringLiteral("desk-1")});

    const RegisterEntry old = *cheques.findNumber(QStringLiteral("ACC1"), again);
    try {
        const IssueOutcome outcome = reprintCheque(reprintOf(m_db->store(), old), old, context);
        QVERIFY2(refused.isEmpty(), "a second reprint was offered");
        QVERIFY2(outcome.kind == IssueOutcome::Kind::Printed, qPrintable(outcome.message));
        QCOMPARE(outcome.number, printed);
    } catch (const Failure &failure) {
        QVERIFY2(!refused.isEmpty(), failure.what());
        QVERIFY2(failure.description().contains(refused), failure.what());
        // A workstation that asked before the first reprint was written is refused when it writes.
        const IssueOutcome late = reprintCheque(firstCheque, voided, context);
        QVERIFY(late.kind == IssueOutcome::Kind::NotPrinted);
        QVERIFY2(late.message.contains(QStringLiteral("has been printed again already")), qPrintable(late.message));
    }
    // One live cheque at most stands for the void one.
    QCOMPARE(m_db->joined(QStringLiteral("SELECT ChequeNo || ' ' || Status FROM Cheque ORDER BY ChequeNo")),
             QStringLiteral("000500 void, 000501 %1%2")
                 .arg(firstReprint == QLatin1String("unprinted") ? QStringLiteral("printed") : firstReprint,
                      printed == QLatin1String("000502") ? QStringLiteral(", 000502 printed") : QString()));
    QVERIFY(m_db->store().history().verify().isClean());
}

QUILLSET_TEST_MAIN(TestLimitsAndReprints, QGuiApplication)
#include "tst_LimitsAndReprints.moc"
