#pragma once

#include "core/issue/ChequeLife.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace quillset {

struct AppServices;

/// The register of one account, newest first, where the operator settles its cheques: a pending
/// cheque marked printed, spoiled or not printed, a printed one voided, a spoiled leaf recorded, a
/// spoiled or voided cheque printed again on the next leaf.
class frmRegister : public QWidget
{
    Q_OBJECT

public:
    frmRegister(AppServices &services, const QString &account, QWidget *parent = nullptr);

    /// Reads the account's rows again.
    void refresh();
    /// The row shown at a table row, for tests and the commands.
    const RegisterEntry &row(int index) const { return m_rows.at(index); }
    int rowCount() const { return static_cast<int>(m_rows.size()); }

signals:
    /// A row was settled: the register changed.
    void settled();

private:
    void buildControls();
    void showButtons();
    void settleSelected(Settlement settlement);
    void recordSpoiledLeaf();
    void reprintSelected();
    void exportPositivePay();
    const RegisterEntry *selectedRow() const;
    void showHistory(const RegisterEntry *row);
    void tell(const QString &text);

    AppServices &m_services;
    QComboBox *m_account = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_summary = nullptr;
    QLabel *m_bookLines = nullptr;
    QLabel *m_history = nullptr;
    QPushButton *m_printed = nullptr;
    QPushButton *m_spoiled = nullptr;
    QPushButton *m_unprinted = nullptr;
    QPushButton *m_void = nullptr;
    QPushButton *m_reprint = nullptr;
    QList<RegisterEntry> m_rows;
};

} // namespace quillset
