#include "support/DataRows.h"
#include "support/TestMain.h"

#include "core/cheque/ChequeInput.h"
#include "core/words/MoneyStyle.h"

#include <QCoreApplication>

using namespace quillset;
using namespace quillset::test;

// The one way into a cheque value: what it accepts, and the problem it names for what it refuses.
class TestChequeInput : public QObject
{
    Q_OBJECT

private slots:
    void readsTheFormsOfTheOfficesOrder_data();
    void readsTheFormsOfTheOfficesOrder();
    void refusesDatesOutsideTheWindowAndFlagsTheRest_data();
    void refusesDatesOutsideTheWindowAndFlagsTheRest();
    void readsWholeAmounts_data();
    void readsWholeAmounts();
    void namesEveryFieldItCannotRead_data();
    void namesEveryFieldItCannotRead();
};

namespace {

DateOrder orderOf(const QString &code)
{
    return dateOrderFromCode(code).value();
}

// The office's rules on 6 December 2026, as delivered: day first, 3 months' validity, 12 months' window.
DateRules officeRules(const QDate &today = QDate(2026, 12, 6))
{
    DateRules rules;
    rules.today = today;
    return rules;
}

} // namespace

void TestChequeInput::readsTheFormsOfTheOfficesOrder_data()
{
    QTest::addColumn<QString>("order"); // DMY, MDY or YMD
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date"); // invalid: refused
    QTest::addColumn<QString>("said"); // part of the refusal
    const QDate dec6(2026, 12, 6);
    for (const char *order : {"DMY", "MDY", "YMD"}) {
        const QString o = QString::fromLatin1(order);
        // A month by its name, and the year first in numbers, read one way only: in every order.
        QTest::addRow("%s: DD-MMM-YYYY", order) << o << "06-Dec-2026" << dec6 << "";
        QTest::addRow("%s: MMM-DD-YYYY", order) << o << "Dec-06-2026" << dec6 << "";
        QTest::addRow("%s: MMM D, YYYY", order) << o << "Dec 6, 2026" << dec6 << "";
        QTest::addRow("%s: D Month YYYY, capitals", order) << o << "6 DECEMBER 2026" << dec6 << "";
        QTest::addRow("%s: YYYY-MMM-DD", order) << o << "2026-Dec-06" << dec6 << "";
        QTest::addRow("%s: ISO, blanks around", order) << o << " 2026-12-06 " << dec6 << "";
        QTest::addRow("%s: year first with slashes", order) << o << "2026/12/06" << dec6 << "";
        QTest::addRow("%s: two-digit year", order) << o << "8/12/26" << QDate() << "two-digit year (1926 or 2026?)";
        QTest::addRow("%s: two-digit year, month named", order) << o << "06-Dec-26" << QDate() << "two-digit year";
        QTest::addRow("%s: two-digit year, month first", order) << o << "Dec-06-26" << QDate() << "two-digit year";
        QTest::addRow("%s: 31 February", order) << o << "31-Feb-2026" << QDate() << "\"31-Feb-2026\" is not a date";
        QTest::addRow("%s: 29 February of a common year", order) << o << "2100-02-29" << QDate() << "is not a date";
        QTest::addRow("%s: leap day", order) << o << "29-Feb-2028" << QDate(2028, 2, 29) << "";
        QTest::addRow("%s: unknown month", order) << o << "06-Dek-2026" << QDate() << "is not a date";
        QTest::addRow("%s: mixed separators", order) << o << "06/12-2026" << QDate() << "is not a date";
        QTest::addRow("%s: other digits", order)
            << o << QString::fromUtf8("０６/１２/２０２６") << QDate() << "not a date";
    }
    // Numbers alone, year last: in the office's order, or refused saying so.
    const QDate leapDay(2028, 2, 29);
    row("DMY: 01/02/2026 is 1 February", "DMY", "01/02/2026", QDate(2026, 2, 1), "");
    row("MDY: 01/02/2026 is 2 January", "MDY", "01/02/2026", QDate(2026, 1, 2), "");
    row("YMD: 01/02/2026 could be either", "YMD", "01/02/2026", QDate(), "could be read two ways");
    row("DMY: dots", "DMY", "06.12.2026", dec6, "");
    row("DMY: hyphens, one digit", "DMY", "6-12-2026", dec6, "");
    row("MDY: a spreadsheet's 12/1/2026", "MDY", "12/1/2026", QDate(2026, 12, 1), "");
    row("DMY: a month-first date", "DMY", "12/25/2026", QDate(), "though it is one read month first");
    row("MDY: a day-first date", "MDY", "25/12/2026", QDate(), "though it is one read day first");
    row("DMY: leap day", "DMY", "29/02/2028", leapDay, "");
    row("MDY: leap day", "MDY", "02/29/2028", leapDay, "");
    row("DMY: 29 February 2027", "DMY", "29/02/2027", QDate(), "\"29/02/2027\" is not a date");
}

void TestChequeInput::readsTheFormsOfTheOfficesOrder()
{
    QFETCH(QString, order);
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QFETCH(QString, said);
    const DateReading reading = readChequeDate(text, orderOf(order));
    QCOMPARE(reading.date.value_or(QDate()), date);
    QCOMPARE(parseChequeDate(text, orderOf(order)).value_or(QDate()), date);
    if (date.isValid()) {
        QVERIFY(reading.problem.isEmpty());
        return;
    }
    QVERIFY2(reading.problem.contains(said), qPrintable(reading.problem));
    // Every refusal shows the forms that are read, in the office's own order.
    QVERIFY2(reading.problem.contains(acceptedDateForms(orderOf(order))), qPrintable(reading.problem));
}

void TestChequeInput::refusesDatesOutsideTheWindowAndFlagsTheRest_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refused"); // part of the refusal, or empty
    QTest::addColumn<QString>("flag"); // part of the second look it needs, or empty
    const QDate today(2026, 12, 6);
    row("today", today, "06-Dec-2026", "", "");
    row("the first century", today, "06-Dec-0001", "more than 12 months before today", "");
    row("a year and a day back", today, "05-Dec-2025", "from 06-Dec-2025 to 06-Dec-2027", "");
    row("a year back: stale", today, "06-Dec-2025", "", "more than 3 months back");
    row("a year ahead: post-dated", today, "06-Dec-2027", "", "after today");
    row("a year and a day ahead", today, "07-Dec-2027", "more than 12 months after today", "");
    row("tomorrow", today, "07-Dec-2026", "", "dated 07-Dec-2026, after today.");
    row("three months back, still valid today", today, "06-Sep-2026", "", "");
    row("a day more", today, "05-Sep-2026", "", "it was valid until 05-Dec-2026, and the bank may refuse it as stale");
    row("a spreadsheet's December 1st read day first", today, "12/01/2026", "",
        "dated 12-Jan-2026, more than 3 months back");
    row("end of February, at the end of May", QDate(2026, 5, 31), "28-Feb-2026", "", "valid until 28-May-2026");
    row("a leap day, three months on", QDate(2028, 5, 29), "29-Feb-2028", "", "");
}

void TestChequeInput::refusesDatesOutsideTheWindowAndFlagsTheRest()
{
    QFETCH(QDate, today);
    QFETCH(QString, text);
    QFETCH(QString, refused);
    QFETCH(QString, flag);
    const DateRules rules = officeRules(today);
    const ChequeReading reading = readCheque(
        {QStringLiteral("ACC1"), QStringLiteral("1"), QStringLiteral("X"), text, QStringLiteral("5"), false},
        MoneyStyle {}, rules);
    if (!refused.isEmpty()) {
        QVERIFY(!reading.cheque && !reading.incomplete());
        QCOMPARE(reading.problems.size(), 1);
        QCOMPARE(reading.problems.first().field, ChequeField::Date);
        QVERIFY2(reading.messages().contains(refused), qPrintable(reading.messages()));
        return;
    }
    QVERIFY2(reading.cheque, qPrintable(reading.messages()));
    const QString flagged = dateFlag(reading.cheque->date, rules);
    QVERIFY2(flag.isEmpty() ? flagged.isEmpty() : flagged.contains(flag), qPrintable(flagged));
}

void TestChequeInput::readsWholeAmounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("amount"); // -1: refused
    QTest::newRow("digits") << "12345" << qint64(12345);
    QTest::newRow("zero") << "0" << qint64(0);
    QTest::newRow("leading zeros") << "000500" << qint64(500);
    QTest::newRow("largest") << "999999999" << qint64(999999999);
    QTest::newRow("ten digits") << "1234567890" << qint64(-1);
    QTest::newRow("letters") << "12a" << qint64(-1);
    QTest::newRow("decimals on a whole-rupee account") << "12.50" << qint64(-1);
    QTest::newRow("grouping") << "1,000" << qint64(-1);
    QTest::newRow("minus") << "-5" << qint64(-1);
    QTest::newRow("other digits") << QString::fromUtf8("१२३") << qint64(-1);
}

void TestChequeInput::readsWholeAmounts()
{
    QFETCH(QString, text);
    QFETCH(qint64, amount);
    QCOMPARE(parseAmount(text, MoneyStyle {}).value_or(-1), amount);
}

void TestChequeInput::namesEveryFieldItCannotRead_data()
{
    QTest::addColumn<QString>("typed"); // account|number|payee|date|amount
    QTest::addColumn<QString>("problems"); // field names, or the cheque read back
    QTest::addColumn<bool>("incomplete");
    row("complete", "ACC1|000123|Dealer's Co.|06-Dec-2026|12345", "ACC1|000123|Dealer's Co.|2026-12-06|12345", false);
    row("a payee of blanks is none", "ACC1|7|   |06-Dec-2026|0", "Pay", true);
    row("a payee of a tab is none", "ACC1|7|\t|06-Dec-2026|0", "Pay", true);
    row("a payee of zero-width characters is none", "ACC1|7|\u200B\u200C\u200D\uFEFF\u2060 |06-Dec-2026|0", "Pay",
        true);
    row("a joiner inside a name is part of it", "ACC1|7|क्\u200Dष|06-Dec-2026|0", "ACC1|7|क्\u200Dष|2026-12-06|0", false);
    row("a number with a minus sign", "ACC1|-1|X|06-Dec-2026|5", "Cheque No", false);
    row("a number with a plus sign", "ACC1|+1|X|06-Dec-2026|5", "Cheque No", false);
    row("a date of the first century", "ACC1|7|X|06-Dec-0001|5", "Date", false);
    row("a date of blanks is none", "ACC1|7|X|  |5", "Date", true);
    row("a number of blanks is no number", "ACC1| |X|06-Dec-2026|0", "Cheque No", true);
    row("a number as a person would say it", "ACC1|\t０００１２３\u3000|X|06-Dec-2026|5", "ACC1|000123|X|2026-12-06|5",
        false);
    row("a number that is not digits", "ACC1|12-A|X|06-Dec-2026|5", "Cheque No", false);
    row("a payee on two lines", "ACC1|7|Line One\r\nLine Two|06-Dec-2026|5", "Pay", false);
    row("a payee with a line separator", "ACC1|7|One\u2028Two|06-Dec-2026|5", "Pay", false);
    row("a payee with a tab", "ACC1|7|Tab\tGap|06-Dec-2026|5", "Pay", false);
    row("a payee of two million characters", QStringLiteral("ACC1|7|%1|06-Dec-2026|5").arg(QString(2'000'000, u'W')),
        "Pay", false);
    row("blanks around a payee are not kept", "ACC1|7|  Sharma & Sons  |06-Dec-2026|5",
        "ACC1|7|Sharma & Sons|2026-12-06|5", false);
    row("a direction override would print another order", "ACC1|7|ACME \u202Edlrow|06-Dec-2026|5", "Pay", false);
    row("an invisible space inside a payee", "ACC1|7|Ramesh\u200BKumar|06-Dec-2026|5", "Pay", false);
    // The crossing's words, after the amount, are held to the same rule as the payee.
    row("crossing words of an office's own", "ACC1|7|X|06-Dec-2026|5|& Co.", "ACC1|7|X|2026-12-06|5", false);
    row("crossing words on two lines", "ACC1|7|X|06-Dec-2026|5|Not\r\nNegotiable", "Stamp", false);
    row("crossing words with a tab", "ACC1|7|X|06-Dec-2026|5|A/c\tPayee", "Stamp", false);
    row("crossing words of a paragraph", QStringLiteral("ACC1|7|X|06-Dec-2026|5|%1").arg(QString(101, u'W')), "Stamp",
        false);
    row("all empty", "||||", "Bank ID,Cheque No,Pay,Date,Amount", true);
    row("bad date and amount", "ACC1|1|X|31-Feb-2026|12a", "Date,Amount", false);
    row("one empty among bad", "ACC1||X|31-Feb-2026|5", "Cheque No,Date", true);
}

void TestChequeInput::namesEveryFieldItCannotRead()
{
    QFETCH(QString, typed);
    const QStringList texts = typed.split(u'|');
    QFETCH(QString, problems);
    QFETCH(bool, incomplete);
    const ChequeReading reading
        = readCheque({texts.at(0), texts.at(1), texts.at(2), texts.at(3), texts.at(4), true, texts.value(5)},
                     MoneyStyle {}, officeRules());
    QCOMPARE(reading.incomplete(), incomplete);
    if (reading.cheque) {
        const Cheque &c = *reading.cheque;
        QVERIFY(reading.problems.isEmpty() && c.stamp);
        QCOMPARE(QStringList(
                     {c.accountCode, c.number, c.payee, c.date.toString(Qt::ISODate), QString::number(c.amount.units)})
                     .join(u'|'),
                 problems);
        return;
    }
    QStringList named;
    for (const FieldProblem &problem : reading.problems) {
        named.append(fieldName(problem.field));
        QVERIFY(!problem.message.isEmpty());
    }
    QCOMPARE(named.join(u','), problems);
    if (texts.at(3) == QLatin1String("31-Feb-2026"))
        QVERIFY(reading.messages().contains(QStringLiteral("\"31-Feb-2026\" is not a date")));
    if (texts.at(2).size() > 1000)
        QVERIFY(reading.messages().contains(QStringLiteral("The payee is too long")));
    if (texts.at(1) == QLatin1String("-1"))
        QVERIFY(reading.messages().contains(QStringLiteral("The cheque number \"-1\" must be digits only")));
}

QUILLSET_TEST_MAIN(TestChequeInput, QCoreApplication)
#include "tst_ChequeInput.moc"
