#include "support/DataRows.h"
#include "support/PdfWords.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/banks/LayoutFile.h"
#include "core/batch/BatchFile.h"
#include "core/issue/ChequeBookLife.h"
#include "store/DataSource.h"
#include "store/Store.h"
#include "store/SystemParameters.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStringEncoder>

#include <unistd.h>

using namespace quillset;
using namespace quillset::test;

// Starts the real program as an operator, a script or an installer would, and reads what it says.
class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void unusableDatabaseIsNamedAndEndsTheProgram_data();
    void unusableDatabaseIsNamedAndEndsTheProgram();
    void noDisplayIsSaidPlainly();
    void upgradeSaysItsProgressAndWhatItRounded();
    void aProofIsWrittenOrRefusedAsTheWindowWould_data();
    void aProofIsWrittenOrRefusedAsTheWindowWould();
    void aProofIsCrossedWithTheAccountsOrItsOwnWords_data();
    void aProofIsCrossedWithTheAccountsOrItsOwnWords();
    void wrongWordsAreAUsageError_data();
    void wrongWordsAreAUsageError();
    void initialiseMakesANewDatabaseOnly();
    void backupAndRestoreKeepEveryCheque();
    void aBackupGoesOnlyOverAnEarlierOne_data();
    void aBackupGoesOnlyOverAnEarlierOne();
    void workstationKeepsItsChoiceOfDatabase();
    void proofNeverGoesOverAnotherFile_data();
    void proofNeverGoesOverAnotherFile();
    void settlesAsTypedAndOnlyWhatMayBe_data();
    void settlesAsTypedAndOnlyWhatMayBe();
    void datesThatNeedASecondLook_data();
    void datesThatNeedASecondLook();
    void whatTheRegisterHoldsIsPrintedAgainOnlyWhenConfirmed_data();
    void whatTheRegisterHoldsIsPrintedAgainOnlyWhenConfirmed();
    void numbersOutsideTheBooksNeedConfirming_data();
    void numbersOutsideTheBooksNeedConfirming();
    void writesTheReportWithoutWindows_data();
    void writesTheReportWithoutWindows();
    void accountCodeIsTheSameInAnyCapitals_data();
    void accountCodeIsTheSameInAnyCapitals();
    void messagesSpeakOfTheCommandNotAWindow_data();
    void messagesSpeakOfTheCommandNotAWindow();
    void batchFilesAreReadAsOfficesWriteThem_data();
    void batchFilesAreReadAsOfficesWriteThem();
    void installsWithItsFilesAndKeepsTheOfficesData();
    void readOnlyInstallKeepsDataInTheUsersFolder();

private:
    int run(const QString &program, const QStringList &arguments, const QStringList &unset = {},
            const QStringList &runAs = {});
    int quillset(const QStringList &arguments) { return run(QStringLiteral(QUILLSET_PROGRAM), arguments); }
    /// Runs the program on the database, which is closed for it.
    int runOn(TestDatabase &db, const QStringList &arguments);
    /// The same, the arguments apart by blanks, with LAYOUT, BATCH and OUT made the paths of those
    /// files in the database's folder (OUT named `out`).
    int runWithFiles(TestDatabase &db, const QString &arguments, const QString &out = QStringLiteral("out.pdf"));
    /// A proof of a cheque of ACC1 into the PDF file.
    static QStringList cheque(const QString &pdf);
    /// Writes ACC1's layout to leaf.json and `batch` to run.csv in the database's folder.
    static bool writeLayoutAndBatch(TestDatabase &db, const QByteArray &batch);

    QString m_said;
    QTemporaryDir m_prefix; // where the program is installed
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
};

void TestProgram::initTestCase()
{
    // None of these runs may reach a real printer queue.
    m_environment.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("/nonexistent/cups.sock"));
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
}

int TestProgram::run(const QString &program, const QStringList &arguments, const QStringList &unset,
                     const QStringList &runAs)
{
    QProcess process;
    QProcessEnvironment environment = m_environment;
    for (const QString &variable : unset)
        environment.remove(variable);
    process.setProcessEnvironment(environment);
    if (runAs.isEmpty())
        process.start(program, arguments);
    else
        process.start(runAs.first(), runAs.mid(1) + QStringList {program} + arguments);
    if (!process.waitForFinished(120000))
        return -1;
    m_said = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
    return process.exitCode();
}

int TestProgram::runOn(TestDatabase &db, const QStringList &arguments)
{
    db.close();
    return quillset(arguments + QStringList {QStringLiteral("--database"), db.path()});
}

int TestProgram::runWithFiles(TestDatabase &db, const QString &arguments, const QString &out)
{
    QStringList words = arguments.split(u' ');
    words.replaceInStrings(QStringLiteral("LAYOUT"), db.folder() + QStringLiteral("/leaf.json"));
    words.replaceInStrings(QStringLiteral("BATCH"), db.folder() + QStringLiteral("/run.csv"));
    words.replaceInStrings(QStringLiteral("OUT"), db.folder() + u'/' + out);
    return runOn(db, words);
}

QStringList TestProgram::cheque(const QString &pdf)
{
    QStringList words
        = QStringLiteral("--pdf PDF --account ACC1 --cheque 1 --pay X --date 06-Dec-2026 --amount 5").split(u' ');
    words.replace(1, pdf);
    return words;
}

bool TestProgram::writeLayoutAndBatch(TestDatabase &db, const QByteArray &batch)
{
    QFile layout(db.folder() + QStringLiteral("/leaf.json"));
    QFile rows(db.folder() + QStringLiteral("/run.csv"));
    return layout.open(QIODevice::WriteOnly)
        && layout.write(layoutDocument(*db.store().accounts().find(QStringLiteral("ACC1")))) > 0
        && rows.open(QIODevice::WriteOnly) && rows.write(batch) == batch.size();
}

void TestProgram::unusableDatabaseIsNamedAndEndsTheProgram_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file at all
    QTest::addColumn<QString>("cause");
    QByteArray access(4096, '\0');
    access.replace(4, 15, QByteArray("Standard Jet DB"));
    row("missing", QByteArray(), "does not exist");
    row("Access format", access, "Access-format");
    row("damaged", QByteArray("SQLite format 3\0garbage garbage garbage", 40).repeated(200), "damaged");
}

void TestProgram::unusableDatabaseIsNamedAndEndsTheProgram()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, cause);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Records.mdb"));
    if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QCOMPARE(quillset({QStringLiteral("--database"), path}), 1);
    QVERIFY2(m_said.contains(path) && m_said.contains(cause), qPrintable(m_said));
    QCOMPARE(QFile::exists(path), !content.isNull());
}

void TestProgram::noDisplayIsSaidPlainly()
{
    QCOMPARE(run(QStringLiteral(QUILLSET_PROGRAM), {},
                 {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("QT_QPA_PLATFORM")}),
             1);
    QVERIFY2(m_said.contains(QStringLiteral("no display")) && !m_said.contains(QStringLiteral("plugin")),
             qPrintable(m_said));
}

// A register of the release before, with amounts finer than their account's money, is upgraded by
// the first command that opens it: it says how far it has come and which amounts it rounded.
void TestProgram::upgradeSaysItsProgressAndWhatItRounded()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Records.mdb"));
    QVERIFY(QFile::copy(QStringLiteral(QUILLSET_TEST_DATA "/records-v8.mdb"), path));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    const QString csv = folder.filePath(QStringLiteral("r.csv"));
    QCOMPARE(quillset({QStringLiteral("--database"), path, QStringLiteral("--report"), QStringLiteral("01-Nov-2026"),
                       QStringLiteral("30-Nov-2026"), QStringLiteral("--csv"), csv}),
             0);
    for (const QString &said :
         {QStringLiteral("upgrading the database: 0% done"), QStringLiteral("upgrading the database: 100% done"),
          QStringLiteral("2 row(s) could not be kept exactly"),
          QStringLiteral("Cheque 000120 of \"ACC1\": the amount 1500.5 has more decimals than the account's 0 and is "
                         "kept as 1501."),
          QStringLiteral("table UpgradeNote")})
        QVERIFY2(m_said.contains(said), qPrintable(m_said));
    QFile report(csv);
    QVERIFY(report.open(QIODevice::ReadOnly));
    QVERIFY(report.readAll().contains("2026-11-02,ACC1,000120,Ramesh Traders,1501,printed"));
}

void TestProgram::aProofIsWrittenOrRefusedAsTheWindowWould_data()
{
    QTest::addColumn<int>("digits"); // the account's decimals
    QTest::addColumn<int>("replaced"); // which argument of the cheque is replaced
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said"); // words of the proof, apart by blanks, or part of the refusal
    const QString refused = QStringLiteral("The amount %1, but the account \"D'Costa & Co\" takes %2");
    row("whole rupees", 0, 11, "12345", 0, "=12,345/- TWELVE");
    row("paise", 2, 11, "1234.5", 0, "=1,234.50/-");
    row("fils", 3, 11, "12.345", 0, "=12.345/-");
    row("too many decimals", 2, 11, "1.234", 1,
        refused.arg(QStringLiteral("1.234 has 3 decimals"), QStringLiteral("2 decimals")));
    row("decimals on a whole-rupee account", 0, 11, "10.5", 1,
        refused.arg(QStringLiteral("10.5 has 1 decimal"), QStringLiteral("no decimals")));
    row("no such account", 0, 3, "NOPE", 1, "no bank account with the code \"NOPE\"");
    row("amount with letters", 0, 11, "12a", 1, "digits only");
    row("ten digits", 0, 11, "1234567890", 1, "at most 9");
    row("impossible date", 0, 9, "31-Feb-2026", 1, "is not a date");
    row("empty payee", 0, 7, "", 1, "All the fields must be selected");
    row("a payee on two lines", 0, 7, "Line One\nLine Two", 1,
        "The payee holds a line break, which a cheque cannot print");
    row("a tab in the payee", 0, 7, "Tab\tGap", 1, "The payee holds a tab");
    row("a number that is not digits", 0, 5, "A-12", 1, "The cheque number \"A-12\" must be digits only");
    // Set in a face that has the script; nothing is said about the cheque's own face lacking it.
    row("a payee in Devanagari", 0, 7, "\u0930\u093E\u092E \u091F\u094D\u0930\u0947\u0921\u0930\u094D\u0938", 0,
        "FIVE");
}

// On an account whose code holds a quote and an ampersand, as an office may name one.
void TestProgram::aProofIsWrittenOrRefusedAsTheWindowWould()
{
    QFETCH(int, digits);
    QFETCH(int, replaced);
    QFETCH(QString, value);
    QFETCH(int, status);
    QFETCH(QString, said);
    TestDatabase db;
    QVERIFY(db.isReady());
    db.exec(QStringLiteral("UPDATE BankAccount SET BankID = ?, SubunitDigits = ?"),
            {QStringLiteral("D'Costa & Co"), digits});
    const QString pdf = db.folder() + QStringLiteral("/cheque.pdf");
    QStringList arguments = cheque(pdf);
    arguments.replace(3, QStringLiteral("D'Costa & Co"));
    arguments.replace(replaced, value);
    QCOMPARE(runOn(db, arguments), status);
    QCOMPARE(QFile::exists(pdf), status == 0);
    if (status != 0) {
        QVERIFY2(m_said.contains(said), qPrintable(m_said));
        return;
    }
    const QStringList printed = pdfTexts(pdf);
    for (const QString &word : said.split(u' '))
        QVERIFY2(printed.contains(word), qPrintable(printed.join(u' ')));
    // A script reads every line the program writes: each is about the cheque.
    QVERIFY2(!m_said.contains(QStringLiteral("OpenType")), qPrintable(m_said));
}

void TestProgram::aProofIsCrossedWithTheAccountsOrItsOwnWords_data()
{
    QTest::addColumn<QString>("given"); // after --crossing; "-" for no --crossing at all
    QTest::addColumn<QString>("crossed"); // the stamp's words, blanks aside; empty: none
    QTest::newRow("the account's words") << "-"
                                         << "NotNegotiable";
    QTest::newRow("the cheque's own") << "A/c Payee Only"
                                      << "A/cPayeeOnly";
    QTest::newRow("the lines alone") << ""
                                     << "";
}

void TestProgram::aProofIsCrossedWithTheAccountsOrItsOwnWords()
{
    QFETCH(QString, given);
    QFETCH(QString, crossed);
    TestDatabase db;
    QVERIFY(db.isReady());
    db.exec(QStringLiteral("UPDATE BankAccount SET CrossingWords = 'Not Negotiable'"));
    // Set along the diagonal, the stamp's words come out of the PDF a letter or two at a time, in no
    // set order: they are the letters the crossed proof has beyond the same proof uncrossed.
    const auto letters = [&](const QStringList &crossing) {
        const QString pdf = db.folder() + QStringLiteral("/cheque.pdf");
        if (runOn(db, cheque(pdf) + crossing) != 0)
            return QStringLiteral("(refused: %1)").arg(m_said);
        QString all = pdfTexts(pdf).join(QString());
        std::sort(all.begin(), all.end());
        return all;
    };
    QStringList crossing {QStringLiteral("--stamp")};
    if (given != QLatin1String("-"))
        crossing << QStringLiteral("--crossing") << given;
    QString extra = letters(crossing);
    for (const QChar c : letters({QStringLiteral("--no-stamp")}))
        extra.remove(extra.indexOf(c), extra.contains(c) ? 1 : 0);
    std::sort(crossed.begin(), crossed.end());
    QCOMPARE(extra, crossed);
}

void TestProgram::wrongWordsAreAUsageError_data()
{
    QTest::addColumn<QString>("arguments"); // apart by blanks
    QTest::addColumn<QString>("said");
    row("unknown option", "--colour", "Unknown option 'colour'");
    row("stray word", "print", "\"print\" is not an option");
    row("print and pdf", "--print --pdf x.pdf", "cannot go together");
    row("stamp and no stamp", "--pdf x.pdf --stamp --no-stamp", "cannot go together");
    row("a crossing's words and no stamp", "--pdf x.pdf --crossing Negotiable --no-stamp", "cannot go with --no-stamp");
    row("a crossing's words for a batch", "--batch b.csv --check --crossing Negotiable",
        "--crossing does not go with it");
    row("initialise without a place", "--initialise", "needs --database");
    // Without a command the windows would open and wait, with the script's cheque never printed.
    row("a cheque without a command", "--account ACC1 --cheque 1 --pay A --date 08-Dec-2026 --amount 1",
        "--account needs a command, such as --print or --pdf FILE");
    row("a check without a batch", "--check", "--check needs a command");
    row("a reason alone", "--reason jammed", "--reason needs a command");
    // Every command checks the words, asked for or not: an option of another command, and two
    // commands that cannot go together, are refused before anything is done.
    row("an option of a command not asked for", "--pdf x.pdf --csv y.csv", "--csv goes with --report.");
    row("two commands", "--report 01-Dec-2026 31-Dec-2026 --csv y.csv --mark printed",
        "--report cannot go with --print or --mark.");
    row("an unknown settlement beside a command on files",
        "--mark bogus --account ACC1 --cheque 000001 --export-layout ACC1 leaf.json",
        "--mark takes printed, spoiled, void or unprinted, not \"bogus\"");
    row("a command that goes alone", "--copy-database a.mdb b.mdb --initialise",
        "--copy-database goes alone; it cannot go with --initialise.");
    row("a backup and the daily one", "--backup b.mdb --daily-backup",
        "Only one of --backup, --restore and --daily-backup can be given.");
    row("over the limit without a reason", "--print --account ACC1 --cheque 1 --confirm-over-limit",
        "--confirm-over-limit needs the reason");
    row("over the limit on a proof", "--pdf x.pdf --account ACC1 --confirm-over-limit --reason why",
        "--confirm-over-limit goes with --print or --reprint.");
    row("a reprint without its cheque", "--reprint --account ACC1", "--reprint needs the spoiled or void cheque's");
    row("a reprint with a new payee", "--reprint --account ACC1 --cheque 7 --pay X",
        "--reprint takes the cheque from the register; --pay does not go with it.");
}

void TestProgram::wrongWordsAreAUsageError()
{
    QFETCH(QString, arguments);
    QFETCH(QString, said);
    QCOMPARE(quillset(arguments.split(u' ')), 64);
    QVERIFY2(m_said.contains(said), qPrintable(m_said));
}

void TestProgram::initialiseMakesANewDatabaseOnly()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("New.mdb"));
    const QStringList initialise = {QStringLiteral("--database"), path, QStringLiteral("--initialise")};
    QCOMPARE(quillset(initialise), 0);
    {
        const std::unique_ptr<Store> store = Store::OpenDatabase(path, OdbcInstaller::none());
        QVERIFY(store->accounts().codes().isEmpty()); // the sample account only when asked for
        QCOMPARE(store->parameters().GetSystemParameter(QStringLiteral("CequePosition")), QStringLiteral("0"));
        exec(*store, QStringLiteral("INSERT INTO BankAccount (BankID) VALUES ('A')"));
        exec(*store,
             QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) "
                            "VALUES ('A', '1', 5, 'Kept', '2026-12-06')"));
    }
    // Never over a file that is there.
    QCOMPARE(quillset(initialise), 1);
    QVERIFY2(m_said.contains(QStringLiteral("exists already")), qPrintable(m_said));
    QCOMPARE(
        scalar(*Store::OpenDatabase(path, OdbcInstaller::none()), QStringLiteral("SELECT Pay FROM Cheque")).toString(),
        QStringLiteral("Kept"));
}

void TestProgram::backupAndRestoreKeepEveryCheque()
{
    TestDatabase db(Backend::Sqlite);
    const auto write = [&](const Store &store, const QString &number) {
        store.cheques().record({QStringLiteral("ACC1"), number, QStringLiteral("Payee ") + number, QDate(2026, 12, 6),
                                Money {100, {}}, false});
    };
    const auto numbers = [](const QString &path) {
        return scalar(*Store::OpenDatabase(path, OdbcInstaller::none()),
                      QStringLiteral("SELECT group_concat(ChequeNo, ' ') FROM (SELECT ChequeNo FROM Cheque ORDER "
                                     "BY Id)"))
            .toString();
    };
    write(db.store(), QStringLiteral("000101"));
    write(db.store(), QStringLiteral("000102"));
    const QString backup = db.folder() + QStringLiteral("/backup.mdb");
    const QString tampered = db.folder() + QStringLiteral("/tampered.mdb");
    // Taken while the register is open in another program, as a copy of one moment.
    for (const QString &file : {backup, tampered})
        QCOMPARE(quillset({QStringLiteral("--database"), db.path(), QStringLiteral("--backup"), file}), 0);
    QCOMPARE(numbers(backup), QStringLiteral("000101 000102"));
    QVERIFY(!QFile::exists(backup + QStringLiteral(".partial")));
    exec(*Store::OpenDatabase(tampered, OdbcInstaller::none()),
         QStringLiteral("UPDATE Cheque SET Pay = 'Someone Else' WHERE ChequeNo = '000102'"));
    write(db.store(), QStringLiteral("000103"));

    // A copy edited outside the program is refused, and the register stays as it is.
    QCOMPARE(runOn(db, {QStringLiteral("--restore"), tampered}), 1);
    QVERIFY2(m_said.contains(QStringLiteral("does not agree with its own history"))
                 && m_said.contains(QStringLiteral("ACC1 cheque 000102")),
             qPrintable(m_said));
    QCOMPARE(numbers(db.path()), QStringLiteral("000101 000102 000103"));
    QVERIFY(!QFile::exists(db.path() + QStringLiteral(".before-restore")));

    // A copy whose pages are damaged is refused before anything is replaced, and the check of a
    // register so damaged says so instead of calling it clean.
    const QString damaged = db.folder() + QStringLiteral("/damaged.mdb");
    QVERIFY(QFile::copy(backup, damaged));
    {
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.size() > 9 * 4096);
        QVERIFY(file.seek(5 * 4096));
        QCOMPARE(file.write(QByteArray(3 * 4096, char(0xA5))), 3 * 4096);
    }
    QCOMPARE(runOn(db, {QStringLiteral("--restore"), damaged}), 1);
    QVERIFY2(m_said.contains(QStringLiteral("damaged")), qPrintable(m_said));
    QCOMPARE(numbers(db.path()), QStringLiteral("000101 000102 000103"));
    QVERIFY(quillset({QStringLiteral("--database"), damaged, QStringLiteral("--verify-register")}) != 0);
    QVERIFY2(m_said.contains(QStringLiteral("damaged")) && !m_said.contains(QStringLiteral("agrees")),
             qPrintable(m_said));

    // A pending cheque may be printing: the copy would lose it, and its number would print twice.
    QVERIFY(db.reopen());
    const qint64 printing
        = db.store().cheques().addPending({QStringLiteral("ACC1"), QStringLiteral("000104"),
                                           QStringLiteral("On Its Way"), QDate(2026, 12, 6), Money {100, {}}, false},
                                          QStringLiteral("test"));
    QCOMPARE(runOn(db, {QStringLiteral("--restore"), backup}), 1);
    QVERIFY2(m_said.contains(QStringLiteral("holds 1 pending cheque(s)")), qPrintable(m_said));
    QVERIFY(db.reopen());
    db.store().cheques().markPrinted(printing);

    QCOMPARE(runOn(db, {QStringLiteral("--restore"), backup}), 0);
    QCOMPARE(numbers(db.path()), QStringLiteral("000101 000102"));
    QCOMPARE(numbers(db.path() + QStringLiteral(".before-restore")), QStringLiteral("000101 000102 000103 000104"));
    // A second restore keeps the first one's register too.
    QCOMPARE(runOn(db, {QStringLiteral("--restore"), backup}), 0);
    QVERIFY2(m_said.contains(QStringLiteral(".before-restore-2")), qPrintable(m_said));
    QCOMPARE(numbers(db.path() + QStringLiteral(".before-restore")), QStringLiteral("000101 000102 000103 000104"));
    QCOMPARE(numbers(db.path() + QStringLiteral(".before-restore-2")), QStringLiteral("000101 000102"));

    // The daily copy, as a scheduled job writes it: once a day, into the folder Options names.
    QCOMPARE(runOn(db, {QStringLiteral("--daily-backup")}), 1);
    QVERIFY2(m_said.contains(QStringLiteral("No daily backup folder is set")), qPrintable(m_said));
    const QString folder = db.folder() + QStringLiteral("/daily");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(db.reopen());
    db.store().parameters().SetSystemParameter(Parameter::BackupFolder, folder);
    const QString today = folder + QStringLiteral("/Records-2026-12-08.mdb");
    QCOMPARE(runOn(db, {QStringLiteral("--daily-backup")}), 0);
    QCOMPARE(m_said.trimmed(), QStringLiteral("Backed up the register to ") + today);
    QCOMPARE(numbers(today), QStringLiteral("000101 000102"));
    QCOMPARE(runOn(db, {QStringLiteral("--daily-backup")}), 0);
    QCOMPARE(m_said.trimmed(), QStringLiteral("Today's backup %1 was already written.").arg(today));
}

void TestProgram::aBackupGoesOnlyOverAnEarlierOne_data()
{
    QTest::addColumn<QString>("there"); // what the backup's name holds already
    QTest::addColumn<bool>("written");
    row("an earlier backup", "earlier", true);
    row("an empty file", "empty", true);
    row("a copy that went on by itself", "went on", false);
    row("another register", "another", false);
    row("a CSV", "csv", false);
    row("a folder", "folder", false);
}

void TestProgram::aBackupGoesOnlyOverAnEarlierOne()
{
    QFETCH(QString, there);
    QFETCH(bool, written);
    TestDatabase db(Backend::Sqlite);
    const auto write = [](const QString &path, const QString &number) {
        Store::OpenDatabase(path, OdbcInstaller::none())
            ->cheques()
            .record(
                {QStringLiteral("ACC1"), number, QStringLiteral("Payee"), QDate(2026, 12, 6), Money {100, {}}, false});
    };
    const QString backup = db.folder() + QStringLiteral("/backup.mdb");
    db.close();
    write(db.path(), QStringLiteral("000101"));
    if (there == QLatin1String("earlier") || there == QLatin1String("went on"))
        QCOMPARE(quillset({QStringLiteral("--database"), db.path(), QStringLiteral("--backup"), backup}), 0);
    if (there == QLatin1String("went on"))
        write(backup, QStringLiteral("000999"));
    if (there == QLatin1String("another"))
        QCOMPARE(quillset({QStringLiteral("--database"), backup, QStringLiteral("--initialise")}), 0);
    if (there == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(backup));
    QFile file(backup);
    if (there == QLatin1String("empty") || there == QLatin1String("csv")) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(there == QLatin1String("csv") ? "Date,Account\r\n" : "");
        file.close();
    }
    const auto content = [&] {
        QFile read(backup);
        return read.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(read.readAll(), QCryptographicHash::Sha256)
                                              : QByteArray();
    };
    const QByteArray before = content();
    write(db.path(), QStringLiteral("000102"));

    const int status = quillset({QStringLiteral("--database"), db.path(), QStringLiteral("--backup"), backup});
    if (written) {
        QCOMPARE(status, 0);
        QCOMPARE(scalar(*Store::OpenDatabase(backup, OdbcInstaller::none()),
                        QStringLiteral("SELECT group_concat(ChequeNo, ' ') FROM Cheque"))
                     .toString(),
                 QStringLiteral("000101 000102"));
    } else {
        QCOMPARE(status, 1);
        QVERIFY2(m_said.contains(QStringLiteral("is there already and is not an earlier backup of this register")),
                 qPrintable(m_said));
        QCOMPARE(content(), before);
    }
}

void TestProgram::workstationKeepsItsChoiceOfDatabase()
{
    // The office's register is on the server; this workstation is told once to start on it.
    const ServerDatabase server;
    QVERIFY(server.isReady());
    QCOMPARE(quillset({QStringLiteral("--database"), server.location(), QStringLiteral("--initialise"),
                       QStringLiteral("--sample-account")}),
             0);
    exec(*Store::OpenDatabase(server.location(), OdbcInstaller::none()),
         QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES ('ACC1', '000001', 5, "
                        "'On The Server', '2026-12-06')"));
    QCOMPARE(quillset({QStringLiteral("--database"), server.location(), QStringLiteral("--remember-database")}), 0);
    QVERIFY2(m_said.contains(QStringLiteral("now starts on")), qPrintable(m_said));

    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("register.csv"));
    const QStringList report = {QStringLiteral("--report"), QStringLiteral("01-Dec-2026"),
                                QStringLiteral("31-Dec-2026"), QStringLiteral("--csv"), csv};
    QVERIFY2(quillset(report) == 0, qPrintable(m_said));
    QFile written(csv);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("On The Server"));
    written.close();

    // A password is never kept: it belongs in libpq's password file.
    QString withPassword = server.location();
    withPassword.replace(QStringLiteral("quillset@"), QStringLiteral("quillset:s3cret@"));
    QCOMPARE(quillset({QStringLiteral("--database"), withPassword, QStringLiteral("--remember-database")}), 1);
    QVERIFY2(m_said.contains(QStringLiteral("password")), qPrintable(m_said));
    QFile settings(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + QStringLiteral("/Quillset/Quillset.conf"));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray kept = settings.readAll();
    QVERIFY2(kept.contains(server.name().toUtf8()) && !kept.contains("s3cret"), kept.constData());
    settings.close();

    QCOMPARE(quillset({QStringLiteral("--forget-database")}), 0);
    QCOMPARE(quillset(report), 0);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(!written.readAll().contains("On The Server")); // the delivered database beside the program
}

void TestProgram::proofNeverGoesOverAnotherFile_data()
{
    QTest::addColumn<QString>("target"); // "database", "text file", "earlier proof"
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    row("the database", "database", 1, "never written over it");
    row("a file that is not a PDF", "text file", 1, "is not a PDF file");
    row("an earlier proof", "earlier proof", 0, "");
    row("a folder that does not exist", "no folder", 1, "could not be written");
}

void TestProgram::proofNeverGoesOverAnotherFile()
{
    QFETCH(QString, target);
    QFETCH(int, status);
    QFETCH(QString, said);
    TestDatabase db;
    QVERIFY(db.isReady());
    QString path = db.folder() + QStringLiteral("/target");
    if (target == QLatin1String("database"))
        path = db.path();
    if (target == QLatin1String("no folder"))
        path = db.folder() + QStringLiteral("/gone/proof.pdf");
    if (target == QLatin1String("text file") || target == QLatin1String("earlier proof")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(target == QLatin1String("earlier proof") ? "%PDF-1.4 an earlier proof" : "the office's notes");
    }
    QFile original(path);
    const QByteArray before = original.open(QIODevice::ReadOnly) ? original.readAll() : QByteArray();
    original.close();
    QCOMPARE(runOn(db, cheque(path)), status);
    QVERIFY2(m_said.contains(said), qPrintable(m_said));
    QCOMPARE(original.open(QIODevice::ReadOnly), target != QLatin1String("no folder"));
    const QByteArray after = original.readAll();
    QCOMPARE(after == before, status != 0);
    if (status == 0)
        QVERIFY(after.startsWith("%PDF-") && after.size() > 1000);
    QVERIFY(db.reopen()); // the database itself is whole
}

void TestProgram::settlesAsTypedAndOnlyWhatMayBe_data()
{
    QTest::addColumn<QString>("how"); // --mark printed, spoiled, void..., or a batch checked
    QTest::addColumn<QString>("number"); // as --cheque, or in the batch's Cheque column
    QTest::addColumn<QString>("reason"); // --reason, unless empty
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("cheques"); // the register afterwards, 000777 printed and 000041 pending before
    const QString before = QStringLiteral("000777 printed, 000041 pending");
    row("full-width digits", "void", "７７７ ", "lost", 0, "is now void.", "000777 void lost, 000041 pending");
    row("a spoiled leaf as a person says its number", "spoiled", "７７８\t", "torn", 0,
        "Leaf 778 of \"ACC1\" is recorded as spoiled.", before + QStringLiteral(", 778 spoiled torn"));
    row("a spoiled leaf with a minus sign", "spoiled", "-1", "torn", 1, "The cheque number \"-1\" must be digits only",
        before);
    row("a spoiled leaf with a plus sign", "spoiled", "+778", "torn", 1,
        "The cheque number \"+778\" must be digits only", before);
    row("a pending cheque that jammed", "spoiled", "41", "jammed", 0, "Cheque 41 of \"ACC1\" is recorded as spoiled.",
        "000777 printed, 000041 spoiled jammed");
    row("a spoiled cheque needs a reason", "spoiled", "41", "", 1, "Say why", before);
    row("a pending cheque is never void", "void", "41", "lost", 1, "only a printed cheque can be void", before);
    row("a batch row in full-width digits", "batch", "７７７", "", 1,
        "Line 2, Cheque: Cheque number 777 is already in the register", before);
}

void TestProgram::settlesAsTypedAndOnlyWhatMayBe()
{
    QFETCH(QString, how);
    QFETCH(QString, number);
    QFETCH(QString, reason);
    QFETCH(int, status);
    QFETCH(QString, said);
    QFETCH(QString, cheques);
    TestDatabase db;
    QVERIFY(db.isReady());
    db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, Status, NumberKey) VALUES "
                           "('ACC1', '000777', 5, 'Paid', '2026-12-05', 'printed', '777'), "
                           "('ACC1', '000041', 5, 'Sent', '2026-12-05', 'pending', '41')"));
    QVERIFY(writeLayoutAndBatch(
        db, QStringLiteral("Pay,Amount,Date,Cheque\nAgain,5,06-Dec-2026,%1\n").arg(number).toUtf8()));
    QStringList arguments = {QStringLiteral("--account"), QStringLiteral("ACC1")};
    if (how == QLatin1String("batch"))
        arguments << QStringLiteral("--batch") << db.folder() + QStringLiteral("/run.csv") << QStringLiteral("--check");
    else
        arguments << QStringLiteral("--mark") << how << QStringLiteral("--cheque") << number;
    if (!reason.isEmpty())
        arguments << QStringLiteral("--reason") << reason;
    QCOMPARE(runOn(db, arguments), status);
    QVERIFY2(m_said.contains(said), qPrintable(m_said));
    QVERIFY(db.reopen());
    QCOMPARE(db.joined(QStringLiteral("SELECT ChequeNo || ' ' || Status || coalesce(' ' || Reason, '') FROM Cheque "
                                      "ORDER BY Id")),
             cheques);
}

void TestProgram::datesThatNeedASecondLook_data()
{
    // The program takes the tests' day as today, so the dates are counted from it.
    const QDate today = test::kTestToday;
    const auto named = [](const QDate &date) { return QLocale::c().toString(date, QStringLiteral("dd-MMM-yyyy")); };
    // A day above 12 on or before today, written month first.
    QDate late = today;
    while (late.day() <= 12)
        late = late.addDays(-1);
    const QString monthFirst = QLocale::c().toString(late, QStringLiteral("MM/dd/yyyy"));
    const QString stale = named(today.addMonths(-4));
    const QString ahead = named(today.addDays(10));
    const QString proof = QStringLiteral("--pdf OUT --account ACC1 --cheque 7 --pay X --amount 5 --date ");
    const QString print = QStringLiteral("--print --account ACC1 --cheque 7 --pay X --amount 5 --date ");

    QTest::addColumn<QString>("order"); // the office's
    QTest::addColumn<QString>("arguments"); // apart by blanks; OUT and BATCH are files
    QTest::addColumn<QByteArray>("batch");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("unsaid"); // what must not be said
    row("today's goes to the printer, which is not there", "DMY", print + named(today), QByteArray(), 1,
        "ERR:1101:No printer is installed", "--confirm");
    row("a stale cheque is not printed without --confirm", "DMY", print + stale, QByteArray(), 1,
        QStringLiteral("nothing was printed: the cheque is dated %1, more than 3 months back").arg(stale),
        "No printer");
    row("nor a post-dated one", "DMY", print + ahead, QByteArray(), 1,
        QStringLiteral("the cheque is dated %1, after today. Give --confirm to print it as it is.").arg(ahead),
        "No printer");
    row("with --confirm it goes to the printer", "DMY", print + stale + QStringLiteral(" --confirm"), QByteArray(), 1,
        "ERR:1101:No printer", "--confirm");
    row("a proof says it", "DMY", proof + ahead, QByteArray(), 0,
        QStringLiteral("warning: the cheque is dated %1, after today.").arg(ahead), "");
    row("--confirm goes with --print", "DMY", proof + ahead + QStringLiteral(" --confirm"), QByteArray(), 64,
        "--confirm goes with --print or --reprint", "");
    row("a two-digit year", "DMY", proof + QStringLiteral("8/12/26"), QByteArray(), 1,
        "\"8/12/26\" has a two-digit year (1926 or 2026?); write the year in full, "
        "as 25-Dec-2026, 25/12/2026 or 2026-12-25",
        "");
    row("two years back", "DMY", proof + named(today.addYears(-2)), QByteArray(), 1,
        "is more than 12 months before today", "");
    row("a month-first date in a month-first office", "MDY", proof + monthFirst, QByteArray(), 0, "Placed with",
        "not a date");
    row("the same in a day-first office", "DMY", proof + monthFirst, QByteArray(), 1,
        QStringLiteral("\"%1\" is not a date read day first, as this office writes dates, though it is one read "
                       "month first")
            .arg(monthFirst),
        "");
    row("a batch's dates to look at are listed", "DMY", "--batch BATCH --account ACC1 --check",
        QStringLiteral("Pay,Amount,Date,Cheque\nOld,1,%1,000101\nLater,2,%2,000102\n").arg(stale, ahead).toUtf8(), 0,
        QStringLiteral("Check: Line 2, Date: dated %1, more than 3 months back").arg(stale), "");
    row("a clean batch with rows to look at says so before them", "DMY", "--batch BATCH --account ACC1 --check",
        QStringLiteral("Pay,Amount,Date,Cheque\nOld,1,%1,000101\n").arg(stale).toUtf8(), 0,
        "is clean. 1 cheque(s), ready to print.\nLook at the rows below before printing", "");
    row("a month-first batch in a month-first office", "MDY", "--batch BATCH --account ACC1 --check",
        QStringLiteral("Pay,Amount,Date,Cheque\nOne,1,%1,000101\n").arg(monthFirst).toUtf8(), 0,
        "is clean. 1 cheque(s)", "Check:");
}

// Nothing is recorded, whatever is said: no printer is there, and a proof or a check records nothing.
void TestProgram::datesThatNeedASecondLook()
{
    QFETCH(QString, order);
    QFETCH(QString, arguments);
    QFETCH(QByteArray, batch);
    QFETCH(int, status);
    QFETCH(QString, said);
    QFETCH(QString, unsaid);
    TestDatabase db;
    QVERIFY(db.isReady());
    db.exec(QStringLiteral("UPDATE sys_parms SET Value = ? WHERE Description = 'DateOrder'"), {order});
    QVERIFY(writeLayoutAndBatch(db, batch));
    QCOMPARE(runWithFiles(db, arguments), status);
    QVERIFY2(m_said.contains(said), qPrintable(m_said));
    QVERIFY2(unsaid.isEmpty() || !m_said.contains(unsaid), qPrintable(m_said));
    QCOMPARE(QFile::exists(db.folder() + QStringLiteral("/out.pdf")), status == 0 && arguments.startsWith(u"--pdf"));
    QVERIFY(db.reopen());
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM Cheque")).toInt(), 0);
}

void TestProgram::whatTheRegisterHoldsIsPrintedAgainOnlyWhenConfirmed_data()
{
    QTest::addColumn<int>("monthsBack"); // the date of the cheque the register holds, before today
    QTest::addColumn<QString>("status"); // its status: printed, or void to be printed again
    QTest::addColumn<QString>("command"); // apart by blanks; DATE is today's
    QTest::addColumn<QString>("said");
    const QString stale
        = QStringLiteral("nothing was printed: the cheque is dated %1, more than 3 months back")
              .arg(QLocale::c().toString(test::kTestToday.addMonths(-4), QStringLiteral("dd-MMM-yyyy")));
    const QString paid = QStringLiteral("nothing was printed: cheque 000101 of \"ACC1\" is already printed to Rent "
                                        "Landlord for =5,000/-, dated %1, so this cheque would pay it a second time. "
                                        "Give --confirm")
                             .arg(QLocale::c().toString(test::kTestToday, QStringLiteral("dd-MMM-yyyy")));
    const QString print = QStringLiteral("--print --account ACC1 --cheque 000102 --pay Rent_Landlord --date DATE ");
    const QString reprint = QStringLiteral("--reprint --account ACC1 --cheque 000101");
    // No print server answers here: what is let through stops at the printer, before it is recorded.
    const QString atThePrinter = QStringLiteral("No printer is installed");
    // Typed twice, or run again from a script, a cheque would pay the same bill twice.
    QTest::newRow("another amount goes to the printer")
        << 0 << "printed" << print + QStringLiteral("--amount 5001") << atThePrinter;
    QTest::newRow("the same payment is refused") << 0 << "printed" << print + QStringLiteral("--amount 5000") << paid;
    QTest::newRow("unless confirmed") << 0 << "printed" << print + QStringLiteral("--amount 5000 --confirm")
                                      << atThePrinter;
    // A reprint keeps the old cheque's date, which the bank may refuse by the time it is printed again.
    QTest::newRow("a recent reprint goes to the printer") << 0 << "void" << reprint << atThePrinter;
    QTest::newRow("a stale reprint is refused") << 4 << "void" << reprint << stale;
    QTest::newRow("unless it is confirmed") << 4 << "void" << reprint + QStringLiteral(" --confirm") << atThePrinter;
}

void TestProgram::whatTheRegisterHoldsIsPrintedAgainOnlyWhenConfirmed()
{
    QFETCH(int, monthsBack);
    QFETCH(QString, status);
    QFETCH(QString, command);
    QFETCH(QString, said);
    TestDatabase db;
    QVERIFY(db.isReady());
    const Cheque held {QStringLiteral("ACC1"),
                       QStringLiteral("000101"),
                       QStringLiteral("Rent Landlord"),
                       test::kTestToday.addMonths(-monthsBack),
                       {5000, MoneyStyle {}}, // the test account's money: whole rupees
                       false,
                       QString()};
    const qint64 id = db.store().cheques().addPending(held, QStringLiteral("test"));
    db.store().cheques().markPrinted(id);
    if (status == QLatin1String("void"))
        db.store().cheques().markVoid(id, QStringLiteral("torn"));
    QStringList arguments = command.split(u' ');
    arguments.replaceInStrings(QStringLiteral("DATE"),
                               QLocale::c().toString(test::kTestToday, QStringLiteral("dd-MMM-yyyy")));
    arguments.replaceInStrings(QStringLiteral("_"), QStringLiteral(" "));
    QCOMPARE(runOn(db, arguments), 1);
    QVERIFY2(m_said.contains(said), qPrintable(m_said));
    QVERIFY(db.reopen());
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM Cheque")).toInt(), 1);
}

void TestProgram::numbersOutsideTheBooksNeedConfirming_data()
{
    QTest::addColumn<QString>("cheque");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("unsaid");
    const QString outside = QStringLiteral(
        "nothing was printed: Cheque number %1 is in none of the cheque books of the account \"ACC1\" (000120 to "
        "000125). Give --confirm to print it on that number all the same.");
    row("a leaf of the book goes to the printer", "000121", "No printer", "cheque books");
    row("a number in no book is refused", "000300", outside.arg(QStringLiteral("000300")), "No printer");
    row("so is the next number, past the book", "next", outside.arg(QStringLiteral("000126")), "No printer");
    row("--confirm sends it to the printer", "000300 --confirm", "No printer", "cheque books");
}

// Nothing is recorded: no printer is there.
void TestProgram::numbersOutsideTheBooksNeedConfirming()
{
    QFETCH(QString, cheque);
    QFETCH(QString, said);
    QFETCH(QString, unsaid);
    TestDatabase db;
    QVERIFY(db.isReady());
    db.exec(QStringLiteral("INSERT INTO ChequeBook (BankID, FirstLeaf, LastLeaf, Received, Retired) VALUES ('ACC1', "
                           "'000120', '000125', '2026-12-01', 0)"));
    db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES ('ACC1', '000125', "
                           "5, 'Last Leaf', '2026-12-05')"));
    const QString arguments
        = QStringLiteral("--print --account ACC1 --pay X --amount 5 --date 06-Dec-2026 --cheque ") + cheque;
    QCOMPARE(runOn(db, arguments.split(u' ')), 1);
    QVERIFY2(m_said.contains(said), qPrintable(m_said));
    QVERIFY2(!m_said.contains(unsaid), qPrintable(m_said));
    QVERIFY(db.reopen());
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM Cheque")).toInt(), 1);
}

void TestProgram::writesTheReportWithoutWindows_data()
{
    QTest::addColumn<QString>("arguments"); // after --report; OUT is the file written
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("result"); // what the file or the message holds
    row("CSV of a month", "01-Nov-2026 30/11/2026 --csv OUT", 0,
        "2026-11-02,ACC1,000201,Dealer's Co.,1500,printed,|"
        "2026-11-03,HDFC,7,Other Account,20,void,");
    row("CSV of one account", "2026-11-01 2026-11-30 --account HDFC --csv OUT", 0,
        "2026-11-03,HDFC,7,Other Account,20,void,");
    row("PDF, as the window shows it", "01-Nov-2026 30-Nov-2026 --pdf OUT", 0,
        "1 printed, 0 pending, 0 spoiled, 1 void. ACC1: 1 printed, total =1,500/- (One Thousand Five Hundred "
        "Only.) HDFC: 0 printed, total =0/- (Nil) All accounts: 1 printed, total =1,500/-");
    row("one date", "01-Nov-2026 --csv OUT", 64, "needs the first and the last date");
    row("not a date", "01-Nov-2026 31-Nov-2026 --csv OUT", 64, "\"31-Nov-2026\" is not a date");
    row("the start after the end", "30-Nov-2026 01-Nov-2026 --csv OUT", 64,
        "The start date, 30-Nov-2026, is after the end date, 01-Nov-2026, so no cheque can lie between them.");
    row("both files", "01-Nov-2026 30-Nov-2026 --csv OUT --pdf OUT", 64, "give --csv FILE or --pdf FILE");
    row("no such account", "01-Nov-2026 30-Nov-2026 --account NOPE --csv OUT", 1,
        "no bank account with the code \"NOPE\"");
}

void TestProgram::writesTheReportWithoutWindows()
{
    QFETCH(QString, arguments);
    QFETCH(int, status);
    QFETCH(QString, result);
    TestDatabase db;
    QVERIFY(db.isReady());
    db.exec(QStringLiteral("INSERT INTO BankAccount (BankID) VALUES ('HDFC')"));
    db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, Status) VALUES "
                           "('ACC1', '000201', 1500, 'Dealer''s Co.', '2026-11-02', 'printed'), "
                           "('HDFC', '7', 20, 'Other Account', '2026-11-03', 'void'), "
                           "('ACC1', '000202', 9, 'Later', '2026-12-01', 'printed')"));
    const bool pdf = arguments.contains(QLatin1String("--pdf"));
    const QString out = db.folder() + (pdf ? QStringLiteral("/r.pdf") : QStringLiteral("/r.csv"));
    QCOMPARE(runWithFiles(db, QStringLiteral("--report ") + arguments,
                          pdf ? QStringLiteral("r.pdf") : QStringLiteral("r.csv")),
             status);
    if (status != 0) {
        QVERIFY2(m_said.contains(result), qPrintable(m_said));
        QVERIFY(!QFile::exists(out));
    } else if (pdf) {
        QVERIFY2(pdfTexts(out).join(u' ').contains(result), qPrintable(pdfTexts(out).join(u' ')));
    } else {
        QFile csv(out);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1).join(u'|'),
                 result);
    }
}

void TestProgram::accountCodeIsTheSameInAnyCapitals_data()
{
    QTest::addColumn<QString>("arguments"); // apart by blanks; OUT, BATCH and LAYOUT are files
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("accounts"); // the accounts' codes afterwards
    QTest::addColumn<QString>("cheques"); // the register afterwards
    const QString printed = QStringLiteral("ACC1 000041 printed");
    row("proof of the next cheque", "--pdf OUT --account acc1 --cheque next --pay X --date 06-Dec-2026 --amount 5",
        "Placed with the office's calibration", "ACC1", printed);
    row("settled", "--mark spoiled --account acc1 --cheque 000042 --reason torn",
        "Leaf 000042 of \"ACC1\" is recorded as spoiled.", "ACC1", printed + QStringLiteral(", ACC1 000042 spoiled"));
    row("report of one account", "--report 01-Dec-2026 31-Dec-2026 --account Acc1 --csv OUT",
        "account ACC1: 1 cheque(s)", "ACC1", printed);
    row("batch rows in other capitals", "--batch BATCH --account acc1 --check", "ACC1: 3 cheque(s), =6/-", "ACC1",
        printed);
    row("layout into the account", "--import-layout LAYOUT --account acc1", "The account \"ACC1\" now has the layout",
        "ACC1", printed);
    row("layout into a new account", "--import-layout LAYOUT --account sbi2", "Made the account \"SBI2\"", "ACC1, SBI2",
        printed);
}

void TestProgram::accountCodeIsTheSameInAnyCapitals()
{
    QFETCH(QString, arguments);
    QFETCH(QString, said);
    QFETCH(QString, accounts);
    QFETCH(QString, cheques);
    TestDatabase db;
    QVERIFY(db.isReady());
    db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, NumberKey) VALUES "
                           "('ACC1', '000041', 5, 'Paid', '2026-12-05', '41')"));
    QVERIFY(writeLayoutAndBatch(
        db, "Pay,Amount,Date,Account\nOne,1,06-Dec-2026,acc1\nTwo,2,06-Dec-2026,Acc1\nThree,3,06-Dec-2026,\n"));
    const int status = runWithFiles(db, arguments, QStringLiteral("out"));
    QVERIFY2(status == 0 && m_said.contains(said), qPrintable(m_said));
    QVERIFY(db.reopen());
    QCOMPARE(db.joined(QStringLiteral("SELECT BankID FROM BankAccount ORDER BY Id")), accounts);
    QCOMPARE(db.joined(QStringLiteral("SELECT BankID || ' ' || ChequeNo || ' ' || Status FROM Cheque ORDER BY Id")),
             cheques);
}

void TestProgram::messagesSpeakOfTheCommandNotAWindow_data()
{
    QTest::addColumn<QString>("before"); // SQL run first; HASH is the batch file's
    QTest::addColumn<QString>("arguments"); // apart by blanks; OUT, BATCH and LAYOUT are files
    QTest::addColumn<QString>("said");
    const QString proof = QStringLiteral("--pdf OUT --account ACC1 --cheque 7 --date 06-Dec-2026 --amount 5 --pay ");
    row("cheques pending at the start",
        "INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, Status, NumberKey) VALUES ('ACC1', "
        "'000041', 5, 'Sent', '2026-12-05', 'pending', '41')",
        proof + QStringLiteral("X"),
        "1 cheque is pending in the register from this workstation: ACC1 000041. It may or may not have printed. "
        "Settle each with quillset --mark printed|spoiled|unprinted --account CODE --cheque NUMBER.");
    row("a batch row's account is not there", "", "--batch BATCH --account NOPE --check",
        "Line 2, Account: There is no bank account with the code \"NOPE\".");
    row("a calibration sheet's account is not there", "", "--calibration-sheet --account NOPE --pdf OUT",
        "There is no bank account with the code \"NOPE\".");
    row("a measurement is missing", "UPDATE BankAccount SET DateLeft = NULL", proof + QStringLiteral("X"),
        "has no value for Date, Left (DateLeft). Give it in the account's layout (quillset --export-layout writes it "
        "to a file, --import-layout reads it back), then run the command again.");
    row("the payee is too long for its box", "", proof + QString(150, u'W'),
        "the proof is written, but this cheque would not print: The payee is too long for its box on the leaf, even "
        "in 7 pt type. Shorten it, or widen \"Pay, Width\" in the account's layout (quillset");
    row("a row of an earlier run is pending",
        "INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, Status, NumberKey, BatchName, BatchHash, "
        "BatchLine) VALUES ('ACC1', '000050', 5, 'One', '2026-12-06', 'pending', '50', 'run.csv', 'HASH', 2)",
        "--batch BATCH --account ACC1 --print",
        "Line 2 is still pending in the register from an earlier run: settle it with quillset --mark "
        "printed|spoiled|unprinted --account ACC1 --cheque 000050 (it may have printed), then run the batch again.");
    row("a layout makes an account", "", "--import-layout LAYOUT --account NEW1",
        "it has no bank details (bank name, account number) yet.");
    row("the help", "", "--help", "written as --date takes them");
}

void TestProgram::messagesSpeakOfTheCommandNotAWindow()
{
    QFETCH(QString, before);
    QFETCH(QString, arguments);
    QFETCH(QString, said);
    TestDatabase db;
    QVERIFY(db.isReady());
    QVERIFY(writeLayoutAndBatch(db, "Pay,Amount,Date,Cheque\nOne,5,06-Dec-2026,000050\n"));
    if (!before.isEmpty())
        db.exec(QString(before).replace(
            QStringLiteral("HASH"), QString::fromLatin1(readBatchFile(db.folder() + QStringLiteral("/run.csv")).hash)));
    runWithFiles(db, arguments);
    QVERIFY2(m_said.simplified().contains(said), qPrintable(m_said)); // the help's lines are wrapped
    // The command line has no window, and none of the windows' buttons or lists; an encoding such as
    // windows-1252 is only named so.
    const QString words = QString(m_said).remove(QRegularExpression(QStringLiteral("windows-125\\d")));
    for (const char *window : {"window", "Bank Data", "under Options", "Print Cheque", "under Register", "the list"})
        QVERIFY2(!words.contains(QString::fromLatin1(window), Qt::CaseInsensitive), qPrintable(m_said));
}

void TestProgram::batchFilesAreReadAsOfficesWriteThem_data()
{
    QTest::addColumn<QByteArray>("content"); // the batch file's bytes
    QTest::addColumn<QString>("book"); // ACC1's cheque book, first and last leaf; empty for none
    QTest::addColumn<QString>("arguments"); // after --batch BATCH --account ACC1; OUT is a PDF
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said"); // in what the program says, or in the PDF's words
    const QString book = QStringLiteral("000101 000125");
    const QByteArray rows = "Pay,Amount,Date\nA,1,06-Dec-2026\nB,x,06-Dec-2026\n\nC,3,06-Dec-2026\nD,x,06-Dec-2026\n";
    const QString badLines = QStringLiteral("Lines 3 and 6, Amount: The amount \"x\" must be");
    row("CR line ends", QByteArray(rows).replace('\n', '\r'), book, "--check", 1, badLines);
    row("CRLF line ends", QByteArray(rows).replace("\n", "\r\n"), book, "--check", 1, badLines);
    row("LF line ends", rows, book, "--check", 1, badLines);
    const QString accents = QStringLiteral("Pay,Amount,Date\r\nCafé Müller GmbH,1,06-Dec-2026\r\n");
    const QByteArray windows = QStringEncoder("windows-1252").encode(accents);
    const QByteArray utf16
        = QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom).encode(accents);
    row("windows-1252, not named", windows, book, "--check", 1,
        "Line 2: its byte 4 (hex E9, after \"Caf\") is not UTF-8, so the file was saved in another encoding. Save "
        "it from the spreadsheet as \"CSV UTF-8\", or name its encoding with --encoding, such as --encoding "
        "windows-1252.");
    row("windows-1252, named", windows, book, "--encoding windows-1252 --pdf OUT", 0, "Café Müller GmbH");
    row("windows-1252 named for a UTF-8 file", accents.toUtf8(), book, "--encoding windows-1252 --pdf OUT", 1,
        "Line 2: \"Café Müller GmbH,1,06-Dec-2026\" is UTF-8 text, so the file is not windows-1252: leave out "
        "--encoding.");
    row("an encoding there is not", accents.toUtf8(), book, "--encoding klingon-1 --check", 64,
        "--encoding does not know \"klingon-1\"");
    row("UTF-16 with its mark", utf16, book, "--pdf OUT", 0, "Café Müller GmbH");
    row("UTF-8 with its mark, a sep= hint and grouped amounts",
        QByteArray("\xEF\xBB\xBFsep=;\r\nPay;Amount;Date;\r\nCafé Müller GmbH;\"12,500\";06-Dec-2026;\r\n"), book,
        "--check", 0,
        "The batch \"run.csv\", read as UTF-8, is clean. 1 cheque(s), ready to print. ACC1: 25 leaves left in its "
        "cheque books (000101 to 000125), and the batch takes 1. ACC1: 1 cheque(s), =12,500/-");
    QByteArray past = "Pay,Amount,Date\n";
    for (int i = 1; i <= 27; ++i)
        past += "Payee " + QByteArray::number(i) + ",10,06-Dec-2026\n";
    row("rows past the last book", past, book, "--check", 0,
        "Check: Lines 27 and 28, Cheque: its number would be in none of the cheque books of \"ACC1\" (000101 to "
        "000125). ACC1: 25 leaves left in its cheque books (000101 to 000125), and the batch takes 27. Lines 27 "
        "and 28 would print on 000126–000127, in no book.");
    row("a few leaves left afterwards", past.left(past.indexOf("Payee 22")), book, "--check", 0,
        "Only 4 leaves will be left in the book 000101 to 000125 afterwards: have the next book ready.");
    row("rows past the last book, printed unasked", past, book, "--print", 1,
        "has rows for a second look (above); nothing was printed. Put them right in the file, or print them as "
        "they are with --confirm.");
    row("a 0 amount", QByteArray("Pay,Amount,Date\nA,0,06-Dec-2026\n"), book, "--check", 0,
        "Check: Line 2, Amount: the amount is 0.");
    row("no next number, said once", past, "", "--check", 1,
        "Lines 2–28: the account \"ACC1\" has no cheque numbered in digits yet, so there is no next number: give "
        "the first of these cheques its number in the Cheque column, and the rest follow it. quillset: the batch");
}

void TestProgram::batchFilesAreReadAsOfficesWriteThem()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, book);
    QFETCH(QString, arguments);
    QFETCH(int, status);
    QFETCH(QString, said);
    TestDatabase db;
    QVERIFY(db.isReady());
    if (!book.isEmpty())
        addChequeBook(db.store(), QStringLiteral("ACC1"), book.section(u' ', 0, 0), book.section(u' ', 1),
                      QDate(2026, 12, 1));
    QVERIFY(writeLayoutAndBatch(db, content));
    const QString out = db.folder() + QStringLiteral("/out.pdf");
    QCOMPARE(runWithFiles(db, QStringLiteral("--batch BATCH --account ACC1 ") + arguments), status);
    const QString read = QFile::exists(out) ? pdfTexts(out).join(u' ') : m_said.simplified();
    QVERIFY2(read.contains(said), qPrintable(read));
    // Nothing is printed or recorded by a check, a proof, or a batch stopped for a second look.
    QVERIFY(db.reopen());
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM Cheque")).toInt(), 0);
}

void TestProgram::installsWithItsFilesAndKeepsTheOfficesData()
{
    const QStringList install = {QStringLiteral("--install"), QStringLiteral(QUILLSET_BUILD_DIR),
                                 QStringLiteral("--prefix"), m_prefix.path()};
    QCOMPARE(run(QStringLiteral(QUILLSET_CMAKE), install), 0);
    for (const char *file :
         {"lib/quillset/quillset", "lib/quillset/rptCheque.rpt", "lib/quillset/windows/quillset-windows.so",
          "share/applications/quillset.desktop", "share/icons/hicolor/64x64/apps/quillset.png"})
        QVERIFY2(QFile::exists(m_prefix.filePath(QString::fromLatin1(file))), file);
    QFile desktop(m_prefix.filePath(QStringLiteral("share/applications/quillset.desktop")));
    QVERIFY(desktop.open(QIODevice::ReadOnly));
    QVERIFY(desktop.readAll().contains("Exec=quillset\nIcon=quillset\n"));

    // The installed command finds its database beside the program and prints from it.
    const QString program = m_prefix.filePath(QStringLiteral("bin/quillset"));
    QCOMPARE(run(program, cheque(m_prefix.filePath(QStringLiteral("proof.pdf")))), 0);
    QVERIFY(QFile::exists(m_prefix.filePath(QStringLiteral("proof.pdf"))));

    // Installing again keeps the office's register and report layout.
    const QString database = m_prefix.filePath(QStringLiteral("lib/quillset/Records.mdb"));
    exec(*Store::OpenDatabase(database, OdbcInstaller::none()),
         QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) "
                        "VALUES ('ACC1', '7', 5, 'Kept', '2026-12-06')"));
    QFile report(m_prefix.filePath(QStringLiteral("lib/quillset/rptCheque.rpt")));
    QVERIFY(report.open(QIODevice::Append));
    report.write("; the office's own change\n");
    report.close();
    QCOMPARE(run(QStringLiteral(QUILLSET_CMAKE), install), 0);
    QVERIFY(report.open(QIODevice::ReadOnly) && report.readAll().contains("the office's own change"));
    QCOMPARE(scalar(*Store::OpenDatabase(database, OdbcInstaller::none()), QStringLiteral("SELECT Pay FROM Cheque"))
                 .toString(),
             QStringLiteral("Kept"));
}

void TestProgram::readOnlyInstallKeepsDataInTheUsersFolder()
{
    if (geteuid() != 0)
        QSKIP("Needs root, to run the installed program as another user for whom its folder is read-only.");
    if (!QFile::exists(m_prefix.filePath(QStringLiteral("bin/quillset"))))
        QSKIP("The program was not installed.");
    QTemporaryDir home;
    for (const QString &folder : {m_prefix.path(), home.path()})
        QFile::setPermissions(folder,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                  | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
    m_environment.insert(QStringLiteral("HOME"), home.path());
    m_environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    const QStringList asNobody = {QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"),
                                  QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups")};
    QCOMPARE(run(m_prefix.filePath(QStringLiteral("bin/quillset")), cheque(home.filePath(QStringLiteral("p.pdf"))), {},
                 asNobody),
             0);
    QVERIFY2(QFile::exists(home.filePath(QStringLiteral("data/Quillset/Quillset/Records.mdb"))), qPrintable(m_said));
}

QUILLSET_TEST_MAIN(TestProgram, QCoreApplication)
#include "tst_Program.moc"
