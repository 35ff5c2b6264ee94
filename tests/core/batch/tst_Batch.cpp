#include "doubles/RecordingQueue.h"
#include "support/DataRows.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/batch/BatchRun.h"
#include "core/issue/ChequeBookLife.h"
#include "core/issue/Reprint.h"
#include "core/layout/PageMetrics.h"
#include "store/Store.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QStringEncoder>

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
    void groupedAmountsAreReadInTheAccountsStyle_data();
    void groupedAmountsAreReadInTheAccountsStyle();
    void listsEveryBadRowAndPrintsNothing();
    void eachRowCrossesWithItsOwnWordsOrTheAccounts();
    void oneCauseIsSaidOnce_data();
    void oneCauseIsSaidOnce();
    void numbersAreFollowedThroughTheBooks_data();
    void numbersAreFollowedThroughTheBooks();
    void printsOnceAcrossRuns_data();
    void printsOnceAcrossRuns();
    void anEditedFileDoesNotPayTwice();
    void aMissingAccountIsAskedForInTheAskersWords_data();
    void aMissingAccountIsAskedForInTheAskersWords();
    void readsDatesInTheOfficesOrder_data();
    void readsDatesInTheOfficesOrder();

private:
    CheckedBatch check(const QByteArray &csv, const QString &encoding = QString(),
                       const QString &account = QStringLiteral("ACC1")) const
    {
        return checkBatch(m_db->store(), readBatch(csv, QStringLiteral("run.csv"), encoding), account, m_metrics,
                          QDate(2026, 12, 6));
    }
    /// The text in the encoding, with its byte-order mark where the encoding has one.
    static QByteArray encoded(const QString &text, QStringConverter::Encoding encoding)
    {
        QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
        return encoder.encode(text);
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
    row("commas", QByteArray("Pay,Amount,Date,Cheque\nA,1,06-Dec-2026,000101\nB,2,06-Dec-2026,000102\n"), "A|B", "2 3");
    row("semicolons, a byte-order mark, CRLF and capitals in the header",
        QByteArray("\xEF\xBB\xBFPAY;amount;Date;cheque\r\nA, Co;1;06-Dec-2026;000101\r\n"), "A, Co", "2");
    row("quotes, commas and a line break inside a field",
        QByteArray("Pay,Amount,Date,Cheque\n\"Sharma, \"\"Senior\"\"\nand Sons\",1,06-Dec-2026,000101\n"
                   "B,2,06-Dec-2026,000102\n"),
        "Sharma, \"Senior\"\nand Sons|B", "2 4");
    row("blank lines and a script", QByteArray("Pay,Amount,Date,Cheque\n\n,,,\nश्री गणेश,5,06-Dec-2026,7\n"), "श्री गणेश",
        "4");
    // Each line end as spreadsheets write them, alone and mixed; a line is a physical line.
    row("CR line ends", QByteArray("Pay,Amount,Date\rA,1,06-Dec-2026\rB,2,06-Dec-2026\rC,3,06-Dec-2026\r"), "A|B|C",
        "2 3 4");
    row("CR line ends and a line break inside a field",
        QByteArray("Pay,Amount,Date\r\"X\rY\",1,06-Dec-2026\r\rB,2,06-Dec-2026"), "X\rY|B", "2 5");
    row("CRLF line ends and a line break inside a field",
        QByteArray("Pay,Amount,Date\r\n\"X\r\nY\",1,06-Dec-2026\r\nB,2,06-Dec-2026\r\n"), "X\r\nY|B", "2 4");
    row("mixed line ends",
        QByteArray("Pay,Amount,Date\nA,1,06-Dec-2026\r\nB,2,06-Dec-2026\rC,3,06-Dec-2026\n\r\nD,4,06-Dec-2026"),
        "A|B|C|D", "2 3 4 6");
    // Each encoding a spreadsheet saves in, the clerk naming the ones a file cannot say itself.
    const QString accents = QStringLiteral("Pay\tAmount\tDate\r\nCafé Müller GmbH\t1\t06-Dec-2026\r\n");
    const char *cafe = "Café Müller GmbH";
    row("UTF-8 without a mark", accents.toUtf8(), cafe, "2");
    row("UTF-8 with its mark", encoded(accents, QStringConverter::Utf8), cafe, "2");
    row("UTF-16 little-endian with its mark (\"Unicode text\")", encoded(accents, QStringConverter::Utf16LE), cafe,
        "2");
    row("UTF-16 big-endian with its mark", encoded(accents, QStringConverter::Utf16BE), cafe, "2");
    row("windows-1252, named", QByteArray("windows-1252\nPay;Amount;Date\nCaf\xE9 M\xFCller \x80 GmbH;1;06-Dec-2026\n"),
        "Café Müller € GmbH", "2");
    row("ISO-8859-1, named", QByteArray("ISO-8859-1\nPay,Amount,Date\rCaf\xE9 M\xFCller GmbH,1,06-Dec-2026\r"), cafe,
        "2");
    // What else spreadsheets write: Excel's separator hint, and a separator after the last field.
    row("a sep= hint", QByteArray("sep=;\r\nPay;Amount;Date\r\nSharma, Pune;1;06-Dec-2026\r\n"), "Sharma, Pune", "3");
    row("a quoted sep= hint, saved again with empty fields",
        QByteArray("\"sep=,\"\nPay,Amount,Date\nA; B,1,06-Dec-2026\n"), "A; B", "3");
    row("a trailing separator on every line", QByteArray("Pay,Amount,Date,\nA,1,06-Dec-2026,\nB,2,06-Dec-2026,\n"),
        "A|B", "2 3");
}

void TestBatch::readsWhatSpreadsheetsWrite()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, payees);
    QFETCH(QString, lines);
    // A first line naming an encoding is this test's way of naming it, as the clerk does.
    QString encoding;
    if (QByteArray first = csv.left(csv.indexOf('\n')); first == "windows-1252" || first == "ISO-8859-1") {
        encoding = QString::fromLatin1(first);
        csv.remove(0, first.size() + 1);
    }
    // As read from the file; whether a payee over two lines may be printed is the check's to say.
    const BatchFile batch = readBatch(csv, QStringLiteral("run.csv"), encoding);
    QVERIFY2(batch.problems.isEmpty(), qPrintable(batch.problems.value(0).text()));
    // The same bytes are the same batch however they are read.
    QCOMPARE(batch.hash, QCryptographicHash::hash(csv, QCryptographicHash::Sha256).toHex());
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
    row("an unknown column", QByteArray("Pay,Amount,Date,Memo\nA,1,06-Dec-2026,x\n"),
        "Line 1, Memo: there is no column \"Memo\"");
    row("a needed column missing", QByteArray("Pay,Amount\nA,1\n"), "the column \"Date\" is missing");
    row("a column twice", QByteArray("Pay,Amount,Date,pay\nA,1,06-Dec-2026,B\n"), "named twice");
    row("empty", QByteArray(""), "it is empty");
    row("only the header", QByteArray("Pay,Amount,Date\n"), "it has no cheques");
    // An encoding is never guessed: the first byte that is not UTF-8 is named, by its line.
    row("windows-1252, not named",
        QByteArray("Pay,Amount,Date\r\nA,1,06-Dec-2026\r\nCaf\xE9 M\xFCller,1,06-Dec-2026\r\n"),
        "Line 3: its byte 4 (hex E9, after \"Caf\") is not UTF-8, so the file was saved in another encoding. Save it "
        "from the spreadsheet as \"CSV UTF-8\", or choose its encoding under Encoding, such as windows-1252.");
    row("windows-1252 in a CR-only file, not named",
        QByteArray("Pay,Amount,Date\rA,1,06-Dec-2026\rB,1,06-Dec-2026\r\x93Quoted\x94,1,06-Dec-2026\r"),
        "Line 4: its byte 1 (hex 93) is not UTF-8");
    row("UTF-16 without its mark",
        QByteArray(QStringEncoder(QStringConverter::Utf16LE).encode(QStringLiteral("Pay,Amount,Date\n"))),
        "Line 1: its byte 2 (after \"P\") is a NUL byte, which no text holds");
    row("UTF-32", QByteArray("\xFF\xFE\0\0P\0\0\0", 8), "UTF-32 little-endian text, which is not read");
    row("UTF-16 whose bytes are not", QByteArray("\xFF\xFEP\0a\0y\0\0\xD8,\0", 12),
        "not all of it is UTF-16 little-endian");
    row("an encoding that does not exist", QByteArray("klingon-1\nPay,Amount,Date\nA,1,06-Dec-2026\n"),
        "there is no encoding called \"klingon-1\"");
    row("windows-1252 named for a UTF-8 file",
        QStringLiteral("windows-1252\nPay,Amount,Date\r\nCafé Müller,1,06-Dec-2026\r\n").toUtf8(),
        "Line 2: \"Café Müller,1,06-Dec-2026\" is UTF-8 text, so the file is not windows-1252: choose \"UTF-8, or as "
        "the file is marked\" under Encoding.");
    row("an encoding against the file's mark",
        QByteArray("windows-1252\n\xEF\xBB\xBFPay,Amount,Date\nA,1,06-Dec-2026\n"),
        "it begins with the byte-order mark of UTF-8 text, so it is not windows-1252");
    row("a sep= hint naming no one separator", QByteArray("sep=;,\nPay;Amount;Date\nA;1;06-Dec-2026\n"),
        "Line 1: its first line \"sep=;,\" should name one separator");
    row("a column with no name between others", QByteArray("Pay,,Amount,Date\nA,,1,06-Dec-2026\n"),
        "Line 1: column 2 has no name");
    row("a trailing field that is not empty", QByteArray("Pay,Amount,Date,\nA,1,06-Dec-2026,x\n"),
        "Line 2: it has 4 fields, more than the 3 columns");
}

void TestBatch::refusesFilesThatAreNoBatch()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, said);
    QString encoding;
    if (const QByteArray first = csv.left(csv.indexOf('\n')); first == "windows-1252" || first == "klingon-1") {
        encoding = QString::fromLatin1(first);
        csv.remove(0, first.size() + 1);
    }
    const CheckedBatch batch = check(csv, encoding);
    QVERIFY(!batch.isClean());
    QVERIFY2(batch.problemLines().join(u'\n').contains(said), qPrintable(batch.problemLines().join(u'\n')));
}

void TestBatch::groupedAmountsAreReadInTheAccountsStyle_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QByteArray>("amount"); // the Amount field as it stands in a comma-separated file
    QTest::addColumn<qint64>("units"); // as read; -1 when refused
    QTest::addColumn<QString>("said");
    const char *international = "International";
    row("thousands", international, 0, QByteArray("\"12,500\""), qint64(12500), "");
    row("thousands on an Indian account", "Indian", 0, QByteArray("\"12,500\""), qint64(12500), "");
    row("lakhs and paise", "Indian", 2, QByteArray("\"1,50,000.50\""), qint64(15000050), "");
    row("crores", "Indian", 0, QByteArray("\"12,34,56,789\""), qint64(123456789), "");
    row("millions and cents", international, 2, QByteArray("\"1,234,567.50\""), qint64(123456750), "");
    row("lakhs on an international account", international, 0, QByteArray("\"1,50,000\""), qint64(-1),
        "Line 2, Amount: the amount \"1,50,000\" is not grouped as the account \"ACC1\" groups amounts (in "
        "thousands): write it as 150,000 or 150000.");
    row("millions on an Indian account", "Indian", 2, QByteArray("\"1,234,567.50\""), qint64(-1),
        "Line 2, Amount: the amount \"1,234,567.50\" is not grouped as the account \"ACC1\" groups amounts (in lakhs "
        "and crores): write it as 12,34,567.50 or 1234567.50.");
    row("a decimal comma is no grouping", international, 2, QByteArray("\"12,50\""), qint64(-1),
        "Line 2, Amount: The amount \"12,50\" must be digits");
}

void TestBatch::groupedAmountsAreReadInTheAccountsStyle()
{
    QFETCH(QString, style);
    QFETCH(int, decimals);
    QFETCH(QByteArray, amount);
    QFETCH(qint64, units);
    QFETCH(QString, said);
    m_db->exec(QStringLiteral("UPDATE BankAccount SET AmountStyle = ?, SubunitDigits = ?"), {style, decimals});
    const CheckedBatch batch = check("Pay,Amount,Date,Cheque\nA," + amount + ",06-Dec-2026,000101\n");
    if (units < 0) {
        QCOMPARE(batch.problemLines().size(), 1);
        QVERIFY2(batch.problemLines().first().startsWith(said), qPrintable(batch.problemLines().first()));
        return;
    }
    QVERIFY2(batch.isClean(), qPrintable(batch.problemLines().join(u'\n')));
    QCOMPARE(batch.cheques.first().cheque.amount.units, units);
}

void TestBatch::oneCauseIsSaidOnce_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("account"); // the batch's
    QTest::addColumn<QStringList>("said");
    QByteArray unnumbered = "Pay,Amount,Date\n";
    for (int i = 1; i <= 25; ++i)
        unnumbered += "Payee " + QByteArray::number(i) + ",10,06-Dec-2026\n";
    const QString bankData = QStringLiteral("Choose an account from the list, or add it under Bank Data.");
    row("no next number on an account without numbers", unnumbered, "ACC1",
        QStringList {
            QStringLiteral("Lines 2–26: the account \"ACC1\" has no cheque numbered in digits yet, so there is "
                           "no next number: give the first of these cheques its number in the Cheque column, "
                           "and the rest follow it.")});
    row("an account that is not there",
        QByteArray("Pay,Amount,Date,Cheque,Account\nA,1,06-Dec-2026,000101,NOPE\nB,1,06-Dec-2026,000102,nope\n"
                   "C,1,06-Dec-2026,000103,ACC1\nD,1,06-Dec-2026,000104,NOPE\nE,x,06-Dec-2026,000105,ACC1\n"),
        "ACC1",
        QStringList {QStringLiteral("Lines 2 and 5, Account: There is no bank account with the code \"NOPE\". ")
                         + bankData,
                     QStringLiteral("Line 3, Account: There is no bank account with the code \"nope\". ") + bankData,
                     QStringLiteral(
                         "Line 6, Amount: The amount \"x\" must be whole rupees in digits only, at most 9 of them.")});
    row("no account at all", unnumbered.left(unnumbered.indexOf("Payee 4")), "",
        QStringList {QStringLiteral(
            "Lines 2–4, Account: no account: choose one in the entry window or give one in an Account column.")});
    row("a number the next one takes",
        QByteArray("Pay,Amount,Date,Cheque\nA,1,06-Dec-2026,000050\nB,1,06-Dec-2026,\nC,1,06-Dec-2026,000051\n"),
        "ACC1", QStringList {QStringLiteral("Line 4, Cheque: number 000051 is the next number line 3 takes.")});
}

void TestBatch::oneCauseIsSaidOnce()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, account);
    QFETCH(QStringList, said);
    QCOMPARE(check(csv, QString(), account).problemLines(), said);
}

void TestBatch::numbersAreFollowedThroughTheBooks_data()
{
    QTest::addColumn<QString>("books"); // first and last leaves, as "000101-000125", apart by blanks
    QTest::addColumn<QStringList>("numbers"); // the Cheque column, row by row; empty for the next number
    QTest::addColumn<QString>("flagged");
    QTest::addColumn<QString>("planned"); // the first and the last number the rows taking the next one get
    QTest::addColumn<QString>("note");
    // Eight leaves of the first book were used before.
    const char *one = "000101-000125";
    const QString outside
        = QStringLiteral("Cheque: its number would be in none of the cheque books of \"ACC1\" (000101 to 000125).");
    const QString left = QStringLiteral("ACC1: 17 leaves left in its cheque books (000101 to 000125), and the batch ");
    row("the book runs out", one, QStringList(25, QString()), QStringLiteral("Lines 19–26, ") + outside,
        "000109 000133", left + QStringLiteral("takes 25. Lines 19–26 would print on 000126–000133, in no book."));
    row("a few leaves left afterwards", one, QStringList(15, QString()), "", "000109 000123",
        left
            + QStringLiteral(
                "takes 15. Only 2 leaves will be left in the book 000101 to 000125 afterwards: have the next "
                "book ready."));
    row("the last leaf", one, QStringList(17, QString()), "", "000109 000125",
        left + QStringLiteral("takes 17. None will be left afterwards: have the next book ready."));
    row("the next book takes over", "000101-000125 000126-000150", QStringList(25, QString()), "", "000109 000133",
        "ACC1: 42 leaves left in its cheque books (000101 to 000125; 000126 to 000150), and the batch takes 25.");
    row("a number given in no book", one, QStringList {QStringLiteral("000900"), QString(), QStringLiteral("000110")},
        QStringLiteral("Line 2, ") + outside, "000109 000109",
        left + QStringLiteral("takes 3. Line 2 would print on 000900, in no book."));
    row("no books: after the highest number", "", QStringList(3, QString()), "", "000109 000111", "");
}

void TestBatch::numbersAreFollowedThroughTheBooks()
{
    QFETCH(QString, books);
    QFETCH(QStringList, numbers);
    QFETCH(QString, flagged);
    QFETCH(QString, planned);
    QFETCH(QString, note);
    for (const QString &book : books.split(u' ', Qt::SkipEmptyParts))
        addChequeBook(m_db->store(), QStringLiteral("ACC1"), book.section(u'-', 0, 0), book.section(u'-', 1),
                      QDate(2026, 11, 1));
    for (int leaf = 101; leaf < 109; ++leaf)
        m_db->exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, NumberKey) VALUES "
                                  "('ACC1', ?, 1, 'Before', '2026-11-05', ?)"),
                   {QStringLiteral("000%1").arg(leaf), QString::number(leaf)});
    QByteArray csv = "Pay,Amount,Date,Cheque\n";
    for (qsizetype i = 0; i < numbers.size(); ++i)
        csv += QStringLiteral("Payee %1,10,06-Dec-2026,%2\n").arg(i).arg(numbers.at(i)).toUtf8();
    const CheckedBatch batch = check(csv);
    QVERIFY2(batch.isClean(), qPrintable(batch.problemLines().join(u'\n')));
    QCOMPARE(batch.confirmLines().join(u'\n'), flagged);
    QCOMPARE(batch.notes.join(u'\n'), note);
    const QStringList taken = batch.plannedNumbers.values();
    QCOMPARE(taken.first() + u' ' + taken.last(), planned);
}

void TestBatch::listsEveryBadRowAndPrintsNothing()
{
    m_db->exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES ('ACC1', "
                              "'000199', 5, 'Earlier', '2026-12-01')"));
    const CheckedBatch batch = check("Pay,Amount,Date,Cheque,Stamp\n"
                                     "Good One,100,06-Dec-2026,000101,yes\n"
                                     ",100,06-Dec-2026,000102,\n"
                                     "Good Two,100,06-Dec-2026,000103,no\n"
                                     "Bad Date,100,31-Feb-2026,000104,\n"
                                     "Twice,100,06-Dec-2026,101,\n"
                                     "Late,100,07-Jan-2027,000106,\n"
                                     "Taken,100,06-Dec-2026,000199,\n"
                                     + QByteArray(120, 'W') + ",100,06-Dec-2026,000107,\n");
    const QStringList lines = batch.problemLines();
    QCOMPARE(lines.mid(0, 3),
             QStringList({QStringLiteral("Line 3, Pay: it is empty."),
                          QStringLiteral("Line 5, Date: \"31-Feb-2026\" is not a date; write it as 25-Dec-2026, "
                                         "25/12/2026 or 2026-12-25 (day first, as this office writes dates)."),
                          QStringLiteral("Line 6, Cheque: number 101 is in the batch twice.")}));
    // A number already used is the Cheque column's fault; a page that does not fit is the row's, and a
    // check prints nothing anyway.
    QCOMPARE(lines.size(), 5);
    QVERIFY2(lines.at(3).startsWith(QStringLiteral("Line 8, Cheque: Cheque number 000199 is already in the register")),
             qPrintable(lines.at(3)));
    QVERIFY2(lines.at(4).startsWith(QStringLiteral("Line 9: ")) && lines.at(4).contains(QStringLiteral("payee"))
                 && !lines.at(4).contains(QStringLiteral("Nothing was printed")),
             qPrintable(lines.at(4)));
    QCOMPARE(batch.toConfirm.size(), 1); // post-dated: asked about, not refused
    QCOMPARE(batch.toConfirm.first().line, 7);
    // A batch with problems is never run; the caller's check is what stops it, and checking writes nothing.
    QVERIFY(!batch.isClean());
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM Cheque")).toInt(), 1); // the earlier one alone
}

void TestBatch::eachRowCrossesWithItsOwnWordsOrTheAccounts()
{
    m_db->exec(QStringLiteral("UPDATE BankAccount SET CrossingWords = 'A/c Payee Only' WHERE BankID = 'ACC1'"));
    const CheckedBatch batch = check("Pay,Amount,Date,Cheque,Stamp,Crossing\n"
                                     "Account's Words,100,06-Dec-2026,000101,yes,\n"
                                     "Own Words,100,06-Dec-2026,000102,,Not Negotiable\n"
                                     "Lines Alone,100,06-Dec-2026,000103,yes,(none)\n"
                                     "Not Crossed,100,06-Dec-2026,000104,no,& Co.\n");
    QVERIFY2(batch.isClean(), qPrintable(batch.problemLines().join(u'\n')));
    QStringList crossings;
    for (const BatchCheque &row : batch.cheques)
        crossings.append(row.cheque.stamp ? u'[' + row.cheque.crossing + u']' : QStringLiteral("uncrossed"));
    QCOMPARE(crossings.join(u' '), QStringLiteral("[A/c Payee Only] [Not Negotiable] [] uncrossed"));
}

// Edited after it printed, a file is another batch: its rows already paid are flagged, not printed
// again without a second look.
void TestBatch::anEditedFileDoesNotPayTwice()
{
    const QByteArray printed = "Pay,Amount,Date,Cheque\nRent Landlord,5000,06-Dec-2026,000301\n"
                               "Power Co,700,06-Dec-2026,\nWater Board,90,06-Dec-2026,\n";
    BlockingWaiter waiter;
    RecordingQueue queue;
    const IssueContext context {m_db->store(), queue, m_metrics, waiter, nullptr, QStringLiteral("desk")};
    const CheckedBatch first = check(printed);
    QVERIFY2(first.isClean() && first.confirmLines().isEmpty(), qPrintable(first.confirmLines().join(u'\n')));
    QVERIFY(runBatch(first, context).allPrinted());

    // Run again as it was, it is the same batch: nothing to print, nothing flagged.
    QVERIFY(check(printed).confirmLines().isEmpty());
    // The water bill corrected: the rent and the power bill are already paid.
    QByteArray edited = printed;
    edited.replace("Water Board,90", "Water Board,95").replace(",000301", ",000304");
    const CheckedBatch again = check(edited);
    QVERIFY2(again.isClean(), qPrintable(again.problemLines().join(u'\n')));
    const QString flagged = again.confirmLines().join(u'\n');
    QVERIFY2(flagged.contains(QStringLiteral("cheque 000301 of \"ACC1\" is already printed to Rent Landlord for "
                                             "=5,000/-, dated 06-Dec-2026: this row would pay it a second time."))
                 && flagged.contains(QStringLiteral("cheque 000302")) && !flagged.contains(QStringLiteral("000303")),
             qPrintable(flagged));
}

void TestBatch::aMissingAccountIsAskedForInTheAskersWords_data()
{
    QTest::addColumn<bool>("commandLine");
    QTest::addColumn<QString>("told");
    row("the batch window", false, "choose one in the entry window");
    row("the command line", true, "give one with --account");
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
    row("month first, in a month-first office", "MDY",
        "2 2026-12-01, 3 2026-12-25, 4 2026-12-01, 5 2026-12-01, 7 2025-12-06",
        "Line 6, Date: \"12/1/26\" has a two-digit year (1926 or 2026?)",
        "Line 3, Date: dated 25-Dec-2026, after today.|Line 7, Date: dated 06-Dec-2025, more than 3 months back");
    row("the same file in a day-first office", "DMY", "2 2026-01-12, 4 2026-12-01, 5 2026-12-01",
        "Line 3, Date: \"12/25/2026\" is not a date read day first, as this office writes dates, though it is "
        "one read month first|Line 6, Date: \"12/1/26\" has a two-digit year|Line 7, Date: The date 12-Jun-2025 "
        "is more than 12 months before today",
        "Line 2, Date: dated 12-Jan-2026, more than 3 months back: it was valid until 12-Apr-2026");
    row("the same file in a year-first office", "YMD", "4 2026-12-01, 5 2026-12-01",
        "Line 2, Date: \"12/01/2026\" puts the year last, so its day and month could be read two ways|Line 3, "
        "Date: \"12/25/2026\" puts the year last|Line 6, Date: \"12/1/26\" has a two-digit year|Line 7, Date: "
        "\"12/06/2025\" puts the year last",
        "");
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
    QTest::addColumn<QString>("firstRun"); // "stops at 3", "pending at 3", "spoiled at 3"
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<QString>("firstSummary");
    QTest::addColumn<QString>("secondSummary");
    QTest::addColumn<bool>("secondAllPrinted"); // every row has a printed cheque after the second run
    for (const QByteArray &end : {QByteArray("\n"), QByteArray("\r\n"), QByteArray("\r")}) {
        const QByteArray named = end == "\n" ? "LF" : end == "\r" ? "CR" : "CRLF";
        QTest::addRow("the printer refuses the third, %s", named.constData())
            << "stops at 3" << end << "2 printed (000201–000202), 3 not printed: lines 4–6."
            << "3 printed (000203–000205), 2 skipped as printed or spoiled before." << true;
        QTest::addRow("the third is left pending, %s", named.constData())
            << "pending at 3" << end << "2 printed (000201–000202), 3 not printed: lines 4–6."
            << "0 printed, 2 skipped as printed or spoiled before, 2 not printed: lines 5 and 6. Line 4 is still "
               "pending"
            << false;
    }
    QTest::addRow("the third's leaf is spoiled")
        << "spoiled at 3" << QByteArray("\n") << "2 printed (000201–000202), 3 not printed: lines 4–6."
        << "2 printed (000204–000205), 3 skipped as printed or spoiled before. Spoiled in an earlier run and not "
           "printed again: 000203. Print each again from the register"
        << false;
}

void TestBatch::printsOnceAcrossRuns()
{
    QFETCH(QString, firstRun);
    QFETCH(QByteArray, lineEnd);
    QFETCH(QString, firstSummary);
    QFETCH(QString, secondSummary);
    QFETCH(bool, secondAllPrinted);
    const QByteArray csv
        = QByteArray("Pay,Amount,Date,Cheque\nOne,1,06-Dec-2026,000201\nTwo,2,06-Dec-2026,\nThree,3,06-Dec-2026,\n"
                     "Four,4,06-Dec-2026,\nFive,5,06-Dec-2026,\n")
              .replace("\n", lineEnd);
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
    QVERIFY(!one.allPrinted());
    QCOMPARE(one.leftPending, firstRun != QLatin1String("stops at 3"));
    first.statuses.clear();
    if (firstRun == QLatin1String("spoiled at 3"))
        settle(m_db->store().cheques(),
               *m_db->store().cheques().findNumber(QStringLiteral("ACC1"), QStringLiteral("000203")),
               Settlement::Spoiled, QStringLiteral("jammed"), {first, QStringLiteral("desk")});

    const CheckedBatch again = check(csv);
    QVERIFY2(again.isClean(), qPrintable(again.problemLines().join(u'\n'))); // its own numbers are no problem
    // The same batch again.
    RecordingQueue second;
    const BatchOutcome two
        = runBatch(check(csv), {m_db->store(), second, m_metrics, waiter, nullptr, QStringLiteral("desk")});
    QVERIFY2(two.summary().startsWith(secondSummary), qPrintable(two.summary()));
    QCOMPARE(two.allPrinted(), secondAllPrinted);
    QCOMPARE(two.leftPending, firstRun == QLatin1String("pending at 3"));
    if (firstRun == QLatin1String("spoiled at 3")) {
        QVERIFY2(check(csv).standing().contains(
                     QStringLiteral("1 spoiled in an earlier run (000203), to print again from the register")),
                 qPrintable(check(csv).standing()));
        // Printed again from the register, the row has its cheque: the batch is whole.
        const RegisterEntry spoiled
            = *m_db->store().cheques().findNumber(QStringLiteral("ACC1"), QStringLiteral("000203"));
        RecordingQueue third;
        const IssueContext context {m_db->store(), third, m_metrics, waiter, nullptr, QStringLiteral("desk")};
        QVERIFY(reprintCheque(reprintOf(m_db->store(), spoiled), spoiled, context).kind == IssueOutcome::Kind::Printed);
        QVERIFY(runBatch(check(csv), context).allPrinted());
        QVERIFY2(check(csv).standing().startsWith(QStringLiteral("This batch is already printed")),
                 qPrintable(check(csv).standing()));
        return;
    }
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
