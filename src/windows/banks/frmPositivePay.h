#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace quillset {

struct AppServices;

/// An account's Positive Pay settings: the amount from which its cheques are reported to the bank,
/// and the layout of the bank's file, typed or loaded from a layout file.
class frmPositivePay : public QWidget
{
    Q_OBJECT

public:
    frmPositivePay(AppServices &services, QString account, QWidget *parent = nullptr);

    /// Checks what is typed and saves it to the account; false, with the reason told, when refused.
    bool save();

signals:
    /// The account's settings were saved.
    void saved(const QString &account);

private:
    void importLayout();
    void tell(const QString &text);

    AppServices &m_services;
    QString m_account;
    QLineEdit *m_threshold = nullptr;
    QPlainTextEdit *m_layout = nullptr;
};

} // namespace quillset
