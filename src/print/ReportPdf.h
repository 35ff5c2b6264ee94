#pragma once

#include <QByteArray>
#include <QString>

namespace quillset {

class PrintQueue;
class ReportDocument;
class Waiter;

/// Every page of the report as one PDF document: the pages the preview shows and the printer prints.
QByteArray renderReportPdf(const ReportDocument &document, const QString &title);

/// Sends the report's PDF (every page, as renderReportPdf made it) to the printer as one job, by the
/// same queue as cheques; returns the server's job number. Nothing is recorded. Throws Failure when
/// the printer refuses the job or the server does not answer.
int printReport(const QByteArray &pdf, const QString &title, PrintQueue &queue, const QString &printer, Waiter &waiter);

} // namespace quillset
