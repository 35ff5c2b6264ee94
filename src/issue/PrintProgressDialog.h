#pragma once

#include "ChequeLife.h"

#include <QPointer>

class QProgressDialog;
class QWidget;

namespace quillset {

/// The progress of a print while it runs: the cheque's number and what the queue says, in a dialog
/// that appears if the print takes more than a moment and goes when it ends.
class PrintProgressDialog final : public IssueProgress
{
public:
    explicit PrintProgressDialog(QWidget *parent);
    ~PrintProgressDialog() override;

    void update(const QString &text) override;
    /// The last text shown.
    QString text() const;

private:
    QPointer<QProgressDialog> m_dialog;
};

} // namespace quillset
