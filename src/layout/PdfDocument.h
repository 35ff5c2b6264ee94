#pragma once

#include "ChequePage.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace quillset {

/// The pages as one PDF document, painted by the same renderer as the screen, at 1200 dpi on A4.
QByteArray renderPdf(const QList<ChequePage> &pages, const QString &title);

/// Writes a PDF to a file through a temporary file that is renamed over it only once every byte is
/// written, so a full disk or a vanished folder is an error, never a truncated proof. Throws Failure.
void writePdfFile(const QString &path, const QByteArray &pdf);

/// The problem with writing a PDF at that path, or an empty text: a PDF never goes over the database
/// or over a file that is not a PDF.
QString pdfTargetProblem(const QString &path, const QString &databaseLocation);

} // namespace quillset
