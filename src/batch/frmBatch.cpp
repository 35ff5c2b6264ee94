#include "frmBatch.h"

#include "BatchRun.h"
#include "cheque/ChequeInput.h"
#include "core/Failure.h"
#include "core/Files.h"
#include "issue/IssueCheque.h"
#include "issue/PrintProgressDialog.h"
#include "layout/PrintQueue.h"
#include "layout/frmCheq.h"
#include "shell/AppServices.h"
#include "shell/ProgramInfo.h"
#include "shell/Prompter.h"
#include "shell/ResponsiveWaiter.h"
#include "shell/WindowKeys.h"
#include "store/Store.h"
#include "words/AmountInWords.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quillset {

namespace {

// The grid's columns that are the batch's own, in the grid's order; the rest are the program's.
const QStringList kEditable = {QStringLiteral("Account"), QStringLiteral("Cheque"), QStringLiteral("Pay"),
                               QStringLiteral("Date"), QStringLiteral("Amount")};

QTableWidgetItem *cell(const QString &text, bool editable)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | (editable ? Qt::ItemIsEditable : Qt::NoItemFlags));
    return item;
}

// The batch as CSV again, after an edit in the grid: its content, and so its fingerprint, is what
// the grid now holds.
QByteArray asCsv(const BatchFile &file)
{
    const QStringList columns = batchColumns();
    const auto quoted = [](QString text) {
        return QStringLiteral("\"%1\"").arg(text.replace(QStringLiteral("\""), QStringLiteral("\"\"")));
    };
    QStringList lines = {columns.join(u',')};
    for (const BatchRow &row : file.rows) {
        QStringList fields;
        for (const QString &column : columns)
            fields.append(quoted(row.texts.value(column)));
        lines.append(fields.join(u','));
    }
    return QString(lines.join(u'\n') + u'\n').toUtf8();
}

} // namespace

frmBatch::frmBatch(AppServices &services, QString account, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_services(services)
    , m_account(std::move(account))
{
    setObjectName(QStringLiteral("frmBatch"));
    setWindowTitle(QStringLiteral("Cheque Batch"));
    setAttribute(Qt::WA_DeleteOnClose);

    const auto button = [this](const char *name, const QString &caption) {
        auto *command = new QPushButton(caption, this);
        command->setObjectName(QString::fromLatin1(name));
        command->setAutoDefault(false);
        return command;
    };
    QPushButton *open = button("cmdOpen", QStringLiteral("&Open CSV..."));
    QPushButton *paste = button("cmdPaste", QStringLiteral("P&aste rows"));
    m_print = button("cmdPrintBatch", QStringLiteral("&Print batch"));
    m_pause = button("cmdPause", QStringLiteral("Pa&use"));
    m_cancel = button("cmdCancelBatch", QStringLiteral("&Cancel"));
    QPushButton *close = button("cmdClose", QStringLiteral("C&lose"));
    m_pause->setCheckable(true);

    m_rows = new QTableWidget(0, 7, this);
    m_rows->setObjectName(QStringLiteral("tblBatch"));
    m_rows->setHorizontalHeaderLabels({QStringLiteral("Line"), QStringLiteral("Account"), QStringLiteral("Cheque"),
                                       QStringLiteral("Pay"), QStringLiteral("Date"), QStringLiteral("Amount"),
                                       QStringLiteral("Note")});
    m_rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_rows->setSelectionMode(QAbstractItemView::SingleSelection);
    m_rows->verticalHeader()->hide();
    m_rows->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_rows->horizontalHeader()->setStretchLastSection(true);
    m_summary = new QLabel(QStringLiteral("Open a CSV file, or copy rows from a spreadsheet and paste them here. "
                                          "The first row names the columns: Pay, Amount, Date, and Cheque, Account "
                                          "and Stamp if wanted."),
                           this);
    m_summary->setObjectName(QStringLiteral("lblBatchSummary"));
    m_summary->setWordWrap(true);
    m_page = new QScrollArea(this);
    m_page->setObjectName(QStringLiteral("pagePreview"));
    m_page->setMinimumHeight(220);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("barBatch"));
    m_progress->setFormat(QString());

    auto *top = new QHBoxLayout;
    top->addWidget(open);
    top->addWidget(paste);
    top->addStretch(1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_progress, 1);
    for (QPushButton *command : {m_print, m_pause, m_cancel, close})
        bottom->addWidget(command);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_rows, 2);
    layout->addWidget(m_summary);
    layout->addWidget(m_page, 3);
    layout->addLayout(bottom);

    connect(open, &QPushButton::clicked, this, &frmBatch::openFile);
    connect(paste, &QPushButton::clicked, this, &frmBatch::pasteRows);
    connect(m_print, &QPushButton::clicked, this, &frmBatch::printBatch);
    connect(m_pause, &QPushButton::toggled, this, [this](bool paused) { m_paused = paused; });
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_stopRequested = true; });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    cancelOnEscape(*this, [this] { this->close(); });
    connect(m_rows, &QTableWidget::itemSelectionChanged, this, &frmBatch::showSelectedPage);
    connect(m_rows, &QTableWidget::itemChanged, this, &frmBatch::rowEdited);
    resize(820, 620);
    showBatch();
}

frmBatch::~frmBatch()
{
    // A cell still being edited is written when its editor goes, after this window's own members
    // have: the grid no longer reaches them.
    disconnect(m_rows, nullptr, this, nullptr);
}

void frmBatch::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteRows();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmBatch::openFile()
{
    const QString path = m_services.chooseOpenFile(QStringLiteral("Open a batch of cheques"),
                                                   QStringLiteral("CSV files (*.csv *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    QByteArray content;
    try {
        content = readFile(path, kLargestBatchFile, QStringLiteral("The batch file"));
    } catch (const Failure &failure) {
        m_services.prompter.message(kProgramTitle, failure.description(), Prompter::Icon::Warning);
        return;
    }
    loadBatch(content, QFileInfo(path).fileName());
}

void frmBatch::pasteRows()
{
    // A spreadsheet puts its rows on the clipboard as tab-separated text.
    const QString text = QApplication::clipboard()->text();
    if (text.trimmed().isEmpty())
        return;
    loadBatch(text.toUtf8(), QStringLiteral("pasted rows"));
}

CheckedBatch frmBatch::checked(const BatchFile &file) const
{
    try {
        return checkBatch(*m_services.store, file, m_account, *m_services.metrics, m_services.today());
    } catch (const Failure &failure) {
        CheckedBatch unread;
        unread.file = file;
        unread.problems.append({0, QString(), failure.description()});
        return unread;
    }
}

void frmBatch::loadBatch(const QByteArray &content, const QString &name)
{
    m_batch = checked(readBatch(content, name));
    showBatch();
}

void frmBatch::showBatch()
{
    QMap<int, QStringList> notes;
    for (const BatchProblem &problem : m_batch.file.problems + m_batch.problems)
        notes[problem.line].append((problem.column.isEmpty() ? QString() : problem.column + QStringLiteral(": "))
                                   + problem.reason);
    for (const BatchProblem &flag : m_batch.toConfirm)
        notes[flag.line].append(QStringLiteral("check: ") + flag.reason);
    m_rows->blockSignals(true); // filling the grid is no edit
    m_rows->setRowCount(static_cast<int>(m_batch.file.rows.size()));
    for (int r = 0; r < m_batch.file.rows.size(); ++r) {
        const BatchRow &row = m_batch.file.rows.at(r);
        const QStringList texts
            = {QString::number(row.line),
               row.texts.value(QStringLiteral("Account")).isEmpty() ? m_account
                                                                    : row.texts.value(QStringLiteral("Account")),
               row.texts.value(QStringLiteral("Cheque")).isEmpty() ? QStringLiteral("(next)")
                                                                   : row.texts.value(QStringLiteral("Cheque")),
               row.texts.value(QStringLiteral("Pay")),
               row.texts.value(QStringLiteral("Date")),
               row.texts.value(QStringLiteral("Amount")),
               notes.value(row.line).join(QStringLiteral("; "))};
        for (int c = 0; c < texts.size(); ++c) {
            QTableWidgetItem *item = cell(texts.at(c), c >= 1 && c <= 5);
            if (notes.contains(row.line))
                item->setForeground(c == 6 ? Qt::red : Qt::black);
            m_rows->setItem(r, c, item);
        }
    }
    m_rows->blockSignals(false);
    if (!m_batch.file.rows.isEmpty() || !m_batch.problemLines().isEmpty()) {
        QStringList lines;
        if (!m_batch.isClean())
            lines.append(QStringLiteral("%1 problem(s): nothing can print until they are put right in the file.")
                             .arg(m_batch.problemLines().size()));
        for (const BatchProblem &problem : m_batch.file.problems)
            lines.append(problem.text());
        if (m_batch.isClean())
            lines.append(QStringLiteral("%1 cheque(s), ready to print.").arg(m_batch.cheques.size()));
        lines += m_batch.totalLines(*m_services.store);
        m_summary->setText(lines.join(u'\n'));
    }
    m_print->setEnabled(m_batch.isClean() && !m_batch.cheques.isEmpty());
    m_pause->setEnabled(false);
    m_cancel->setEnabled(false);
    if (m_rows->rowCount() > 0) {
        m_rows->clearSelection();
        m_rows->selectRow(0);
    }
}

void frmBatch::rowEdited(QTableWidgetItem *item)
{
    const int row = item->row();
    const int column = item->column();
    if (row < 0 || row >= m_batch.file.rows.size() || column < 1 || column > 5)
        return;
    BatchFile file = m_batch.file;
    QString text = item->text();
    if (column == 2 && text == QLatin1String("(next)"))
        text.clear();
    file.rows[row].texts.insert(kEditable.at(column - 1), text);
    // Checked afresh, as a batch of its own: the edited rows are what will print.
    loadBatch(asCsv(file), file.name);
    m_rows->selectRow(row);
}

void frmBatch::showSelectedPage()
{
    const int row = m_rows->currentRow();
    if (row < 0 || row >= m_batch.file.rows.size())
        return;
    const int line = m_batch.file.rows.at(row).line;
    for (const BatchCheque &cheque : m_batch.cheques) {
        if (cheque.line != line)
            continue;
        Cheque shown = cheque.cheque;
        if (cheque.takesNextNumber)
            shown.number = offeredNumber(*m_services.store, shown.accountCode);
        try {
            // The page as it will print, by the one renderer the printer uses.
            auto *page = new frmCheq(composeChequePage(*m_services.store, shown, *m_services.metrics));
            page->setObjectName(QStringLiteral("frmCheq"));
            page->setZoom(0.5);
            m_page->setWidget(page);
        } catch (const Failure &failure) {
            m_page->setWidget(new QLabel(failure.description()));
        }
        return;
    }
    m_page->setWidget(new QLabel(QStringLiteral("This row has a problem; its page is shown once it is put right.")));
}

void frmBatch::printBatch()
{
    if (m_services.printing || !m_batch.isClean())
        return;
    // Checked again first: an account (its decimals, say) or the register may have changed since
    // the rows were shown, and a row prints only as it reads now, never as another amount.
    const CheckedBatch now = checked(m_batch.file);
    if (!now.isClean() || now.cheques != m_batch.cheques) {
        m_batch = now;
        showBatch();
        m_services.prompter.message(kProgramTitle,
                                    QStringLiteral("The batch reads differently now than when it was checked: an "
                                                   "account or the register has changed since. Nothing was printed; "
                                                   "look at its rows again, then print."),
                                    Prompter::Icon::Warning);
        return;
    }
    // Post-dated cheques and large amounts are the operator's call, asked once for the batch.
    if (!m_batch.toConfirm.isEmpty()) {
        QStringList flagged;
        for (const BatchProblem &flag : m_batch.toConfirm)
            flagged.append(flag.text());
        if (!m_services.prompter.ask(kProgramTitle,
                                     QStringLiteral("These cheques need a second look:\n%1\n\nPrint the "
                                                    "batch as it is?")
                                         .arg(flagged.join(u'\n'))))
            return;
    }
    const PrintGate gate(m_services);
    m_stopRequested = false;
    m_paused = false;
    m_pause->setChecked(false);
    m_pause->setEnabled(true);
    m_cancel->setEnabled(true);
    m_print->setEnabled(false);
    m_progress->setRange(0, static_cast<int>(m_batch.cheques.size()));
    m_progress->setValue(0);
    ResponsiveWaiter waiter;
    const std::shared_ptr<PrintQueue> queue = m_services.printQueue();
    BatchRunHooks hooks;
    hooks.starting = [this](int position, int count, const BatchCheque &row) {
        m_progress->setValue(position - 1);
        m_progress->setFormat(QStringLiteral("Cheque %1 of %2: %3").arg(position).arg(count).arg(row.cheque.payee));
    };
    hooks.stopRequested = [this, &waiter] {
        // Paused, the run waits here, between cheques, keeping the window alive.
        while (m_paused && !m_stopRequested)
            waiter.pause(100);
        return m_stopRequested;
    };
    // A cheque held or slow at the printer is the operator's to wait for or cancel.
    OperatorDecides operatorDecides(m_services.prompter);
    const BatchOutcome outcome = runBatch(
        m_batch, {*m_services.store, *queue, *m_services.metrics, waiter, &operatorDecides, m_services.workstation},
        hooks);
    m_progress->setValue(outcome.printed + outcome.skipped);
    m_progress->setFormat(QStringLiteral("%1 printed").arg(outcome.printed));
    m_pause->setEnabled(false);
    m_cancel->setEnabled(false);
    m_print->setEnabled(!outcome.allPrinted());
    m_summary->setText(outcome.summary() + u'\n' + m_batch.totalLines(*m_services.store).join(u'\n'));
    m_services.prompter.message(kProgramTitle, outcome.summary(),
                                outcome.allPrinted() ? Prompter::Icon::Information : Prompter::Icon::Warning);
    emit printed();
}

} // namespace quillset
