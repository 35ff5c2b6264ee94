// Opens each window on a copy of the delivered database, fills it as an operator would, and saves a
// picture of it. Run by scripts/screenshots under xvfb-run, so the README's pictures can be refreshed.
//   quillset_screenshots <folder with Records.mdb and rptCheque.rpt> <output folder>
#include "core/issue/ChequeBookLife.h"
#include "core/layout/Fonts.h"
#include "core/layout/PrintQueue.h"
#include "core/positivepay/PositivePayLayout.h"
#include "store/DataSource.h"
#include "widgets/AppServices.h"
#include "widgets/MessageBoxPrompter.h"
#include "windows/banks/frmBanks.h"
#include "windows/banks/frmLeafDesigner.h"
#include "windows/banks/frmPositivePay.h"
#include "windows/batch/frmBatch.h"
#include "windows/issue/frmCheque.h"
#include "windows/issue/frmRegister.h"
#include "windows/layout/MDIForm1.h"
#include "windows/options/frmOptions.h"
#include "windows/report/ReportPreview.h"
#include "windows/report/frmReport.h"
#include "windows/shell/frmMain.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace quillset;

namespace {

void save(QWidget &window, const QDir &out, const QString &name, const QWidget *popup = nullptr)
{
    QTest::qWait(300);
    // The whole window with its frame, as the operator sees it, and a list it has open.
    QRect frame = window.frameGeometry();
    if (popup && popup->isVisible())
        frame |= popup->frameGeometry();
    const QPixmap shot = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    shot.save(out.filePath(name + QStringLiteral(".png")));
    std::printf("saved %s.png\n", qPrintable(name));
}

// Takes every job at once, so that the pictures need no printer.
class AcceptingQueue final : public PrintQueue
{
public:
    QString defaultQueue() override { return QStringLiteral("Screenshots"); }
    int submit(const QString &, const PrintJob &) override { return ++m_jobs; }
    JobStatus jobStatus(const QString &, int) override { return {JobStatus::State::Completed, true, QString()}; }
    void setCallTimeout(int) override { }

private:
    int m_jobs = 0;
};

void type(QWidget &window, const char *field, const QString &text)
{
    auto *edit = window.findChild<QLineEdit *>(QString::fromLatin1(field));
    edit->clear();
    QTest::keyClicks(edit, text);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <folder with Records.mdb and rptCheque.rpt> <output folder>\n", argv[0]);
        return 2;
    }
    loadChequeFonts();
    QApplication::setFont(QFont(chequeFontFamily(), 8));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillset/quillset-64.png")));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir work;
    const QString database = work.filePath(QStringLiteral("Records.mdb"));
    const QString delivered = QString::fromLocal8Bit(argv[1]);
    QFile::copy(QDir(delivered).filePath(QStringLiteral("Records.mdb")), database);

    MessageBoxPrompter prompter;
    AppServices services(prompter);
    services.printQueue = [] { return std::make_shared<AcceptingQueue>(); };
    services.programFolder = delivered;
    // A fixed day, so that refreshed pictures differ only where the windows did.
    services.today = [] { return QDate(2026, 12, 6); };
    frmMain mainWindow(services, database, OdbcInstaller::none());
    mainWindow.show();
    save(mainWindow, out, QStringLiteral("main-window"));

    // The sample account's current cheque book.
    addChequeBook(*services.store, QStringLiteral("ACC1"), QStringLiteral("000121"), QStringLiteral("000170"),
                  QDate(2026, 12, 1));
    mainWindow.findChild<QPushButton *>(QStringLiteral("cmdPrintCheq"))->click();
    auto *entry = mainWindow.findChild<frmCheque *>();
    type(*entry, "txtChequeNo", QStringLiteral("000123"));
    type(*entry, "txtPay", QStringLiteral("ABC Traders"));
    type(*entry, "txtAmount", QStringLiteral("12345"));
    save(*entry, out, QStringLiteral("cheque-entry"));

    entry->findChild<QPushButton *>(QStringLiteral("cmdPrintPreview"))->click();
    save(*entry->previewFrame(), out, QStringLiteral("preview"));
    // Print it and two more, so that the report has something to show.
    entry->previewFrame()->findChild<QPushButton *>(QStringLiteral("cmdPrint"))->click();
    const QStringList payees = {QStringLiteral("Dealer's Co."), QStringLiteral("Municipal Water Board")};
    for (int i = 0; i < payees.size(); ++i) {
        type(*entry, "txtChequeNo", QStringLiteral("00012%1").arg(4 + i));
        type(*entry, "txtPay", payees.at(i));
        type(*entry, "txtAmount", QString::number(2500 * (i + 1) + 75));
        entry->findChild<QPushButton *>(QStringLiteral("cmdPrint"))->click();
    }
    save(*entry, out, QStringLiteral("cheque-printed"));
    // The payees already written, offered from three letters.
    auto *pay = entry->findChild<QLineEdit *>(QStringLiteral("txtPay"));
    pay->setFocus();
    QTest::keyClicks(pay, QStringLiteral("dea"));
    QTest::qWait(300);
    save(*entry, out, QStringLiteral("payee-suggestions"), pay->completer()->popup());
    QTest::keyClick(pay->completer()->popup(), Qt::Key_Escape);
    pay->clear();
    // A batch from the example file, checked and previewed.
    entry->findChild<QPushButton *>(QStringLiteral("cmdBatch"))->click();
    auto *batch = entry->findChild<frmBatch *>();
    QFile example(QStringLiteral(QUILLSET_EXAMPLE_BATCH));
    example.open(QIODevice::ReadOnly);
    batch->loadBatch(example.readAll(), QStringLiteral("batch.csv"));
    save(*batch, out, QStringLiteral("batch"));
    batch->close();
    entry->findChild<QPushButton *>(QStringLiteral("cmdRegister"))->click();
    auto *settling = entry->findChild<frmRegister *>();
    settling->resize(760, 380);
    // A cheque selected, with its history under the list.
    settling->findChild<QTableWidget *>(QStringLiteral("tblCheques"))->selectRow(2);
    save(*settling, out, QStringLiteral("register"));
    settling->close();
    entry->close();

    mainWindow.findChild<QPushButton *>(QStringLiteral("cmdBankData"))->click();
    auto *banks = mainWindow.findChild<frmBanks *>();
    save(*banks, out, QStringLiteral("bank-accounts"));
    banks->findChild<QPushButton *>(QStringLiteral("cmdBooks"))->click();
    auto *books = banks->findChild<QWidget *>(QStringLiteral("frmChequeBooks"));
    save(*books, out, QStringLiteral("cheque-books"));
    books->close();
    // The account's Positive Pay settings: a threshold, and a layout as Import loads it.
    banks->findChild<QPushButton *>(QStringLiteral("cmdPositivePay"))->click();
    auto *positivePay = banks->findChild<frmPositivePay *>();
    positivePay->findChild<QLineEdit *>(QStringLiteral("txtThreshold"))->setText(QStringLiteral("500000"));
    PositivePayLayout layout;
    for (const PositivePayField field :
         {PositivePayField::AccountNumber, PositivePayField::ChequeNumber, PositivePayField::Date,
          PositivePayField::Amount, PositivePayField::Payee, PositivePayField::Reference})
        layout.columns.append({field, positivePayFieldTitle(field)});
    positivePay->showLayout(layout);
    save(*positivePay, out, QStringLiteral("positive-pay"));
    positivePay->close();
    // The leaf laid out by eye, with the payee's box chosen so that its handle shows.
    banks->findChild<QPushButton *>(QStringLiteral("cmdDesign"))->click();
    auto *designer = banks->findChild<frmLeafDesigner *>();
    designer->resize(960, 700);
    designer->findChild<QPushButton *>(QStringLiteral("cmdFit"))->click();
    for (QGraphicsItem *item : designer->view()->scene()->items()) {
        if (item->toolTip() == QLatin1String("Pay"))
            item->setSelected(true);
    }
    save(*designer, out, QStringLiteral("leaf-designer"));
    designer->close();
    banks->close();

    mainWindow.findChild<QPushButton *>(QStringLiteral("cmdOptions"))->click();
    auto *options = mainWindow.findChild<frmOptions *>();
    save(*options, out, QStringLiteral("options"));
    options->close();

    mainWindow.findChild<QPushButton *>(QStringLiteral("cmdReport"))->click();
    auto *report = mainWindow.findChild<frmReport *>();
    save(*report, out, QStringLiteral("report"));
    ReportPreview *listing = report->preview();
    listing->resize(880, 520); // the whole width of the page
    save(*listing, out, QStringLiteral("report-preview"));
    report->close();
    return 0;
}
