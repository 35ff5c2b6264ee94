#include "ReportPreview.h"

#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "core/base/ProgramInfo.h"
#include "core/base/Prompter.h"
#include "core/issue/ResponsiveWaiter.h"
#include "core/layout/PrintQueue.h"
#include "print/ReportPdf.h"
#include "store/Store.h"
#include "widgets/AppServices.h"
#include "widgets/WindowKeys.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

namespace quillset {

namespace {

constexpr int kGap = 12; // pixels between pages
constexpr double kScreenScale = 96.0 / 72.0; // points to pixels
constexpr int kPrintCallMilliseconds = 15000; // a long report takes a while to hand over

/// The pages stacked one under the other; only those in view are painted.
class PageStack : public QWidget
{
public:
    PageStack(const ReportDocument &document, QWidget *parent)
        : QWidget(parent)
        , m_document(document)
        , m_page((document.pageSize() * kScreenScale).toSize())
    {
        setObjectName(QStringLiteral("pages"));
        setFixedSize(m_page.width() + 2 * kGap, document.pageCount() * (m_page.height() + kGap) + kGap);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const int stride = m_page.height() + kGap;
        const int first = qMax(0, (event->rect().top() - kGap) / stride);
        const int last = qMin(m_document.pageCount() - 1, event->rect().bottom() / stride);
        for (int page = first; page <= last; ++page)
            m_document.paintPage(painter, page, QRectF(QPointF(kGap, kGap + page * stride), QSizeF(m_page)));
    }

private:
    const ReportDocument &m_document;
    QSize m_page;
};

} // namespace

ReportPreview::ReportPreview(AppServices &services, ReportDefinition definition, const QString &title,
                             QList<RegisterEntry> entries, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_services(services)
    , m_document(std::move(definition), title, entries)
    , m_entries(std::move(entries))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *commands = new QToolBar(this);
    commands
        ->addAction(QCoreApplication::translate("quillset::ReportPreview", "&Print..."), this, &ReportPreview::print)
        ->setObjectName(QStringLiteral("cmdPrint"));
    commands->addAction(QCoreApplication::translate("quillset::ReportPreview", "Save as P&DF..."), this, [this] {
        const QString path = m_services.chooseSaveFile(
            QCoreApplication::translate("quillset::ReportPreview", "Save the report as PDF"),
            m_fileStem + QStringLiteral(".pdf"), QCoreApplication::translate("quillset::ReportPreview", "PDF (*.pdf)"));
        if (!path.isEmpty())
            saveAsPdf(path);
    });
    commands->addAction(QCoreApplication::translate("quillset::ReportPreview", "Export &CSV..."), this, [this] {
        const QString path = m_services.chooseSaveFile(
            QCoreApplication::translate("quillset::ReportPreview", "Export the cheques as CSV"),
            m_fileStem + QStringLiteral(".csv"), QCoreApplication::translate("quillset::ReportPreview", "CSV (*.csv)"));
        if (!path.isEmpty())
            exportCsv(path);
    });
    commands->addSeparator();
    commands->addAction(QCoreApplication::translate("quillset::ReportPreview", "Close"), this, &QWidget::close);
    // A tool bar's buttons show no access keys of their own: each command is given its key.
    for (QAction *command : commands->actions())
        command->setShortcut(QKeySequence::mnemonic(command->text()));
    cancelOnEscape(*this, [this] { close(); });
    auto *pages = new QLabel(QCoreApplication::translate("quillset::ReportPreview", "  %1 page(s), %2 cheque(s)")
                                 .arg(m_document.pageCount())
                                 .arg(m_entries.size()),
                             commands);
    pages->setObjectName(QStringLiteral("pageCount"));
    commands->addWidget(pages);

    auto *view = new QScrollArea(this);
    view->setBackgroundRole(QPalette::Dark);
    view->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    view->setWidget(new PageStack(m_document, view));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(commands);
    layout->addWidget(view, 1);
    resize(view->widget()->width() + 40, 720);
}

void ReportPreview::tell(const QString &text)
{
    m_services.prompter.message(kProgramTitle, text, Prompter::Icon::Warning);
}

void ReportPreview::print()
{
    // Like every print command, nothing while another print is on its way.
    if (m_services.printing || !m_services.printQueue)
        return;
    const PrintGate gate(m_services);
    const std::shared_ptr<PrintQueue> queue = m_services.printQueue();
    ResponsiveWaiter waiter;
    QString printer;
    try {
        queue->setCallTimeout(kPrintCallMilliseconds);
        waiter.run([&] { printer = queue->defaultQueue(); });
    } catch (const Failure &failure) {
        tell(tr("The report was not printed: %1").arg(failure.description()));
        return;
    }
    if (!m_services.prompter.ask(
            kProgramTitle, tr("Print the report, %1 page(s), on the printer \"%2\"?").arg(pageCount()).arg(printer)))
        return;
    try {
        const int job = printReport(renderReportPdf(m_document, windowTitle()), windowTitle(), *queue, printer, waiter);
        m_services.prompter.message(
            kProgramTitle,
            tr("The report, %1 page(s), went to the printer \"%2\" as job %3.").arg(pageCount()).arg(printer).arg(job),
            Prompter::Icon::Information);
    } catch (const Failure &failure) {
        if (failure.number() == ErrorNumber::PrinterOutcomeUnknown)
            tell(tr("The report may or may not print: %1 Look at the printer before printing it again.")
                     .arg(failure.description()));
        else
            tell(tr("The report was not printed: %1").arg(failure.description()));
    }
}

void ReportPreview::closeEvent(QCloseEvent *event)
{
    // The print runs inside this window while the print server is waited on: it stays until then.
    if (m_services.printing) {
        event->ignore();
        return;
    }
    event->accept();
}

bool ReportPreview::saveAsPdf(const QString &path)
{
    try {
        writeFile(path, FileKind::Pdf, renderReportPdf(m_document, windowTitle()), m_services.store->databaseFile());
    } catch (const Failure &failure) {
        tell(failure.description());
        return false;
    }
    return true;
}

bool ReportPreview::exportCsv(const QString &path)
{
    try {
        writeFile(path, FileKind::Csv, registerCsv(m_entries).toUtf8(), m_services.store->databaseFile());
    } catch (const Failure &failure) {
        tell(failure.description());
        return false;
    }
    return true;
}

} // namespace quillset
