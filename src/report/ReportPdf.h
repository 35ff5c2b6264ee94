#pragma once

#include <QByteArray>

namespace quillset {

class ReportDocument;

/// Every page of the report as one PDF document: the pages the preview shows and the printer prints.
QByteArray renderReportPdf(const ReportDocument &document, const QString &title);

} // namespace quillset
