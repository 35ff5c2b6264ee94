#include "doubles/RecordingQueue.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "batch/BatchRun.h"
#include "layout/PageMetrics.h"
#include "store/Store.h"

#include <QGuiApplication>

using namespace quillset;
using namespace quillset::test;

// Batches read from CSV as spreadsheets write it, checked, and printed through the cheque's life
// against a real database and a recording printer.
class TestBatch : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readsWhatSpreadsheetsWrite_data();
    void readsWhatSpreadsheetsWrite();
    void refusesFilesThatAreNoBatch_data();
    void refusesFilesThatAreNoBatch();
    void listsEveryBadRowAndPrintsNothing();
    void printsOnceAcrossRuns_data();
    void printsOnceAcrossRuns();
    void aMissingAccountIsAskedForInTheAskersWords_data();
    void aMissingAccountIsAskedForInTheAskersWords();
    void readsDatesInTheOfficesOrder_data();
    void readsDatesInTheOfficesOrder();

private:
    CheckedBatch check(const QByteArray &csv) const
    {
        return checkBatch(m_db->store(), readBatch(csv, QStringLiteral("run.csv")), QStringLiteral("ACC1"), m_metrics,
                          QDate(2026, 12, 6));
    }

    std::unique_ptr<TestDatabase> m_db;
    PageMetrics m_metrics;
};

void TestBatch::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
}

void TestBatch::readsWhatSpreadsheetsWrite_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("payees"); // as read, joined with |
    QTest::addColumn<QString>("lines");
    QTest::newRow("commas") << QByteArray("Pay,Amount,Date,Cheque\nA,1,06-Dec-2026,000101\nB,2,06-Dec-2026,000102\n")
                            << "A|B"
                            << "2 3";
    QTest::newRow("semicolons, a byte-order mark, CRLF and capitals in the header")
        << QByteArray("\xEF\xBB\xBFPAY;amount;Date;cheque\r\nA, Co;1;06-Dec-2026;000101\r\n") << "A, Co"
        << "2";
    QTest::newRow("quotes, commas and a line break inside a field")
        << QByteArray("Pay,Amount,Date,Cheque\n\"Sharma, \"\"Senior\"\"\nand Sons\",1,06-Dec-2026,000101\n"
                      "B,2,06-Dec-2026,000102\n")
        << "Sharma, \"Senior\"\nand Sons|B"
        << "2 4";
    QTest::newRow("blank lines and a script")
        << QByteArray("Pay,Amount,Date,Cheque\n\n,,,\nश्री गणेश,5,06-Dec-2026,7\n") << "श्री गणेश"
        << "4";
}

void TestBatch::readsWhatSpreadsheetsWrite()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, payees);
    QFETCH(QString, lines);
    // As read from the file; whether a payee over two lines may be printed is the check's to say.
    const BatchFile batch = readBatch(csv, QStringLiteral("run.csv"));
    QCOMPARE(batch.problems.size(), 0);
    QStringList read;
    QStringList at;
    for (const BatchRow &row : batch.rows) {
        read << row.texts.value(QStringLiteral("Pay"));
        at << QString::number(row.line);
    }
    QCOMPARE(read.join(u'|'), payees);
    QCOMPARE(at.join(u' '), lines);
}

void TestBatch::refusesFilesThatAreNoBatch_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("said");
    QTest::newRow("an unknown column") << QByteArray("Pay,Amount,Date,Memo\nA,1,06-Dec-2026,x\n")
                                       << "Line 1, Memo: there is no column \"Memo\"";
    QTest::newRow("a needed column missing") << QByteArray("Pay,Amount\nA,1\n") << "the column \"Date\" is missing";
    QTest::newRow("a column twice") << QByteArray("Pay,Amount,Date,pay\nA,1,06-Dec-2026,B\n") << "named twice";
    QTest::newRow("empty") << QByteArray("") << "it is empty";
    QTest::newRow("only the header") << QByteArray("Pay,Amount,Date\n") << "it has no cheques";
}

void TestBatch::refusesFilesThatAreNoBatch()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, said);
    const CheckedBatch batch = check(csv);
    QVERIFY(!batch.isClean());
    QVERIFY2(batch.problemLines().join(u'\n').contains(said), qPrintable(batch.problemLines().join(u'\n')));
}

void TestBatch::listsEveryBadRowAndPrintsNothing()
{
    const CheckedBatch batch = check("Pay,Amount,Date,Cheque,Stamp\n"
                                     "Good One,100,06-Dec-2026,000101,yes\n"
                                     ",100,06-Dec-2026,000102,\n"
                                     "Good Two,100,06-Dec-2026,000103,no\n"
                                     "Bad Date,100,31-Feb-2026,000104,\n"
                                     "Twice,100,06-Dec-2026,101,\n"
                                     "Late,100,07-Jan-2027,000106,\n");
    QCOMPARE(batch.problemLines(),
             QStringList({QStringLiteral("Line 3, Pay: it is empty."),
                          QStringLiteral("Line 5, Date: \"31-Feb-2026\" is not a date; write it as 25-Dec-2026, "
                                         "25/12/2026 or 2026-12-25 (day first, as this office writes dates)."),
                          QStringLiteral("Line 6, Cheque: number 101 is in the batch twice.")}));
    QCOMPARE(batch.toConfirm.size(), 1); // post-dated: asked about, not refused
    QCOMPARE(batch.toConfirm.first().line, 7);
    RecordingQueue queue;
    BlockingWaiter waiter;
    // A batch with problems is never run; the caller's check is what stops it, so nothing is written.
    QVERIFY(!batch.isClean());
    QCOMPARE(queue.jobs.size(), 0);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM Cheque")).toInt(), 0);
}

void TestBatch::aMissingAccountIsAskedForInTheAskersWords_data()
{
    QTest::addColumn<bool>("commandLine");
    QTest::addColumn<QString>("told");
    QTest::newRow("the batch window") << false << "choose one in the entry window";
    QTest::newRow("the command line") << true << "give one with --account";
}

void TestBatch::aMissingAccountIsAskedForInTheAskersWords()
{
    QFETCH(bool, commandLine);
    QFETCH(QString, told);
    const Audience audience = commandLine ? Audience::CommandLine : Audience::Window;
    const CheckedBatch checked
        = checkBatch(m_db->store(), readBatch("Pay,Amount,Date\nA,1,06-Dec-2026\n", QStringLiteral("run.csv")),
                     QString(), m_metrics, QDate(2026, 12, 6), 0, audience);
    QCOMPARE(checked.problems.size(), 1);
    QCOMPARE(checked.problems.first().column, QStringLiteral("Account"));
    QVERIFY2(checked.problems.first().reason.contains(told), qPrintable(checked.problems.first().reason));
    // Each speaks only of what its asker has.
    QCOMPARE(checked.problems.first().reason.contains(QLatin1String("--account")), commandLine);
}

void TestBatch::readsDatesInTheOfficesOrder_data()
{
    QTest::addColumn<QString>("order"); // the office's
    QTest::addColumn<QString>("dates"); // each cheque's line and date as read
    QTest::addColumn<QString>("problems"); // each refused row's line and part of its reason, apart by |
    QTest::addColumn<QString>("flagged"); // each row for a second look, apart by |
    // A US spreadsheet's export: month first, one date with a day above 12, two by name, a short year.
    QTest::newRow("month first, in a month-first office")
        << "MDY"
        << "2 2026-12-01, 3 2026-12-25, 4 2026-12-01, 5 2026-12-01, 7 2025-12-06"
        << "Line 6, Date: \"12/1/26\" has a two-digit year (1926 or 2026?)"
        << "Line 3, Date: dated 25-Dec-2026, after today.|Line 7, Date: dated 06-Dec-2025, more than 3 months back";
    QTest::newRow("the same file in a day-first office")
        << "DMY"
        << "2 2026-01-12, 4 2026-12-01, 5 2026-12-01"
        << "Line 3, Date: \"12/25/2026\" is not a date read day first, as this office writes dates, though it is "
           "one read month first|Line 6, Date: \"12/1/26\" has a two-digit year|Line 7, Date: The date 12-Jun-2025 "
           "is more than 12 months before today"
        << "Line 2, Date: dated 12-Jan-2026, more than 3 months back: it was valid until 12-Apr-2026";
    QTest::newRow("the same file in a year-first office")
        << "YMD"
        << "4 2026-12-01, 5 2026-12-01"
        << "Line 2, Date: \"12/01/2026\" puts the year last, so its day and month could be read two ways|Line 3, "
           "Date: \"12/25/2026\" puts the year last|Line 6, Date: \"12/1/26\" has a two-digit year|Line 7, Date: "
           "\"12/06/2025\" puts the year last"
        << "";
}

void TestBatch::readsDatesInTheOfficesOrder()
{
    QFETCH(QString, order);
    QFETCH(QString, dates);
    QFETCH(QString, problems);
    QFETCH(QString, flagged);
    m_db->store().parameters().SetSystemParameter(Parameter::OrderOfDates, order);
    const CheckedBatch batch = check("Pay,Amount,Date,Cheque\n"
                                     "One,1,12/01/2026,000101\n"
                                     "Two,2,12/25/2026,000102\n"
                                     "Three,3,Dec-01-2026,000103\n"
                                     "Four,4,01-Dec-2026,000104\n"
                                     "Five,5,12/1/26,000105\n"
                                     "Six,6,12/06/2025,000106\n");
    QStringList read;
    for (const BatchCheque &cheque : batch.cheques)
        read.append(QStringLiteral("%1 %2").arg(cheque.line).arg(cheque.cheque.date.toString(Qt::ISODate)));
    QCOMPARE(read.join(QStringLiteral(", ")), dates);
    const QStringList said = batch.problemLines();
    const QStringList expected = problems.split(u'|');
    QCOMPARE(said.size(), expected.size());
    for (int i = 0; i < said.size(); ++i) {
        QVERIFY2(said.at(i).startsWith(expected.at(i)), qPrintable(said.at(i)));
        // Every date that cannot be read shows the forms this office reads.
        QCOMPARE(said.at(i).contains(acceptedDateForms(*dateOrderFromCode(order))),
                 !said.at(i).contains(QLatin1String("before today")));
    }
    QStringList flags;
    for (const BatchProblem &flag : batch.toConfirm)
        flags.append(flag.text());
    QCOMPARE(flags.size(), flagged.isEmpty() ? 0 : flagged.count(u'|') + 1);
    for (int i = 0; i < flags.size(); ++i)
        QVERIFY2(flags.at(i).startsWith(flagged.section(u'|', i, i)), qPrintable(flags.at(i)));

    // An order the office's settings cannot give reads no date at all, rather than one the wrong way.
    m_db->store().parameters().SetSystemParameter(Parameter::OrderOfDates, QStringLiteral("DDMM"));
    const CheckedBatch unread = check("Pay,Amount,Date\nOne,1,01-Dec-2026\n");
    QVERIFY(unread.cheques.isEmpty());
    QVERIFY2(unread.problemLines().join(u'\n').contains(QStringLiteral("\"DateOrder\" holds \"DDMM\"")),
             qPrintable(unread.problemLines().join(u'\n')));
}

void TestBatch::printsOnceAcrossRuns_data()
{
    QTest::addColumn<QString>("firstRun"); // "stops at 3", "pending at 3"
    QTest::addColumn<QString>("firstSummary");
    QTest::addColumn<QString>("secondSummary");
    QTest::newRow("the printer refuses the third") << "stops at 3"
                                                   << "2 printed, 3 not printed: lines 4, 5 and 6."
                                                   << "3 printed, 2 skipped as printed or spoiled before.";
    QTest::newRow("the third is left pending")
        << "pending at 3"
        << "2 printed, 3 not printed: lines 4, 5 and 6."
        << "0 printed, 2 skipped as printed or spoiled before, 2 not printed: lines 5 and 6. Line 4 is still pending";
}

void TestBatch::printsOnceAcrossRuns()
{
    QFETCH(QString, firstRun);
    QFETCH(QString, firstSummary);
    QFETCH(QString, secondSummary);
    const QByteArray csv
        = "Pay,Amount,Date,Cheque\nOne,1,06-Dec-2026,000201\nTwo,2,06-Dec-2026,\nThree,3,06-Dec-2026,\n"
          "Four,4,06-Dec-2026,\nFive,5,06-Dec-2026,\n";
    const CheckedBatch batch = check(csv);
    QVERIFY2(batch.isClean(), qPrintable(batch.problemLines().join(u'\n')));
    BlockingWaiter waiter;
    m_db->store().parameters().SetSystemParameter(QStringLiteral("PrintTimeout"), QStringLiteral("1"));
    RecordingQueue first;
    int started = 0;
    BatchRunHooks hooks;
    hooks.starting = [&](int, int, const BatchCheque &) {
        if (++started == 3) {
            if (firstRun == QLatin1String("stops at 3"))
                first.refuseJob = true;
            else
                first.statuses = {{JobStatus::State::Printing, true, QString()}};
        }
    };
    const BatchOutcome one
        = runBatch(batch, {m_db->store(), first, m_metrics, waiter, nullptr, QStringLiteral("desk")}, hooks);
    QVERIFY2(one.summary().startsWith(firstSummary), qPrintable(one.summary()));
    QVERIFY(one.summary().contains(QStringLiteral("Line 4:")));

    const CheckedBatch again = check(csv);
    QVERIFY2(again.isClean(), qPrintable(again.problemLines().join(u'\n'))); // its own numbers are no problem
    // The same batch again.
    RecordingQueue second;
    const BatchOutcome two
        = runBatch(check(csv), {m_db->store(), second, m_metrics, waiter, nullptr, QStringLiteral("desk")});
    QVERIFY2(two.summary().startsWith(secondSummary), qPrintable(two.summary()));
    const QString rows = m_db->joined(
        QStringLiteral("SELECT BatchLine || ' ' || ChequeNo || ' ' || Status FROM Cheque ORDER BY BatchLine"));
    if (firstRun == QLatin1String("stops at 3")) {
        QCOMPARE(
            rows,
            QStringLiteral("2 000201 printed, 3 000202 printed, 4 000203 printed, 5 000204 printed, 6 000205 printed"));
        QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(DISTINCT BatchName || BatchHash) FROM Cheque")).toInt(), 1);
    } else {
        QCOMPARE(rows, QStringLiteral("2 000201 printed, 3 000202 printed, 4 000203 pending"));
        QCOMPARE(second.jobs.size(), 0);
    }
}

QUILLSET_TEST_MAIN(TestBatch, QGuiApplication)
#include "tst_Batch.moc"
