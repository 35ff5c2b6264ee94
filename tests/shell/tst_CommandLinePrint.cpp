#include "support/PdfWords.h"
#include "support/TestDatabase.h"

#include "store/DataSource.h"
#include "store/Database.h"

#include <QFile>
#include <QProcess>
#include <QTest>

using namespace quillset;
using namespace quillset::test;

// Prints through the real program's command line, as a script or a scheduled job would.
class TestCommandLinePrint : public QObject
{
    Q_OBJECT

private slots:
    void writesTheChequeToAPdf();
    void refusesWhatTheEntryWindowRefuses_data();
    void refusesWhatTheEntryWindowRefuses();
    void printWithoutAPrinterRecordsNothing();

private:
    struct Run
    {
        int exitCode = -1;
        QString said;
    };
    static Run run(const QStringList &arguments);
};

TestCommandLinePrint::Run TestCommandLinePrint::run(const QStringList &arguments)
{
    QProcess program;
    // No test reaches a real printer queue: this one has none.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("/nonexistent/cups.sock"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLSET_PROGRAM), arguments);
    if (!program.waitForFinished(60000))
        return {};
    return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardError())};
}

void TestCommandLinePrint::writesTheChequeToAPdf()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    TestDatabase::exec(QStringLiteral("UPDATE BankAccount SET BankID = ?"), {QStringLiteral("D'Costa & Co")});
    CloseDatabase(); // the program opens the file itself
    const QString pdf = db.folder() + QStringLiteral("/cheque.pdf");
    const Run result = run({QStringLiteral("--database"), db.path(), QStringLiteral("--pdf"), pdf,
                            QStringLiteral("--account"), QStringLiteral("D'Costa & Co"), QStringLiteral("--cheque"),
                            QStringLiteral("000123"), QStringLiteral("--pay"), QStringLiteral("ABC Traders"),
                            QStringLiteral("--date"), QStringLiteral("06-Dec-2026"), QStringLiteral("--amount"),
                            QStringLiteral("12345"), QStringLiteral("--no-stamp")});
    QVERIFY2(result.exitCode == 0, qPrintable(result.said));
    QStringList texts;
    for (const PdfWord &word : pdfWords(pdf))
        texts.append(word.text);
    QVERIFY2(texts.contains(QStringLiteral("Traders")) && texts.contains(QStringLiteral("=12,345/-"))
                 && texts.contains(QStringLiteral("TWELVE")),
             qPrintable(texts.join(u' ')));
}

void TestCommandLinePrint::refusesWhatTheEntryWindowRefuses_data()
{
    QTest::addColumn<QStringList>("cheque");
    QTest::addColumn<QString>("said");
    const auto cheque = [](const QString &account, const QString &amount, const QString &date) {
        QStringList arguments = {QStringLiteral("--cheque"), QStringLiteral("7"),         QStringLiteral("--pay"),
                                 QStringLiteral("X"),        QStringLiteral("--account"), account};
        if (!amount.isNull())
            arguments << QStringLiteral("--amount") << amount;
        if (!date.isNull())
            arguments << QStringLiteral("--date") << date;
        return arguments;
    };
    QTest::newRow("no such account") << cheque(QStringLiteral("NOPE"), QStringLiteral("5"),
                                               QStringLiteral("06-Dec-2026"))
                                     << "no bank account with the code \"NOPE\"";
    QTest::newRow("amount with letters") << cheque(QStringLiteral("ACC1"), QStringLiteral("12a"),
                                                   QStringLiteral("06-Dec-2026"))
                                         << "digits only";
    QTest::newRow("ten digits") << cheque(QStringLiteral("ACC1"), QStringLiteral("1234567890"),
                                          QStringLiteral("06-Dec-2026"))
                                << "at most 9";
    QTest::newRow("impossible date") << cheque(QStringLiteral("ACC1"), QStringLiteral("5"),
                                               QStringLiteral("31-Feb-2026"))
                                     << "is not a date";
    QTest::newRow("no amount") << cheque(QStringLiteral("ACC1"), QString(), QStringLiteral("06-Dec-2026"))
                               << "All the fields must be selected";
}

void TestCommandLinePrint::refusesWhatTheEntryWindowRefuses()
{
    QFETCH(QStringList, cheque);
    QFETCH(QString, said);
    TestDatabase db;
    QVERIFY(db.isReady());
    CloseDatabase();
    const QString pdf = db.folder() + QStringLiteral("/cheque.pdf");
    const Run result
        = run(QStringList {QStringLiteral("--database"), db.path(), QStringLiteral("--pdf"), pdf} + cheque);
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.said.contains(said), qPrintable(result.said));
    QVERIFY(!QFile::exists(pdf));
}

void TestCommandLinePrint::printWithoutAPrinterRecordsNothing()
{
    TestDatabase db;
    QVERIFY(db.isReady());
    CloseDatabase();
    const Run result = run({QStringLiteral("--database"), db.path(), QStringLiteral("--print"),
                            QStringLiteral("--account"), QStringLiteral("ACC1"), QStringLiteral("--cheque"),
                            QStringLiteral("9"), QStringLiteral("--pay"), QStringLiteral("X"), QStringLiteral("--date"),
                            QStringLiteral("2026-12-06"), QStringLiteral("--amount"), QStringLiteral("5")});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.said.contains(QStringLiteral("ERR:1101:No printer is installed")), qPrintable(result.said));
    OpenDatabase(db.path(), OdbcInstaller::none());
    QCOMPARE(TestDatabase::scalar(QStringLiteral("SELECT count(*) FROM Cheque")).toInt(), 0);
}

QTEST_GUILESS_MAIN(TestCommandLinePrint)
#include "tst_CommandLinePrint.moc"
