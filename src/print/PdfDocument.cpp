#include "PdfDocument.h"

#include "core/layout/PageRenderer.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace quillset {

namespace {

constexpr int kResolution = 1200;

QPageLayout::Orientation pageOrientation(const ChequePage &page)
{
    return page.orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

QByteArray renderPdf(const QList<ChequePage> &pages, const QString &title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Quillset"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                         pages.isEmpty() ? QPageLayout::Portrait : pageOrientation(pages.first()),
                                         QMarginsF(0, 0, 0, 0)));
        QPainter painter(&writer);
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0) {
                writer.setPageOrientation(pageOrientation(pages.at(i)));
                writer.newPage();
            }
            renderChequePage(painter, pages.at(i), kResolution);
        }
    }
    return buffer.data();
}

} // namespace quillset
