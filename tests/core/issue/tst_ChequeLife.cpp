#include "doubles/RecordingQueue.h"
#include "support/DataRows.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/base/Failure.h"
#include "core/cheque/Cheque.h"
#include "core/cheque/ChequeNumber.h"
#include "core/issue/ChequeBookLife.h"
#include "core/issue/ChequeLife.h"
#include "core/layout/PageMetrics.h"
#include "store/Connection.h"
#include "store/Store.h"

#include <QMarginsF>

#include <QGuiApplication>

using namespace quillset;
using namespace quillset::test;

Q_DECLARE_METATYPE(JobStatus)
Q_DECLARE_METATYPE(QList<Overdue>)

namespace {

// The printing box as the operator works it: Cancel pressed once the print has said `cancelAfter`
// things, and the answers given when the time runs out.
class OperatorAtTheBox final : public IssueProgress
{
public:
    void update(const QString &text) override { said.append(text); }
    bool cancelRequested() const override { return cancelAfter >= 0 && said.size() > cancelAfter; }
    Overdue overdue(const QString &situation) override
    {
        asked.append(situation);
        return answers.isEmpty() ? Overdue::LeavePending : answers.takeFirst();
    }

    int cancelAfter = -1;
    QList<Overdue> answers;
    QStringList said;
    QStringList asked;
};

} // namespace

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
    void aNumberIsOneLeafHoweverWritten_data();
    void aNumberIsOneLeafHoweverWritten();
    void refusesPagesThatCannotPrint_data();
    void refusesPagesThatCannotPrint();
    void operatorDecidesAHeldOrSlowJob_data();
    void operatorDecidesAHeldOrSlowJob();
    void settlingFollowsTheCheque_data();
    void settlingFollowsTheCheque();
    void settlingWaitsForThePrintToEnd_data();
    void settlingWaitsForThePrintToEnd();
    void chequeBooksOfferAndCountTheLeaves_data();
    void chequeBooksOfferAndCountTheLeaves();
    void chequeBooksRefuseWhatIsNoBook_data();
    void chequeBooksRefuseWhatIsNoBook();
    void eachPrinterPrintsWithItsOwnCalibration_data();
    void eachPrinterPrintsWithItsOwnCalibration();
    void printableAreaIsAskedAbout_data();
    void printableAreaIsAskedAbout();
    void accountCodeIsTheSameInAnyCapitals_data();
    void accountCodeIsTheSameInAnyCapitals();

private:
    IssueOutcome issue(const Cheque &cheque, IssueProgress *box = nullptr);
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

IssueOutcome TestChequeLife::issue(const Cheque &cheque, IssueProgress *box)
{
    return issueCheque(cheque, {m_db->store(), *m_queue, m_metrics, m_waiter, box, QStringLiteral("desk-1 (clerk)")});
}

Cheque TestChequeLife::cheque(const QString &number, const QString &payee)
{
    return {QStringLiteral("ACC1"), number, payee, QDate(2026, 12, 6), Money {12345, {}}, true};
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
    const int printed = int(IssueOutcome::Kind::Printed);
    const int notPrinted = int(IssueOutcome::Kind::NotPrinted);
    const int unknown = int(IssueOutcome::Kind::Unknown);
    row("completed", "completed", printed, "000500 printed", "");
    row("no printer", "missing", notPrinted, "", "ERR:1101:");
    row("queue refuses the job", "refuses", notPrinted, "", "ERR:1102:");
    row("cancelled before it began", "cancelled", notPrinted, "", "before it printed anything");
    row("aborted after it began", "aborted", unknown, "000500 pending",
        "job 1 on \"TestQueue\" after it began printing");
    row("never finishes", "stuck", unknown, "000500 pending",
        "had not finished after 1 seconds (last: printing (the printer says: media-empty))");
    row("printed, cannot be marked", "unmarkable", int(IssueOutcome::Kind::NotMarked), "000500 pending",
        "WAS printed (job 1), but the register could not mark it");
    row("completed, no page counted", "blank", unknown, "000500 pending",
        "job 1 on \"TestQueue\" completed, but it counted no page printed");
    row("completed, one page counted", "one page", printed, "000500 printed", "");
    row("printed, its job cannot be noted", "unnoted", printed, "000500 printed", "");
    row("no A4 at the printer", "letter only", notPrinted, "", "\"TestQueue\" cannot print on A4 paper");
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
    // The job's note is only for settling by hand, so the cheque prints without it; the log says why.
    if (printer == QLatin1String("unnoted")) {
        m_db->refuseUpdatesOf(QStringLiteral("Cheque"), QStringLiteral("JobId"), QStringLiteral("the disk is full"));
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(QStringLiteral("cheque 000500 went to TestQueue as job 1 but the register could not "
                                              "note the job: ERR:\\d+: .*the disk is full")));
    }
    if (printer == QLatin1String("blank") || printer == QLatin1String("one page"))
        m_queue->statuses = {{JobStatus::State::Completed, true, QString(), printer == QLatin1String("blank") ? 0 : 1}};
    if (printer == QLatin1String("letter only"))
        m_queue->papers = {QPageSize::Letter};

    const IssueOutcome result = issue(cheque(QStringLiteral("000500")));
    QCOMPARE(int(result.kind), outcome);
    QVERIFY2(result.message.contains(said), qPrintable(result.message));
    QCOMPARE(rows(), left);
    // A job asks for the sheet its page was laid out on, A4 the way up the page is.
    for (const PrintJob &job : m_queue->jobs)
        QVERIFY(job.paper.id() == QPageSize::A4 && job.orientation == job.pages.first().orientation);
    if (printer == QLatin1String("letter only"))
        QCOMPARE(m_queue->jobs.size(), 0);
    // A row that may have printed names where it was sent from, and its job, when it could be noted.
    if (!left.isEmpty() && printer != QLatin1String("unnoted"))
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

void TestChequeLife::aNumberIsOneLeafHoweverWritten_data()
{
    QTest::addColumn<QString>("written"); // by another program, which leaves the key to the database
    QTest::addColumn<QString>("typed"); // later, by the clerk or a script
    QTest::addColumn<QString>("key");
    row("blanks around", "000777 ", " 777", "777");
    row("full-width digits", "７７７", "777", "777");
    row("a tab and an ideographic space", "\t0777\u3000", "７７７ ", "777");
    row("only zeros", "0000", "0", "0");
    row("not only digits", " A-12 ", "A-12", "A-12");
}

void TestChequeLife::aNumberIsOneLeafHoweverWritten()
{
    QFETCH(QString, written);
    QFETCH(QString, typed);
    QFETCH(QString, key);
    m_db->exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) "
                              "VALUES ('ACC1', ?, 1, 'Elsewhere', '2026-12-06')"),
               {written});
    // The database's key and the program's agree, so a leaf is one however each wrote it.
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT NumberKey FROM Cheque")).toString(), key);
    QCOMPARE(numberKey(written), key);
    QCOMPARE(numberKey(typed), key);
    const std::optional<RegisterEntry> found = m_db->store().cheques().findNumber(QStringLiteral("ACC1"), typed);
    QVERIFY(found);
    QCOMPARE(found->chequeNo, written);
    settleNumber(m_db->store(), QStringLiteral("ACC1"), typed, Settlement::Void, QStringLiteral("lost"),
                 QDate(2026, 12, 6), {*m_queue, QStringLiteral("desk-1 (clerk)")});
    QCOMPARE(rows(), written + QStringLiteral(" void"));
    // The database itself refuses the leaf under another spelling.
    bool refused = false;
    try {
        m_db->store().SharedConnection().run(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, "
                                                            "PrintDate) VALUES ('ACC1', ?, 1, 'Again', '2026-12-06')"),
                                             {typed});
    } catch (const Failure &) {
        refused = true;
    }
    QVERIFY(refused);
}

void TestChequeLife::refusesPagesThatCannotPrint_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("said"); // empty: printed
    QTest::addColumn<double>("payeeSize"); // the largest it may be set in, when it prints
    const char *traders = "ABC Traders";
    const char *board = "Maharashtra State Electricity Board";
    row("calibration typo: 10 for 1.0", "UPDATE sys_parms SET Value = '10' WHERE Description = 'CBLeft'", traders,
        "ERR:1307:The company name, the date, the amount in figures and the first line of the amount in words would "
        "print off the sheet",
        0.0);
    row("a field off the sheet", "UPDATE BankAccount SET AmountLeft = 20", traders,
        "ERR:1307:The amount in figures would print off the sheet", 0.0);
    row("a long payee is set smaller", "UPDATE BankAccount SET PayWidth = 5", board, "", 9.5);
    row("a payee in Devanagari", "", "श्री गणेश ट्रेडर्स", "", 9.75);
    row("a character no font has", "", "Traders \uE000 Ltd",
        "ERR:1310:The payee has characters no installed font can print: \"\uE000\" (U+E000)", 0.0);
    row("a payee too long even in 7 pt", "UPDATE BankAccount SET PayWidth = 3.5", board,
        "ERR:1306:The payee is too long for its box on the leaf, even in 7 pt type", 0.0);
    // Another workstation changed the account after the amount was typed: 12345 whole units must not
    // print as 123.45, nor be grouped in a way the clerk never saw.
    row("the account's money gained paise meanwhile", "UPDATE BankAccount SET SubunitDigits = 2, SubunitName = 'Paise'",
        traders,
        "ERR:1309:The money of the bank account \"ACC1\" was changed elsewhere since the amount was typed (it is now "
        "written =123.45/-). Nothing was printed",
        0.0);
    row("the account's grouping changed meanwhile", "UPDATE BankAccount SET AmountStyle = 'Indian'", traders,
        "ERR:1309:The money of the bank account \"ACC1\" was changed elsewhere", 0.0);
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

void TestChequeLife::operatorDecidesAHeldOrSlowJob_data()
{
    QTest::addColumn<JobStatus>("job"); // what the server says of it until it is cancelled
    QTest::addColumn<JobStatus>("cancelledAs"); // and from then on
    QTest::addColumn<int>("cancelAfter"); // Cancel pressed once the print has said this many things; -1 never
    QTest::addColumn<QList<Overdue>>("answers"); // when the time runs out
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("said");
    using K = IssueOutcome::Kind;
    using S = JobStatus::State;
    const JobStatus held {S::Held, false, QString()};
    const JobStatus printing {S::Printing, true, QStringLiteral("media-empty")};
    const JobStatus cancelledUnstarted {S::Cancelled, false, QString()};
    const JobStatus cancelledStarted {S::Cancelled, true, QString()};
    const JobStatus completed {S::Completed, true, QString(), 1};
    const QList<Overdue> unasked;
    row("Cancel before it is sent", held, cancelledUnstarted, 0, unasked, int(K::NotPrinted), "",
        "You cancelled cheque 000600 before it was sent to the printer");
    row("Cancel while it is held", held, cancelledUnstarted, 2, unasked, int(K::NotPrinted), "",
        "cancelled, as you asked, job 1 on \"TestQueue\" before it printed");
    row("Cancel once it began", printing, cancelledStarted, 2, unasked, int(K::Unknown), "000600 pending",
        "cancelled, as you asked, job 1 on \"TestQueue\" after it began printing");
    row("Cancel, but it had just printed", printing, completed, 2, unasked, int(K::Printed), "000600 printed", "");
    row("the time runs out, cancelled", held, cancelledUnstarted, -1, QList<Overdue> {Overdue::CancelJob},
        int(K::NotPrinted), "", "before it printed anything");
    row("the time runs out, left pending", held, cancelledUnstarted, -1, unasked, int(K::Unknown), "000600 pending",
        "had not finished after 1 seconds (last: held in the queue)");
    row("the time runs out twice, waited for", held, cancelledUnstarted, -1,
        QList<Overdue> {Overdue::WaitLonger, Overdue::LeavePending}, int(K::Unknown), "000600 pending",
        "had not finished after 2 seconds");
}

void TestChequeLife::operatorDecidesAHeldOrSlowJob()
{
    QFETCH(JobStatus, job);
    QFETCH(JobStatus, cancelledAs);
    QFETCH(int, cancelAfter);
    QFETCH(QList<Overdue>, answers);
    QFETCH(int, outcome);
    QFETCH(QString, left);
    QFETCH(QString, said);
    m_db->store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QStringLiteral("1"));
    m_queue->statuses = {job};
    m_queue->cancelledAs = cancelledAs;
    OperatorAtTheBox box;
    box.cancelAfter = cancelAfter;
    box.answers = answers;
    const IssueOutcome done = issue(cheque(QStringLiteral("000600")), &box);
    QCOMPARE(int(done.kind), outcome);
    QVERIFY2(done.message.contains(said), qPrintable(done.message));
    QCOMPARE(rows(), left);
    // The job is cancelled in the print server when the operator says so, and only then.
    const bool cancelledThere = (cancelAfter > 0) || answers.contains(Overdue::CancelJob);
    QCOMPARE(m_queue->cancelled, cancelledThere ? QList<int> {1} : QList<int>());
    QCOMPARE(m_queue->jobs.size(), cancelAfter == 0 ? 0 : 1);
    QCOMPARE(box.asked.size(), answers.isEmpty() && cancelAfter < 0 ? 1 : int(answers.size()));
    if (!box.asked.isEmpty())
        QVERIFY2(box.asked.first().contains(QStringLiteral("has not finished after 1 seconds: held in the queue")),
                 qPrintable(box.asked.first()));
}

void TestChequeLife::settlingFollowsTheCheque_data()
{
    QTest::addColumn<QString>("status"); // of cheque 7 before it is settled
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("left"); // the register afterwards, or what was said
    row("pending that printed", "pending", "printed", "", "7 printed");
    row("pending, leaf jammed", "pending", "spoiled", "jammed", "7 spoiled jammed");
    row("pending that did not print", "pending", "unprinted", "", "");
    row("printed, then lost", "printed", "void", "lost in the post", "7 void lost in the post");
    row("spoiled needs a reason", "pending", "spoiled", " ", "Say why cheque 7 is spoiled");
    row("a printed cheque is never removed", "printed", "unprinted", "", "only a pending cheque");
    row("only a printed cheque is voided", "pending", "void", "why", "only a printed cheque can be void");
    row("a spoiled leaf never printed", "", "spoiled", "torn", "000007 spoiled torn");
    row("no such cheque", "", "printed", "", "holds no cheque 000007");
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
                              reason, QDate(2026, 12, 7), {*m_queue, QStringLiteral("desk-1 (clerk)")});
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

void TestChequeLife::settlingWaitsForThePrintToEnd_data()
{
    QTest::addColumn<int>("job"); // the job the row notes; 0 for none yet
    QTest::addColumn<JobStatus>("server"); // what the print server says of that job
    QTest::addColumn<QString>("queued"); // the title of a job the server holds unfinished; empty: none
    QTest::addColumn<int>("age"); // seconds since the row was last written
    QTest::addColumn<QString>("from"); // the workstation that sent it
    QTest::addColumn<QString>("refused"); // empty: it is settled
    using S = JobStatus::State;
    const char *here = "desk-1 (clerk)";
    const JobStatus none;
    const JobStatus held {S::Held, false, QString()};
    const JobStatus ended {S::Cancelled, true, QString()};
    const char *ours = "Quillset cheque 000007 of ACC1";
    row("its job ended", 4, ended, "", 0, here, "");
    row("the server no longer knows its job", 4, JobStatus {S::Forgotten, false, QString()}, "", 0, here, "");
    row("its job printing", 4, JobStatus {S::Printing, true, QStringLiteral("media-empty")}, "", 600, here,
        "still in the print server as job 4 on \"TestQueue\" (printing (the printer says: media-empty))");
    row("its job held", 4, held, "", 600, here, "(held in the queue)");
    row("sent by another user of this desk", 4, held, "", 600, "desk-1 (asha)", "still in the print server as job 4");
    row("sent from another desk", 4, ended, "", 600, "desk-2 (ravi)",
        "sent from desk-2 (ravi) as job 4 on \"TestQueue\", and only the print server there knows");
    row("no job yet, just written", 0, none, "", 2, here, "may still be on its way to the printer");
    row("no job noted, its job in the queue", 0, none, ours, 600, here, "still in the print server as job 9");
    row("no job noted, another cheque's in the queue", 0, none, "Quillset cheque 000008 of ACC1", 600, here, "");
    row("no job noted, no print server to ask", 0, none, "silent", 600, here, "");
    // This desk's print server holds only its own jobs.
    row("no job noted, sent from another desk long ago", 0, none, ours, 600, "desk-2 (ravi)", "");
}

void TestChequeLife::settlingWaitsForThePrintToEnd()
{
    QFETCH(int, job);
    QFETCH(JobStatus, server);
    QFETCH(QString, queued);
    QFETCH(int, age);
    QFETCH(QString, from);
    QFETCH(QString, refused);
    m_db->exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, Status, NumberKey, "
                              "Workstation, Queue, JobId, ChangedAt) VALUES ('ACC1', '000007', 1, 'Payee', "
                              "'2026-12-06', 'pending', '7', ?, ?, ?, ?)"),
               {from, job > 0 ? QVariant(QStringLiteral("TestQueue")) : QVariant(QMetaType(QMetaType::QString)),
                job > 0 ? QVariant(job) : QVariant(QMetaType(QMetaType::Int)),
                QDateTime::currentDateTimeUtc().addSecs(-age).toString(Qt::ISODate)});
    m_queue->statuses = {server};
    m_queue->serverSilent = queued == QLatin1String("silent");
    if (!queued.isEmpty() && !m_queue->serverSilent)
        m_queue->unfinished = {{QStringLiteral("TestQueue"), 9, queued}};
    try {
        settleNumber(m_db->store(), QStringLiteral("ACC1"), QStringLiteral("000007"), Settlement::Unprinted, QString(),
                     QDate(2026, 12, 7), {*m_queue, QStringLiteral("desk-1 (clerk)")});
    } catch (const Failure &failure) {
        QVERIFY2(!refused.isEmpty()
                     && failure.description().startsWith(QStringLiteral("Cheque 000007 cannot be "
                                                                        "settled yet"))
                     && failure.description().contains(refused),
                 failure.what());
        QCOMPARE(rows(), QStringLiteral("000007 pending"));
        return;
    }
    QVERIFY2(refused.isEmpty(), qPrintable(refused));
    QCOMPARE(rows(), QString());
}

void TestChequeLife::chequeBooksOfferAndCountTheLeaves_data()
{
    QTest::addColumn<QString>("books"); // "first last", "-" before a retired one, apart by commas
    QTest::addColumn<QString>("rows"); // "number status", apart by commas
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("summary"); // of the first book
    QTest::addColumn<QString>("notice");
    const char *tenLeft = "10 leaves left in this book.";
    row("a new book", "000101 000110", "", "000101",
        "Book 000101 to 000110, received 01-Dec-2026: 0 printed, 0 pending, 0 spoiled, 0 void, 10 left.", tenLeft);
    row("across the end of a book", "000201 000205, 000101 000103", "000101 printed, 102 printed, 000103 printed",
        "000201", "Book 000101 to 000103, received 01-Dec-2026: 3 printed, 0 pending, 0 spoiled, 0 void, 0 left.",
        "Only 5 leaves left in this book (000201 to 000205): have the next book ready.");
    row("skipped, spoiled and void leaves", "000101 000110",
        "000101 printed, 000103 spoiled, 000105 void, 000999 printed", "000106",
        "Book 000101 to 000110, received 01-Dec-2026: 1 printed, 0 pending, 1 spoiled, 1 void, 5 left; 2 skipped: "
        "000102, 000104.",
        "Only 5 leaves left in this book (000101 to 000110): have the next book ready.");
    row("a retired book is passed over", "-000101 000110, 000201 000210", "", "000201",
        "Book 000101 to 000110, received 01-Dec-2026 (retired): 0 printed, 0 pending, 0 spoiled, 0 void, 10 left.",
        tenLeft);
    row("every book used up", "000101 000102", "000101 printed, 000102 pending", "000103",
        "Book 000101 to 000102, received 01-Dec-2026: 1 printed, 1 pending, 0 spoiled, 0 void, 0 left.",
        "No leaves are left in this account's cheque books: add the next book under Bank Data.");
}

void TestChequeLife::chequeBooksOfferAndCountTheLeaves()
{
    QFETCH(QString, books);
    QFETCH(QString, rows);
    QFETCH(QString, offered);
    QFETCH(QString, summary);
    QFETCH(QString, notice);
    const Store &store = m_db->store();
    for (QString book : books.split(QStringLiteral(", "))) {
        const bool retired = book.startsWith(u'-');
        book.remove(u'-');
        const ChequeBook added = addChequeBook(store, QStringLiteral("ACC1"), book.section(u' ', 0, 0),
                                               book.section(u' ', 1, 1), QDate(2026, 12, 1));
        if (retired)
            store.books().retire(added.id);
    }
    for (const QString &leaf : rows.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QString number = leaf.section(u' ', 0, 0);
        const QString status = leaf.section(u' ', 1, 1);
        if (status == QLatin1String("spoiled")) {
            store.cheques().addSpoiledLeaf(QStringLiteral("ACC1"), number, QDate(2026, 12, 6), QStringLiteral("torn"));
        } else if (status == QLatin1String("pending")) {
            store.cheques().addPending(cheque(number), QStringLiteral("desk-1"));
        } else {
            store.cheques().record(cheque(number));
            if (status == QLatin1String("void"))
                store.cheques().markVoid(store.cheques().findNumber(QStringLiteral("ACC1"), number)->id,
                                         QStringLiteral("cancelled"));
        }
    }
    QCOMPARE(offeredNumber(store, QStringLiteral("ACC1")), offered);
    QCOMPARE(bookSummary(bookUsage(store, QStringLiteral("ACC1")).first()), summary);
    QCOMPARE(leavesLeftNotice(store, QStringLiteral("ACC1")), notice);
    // Another account's register never counts in this account's books.
    QCOMPARE(numberOutsideBooksWarning(store, QStringLiteral("ACC2"), QStringLiteral("000101")), QString());
}

void TestChequeLife::chequeBooksRefuseWhatIsNoBook_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("said");
    row("backwards", "000150", "000101", "comes after the last one");
    row("not digits", "A-101", "A-150", "in digits");
    row("overlapping the book in use", "000140", "000160", "overlap the book 000101 to 000150");
    row("too long to be a number", "1234567890123456789", "1234567890123456799", "in digits");
}

void TestChequeLife::chequeBooksRefuseWhatIsNoBook()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, said);
    const Store &store = m_db->store();
    addChequeBook(store, QStringLiteral("ACC1"), QStringLiteral("000101"), QStringLiteral("000150"),
                  QDate(2026, 12, 1));
    try {
        addChequeBook(store, QStringLiteral("ACC1"), first, last, QDate(2026, 12, 2));
        QFAIL("a book that is no book was added");
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(said), failure.what());
    }
    QCOMPARE(store.books().of(QStringLiteral("ACC1")).size(), 1);
    QVERIFY(numberOutsideBooksWarning(store, QStringLiteral("ACC1"), QStringLiteral("000151"))
                .contains(QStringLiteral("in none of the cheque books")));
    QCOMPARE(numberOutsideBooksWarning(store, QStringLiteral("ACC1"), QStringLiteral("150")), QString());
}

void TestChequeLife::eachPrinterPrintsWithItsOwnCalibration_data()
{
    QTest::addColumn<QString>("own"); // "queue=left,top": a printer's own calibration, if one has it
    QTest::addColumn<double>("left"); // where the leaf prints, in centimetres from the sheet's corner
    QTest::addColumn<double>("top");
    row("no printer has its own: the office's, as always", "", 0.4, 0.3);
    row("the printer it goes to has its own", "TestQueue=0.6,0.5", 0.6, 0.5);
    row("only another printer has its own", "Back_Office=2,2", 0.4, 0.3);
    row("own offsets that are not plain numbers", "TestQueue=0.55cm,x", 0.55, 0.0);
}

void TestChequeLife::eachPrinterPrintsWithItsOwnCalibration()
{
    QFETCH(QString, own);
    QFETCH(double, left);
    QFETCH(double, top);
    Store &store = m_db->store();
    store.parameters().SetSystemParameter(Parameter::CalibrationLeft, QStringLiteral("0.4"));
    store.parameters().SetSystemParameter(Parameter::CalibrationTop, QStringLiteral("0.3"));
    if (!own.isEmpty())
        store.calibrations().set(
            {own.section(u'=', 0, 0), own.section(u'=', 1).section(u',', 0, 0), own.section(u',', 1)});
    QCOMPARE(int(issue(cheque(QStringLiteral("000700"))).kind), int(IssueOutcome::Kind::Printed));
    QCOMPARE(m_queue->printed().size(), 1);
    const ChequePage &page = m_queue->printed().first();
    QCOMPARE(qRound(page.leaf.left()), qRound(left * 567));
    QCOMPARE(qRound(page.leaf.top()), qRound(top * 567));
}

void TestChequeLife::printableAreaIsAskedAbout_data()
{
    QTest::addColumn<double>("margin"); // millimetres the printer cannot print, at every edge
    QTest::addColumn<bool>("answer"); // what the operator says when asked
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("asked"); // part of the question, or empty when none is asked
    using K = IssueOutcome::Kind;
    const char *crossing = "part of the crossing stamp would not print";
    row("the printer says nothing", -1.0, false, int(K::Printed), "");
    row("every field inside the margins", 3.0, false, int(K::Printed), "");
    row("the crossing at the edge, printed anyway", 5.0, true, int(K::Printed), crossing);
    row("the crossing at the edge, not printed", 5.0, false, int(K::NotPrinted), crossing);
}

void TestChequeLife::printableAreaIsAskedAbout()
{
    QFETCH(double, margin);
    QFETCH(bool, answer);
    QFETCH(int, outcome);
    QFETCH(QString, asked);
    // The sample leaf lies in the sheet's corner, and its crossing in the leaf's corner.
    if (margin >= 0)
        m_queue->margins = QMarginsF(margin, margin, margin, margin);
    if (margin == 3.0) {
        Store &store = m_db->store();
        BankAccountRecord moved = *store.accounts().find(QStringLiteral("ACC1"));
        moved.crossing = {0.5, 0.5, 3.0, 3.0};
        store.accounts().update(*store.accounts().find(QStringLiteral("ACC1")), moved);
    }
    QStringList questions;
    IssueContext context {m_db->store(), *m_queue, m_metrics, m_waiter, nullptr, QStringLiteral("desk-1 (clerk)")};
    context.proceedDespite = [&](const QString &warning) {
        questions.append(warning);
        return answer;
    };
    const IssueOutcome done = issueCheque(cheque(QStringLiteral("000701")), context);
    QCOMPARE(int(done.kind), outcome);
    QCOMPARE(questions.size(), asked.isEmpty() ? 0 : 1);
    if (!asked.isEmpty())
        QVERIFY2(questions.first().contains(asked), qPrintable(questions.first()));
    QCOMPARE(rows(), outcome == int(IssueOutcome::Kind::Printed) ? QStringLiteral("000701 printed") : QString());
    QCOMPARE(m_queue->jobs.size(), outcome == int(IssueOutcome::Kind::Printed) ? 1 : 0);
}

void TestChequeLife::accountCodeIsTheSameInAnyCapitals_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("meant"); // the account's code, as a database from before may hold it
    row("small letters", "acc1", "ACC1");
    row("stored in small letters", "Acc1", "acc1");
    row("sharp s and its capitals", "straße", "STRAẞE");
}

void TestChequeLife::accountCodeIsTheSameInAnyCapitals()
{
    QFETCH(QString, typed);
    QFETCH(QString, meant);
    const Store &store = m_db->store();
    m_db->exec(QStringLiteral("UPDATE BankAccount SET BankID = ?"), {meant});
    Cheque earlier = cheque(QStringLiteral("000500"), QStringLiteral("Earlier Payee"));
    earlier.accountCode = meant;
    store.cheques().record(earlier);

    // Every lookup by the typed code finds the one account, and what is written carries its code.
    QCOMPARE(store.accounts().find(typed).value_or(BankAccountRecord {}).bankId, meant);
    QCOMPARE(offeredNumber(store, typed), QStringLiteral("000501"));
    Cheque typedCheque = cheque(QStringLiteral("000500"));
    typedCheque.accountCode = typed;
    const IssueOutcome taken = issue(typedCheque);
    QVERIFY2(taken.message.contains(QStringLiteral("Cheque number 000500 is already in the register")),
             qPrintable(taken.message));
    typedCheque.number = QStringLiteral("000501");
    QCOMPARE(int(issue(typedCheque).kind), int(IssueOutcome::Kind::Printed));
    addChequeBook(store, typed, QStringLiteral("000501"), QStringLiteral("000510"), QDate(2026, 12, 1));
    QCOMPARE(offeredNumber(store, typed), QStringLiteral("000502"));
    settleNumber(store, typed, QStringLiteral("000503"), Settlement::Spoiled, QStringLiteral("torn"),
                 QDate(2026, 12, 6), {*m_queue, QStringLiteral("desk-1 (clerk)")});
    QCOMPARE(store.cheques().payeeSuggestions(typed).first(), QStringLiteral("ABC Traders"));
    QCOMPARE(m_db->joined(QStringLiteral("SELECT DISTINCT BankID FROM Cheque UNION SELECT BankID FROM ChequeBook")),
             meant);
    QCOMPARE(m_db->joined(QStringLiteral("SELECT ChequeNo || ' ' || Status FROM Cheque ORDER BY ChequeNo")),
             QStringLiteral("000500 printed, 000501 printed, 000503 spoiled"));
}

QUILLSET_TEST_MAIN(TestChequeLife, QGuiApplication)
#include "tst_ChequeLife.moc"
