#include "support/CsvReading.h"
#include "support/DataRows.h"
#include "support/Examples.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/banks/LayoutFile.h"
#include "core/base/Failure.h"
#include "core/positivepay/PositivePayLayout.h"
#include "core/report/PositivePayExport.h"
#include "store/RegisterHistory.h"
#include "store/Store.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace quillset;
using namespace quillset::test;
using namespace Qt::Literals::StringLiterals;

// The bank's Positive Pay file: its layout, the file read back by another reader, which cheques go
// into it, the record that they went, and the warning when one above the threshold did not.
class TestPositivePay : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layoutIsReadOrRefusedByName_data();
    void layoutIsReadOrRefusedByName();
    void amountIsExactInEveryForm_data();
    void amountIsExactInEveryForm();
    void fileReadsBackAsTheRegister_data();
    void fileReadsBackAsTheRegister();
    void sinceLastTakesWhatChangedSinceEachExport();
    void reportsBeginWithTheAccountsFirstFile();
    void eachReportedChequeNamesTheFileAndItsHash();
    void aFileNotWrittenMarksNothing();
    void aVoidChequeIsNeverSentAsIssued();
    void warnsOfUnreportedChequesFromEarlierDays_data();
    void warnsOfUnreportedChequesFromEarlierDays();
    void layoutFileCarriesThePositivePayBlock_data();
    void layoutFileCarriesThePositivePayBlock();

private:
    qint64 printed(const QString &number, const QString &payee, qint64 units, const QDate &date) const;
    void setAccount(const QString &layout, std::optional<qint64> from = std::nullopt) const;
    QString exported(const PositivePaySelection &selection, const QString &name = QStringLiteral("pp.csv")) const;

    std::unique_ptr<TestDatabase> m_db;
};

void TestPositivePay::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
}

void TestPositivePay::cleanup()
{
    m_db.reset();
}

qint64 TestPositivePay::printed(const QString &number, const QString &payee, qint64 units, const QDate &date) const
{
    const BankAccountRecord account = *m_db->store().accounts().find(QStringLiteral("ACC1"));
    Cheque cheque {QStringLiteral("ACC1"), number, payee, date, {units, account.money}, false, QString()};
    const qint64 id = m_db->store().cheques().addPending(cheque, QStringLiteral("test"));
    m_db->store().cheques().markPrinted(id);
    return id;
}

void TestPositivePay::setAccount(const QString &layout, std::optional<qint64> from) const
{
    const BankAccountRecord read = *m_db->store().accounts().find(QStringLiteral("ACC1"));
    BankAccountRecord edited = read;
    edited.money.style = AmountStyle::Indian;
    edited.money.subunitDigits = 2;
    edited.positivePayLayout = layout;
    edited.limits.positivePayFrom = from;
    m_db->store().accounts().update(read, edited);
}

QString TestPositivePay::exported(const PositivePaySelection &selection, const QString &name) const
{
    const QString path = QDir(m_db->folder()).filePath(name);
    exportPositivePay(m_db->store(), QStringLiteral("acc1"), selection, path);
    return path;
}

void TestPositivePay::layoutIsReadOrRefusedByName_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QString>("problem"); // empty: taken
    row("Indian example", example(QStringLiteral("positive-pay-india.json")), QString());
    row("US example", example(QStringLiteral("positive-pay-us.json")), QString());
    row("not JSON", QStringLiteral("columns: cheque"), QStringLiteral("not a JSON object"));
    row("no columns", QStringLiteral(R"({"header": true})"), QStringLiteral("needs \"columns\""));
    row("unknown column", QStringLiteral(R"({"columns": ["cheque", "branch"]})"), QStringLiteral("column \"branch\""));
    row("column twice", QStringLiteral(R"({"columns": ["cheque", "cheque"]})"),
        QStringLiteral("\"Cheque Number\" is in the layout twice"));
    row("two-digit year", QStringLiteral(R"({"columns": ["date"], "dateFormat": "dd-MM-yy"})"),
        QStringLiteral("four-digit year"));
    row("no day", QStringLiteral(R"({"columns": ["date"], "dateFormat": "MM/yyyy"})"),
        QStringLiteral("four-digit year"));
    row("hours in a date", QStringLiteral(R"({"columns": ["date"], "dateFormat": "dd-MM-yyyy hh"})"),
        QStringLiteral("may hold only d"));
    row("amount form", QStringLiteral(R"({"columns": ["amount"], "amount": "float"})"),
        QStringLiteral("\"amount\" is \"float\""));
    row("two-character separator", QStringLiteral(R"({"columns": ["cheque"], "separator": ",,"})"),
        QStringLiteral("\"separator\" is \",,\""));
    row("a letter as separator", QStringLiteral(R"({"columns": ["cheque"], "separator": "x"})"),
        QStringLiteral("separator \"x\" is not one of"));
    row("header as text", QStringLiteral(R"({"columns": ["cheque"], "header": "yes"})"),
        QStringLiteral("\"header\" is true or false"));
    row("spreadsheet", QStringLiteral(R"({"columns": ["cheque"], "file": "xlsx"})"),
        QStringLiteral("\"file\" is \"xlsx\""));
    row("misspelt setting", QStringLiteral(R"({"columns": ["cheque"], "dateformat": "yyyyMMdd"})"),
        QStringLiteral("has \"dateformat\""));
}

void TestPositivePay::layoutIsReadOrRefusedByName()
{
    QFETCH(QString, json);
    QFETCH(QString, problem);
    QVERIFY(!json.isEmpty());
    const PositivePayLayoutReading reading = readPositivePayLayout(json.toUtf8());
    if (problem.isEmpty()) {
        QVERIFY2(reading.layout, qPrintable(reading.problems.join(u'\n')));
        // What is written reads back as the same layout.
        QCOMPARE(readPositivePayLayout(positivePayLayoutJson(*reading.layout)).layout, reading.layout);
        return;
    }
    QVERIFY(!reading.layout);
    QVERIFY2(reading.problems.join(u'\n').contains(problem), qPrintable(reading.problems.join(u'\n')));
}

void TestPositivePay::amountIsExactInEveryForm_data()
{
    QTest::addColumn<qint64>("units");
    QTest::addColumn<int>("digits");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("subunits");
    QTest::addColumn<QString>("grouped");
    const int indian = int(AmountStyle::Indian);
    const int international = int(AmountStyle::International);
    row("paise", qint64(123450), 2, indian, "1234.50", "123450", "1,234.50");
    row("lakh", qint64(1234567805), 2, indian, "12345678.05", "1234567805", "1,23,45,678.05");
    row("millions", qint64(1234567805), 2, international, "12345678.05", "1234567805", "12,345,678.05");
    // Beyond a double's exact digits: 2^53 + 1 in cents.
    row("past a double", qint64(9007199254740993), 2, international, "90071992547409.93", "9007199254740993",
        "90,071,992,547,409.93");
    row("fils", qint64(1005), 3, international, "1.005", "1005", "1.005");
    row("whole units", qint64(500000), 0, indian, "500000", "500000", "5,00,000");
    row("one paisa", qint64(1), 2, indian, "0.01", "1", "0.01");
}

void TestPositivePay::amountIsExactInEveryForm()
{
    QFETCH(qint64, units);
    QFETCH(int, digits);
    QFETCH(int, style);
    MoneyStyle money;
    money.style = AmountStyle(style);
    money.subunitDigits = digits;
    const Money amount {units, money};
    QTEST(positivePayAmountText(amount, PositivePayAmount::Decimal), "decimal");
    QTEST(positivePayAmountText(amount, PositivePayAmount::Subunits), "subunits");
    QTEST(positivePayAmountText(amount, PositivePayAmount::Grouped), "grouped");
}

void TestPositivePay::fileReadsBackAsTheRegister_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QStringList>("first"); // the first cheque's line, with {id} for its row
    row("Indian example", example(QStringLiteral("positive-pay-india.json")), QChar(u','),
        QStringList {u"Account Number"_s, u"Cheque Number"_s, u"Cheque Date"_s, u"Amount"_s, u"Payee Name"_s,
                     u"Issue Reference"_s},
        QStringList {u"012345678901"_s, u"000101"_s, u"01-12-2026"_s, u"75000.50"_s, u"Rao, \"Senior\" & Sons"_s,
                     u"{id}"_s});
    row("US example", example(QStringLiteral("positive-pay-us.json")), QChar(u','), QStringList(),
        QStringList {u"012345678901"_s, u"000101"_s, u"75000.50"_s, u"12/01/2026"_s, u"Rao, \"Senior\" & Sons"_s,
                     u""_s});
    row("grouped amounts by semicolons",
        QStringLiteral(R"({"columns": ["cheque", "amount", "date"], "amount": "grouped", "separator": ";",
                       "dateFormat": "yyyyMMdd"})"),
        QChar(u';'), QStringList {u"Cheque Number"_s, u"Amount"_s, u"Cheque Date"_s},
        QStringList {u"000101"_s, u"75,000.50"_s, u"20261201"_s});
    row("tabs and subunits",
        QStringLiteral(R"({"columns": [{"field": "payee", "title": "Name\tof payee"}, "amount", "status"],
                       "amount": "subunits", "separator": "\t", "issuedFlag": "I"})"),
        QChar(u'\t'), QStringList {u"Name\tof payee"_s, u"Amount"_s, u"Status"_s},
        QStringList {u"Rao, \"Senior\" & Sons"_s, u"7500050"_s, u"I"_s});
}

void TestPositivePay::fileReadsBackAsTheRegister()
{
    QFETCH(QString, layout);
    QFETCH(QChar, separator);
    QFETCH(QStringList, header);
    QFETCH(QStringList, first);
    setAccount(layout);
    const qint64 id
        = printed(QStringLiteral("000101"), QStringLiteral("Rao, \"Senior\" & Sons"), 7500050, QDate(2026, 12, 1));
    printed(QStringLiteral("000102"), QStringLiteral("Line one\nline two;\tand \"more\""), 1, QDate(2026, 12, 2));
    const QString path = exported({false, QDate(2026, 12, 1), QDate(2026, 12, 7)});
    const QList<QStringList> rows = pythonCsvRows(path, separator);
    QCOMPARE(rows.size(), 2 + (header.isEmpty() ? 0 : 1));
    if (!header.isEmpty())
        QCOMPARE(rows.first(), header);
    first.replaceInStrings(QStringLiteral("{id}"), QString::number(id));
    QCOMPARE(rows.at(rows.size() - 2), first);
    // A payee with a line break, the separator and quotes comes back whole.
    QVERIFY(rows.last().contains(QStringLiteral("Line one\nline two;\tand \"more\""))
            || !layout.contains(QStringLiteral("payee")));
}

void TestPositivePay::sinceLastTakesWhatChangedSinceEachExport()
{
    setAccount(example(QStringLiteral("positive-pay-us.json")));
    printed(QStringLiteral("000101"), QStringLiteral("First"), 10000, QDate(2026, 12, 1));
    const qint64 second = printed(QStringLiteral("000102"), QStringLiteral("Second"), 20000, QDate(2026, 12, 2));
    // A spoiled leaf never went out, so the bank is not told of it.
    m_db->store().cheques().addSpoiledLeaf(QStringLiteral("ACC1"), QStringLiteral("000103"), QDate(2026, 12, 2),
                                           QStringLiteral("jammed"));
    const auto numbersAndFlags = [&](const QString &path) {
        QStringList lines;
        for (const QStringList &row : pythonCsvRows(path))
            lines.append(row.at(1) + u'/' + row.at(5));
        return lines.join(u' ');
    };
    QCOMPARE(numbersAndFlags(exported({}, QStringLiteral("one.csv"))), QStringLiteral("000101/ 000102/"));
    QCOMPARE(numbersAndFlags(exported({}, QStringLiteral("two.csv"))), QString());
    m_db->store().cheques().markVoid(second, QStringLiteral("lost in the post"));
    printed(QStringLiteral("000104"), QStringLiteral("Fourth"), 40000, QDate(2026, 12, 3));
    QCOMPARE(numbersAndFlags(exported({}, QStringLiteral("three.csv"))), QStringLiteral("000102/V 000104/"));
    QCOMPARE(numbersAndFlags(exported({}, QStringLiteral("four.csv"))), QString());
    // A range takes every cheque dated in it, reported or not.
    QCOMPARE(numbersAndFlags(exported({false, QDate(2026, 12, 2), QDate(2026, 12, 3)}, QStringLiteral("five.csv"))),
             QStringLiteral("000102/V 000104/"));
}

void TestPositivePay::reportsBeginWithTheAccountsFirstFile()
{
    setAccount(example(QStringLiteral("positive-pay-us.json")), 100);
    // Printed before the office took up Positive Pay.
    const qint64 old = printed(QStringLiteral("000100"), QStringLiteral("Old"), 50000, QDate(2026, 11, 20));
    printed(QStringLiteral("000101"), QStringLiteral("First"), 50000, QDate(2026, 12, 1));
    const BankAccountRecord account = *m_db->store().accounts().find(QStringLiteral("ACC1"));
    const auto numbers = [&](const QString &path) {
        QStringList lines;
        for (const QStringList &row : pythonCsvRows(path))
            lines.append(row.at(1) + u'/' + row.at(5));
        return lines.join(u' ');
    };
    QVERIFY(positivePayWarning(m_db->store(), account, kTestToday).contains(QStringLiteral("000100")));
    QCOMPARE(numbers(exported({false, QDate(2026, 12, 1), QDate(2026, 12, 7)}, QStringLiteral("one.csv"))),
             QStringLiteral("000101/"));
    // The old cheque is neither asked about nor sent, until something happens to it.
    QVERIFY(positivePayWarning(m_db->store(), account, kTestToday).isEmpty());
    printed(QStringLiteral("000102"), QStringLiteral("Second"), 50000, QDate(2026, 12, 2));
    QCOMPARE(numbers(exported({}, QStringLiteral("two.csv"))), QStringLiteral("000102/"));
    m_db->store().cheques().markVoid(old, QStringLiteral("stale"));
    QCOMPARE(numbers(exported({}, QStringLiteral("three.csv"))), QStringLiteral("000100/V"));
}

void TestPositivePay::eachReportedChequeNamesTheFileAndItsHash()
{
    setAccount(example(QStringLiteral("positive-pay-india.json")));
    const qint64 first = printed(QStringLiteral("000101"), QStringLiteral("First"), 10000, QDate(2026, 12, 1));
    const qint64 second = printed(QStringLiteral("000102"), QStringLiteral("Second"), 20000, QDate(2026, 12, 2));
    const QString path = exported({}, QStringLiteral("december.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString hash
        = QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
    for (const qint64 id : {first, second}) {
        const QList<HistoryEvent> events = m_db->store().history().ofCheque(id);
        QCOMPARE(events.last().action, QStringLiteral("reported to the bank"));
        QVERIFY2(events.last().reason.contains(hash) && events.last().reason.contains(QStringLiteral("december.csv")),
                 qPrintable(events.last().reason));
    }
    // The events keep the register's chain whole and each row as its history says.
    QVERIFY(m_db->store().history().verify().isClean());
}

void TestPositivePay::aFileNotWrittenMarksNothing()
{
    setAccount(example(QStringLiteral("positive-pay-india.json")));
    const qint64 id = printed(QStringLiteral("000101"), QStringLiteral("First"), 10000, QDate(2026, 12, 1));
    const QString folder = QDir(m_db->folder()).filePath(QStringLiteral("a folder"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY_THROWS_EXCEPTION(Failure, exportPositivePay(m_db->store(), QStringLiteral("ACC1"), {}, folder));
    // Nor a file the system cannot make: its folder is not there.
    QVERIFY_THROWS_EXCEPTION(
        Failure,
        exportPositivePay(m_db->store(), QStringLiteral("ACC1"), {}, QDir(m_db->folder()).filePath(u"gone/pp.csv"_s)));
    QCOMPARE(m_db->store().history().ofCheque(id).last().action, QStringLiteral("printed"));
    // An account without a layout is told where to choose one.
    setAccount(QString());
    try {
        exportPositivePay(m_db->store(), QStringLiteral("ACC1"), {}, QDir(m_db->folder()).filePath(u"x.csv"_s));
        QFAIL("an account without a layout was exported");
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(QStringLiteral("Positive Pay...")), qPrintable(failure.description()));
    }
}

void TestPositivePay::aVoidChequeIsNeverSentAsIssued()
{
    // The Indian example has no Status column: a void cheque in it would read as one to pay.
    setAccount(example(QStringLiteral("positive-pay-india.json")));
    printed(QStringLiteral("000101"), QStringLiteral("First"), 10000, QDate(2026, 12, 1));
    const qint64 reported = printed(QStringLiteral("000102"), QStringLiteral("Second"), 20000, QDate(2026, 12, 2));
    const auto write = [&](const QString &name) {
        return exportPositivePay(m_db->store(), QStringLiteral("ACC1"), {}, QDir(m_db->folder()).filePath(name));
    };
    const auto numbers = [&](const QString &name) {
        QStringList found;
        for (const QStringList &row : pythonCsvRows(QDir(m_db->folder()).filePath(name)).mid(1))
            found.append(row.at(1));
        return found.join(u' ');
    };
    QCOMPARE(write(QStringLiteral("one.csv")).cheques, 2);
    m_db->store().cheques().markVoid(reported, QStringLiteral("lost in the post"));
    printed(QStringLiteral("000103"), QStringLiteral("Third"), 30000, QDate(2026, 12, 3));
    const qint64 neverSent = printed(QStringLiteral("000104"), QStringLiteral("Fourth"), 40000, QDate(2026, 12, 3));
    m_db->store().cheques().markVoid(neverSent, QStringLiteral("wrong payee"));

    const PositivePayWritten two = write(QStringLiteral("two.csv"));
    QCOMPARE(numbers(QStringLiteral("two.csv")), QStringLiteral("000103"));
    QCOMPARE(two.leftOut, QStringList({QStringLiteral("000102"), QStringLiteral("000104")}));
    QCOMPARE(positivePayLeftOutNote(two),
             QStringLiteral("Void cheque(s) 000102, 000104 are not in the file: its layout has no Status column to "
                            "say a cheque is void. Cheque(s) 000102 went to the bank as issued in an earlier file: "
                            "ask the bank to stop them."));
    // Said once: the next file has nothing new to leave out.
    const PositivePayWritten three = write(QStringLiteral("three.csv"));
    QCOMPARE(three.cheques, 0);
    QVERIFY(three.leftOut.isEmpty());
    QVERIFY(m_db->store().history().verify().isClean());

    // A bank does not know cheques filed under no account number.
    const BankAccountRecord read = *m_db->store().accounts().find(QStringLiteral("ACC1"));
    BankAccountRecord edited = read;
    edited.accountNo.clear();
    m_db->store().accounts().update(read, edited);
    printed(QStringLiteral("000105"), QStringLiteral("Fifth"), 50000, QDate(2026, 12, 4));
    try {
        write(QStringLiteral("four.csv"));
        QFAIL("a file without the account number was written");
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(QStringLiteral("has no account number")),
                 qPrintable(failure.description()));
    }
    QVERIFY(!QFile::exists(QDir(m_db->folder()).filePath(QStringLiteral("four.csv"))));
}

void TestPositivePay::warnsOfUnreportedChequesFromEarlierDays_data()
{
    QTest::addColumn<qint64>("threshold"); // whole rupees; 0 for none
    QTest::addColumn<QString>("warned"); // the numbers named, empty for no warning
    // 000101: 50,000.00 on the 7th; 000102: 49,999.99 on the 6th; 000103: 90,000.00 today (the 8th);
    // 000104: 60,000.00 on the 5th, reported; 000105: 70,000.00 on the 4th, void.
    row("no threshold", qint64(0), QString());
    row("at the threshold", qint64(50000), QStringLiteral("000101"));
    row("a paisa under it is not", qint64(49999), QStringLiteral("000101 000102"));
    row("above every cheque", qint64(100000), QString());
}

void TestPositivePay::warnsOfUnreportedChequesFromEarlierDays()
{
    QFETCH(qint64, threshold);
    QFETCH(QString, warned);
    setAccount(example(QStringLiteral("positive-pay-india.json")));
    printed(QStringLiteral("000104"), QStringLiteral("Reported"), 6000000, QDate(2026, 12, 5));
    exported({});
    printed(QStringLiteral("000101"), QStringLiteral("At"), 5000000, QDate(2026, 12, 7));
    printed(QStringLiteral("000102"), QStringLiteral("Under"), 4999999, QDate(2026, 12, 6));
    printed(QStringLiteral("000103"), QStringLiteral("Today"), 9000000, kTestToday);
    const qint64 voided = printed(QStringLiteral("000105"), QStringLiteral("Void"), 7000000, QDate(2026, 12, 4));
    m_db->store().cheques().markVoid(voided, QStringLiteral("stopped"));
    setAccount(example(QStringLiteral("positive-pay-india.json")),
               threshold ? std::optional<qint64>(threshold) : std::nullopt);
    const BankAccountRecord account = *m_db->store().accounts().find(QStringLiteral("ACC1"));
    const QString warning = positivePayWarning(m_db->store(), account, kTestToday);
    QCOMPARE(warning.isEmpty(), warned.isEmpty());
    for (const QString &number : {u"000101"_s, u"000102"_s, u"000103"_s, u"000104"_s, u"000105"_s})
        QCOMPARE(warning.contains(number), warned.contains(number));
}

void TestPositivePay::layoutFileCarriesThePositivePayBlock_data()
{
    QTest::addColumn<QString>("edit"); // what is done to the written document
    QTest::addColumn<QString>("problem"); // empty: read
    row("as written", QString(), QString());
    row("a version-1 file without the block", QStringLiteral("version 1"), QString());
    row("the block in a version-1 file", QStringLiteral("version 1 keep"), QStringLiteral("positivePay"));
    row("a bad layout", QStringLiteral("bad layout"), QStringLiteral("positivePay.layout"));
    row("a threshold with paise", QStringLiteral("bad from"), QStringLiteral("positivePay.from"));
}

void TestPositivePay::layoutFileCarriesThePositivePayBlock()
{
    QFETCH(QString, edit);
    QFETCH(QString, problem);
    setAccount(example(QStringLiteral("positive-pay-us.json")), 500000);
    const BankAccountRecord account = *m_db->store().accounts().find(QStringLiteral("ACC1"));
    QJsonObject document = QJsonDocument::fromJson(layoutDocument(account)).object();
    QJsonObject block = document.value(QStringLiteral("positivePay")).toObject();
    if (edit.startsWith(QStringLiteral("version 1"))) {
        // A version-1 file has none of version 2's blocks and fields.
        document.insert(QStringLiteral("version"), 1);
        document.remove(QStringLiteral("date"));
        document.remove(QStringLiteral("marks"));
        QJsonObject money = document.value(QStringLiteral("money")).toObject();
        money.remove(QStringLiteral("subunitFirst"));
        money.remove(QStringLiteral("sign"));
        document.insert(QStringLiteral("money"), money);
        if (!edit.endsWith(QStringLiteral("keep")))
            document.remove(QStringLiteral("positivePay"));
    } else if (edit == QStringLiteral("bad layout")) {
        block.insert(QStringLiteral("layout"), QJsonObject {{QStringLiteral("columns"), QJsonArray {u"branch"_s}}});
        document.insert(QStringLiteral("positivePay"), block);
    } else if (edit == QStringLiteral("bad from")) {
        block.insert(QStringLiteral("from"), 50000.5);
        document.insert(QStringLiteral("positivePay"), block);
    }
    BankAccountRecord other = account;
    other.limits.positivePayFrom = 7;
    other.positivePayLayout = QStringLiteral("{}");
    try {
        const BankAccountRecord read = withLayout(other, QJsonDocument(document).toJson());
        QVERIFY2(problem.isEmpty(), "a refused block was taken");
        if (edit.isEmpty()) {
            QCOMPARE(read.limits.positivePayFrom, std::optional<qint64>(500000));
            QCOMPARE(readPositivePayLayout(read.positivePayLayout.toUtf8()).layout,
                     readPositivePayLayout(account.positivePayLayout.toUtf8()).layout);
        } else {
            QCOMPARE(read.limits.positivePayFrom, std::nullopt);
            QVERIFY(read.positivePayLayout.isEmpty());
        }
    } catch (const Failure &failure) {
        QVERIFY2(!problem.isEmpty() && failure.description().contains(problem), qPrintable(failure.description()));
    }
}

QUILLSET_TEST_MAIN(TestPositivePay, QCoreApplication)

#include "tst_PositivePay.moc"
