#pragma once

#include "core/cheque/Cheque.h"
#include "core/cheque/ChequeInput.h"
#include "core/issue/ChequeLife.h"
#include "core/words/MoneyStyle.h"
#include "windows/layout/MDIForm1.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class QStringListModel;

namespace quillset {

class AmountValidator;
struct AppServices;
struct ChequeReading;
struct ChequeTexts;

/// The cheque entry window: account, cheque number, payee, date and amount, the amount in words,
/// and the commands that preview, print and record the cheque.
class frmCheque : public QWidget
{
    Q_OBJECT

public:
    explicit frmCheque(AppServices &services, QWidget *parent = nullptr);

    /// Prints the cheque through its life, from a pending row to its outcome, showing its progress.
    /// `notes`: the reason given for a cheque above its account's limit, or the row it prints again.
    IssueOutcome Process(const Cheque &cheque, const PendingNotes &notes = {});
    /// The fields as they stand now.
    ChequeTexts currentTexts() const;
    /// The preview frame, while one exists.
    MDIForm1 *previewFrame() const { return m_preview; }

signals:
    /// The window has closed; the main window shows itself again.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void loadAccounts();
    void showAccount(const QString &code);
    void setStampFromParameter();
    void printCheque();
    void previewCheque();
    void printFromPreview();
    /// The first test of both commands: the cheque the fields hold, or nothing (with a message).
    std::optional<Cheque> readyToPrint();
    void focusFirstProblem(const ChequeReading &reading, bool emptyOnly);
    /// Takes the chosen account's money as it is now, should it have changed since it was chosen.
    void followAccountMoney();
    void showNarration();
    void closePreview();
    /// Recomposes an open preview from the fields as they are now, or says why nothing would print.
    void refreshPreview();
    /// The default printer whose calibration a preview is placed with; empty when there is none.
    QString previewPrinter();
    /// Why the page would not be printed, in the operator's words; empty when it would be.
    QString printingStopText(const ChequePage &page) const;
    void offerNextNumber();
    void openRegister();
    void refreshPayees();
    void focusNumberIfDue();
    void confirmOutcome(const Cheque &cheque, const IssueOutcome &outcome);
    bool numberIsWanted(const Cheque &cheque);
    /// Asks once whether a cheque whose date needs a second look (post-dated, stale) is printed.
    /// Asks before printing a payment the register already holds (printed or pending).
    bool paymentIsWanted(const Cheque &cheque);
    bool dateIsWanted(const Cheque &cheque);
    /// For a cheque above its account's "Not over" limit, asks for the reason it is printed all the
    /// same: nothing when the operator declines, an empty reason when the cheque is within the limit.
    std::optional<QString> overLimitReason(const Cheque &cheque);
    /// The office's date rules today. Throws Failure when they cannot be read.
    DateRules dateRules() const;
    /// The fields read into a cheque with the office's date rules.
    ChequeReading readFields() const;
    /// Why the date cannot be printed; empty when it can, or when it is empty. `flag` gets why a
    /// date that can needs a second look.
    QString dateProblem(QString *flag = nullptr) const;
    /// Says under the date what is wrong with it (once the operator has `left` it) or what Print
    /// will ask about it.
    void showDateNote(bool left);
    bool filterAmountKey(QKeyEvent *event);
    void tell(const QString &text);
    /// Says in the strip what the window did or found.
    void setStatus(const QString &text);
    /// Gives the words, the account line and the status the height their texts need.
    void fitTexts();

    AppServices &m_services;
    QFrame *m_fields = nullptr;
    QFrame *m_commands = nullptr;
    QFrame *m_strip = nullptr;
    QComboBox *m_bankId = nullptr;
    QLabel *m_accountNo = nullptr;
    QLabel *m_bankName = nullptr;
    QLabel *m_address = nullptr;
    QLabel *m_city = nullptr;
    QLineEdit *m_chequeNo = nullptr;
    QLineEdit *m_pay = nullptr;
    QStringListModel *m_payees = nullptr;
    QLabel *m_payLabel = nullptr;
    QLabel *m_accountLine = nullptr;
    bool m_numberNext = false; ///< the number field takes the focus once the window is active again
    QLineEdit *m_date = nullptr;
    QLineEdit *m_amount = nullptr;
    QLabel *m_dateNote = nullptr;
    bool m_dateSaid = false; ///< the note under the date says why it cannot be printed
    QLabel *m_narrationCaption = nullptr;
    QLabel *m_narration = nullptr;
    QLabel *m_figures = nullptr;
    QCheckBox *m_stamp = nullptr;
    QComboBox *m_crossing = nullptr; ///< the crossing's words for this cheque
    QPushButton *m_printPreview = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_exit = nullptr;
    QPushButton *m_batch = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_register = nullptr;
    QString m_offeredNumber;
    bool m_amountSaid = false; ///< the status strip says why the amount does not fit the account
    AmountValidator *m_amountValidator = nullptr;
    MoneyStyle m_money; ///< the chosen account's
    QPointer<MDIForm1> m_preview;
    QString m_previewPrinter; ///< whose calibration the open preview is placed with
};

} // namespace quillset
