#include "support/DataRows.h"
#include "support/FileFaults.h"
#include "support/TestMain.h"
#include "support/WindowTest.h"

#include "windows/banks/frmBanks.h"
#include "windows/banks/frmLeafDesigner.h"
#include "windows/batch/frmBatch.h"
#include "windows/issue/frmCheque.h"
#include "windows/options/frmOptions.h"
#include "windows/report/ReportPreview.h"
#include "windows/report/frmReport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QToolBar>

#include <optional>

using namespace quillset;
using namespace quillset::test;

// Every window that writes or reads a file, driven as the operator does, with the file dialogs
// answered by the names a slip of the hand could give: the database, the copy kept of it, a file of
// another kind, a pipe, a device; and a disk that fills up.
class TestWindowFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowsWriteOnlyWhereTheyMay_data();
    void windowsWriteOnlyWhereTheyMay();
    void windowsReadOnlyOrdinaryFiles_data();
    void windowsReadOnlyOrdinaryFiles();

private:
    /// Opens the window of the command and presses it; the disk takes no more than `limit` bytes of
    /// a file while it runs, when a limit is given.
    void press(const QString &command, int limit = 0);
    QString file(const QString &name) const { return QDir(m_f->db.folder()).filePath(name); }
    static QByteArray contentOf(const QString &path);
    QStringList warnings() const;

    std::unique_ptr<WindowFixture> m_f;
    QList<QPointer<QWidget>> m_windows;
    frmLeafDesigner *m_designer = nullptr;
};

void TestWindowFiles::init()
{
    m_f = std::make_unique<WindowFixture>();
    QVERIFY(m_f->db.isReady());
    QVERIFY(QFile::copy(QStringLiteral(QUILLSET_REPORT_DEFINITION), file(QStringLiteral("rptCheque.rpt"))));
    m_f->db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) VALUES "
                                "('ACC1', '000125', 2500, 'Rao and Sons', '2026-12-01')"));
    QVERIFY(QFile::copy(m_f->db.path(), m_f->db.path() + QStringLiteral(".v1.bak")));
    QFile earlier(file(QStringLiteral("earlier.pdf")));
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("%PDF-1.4 an earlier one") > 0);
}

void TestWindowFiles::cleanup()
{
    for (const QPointer<QWidget> &window : std::as_const(m_windows))
        delete window;
    m_windows.clear();
    m_designer = nullptr;
    m_f.reset();
}

QByteArray TestWindowFiles::contentOf(const QString &path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList TestWindowFiles::warnings() const
{
    QStringList texts;
    for (const RecordingPrompter::Message &shown : m_f->prompter.messages) {
        if (shown.icon != Prompter::Icon::Information)
            texts.append(shown.text);
    }
    return texts;
}

void TestWindowFiles::press(const QString &command, int limit)
{
    QWidget *window = nullptr;
    QAbstractButton *button = nullptr;
    if (command.startsWith(QLatin1String("report"))) {
        auto *report = new frmReport(m_f->services);
        window = report;
        report->show();
        click(report, "cmdPreview");
        if (command == QLatin1String("report")) {
            m_windows.append(window);
            return;
        }
        auto *preview = report->findChild<ReportPreview *>();
        QVERIFY(preview);
        auto *commands = preview->findChild<QToolBar *>();
        const QString caption = command == QLatin1String("report PDF") ? QStringLiteral("Save as P&DF...")
                                                                       : QStringLiteral("Export &CSV...");
        for (QAction *action : commands->actions()) {
            if (action->text() == caption)
                button = qobject_cast<QAbstractButton *>(commands->widgetForAction(action));
        }
    } else if (command == QLatin1String("batch")) {
        auto *entry = new frmCheque(m_f->services);
        window = entry;
        entry->show();
        click(entry, "cmdBatch");
        QVERIFY(entry->findChild<frmBatch *>());
        button = find<QAbstractButton>(entry->findChild<frmBatch *>(), "cmdOpen");
    } else if (command == QLatin1String("sheet")) {
        window = new frmOptions(m_f->services);
        window->show();
        button = find<QAbstractButton>(window, "cmdSheetPdf");
    } else { // the bank window's commands: layout out, layout in, scan
        window = new frmBanks(m_f->services);
        window->show();
        if (command == QLatin1String("scan")) {
            click(window, "cmdDesign");
            m_designer = window->findChild<frmLeafDesigner *>();
            QVERIFY(m_designer);
            button = find<QAbstractButton>(m_designer, "cmdScan");
        } else {
            button = find<QAbstractButton>(
                window, command == QLatin1String("layout out") ? "cmdExportLayout" : "cmdImportLayout");
        }
    }
    m_windows.append(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(button);
    std::optional<FileSizeLimit> full;
    if (limit > 0)
        full.emplace(limit);
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestWindowFiles::windowsWriteOnlyWhereTheyMay_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("target"); // DB, COPY, or a file in the database's folder
    QTest::addColumn<int>("limit"); // the bytes of a file the disk takes; 0 for room enough
    QTest::addColumn<QString>("said"); // the warning; empty when the file is written
    row("the report's PDF over the database", "report PDF", "DB", 0, "is the database Quillset is using");
    row("the report's PDF over the copy kept of it", "report PDF", "COPY", 0, "is a copy of the database");
    row("the report's PDF over an earlier PDF", "report PDF", "earlier.pdf", 0, "");
    row("the report's CSV over the database", "report CSV", "DB", 0, "is the database Quillset is using");
    row("the report's CSV over a PDF", "report CSV", "earlier.pdf", 0, "is there already and is not a CSV file");
    row("the report's CSV on a full disk", "report CSV", "cheques.csv", 20, "could not be written: File too large");
    row("a layout over the database", "layout out", "DB", 0, "is the database Quillset is using");
    row("a layout over the copy kept of it", "layout out", "COPY", 0, "is a copy of the database");
    row("a layout on a full disk", "layout out", "ACC1.json", 20, "could not be written: File too large");
    row("a calibration sheet over the database", "sheet", "DB", 0, "is the database Quillset is using");
    row("a calibration sheet over an earlier PDF", "sheet", "earlier.pdf", 0, "");
}

void TestWindowFiles::windowsWriteOnlyWhereTheyMay()
{
    QFETCH(QString, command);
    QFETCH(QString, target);
    QFETCH(int, limit);
    QFETCH(QString, said);
    const QString path = target == QLatin1String("DB") ? m_f->db.path()
        : target == QLatin1String("COPY")              ? m_f->db.path() + QStringLiteral(".v1.bak")
                                                       : file(target);
    m_f->services.chooseSaveFile = [path](const QString &, const QString &, const QString &) { return path; };
    const QByteArray before = contentOf(path);
    const QByteArray database = contentOf(m_f->db.path());
    const QStringList files = QDir(m_f->db.folder()).entryList(QDir::Files);
    press(command, limit);
    if (said.isEmpty()) {
        QVERIFY2(warnings().isEmpty(), qPrintable(warnings().join(u'|')));
        QVERIFY(contentOf(path).startsWith("%PDF-") && contentOf(path).size() > 1000);
    } else {
        QCOMPARE(warnings().size(), 1);
        QVERIFY2(warnings().first().contains(said) && warnings().first().contains(QDir::toNativeSeparators(path)),
                 qPrintable(warnings().first()));
        QCOMPARE(contentOf(path), before);
        QCOMPARE(QDir(m_f->db.folder()).entryList(QDir::Files), files);
    }
    if (target != QLatin1String("DB"))
        QCOMPARE(contentOf(m_f->db.path()), database);
    QCOMPARE(m_f->db.scalar(QStringLiteral("SELECT Pay FROM Cheque")).toString(), QStringLiteral("Rao and Sons"));
}

void TestWindowFiles::windowsReadOnlyOrdinaryFiles_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("source"); // PIPE, a device, a folder, or a file made in the database's folder
    QTest::addColumn<QString>("said"); // the warning; empty when the file is taken
    row("a batch from a named pipe", "batch", "PIPE", "The batch file \"PIPE\" is a named pipe, not an ordinary file");
    row("a layout from a device", "layout in", "/dev/zero",
        "The layout file \"/dev/zero\" is a device, not an ordinary file");
    row("a scan from a named pipe", "scan", "PIPE", "The scan \"PIPE\" is a named pipe, not an ordinary file");
    row("a scan from a folder", "scan", "/tmp", "The scan \"/tmp\" is a folder, not an ordinary file");
    row("a scan as a picture", "scan", "scan.png", "");
    row("a scan as a PDF", "scan", "scan.pdf", "");
    row("a report definition that is a named pipe", "report", "rptCheque.rpt",
        "The report definition \"DEFINITION\" is a named pipe, not an ordinary file");
}

void TestWindowFiles::windowsReadOnlyOrdinaryFiles()
{
    QFETCH(QString, command);
    QFETCH(QString, source);
    QFETCH(QString, said);
    QString path = source.startsWith(u'/') ? source : file(source);
    if (source == QLatin1String("PIPE") || source == QLatin1String("rptCheque.rpt")) {
        path = source == QLatin1String("PIPE") ? file(QStringLiteral("pipe")) : path;
        QFile::remove(path);
        QVERIFY(makePipe(path));
    }
    QImage leaf(1218, 552, QImage::Format_RGB32); // a leaf of 20.3 x 9.2 cm at 150 dpi
    leaf.fill(Qt::white);
    QPainter(&leaf).drawRect(20, 20, 1178, 512);
    if (source == QLatin1String("scan.png"))
        QVERIFY(leaf.save(path, "PNG"));
    if (source == QLatin1String("scan.pdf")) {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QSizeF(203, 92), QPageSize::Millimeter));
        QPainter painter(&pdf);
        painter.drawImage(painter.viewport(), leaf);
    }
    m_f->services.chooseOpenFile = [path](const QString &, const QString &) { return path; };
    press(command);
    said.replace(QStringLiteral("PIPE"), path).replace(QStringLiteral("DEFINITION"), path);
    if (said.isEmpty()) {
        QVERIFY2(warnings().isEmpty(), qPrintable(warnings().join(u'|')));
        bool shown = false;
        for (QGraphicsItem *item : m_designer->view()->scene()->items())
            shown = shown || item->type() == QGraphicsPixmapItem::Type;
        QVERIFY(shown);
        return;
    }
    QCOMPARE(warnings().size(), 1);
    QVERIFY2(warnings().first().contains(said), qPrintable(warnings().first()));
}

QUILLSET_TEST_MAIN(TestWindowFiles, QApplication)
#include "tst_WindowFiles.moc"
