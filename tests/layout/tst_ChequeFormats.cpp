#include "layout/ChequeFormats.h"

#include <QTest>

using namespace quillset;

class TestChequeFormats : public QObject
{
    Q_OBJECT

private slots:
    void readsTheDateForms_data();
    void readsTheDateForms();
    void writesTheEntryForm();
    void spreadsTheDateDigits_data();
    void spreadsTheDateDigits();
    void formatsTheAmountFigures_data();
    void formatsTheAmountFigures();
};

void TestChequeFormats::readsTheDateForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date"); // invalid: refused

    QTest::newRow("DD-MMM-YYYY") << "06-Dec-2026" << QDate(2026, 12, 6);
    QTest::newRow("D-MMM-YYYY") << "6-Dec-2026" << QDate(2026, 12, 6);
    QTest::newRow("month in capitals") << "06-DEC-2026" << QDate(2026, 12, 6);
    QTest::newRow("DD/MM/YYYY day first") << "06/12/2026" << QDate(2026, 12, 6);
    QTest::newRow("DD-MM-YYYY day first") << "06-12-2026" << QDate(2026, 12, 6);
    QTest::newRow("YYYY-MM-DD") << "2026-12-06" << QDate(2026, 12, 6);
    QTest::newRow("blanks around") << " 1-Jan-2027 " << QDate(2027, 1, 1);
    QTest::newRow("leap day") << "29-Feb-2028" << QDate(2028, 2, 29);
    QTest::newRow("31 February") << "31-Feb-2026" << QDate();
    QTest::newRow("29 February, no leap year") << "29/02/2026" << QDate();
    QTest::newRow("month 13") << "01-13-2026" << QDate();
    QTest::newRow("unknown month") << "06-Dek-2026" << QDate();
    QTest::newRow("mixed separators") << "06/12-2026" << QDate();
    QTest::newRow("two-digit year") << "06-Dec-26" << QDate();
    QTest::newRow("words") << "tomorrow" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestChequeFormats::readsTheDateForms()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    const std::optional<QDate> parsed = parseChequeDate(text);
    QCOMPARE(parsed.value_or(QDate()), date);
}

void TestChequeFormats::writesTheEntryForm()
{
    QCOMPARE(formatChequeDate(QDate(2026, 12, 6)), QStringLiteral("06-Dec-2026"));
    QCOMPARE(formatChequeDate(QDate(2027, 5, 1)), QStringLiteral("01-May-2027"));
}

void TestChequeFormats::spreadsTheDateDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spread");
    QTest::newRow("31 December 2025") << "31-Dec-2025"
                                      << "3    1    1    2    2    0    2    5";
    QTest::newRow("5 March 2024") << "05/03/2024"
                                  << "0    5    0    3    2    0    2    4";
    QTest::newRow("not a date, eight characters of it") << "next week"
                                                        << "n    e    x    t         w    e    e";
    QTest::newRow("short text keeps every separator") << "abc"
                                                      << "a    b    c                    ";
}

void TestChequeFormats::spreadsTheDateDigits()
{
    QFETCH(QString, text);
    QFETCH(QString, spread);
    QCOMPARE(spreadDateDigits(text), spread);
    QCOMPARE(spreadDateDigits(text).count(QStringLiteral("    ")) >= 7, true);
}

void TestChequeFormats::formatsTheAmountFigures_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("figures");
    QTest::newRow("1234567") << "1234567"
                             << "=1,234,567/-";
    QTest::newRow("500") << "500"
                         << "=500/-";
    QTest::newRow("0") << "0"
                       << "=0/-";
    QTest::newRow("999999999") << "999999999"
                               << "=999,999,999/-";
    QTest::newRow("not a number") << "12a"
                                  << "12a";
    QTest::newRow("empty") << ""
                           << "";
}

void TestChequeFormats::formatsTheAmountFigures()
{
    QFETCH(QString, text);
    QFETCH(QString, figures);
    QCOMPARE(formatAmountFigures(text), figures);
}

QTEST_GUILESS_MAIN(TestChequeFormats)
#include "tst_ChequeFormats.moc"
