#include "frmPositivePay.h"

#include "core/banks/BankAccount.h"
#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "core/base/ProgramInfo.h"
#include "core/base/Prompter.h"
#include "store/Store.h"
#include "widgets/AppServices.h"
#include "widgets/WindowKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quillset {

namespace {

// A layout is a few hundred bytes; a larger file is not one.
constexpr qint64 kLargestLayout = 64 * 1024;

enum ColumnCell { FieldCell, TitleCell };

QLabel *labelFor(QWidget *buddy, const QString &text)
{
    auto *label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

template<typename Control>
Control *named(QWidget *parent, const char *name)
{
    auto *control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

frmPositivePay::frmPositivePay(AppServices &services, QString account, QWidget *parent)
    // A window of its own rather than a tool of the bank window's: a tool window shares its parent's
    // access keys, and Import, Save and Cancel would each be two buttons.
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_services(services)
    , m_account(std::move(account))
{
    setObjectName(QStringLiteral("frmPositivePay"));
    setWindowTitle(tr("Positive Pay of %1").arg(m_account));
    setAttribute(Qt::WA_DeleteOnClose);

    m_threshold = named<QLineEdit>(this, "txtThreshold");
    m_threshold->setPlaceholderText(tr("none"));
    m_threshold->setToolTip(tr("Cheques of this whole amount or more are to be reported to the bank before they "
                               "are presented; printing warns of any not reported by the next day. Empty: none."));

    m_columns = named<QTableWidget>(this, "tblColumns");
    m_columns->setColumnCount(2);
    m_columns->setHorizontalHeaderLabels({tr("Field"), tr("Title in the header line")});
    m_columns->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_columns->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_columns->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_columns->setSelectionMode(QAbstractItemView::SingleSelection);
    m_columns->setTabKeyNavigation(false);
    m_columns->verticalHeader()->setDefaultSectionSize(m_columns->fontMetrics().height() + 8);
    m_columns->setMinimumHeight(m_columns->horizontalHeader()->sizeHint().height()
                                + 7 * m_columns->verticalHeader()->defaultSectionSize() + 4);
    auto *add = named<QPushButton>(this, "cmdAddColumn");
    add->setText(tr("&Add column"));
    auto *remove = named<QPushButton>(this, "cmdRemoveColumn");
    remove->setText(tr("Re&move column"));
    auto *up = named<QPushButton>(this, "cmdMoveUp");
    up->setText(tr("Move &up"));
    auto *down = named<QPushButton>(this, "cmdMoveDown");
    down->setText(tr("Move do&wn"));

    m_field = named<QComboBox>(this, "cboField");
    for (const PositivePayField field : kPositivePayFields)
        m_field->addItem(positivePayFieldTitle(field), static_cast<int>(field));
    m_title = named<QLineEdit>(this, "txtTitle");
    m_title->setToolTip(tr("The column's title in the file's header line; empty for the field's own name."));

    m_dateFormat = named<QComboBox>(this, "cboDateFormat");
    m_dateFormat->setEditable(true);
    m_dateFormat->setInsertPolicy(QComboBox::NoInsert);
    m_dateFormat->addItems({QStringLiteral("dd-MM-yyyy"), QStringLiteral("dd/MM/yyyy"), QStringLiteral("MM/dd/yyyy"),
                            QStringLiteral("yyyy-MM-dd"), QStringLiteral("ddMMyyyy")});
    m_dateFormat->setToolTip(tr("d for the day, M for the month, yyyy for the year, and the marks between them."));
    m_amount = named<QComboBox>(this, "cboAmount");
    m_amount->addItem(tr("Decimal: 1234.50"), static_cast<int>(PositivePayAmount::Decimal));
    m_amount->addItem(tr("In paise or cents: 123450"), static_cast<int>(PositivePayAmount::Subunits));
    m_amount->addItem(tr("Grouped: 1,234.50"), static_cast<int>(PositivePayAmount::Grouped));
    m_separator = named<QComboBox>(this, "cboSeparator");
    m_separator->addItem(tr("Comma ( , )"), QStringLiteral(","));
    m_separator->addItem(tr("Semicolon ( ; )"), QStringLiteral(";"));
    m_separator->addItem(tr("Tab"), QStringLiteral("\t"));
    m_separator->addItem(tr("Pipe ( | )"), QStringLiteral("|"));
    m_header = named<QCheckBox>(this, "chkHeader");
    m_header->setText(tr("&Header line of the titles"));
    m_issuedFlag = named<QLineEdit>(this, "txtIssuedFlag");
    m_issuedFlag->setToolTip(tr("What the status column says of a cheque that stands; often empty."));
    m_voidFlag = named<QLineEdit>(this, "txtVoidFlag");
    m_voidFlag->setToolTip(tr("What the status column says of a voided cheque, such as V."));

    m_sample = named<QLabel>(this, "lblSample");
    m_sample->setTextFormat(Qt::PlainText);
    m_sample->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_sample->setFrameShape(QFrame::StyledPanel);
    m_sample->setWordWrap(true);
    m_sample->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_sample->setMinimumHeight(3 * m_sample->fontMetrics().lineSpacing() + 8);
    m_sample->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *import = named<QPushButton>(this, "cmdImport");
    import->setText(tr("&Import..."));
    auto *saveButton = named<QPushButton>(this, "cmdSave");
    saveButton->setText(tr("&Save"));
    auto *cancel = named<QPushButton>(this, "cmdCancel");
    cancel->setText(tr("&Cancel"));

    auto *threshold = new QHBoxLayout;
    threshold->addWidget(labelFor(m_threshold, tr("&Report cheques from (whole amount):")));
    threshold->addWidget(m_threshold, 1);
    auto *moves = new QVBoxLayout;
    for (QPushButton *button : {add, remove, up, down})
        moves->addWidget(button);
    moves->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addWidget(m_columns, 1);
    columns->addLayout(moves);
    auto *form = new QGridLayout;
    form->addWidget(labelFor(m_field, tr("Fiel&d:")), 0, 0);
    form->addWidget(m_field, 0, 1);
    form->addWidget(labelFor(m_title, tr("&Title:")), 0, 2);
    form->addWidget(m_title, 0, 3);
    form->addWidget(labelFor(m_dateFormat, tr("Dat&e format:")), 1, 0);
    form->addWidget(m_dateFormat, 1, 1);
    form->addWidget(labelFor(m_amount, tr("Am&ount:")), 1, 2);
    form->addWidget(m_amount, 1, 3);
    form->addWidget(labelFor(m_separator, tr("Se&parator:")), 2, 0);
    form->addWidget(m_separator, 2, 1);
    form->addWidget(m_header, 2, 2, 1, 2);
    form->addWidget(labelFor(m_issuedFlag, tr("Issued &flag:")), 3, 0);
    form->addWidget(m_issuedFlag, 3, 1);
    form->addWidget(labelFor(m_voidFlag, tr("&Void flag:")), 3, 2);
    form->addWidget(m_voidFlag, 3, 3);
    form->setColumnStretch(1, 1);
    form->setColumnStretch(3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(import);
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(cancel);
    auto *window = new QVBoxLayout(this);
    window->addLayout(threshold);
    window->addWidget(labelFor(m_columns, tr("Co&lumns of the bank's file, in its order:")));
    window->addLayout(columns);
    window->addLayout(form);
    window->addWidget(new QLabel(tr("The file will read, for a sample cheque:"), this));
    window->addWidget(m_sample);
    window->addLayout(buttons);

    connect(m_columns, &QTableWidget::currentCellChanged, this, &frmPositivePay::showColumn);
    connect(add, &QPushButton::clicked, this, &frmPositivePay::addColumn);
    connect(remove, &QPushButton::clicked, this, &frmPositivePay::removeColumn);
    connect(up, &QPushButton::clicked, this, [this] { moveColumn(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveColumn(1); });
    connect(m_field, &QComboBox::activated, this, &frmPositivePay::chooseField);
    connect(m_title, &QLineEdit::textEdited, this, &frmPositivePay::retitle);
    for (QComboBox *list : {m_dateFormat, m_amount, m_separator})
        connect(list, &QComboBox::currentTextChanged, this, &frmPositivePay::showSample);
    connect(m_header, &QCheckBox::toggled, this, &frmPositivePay::showSample);
    for (QLineEdit *flag : {m_issuedFlag, m_voidFlag})
        connect(flag, &QLineEdit::textChanged, this, &frmPositivePay::showSample);
    connect(import, &QPushButton::clicked, this, &frmPositivePay::importLayout);
    connect(saveButton, &QPushButton::clicked, this, [this] {
        if (save())
            close();
    });
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    showLayout(PositivePayLayout {});
    try {
        if (const std::optional<BankAccountRecord> found = m_services.store->accounts().find(m_account)) {
            if (found->limits.positivePayFrom)
                m_threshold->setText(QString::number(*found->limits.positivePayFrom));
            m_accountNumber = found->accountNo;
            m_money = found->money;
            if (!found->positivePayLayout.trimmed().isEmpty()) {
                const PositivePayLayoutReading reading = readPositivePayLayout(found->positivePayLayout.toUtf8());
                if (reading.layout)
                    showLayout(*reading.layout);
                else
                    tell(tr("The account's Positive Pay layout cannot be used, so the form starts empty:\n%1")
                             .arg(reading.problems.join(u'\n')));
            }
        }
    } catch (const Failure &failure) {
        tell(failure.description());
    }
    showSample();
    resize(sizeHint().expandedTo(QSize(640, 0)));
    useAccessKeys(*this);
    cancelOnEscape(*this, [this] { close(); });
}

void frmPositivePay::tell(const QString &text)
{
    m_services.prompter.message(kProgramTitle, text, Prompter::Icon::Warning);
}

void frmPositivePay::showLayout(const PositivePayLayout &layout)
{
    m_columns->setRowCount(0);
    for (const PositivePayColumn &column : layout.columns) {
        m_columns->insertRow(m_columns->rowCount());
        putColumn(m_columns->rowCount() - 1, column);
    }
    m_columns->setCurrentCell(layout.columns.isEmpty() ? -1 : 0, 0);
    showColumn();
    m_dateFormat->setEditText(layout.dateFormat);
    m_amount->setCurrentIndex(m_amount->findData(static_cast<int>(layout.amount)));
    m_separator->setCurrentIndex(m_separator->findData(QString(layout.separator)));
    m_header->setChecked(layout.header);
    m_issuedFlag->setText(layout.issuedFlag);
    m_voidFlag->setText(layout.voidFlag);
    showSample();
}

PositivePayLayout frmPositivePay::formLayout() const
{
    PositivePayLayout layout;
    for (int row = 0; row < m_columns->rowCount(); ++row) {
        const auto field = static_cast<PositivePayField>(m_columns->item(row, FieldCell)->data(Qt::UserRole).toInt());
        const QString title = m_columns->item(row, TitleCell)->text().trimmed();
        layout.columns.append({field, title.isEmpty() ? positivePayFieldTitle(field) : title});
    }
    layout.dateFormat = m_dateFormat->currentText().trimmed();
    layout.amount = static_cast<PositivePayAmount>(m_amount->currentData().toInt());
    const QString separator = m_separator->currentData().toString();
    layout.separator = separator.isEmpty() ? u',' : separator.front();
    layout.header = m_header->isChecked();
    layout.issuedFlag = m_issuedFlag->text();
    layout.voidFlag = m_voidFlag->text();
    return layout;
}

void frmPositivePay::putColumn(int row, const PositivePayColumn &column)
{
    auto *field = new QTableWidgetItem(positivePayFieldTitle(column.field));
    field->setData(Qt::UserRole, static_cast<int>(column.field));
    m_columns->setItem(row, FieldCell, field);
    m_columns->setItem(row, TitleCell, new QTableWidgetItem(column.title));
}

// The field and title boxes edit the chosen column.
void frmPositivePay::showColumn()
{
    const int row = m_columns->currentRow();
    m_field->setEnabled(row >= 0);
    m_title->setEnabled(row >= 0);
    if (row < 0) {
        m_title->clear();
        return;
    }
    m_field->setCurrentIndex(m_field->findData(m_columns->item(row, FieldCell)->data(Qt::UserRole)));
    m_title->setText(m_columns->item(row, TitleCell)->text());
}

void frmPositivePay::addColumn()
{
    const PositivePayLayout layout = formLayout();
    for (const PositivePayField field : kPositivePayFields) {
        const bool used = std::any_of(layout.columns.begin(), layout.columns.end(),
                                      [field](const PositivePayColumn &column) { return column.field == field; });
        if (used)
            continue;
        const int row = m_columns->rowCount();
        m_columns->insertRow(row);
        putColumn(row, {field, positivePayFieldTitle(field)});
        m_columns->setCurrentCell(row, FieldCell);
        // The new column's field is chosen next, if it is not the one the bank wants.
        focusField(m_field);
        showSample();
        return;
    }
    tell(tr("Every field is in the layout already; each goes in once."));
}

void frmPositivePay::removeColumn()
{
    const int row = m_columns->currentRow();
    if (row < 0)
        return;
    m_columns->removeRow(row);
    m_columns->setCurrentCell(std::min(row, m_columns->rowCount() - 1), FieldCell);
    showColumn();
    showSample();
}

void frmPositivePay::moveColumn(int by)
{
    const int row = m_columns->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_columns->rowCount())
        return;
    for (const int cell : {FieldCell, TitleCell}) {
        QTableWidgetItem *moved = m_columns->takeItem(row, cell);
        m_columns->setItem(row, cell, m_columns->takeItem(to, cell));
        m_columns->setItem(to, cell, moved);
    }
    m_columns->setCurrentCell(to, FieldCell);
    showSample();
}

// A title that was the old field's own name follows the field; one the office typed stays.
void frmPositivePay::chooseField()
{
    const int row = m_columns->currentRow();
    if (row < 0)
        return;
    QTableWidgetItem *field = m_columns->item(row, FieldCell);
    const auto was = static_cast<PositivePayField>(field->data(Qt::UserRole).toInt());
    const auto chosen = static_cast<PositivePayField>(m_field->currentData().toInt());
    QTableWidgetItem *title = m_columns->item(row, TitleCell);
    if (title->text().trimmed().isEmpty() || title->text() == positivePayFieldTitle(was)) {
        title->setText(positivePayFieldTitle(chosen));
        m_title->setText(title->text());
    }
    field->setText(positivePayFieldTitle(chosen));
    field->setData(Qt::UserRole, static_cast<int>(chosen));
    showSample();
}

void frmPositivePay::retitle(const QString &title)
{
    if (const int row = m_columns->currentRow(); row >= 0) {
        m_columns->item(row, TitleCell)->setText(title);
        showSample();
    }
}

// The header and a sample cheque's line, written by the same function as the bank's file.
void frmPositivePay::showSample()
{
    const PositivePayLayout layout = formLayout();
    if (layout.columns.isEmpty()) {
        m_sample->setText(tr("No layout: add the bank's columns, or load a layout file with Import."));
        return;
    }
    if (const QList<PositivePayProblem> problems = positivePayLayoutProblems(layout); !problems.isEmpty()) {
        m_sample->setText(problems.first().text);
        return;
    }
    const qint64 perWhole = m_money.unitsPerWhole();
    const PositivePayCheque cheque {1,
                                    m_accountNumber,
                                    QStringLiteral("000123"),
                                    m_services.today(),
                                    {123456 * perWhole + perWhole / 2, m_money},
                                    tr("ABC Traders"),
                                    false};
    QString text = QString::fromUtf8(positivePayFile(layout, {cheque}));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_sample->setText(text.trimmed());
}

void frmPositivePay::pointAt(const PositivePayProblem &problem)
{
    switch (problem.setting) {
    case PositivePaySetting::Columns:
        m_columns->setCurrentCell(static_cast<int>(problem.column), FieldCell);
        focusField(m_field);
        return;
    case PositivePaySetting::DateFormat:
        focusField(m_dateFormat);
        return;
    case PositivePaySetting::Separator:
        focusField(m_separator);
        return;
    case PositivePaySetting::Flags:
        focusField(m_issuedFlag->text().contains(u'\n') ? m_issuedFlag : m_voidFlag);
        return;
    }
}

void frmPositivePay::importLayout()
{
    const QString path = m_services.chooseOpenFile(tr("Positive Pay layout"), tr("Layouts (*.json)"));
    if (path.isEmpty())
        return;
    try {
        const QByteArray json = readFile(path, kLargestLayout, tr("The layout file"));
        const PositivePayLayoutReading reading = readPositivePayLayout(json);
        if (!reading.layout) {
            tell(tr("The layout was not loaded:\n%1").arg(reading.problems.join(u'\n')));
            return;
        }
        showLayout(*reading.layout);
    } catch (const Failure &failure) {
        tell(failure.description());
    }
}

bool frmPositivePay::save()
{
    const QString thresholdText = m_threshold->text().trimmed();
    std::optional<qint64> threshold;
    if (!thresholdText.isEmpty()) {
        static const QRegularExpression kWhole(QStringLiteral("^[0-9]{1,15}$"));
        const qint64 value = thresholdText.toLongLong();
        if (!kWhole.match(thresholdText).hasMatch() || value < 1) {
            tell(tr("The amount to report from is a whole amount of 1 or more, without grouping, such as 50000; "
                    "or empty for none."));
            focusField(m_threshold);
            return false;
        }
        threshold = value;
    }
    // A form without columns is no layout: the account then has none.
    const PositivePayLayout layout = formLayout();
    QString layoutText;
    if (!layout.columns.isEmpty()) {
        const QList<PositivePayProblem> problems = positivePayLayoutProblems(layout);
        if (!problems.isEmpty()) {
            QStringList texts;
            for (const PositivePayProblem &problem : problems)
                texts << problem.text;
            tell(tr("The layout was not saved:\n%1").arg(texts.join(u'\n')));
            pointAt(problems.first());
            return false;
        }
        layoutText = QString::fromUtf8(positivePayLayoutJson(layout));
    }
    try {
        const std::optional<BankAccountRecord> read = m_services.store->accounts().find(m_account);
        if (!read) {
            tell(tr("The account \"%1\" is no longer there.").arg(m_account));
            return false;
        }
        BankAccountRecord edited = *read;
        edited.limits.positivePayFrom = threshold;
        edited.positivePayLayout = layoutText;
        m_services.store->accounts().update(*read, edited);
    } catch (const Failure &failure) {
        tell(failure.description());
        return false;
    }
    emit saved(m_account);
    return true;
}

} // namespace quillset
