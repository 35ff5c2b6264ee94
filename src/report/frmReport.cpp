#include "frmReport.h"

#include "ChequeRegister.h"
#include "ReportDefinition.h"
#include "ReportPreview.h"
#include "core/Failure.h"
#include "shell/AppServices.h"
#include "shell/CentreWindow.h"
#include "shell/Controls.h"
#include "shell/EnterPressesButtons.h"
#include "shell/ProgramInfo.h"
#include "shell/Prompter.h"
#include "store/Store.h"

#include <QCloseEvent>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace quillset {

namespace {

QDateEdit *addDatePicker(QWidget *parent, const char *name, const QRect &twips, const QDate &today)
{
    auto *picker = addControl<QDateEdit>(parent, name, twips);
    picker->setCalendarPopup(true);
    picker->setLocale(QLocale::c()); // English month names, as on the cheques
    picker->setDisplayFormat(QStringLiteral("dd-MMM-yyyy"));
    picker->setDate(today);
    return picker;
}

} // namespace

frmReport::frmReport(AppServices &services, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(QStringLiteral("Cheque report"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Wider than its controls need, so that a window manager's title bar shows the whole caption.
    setFixedSize(twipsToPixels(3600), twipsToPixels(1605));

    auto *startLabel = addControl<QLabel>(this, "Label", QRect(150, 120, 915, 255), QStringLiteral("Start date:"));
    auto *endLabel = addControl<QLabel>(this, "Label1", QRect(150, 570, 915, 255), QStringLiteral("End date:"));
    m_start = addDatePicker(this, "dtpStartDate", QRect(1110, 90, 1425, 310), m_services.today());
    m_end = addDatePicker(this, "dtpEndDate", QRect(1110, 510, 1425, 310), m_services.today());
    startLabel->setBuddy(m_start);
    endLabel->setBuddy(m_end);
    auto *previewButton
        = addControl<QPushButton>(this, "cmdPreview", QRect(150, 1020, 1125, 405), QStringLiteral("Preview"));
    auto *cancel = addControl<QPushButton>(this, "Command1", QRect(1440, 1020, 1125, 405), QStringLiteral("Cancel"));
    setFocusOrder({m_start, m_end, previewButton, cancel});

    pressButtonsOnEnter(*this);
    connect(previewButton, &QPushButton::clicked, this, [this] { preview(); });
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    CentreWindow(*this);
}

ReportPreview *frmReport::preview()
{
    const QDate from = m_start->date();
    const QDate to = m_end->date();
    const QString title = reportTitle(from, to);
    // The definition is read at every press, so an office's changes show at once.
    const QString definitionPath = QDir(m_services.programFolder).filePath(QStringLiteral("rptCheque.rpt"));
    try {
        ReportDefinition definition = ReportDefinition::load(definitionPath);
        auto *report = new ReportPreview(m_services, std::move(definition), title,
                                         m_services.store->cheques().between(from, to), this);
        report->show();
        return report;
    } catch (const Failure &failure) {
        m_services.prompter.message(kProgramTitle, failure.description(), Prompter::Icon::Warning);
        return nullptr;
    }
}

void frmReport::closeEvent(QCloseEvent *event)
{
    // Its reports close with it, and one of them may be printing: the window stays until it is done.
    if (m_services.printing) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace quillset
