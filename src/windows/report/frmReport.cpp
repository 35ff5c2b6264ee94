#include "frmReport.h"

#include "core/base/Failure.h"
#include "core/base/ProgramInfo.h"
#include "core/base/Prompter.h"
#include "core/cheque/ChequeInput.h"
#include "core/report/ChequeRegister.h"
#include "core/report/ReportDefinition.h"
#include "store/Store.h"
#include "widgets/AppServices.h"
#include "widgets/CentreWindow.h"
#include "widgets/Controls.h"
#include "widgets/EnterPressesButtons.h"
#include "widgets/WindowKeys.h"
#include "windows/report/ReportPreview.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace quillset {

namespace {

// One text box per date, typed as the entry window's date is: a whole date in any form it reads,
// with no sections to jump between. A date that reads is shown in the cheques' own form.
QLineEdit *addDateField(QWidget *parent, const char *name, const QRect &twips, const QDate &date,
                        const std::function<DateOrder()> &order)
{
    auto *field = addControl<QLineEdit>(parent, name, twips, formatChequeDate(date));
    field->setToolTip(QCoreApplication::translate("quillset::frmReport", "Type a date as on a cheque, such as %1.")
                          .arg(formatChequeDate(date)));
    QObject::connect(field, &QLineEdit::editingFinished, field, [field, order] {
        if (const std::optional<QDate> read = parseChequeDate(field->text(), order()))
            field->setText(formatChequeDate(*read));
    });
    return field;
}

} // namespace

frmReport::frmReport(AppServices &services, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(tr("Cheque report"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Wider than its controls need, so that a window manager's title bar shows the whole caption; a
    // line lower than of old, for the account.
    setFixedSize(twipsToPixels(3600), twipsToPixels(2055));

    // The month the operator is in: the report most often wanted.
    const QDate today = m_services.today();
    const QDate first(today.year(), today.month(), 1);
    auto *startLabel = addControl<QLabel>(this, "Label", QRect(150, 120, 915, 255), tr("&Start date:"));
    auto *endLabel = addControl<QLabel>(this, "Label1", QRect(150, 570, 915, 255), tr("&End date:"));
    const auto order = [this] { return officeDateOrder(); };
    m_start = addDateField(this, "dtpStartDate", QRect(1110, 90, 1425, 310), first, order);
    m_end = addDateField(this, "dtpEndDate", QRect(1110, 510, 1425, 310), first.addMonths(1).addDays(-1), order);
    startLabel->setBuddy(m_start);
    endLabel->setBuddy(m_end);
    auto *accountLabel = addControl<QLabel>(this, "lblAccount", QRect(150, 1020, 915, 255), tr("&Account:"));
    m_account = addControl<QComboBox>(this, "comAccount", QRect(1110, 960, 2340, 315));
    accountLabel->setBuddy(m_account);
    auto *previewButton = addControl<QPushButton>(this, "cmdPreview", QRect(150, 1470, 1125, 405), tr("&Preview"));
    auto *cancel = addControl<QPushButton>(this, "Command1", QRect(1440, 1470, 1125, 405), tr("&Cancel"));
    setFocusOrder({m_start, m_end, m_account, previewButton, cancel});
    // The window opens in the start date, ready to be typed over.
    m_start->selectAll();
    // Enter moves on from a date, as in the entry window.
    for (QLineEdit *date : {m_start, m_end})
        connect(date, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    loadAccounts();

    pressButtonsOnEnter(*this);
    useAccessKeys(*this);
    cancelOnEscape(*this, [this] { close(); });
    connect(previewButton, &QPushButton::clicked, this, [this] { preview(); });
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    CentreWindow(*this);
}

void frmReport::loadAccounts()
{
    m_account->addItem(tr("All accounts"), QString());
    try {
        for (const QString &code : m_services.store->accounts().codes())
            m_account->addItem(code, code);
    } catch (const Failure &failure) {
        tell(tr("The accounts could not be read, so only a report of all of them can be made: %1")
                 .arg(failure.description()));
    }
}

DateOrder frmReport::officeDateOrder() const
{
    // Dates are typed in the office's order, as on its cheques.
    return m_services.store ? m_services.store->parameters().dateRules(m_services.today()).order : DateOrder::DayFirst;
}

void frmReport::tell(const QString &text)
{
    m_services.prompter.message(kProgramTitle, text, Prompter::Icon::Warning);
}

std::optional<QDate> frmReport::readDate(QLineEdit *field, const QString &which)
{
    const QString text = field->text().trimmed();
    std::optional<QDate> date;
    if (text.isEmpty())
        tell(tr("Enter the %1 date.").arg(which));
    else if (!(date = parseChequeDate(text, officeDateOrder())))
        tell(tr("The %1 date \"%2\" is not a date: write it as on a cheque, such as %3.")
                 .arg(which, text, formatChequeDate(m_services.today())));
    if (!date)
        focusField(field);
    return date;
}

ReportPreview *frmReport::preview()
{
    const std::optional<QDate> from = readDate(m_start, tr("start"));
    if (!from)
        return nullptr;
    const std::optional<QDate> to = readDate(m_end, tr("end"));
    if (!to)
        return nullptr;
    if (*from > *to) {
        // Such a range holds no cheque: an empty report would pass for a month without cheques.
        tell(tr("The start date, %1, is after the end date, %2, so no cheque can lie between them. "
                "Correct the dates, then press Preview.")
                 .arg(formatChequeDate(*from), formatChequeDate(*to)));
        focusField(m_start);
        return nullptr;
    }
    const QString account = m_account->currentData().toString();
    const QString title = reportTitle(*from, *to, account);
    // The definition is read at every press, so an office's changes show at once.
    const QString definitionPath = QDir(m_services.programFolder).filePath(QStringLiteral("rptCheque.rpt"));
    try {
        ReportDefinition definition = ReportDefinition::load(definitionPath);
        auto *report = new ReportPreview(m_services, std::move(definition), title,
                                         m_services.store->cheques().between(*from, *to, account), this);
        report->setFileStem(reportFileStem(*from, *to, account));
        report->show();
        report->raise();
        report->activateWindow();
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
