#include "ReportPdf.h"

#include "core/issue/ChequeLife.h"
#include "core/layout/PrintQueue.h"
#include "core/report/ReportDocument.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace quillset {

QByteArray renderReportPdf(const ReportDocument &document, const QString &title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Quillset"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        const QRectF target(QPointF(0, 0), document.pageSize() * (writer.resolution() / 72.0));
        for (int page = 0; page < document.pageCount(); ++page) {
            if (page > 0)
                writer.newPage();
            document.paintPage(painter, page, target);
        }
    }
    return buffer.data();
}

int printReport(const QByteArray &pdf, const QString &title, PrintQueue &queue, const QString &printer, Waiter &waiter)
{
    // Paper size and orientation are the job's own defaults, A4 portrait, as the report is laid out.
    PrintJob job;
    job.title = title;
    job.pdf = pdf;
    int number = 0;
    waiter.run([&] { number = queue.submit(printer, job); });
    return number;
}

} // namespace quillset
