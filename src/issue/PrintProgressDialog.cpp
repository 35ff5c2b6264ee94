#include "PrintProgressDialog.h"

#include <QProgressDialog>
#include <QTimer>

namespace quillset {

namespace {

constexpr int kShowAfterMilliseconds = 400;

} // namespace

PrintProgressDialog::PrintProgressDialog(QWidget *parent)
    : m_dialog(new QProgressDialog(parent))
{
    m_dialog->setObjectName(QStringLiteral("printProgress"));
    m_dialog->setWindowTitle(QStringLiteral("Printing"));
    m_dialog->setRange(0, 0); // no steps to count: the print server says only where the job stands
    m_dialog->setCancelButton(nullptr);
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

QString PrintProgressDialog::text() const
{
    return m_dialog ? m_dialog->labelText() : QString();
}

} // namespace quillset
