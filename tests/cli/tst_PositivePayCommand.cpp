#include "support/CsvReading.h"
#include "support/DataRows.h"
#include "support/Examples.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "cli/CommandOutput.h"
#include "store/PositivePayRegister.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

using namespace quillset;
using namespace quillset::test;
using namespace Qt::Literals::StringLiterals;

// quillset --positive-pay as a script runs it: what it says, how it ends, the file it writes, and the
// batch's warning of cheques the bank was not told of.
class TestPositivePayCommand : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saysWhatItDidOrWhy_data();
    void saysWhatItDidOrWhy();
    void fileIsTheRegistersAndEachCopyIsRecorded();
    void batchWarnsOnStandardErrorAndGoesOn_data();
    void batchWarnsOnStandardErrorAndGoesOn();
    void oneChequeWarnsOnStandardErrorAndGoesOn_data();
    void oneChequeWarnsOnStandardErrorAndGoesOn();

private:
    /// Runs the program on the test's database; OUT in the arguments is a file in its folder.
    int run(const QString &arguments);
    QString out() const { return QDir(m_db->folder()).filePath(u"out.csv"_s); }
    void setAccount(const QString &layout, std::optional<qint64> from = std::nullopt) const;
    qint64 printed(const QString &number, const QString &payee, qint64 units, const QDate &date) const;

    std::unique_ptr<TestDatabase> m_db;
    QString m_output;
    QString m_errors;
    qint64 m_second = 0; ///< the register's row of 000102
};

void TestPositivePayCommand::init()
{
    m_db = std::make_unique<TestDatabase>(Backend::Sqlite);
    QVERIFY(m_db->isReady());
    printed(u"000101"_s, u"Mehta, \"Senior\" Traders"_s, 7500050, QDate(2026, 12, 1));
    m_second = printed(u"000102"_s, u"Second"_s, 100, QDate(2026, 12, 3));
}

void TestPositivePayCommand::cleanup()
{
    m_db.reset();
}

void TestPositivePayCommand::setAccount(const QString &layout, std::optional<qint64> from) const
{
    const BankAccountRecord read = *m_db->store().accounts().find(u"ACC1"_s);
    BankAccountRecord edited = read;
    edited.money.subunitDigits = 2;
    edited.positivePayLayout = layout;
    edited.limits.positivePayFrom = from;
    m_db->store().accounts().update(read, edited);
}

qint64 TestPositivePayCommand::printed(const QString &number, const QString &payee, qint64 units,
                                       const QDate &date) const
{
    MoneyStyle money;
    money.subunitDigits = 2;
    const Cheque cheque {u"ACC1"_s, number, payee, date, {units, money}, false, QString()};
    const qint64 id = m_db->store().cheques().addPending(cheque, u"test"_s);
    m_db->store().cheques().markPrinted(id);
    return id;
}

int TestPositivePayCommand::run(const QString &arguments)
{
    m_db->close();
    QStringList words = arguments.split(u' ', Qt::SkipEmptyParts);
    words.replaceInStrings(QRegularExpression(u"^OUT$"_s), out());
    words << u"--database"_s << m_db->path();
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"CUPS_SERVER"_s, u"/nonexistent/cups.sock"_s);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUILLSET_PROGRAM), words);
    const bool ended = process.waitForFinished(30000);
    m_output = QString::fromUtf8(process.readAllStandardOutput());
    m_errors = QString::fromUtf8(process.readAllStandardError());
    [&] { QVERIFY(m_db->reopen()); }();
    return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void TestPositivePayCommand::saysWhatItDidOrWhy_data()
{
    QTest::addColumn<bool>("layout");
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    row("since last", true, u"--positive-pay --account acc1 --since-last --out OUT"_s, 0, u"2 cheque(s) written to "_s);
    row("a range", true, u"--positive-pay --account ACC1 02-12-2026 07-12-2026 --out OUT"_s, 0,
        u"1 cheque(s) written to "_s);
    row("no layout", false, u"--positive-pay --account ACC1 --since-last --out OUT"_s, 1,
        u"has no Positive Pay layout. Set one in the bank window"_s);
    row("no such account", true, u"--positive-pay --account NOPE --since-last --out OUT"_s, 1,
        u"no bank account with the code \"NOPE\""_s);
    row("no account", true, u"--positive-pay --since-last --out OUT"_s, 64, u"needs the account"_s);
    row("no file", true, u"--positive-pay --account ACC1 --since-last"_s, 64, u"--out FILE"_s);
    row("neither way", true, u"--positive-pay --account ACC1 --out OUT"_s, 64, u"either --since-last or"_s);
    row("both ways", true, u"--positive-pay --account ACC1 --since-last 01-12-2026 07-12-2026 --out OUT"_s, 64,
        u"either --since-last or"_s);
    row("a date that is none", true, u"--positive-pay --account ACC1 31-02-2026 07-12-2026 --out OUT"_s, 64,
        u"31-02-2026"_s);
    row("with a cheque's print", true, u"--positive-pay --account ACC1 --since-last --out OUT --pdf x.pdf"_s, 64,
        u"--positive-pay goes alone"_s);
}

void TestPositivePayCommand::saysWhatItDidOrWhy()
{
    QFETCH(bool, layout);
    QFETCH(QString, arguments);
    QFETCH(QString, said);
    QFETCH(int, status);
    if (layout)
        setAccount(example(u"positive-pay-india.json"_s));
    QCOMPARE(run(arguments), status);
    const QString told = m_output + m_errors;
    QVERIFY2(told.contains(said), qPrintable(told));
    // A file is written only when it succeeds, and said on standard output.
    QCOMPARE(QFile::exists(out()), status == 0);
}

void TestPositivePayCommand::fileIsTheRegistersAndEachCopyIsRecorded()
{
    setAccount(example(u"positive-pay-us.json"_s));
    QCOMPARE(run(u"--positive-pay --account ACC1 --since-last --out OUT"_s), 0);
    const QList<IssuedCheque> register_ = PositivePayRegister(m_db->store().SharedConnection())
                                              .between(u"ACC1"_s, QDate(2026, 1, 1), QDate(2026, 12, 31));
    const QList<QStringList> rows = pythonCsvRows(out());
    QCOMPARE(rows.size(), register_.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const IssuedCheque &cheque = register_.at(i);
        QCOMPARE(
            rows.at(i),
            (QStringList {u"012345678901"_s, cheque.chequeNo,
                          u"%1.%2"_s.arg(cheque.amount.units / 100).arg(cheque.amount.units % 100, 2, 10, QChar(u'0')),
                          cheque.date.toString(u"MM/dd/yyyy"_s), cheque.payee, QString()}));
    }
    QFile file(out());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString hash
        = QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
    QVERIFY2(m_output.contains(hash), qPrintable(m_output));
    for (const IssuedCheque &cheque : register_)
        QVERIFY(m_db->store().history().ofCheque(cheque.id).last().reason.contains(hash));
    // Nothing changed since: the next file holds no cheque, and says so.
    QCOMPARE(run(u"--positive-pay --account ACC1 --since-last --out OUT"_s), 0);
    QVERIFY2(m_output.contains(u"0 cheque(s) written"_s), qPrintable(m_output));
    QCOMPARE(pythonCsvRows(out()).size(), 0);
}

void TestPositivePayCommand::batchWarnsOnStandardErrorAndGoesOn_data()
{
    QTest::addColumn<qint64>("threshold");
    QTest::addColumn<bool>("reported");
    QTest::addColumn<bool>("warned");
    row("above the threshold, not reported", qint64(50000), false, true);
    row("reported", qint64(50000), true, false);
    row("below the threshold", qint64(75001), false, false);
}

void TestPositivePayCommand::batchWarnsOnStandardErrorAndGoesOn()
{
    QFETCH(qint64, threshold);
    QFETCH(bool, reported);
    QFETCH(bool, warned);
    setAccount(example(u"positive-pay-india.json"_s), threshold);
    if (reported)
        QCOMPARE(run(u"--positive-pay --account ACC1 --since-last --out OUT"_s), 0);
    const QString batch = QDir(m_db->folder()).filePath(u"run.csv"_s);
    QFile file(batch);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Pay,Amount,Date\nOne,5,08-Dec-2026\n") > 0);
    file.close();
    QCOMPARE(run(u"--batch %1 --check --account ACC1"_s.arg(batch)), 0);
    QVERIFY2(m_output.contains(u"is clean"_s), qPrintable(m_output + m_errors));
    QCOMPARE(m_errors.contains(u"000101"_s) && m_errors.contains(u"not been reported to the bank"_s), warned);
    // Said as --print says a warning it prints despite, so a script reads both alike.
    QCOMPARE(m_errors.contains(u"quillset: warning: "_s), warned);
    QVERIFY(!m_output.contains(u"not been reported"_s));
}

void TestPositivePayCommand::oneChequeWarnsOnStandardErrorAndGoesOn_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<qint64>("threshold");
    QTest::addColumn<bool>("reported");
    QTest::addColumn<bool>("warned");
    const QString print = u"--print --account ACC1 --cheque 000103 --pay One --date 08-Dec-2026 --amount 5"_s;
    const QString reprint = u"--reprint --account ACC1 --cheque 000102"_s;
    row("--print, above the threshold, not reported", print, qint64(50000), false, true);
    row("--print, reported", print, qint64(50000), true, false);
    row("--print, below the threshold", print, qint64(75001), false, false);
    row("--reprint, above the threshold, not reported", reprint, qint64(50000), false, true);
    row("--reprint, below the threshold", reprint, qint64(75001), false, false);
}

void TestPositivePayCommand::oneChequeWarnsOnStandardErrorAndGoesOn()
{
    QFETCH(QString, command);
    QFETCH(qint64, threshold);
    QFETCH(bool, reported);
    QFETCH(bool, warned);
    setAccount(example(u"positive-pay-india.json"_s), threshold);
    if (reported)
        QCOMPARE(run(u"--positive-pay --account ACC1 --since-last --out OUT"_s), 0);
    m_db->store().cheques().markVoid(m_second, u"torn"_s);
    // No print server answers: the print goes on past the warning to look for the printer.
    QCOMPARE(run(command), int(ExitStatus::Failed));
    const qsizetype warning = m_errors.indexOf(u"quillset: warning: 1 cheque(s) of the account \"ACC1\""_s);
    QCOMPARE(warning >= 0 && m_errors.indexOf(u"000101"_s, warning) > warning, warned);
    QVERIFY2(m_errors.indexOf(u"No printer is installed"_s) > warning, qPrintable(m_errors));
    QVERIFY(!m_output.contains(u"not been reported"_s));
}

QUILLSET_TEST_MAIN(TestPositivePayCommand, QCoreApplication)

#include "tst_PositivePayCommand.moc"
