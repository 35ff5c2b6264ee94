#include "PrintProgressDialog.h"

#include "core/base/ProgramInfo.h"
#include "core/base/Prompter.h"
#include "core/issue/ResponsiveWaiter.h"
#include "core/layout/PrintQueue.h"
#include "widgets/AppServices.h"
#include "widgets/WindowKeys.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

namespace quillset {

namespace {

constexpr int kShowAfterMilliseconds = 400;

} // namespace

OperatorDecides::OperatorDecides(Prompter &prompter)
    : m_prompter(prompter)
{
}

Overdue OperatorDecides::overdue(const QString &situation)
{
    return m_prompter.ask(
               kProgramTitle,
               situation
                   + QCoreApplication::translate("PrintProgressDialog",
                                                 "\n\nWait longer for it? Yes waits as long again; No cancels the job "
                                                 "in the print server."))
        ? Overdue::WaitLonger
        : Overdue::CancelJob;
}

PrintProgressDialog::PrintProgressDialog(QWidget *parent, Prompter &prompter)
    : OperatorDecides(prompter)
    , m_dialog(new QProgressDialog(parent))
{
    m_dialog->setObjectName(QStringLiteral("printProgress"));
    m_dialog->setWindowTitle(QCoreApplication::translate("PrintProgressDialog", "Printing"));
    m_dialog->setRange(0, 0); // no steps to count: the print server says only where the job stands
    auto *cancel = new QPushButton(QCoreApplication::translate("PrintProgressDialog", "&Cancel"), m_dialog);
    cancel->setObjectName(QStringLiteral("cmdCancelPrint"));
    m_dialog->setCancelButton(cancel);
    cancelOnEscape(*m_dialog, [cancel] { cancel->click(); });
    // Cancel asks the print sequence to cancel the job; the box stays, saying so, until the print
    // server has said how the job ended. By itself a progress dialog would hide at once; it connects
    // the two by name, so only a disconnection by name undoes it.
    QObject::disconnect(m_dialog, SIGNAL(canceled()), m_dialog, SLOT(cancel()));
    QObject::connect(m_dialog, &QProgressDialog::canceled, m_dialog, [this, cancel] {
        m_cancelRequested = true;
        cancel->setEnabled(false);
    });
    m_dialog->setMinimumWidth(420);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->hide();
    QTimer::singleShot(kShowAfterMilliseconds, m_dialog, [dialog = m_dialog] {
        if (dialog)
            dialog->show();
    });
}

PrintProgressDialog::~PrintProgressDialog()
{
    delete m_dialog;
}

void PrintProgressDialog::update(const QString &text)
{
    if (m_dialog)
        m_dialog->setLabelText(text);
}

Overdue PrintProgressDialog::overdue(const QString &situation)
{
    if (m_cancelRequested)
        return Overdue::CancelJob;
    const Overdue choice = OperatorDecides::overdue(situation);
    // Cancel may have been pressed while the question was open.
    return m_cancelRequested ? Overdue::CancelJob : choice;
}

QString PrintProgressDialog::text() const
{
    return m_dialog ? m_dialog->labelText() : QString();
}

IssueOutcome issueFromWindow(QWidget *parent, AppServices &services, const PendingNotes &notes,
                             const std::function<IssueOutcome(const IssueContext &)> &issue)
{
    const PrintGate gate(services);
    PrintProgressDialog progress(parent, services.prompter);
    ResponsiveWaiter waiter;
    const std::shared_ptr<PrintQueue> queue = services.printQueue();
    IssueContext context {*services.store, *queue, *services.metrics, waiter, &progress, services.workstation};
    context.proceedDespite = [&services](const QString &warning) {
        return services.prompter.ask(kProgramTitle,
                                     warning + QCoreApplication::translate("PrintProgressDialog", " Print it anyway?"));
    };
    context.notes = notes;
    return issue(context);
}

} // namespace quillset
