#include "frmCheque.h"

#include "core/base/ErrorKind.h"
#include "core/base/Failure.h"
#include "core/base/ProgramInfo.h"
#include "core/base/Prompter.h"
#include "core/cheque/ChequeInput.h"
#include "core/issue/AccountLimit.h"
#include "core/issue/ChequeBookLife.h"
#include "core/issue/ChequeLife.h"
#include "core/issue/IssueCheque.h"
#include "core/issue/SamePayment.h"
#include "core/layout/PageChecks.h"
#include "core/layout/PrintQueue.h"
#include "core/report/PositivePayExport.h"
#include "core/words/AmountInWords.h"
#include "core/workstation/WorkstationSettings.h"
#include "store/Store.h"
#include "widgets/AppServices.h"
#include "widgets/CentreWindow.h"
#include "widgets/Controls.h"
#include "widgets/EnterPressesButtons.h"
#include "widgets/PrintProgressDialog.h"
#include "widgets/WindowKeys.h"
#include "windows/WindowsLog.h"
#include "windows/batch/frmBatch.h"
#include "windows/issue/AmountValidator.h"
#include "windows/issue/frmRegister.h"
#include "windows/layout/MDIForm1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcutEvent>
#include <QStringListModel>
#include <QTimer>

#include <map>

namespace quillset {

namespace {

QFrame *addPanel(QWidget *parent, const char *name, const QRect &twips)
{
    auto *panel = addControl<QFrame>(parent, name, twips);
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return panel;
}

QLabel *addCaption(QWidget *parent, const char *name, const QRect &twips, const QString &text, QWidget *buddy = nullptr)
{
    auto *label = addControl<QLabel>(parent, name, twips, text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

bool isEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

constexpr int kMostPayeesSuggested = 12;

// The window's panels, in twips: the cheque's fields, its commands, and a strip below them saying
// which account the cheque goes to and what printing did. Room is kept for the texts that vary
// most: the words of the longest amount in every money style (four lines), an account line with a
// long bank name and a 20-digit account number (two), and the longest line a print leaves (four).
// A text that needs more still gets it: its panel, and the window, grow by what is missing.
constexpr int kWidth = 6600;
constexpr int kPanelWidth = 6585;
constexpr int kDateNoteTop = 1995;
constexpr int kWordsTop = 2010;
constexpr int kWordsCaptionTop = 2040;
constexpr int kWordsHeight = 810;
constexpr int kFieldsHeight = kWordsTop + kWordsHeight + 90; // the panel starts 90 above the window
constexpr int kCommandsTop = kFieldsHeight - 135;
constexpr int kCommandsHeight = 615;
constexpr int kStripTop = kCommandsTop + kCommandsHeight;
constexpr int kAccountLineHeight = 480;
constexpr int kStatusTop = 60 + kAccountLineHeight + 30;
constexpr int kStatusHeight = 780;
constexpr int kStripHeight = kStatusTop + kStatusHeight + 60;
constexpr int kHeight = kStripTop + kStripHeight;

// How many pixels more than its room the label's text needs at its width.
int missingHeight(const QLabel *label, int roomTwips)
{
    return qMax(0, label->heightForWidth(label->width()) - twipsToPixels(roomTwips));
}

} // namespace

frmCheque::frmCheque(AppServices &services, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmCheque"));
    setWindowTitle(tr("Quillset Program"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Below the cheque's own panels, a strip says what the window is about to do or has done, and
    // leads to the register.
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    buildControls();
    pressButtonsOnEnter(*this);
    CentreWindow(*this);
    // The window sees every key before its controls do: Enter moves on, the amount takes digits only.
    qApp->installEventFilter(this);

    loadAccounts();
    m_date->setText(formatChequeDate(m_services.today()));
    setStampFromParameter();
    showNarration();
    m_print->setFocus();
}

void frmCheque::buildControls()
{
    QFrame *fields = addPanel(this, "Frame1", QRect(0, -90, kPanelWidth, kFieldsHeight));
    m_fields = fields;
    m_bankId = addControl<QComboBox>(fields, "comBankID", QRect(780, 150, 2535, 315));
    addCaption(fields, "Label4", QRect(60, 210, 705, 285), tr("&Bank ID:"), m_bankId);
    addCaption(fields, "Label9", QRect(3360, 180, 555, 285), tr("Acc. #:"));
    m_accountNo = addCaption(fields, "lblAcc", QRect(3930, 180, 2505, 285), QString());
    addCaption(fields, "lbl", QRect(270, 510, 465, 285), tr("Bank:"));
    m_bankName = addCaption(fields, "lblBank", QRect(780, 480, 5655, 300), QString());
    addCaption(fields, "Label11", QRect(90, 810, 645, 285), tr("Address:"));
    m_address = addCaption(fields, "lblAddress", QRect(780, 780, 5655, 300), QString());
    addCaption(fields, "Label13", QRect(90, 1080, 645, 255), tr("City:"));
    m_city = addCaption(fields, "lblCity", QRect(780, 1080, 2415, 300), QString());
    m_chequeNo = addControl<QLineEdit>(fields, "txtChequeNo", QRect(4260, 1080, 2205, 300));
    addCaption(fields, "Label5", QRect(3360, 1140, 855, 285), tr("Cheque No:"));
    m_pay = addControl<QLineEdit>(fields, "txtPay", QRect(780, 1380, 5685, 300));
    // Alt+P is Print's; the payee takes Y.
    m_payLabel = addCaption(fields, "Label2", QRect(180, 1440, 555, 285), tr("Pa&y:"), m_pay);
    // The payees already in the register, found by any part of the name, this account's first.
    m_payees = new QStringListModel(this);
    auto *completer = new QCompleter(m_payees, m_pay);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setModelSorting(QCompleter::UnsortedModel);
    completer->setMaxVisibleItems(kMostPayeesSuggested);
    m_pay->setCompleter(completer);
    m_date = addControl<QLineEdit>(fields, "txtDate", QRect(780, 1680, 2535, 300));
    addCaption(fields, "Label1", QRect(180, 1740, 555, 285), tr("&Date:"), m_date);
    m_amount = addControl<QLineEdit>(fields, "txtAmount", QRect(4260, 1680, 2205, 300));
    // As wide and as tall as its caption needs, still ending where the amount field begins.
    addCaption(fields, "Label6", QRect(3570, 1740, 675, 255), tr("&Amount:"), m_amount);
    // Why the date cannot be printed, or why it needs a second look, right under it; the words and
    // everything below move down while it says something.
    m_dateNote = addCaption(fields, "lblDateNote", QRect(780, kDateNoteTop, 5685, 0), QString());
    m_dateNote->setWordWrap(true);
    m_narrationCaption = addCaption(fields, "Label3", QRect(60, kWordsCaptionTop, 675, 225), tr("Naration:"));
    m_narration = addCaption(fields, "lblNaration", QRect(780, kWordsTop, 3420, kWordsHeight), QString());
    m_narration->setWordWrap(true);
    // The figures as they will print, under the amount they come from.
    m_figures = addCaption(fields, "lblFigures", QRect(4260, kWordsCaptionTop, 2205, 285), QString());
    m_figures->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QFont bold = m_figures->font();
    bold.setBold(true);
    m_figures->setFont(bold);

    m_amount->setAlignment(Qt::AlignRight);
    // Typed keys are filtered one by one; the validator also refuses pasted text that is not an amount,
    // and holds the length. No fixed length: one would cut an amount typed for another account.
    m_amountValidator = new AmountValidator(m_amount);
    m_amount->setValidator(m_amountValidator);

    m_commands = addPanel(this, "Frame2", QRect(0, kCommandsTop, kPanelWidth, kCommandsHeight));
    // The crossing's words start as the account's and may be changed for this cheque alone.
    m_stamp = addControl<QCheckBox>(m_commands, "chkStamp", QRect(150, 210, 930, 285), tr("Cr&ossed:"));
    m_crossing = addControl<QComboBox>(m_commands, "cmbCrossing", QRect(1080, 195, 1890, 315));
    m_crossing->setEditable(true);
    m_crossing->addItems(offeredCrossings());
    m_crossing->setCurrentText(kDefaultCrossingWords);
    m_crossing->setToolTip(tr("The crossing's words: the account's, one from the list, or your own; "
                              "\"(none)\" for the two lines alone."));
    m_printPreview
        = addControl<QPushButton>(m_commands, "cmdPrintPreview", QRect(3030, 180, 1155, 375), tr("Print Pri&view"));
    m_print = addControl<QPushButton>(m_commands, "cmdPrint", QRect(4200, 180, 1155, 375), tr("&Print"));
    m_exit = addControl<QPushButton>(m_commands, "cmdCancel", QRect(5370, 180, 1155, 375), tr("E&xit"));
    m_strip = addPanel(this, "Frame3", QRect(0, kStripTop, kPanelWidth, kStripHeight));
    // Which account and bank the cheque goes to, where it cannot be missed.
    m_accountLine = addCaption(m_strip, "lblAccountLine", QRect(90, 60, 6400, kAccountLineHeight), QString());
    m_accountLine->setWordWrap(true);
    QFont large = m_accountLine->font();
    large.setPointSizeF(large.pointSizeF() * 1.25);
    large.setBold(true);
    m_accountLine->setFont(large);
    m_status = addCaption(m_strip, "lblStatus", QRect(90, kStatusTop, 5100, kStatusHeight), QString());
    m_status->setWordWrap(true);
    m_batch = addControl<QPushButton>(m_strip, "cmdBatch", QRect(5280, kStatusTop, 1245, 345), tr("Ba&tch..."));
    m_register
        = addControl<QPushButton>(m_strip, "cmdRegister", QRect(5280, kStatusTop + 390, 1245, 345), tr("Re&gister..."));
    for (QPushButton *button : {m_printPreview, m_print, m_exit, m_register, m_batch})
        button->setAutoDefault(false);

    setFocusOrder({m_print, m_exit, m_printPreview, m_bankId, m_chequeNo, m_pay, m_date, m_amount, m_stamp, m_crossing,
                   m_batch, m_register});

    connect(m_bankId, &QComboBox::currentTextChanged, this, &frmCheque::showAccount);
    connect(m_amount, &QLineEdit::textChanged, m_amountValidator, &AmountValidator::setStanding);
    connect(m_amount, &QLineEdit::textChanged, this, &frmCheque::showNarration);
    // An open preview follows every field the page or its printing depends on.
    for (QLineEdit *field : {m_chequeNo, m_pay, m_date, m_amount})
        connect(field, &QLineEdit::textChanged, this, &frmCheque::refreshPreview);
    connect(m_stamp, &QCheckBox::toggled, this, &frmCheque::refreshPreview);
    connect(m_stamp, &QCheckBox::toggled, m_crossing, &QWidget::setEnabled);
    m_crossing->setEnabled(m_stamp->isChecked());
    connect(m_crossing, &QComboBox::currentTextChanged, this, &frmCheque::refreshPreview);
    connect(m_amount, &QLineEdit::inputRejected, this, [this] { m_services.prompter.beep(); });
    connect(m_print, &QPushButton::clicked, this, &frmCheque::printCheque);
    connect(m_printPreview, &QPushButton::clicked, this, &frmCheque::previewCheque);
    // Exit always closes: nothing typed survives a close, so a wrong date in it matters no more.
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_date, &QLineEdit::textChanged, this, [this] { showDateNote(false); });
    connect(m_register, &QPushButton::clicked, this, &frmCheque::openRegister);
    connect(m_batch, &QPushButton::clicked, this, [this] {
        auto *batch = new frmBatch(m_services, m_bankId->currentText(), this);
        connect(batch, &frmBatch::printed, this, [this] {
            offerNextNumber();
            // The leaves the batch used are gone from the book this window counts.
            try {
                setStatus(leavesLeftNotice(*m_services.store, m_bankId->currentText()));
            } catch (const Failure &failure) {
                qCWarning(lcWindows).noquote() << "the leaves left after the batch are not shown:" << failure;
            }
        });
        batch->show();
    });
}

void frmCheque::setStatus(const QString &text)
{
    m_status->setText(text);
    fitTexts();
}

void frmCheque::fitTexts()
{
    // A note under the date pushes the words down by its height, and everything below them with it.
    const int note = m_dateNote->text().isEmpty() ? 0 : m_dateNote->heightForWidth(m_dateNote->width()) + 4;
    m_dateNote->resize(m_dateNote->width(), qMax(0, note - 4));
    const int words = missingHeight(m_narration, kWordsHeight) + note;
    const int account = missingHeight(m_accountLine, kAccountLineHeight);
    const int status = missingHeight(m_status, kStatusHeight);
    const auto grown = [](QWidget *widget, int roomTwips, int more) {
        widget->resize(widget->width(), twipsToPixels(roomTwips) + more);
    };
    m_narration->move(m_narration->x(), twipsToPixels(kWordsTop) + note);
    m_narrationCaption->move(m_narrationCaption->x(), twipsToPixels(kWordsCaptionTop) + note);
    m_figures->move(m_figures->x(), twipsToPixels(kWordsCaptionTop) + note);
    grown(m_narration, kWordsHeight, words - note);
    grown(m_fields, kFieldsHeight, words);
    m_commands->move(0, twipsToPixels(kCommandsTop) + words);
    m_strip->move(0, twipsToPixels(kStripTop) + words);
    grown(m_strip, kStripHeight, account + status);
    grown(m_accountLine, kAccountLineHeight, account);
    m_status->move(m_status->x(), twipsToPixels(kStatusTop) + account);
    grown(m_status, kStatusHeight, status);
    m_batch->move(m_batch->x(), twipsToPixels(kStatusTop) + account);
    m_register->move(m_register->x(), twipsToPixels(kStatusTop + 390) + account);
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight) + words + account + status);
}

void frmCheque::tell(const QString &text)
{
    m_services.prompter.message(kProgramTitle, text, Prompter::Icon::Warning);
}

void frmCheque::loadAccounts()
{
    try {
        const QStringList codes = m_services.store->accounts().codes();
        const QSignalBlocker quiet(m_bankId);
        m_bankId->clear();
        m_bankId->addItems(codes);
        // The account this workstation last printed from, when it is still there.
        const int last = m_bankId->findText(WorkstationSettings().lastAccount());
        if (last >= 0)
            m_bankId->setCurrentIndex(last);
    } catch (const Failure &failure) {
        tell(tr("The bank accounts could not be read: %1").arg(failure.description()));
    }
    showAccount(m_bankId->currentText());
}

void frmCheque::showAccount(const QString &code)
{
    m_chequeNo->clear();
    m_status->clear();
    std::optional<BankAccountRecord> account;
    if (!code.isEmpty()) {
        try {
            account = m_services.store->accounts().find(code);
        } catch (const Failure &failure) {
            tell(tr("The details of account \"%1\" could not be read: %2").arg(code, failure.description()));
        }
    }
    const BankAccountRecord shown = account.value_or(BankAccountRecord {});
    m_accountNo->setText(shown.accountNo);
    m_bankName->setText(shown.bankName);
    m_address->setText(shown.address);
    m_city->setText(shown.city);
    m_accountLine->setText(
        account
            ? tr("Cheques go on %1: %2, account %3")
                  .arg(shown.bankId, shown.bankName.isEmpty() ? tr("(no bank name)") : shown.bankName, shown.accountNo)
            : tr("No account is chosen."));
    // The amount typed stays exactly as it is: one with more decimals than this account takes is
    // named (and refused at Print) until it is corrected, never cut to fit.
    m_money = shown.money;
    const QString crossing = crossingShown(shown.marks.crossing());
    if (m_crossing->findText(crossing) < 0)
        m_crossing->addItem(crossing);
    m_crossing->setCurrentText(crossing);
    m_crossing->lineEdit()->setCursorPosition(0); // the words' start, should the box be narrower
    m_amountValidator->setMoney(m_money);
    m_amountValidator->setStanding(m_amount->text());
    showNarration();
    offerNextNumber();
    refreshPayees();
    refreshPreview();
}

void frmCheque::refreshPayees()
{
    try {
        m_payees->setStringList(m_services.store->cheques().payeeSuggestions(m_bankId->currentText()));
    } catch (const Failure &failure) {
        // Suggestions are a help, not a need: without them the payee is typed whole.
        qCWarning(lcWindows).noquote() << "no payee suggestions:" << failure;
        m_payees->setStringList({});
    }
}

void frmCheque::offerNextNumber()
{
    m_offeredNumber.clear();
    if (!m_bankId->currentText().isEmpty()) {
        try {
            m_offeredNumber = offeredNumber(*m_services.store, m_bankId->currentText());
        } catch (const Failure &failure) {
            setStatus(tr("The next cheque number could not be read: %1").arg(failure.description()));
        }
    }
    // Offered, never filled in: a number is only printed once the operator has seen and taken it.
    m_chequeNo->setPlaceholderText(m_offeredNumber.isEmpty() ? QString()
                                                             : tr("%1 (Down takes it)").arg(m_offeredNumber));
}

void frmCheque::showNarration()
{
    const QString text = m_amount->text();
    const std::optional<qint64> amount = parseAmount(text, m_money);
    QString problem;
    const bool tooManyDecimals
        = text.contains(u'.') && (m_money.subunitDigits == 0 || text.section(u'.', 1).size() > m_money.subunitDigits);
    if (!amount && tooManyDecimals) {
        for (const FieldProblem &field : readFields().problems) {
            if (field.field == ChequeField::Amount)
                problem = field.message;
        }
    }
    // An amount this account cannot take is said, and shown as no other amount.
    if (!problem.isEmpty()) {
        m_narration->clear();
        m_figures->clear();
        m_amountSaid = true;
        setStatus(problem);
        return;
    }
    if (m_amountSaid) {
        m_amountSaid = false;
        m_status->clear();
    }
    // The words for what the field holds now; no amount yet shows none, never the words for zero.
    m_narration->setText(amount ? chequeWords(*amount, m_money).toUpper() : QString());
    m_figures->setText(amount ? chequeFigures(*amount, m_money) : QString());
    fitTexts();
}

void frmCheque::setStampFromParameter()
{
    try {
        m_stamp->setChecked(m_services.store->parameters().wholeNumberParameter(Parameter::Stamp) != 0);
    } catch (const Failure &failure) {
        m_stamp->setChecked(false);
        tell(failure.description() + tr(" The stamp box starts unticked; set the default under Options."));
    }
}

ChequeTexts frmCheque::currentTexts() const
{
    return {m_bankId->currentText(),
            m_chequeNo->text(),
            m_pay->text(),
            m_date->text(),
            m_amount->text(),
            m_stamp->isChecked(),
            crossingFromWords(m_crossing->currentText())};
}

IssueOutcome frmCheque::Process(const Cheque &cheque, const PendingNotes &notes)
{
    return issueFromWindow(this, m_services, notes,
                           [&](const IssueContext &context) { return issueCheque(cheque, context); });
}

std::optional<Cheque> frmCheque::readyToPrint()
{
    followAccountMoney();
    const ChequeReading reading = readFields();
    if (reading.incomplete()) {
        m_services.prompter.message(kCompanyName, incompleteChequeMessage(), Prompter::Icon::Error);
        focusFirstProblem(reading, true);
        return std::nullopt;
    }
    if (m_bankId->count() == 0) {
        tell(tr("No bank account is set up yet. Add the account and its cheque layout under "
                "Bank Data, then print the cheque."));
        return std::nullopt;
    }
    if (!reading.cheque) {
        showDateNote(true);
        tell(reading.messages());
        focusFirstProblem(reading, false);
        return std::nullopt;
    }
    return reading.cheque;
}

void frmCheque::focusFirstProblem(const ChequeReading &reading, bool emptyOnly)
{
    // After the message, the cursor is in the first field it is about.
    // By ChequeField; a fault of the crossing is in its words.
    const std::array<QWidget *, 6> fields = {m_bankId, m_chequeNo, m_pay, m_date, m_amount, m_crossing};
    for (const FieldProblem &problem : reading.problems) {
        if (problem.empty || !emptyOnly) {
            focusField(fields.at(static_cast<size_t>(problem.field)));
            return;
        }
    }
}

void frmCheque::followAccountMoney()
{
    // The account may have been changed since it was chosen (its decimals, at another workstation):
    // the amount is read with the money the page will be composed with, never as another amount.
    try {
        const std::optional<BankAccountRecord> account = m_services.store->accounts().find(m_bankId->currentText());
        if (!account || account->money == m_money)
            return;
        m_money = account->money;
        m_amountValidator->setMoney(m_money);
        m_amountValidator->setStanding(m_amount->text());
        showNarration();
    } catch (const Failure &failure) {
        // The print itself reads the account again and says what the database does.
        qCWarning(lcWindows).noquote() << "the account's money was not read again:" << failure;
    }
}

void frmCheque::printCheque()
{
    // A second click or key press while a cheque prints does nothing, in this window and every other.
    if (m_services.printing)
        return;
    const std::optional<Cheque> cheque = readyToPrint();
    if (!cheque || !numberIsWanted(*cheque) || !dateIsWanted(*cheque) || !paymentIsWanted(*cheque))
        return;
    const std::optional<QString> reason = overLimitReason(*cheque);
    if (!reason)
        return;
    setStatus(QString());
    // The printed page is always composed from the fields as they are now, and the register row is
    // written from that same cheque, so the cheque on paper and its row cannot differ.
    closePreview();
    const IssueOutcome outcome = Process(*cheque, {*reason});
    activateWindow();
    confirmOutcome(*cheque, outcome);
    switch (outcome.kind) {
    case IssueOutcome::Kind::Printed:
        m_chequeNo->clear();
        m_pay->clear();
        m_amount->clear();
        setStampFromParameter();
        offerNextNumber();
        refreshPayees();
        // The next cheque starts at its number, one Down key from the one offered: once the window
        // is active again, for its activation gives the focus back to where it was before.
        m_numberNext = true;
        if (isActiveWindow())
            focusNumberIfDue();
        break;
    case IssueOutcome::Kind::NotPrinted:
        m_services.prompter.message(kProgramTitle, outcome.message, Prompter::Icon::None);
        break;
    case IssueOutcome::Kind::Unknown:
    case IssueOutcome::Kind::NotMarked:
        m_services.prompter.message(kProgramTitle, outcome.message, Prompter::Icon::Warning);
        offerNextNumber();
        break;
    }
}

bool frmCheque::dateIsWanted(const Cheque &cheque)
{
    QString flag;
    try {
        flag = dateFlag(cheque.date, dateRules());
    } catch (const Failure &failure) {
        qCWarning(lcWindows).noquote() << "the date is not checked against the office's rules:" << failure;
        return true; // the date was read with these rules a moment ago; printing reads nothing more of them
    }
    return flag.isEmpty() || m_services.prompter.ask(kProgramTitle, tr("This cheque is %1 Print it anyway?").arg(flag));
}

bool frmCheque::paymentIsWanted(const Cheque &cheque)
{
    QString paid;
    try {
        paid = samePaymentText(*m_services.store, cheque);
    } catch (const Failure &failure) {
        qCWarning(lcWindows).noquote() << "the register was not asked for the same payment:" << failure;
        return true; // the print reads the register next, and says what the database does
    }
    return paid.isEmpty()
        || m_services.prompter.ask(kProgramTitle,
                                   tr("The register already holds this payment: %1. Print it all the same?").arg(paid));
}

std::optional<QString> frmCheque::overLimitReason(const Cheque &cheque)
{
    QString over;
    try {
        if (const std::optional<BankAccountRecord> account = m_services.store->accounts().find(cheque.accountCode))
            over = overLimitText(cheque, *account);
    } catch (const Failure &failure) {
        qCWarning(lcWindows).noquote() << "the amount is not checked against the account's limit:" << failure;
        return QString(); // the print reads the account again and refuses it there if it must
    }
    if (over.isEmpty())
        return QString();
    const std::optional<QString> reason = m_services.prompter.askText(
        kProgramTitle, over + tr(" To print it all the same, give the reason (it is kept in the register):"));
    if (reason && !reason->trimmed().isEmpty())
        return reason->trimmed();
    if (reason)
        m_services.prompter.message(kProgramTitle, tr("A cheque above the limit prints only with a reason."),
                                    Prompter::Icon::Information);
    setStatus(tr("Cheque %1 was not printed: it is above the account's limit.").arg(cheque.number));
    focusField(m_amount);
    return std::nullopt;
}

bool frmCheque::numberIsWanted(const Cheque &cheque)
{
    QString warning;
    try {
        warning = numberOutsideBooksWarning(*m_services.store, cheque.accountCode, cheque.number);
        // Cheques of the Positive Pay threshold from earlier days that the bank was not told of.
        if (const auto account = m_services.store->accounts().find(cheque.accountCode)) {
            const QString late = positivePayWarning(*m_services.store, *account, m_services.today());
            warning = QStringList {warning, late}.join(u' ').trimmed();
        }
    } catch (const Failure &failure) {
        qCWarning(lcWindows).noquote() << "the number is not checked against the cheque books:" << failure;
        return true; // the books could not be read; the print sequence says what the database does
    }
    return warning.isEmpty() || m_services.prompter.ask(kProgramTitle, warning + tr(" Print it anyway?"));
}

void frmCheque::confirmOutcome(const Cheque &cheque, const IssueOutcome &outcome)
{
    if (outcome.kind != IssueOutcome::Kind::NotPrinted) {
        try {
            WorkstationSettings().setLastAccount(cheque.accountCode);
        } catch (const Failure &failure) {
            // Not remembering the account costs one choice next time; the cheque itself is done.
            qCWarning(lcWindows).noquote() << "the last account was not remembered:" << failure;
        }
    }
    QString line;
    switch (outcome.kind) {
    case IssueOutcome::Kind::Printed: {
        line = tr("Cheque %1 to %2, %3, printed and recorded.")
                   .arg(cheque.number, cheque.payee, chequeFigures(cheque.amount));
        try {
            if (const QString leaves = leavesLeftNotice(*m_services.store, cheque.accountCode); !leaves.isEmpty())
                line += u' ' + leaves;
        } catch (const Failure &failure) {
            qCWarning(lcWindows).noquote() << "the leaves left are not shown:" << failure;
        }
        break;
    }
    case IssueOutcome::Kind::NotPrinted:
        line = tr("Cheque %1 was not printed, and nothing was recorded.").arg(cheque.number);
        break;
    case IssueOutcome::Kind::Unknown:
        line = tr("Cheque %1 may have printed: it is pending in the register until it is settled.").arg(cheque.number);
        break;
    case IssueOutcome::Kind::NotMarked:
        line = tr("Cheque %1 printed, but is still pending in the register: mark it printed.").arg(cheque.number);
        break;
    }
    setStatus(line);
}

void frmCheque::previewCheque()
{
    if (m_services.printing)
        return;
    const std::optional<Cheque> cheque = readyToPrint();
    if (!cheque)
        return;
    const QString printer = previewPrinter();
    ChequePage page;
    try {
        page = composeChequePage(*m_services.store, *cheque, *m_services.metrics, printer);
    } catch (const Failure &failure) {
        m_services.prompter.message(kProgramTitle, errorMessage(failure), Prompter::Icon::None);
        return;
    }
    if (!m_preview) {
        m_preview = new MDIForm1(this);
        connect(m_preview, &MDIForm1::printRequested, this, &frmCheque::printFromPreview);
    }
    m_previewPrinter = printer;
    m_preview->showPage(page);
    try {
        m_preview->setCalibrationNote(calibrationNote(*m_services.store, printer));
    } catch (const Failure &failure) {
        qCWarning(lcWindows).noquote() << "the preview has no calibration note:" << failure;
        m_preview->setCalibrationNote(QString());
    }
    // What would stop it printing is said now, not only when Print is pressed.
    const QString stop = printingStopText(page);
    // Otherwise what printing it would ask about, without asking yet.
    m_preview->setStatus(stop.isEmpty() ? printWarning(page, *m_services.metrics, printer, std::nullopt) : stop);
    if (!stop.isEmpty())
        m_services.prompter.message(kProgramTitle, stop, Prompter::Icon::Warning);
}

void frmCheque::printFromPreview()
{
    // From the preview the date field is out of sight, so a date that cannot be read sends the
    // operator back to it.
    if (const QString why = dateProblem(); !m_services.printing && !why.isEmpty()) {
        showDateNote(true);
        tell(tr("Nothing was printed: %1 Correct the date in the entry window, then print.").arg(why));
        activateWindow();
        m_date->setFocus();
        return;
    }
    printCheque();
}

QString frmCheque::printingStopText(const ChequePage &page) const
{
    const QList<Failure> problems = pageProblems(page, *m_services.metrics);
    return problems.isEmpty() ? QString() : tr("This cheque would not be printed: %1").arg(problemsText(problems));
}

void frmCheque::refreshPreview()
{
    // The preview shows exactly the page its Print would print: when the fields change, it changes.
    if (!m_preview || !m_preview->isVisible())
        return;
    const ChequeReading reading = readFields();
    QString missing;
    std::optional<ChequePage> page;
    if (!reading.cheque) {
        QStringList problems;
        for (const FieldProblem &problem : reading.problems)
            problems.append(problem.message);
        missing = problems.join(u' ');
    } else {
        try {
            page = composeChequePage(*m_services.store, *reading.cheque, *m_services.metrics, m_previewPrinter);
        } catch (const Failure &failure) {
            missing = failure.description();
        }
    }
    if (!page) {
        // No page at all, rather than one that would not print.
        m_preview->unloadLayout();
        m_preview->setStatus(tr("Nothing would print: %1").arg(missing));
        return;
    }
    m_preview->replacePage(*page);
    const QString stop = printingStopText(*page);
    m_preview->setStatus(stop.isEmpty() ? printWarning(*page, *m_services.metrics, m_previewPrinter, std::nullopt)
                                        : stop);
}

QString frmCheque::previewPrinter()
{
    // A preview needs no printer: without one it shows the office's calibration, and says so.
    if (!m_services.printQueue)
        return QString();
    const std::shared_ptr<PrintQueue> queue = m_services.printQueue();
    queue->setCallTimeout(2000);
    try {
        return queue->defaultQueue();
    } catch (const Failure &failure) {
        qCDebug(lcWindows).noquote() << "the preview is placed without a printer:" << failure;
        return QString();
    }
}

void frmCheque::openRegister()
{
    auto *settling = new frmRegister(m_services, m_bankId->currentText(), this);
    connect(settling, &frmRegister::settled, this, &frmCheque::offerNextNumber);
    settling->show();
}

void frmCheque::closePreview()
{
    if (!m_preview)
        return;
    m_preview->hide();
    m_preview->unloadLayout();
}

void frmCheque::focusNumberIfDue()
{
    if (!m_numberNext)
        return;
    m_numberNext = false;
    m_chequeNo->setFocus();
}

void frmCheque::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, &frmCheque::focusNumberIfDue);
}

void frmCheque::closeEvent(QCloseEvent *event)
{
    // The print sequence still runs inside this window: it closes once the cheque's fate is known.
    if (m_services.printing) {
        event->ignore();
        return;
    }
    if (m_preview)
        m_preview->close();
    emit unloaded();
    event->accept();
}

DateRules frmCheque::dateRules() const
{
    return m_services.store->parameters().dateRules(m_services.today());
}

ChequeReading frmCheque::readFields() const
{
    try {
        return readCheque(currentTexts(), m_money, dateRules());
    } catch (const Failure &failure) {
        // Without the office's rules no date can be read: the date is what cannot be printed.
        ChequeReading reading = readCheque(currentTexts(), m_money, DateRules {});
        reading.cheque.reset();
        reading.problems.append({ChequeField::Date, failure.description(), false});
        return reading;
    }
}

QString frmCheque::dateProblem(QString *flag) const
{
    if (m_date->text().trimmed().isEmpty())
        return QString();
    DateRules rules;
    try {
        rules = dateRules();
    } catch (const Failure &failure) {
        return failure.description();
    }
    const DateReading date = readChequeDate(m_date->text(), rules.order);
    if (!date.date)
        return date.problem;
    if (const QString outside = dateWindowProblem(*date.date, rules); !outside.isEmpty())
        return outside;
    if (flag)
        *flag = dateFlag(*date.date, rules);
    return QString();
}

void frmCheque::showDateNote(bool left)
{
    QString flag;
    const QString problem = dateProblem(&flag);
    // A date still being typed is not called wrong; once it was, the note follows every key.
    QString note;
    if (!problem.isEmpty() && (left || m_dateSaid))
        note = problem;
    else if (problem.isEmpty() && !flag.isEmpty())
        note = tr("This cheque is %1 Print asks before printing it.").arg(flag);
    m_dateSaid = !problem.isEmpty() && !note.isEmpty();
    if (note == m_dateNote->text())
        return;
    QPalette palette = m_dateNote->palette();
    palette.setColor(QPalette::WindowText,
                     m_dateSaid ? QColor(Qt::darkRed) : QApplication::palette().windowText().color());
    m_dateNote->setPalette(palette);
    m_dateNote->setText(note);
    fitTexts();
}

bool frmCheque::filterAmountKey(QKeyEvent *key)
{
    const QString text = key->text();
    if (text.isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || text.front() == u'\x7f')
        return false;
    const QChar typed = text.front();
    // One decimal point for money with decimals; the validator refuses a second one, with the beep.
    if ((typed >= u'0' && typed <= u'9') || typed == u'\b' || (typed == u'.' && m_money.subunitDigits > 0))
        return false;
    m_services.prompter.beep();
    return true;
}

bool frmCheque::eventFilter(QObject *watched, QEvent *event)
{
    // Alt+P prints at once, not a moment later as an access key would: the next keys typed belong to
    // the next cheque.
    if (event->type() == QEvent::Shortcut && watched == m_print
        && static_cast<QShortcutEvent *>(event)->key() == QKeySequence(Qt::ALT | Qt::Key_P)) {
        if (m_print->isEnabled())
            m_print->click();
        return true;
    }
    // Leaving the date says what is wrong with it, and lets the focus go: what is typed next lands
    // where the operator moved to, never in the date.
    if (watched == m_date && event->type() == QEvent::FocusOut)
        showDateNote(true);
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (isEnter(key) && (watched == m_chequeNo || watched == m_pay || watched == m_date || watched == m_amount)) {
        // Enter moves one field on, as Tab would; the amount field also refuses the key audibly.
        focusNextChild();
        if (watched == m_amount)
            m_services.prompter.beep();
        return true;
    }
    if (watched == m_amount)
        return filterAmountKey(key);
    if (watched == m_chequeNo && key->key() == Qt::Key_Down && m_chequeNo->text().isEmpty()
        && !m_offeredNumber.isEmpty()) {
        m_chequeNo->setText(m_offeredNumber);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quillset
