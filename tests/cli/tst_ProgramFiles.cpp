#include "support/DataRows.h"
#include "support/FileFaults.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/banks/LayoutFile.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>

using namespace quillset;
using namespace quillset::test;

// The files the command line writes and reads, named as a script could name them: the database, a
// copy of it, a file of another kind, a pipe, a device; and a disk that fills up.
class TestProgramFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void neverWritesOverTheDatabaseOrAnotherKind_data();
    void neverWritesOverTheDatabaseOrAnotherKind();
    void fullDiskIsAnErrorNotASuccess_data();
    void fullDiskIsAnErrorNotASuccess();
    void readsOnlyOrdinaryFiles_data();
    void readsOnlyOrdinaryFiles();

private:
    /// Runs the program on the test's database with the arguments, apart by blanks, whose words DB,
    /// COPY, OUT, BATCH, LAYOUT, PIPE and LARGE are files in its folder; with a disk that takes no
    /// more than `limit` bytes of a file when it is given. -1 when it did not end.
    int run(const QString &arguments, rlim_t limit = 0);
    QString file(const QString &name) const { return QDir(m_db->folder()).filePath(name); }
    static QByteArray contentOf(const QString &path);

    std::unique_ptr<TestDatabase> m_db;
    QString m_said;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
};

void TestProgramFiles::initTestCase()
{
    m_environment.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("/nonexistent/cups.sock"));
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
}

void TestProgramFiles::init()
{
    // The database is a file here: what may not be written over.
    m_db = std::make_unique<TestDatabase>(Backend::Sqlite);
    QVERIFY(m_db->isReady());
    for (int i = 1; i <= 20; ++i)
        m_db->exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES ('ACC1', ?, "
                                  "1500, 'Payee of the month', '2026-11-02')"),
                   {QStringLiteral("%1").arg(i, 6, 10, QChar(u'0'))});
    QFile layout(file(QStringLiteral("leaf.json")));
    QFile batch(file(QStringLiteral("run.csv")));
    QVERIFY(layout.open(QIODevice::WriteOnly)
            && layout.write(layoutDocument(*m_db->store().accounts().find(QStringLiteral("ACC1")))) > 0);
    QVERIFY(batch.open(QIODevice::WriteOnly) && batch.write("Pay,Amount,Date\nOne,5,06-Dec-2026\n") > 0);
    m_db->close();
    // The copy an upgrade keeps of the database.
    QVERIFY(QFile::copy(m_db->path(), m_db->path() + QStringLiteral(".v2.bak")));
}

void TestProgramFiles::cleanup()
{
    m_db.reset();
}

QByteArray TestProgramFiles::contentOf(const QString &path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int TestProgramFiles::run(const QString &arguments, rlim_t limit)
{
    QStringList words = arguments.split(u' ');
    const QList<std::pair<QString, QString>> names = {
        {QStringLiteral("DB"), m_db->path()},
        {QStringLiteral("COPY"), m_db->path() + QStringLiteral(".v2.bak")},
        {QStringLiteral("OUT"), file(QStringLiteral("out"))},
        {QStringLiteral("BATCH"), file(QStringLiteral("run.csv"))},
        {QStringLiteral("LAYOUT"), file(QStringLiteral("leaf.json"))},
        {QStringLiteral("PIPE"), file(QStringLiteral("pipe"))},
        {QStringLiteral("LARGE"), file(QStringLiteral("large.json"))},
    };
    for (const auto &[word, path] : names)
        words.replaceInStrings(QRegularExpression(QStringLiteral("^%1$").arg(word)), path);
    if (!words.contains(QStringLiteral("--database")))
        words << QStringLiteral("--database") << m_db->path();
    QProcess process;
    process.setProcessEnvironment(m_environment);
    if (limit > 0)
        limitFileSize(process, limit);
    process.start(QStringLiteral(QUILLSET_PROGRAM), words);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        m_said = QStringLiteral("(no answer within 30 s)");
        return -1;
    }
    m_said = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
}

void TestProgramFiles::neverWritesOverTheDatabaseOrAnotherKind_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("target"); // the file that is named to be written
    QTest::addColumn<QString>("said");
    const QString proof = QStringLiteral(" --account ACC1 --cheque 7 --pay X --date 06-Dec-2026 --amount 5");
    const QString report = QStringLiteral("--report 01-Nov-2026 30-Nov-2026 ");
    row("a layout over the database", "--export-layout ACC1 DB", "DB",
        "is the database Quillset is using; a leaf layout is never written");
    row("a layout over the copy kept of it", "--export-layout ACC1 COPY", "COPY",
        "is a copy of the database, kept before an upgrade; a leaf layout is never written");
    row("a layout over a batch", "--export-layout ACC1 BATCH", "BATCH", "is there already and is not a leaf layout");
    row("a report CSV over the database", report + QStringLiteral("--csv DB"), "DB",
        "is the database Quillset is using");
    row("a report CSV over a layout", report + QStringLiteral("--csv LAYOUT"), "LAYOUT",
        "is there already and is not a CSV file");
    row("a report PDF over the copy", report + QStringLiteral("--pdf COPY"), "COPY", "is a copy of the database");
    row("a proof over the database", QStringLiteral("--pdf DB") + proof, "DB", "is the database Quillset is using");
    row("a batch's proofs over the copy", "--batch BATCH --account ACC1 --pdf COPY", "COPY",
        "is a copy of the database");
    row("a calibration sheet over the database", "--calibration-sheet --account ACC1 --pdf DB", "DB",
        "is the database Quillset is using");
}

void TestProgramFiles::neverWritesOverTheDatabaseOrAnotherKind()
{
    QFETCH(QString, arguments);
    QFETCH(QString, target);
    QFETCH(QString, said);
    const QString path = target == QLatin1String("DB") ? m_db->path()
        : target == QLatin1String("COPY")              ? m_db->path() + QStringLiteral(".v2.bak")
        : target == QLatin1String("BATCH")             ? file(QStringLiteral("run.csv"))
                                                       : file(QStringLiteral("leaf.json"));
    const QByteArray before = contentOf(path);
    const QByteArray database = contentOf(m_db->path());
    QCOMPARE(run(arguments), 1);
    QVERIFY2(m_said.contains(said) && m_said.contains(path), qPrintable(m_said));
    QCOMPARE(contentOf(path), before);
    QCOMPARE(contentOf(m_db->path()), database);
    QVERIFY(m_db->reopen());
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT count(*) FROM Cheque")).toInt(), 20);
}

void TestProgramFiles::fullDiskIsAnErrorNotASuccess_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QByteArray>("earlier"); // what OUT held before; null for nothing
    const QString report = QStringLiteral("--report 01-Nov-2026 30-Nov-2026 ");
    // The disk takes 512 bytes of a file: every file here is larger, the CSV and layout only a little.
    row("the report's CSV", report + QStringLiteral("--csv OUT"), QByteArray());
    row("the report's CSV over an earlier one", report + QStringLiteral("--csv OUT"),
        QByteArray("Date,Account\r\n2026-10-01,ACC1\r\n"));
    row("the report's PDF", report + QStringLiteral("--pdf OUT"), QByteArray());
    row("a layout", "--export-layout ACC1 OUT", QByteArray());
    row("a proof", "--pdf OUT --account ACC1 --cheque 7 --pay X --date 06-Dec-2026 --amount 5",
        QByteArray("%PDF-1.4 an earlier proof"));
    row("a calibration sheet", "--calibration-sheet --account ACC1 --pdf OUT", QByteArray());
}

void TestProgramFiles::fullDiskIsAnErrorNotASuccess()
{
    QFETCH(QString, arguments);
    QFETCH(QByteArray, earlier);
    const QString out = file(QStringLiteral("out"));
    if (!earlier.isNull()) {
        QFile file(out);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
    }
    const QStringList files = QDir(m_db->folder()).entryList(QDir::Files);
    QCOMPARE(run(arguments, 512), 1);
    QVERIFY2(m_said.contains(QStringLiteral("could not be written: File too large")), qPrintable(m_said));
    QVERIFY2(!m_said.contains(QStringLiteral("written to")) && !m_said.contains(QStringLiteral("Wrote")),
             qPrintable(m_said));
    QCOMPARE(contentOf(out), earlier);
    QCOMPARE(QFileInfo::exists(out), !earlier.isNull());
    QCOMPARE(QDir(m_db->folder()).entryList(QDir::Files), files); // no half-written file left
    // With room on the disk, the same command writes the whole file.
    QCOMPARE(run(arguments), 0);
    QVERIFY(QFileInfo(out).size() > 512);
}

void TestProgramFiles::readsOnlyOrdinaryFiles_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("said");
    const QString proof = QStringLiteral(" --account ACC1 --cheque 7 --pay X --date 06-Dec-2026 --amount 5");
    row("a layout from a named pipe", "--import-layout PIPE --account ACC1",
        "The layout file \"PIPE\" is a named pipe, not an ordinary file");
    row("a layout from a device", "--import-layout /dev/zero --account ACC1",
        "The layout file \"/dev/zero\" is a device, not an ordinary file");
    row("a layout from a folder", "--import-layout /tmp --account ACC1",
        "The layout file \"/tmp\" is a folder, not an ordinary file");
    row("a layout far too large", "--import-layout LARGE --account ACC1",
        "The layout file \"LARGE\" is too large (2.0 MB; at most 1.0 MB");
    row("a batch from a named pipe", "--batch PIPE --account ACC1 --check",
        "The file: \"PIPE\" is a named pipe, not an ordinary file");
    row("a proof into a named pipe", QStringLiteral("--pdf PIPE") + proof,
        "\"PIPE\" is a named pipe, not an ordinary file; a PDF file is "
        "only written to an ordinary file.");
    row("a database that is a named pipe", QStringLiteral("--database PIPE --pdf OUT") + proof,
        "Quillset cannot open its database \"PIPE\": it is a named pipe, not a file.");
}

void TestProgramFiles::readsOnlyOrdinaryFiles()
{
    QFETCH(QString, arguments);
    QFETCH(QString, said);
    QVERIFY(makePipe(file(QStringLiteral("pipe"))));
    QFile large(file(QStringLiteral("large.json")));
    QVERIFY(large.open(QIODevice::WriteOnly) && large.write(QByteArray(2 * 1024 * 1024, ' ')) > 0);
    large.close();
    const QByteArray database = contentOf(m_db->path());
    QCOMPARE(run(arguments), 1);
    said.replace(QStringLiteral("PIPE"), file(QStringLiteral("pipe")));
    said.replace(QStringLiteral("LARGE"), file(QStringLiteral("large.json")));
    QVERIFY2(m_said.contains(said), qPrintable(m_said));
    QVERIFY(!QFileInfo::exists(file(QStringLiteral("out"))));
    QCOMPARE(contentOf(m_db->path()), database);
}

QUILLSET_TEST_MAIN(TestProgramFiles, QCoreApplication)
#include "tst_ProgramFiles.moc"
