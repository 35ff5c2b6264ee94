#include "PdfDocument.h"

#include "PageRenderer.h"
#include "core/Failure.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

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

void writePdfFile(const QString &path, const QByteArray &pdf)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() && file.commit())
        return;
    throw Failure(ErrorNumber::FileWrite,
                  QStringLiteral("The PDF file \"%1\" could not be written: %2.")
                      .arg(QDir::toNativeSeparators(path), file.errorString()));
}

QString pdfTargetProblem(const QString &path, const QString &databaseLocation)
{
    const QFileInfo target(path);
    if (path.isEmpty())
        return QStringLiteral("--pdf needs the name of the PDF file to write.");
    if (target.exists() && target.canonicalFilePath() == QFileInfo(databaseLocation).canonicalFilePath())
        return QStringLiteral("--pdf names the database \"%1\"; a proof is never written over it.")
            .arg(QDir::toNativeSeparators(path));
    if (target.isDir())
        return QStringLiteral("--pdf names the folder \"%1\"; name a file in it.").arg(QDir::toNativeSeparators(path));
    if (target.exists()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || !file.read(5).startsWith("%PDF-"))
            return QStringLiteral("\"%1\" is there already and is not a PDF file; a proof is only ever written over "
                                  "an earlier PDF. Choose another name.")
                .arg(QDir::toNativeSeparators(path));
    }
    return QString();
}

} // namespace quillset
