#include "support/TestMain.h"

#include "cheque/ChequeInput.h"
#include "words/MoneyStyle.h"

#include <QCoreApplication>

using namespace quillset;

// The one way into a cheque value: what it accepts, and the problem it names for what it refuses.
class TestChequeInput : public QObject
{
    Q_OBJECT

private slots:
    void readsTheDateForms_data();
    void readsTheDateForms();
    void readsWholeAmounts_data();
    void readsWholeAmounts();
    void namesEveryFieldItCannotRead_data();
    void namesEveryFieldItCannotRead();
};

void TestChequeInput::readsTheDateForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date"); // invalid: refused
    QTest::newRow("DD-MMM-YYYY") << "06-Dec-2026" << QDate(2026, 12, 6);
    QTest::newRow("D-MMM-YYYY, capitals") << "6-DEC-2026" << QDate(2026, 12, 6);
    QTest::newRow("DD/MM/YYYY day first") << "06/12/2026" << QDate(2026, 12, 6);
    QTest::newRow("DD-MM-YYYY day first") << "06-12-2026" << QDate(2026, 12, 6);
    QTest::newRow("YYYY-MM-DD, blanks around") << " 2026-12-06 " << QDate(2026, 12, 6);
    QTest::newRow("leap day") << "29-Feb-2028" << QDate(2028, 2, 29);
    QTest::newRow("31 February") << "31-Feb-2026" << QDate();
    QTest::newRow("month 13") << "01-13-2026" << QDate();
    QTest::newRow("unknown month") << "06-Dek-2026" << QDate();
    QTest::newRow("mixed separators") << "06/12-2026" << QDate();
    QTest::newRow("two-digit year") << "06-Dec-26" << QDate();
}

void TestChequeInput::readsTheDateForms()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(parseChequeDate(text).value_or(QDate()), date);
    QCOMPARE(formatChequeDate(QDate(2027, 5, 1)), QStringLiteral("01-May-2027"));
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
    QTest::newRow("complete") << "ACC1|000123|Dealer's Co.|06-Dec-2026|12345"
                              << "ACC1|000123|Dealer's Co.|2026-12-06|12345" << false;
    QTest::newRow("a payee of blanks passes as text") << "ACC1|7| |06-Dec-2026|0"
                                                      << "ACC1|7| |2026-12-06|0" << false;
    QTest::newRow("a number of blanks is no number") << "ACC1| |X|06-Dec-2026|0"
                                                     << "Cheque No" << true;
    QTest::newRow("a number as a person would say it")
        << QString::fromUtf8("ACC1|\t０００１２３\u3000|X|06-Dec-2026|5") << "ACC1|000123|X|2026-12-06|5" << false;
    QTest::newRow("a number that is not digits") << "ACC1|12-A|X|06-Dec-2026|5"
                                                 << "Cheque No" << false;
    QTest::newRow("a payee on two lines") << "ACC1|7|Line One\r\nLine Two|06-Dec-2026|5"
                                          << "Pay" << false;
    QTest::newRow("a payee with a line separator")
        << QString::fromUtf8("ACC1|7|One\u2028Two|06-Dec-2026|5") << "Pay" << false;
    QTest::newRow("a payee with a tab") << "ACC1|7|Tab\tGap|06-Dec-2026|5"
                                        << "Pay" << false;
    QTest::newRow("all empty") << "||||"
                               << "Bank ID,Cheque No,Pay,Date,Amount" << true;
    QTest::newRow("bad date and amount") << "ACC1|1|X|31-Feb-2026|12a"
                                         << "Date,Amount" << false;
    QTest::newRow("one empty among bad") << "ACC1||X|31-Feb-2026|5"
                                         << "Cheque No,Date" << true;
}

void TestChequeInput::namesEveryFieldItCannotRead()
{
    QFETCH(QString, typed);
    const QStringList texts = typed.split(u'|');
    QFETCH(QString, problems);
    QFETCH(bool, incomplete);
    const ChequeReading reading
        = readCheque({texts.at(0), texts.at(1), texts.at(2), texts.at(3), texts.at(4), true}, MoneyStyle {});
    QCOMPARE(reading.incomplete(), incomplete);
    if (reading.cheque) {
        const Cheque &c = *reading.cheque;
        QVERIFY(reading.problems.isEmpty() && c.stamp);
        QCOMPARE(
            QStringList({c.accountCode, c.number, c.payee, c.date.toString(Qt::ISODate), QString::number(c.amount)})
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
}

QUILLSET_TEST_MAIN(TestChequeInput, QCoreApplication)
#include "tst_ChequeInput.moc"
