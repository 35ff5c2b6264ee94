#include "ReportPreview.h"

#include "ReportPdf.h"
#include "core/Failure.h"
#include "core/Files.h"
#include "shell/AppServices.h"
#include "shell/ProgramInfo.h"
#include "shell/Prompter.h"
#include "store/Store.h"

#include <QDir>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

namespace quillset {

namespace {

constexpr int kGap = 12; // pixels between pages
constexpr double kScreenScale = 96.0 / 72.0; // points to pixels

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

void paintAllPages(const ReportDocument &document, QPrinter &printer)
{
    QPainter painter(&printer);
    const QRectF target(QPointF(0, 0), document.pageSize() * (printer.resolution() / 72.0));
    for (int page = 0; page < document.pageCount(); ++page) {
        if (page > 0)
            printer.newPage();
        document.paintPage(painter, page, target);
    }
}

void preparePrinter(QPrinter &printer)
{
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

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
    commands->addAction(QStringLiteral("&Print..."), this, &ReportPreview::print);
    commands->addAction(QStringLiteral("Save as P&DF..."), this, [this] {
        const QString path = m_services.chooseSaveFile(QStringLiteral("Save the report as PDF"),
                                                       QStringLiteral("cheques.pdf"), QStringLiteral("PDF (*.pdf)"));
        if (!path.isEmpty())
            saveAsPdf(path);
    });
    commands->addAction(QStringLiteral("Export &CSV..."), this, [this] {
        const QString path = m_services.chooseSaveFile(QStringLiteral("Export the cheques as CSV"),
                                                       QStringLiteral("cheques.csv"), QStringLiteral("CSV (*.csv)"));
        if (!path.isEmpty())
            exportCsv(path);
    });
    commands->addSeparator();
    commands->addAction(QStringLiteral("Close"), this, &QWidget::close);
    auto *pages = new QLabel(
        QStringLiteral("  %1 page(s), %2 cheque(s)").arg(m_document.pageCount()).arg(m_entries.size()), commands);
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
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print the report"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    paintAllPages(m_document, printer);
    if (printer.printerState() == QPrinter::Error)
        tell(QStringLiteral("The printer did not accept the report."));
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
