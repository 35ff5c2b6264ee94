#include "ReportPdf.h"

#include "ReportDocument.h"

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

} // namespace quillset
