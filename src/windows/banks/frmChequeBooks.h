#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace quillset {

struct AppServices;

/// The cheque books of one account: the ones received, what became of their leaves, and a place to
/// add the next book and retire a finished one.
class frmChequeBooks : public QWidget
{
    Q_OBJECT

public:
    frmChequeBooks(AppServices &services, QString account, QWidget *parent = nullptr);

private:
    void showBooks();
    void addBook();
    void retireBook();
    void tell(const QString &text);

    AppServices &m_services;
    QString m_account;
    QTableWidget *m_books = nullptr;
    QLineEdit *m_firstLeaf = nullptr;
    QLineEdit *m_lastLeaf = nullptr;
    QLineEdit *m_received = nullptr;
    QPushButton *m_retire = nullptr;
    QList<qint64> m_ids;
};

} // namespace quillset
