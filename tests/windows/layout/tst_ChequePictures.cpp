#include "support/ChequePicture.h"
#include "support/PageImage.h"
#include "support/TestMain.h"
#include "support/WindowTest.h"

#include "core/banks/BankAccount.h"
#include "core/cheque/Cheque.h"
#include "core/issue/IssueCheque.h"
#include "core/layout/CalibrationSheet.h"
#include "core/layout/PageMetrics.h"
#include "core/workstation/WorkstationSettings.h"
#include "print/PdfDocument.h"
#include "store/Store.h"
#include "store/SystemParameters.h"
#include "windows/issue/frmCheque.h"
#include "windows/layout/MDIForm1.h"
#include "windows/layout/frmCheq.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

using namespace quillset;
using namespace quillset::test;

// Every way a cheque comes out, read back from its picture as the person holding it would read it:
// from the entry window, its preview, a proof from the command line, a batch's proof and the
// calibration sheet.
class TestChequePictures : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void chequeFromTheEntryWindowReadsBack_data();
    void chequeFromTheEntryWindowReadsBack();
    void previewReadsAsThePrintWill_data();
    void previewReadsAsThePrintWill();
    void proofFromTheCommandLineReadsBack_data();
    void proofFromTheCommandLineReadsBack();
    void batchProofReadsBackPageByPage();
    void calibrationSheetReadsBack();

private:
    /// Runs the program on the fixture's database, closed meanwhile; its standard error in m_said.
    int run(const QStringList &arguments);
    QString file(const QString &name) const { return m_f->db.folder() + u'/' + name; }
    void typeCheque(frmCheque &window, const QString &number, const QString &payee, const QString &amount);

    std::unique_ptr<WindowFixture> m_f;
    QString m_said;
    PageMetrics m_metrics;
};

void TestChequePictures::init()
{
    m_f = std::make_unique<WindowFixture>();
    QVERIFY(m_f->db.isReady());
    WorkstationSettings().setLastAccount(QString());
}

void TestChequePictures::cleanup()
{
    m_f.reset();
}

int TestChequePictures::run(const QStringList &arguments)
{
    m_f->db.close();
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No run may reach a real printer queue.
    environment.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("/nonexistent/cups.sock"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLSET_PROGRAM),
                  QStringList {QStringLiteral("--database"), m_f->db.path()} + arguments);
    const bool finished = program.waitForFinished(120000);
    m_said = QString::fromUtf8(program.readAllStandardError());
    if (!m_f->db.reopen())
        return -2;
    return finished ? program.exitCode() : -1;
}

void TestChequePictures::typeCheque(frmCheque &window, const QString &number, const QString &payee,
                                    const QString &amount)
{
    QTest::keyClicks(find(&window, "txtChequeNo"), number);
    QTest::keyClicks(find(&window, "txtPay"), payee);
    QTest::keyClicks(find(&window, "txtAmount"), amount);
}

void TestChequePictures::chequeFromTheEntryWindowReadsBack_data()
{
    QTest::addColumn<QString>("setUp"); // a statement on the sample database first
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("refused"); // how the message starts; empty: it prints
    QTest::addColumn<QString>("asked"); // how the question before printing starts; empty: none
    // The sample account as it is is printed and read back in tst_printqueue.
    QTest::newRow("a long payee, set smaller on its line") << "UPDATE BankAccount SET PayWidth = 6"
                                                           << "MAHARASHTRA STATE ELECTRICITY BOARD"
                                                           << "5000"
                                                           << ""
                                                           << "";
    QTest::newRow("lakh and crore on an Indian account")
        << "UPDATE BankAccount SET AmountStyle = 'Indian', CurrencyName = 'Rupees', SubunitName = 'Paise'"
        << "Dealer's Co."
        << "150000000"
        << ""
        << "";
    QTest::newRow("the leaf 2 mm off the sheet, the crossing clear of it")
        << "UPDATE sys_parms SET Value = '-0.2' WHERE Description = 'CBLeft'; UPDATE BankAccount SET CrossLeft = 0.2"
        << "ABC Traders"
        << "99"
        << ""
        << "";
    QTest::newRow("the date past its box, on the leaf")
        << "UPDATE BankAccount SET DateWidth = 4"
        << "ABC Traders"
        << "99"
        << ""
        << "The date would run 5.1 mm past its box on the leaf. Check its place and \"Date, Width\" under Bank Data.";
    QTest::newRow("the date 5 mm past the leaf's edge")
        << "UPDATE BankAccount SET DateLeft = 16.3, DateWidth = 4.6"
        << "ABC Traders"
        << "99"
        << "ERR:1307:The date would print off the cheque leaf, by up to 5.1 mm."
        << "";
}

void TestChequePictures::chequeFromTheEntryWindowReadsBack()
{
    QFETCH(QString, setUp);
    QFETCH(QString, payee);
    QFETCH(QString, amount);
    QFETCH(QString, refused);
    QFETCH(QString, asked);
    for (const QString &statement : setUp.split(u';', Qt::SkipEmptyParts))
        m_f->db.exec(statement);
    frmCheque window(m_f->services);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    typeCheque(window, QStringLiteral("000123"), payee, amount);
    click(&window, "cmdPrint");
    if (!refused.isEmpty()) {
        QCOMPARE(m_f->prompter.messages.size(), 1);
        QVERIFY2(m_f->prompter.texts().first().startsWith(refused), qPrintable(m_f->prompter.texts().first()));
        QVERIFY(m_f->queue->jobs.isEmpty());
        QCOMPARE(registerRows(m_f->db), 0);
        return;
    }
    QVERIFY2(m_f->prompter.messages.isEmpty(), qPrintable(m_f->prompter.texts().join(u'\n')));
    QCOMPARE(m_f->prompter.questions.size(), asked.isEmpty() ? 0 : 1);
    if (!asked.isEmpty())
        QVERIFY2(m_f->prompter.questions.first().startsWith(asked), qPrintable(m_f->prompter.questions.first()));
    QCOMPARE(m_f->queue->jobs.size(), 1);

    // The very PDF the printer was given, read as the clerk reads the cheque.
    const PrintJob &job = m_f->queue->jobs.first();
    QFile pdf(file(QStringLiteral("job.pdf")));
    const QByteArray printed = renderPdf(job.pages, job.title);
    QVERIFY(pdf.open(QIODevice::WriteOnly) && pdf.write(printed) == printed.size());
    pdf.close();
    const PageImage paper = PageImage::fromPdf(pdf.fileName());
    const ChequePage &page = job.pages.first();
    // Every mark in its box, but for the date the clerk was asked about, and nothing off the leaf.
    QStringList misread = misreadCheque(page, paper);
    if (!asked.isEmpty())
        misread.removeIf([](const QString &line) { return line.endsWith(QLatin1String("outside every item's box")); });
    if (!misread.isEmpty())
        paper.save(file(QStringLiteral("job.png")));
    QVERIFY2(misread.isEmpty(), qPrintable(misread.join(u'\n')));
    // What the paper says is what the register says.
    QCOMPARE(unspaced(itemRead(page.item(QStringLiteral("lblPay")), paper)),
             unspaced(m_f->db.scalar(QStringLiteral("SELECT Pay FROM Cheque")).toString()));
    QCOMPARE(dateDigitsRead(page, paper, QStringLiteral("06122026")), QStringLiteral("06122026"));
}

void TestChequePictures::previewReadsAsThePrintWill_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("status"); // what the preview says under the page
    QTest::newRow("the sample account") << ""
                                        << "";
    QTest::newRow("the date past its box, on the leaf")
        << "UPDATE BankAccount SET DateWidth = 4"
        << "The date would run 5.1 mm past its box on the leaf. Check its place and \"Date, Width\" under Bank Data.";
}

void TestChequePictures::previewReadsAsThePrintWill()
{
    QFETCH(QString, setUp);
    QFETCH(QString, status);
    if (!setUp.isEmpty())
        m_f->db.exec(setUp);
    frmCheque window(m_f->services);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    typeCheque(window, QStringLiteral("000124"), QStringLiteral("Preview Traders"), QStringLiteral("4567"));
    click(&window, "cmdPrintPreview");
    MDIForm1 *preview = window.previewFrame();
    QVERIFY(preview && QTest::qWaitForWindowExposed(preview));
    frmCheq *shown = preview->layoutWindow();
    QVERIFY(shown);
    // The picture on the screen at the zoom it opened with, enlarged as a reader leaning in would see
    // it, and read at the 300 dpi the readings are made for.
    const double screenDpi = 96 * shown->zoom();
    const QImage grabbed = shown->grab().toImage();
    const PageImage screen = PageImage::fromImage(
        grabbed.scaled(grabbed.size() * (300 / screenDpi), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), 300);
    const ChequePage page = shown->page();
    QStringList misread = misreadCheque(page, screen);
    if (!status.isEmpty())
        misread.removeIf([](const QString &line) { return line.endsWith(QLatin1String("outside every item's box")); });
    if (!misread.isEmpty())
        screen.save(file(QStringLiteral("preview.png")));
    QVERIFY2(misread.isEmpty(), qPrintable(misread.join(u'\n')));
    // What printing it would ask about is said under the page before anything is printed.
    const auto *said = find<QLabel>(preview, "lblStatus");
    QCOMPARE(said->isVisible() ? said->text() : QString(), status);
    QVERIFY(m_f->prompter.messages.isEmpty() && m_f->prompter.questions.isEmpty());

    // And its Print prints what was read.
    click(preview, "cmdPrint");
    QCOMPARE(m_f->queue->printed().size(), 1);
    QCOMPARE(m_f->queue->printed().first(), page);
}

void TestChequePictures::proofFromTheCommandLineReadsBack_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("said"); // on standard error; empty: nothing
    QTest::addColumn<bool>("whole"); // every mark in its box and on the leaf
    QTest::newRow("the sample account") << ""
                                        << "" << true;
    QTest::newRow("the date past its box, on the leaf")
        << "UPDATE BankAccount SET DateWidth = 4"
        << "quillset: warning: The date would run 5.1 mm past its box on the leaf. Check its place and \"Date, "
           "Width\" in the account's layout"
        << false;
    QTest::newRow("the date 5 mm past the leaf's edge")
        << "UPDATE BankAccount SET DateLeft = 16.3, DateWidth = 4.6"
        << "quillset: the proof is written, but this cheque would not print: The date would print off the cheque "
           "leaf, by up to 5.1 mm."
        << false;
    QTest::newRow("the figures wider than their box")
        << "UPDATE BankAccount SET AmountWidth = 2.5"
        << "quillset: the proof is written, but this cheque would not print: The amount in figures is 2.9 mm too "
           "wide for its box on the leaf. Widen \"Amount, Width\""
        << false;
}

void TestChequePictures::proofFromTheCommandLineReadsBack()
{
    QFETCH(QString, setUp);
    QFETCH(QString, said);
    QFETCH(bool, whole);
    if (!setUp.isEmpty())
        m_f->db.exec(setUp);
    // The proof's date is fixed and the program's today is the clock's: the date stays one a cheque
    // may carry, and what is said of it (post-dated, later stale) is no part of what is read here.
    m_f->db.store().parameters().SetSystemParameter(Parameter::DateWindowMonths, QStringLiteral("120"));
    const Cheque cheque {QStringLiteral("ACC1"), QStringLiteral("000777"), QStringLiteral("Proof Traders"),
                         QDate(2026, 12, 31),    Money {999999999, {}},    true};
    const ChequePage page = composeChequePage(m_f->db.store(), cheque, m_metrics);
    QCOMPARE(run({QStringLiteral("--pdf"), file(QStringLiteral("proof.pdf")), QStringLiteral("--account"),
                  QStringLiteral("ACC1"), QStringLiteral("--cheque"), cheque.number, QStringLiteral("--pay"),
                  cheque.payee, QStringLiteral("--date"), QStringLiteral("31-Dec-2026"), QStringLiteral("--amount"),
                  QStringLiteral("999999999"), QStringLiteral("--stamp")}),
             0);
    static const QRegularExpression dateNote(QStringLiteral("^quillset: warning: the cheque is dated .*\n"),
                                             QRegularExpression::MultilineOption);
    m_said.remove(dateNote);
    if (said.isEmpty())
        QVERIFY2(m_said.isEmpty(), qPrintable(m_said));
    else
        QVERIFY2(m_said.simplified().startsWith(said), qPrintable(m_said));

    const PageImage proof = PageImage::fromPdf(file(QStringLiteral("proof.pdf")));
    QVERIFY(!proof.isNull());
    // What is said is what the proof shows: read whole, or the date's digits and the figures still
    // read where they were set, past their box or the leaf as the message says.
    if (whole) {
        const QStringList misread = misreadCheque(page, proof);
        QVERIFY2(misread.isEmpty(), qPrintable(misread.join(u'\n')));
        return;
    }
    QCOMPARE(dateDigitsRead(page, proof, QStringLiteral("31122026")), QStringLiteral("31122026"));
    const PageItem &figures = page.item(QStringLiteral("lblAmount"));
    QCOMPARE(unspaced(itemRead(figures, proof, 15)), QStringLiteral("=999,999,999/-"));
    const int offLeaf = proof.inkOutside({boxInPoints(page.leaf)});
    QCOMPARE(offLeaf > 0, said.contains(QStringLiteral("off the cheque leaf")));
}

void TestChequePictures::batchProofReadsBackPageByPage()
{
    QFile batch(file(QStringLiteral("run.csv")));
    QVERIFY(batch.open(QIODevice::WriteOnly));
    batch.write("Pay,Amount,Date,Cheque,Stamp\n"
                "One Traders,1,06-Dec-2026,000501,yes\n"
                "Second Company Ltd.,22222,07-Dec-2026,000502,no\n"
                "THIRD,333333333,08-Dec-2026,000503,yes\n");
    batch.close();
    QCOMPARE(run({QStringLiteral("--batch"), batch.fileName(), QStringLiteral("--account"), QStringLiteral("ACC1"),
                  QStringLiteral("--pdf"), file(QStringLiteral("batch.pdf"))}),
             0);
    QVERIFY2(m_said.isEmpty(), qPrintable(m_said));
    const QList<PageImage> pages = PageImage::allPages(file(QStringLiteral("batch.pdf")));
    QCOMPARE(pages.size(), 3);
    const QList<Cheque> cheques {
        {QStringLiteral("ACC1"), QStringLiteral("000501"), QStringLiteral("One Traders"), QDate(2026, 12, 6),
         Money {1, {}}, true},
        {QStringLiteral("ACC1"), QStringLiteral("000502"), QStringLiteral("Second Company Ltd."), QDate(2026, 12, 7),
         Money {22222, {}}, false},
        {QStringLiteral("ACC1"), QStringLiteral("000503"), QStringLiteral("THIRD"), QDate(2026, 12, 8),
         Money {333333333, {}}, true},
    };
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const ChequePage page = composeChequePage(m_f->db.store(), cheques.at(i), m_metrics);
        const QStringList misread = misreadCheque(page, pages.at(i));
        QVERIFY2(misread.isEmpty(), qPrintable(QStringLiteral("page %1: %2").arg(i + 1).arg(misread.join(u'\n'))));
    }
}

void TestChequePictures::calibrationSheetReadsBack()
{
    QCOMPARE(run({QStringLiteral("--calibration-sheet"), QStringLiteral("--account"), QStringLiteral("ACC1"),
                  QStringLiteral("--pdf"), file(QStringLiteral("sheet.pdf"))}),
             0);
    const PageImage sheet = PageImage::fromPdf(file(QStringLiteral("sheet.pdf")));
    QVERIFY(!sheet.isNull());
    const ChequePage drawn
        = composeCalibrationSheet(*m_f->db.store().accounts().find(QStringLiteral("ACC1")),
                                  m_f->db.store().parameters().printSettingsFor(QString()), {}, m_metrics);
    // Each box's label, and every centimetre of the rulers numbered: the numbers read ten at a time
    // set side by side, and one by one where that reads other than what was drawn.
    QList<const PageItem *> labels, numbers;
    for (const PageItem &item : drawn.items) {
        if (item.kind == PageItem::Kind::Text && !item.name.startsWith(QLatin1String("Instruction")))
            (item.name.startsWith(QLatin1String("Label ")) ? labels : numbers).append(&item);
    }
    QVERIFY(numbers.size() >= 75); // the leaf's 20 and 9, and the page's 20 and 29, less those cut by its edges
    const auto place = [](const PageItem *item) { return boxInPoints(item->rect).adjusted(-1, -0.5, 1, 0.5); };
    const QString digits = QStringLiteral("0123456789-");
    QStringList misread;
    const auto readOneByOne = [&](const QList<const PageItem *> &items, const QString &allowed) {
        for (const PageItem *item : items) {
            const QString read = sheet.line(place(item), allowed);
            if (unspaced(read) != unspaced(item->text))
                misread.append(QStringLiteral("%1 reads \"%2\"").arg(item->name, read));
        }
    };
    readOneByOne(labels, QString());
    for (qsizetype from = 0; from < numbers.size(); from += 10) {
        const QList<const PageItem *> some = numbers.mid(from, 10);
        QList<QRectF> places;
        QString drawnDigits;
        for (const PageItem *item : some) {
            places.append(place(item));
            drawnDigits += unspaced(item->text);
        }
        if (unspaced(sheet.closedUp(places, digits, 1)) != drawnDigits)
            readOneByOne(some, digits);
    }
    QVERIFY2(misread.isEmpty(), qPrintable(misread.join(u'\n')));
    const QString instruction = sheet.text(QRectF(0, boxInPoints(drawn.leaf).bottom(), 595, 842));
    QVERIFY2(instruction.simplified().contains(
                 QStringLiteral("Quillset calibration sheet: account ACC1 (Sample Bank), printer not known")),
             qPrintable(instruction));
}

QUILLSET_TEST_MAIN(TestChequePictures, QApplication)
#include "tst_ChequePictures.moc"
