#pragma once

#include "core/banks/BankAccount.h"

#include <QList>

#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace quillset {

struct AppServices;
struct BankAccountTexts;

/// The bank account window: browse the accounts one at a time, add new ones, and edit their
/// details and the measured layout of their cheque leaf.
class frmBanks : public QWidget
{
    Q_OBJECT

public:
    explicit frmBanks(AppServices &services, QWidget *parent = nullptr);

    /// true: browsing (boxes locked, navigation on); false: adding or editing.
    void LockTextBoxes(bool st);

signals:
    /// The window has closed; the main window shows itself again.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void fitCaptions();
    void FillTextBoxes();
    bool StoreTextBoxes();
    void ClearTextBoxes();
    void showRecord(int index);
    void openBooks();
    void openPositivePay();
    void exportLeafLayout();
    void importLeafLayout();
    void designOnLeaf();
    bool saveDesign(const BankAccountRecord &designed);
    void showMoney(const MoneyStyle &money);
    void add();
    void edit();
    void save();
    void cancel();
    void escape();
    bool bankIdIsFree() const;
    bool showStoredRecord();
    BankAccountTexts textsOnScreen() const;
    void tell(const QString &text);

    AppServices &m_services;
    std::optional<BankAccountRecord> m_designed; ///< while the leaf designer's account is saved
    std::array<QLineEdit *, 30> m_boxes {}; ///< in copying order: account boxes, the grid 0..17, the crossing
    QLineEdit *m_bankId = nullptr;
    QCheckBox *m_active = nullptr;
    QWidget *m_navigation = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_books = nullptr;
    QPushButton *m_positivePay = nullptr;
    QPushButton *m_exportLayout = nullptr;
    QPushButton *m_importLayout = nullptr;
    QPushButton *m_design = nullptr;
    QComboBox *m_amountStyle = nullptr;
    QLineEdit *m_currencyName = nullptr;
    QLineEdit *m_subunitName = nullptr;
    QComboBox *m_subunitDigits = nullptr;
    QLineEdit *m_notOver = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_exit = nullptr;
    QList<BankAccountRecord> m_records; ///< every account, in the order the database returns them
    int m_current = -1;
    bool m_addingRecord = false;
    QStringList m_valuesBefore; ///< what the controls held when adding or editing began
};

} // namespace quillset
