#pragma once

#include "shell/MDIForm1.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillset {

struct AppServices;
struct ChequeEntry;

/// The cheque entry window: account, cheque number, payee, date and amount, the amount in words,
/// and the commands that preview, print and record the cheque.
class frmCheque : public QWidget
{
    Q_OBJECT

public:
    explicit frmCheque(AppServices &services, QWidget *parent = nullptr);

    /// Writes the cheque in the fields into the register. Throws Failure when the database refuses.
    void Process();
    /// The cheque as the fields hold it now.
    ChequeEntry currentEntry() const;
    /// The preview frame, while one exists.
    MDIForm1 *previewFrame() const { return m_preview; }

signals:
    /// The window has closed; the main window shows itself again.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void loadAccounts();
    void showAccount(const QString &code);
    void setStampFromParameter();
    void printCheque();
    void previewCheque();
    /// The first test of both commands: a complete cheque on an existing account.
    bool readyToPrint();
    void closePreview();
    bool dateIsAcceptable() const;
    bool filterAmountKey(QKeyEvent *event);
    void tell(const QString &text);

    AppServices &m_services;
    QComboBox *m_bankId = nullptr;
    QLabel *m_accountNo = nullptr;
    QLabel *m_bankName = nullptr;
    QLabel *m_address = nullptr;
    QLabel *m_city = nullptr;
    QLineEdit *m_chequeNo = nullptr;
    QLineEdit *m_pay = nullptr;
    QLineEdit *m_date = nullptr;
    QLineEdit *m_amount = nullptr;
    QLabel *m_narration = nullptr;
    QCheckBox *m_stamp = nullptr;
    QPushButton *m_printPreview = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_exit = nullptr;
    QPointer<MDIForm1> m_preview;
};

} // namespace quillset
