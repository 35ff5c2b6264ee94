#include "frmBatch.h"

#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "core/base/ProgramInfo.h"
#include "core/base/Prompter.h"
#include "core/batch/BatchRun.h"
#include "core/batch/BatchWords.h"
#include "core/cheque/ChequeInput.h"
#include "core/issue/IssueCheque.h"
#include "core/issue/ResponsiveWaiter.h"
#include "core/layout/PrintQueue.h"
#include "core/words/AmountInWords.h"
#include "store/Store.h"
#include "widgets/AppServices.h"
#include "widgets/PrintProgressDialog.h"
#include "widgets/WindowKeys.h"
#include "windows/layout/frmCheq.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
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
    setWindowTitle(tr("Cheque Batch"));
    setAttribute(Qt::WA_DeleteOnClose);

    const auto button = [this](const char *name, const QString &caption) {
        auto *command = new QPushButton(caption, this);
        command->setObjectName(QString::fromLatin1(name));
        command->setAutoDefault(false);
        return command;
    };
    QPushButton *open = button("cmdOpen", tr("&Open CSV..."));
    QPushButton *paste = button("cmdPaste", tr("P&aste rows"));
    // A file is read as its byte-order mark says, else as UTF-8; any other encoding is the clerk's
    // to name, never guessed.
    m_encoding = new QComboBox(this);
    m_encoding->setObjectName(QStringLiteral("cboEncoding"));
    m_encoding->addItem(tr("UTF-8, or as the file is marked"), QString());
    for (const QString &name : offeredEncodings())
        m_encoding->addItem(name, name);
    auto *encodingCaption = new QLabel(tr("&Encoding:"), this);
    encodingCaption->setObjectName(QStringLiteral("lblEncoding"));
    encodingCaption->setBuddy(m_encoding);
    m_print = button("cmdPrintBatch", tr("&Print batch"));
    m_pause = button("cmdPause", tr("Pa&use"));
    m_cancel = button("cmdCancelBatch", tr("&Cancel"));
    QPushButton *close = button("cmdClose", tr("C&lose"));
    m_pause->setCheckable(true);

    m_rows = new QTableWidget(0, 7, this);
    m_rows->setObjectName(QStringLiteral("tblBatch"));
    m_rows->setHorizontalHeaderLabels(
        {tr("Line"), tr("Account"), tr("Cheque"), tr("Pay"), tr("Date"), tr("Amount"), tr("Note")});
    m_rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_rows->setSelectionMode(QAbstractItemView::SingleSelection);
    m_rows->verticalHeader()->hide();
    m_rows->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_rows->horizontalHeader()->setStretchLastSection(true);
    m_summary = new QLabel(tr("Open a CSV file, or copy rows from a spreadsheet and paste them here. "
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
    top->addWidget(encodingCaption);
    top->addWidget(m_encoding);
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
    connect(m_encoding, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_fileName.isEmpty())
            loadBatch(QByteArray(m_fileContent), QString(m_fileName));
    });
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
    const QString path
        = m_services.chooseOpenFile(tr("Open a batch of cheques"), tr("CSV files (*.csv *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    QByteArray content;
    try {
        content = readFile(path, kLargestBatchFile, tr("The batch file"));
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
    readAndShow(text.toUtf8(), tr("pasted rows"), QStringLiteral("UTF-8"));
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
    readAndShow(content, name, m_encoding->currentData().toString());
    m_fileContent = content;
    m_fileName = name;
}

void frmBatch::readAndShow(const QByteArray &content, const QString &name, const QString &encoding)
{
    // Only a file as opened is read again in another encoding; pasted or edited rows are text.
    m_fileContent.clear();
    m_fileName.clear();
    m_notPrinted.clear();
    m_outcome.clear();
    m_batch = checked(readBatch(content, name, encoding));
    showBatch();
}

namespace {

QString statusNote(const BatchRowState &row)
{
    switch (row.status) {
    case ChequeStatus::Printed:
        return QCoreApplication::translate("quillset::frmBatch", "printed");
    case ChequeStatus::Pending:
        return QCoreApplication::translate("quillset::frmBatch",
                                           "pending: settle it under Register (it may have printed)");
    case ChequeStatus::Spoiled:
        return QCoreApplication::translate("quillset::frmBatch", "spoiled");
    case ChequeStatus::Void:
        return QCoreApplication::translate("quillset::frmBatch", "printed, since made void");
    }
    return QString();
}

} // namespace

void frmBatch::showBatch()
{
    QMap<int, QStringList> notes;
    for (const BatchProblem &problem : m_batch.file.problems + m_batch.problems)
        notes[problem.line].append((problem.column.isEmpty() ? QString() : problem.column + QStringLiteral(": "))
                                   + problem.reason);
    for (const BatchProblem &flag : m_batch.overLimit + m_batch.toConfirm)
        notes[flag.line].append(tr("check: ") + flag.reason);
    for (const int line : m_notPrinted)
        notes[line].prepend(tr("not printed"));
    m_rows->blockSignals(true); // filling the grid is no edit
    m_rows->setRowCount(static_cast<int>(m_batch.file.rows.size()));
    for (int r = 0; r < m_batch.file.rows.size(); ++r) {
        const BatchRow &row = m_batch.file.rows.at(r);
        // A row the register holds shows the number it went out with and what became of it; one
        // still to take the next number shows the one it would take now.
        QString number = row.texts.value(QStringLiteral("Cheque"));
        QString note = notes.value(row.line).join(QStringLiteral("; "));
        const auto registered = m_batch.registered.constFind(row.line);
        if (registered != m_batch.registered.constEnd()) {
            number = registered->chequeNo;
            note = statusNote(*registered);
        } else if (number.trimmed().isEmpty()
                   || number.trimmed().compare(QLatin1String("next"), Qt::CaseInsensitive) == 0) {
            const QString planned = m_batch.plannedNumbers.value(row.line);
            number = planned.isEmpty() ? tr("(next)") : tr("(next: %1)").arg(planned);
        }
        const QStringList texts
            = {QString::number(row.line),
               row.texts.value(QStringLiteral("Account")).isEmpty() ? m_account
                                                                    : row.texts.value(QStringLiteral("Account")),
               number,
               row.texts.value(QStringLiteral("Pay")),
               row.texts.value(QStringLiteral("Date")),
               row.texts.value(QStringLiteral("Amount")),
               note};
        const bool done = registered != m_batch.registered.constEnd();
        for (int c = 0; c < texts.size(); ++c) {
            QTableWidgetItem *item = cell(texts.at(c), !done && c >= 1 && c <= 5);
            if (!done && notes.contains(row.line))
                item->setForeground(c == 6 ? Qt::red : Qt::black);
            m_rows->setItem(r, c, item);
        }
    }
    m_rows->blockSignals(false);
    if (!m_batch.file.rows.isEmpty() || !m_batch.problemLines().isEmpty())
        m_summary->setText(summaryText());
    m_print->setEnabled(m_batch.isClean() && m_batch.toPrint() > 0);
    m_pause->setEnabled(false);
    m_cancel->setEnabled(false);
    if (m_rows->rowCount() > 0) {
        m_rows->clearSelection();
        m_rows->selectRow(0);
    }
}

QString frmBatch::summaryText() const
{
    // Each cause once, with the lines it touches; the rows carry their own notes beside them.
    constexpr qsizetype kListed = 8;
    QStringList lines;
    if (!m_outcome.isEmpty())
        lines.append(m_outcome);
    const QStringList problems = m_batch.problemLines();
    if (!m_batch.isClean()) {
        lines.append(tr("%1 problem(s): nothing can print until they are put right in the file.").arg(problems.size()));
        lines += problems.mid(0, kListed);
        if (problems.size() > kListed)
            lines.append(tr("... and %1 more, beside their rows.").arg(problems.size() - kListed));
    } else if (m_outcome.isEmpty()) {
        lines.append(m_batch.standing());
    }
    if (!m_batch.file.encoding.isEmpty() && m_batch.file.name != QLatin1String("pasted rows"))
        lines.append(tr("Read as %1.").arg(m_batch.file.encoding));
    const QStringList flagged = m_batch.confirmLines();
    if (!flagged.isEmpty() && m_batch.toPrint() > 0) {
        lines.append(tr("To look at again before printing:"));
        lines += flagged.mid(0, kListed);
    }
    lines += m_batch.notes;
    lines += m_batch.positivePay;
    lines += m_batch.totalLines(*m_services.store);
    return lines.join(u'\n');
}

void frmBatch::rowEdited(QTableWidgetItem *item)
{
    const int row = item->row();
    const int column = item->column();
    if (row < 0 || row >= m_batch.file.rows.size() || column < 1 || column > 5)
        return;
    BatchFile file = m_batch.file;
    QString text = item->text();
    if (column == 2 && text.startsWith(QLatin1String("(next")))
        text.clear();
    file.rows[row].texts.insert(kEditable.at(column - 1), text);
    // Checked afresh, as a batch of its own: the edited rows are what will print.
    readAndShow(asCsv(file), file.name, QStringLiteral("UTF-8"));
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
            shown.number = m_batch.plannedNumbers.contains(line) ? m_batch.plannedNumbers.value(line)
                                                                 : m_batch.registered.value(line).chequeNo;
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
    m_page->setWidget(new QLabel(tr("This row has a problem; its page is shown once it is put right.")));
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
                                    tr("The batch reads differently now than when it was checked: an "
                                       "account or the register has changed since. Nothing was printed; "
                                       "look at its rows again, then print."),
                                    Prompter::Icon::Warning);
        return;
    }
    // Flagged rows (a 0 amount, a number in no book, a date to look at, ...) are the operator's
    // call, asked once for the batch, as the check finds them now.
    m_batch = now;
    showBatch();
    if (const QStringList flagged = m_batch.confirmLines(); !flagged.isEmpty()) {
        QStringList question = {tr("These cheques need a second look:")};
        question += flagged;
        question += m_batch.notes;
        question.append(tr("\nPrint the batch as it is?"));
        if (!m_services.prompter.ask(kProgramTitle, question.join(u'\n')))
            return;
    }
    // Above an account's limit a cheque prints only for a reason, kept in each one's history.
    QString overLimitReason;
    if (const QStringList over = m_batch.overLimitLines(); !over.isEmpty() && m_batch.toPrint() > 0) {
        const std::optional<QString> reason = m_services.prompter.askText(
            kProgramTitle,
            tr("These cheques are above their account's limit:\n%1\nTo print them all the same, give "
               "the reason (it is kept in the register):")
                .arg(over.join(u'\n')));
        if (!reason || reason->trimmed().isEmpty())
            return;
        overLimitReason = reason->trimmed();
    }
    if (!m_batch.positivePay.isEmpty()
        && !m_services.prompter.ask(kProgramTitle, m_batch.positivePay.join(u'\n') + tr("\nPrint the batch anyway?")))
        return;
    const PrintGate gate(m_services);
    ResponsiveWaiter waiter;
    const std::shared_ptr<PrintQueue> queue = m_services.printQueue();
    // A cheque held or slow at the printer is the operator's to wait for or cancel.
    OperatorDecides operatorDecides(m_services.prompter);
    IssueContext context {*m_services.store,     *queue, *m_services.metrics, waiter, &operatorDecides,
                          m_services.workstation};
    context.notes.overLimitReason = overLimitReason;
    // Ink where the printer cannot print is the operator's call, as for one cheque, asked once for
    // the batch.
    if (const QStringList cut = printableAreaLines(m_batch, context);
        !cut.isEmpty() && !m_services.prompter.ask(kProgramTitle, cut.join(u'\n') + tr("\nPrint the batch anyway?")))
        return;
    m_stopRequested = false;
    m_paused = false;
    m_pause->setChecked(false);
    m_pause->setEnabled(true);
    m_cancel->setEnabled(true);
    m_print->setEnabled(false);
    m_progress->setRange(0, static_cast<int>(m_batch.cheques.size()));
    m_progress->setValue(0);
    BatchRunHooks hooks;
    hooks.starting = [this](int position, int count, const BatchCheque &row) {
        m_progress->setValue(position - 1);
        m_progress->setFormat(tr("Cheque %1 of %2: %3").arg(position).arg(count).arg(row.cheque.payee));
    };
    hooks.stopRequested = [this, &waiter] {
        // Paused, the run waits here, between cheques, keeping the window alive.
        while (m_paused && !m_stopRequested)
            waiter.pause(100);
        return m_stopRequested;
    };
    const BatchOutcome outcome = runBatch(m_batch, context, hooks);
    m_progress->setValue(outcome.printed + outcome.skipped);
    m_progress->setFormat(tr("%1 printed").arg(outcome.printed));
    // The rows as the register now holds them: each with its number and what became of it.
    m_batch = checked(m_batch.file);
    m_notPrinted = outcome.notPrinted;
    QStringList said = {outcome.summary()};
    said += leavesLeftLines(*m_services.store, outcome.numbers.keys());
    m_outcome = said.join(u'\n');
    showBatch();
    m_services.prompter.message(kProgramTitle, m_outcome,
                                outcome.allPrinted() ? Prompter::Icon::Information : Prompter::Icon::Warning);
    emit printed();
}

} // namespace quillset
