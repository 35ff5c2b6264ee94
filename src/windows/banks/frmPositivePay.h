#pragma once

#include "core/positivepay/PositivePayLayout.h"
#include "core/words/MoneyStyle.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace quillset {

struct AppServices;

/// An account's Positive Pay settings: the amount from which its cheques are reported to the bank,
/// and the layout of the bank's file, chosen in a form (or loaded from a layout file) with a sample
/// of the file under it.
class frmPositivePay : public QWidget
{
    Q_OBJECT

public:
    frmPositivePay(AppServices &services, QString account, QWidget *parent = nullptr);

    /// Fills the form with the layout, as Import does; one without columns is none.
    void showLayout(const PositivePayLayout &layout);
    /// The layout the form holds.
    PositivePayLayout formLayout() const;

    /// Checks what is typed and saves it to the account; false, with the reason told, when refused.
    bool save();

signals:
    /// The account's settings were saved.
    void saved(const QString &account);

private:
    void importLayout();
    void tell(const QString &text);
    void addColumn();
    void removeColumn();
    void moveColumn(int by);
    void putColumn(int row, const PositivePayColumn &column);
    void showColumn();
    void chooseField();
    void retitle(const QString &title);
    void showSample();
    void pointAt(const PositivePayProblem &problem);

    AppServices &m_services;
    QString m_account;
    QString m_accountNumber; ///< for the sample
    MoneyStyle m_money;
    QLineEdit *m_threshold = nullptr;
    QTableWidget *m_columns = nullptr;
    QComboBox *m_field = nullptr;
    QLineEdit *m_title = nullptr;
    QComboBox *m_dateFormat = nullptr;
    QComboBox *m_amount = nullptr;
    QComboBox *m_separator = nullptr;
    QCheckBox *m_header = nullptr;
    QLineEdit *m_issuedFlag = nullptr;
    QLineEdit *m_voidFlag = nullptr;
    QLabel *m_sample = nullptr;
};

} // namespace quillset
