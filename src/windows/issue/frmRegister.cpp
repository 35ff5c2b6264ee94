#include "frmRegister.h"

#include "core/base/Failure.h"
#include "core/base/ProgramInfo.h"
#include "core/base/Prompter.h"
#include "core/cheque/ChequeDate.h"
#include "core/cheque/ChequeInput.h"
#include "core/cheque/ChequeNumber.h"
#include "core/issue/AccountLimit.h"
#include "core/issue/ChequeBookLife.h"
#include "core/issue/Reprint.h"
#include "core/layout/PrintQueue.h"
#include "core/report/HistoryText.h"
#include "core/report/PositivePayExport.h"
#include "core/words/AmountInWords.h"
#include "store/Store.h"
#include "widgets/AppServices.h"
#include "widgets/EnterPressesButtons.h"
#include "widgets/PrintProgressDialog.h"
#include "widgets/WindowKeys.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quillset {

namespace {

// The newest rows shown; pending ones are always shown, however old.
constexpr int kRowsShown = 500;

QString note(const RegisterEntry &row)
{
    QStringList parts;
    if (!row.reason.isEmpty())
        parts.append(row.reason);
    if (row.status == ChequeStatus::Pending) {
        if (!row.workstation.isEmpty())
            parts.append(QCoreApplication::translate("quillset::frmRegister", "sent from %1").arg(row.workstation));
        if (row.jobId > 0)
            parts.append(
                QCoreApplication::translate("quillset::frmRegister", "job %1 on %2").arg(row.jobId).arg(row.queue));
    }
    if (row.repeated)
        parts.append(QCoreApplication::translate("quillset::frmRegister", "number used more than once"));
    return parts.join(QStringLiteral("; "));
}

} // namespace

frmRegister::frmRegister(AppServices &services, const QString &account, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmRegister"));
    setWindowTitle(tr("Cheque Register"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    pressButtonsOnEnter(*this);
    useAccessKeys(*this);
    // Nothing is typed here: Escape closes, as Close does.
    cancelOnEscape(*this, [this] { close(); });
    try {
        m_account->addItems(m_services.store->accounts().codes());
    } catch (const Failure &failure) {
        tell(failure.description());
    }
    m_account->setCurrentText(account);
    connect(m_account, &QComboBox::currentTextChanged, this, &frmRegister::refresh);
    refresh();
    resize(820, 460);
}

void frmRegister::buildControls()
{
    auto *top = new QHBoxLayout;
    auto *accountLabel = new QLabel(tr("&Account:"), this);
    m_account = new QComboBox(this);
    m_account->setObjectName(QStringLiteral("comAccount"));
    accountLabel->setBuddy(m_account);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblSummary"));
    top->addWidget(accountLabel);
    top->addWidget(m_account);
    top->addSpacing(12);
    top->addWidget(m_summary, 1);

    m_table = new QTableWidget(0, 6, this);
    m_table->setObjectName(QStringLiteral("tblCheques"));
    m_table->setHorizontalHeaderLabels(
        {tr("Date"), tr("Cheque No"), tr("Payee"), tr("Amount"), tr("Status"), tr("Note")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);

    const auto button = [this](const char *name, const QString &caption) {
        auto *command = new QPushButton(caption, this);
        command->setObjectName(QString::fromLatin1(name));
        return command;
    };
    m_printed = button("cmdPrinted", tr("Mark &printed"));
    m_spoiled = button("cmdSpoiled", tr("Mark &spoiled..."));
    m_unprinted = button("cmdUnprinted", tr("&Not printed"));
    m_void = button("cmdVoid", tr("&Void..."));
    QPushButton *leaf = button("cmdSpoiledLeaf", tr("Spoiled &leaf..."));
    m_reprint = button("cmdReprint", tr("&Reprint on next leaf"));
    QPushButton *positivePay = button("cmdPositivePay", tr("Positive Pa&y..."));
    QPushButton *close = button("cmdClose", tr("&Close"));
    auto *commands = new QHBoxLayout;
    for (QPushButton *command : {m_printed, m_spoiled, m_unprinted, m_void, leaf, m_reprint, positivePay})
        commands->addWidget(command);
    commands->addStretch(1);
    commands->addWidget(close);

    // Per cheque book: what became of its leaves, and the leaves the register has no row for.
    m_bookLines = new QLabel(this);
    m_bookLines->setObjectName(QStringLiteral("lblBooks"));
    m_bookLines->setWordWrap(true);
    m_bookLines->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Who did what to the selected cheque, and why: its history, oldest first.
    m_history = new QLabel(this);
    m_history->setObjectName(QStringLiteral("lblHistory"));
    m_history->setWordWrap(true);
    m_history->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_history);
    layout->addWidget(m_bookLines);
    layout->addLayout(commands);

    connect(m_table, &QTableWidget::itemSelectionChanged, this, &frmRegister::showButtons);
    connect(m_printed, &QPushButton::clicked, this, [this] { settleSelected(Settlement::Printed); });
    connect(m_spoiled, &QPushButton::clicked, this, [this] { settleSelected(Settlement::Spoiled); });
    connect(m_unprinted, &QPushButton::clicked, this, [this] { settleSelected(Settlement::Unprinted); });
    connect(m_void, &QPushButton::clicked, this, [this] { settleSelected(Settlement::Void); });
    connect(leaf, &QPushButton::clicked, this, &frmRegister::recordSpoiledLeaf);
    connect(m_reprint, &QPushButton::clicked, this, &frmRegister::reprintSelected);
    connect(positivePay, &QPushButton::clicked, this, &frmRegister::exportPositivePay);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void frmRegister::tell(const QString &text)
{
    m_services.prompter.message(kProgramTitle, text, Prompter::Icon::Warning);
}

void frmRegister::refresh()
{
    try {
        m_rows = m_services.store->cheques().rowsOf(m_account->currentText(), kRowsShown);
        QStringList lines;
        for (const BookUsage &usage : bookUsage(*m_services.store, m_account->currentText()))
            lines.append(bookSummary(usage));
        m_bookLines->setText(lines.join(u'\n'));
        m_bookLines->setVisible(!lines.isEmpty());
    } catch (const Failure &failure) {
        m_rows.clear();
        tell(tr("The register could not be read: %1").arg(failure.description()));
    }
    m_table->setRowCount(static_cast<int>(m_rows.size()));
    int pending = 0;
    for (int i = 0; i < m_rows.size(); ++i) {
        const RegisterEntry &row = m_rows.at(i);
        pending += row.status == ChequeStatus::Pending ? 1 : 0;
        const QStringList cells = {formatChequeDate(row.date),           row.chequeNo,           row.pay,
                                   chequeFigures(row.amount, row.money), statusWord(row.status), note(row)};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells.at(column));
            if (column == 3)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(i, column, item);
        }
    }
    m_table->resizeColumnsToContents();
    m_summary->setText(pending == 0 ? tr("No cheque of this account is pending.")
                                    : tr("%1 pending: settle each once you know whether it printed.")
                                          .arg(pending == 1 ? tr("1 cheque is") : tr("%1 cheques are").arg(pending)));
    showButtons();
}

const RegisterEntry *frmRegister::selectedRow() const
{
    const QList<QTableWidgetItem *> selected = m_table->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    return &m_rows.at(selected.first()->row());
}

void frmRegister::showButtons()
{
    const RegisterEntry *row = selectedRow();
    const bool pending = row && row->status == ChequeStatus::Pending;
    m_printed->setEnabled(pending);
    m_spoiled->setEnabled(pending);
    m_unprinted->setEnabled(pending);
    m_void->setEnabled(row && row->status == ChequeStatus::Printed);
    // A jam the print server called finished is voided first; then it can be printed again.
    m_reprint->setEnabled(row && (row->status == ChequeStatus::Spoiled || row->status == ChequeStatus::Void)
                          && !row->pay.isEmpty());
    showHistory(row);
}

void frmRegister::showHistory(const RegisterEntry *row)
{
    QStringList lines;
    if (row) {
        try {
            for (const HistoryEvent &event : m_services.store->history().ofCheque(row->id))
                lines.append(historyLine(event));
        } catch (const Failure &failure) {
            lines.append(tr("Its history could not be read: %1").arg(failure.description()));
        }
    }
    m_history->setText(lines.isEmpty() ? QString() : tr("Cheque %1: ").arg(row->chequeNo) + lines.join(u'\n'));
    m_history->setVisible(!lines.isEmpty());
}

void frmRegister::settleSelected(Settlement settlement)
{
    const RegisterEntry *selected = selectedRow();
    if (!selected)
        return;
    const RegisterEntry row = *selected;
    QString reason;
    if (settlement == Settlement::Spoiled || settlement == Settlement::Void) {
        const std::optional<QString> given = m_services.prompter.askText(
            windowTitle(),
            tr("Why is cheque %1 %2?").arg(row.chequeNo, settlement == Settlement::Void ? tr("void") : tr("spoiled")));
        if (!given)
            return;
        reason = *given;
    }
    if (settlement == Settlement::Unprinted
        && !m_services.prompter.ask(windowTitle(),
                                    tr("Remove cheque %1 to %2 from the register, so that its number is "
                                       "free again? Do this only if nothing was printed on the leaf.")
                                        .arg(row.chequeNo, row.pay)))
        return;
    try {
        const std::shared_ptr<PrintQueue> queue = m_services.printQueue();
        settle(m_services.store->cheques(), row, settlement, reason, {*queue, m_services.workstation});
    } catch (const Failure &failure) {
        tell(failure.description());
    }
    refresh();
    emit settled();
}

void frmRegister::recordSpoiledLeaf()
{
    const std::optional<QString> number = m_services.prompter.askText(windowTitle(), tr("Number of the spoiled leaf:"));
    if (!number || number->isEmpty())
        return;
    // Said before the reason is asked for: a leaf is recorded only by the number printed on it.
    if (const QString problem = numberProblem(*number); !problem.isEmpty()) {
        tell(problem);
        return;
    }
    const std::optional<QString> reason
        = m_services.prompter.askText(windowTitle(), tr("Why is leaf %1 spoiled?").arg(*number));
    if (!reason)
        return;
    try {
        const std::shared_ptr<PrintQueue> queue = m_services.printQueue();
        settleNumber(*m_services.store, m_account->currentText(), *number, Settlement::Spoiled, *reason,
                     m_services.today(), {*queue, m_services.workstation});
    } catch (const Failure &failure) {
        tell(failure.description());
    }
    refresh();
    emit settled();
}

void frmRegister::exportPositivePay()
{
    const QString account = m_account->currentText();
    if (account.isEmpty())
        return;
    // Refused before anything is asked: an account without a layout says where to choose one.
    try {
        if (const std::optional<BankAccountRecord> found = m_services.store->accounts().find(account))
            accountPositivePayLayout(*found);
    } catch (const Failure &failure) {
        tell(failure.description());
        return;
    }
    // One line, typed: nothing for the cheques since the last report, or the first and last date.
    const std::optional<QString> range = m_services.prompter.askText(
        windowTitle(),
        tr("Positive Pay file of %1: leave empty for the cheques printed or voided since the last "
           "report, or give the first and the last date, such as 01-12-2026 07-12-2026.")
            .arg(account));
    if (!range)
        return;
    PositivePaySelection selection;
    try {
        const QStringList dates = range->simplified().split(u' ', Qt::SkipEmptyParts);
        if (!dates.isEmpty()) {
            if (dates.size() != 2) {
                tell(tr("Give two dates, the first and the last, such as 01-12-2026 07-12-2026; or nothing for the "
                        "cheques since the last report."));
                return;
            }
            const DateOrder order = m_services.store->parameters().dateRules(QDate()).order;
            const DateReading first = readChequeDate(dates.at(0), order);
            const DateReading last = readChequeDate(dates.at(1), order);
            for (const DateReading &date : {first, last}) {
                if (!date.date) {
                    tell(date.problem);
                    return;
                }
            }
            selection = {false, *first.date, *last.date};
        }
        const QString path = m_services.chooseSaveFile(
            tr("Positive Pay file"),
            QStringLiteral("%1-positive-pay-%2.csv").arg(account, m_services.today().toString(Qt::ISODate)),
            tr("CSV files (*.csv)"));
        if (path.isEmpty())
            return;
        const PositivePayWritten written = quillset::exportPositivePay(*m_services.store, account, selection, path);
        const QString note = positivePayLeftOutNote(written);
        m_services.prompter.message(windowTitle(),
                                    tr("%1 cheque(s) written to %2.").arg(written.cheques).arg(path)
                                        + (note.isEmpty() ? QString() : QStringLiteral("\n\n") + note),
                                    note.isEmpty() ? Prompter::Icon::Information : Prompter::Icon::Warning);
    } catch (const Failure &failure) {
        tell(failure.description());
    }
    refresh();
}

void frmRegister::reprintSelected()
{
    const RegisterEntry *selected = selectedRow();
    if (!selected || m_services.printing)
        return;
    const RegisterEntry row = *selected;
    Cheque reprint;
    try {
        reprint = reprintOf(*m_services.store, row);
    } catch (const Failure &failure) {
        tell(failure.description());
        return;
    }
    const QString crossing = !reprint.stamp ? tr("not crossed")
        : reprint.crossing.isEmpty()        ? tr("crossed")
                                            : tr("crossed \"%1\"").arg(reprint.crossing);
    // The reprint keeps the spoiled cheque's date, which may since have gone stale: asked as the entry
    // window asks, within the one question.
    QString dateWarning;
    try {
        if (const QString flag = dateFlag(reprint.date, m_services.store->parameters().dateRules(m_services.today()));
            !flag.isEmpty())
            dateWarning = tr("\n\nThis cheque is %1").arg(flag);
    } catch (const Failure &failure) {
        tell(failure.description());
        return;
    }
    if (!m_services.prompter.ask(
            windowTitle(),
            tr("Print cheque %1 again on the next leaf: %2, %3, dated %4, %5?")
                    .arg(row.chequeNo, row.pay, chequeFigures(reprint.amount), formatChequeDate(row.date), crossing)
                + dateWarning))
        return;
    PendingNotes notes;
    if (const std::optional<BankAccountRecord> account = m_services.store->accounts().find(row.bankId);
        account && isOverLimit(reprint, *account)) {
        const std::optional<QString> reason = m_services.prompter.askText(
            windowTitle(), overLimitText(reprint, *account) + tr(" Give the reason it is printed all the same:"));
        if (!reason || reason->trimmed().isEmpty())
            return;
        notes.overLimitReason = reason->trimmed();
    }
    const IssueOutcome outcome = issueFromWindow(
        this, m_services, notes, [&](const IssueContext &context) { return reprintCheque(reprint, row, context); });
    if (outcome.kind == IssueOutcome::Kind::Printed)
        m_services.prompter.message(
            windowTitle(), tr("Cheque %1 printed and recorded, in place of %2.").arg(outcome.number, row.chequeNo),
            Prompter::Icon::Information);
    else
        m_services.prompter.message(windowTitle(), outcome.message, Prompter::Icon::Warning);
    refresh();
    emit settled();
}

} // namespace quillset
