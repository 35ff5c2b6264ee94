#pragma once

#include <QWidget>

class QDateEdit;

namespace quillset {

class ReportPreview;
struct AppServices;

/// The cheque register report: two dates, and "Preview" shows the cheques dated between them.
class frmReport : public QWidget
{
    Q_OBJECT

public:
    explicit frmReport(AppServices &services, QWidget *parent = nullptr);

    /// "Preview": the report for the chosen range in a window of its own, or nullptr (with a message).
    ReportPreview *preview();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    AppServices &m_services;
    QDateEdit *m_start = nullptr;
    QDateEdit *m_end = nullptr;
};

} // namespace quillset
