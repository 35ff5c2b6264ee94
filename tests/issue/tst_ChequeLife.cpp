#include "doubles/RecordingQueue.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "cheque/Cheque.h"
#include "core/Failure.h"
#include "issue/ChequeLife.h"
#include "layout/PageMetrics.h"
#include "store/Store.h"

#include <QGuiApplication>

using namespace quillset;
using namespace quillset::test;

// A cheque's life from its check to its row, against a real register and a print server that
// answers as it is told to.
class TestChequeLife : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void registerHoldsWhatThePrinterSays_data();
    void registerHoldsWhatThePrinterSays();
    void numbersCompareByValue();
    void refusesPagesThatCannotPrint_data();
    void refusesPagesThatCannotPrint();
    void settlingFollowsTheCheque_data();
    void settlingFollowsTheCheque();

private:
    IssueOutcome issue(const Cheque &cheque);
    static Cheque cheque(const QString &number, const QString &payee = QStringLiteral("ABC Traders"));
    QString rows() const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingQueue> m_queue;
    BlockingWaiter m_waiter;
    PageMetrics m_metrics;
};

void TestChequeLife::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_queue = std::make_unique<RecordingQueue>();
}

void TestChequeLife::cleanup()
{
    m_db.reset();
}

IssueOutcome TestChequeLife::issue(const Cheque &cheque)
{
    return issueCheque(cheque,
                       {m_db->store(), *m_queue, m_metrics, m_waiter, nullptr, QStringLiteral("desk-1 (clerk)")});
}

Cheque TestChequeLife::cheque(const QString &number, const QString &payee)
{
    return {QStringLiteral("ACC1"), number, payee, QDate(2026, 12, 6), 12345, true};
}

QString TestChequeLife::rows() const
{
    return m_db->joined(QStringLiteral("SELECT ChequeNo || ' ' || Status FROM Cheque ORDER BY Id"));
}

void TestChequeLife::registerHoldsWhatThePrinterSays_data()
{
    QTest::addColumn<QString>("printer"); // missing, refuses, or the job's end: completed, cancelled, ...
    QTest::addColumn<int>("outcome"); // IssueOutcome::Kind
    QTest::addColumn<QString>("left"); // the register afterwards
    QTest::addColumn<QString>("said");
    using K = IssueOutcome::Kind;
    QTest::newRow("completed") << "completed" << int(K::Printed) << "000500 printed"
                               << "";
    QTest::newRow("no printer") << "missing" << int(K::NotPrinted) << ""
                                << "ERR:1101:";
    QTest::newRow("queue refuses the job") << "refuses" << int(K::NotPrinted) << ""
                                           << "ERR:1102:";
    QTest::newRow("cancelled before it began") << "cancelled" << int(K::NotPrinted) << ""
                                               << "before it printed anything";
    QTest::newRow("aborted after it began") << "aborted" << int(K::Unknown) << "000500 pending"
                                            << "job 1 on \"TestQueue\" after it began printing";
    QTest::newRow("never finishes") << "stuck" << int(K::Unknown) << "000500 pending"
                                    << "had not finished after 1 seconds (last: printing (the printer says: "
                                       "media-empty))";
    QTest::newRow("printed, cannot be marked") << "unmarkable" << int(K::NotMarked) << "000500 pending"
                                               << "WAS printed (job 1), but the register could not mark it";
}

void TestChequeLife::registerHoldsWhatThePrinterSays()
{
    QFETCH(QString, printer);
    QFETCH(int, outcome);
    QFETCH(QString, left);
    QFETCH(QString, said);
    m_queue->installed = printer != QLatin1String("missing");
    m_queue->refuseJob = printer == QLatin1String("refuses");
    if (printer == QLatin1String("cancelled"))
        m_queue->statuses = {{JobStatus::State::Waiting, false, QString()}, {JobStatus::State::Cancelled, false, {}}};
    if (printer == QLatin1String("aborted"))
        m_queue->statuses = {{JobStatus::State::Printing, true, QString()}, {JobStatus::State::Aborted, true, {}}};
    if (printer == QLatin1String("stuck")) {
        m_db->store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QStringLiteral("1"));
        m_queue->statuses = {{JobStatus::State::Printing, true, QStringLiteral("media-empty")}};
    }
    if (printer == QLatin1String("unmarkable"))
        m_db->refuseUpdatesOf(QStringLiteral("Cheque"), QStringLiteral("Status"), QStringLiteral("the disk is full"));

    const IssueOutcome result = issue(cheque(QStringLiteral("000500")));
    QCOMPARE(int(result.kind), outcome);
    QVERIFY2(result.message.contains(said), qPrintable(result.message));
    QCOMPARE(rows(), left);
    if (!left.isEmpty()) // a row that may have printed names where it was sent from, and its job
        QCOMPARE(
            m_db->scalar(QStringLiteral("SELECT Workstation || ' ' || Queue || ' ' || JobId FROM Cheque")).toString(),
            QStringLiteral("desk-1 (clerk) TestQueue 1"));
}

void TestChequeLife::numbersCompareByValue()
{
    QCOMPARE(offeredNumber(m_db->store(), QStringLiteral("ACC1")), QString());
    QCOMPARE(int(issue(cheque(QStringLiteral("000123"))).kind), int(IssueOutcome::Kind::Printed));
    QCOMPARE(offeredNumber(m_db->store(), QStringLiteral("ACC1")), QStringLiteral("000124"));
    for (const char *same : {"123", "0000123", "000123"}) {
        const IssueOutcome refused = issue(cheque(QString::fromLatin1(same)));
        QCOMPARE(int(refused.kind), int(IssueOutcome::Kind::NotPrinted));
        QVERIFY2(refused.message.startsWith(QStringLiteral("ERR:1305:")), qPrintable(refused.message));
    }
    QCOMPARE(m_queue->jobs.size(), 1);
    // Numbers that are not only digits are compared as typed; 9 is lower than 10, whatever the text says.
    QCOMPARE(int(issue(cheque(QStringLiteral("A-123"))).kind), int(IssueOutcome::Kind::Printed));
    QCOMPARE(int(issue(cheque(QStringLiteral("0999"))).kind), int(IssueOutcome::Kind::Printed));
    QCOMPARE(offeredNumber(m_db->store(), QStringLiteral("ACC1")), QStringLiteral("1000"));
    // Even a number another program wrote without its key is found.
    m_db->exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) "
                              "VALUES ('ACC1', '005000', 1, 'Elsewhere', '2026-12-06')"));
    QCOMPARE(int(issue(cheque(QStringLiteral("5000"))).kind), int(IssueOutcome::Kind::NotPrinted));
    QCOMPARE(offeredNumber(m_db->store(), QStringLiteral("ACC1")), QStringLiteral("005001"));
}

void TestChequeLife::refusesPagesThatCannotPrint_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("said"); // empty: printed
    QTest::addColumn<double>("payeeSize"); // the largest it may be set in, when it prints
    QTest::newRow("calibration typo: 10 for 1.0")
        << "UPDATE sys_parms SET Value = '10' WHERE Description = 'CBLeft'"
        << "ABC Traders"
        << "ERR:1307:The cheque leaf would lie partly off the A4 sheet" << 0.0;
    QTest::newRow("a field off the sheet") << "UPDATE BankAccount SET AmountLeft = 20"
                                           << "ABC Traders"
                                           << "ERR:1307:The amount in figures would print off the sheet" << 0.0;
    QTest::newRow("a long payee is set smaller") << "UPDATE BankAccount SET PayWidth = 5"
                                                 << "Maharashtra State Electricity Board"
                                                 << "" << 9.5;
    QTest::newRow("a payee in Devanagari") << "" << QString::fromUtf8("श्री गणेश ट्रेडर्स") << "" << 9.75;
    QTest::newRow("a character no font has") << "" << QString::fromUtf8("Traders \uE000 Ltd")
                                             << "ERR:1310:The payee has characters no installed font can print: "
                                                "\"\uE000\" (U+E000)"
                                             << 0.0;
    QTest::newRow("a payee too long even in 7 pt")
        << "UPDATE BankAccount SET PayWidth = 3.5"
        << "Maharashtra State Electricity Board"
        << "ERR:1306:The payee is too long for its box on the leaf, even in 7 pt type" << 0.0;
}

void TestChequeLife::refusesPagesThatCannotPrint()
{
    QFETCH(QString, setUp);
    QFETCH(QString, payee);
    QFETCH(QString, said);
    QFETCH(double, payeeSize);
    if (!setUp.isEmpty())
        m_db->exec(setUp);
    const IssueOutcome result = issue(cheque(QStringLiteral("1"), payee));
    if (said.isEmpty()) {
        QCOMPARE(int(result.kind), int(IssueOutcome::Kind::Printed));
        const PageItem printed = m_queue->printed().first().item(QStringLiteral("lblPay"));
        QVERIFY2(printed.pointSize <= payeeSize && printed.pointSize >= 7,
                 qPrintable(QString::number(printed.pointSize)));
        return;
    }
    QVERIFY2(result.message.startsWith(said), qPrintable(result.message));
    QVERIFY(m_queue->jobs.isEmpty());
    QCOMPARE(rows(), QString());
}

void TestChequeLife::settlingFollowsTheCheque_data()
{
    QTest::addColumn<QString>("status"); // of cheque 7 before it is settled
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("left"); // the register afterwards, or what was said
    QTest::newRow("pending that printed") << "pending"
                                          << "printed"
                                          << ""
                                          << "7 printed";
    QTest::newRow("pending, leaf jammed") << "pending"
                                          << "spoiled"
                                          << "jammed"
                                          << "7 spoiled jammed";
    QTest::newRow("pending that did not print") << "pending"
                                                << "unprinted"
                                                << ""
                                                << "";
    QTest::newRow("printed, then lost") << "printed"
                                        << "void"
                                        << "lost in the post"
                                        << "7 void lost in the post";
    QTest::newRow("spoiled needs a reason") << "pending"
                                            << "spoiled"
                                            << " "
                                            << "Say why cheque 7 is spoiled";
    QTest::newRow("a printed cheque is never removed") << "printed"
                                                       << "unprinted"
                                                       << ""
                                                       << "only a pending cheque";
    QTest::newRow("only a printed cheque is voided") << "pending"
                                                     << "void"
                                                     << "why"
                                                     << "only a printed cheque can be void";
    QTest::newRow("a spoiled leaf never printed") << ""
                                                  << "spoiled"
                                                  << "torn"
                                                  << "000007 spoiled torn";
    QTest::newRow("no such cheque") << ""
                                    << "printed"
                                    << ""
                                    << "holds no cheque 000007";
}

void TestChequeLife::settlingFollowsTheCheque()
{
    QFETCH(QString, status);
    QFETCH(QString, how);
    QFETCH(QString, reason);
    QFETCH(QString, left);
    if (!status.isEmpty()) {
        m_queue->statuses = {{JobStatus::State::Aborted, true, QString()}}; // leaves it pending
        if (status == QLatin1String("printed"))
            m_queue->statuses.clear();
        issue(cheque(QStringLiteral("7")));
    }
    QString result;
    try {
        result = settleNumber(m_db->store(), QStringLiteral("ACC1"), QStringLiteral("000007"), *settlementFromWord(how),
                              reason, QDate(2026, 12, 7));
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(left), failure.what());
        QCOMPARE(rows().section(u' ', 1), status); // left as it was
        return;
    }
    QVERIFY(!result.isEmpty());
    QCOMPARE(m_db->joined(QStringLiteral("SELECT ChequeNo || ' ' || Status || coalesce(' ' || Reason, '') FROM Cheque "
                                         "ORDER BY Id")),
             left);
}

QUILLSET_TEST_MAIN(TestChequeLife, QGuiApplication)
#include "tst_ChequeLife.moc"
