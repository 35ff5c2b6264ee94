// The register's dates and times set down by hand must be exactly what Qt writes: the history's
// chain hashes its times as written, and a report's CSV its dates.
#include "core/base/IsoDates.h"
#include "support/TestMain.h"

#include <QTest>

using namespace quillset;

class TestIsoDates : public QObject
{
    Q_OBJECT

private slots:
    void writesAsQtDoes_data();
    void writesAsQtDoes();
    void readsWhatTheDatabaseGives_data();
    void readsWhatTheDatabaseGives();
};

void TestIsoDates::writesAsQtDoes_data()
{
    QTest::addColumn<QDateTime>("moment");
    const QDate day(2026, 12, 6);
    QTest::newRow("UTC, whole second") << QDateTime(day, QTime(10, 0), Qt::UTC);
    QTest::newRow("milliseconds 5") << QDateTime(day, QTime(9, 8, 7, 5), Qt::UTC);
    QTest::newRow("milliseconds 999") << QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59, 999), Qt::UTC);
    QTest::newRow("an offset, another day in UTC")
        << QDateTime(QDate(2027, 1, 1), QTime(1, 30), Qt::OffsetFromUTC, 5 * 3600 + 1800);
    QTest::newRow("year 1") << QDateTime(QDate(1, 1, 1), QTime(0, 0), Qt::UTC);
    QTest::newRow("year 10000, as Qt") << QDateTime(QDate(10000, 1, 1), QTime(0, 0), Qt::UTC);
    QTest::newRow("none") << QDateTime();
}

void TestIsoDates::writesAsQtDoes()
{
    QFETCH(QDateTime, moment);
    QCOMPARE(isoUtcWithMs(moment), moment.toUTC().toString(Qt::ISODateWithMs));
    QString date = QStringLiteral("at ");
    appendIsoDate(date, moment.toUTC().date());
    QCOMPARE(date, QStringLiteral("at ") + moment.toUTC().date().toString(Qt::ISODate));
}

void TestIsoDates::readsWhatTheDatabaseGives_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("text") << QVariant(QStringLiteral("2026-12-06")) << QDate(2026, 12, 6);
    QTest::newRow("a date") << QVariant(QDate(2026, 2, 28)) << QDate(2026, 2, 28);
    QTest::newRow("no such day") << QVariant(QStringLiteral("2026-02-30")) << QDate();
    QTest::newRow("a time after it") << QVariant(QStringLiteral("2026-12-06T10:00:00")) << QDate(2026, 12, 6);
    QTest::newRow("not a date") << QVariant(QStringLiteral("06-12-2026")) << QDate();
    QTest::newRow("empty") << QVariant(QString()) << QDate();
}

void TestIsoDates::readsWhatTheDatabaseGives()
{
    QFETCH(QVariant, value);
    QFETCH(QDate, expected);
    QCOMPARE(isoDateIn(value), expected);
}

QUILLSET_TEST_MAIN(TestIsoDates, QCoreApplication)
#include "tst_IsoDates.moc"
