#pragma once

#include "core/cheque/ChequeDate.h"

#include <QDate>
#include <QWidget>

#include <optional>

class QComboBox;
class QLineEdit;

namespace quillset {

class ReportPreview;
struct AppServices;

/// The cheque register report: two dates typed as on a cheque, all accounts or one, and "Preview"
/// shows the cheques dated between them. It opens on the current month.
class frmReport : public QWidget
{
    Q_OBJECT

public:
    explicit frmReport(AppServices &services, QWidget *parent = nullptr);

    /// "Preview": the report for the chosen range in a window of its own, or nullptr (with a message,
    /// and the cursor in the date it is about).
    ReportPreview *preview();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void loadAccounts();
    /// The date a field holds; nothing, said and with the cursor put there, when it holds none.
    std::optional<QDate> readDate(QLineEdit *field, const QString &which);
    void tell(const QString &text);
    DateOrder officeDateOrder() const;

    AppServices &m_services;
    QLineEdit *m_start = nullptr;
    QLineEdit *m_end = nullptr;
    QComboBox *m_account = nullptr;
};

} // namespace quillset
