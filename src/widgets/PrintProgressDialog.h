#pragma once

#include "core/issue/ChequeLife.h"

#include <QPointer>

class QProgressDialog;
class QWidget;

namespace quillset {

class Prompter;

/// A job still unfinished when the time limit runs out is the operator's to decide: asked whether
/// to wait longer or cancel it. For a window that shows a print's progress its own way.
class OperatorDecides : public IssueProgress
{
public:
    explicit OperatorDecides(Prompter &prompter);

    void update(const QString &text) override { Q_UNUSED(text); }
    Overdue overdue(const QString &situation) override;

private:
    Prompter &m_prompter;
};

/// The progress of a print while it runs: the cheque's number and what the queue says, in a dialog
/// that appears if the print takes more than a moment and goes when it ends. Its Cancel cancels the
/// job in the print server; when the time limit runs out the operator is asked whether to wait
/// longer or cancel it.
class PrintProgressDialog final : public OperatorDecides
{
public:
    PrintProgressDialog(QWidget *parent, Prompter &prompter);
    ~PrintProgressDialog() override;

    void update(const QString &text) override;
    bool cancelRequested() const override { return m_cancelRequested; }
    Overdue overdue(const QString &situation) override;
    /// The last text shown.
    QString text() const;

private:
    QPointer<QProgressDialog> m_dialog;
    bool m_cancelRequested = false;
};

struct AppServices;

/// Prints a cheque through its life from a window: no other print meanwhile, its progress shown over
/// `parent`, a warning asked about, the notes (a limit's reason, a reprinted row) kept in its history.
/// `issue` takes the context and prints: the cheque, or a reprint.
IssueOutcome issueFromWindow(QWidget *parent, AppServices &services, const PendingNotes &notes,
                             const std::function<IssueOutcome(const IssueContext &)> &issue);

} // namespace quillset
