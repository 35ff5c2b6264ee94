#include "support/FileFaults.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/base/Failure.h"
#include "core/base/Files.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

using namespace quillset;
using namespace quillset::test;

Q_DECLARE_METATYPE(quillset::FileKind)

// What the one way the program writes a file may write over, on real files beside a real database.
// (A full disk, and what is read, are tried through the windows and the command line.)
class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void writesOnlyOverAnEarlierFileOfItsKind_data();
    void writesOnlyOverAnEarlierFileOfItsKind();

private:
    /// Puts what a row names at the path: "none", "folder", "pipe", "empty", "link to the database", or
    /// the content of a file.
    bool place(const QString &path, const QByteArray &what) const;
    QByteArray contentOf(const QString &path) const;

    std::unique_ptr<TestDatabase> m_db;
};

namespace {

const QByteArray kPdf = "%PDF-1.4\n% a proof\n";
const QByteArray kCsv = "Date,Account,Cheque\r\n2026-12-06,ACC1,000123\r\n";
const QByteArray kLayout
    = QJsonDocument(QJsonObject {{QStringLiteral("format"), kLeafLayoutFormat}, {QStringLiteral("version"), 1}})
          .toJson();

QByteArray written(FileKind kind)
{
    switch (kind) {
    case FileKind::Pdf:
        return "%PDF-1.4\n% the new one\n";
    case FileKind::Csv:
        return "Date,Account\r\n2026-12-07,ACC1\r\n";
    case FileKind::Layout:
        return QJsonDocument(QJsonObject {{QStringLiteral("format"), kLeafLayoutFormat}, {QStringLiteral("new"), 1}})
            .toJson();
    }
    return QByteArray();
}

} // namespace

void TestFiles::init()
{
    m_db = std::make_unique<TestDatabase>(Backend::Sqlite);
    QVERIFY(m_db->isReady());
}

void TestFiles::cleanup()
{
    m_db.reset();
}

bool TestFiles::place(const QString &path, const QByteArray &what) const
{
    if (what == "none")
        return true;
    if (what == "folder")
        return QDir().mkdir(path);
    if (what == "pipe")
        return makePipe(path);
    if (what == "link to the database")
        return QFile::link(m_db->path(), path);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(what == "empty" ? QByteArray() : what) >= 0;
}

QByteArray TestFiles::contentOf(const QString &path) const
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestFiles::writesOnlyOverAnEarlierFileOfItsKind_data()
{
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<QString>("name"); // in the database's folder; the database is Records.mdb
    QTest::addColumn<QByteArray>("there"); // what is there before
    QTest::addColumn<QString>("refusal"); // empty when the file is written
    QTest::newRow("PDF, a new file") << FileKind::Pdf << "new.pdf" << QByteArray("none") << "";
    QTest::newRow("PDF over an earlier one") << FileKind::Pdf << "proof.pdf" << kPdf << "";
    QTest::newRow("PDF over an empty file") << FileKind::Pdf << "proof.pdf" << QByteArray("empty") << "";
    QTest::newRow("PDF over the database") << FileKind::Pdf << "Records.mdb" << QByteArray() << "is the database";
    QTest::newRow("PDF over a link to the database")
        << FileKind::Pdf << "link.pdf" << QByteArray("link to the database") << "is the database";
    QTest::newRow("PDF over the database's journal")
        << FileKind::Pdf << "Records.mdb-journal" << QByteArray() << "is the database";
    QTest::newRow("PDF over a copy kept before an upgrade")
        << FileKind::Pdf << "Records.mdb.v3.bak" << kPdf << "copy of the database";
    QTest::newRow("PDF over the second such copy")
        << FileKind::Pdf << "Records.mdb.v3-2.bak" << kPdf << "copy of the database";
    QTest::newRow("PDF over a text file")
        << FileKind::Pdf << "notes.pdf" << QByteArray("the office's notes") << "is not a PDF file";
    QTest::newRow("PDF into a folder") << FileKind::Pdf << "proofs" << QByteArray("folder") << "is a folder";
    QTest::newRow("PDF into a named pipe")
        << FileKind::Pdf << "pipe.pdf" << QByteArray("pipe") << "is a named pipe, not an ordinary file";
    QTest::newRow("CSV over an earlier one") << FileKind::Csv << "cheques.csv" << kCsv << "";
    QTest::newRow("CSV over a PDF") << FileKind::Csv << "cheques.csv" << kPdf << "is not a CSV file";
    QTest::newRow("CSV over a line of text")
        << FileKind::Csv << "cheques.csv" << QByteArray("the office's notes\n") << "is not a CSV file";
    QTest::newRow("CSV over a layout") << FileKind::Csv << "cheques.csv" << kLayout << "is not a CSV file";
    QTest::newRow("CSV over the database") << FileKind::Csv << "Records.mdb" << QByteArray() << "is the database";
    QTest::newRow("layout over an earlier one") << FileKind::Layout << "leaf.json" << kLayout << "";
    QTest::newRow("layout over a CSV") << FileKind::Layout << "leaf.json" << kCsv << "is not a leaf layout";
    QTest::newRow("layout over other JSON")
        << FileKind::Layout << "leaf.json" << QByteArray("{\"format\": \"other\"}") << "is not a leaf layout";
    QTest::newRow("layout over the database") << FileKind::Layout << "Records.mdb" << QByteArray() << "is the database";
}

void TestFiles::writesOnlyOverAnEarlierFileOfItsKind()
{
    QFETCH(FileKind, kind);
    QFETCH(QString, name);
    QFETCH(QByteArray, there);
    QFETCH(QString, refusal);
    const QString path = QDir(m_db->folder()).filePath(name);
    if (!there.isEmpty())
        QVERIFY(place(path, there));
    const QByteArray before = contentOf(path);
    const QByteArray database = contentOf(m_db->path());
    const QStringList files = QDir(m_db->folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);

    QString said;
    try {
        writeFile(path, kind, written(kind), m_db->path());
    } catch (const Failure &failure) {
        said = failure.description();
    }
    if (refusal.isEmpty()) {
        QVERIFY2(said.isEmpty(), qPrintable(said));
        QCOMPARE(contentOf(path), written(kind));
    } else {
        QVERIFY2(said.contains(refusal) && said.contains(QDir::toNativeSeparators(path)), qPrintable(said));
        QCOMPARE(contentOf(path), before);
        QCOMPARE(writeTargetProblem(path, kind, m_db->path()), said);
    }
    // The database as it was, and no temporary file left beside it.
    QCOMPARE(contentOf(m_db->path()), database);
    QVERIFY(m_db->reopen());
    QStringList after = QDir(m_db->folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    after.removeOne(name);
    QStringList earlier = files;
    earlier.removeOne(name);
    QCOMPARE(after, earlier);
}

QUILLSET_TEST_MAIN(TestFiles, QCoreApplication)
#include "tst_Files.moc"
