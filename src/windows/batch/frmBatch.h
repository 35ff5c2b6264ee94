#pragma once

#include "core/batch/BatchCheck.h"

#include <QWidget>

class QComboBox;
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

    /// Takes the batch from a file's content, read in the encoding chosen under Encoding (or the
    /// one the file is marked with, UTF-8 when it is not).
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
    /// Reads the content as a batch afresh and shows it; `encoding` empty for the file's own.
    void readAndShow(const QByteArray &content, const QString &name, const QString &encoding);
    void showBatch();
    QString summaryText() const;
    void showSelectedPage();
    void printBatch();
    void rowEdited(QTableWidgetItem *item);

    AppServices &m_services;
    QString m_account;
    CheckedBatch m_batch;
    QByteArray m_fileContent; ///< the opened file's bytes, read again when another encoding is chosen
    QString m_fileName;
    QList<int> m_notPrinted; ///< the lines the last run did not print
    QString m_outcome; ///< what the last run did, until another batch is taken
    QComboBox *m_encoding = nullptr;
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
