#pragma once

#include "BatchCheck.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTableWidget;
class QTableWidgetItem;

namespace quillset {

struct AppServices;

/// A batch of cheques from a CSV file or rows pasted from a spreadsheet: every row checked and
/// listed with its problems and the totals, the selected cheque's page as it will print, and the
/// batch printed one cheque after the other with a progress bar, Pause and Cancel between cheques.
class frmBatch : public QWidget
{
    Q_OBJECT

public:
    frmBatch(AppServices &services, QString account, QWidget *parent = nullptr);
    ~frmBatch() override;

    /// Takes the batch from CSV text (a file's content, or rows pasted from a spreadsheet).
    void loadBatch(const QByteArray &content, const QString &name);

signals:
    /// Cheques were printed: the entry window offers its next number afresh.
    void printed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    /// The batch checked as it reads now, against the accounts and the register as they are now.
    CheckedBatch checked(const BatchFile &file) const;
    void openFile();
    void pasteRows();
    void showBatch();
    void showSelectedPage();
    void printBatch();
    void rowEdited(QTableWidgetItem *item);

    AppServices &m_services;
    QString m_account;
    CheckedBatch m_batch;
    QTableWidget *m_rows = nullptr;
    QLabel *m_summary = nullptr;
    QScrollArea *m_page = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_pause = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_paused = false;
    bool m_stopRequested = false;
};

} // namespace quillset
