#pragma once

#include "core/report/ChequeRegister.h"
#include "core/report/ReportDocument.h"

#include <QWidget>

namespace quillset {

struct AppServices;

/// A report on screen, page under page, with commands to print it, save it as PDF or export its rows
/// as CSV. Pages are painted as they come into view, so a long report opens at once.
class ReportPreview : public QWidget
{
    Q_OBJECT

public:
    ReportPreview(AppServices &services, ReportDefinition definition, const QString &title,
                  QList<RegisterEntry> entries, QWidget *parent = nullptr);

    const ReportDocument &document() const { return m_document; }
    const QList<RegisterEntry> &entries() const { return m_entries; }
    int pageCount() const { return m_document.pageCount(); }
    /// The name, without extension, offered for the PDF and the CSV; "cheques" until told.
    void setFileStem(const QString &stem) { m_fileStem = stem; }

    /// Writes every page to a PDF file; false (and a message) when it cannot be written.
    bool saveAsPdf(const QString &path);
    /// Writes the rows as CSV; false (and a message) when it cannot be written.
    bool exportCsv(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void print();
    void tell(const QString &text);

    AppServices &m_services;
    ReportDocument m_document;
    QList<RegisterEntry> m_entries;
    QString m_fileStem = QStringLiteral("cheques");
};

} // namespace quillset
