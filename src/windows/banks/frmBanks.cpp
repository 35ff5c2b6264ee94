#include "frmBanks.h"

#include "core/accounts/LayoutExport.h"
#include "core/banks/BankRecordTransfer.h"
#include "core/banks/LeafLimits.h"
#include "core/base/ErrorKind.h"
#include "core/base/Failure.h"
#include "core/base/ProgramInfo.h"
#include "core/base/Prompter.h"
#include "store/Store.h"
#include "widgets/AppServices.h"
#include "widgets/CentreWindow.h"
#include "widgets/Controls.h"
#include "widgets/EnterPressesButtons.h"
#include "widgets/FocusGuard.h"
#include "widgets/TypingLimit.h"
#include "widgets/WindowKeys.h"
#include "windows/WindowsLog.h"
#include "windows/banks/frmChequeBooks.h"
#include "windows/banks/frmLeafDesigner.h"
#include "windows/banks/frmPositivePay.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace quillset {

namespace {

QString duplicateEntry()
{
    return QCoreApplication::translate("quillset::frmBanks", "Duplicate Entry Not Allowed");
}

// Account boxes: object name, label, label and box geometry in twips, longest text (0: no limit).
struct AccountBox
{
    const char *name;
    const char *label;
    QRect labelTwips;
    QRect boxTwips;
    int maxLength;
};

// In copying order; the window shows them in five lines.
const AccountBox kAccountBoxes[] = {
    {"txtBankID", QT_TRANSLATE_NOOP("quillset::frmBanks", "Bank ID:"), {90, 180, 1000, 255}, {1140, 150, 1500, 285}, 0},
    {"txtBankName",
     QT_TRANSLATE_NOOP("quillset::frmBanks", "Bank Name:"),
     {90, 480, 1000, 255},
     {1140, 450, 4380, 285},
     30},
    {"txtAccountNO",
     QT_TRANSLATE_NOOP("quillset::frmBanks", "Account #:"),
     {2700, 180, 1000, 255},
     {3720, 150, 1800, 285},
     20},
    {"txtAddress",
     QT_TRANSLATE_NOOP("quillset::frmBanks", "Address:"),
     {90, 780, 1000, 255},
     {1140, 750, 4380, 285},
     40},
    {"txtCity", QT_TRANSLATE_NOOP("quillset::frmBanks", "City:"), {90, 1080, 1000, 255}, {1140, 1050, 1500, 285}, 15},
    {"txtAccountType",
     QT_TRANSLATE_NOOP("quillset::frmBanks", "Acc Type:"),
     {2700, 1080, 1000, 255},
     {3720, 1050, 1000, 285},
     7},
    {"txtWidth",
     QT_TRANSLATE_NOOP("quillset::frmBanks", "Paper Width:"),
     {90, 1380, 1000, 255},
     {1140, 1350, 800, 285},
     0},
    {"txtHeight",
     QT_TRANSLATE_NOOP("quillset::frmBanks", "Cheq Height:"),
     {2700, 1380, 1000, 255},
     {3720, 1350, 800, 285},
     0},
};

// The grid: six columns 810 twips apart, rows 300 apart, cells 825 by 300.
constexpr int kGridLeft = 780;
constexpr int kGridTop = 510;
constexpr int kColumnStep = 810;
constexpr int kRowStep = 300;

constexpr int kCrossingStripHeight = 690;
constexpr int kMoneyStripHeight = 1065;
constexpr int kPositivePayStripHeight = 555;

QRect gridCell(int column, int row)
{
    return QRect(kGridLeft + column * kColumnStep, kGridTop + row * kRowStep, 825, 300);
}

bool onOneLine(const QRect &a, const QRect &b)
{
    return a.top() < b.bottom() + 1 && b.top() < a.bottom() + 1;
}

// Widens each caption of the group to its words; the controls after it on its line move along as far
// as it grew, keeping the spacing they had. Returns how far the longest line now runs past the
// group's right edge (0 when every line still fits).
int fitCaptionLines(QWidget &group)
{
    constexpr int kGap = 4;
    QList<QWidget *> controls = group.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    controls.removeIf([](const QWidget *control) { return control->isHidden(); });
    std::sort(controls.begin(), controls.end(), [](const QWidget *a, const QWidget *b) { return a->x() < b->x(); });
    QList<QRect> before;
    for (const QWidget *control : controls)
        before.append(control->geometry());
    int overrun = 0;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QWidget *control = controls.at(i);
        const QRect was = before.at(i);
        int left = was.x();
        for (qsizetype j = 0; j < i; ++j) {
            const int grewBy = controls.at(j)->geometry().right() - before.at(j).right();
            if (grewBy > 0 && onOneLine(before.at(j), was) && before.at(j).x() < was.x())
                left = qMax(left, controls.at(j)->geometry().right() + qMax(kGap, was.x() - before.at(j).right()));
        }
        int width = was.width();
        if (qobject_cast<QLabel *>(control))
            width = qMax(width, control->sizeHint().width());
        control->setGeometry(left, was.y(), width, was.height());
        overrun = qMax(overrun, left + width + kGap - group.width());
    }
    return overrun;
}

bool isEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

frmBanks::frmBanks(AppServices &services, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmBanks"));
    setWindowTitle(tr("Bank Basic Data Entry"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Below the original window, strips place the crossing, lead to the account's cheque books and say
    // how the account writes its money.
    setFixedSize(twipsToPixels(6825),
                 twipsToPixels(4155 + kCrossingStripHeight + kMoneyStripHeight + kPositivePayStripHeight));
    buildControls();
    fitCaptions();
    pressButtonsOnEnter(*this);
    useAccessKeys(*this);
    cancelOnEscape(*this, [this] { escape(); });
    CentreWindow(*this);
    // The window sees every key before its controls, so that Enter moves on from any box.
    qApp->installEventFilter(this);
    new FocusGuard(
        m_bankId, [this] { return bankIdIsFree(); },
        [this] { m_services.prompter.message(kProgramTitle, duplicateEntry(), Prompter::Icon::None); });

    LockTextBoxes(true);
    try {
        m_records = m_services.store->accounts().all();
    } catch (const Failure &failure) {
        tell(tr("The bank accounts could not be read: %1").arg(failure.description()));
    }
    showRecord(m_records.isEmpty() ? -1 : 0);
    m_add->setFocus();
}

void frmBanks::buildControls()
{
    auto *account = addControl<QGroupBox>(this, "Frame1", QRect(60, 0, 5700, 1740));
    for (size_t i = 0; i < std::size(kAccountBoxes); ++i) {
        const AccountBox &layout = kAccountBoxes[i];
        auto *box = addControl<QLineEdit>(account, layout.name, layout.boxTwips);
        addControl<QLabel>(account, "", layout.labelTwips, tr(layout.label))->setBuddy(box);
        if (layout.maxLength > 0)
            box->setValidator(new TypingLimit(layout.maxLength, box));
        m_boxes.at(i) = box;
    }
    m_bankId = m_boxes.at(0);
    m_bankId->setValidator(new TypingLimit(TypingLimit::kNoLimit, m_bankId, TypingLimit::Letters::Capitals));
    for (QLineEdit *measure : {m_boxes.at(6), m_boxes.at(7)})
        measure->setAlignment(Qt::AlignRight);

    auto *grid = addControl<QGroupBox>(this, "Frame4", QRect(60, 1770, 5700, 1740), tr("Printing Parameters"));
    addControl<QLabel>(grid, "lblCorner", QRect(120, 270, 600, 240), tr("cm"));
    const char *headings[]
        = {QT_TRANSLATE_NOOP("quillset::frmBanks", "Date"),     QT_TRANSLATE_NOOP("quillset::frmBanks", "Pay"),
           QT_TRANSLATE_NOOP("quillset::frmBanks", "Amount"),   QT_TRANSLATE_NOOP("quillset::frmBanks", "Rupee L1"),
           QT_TRANSLATE_NOOP("quillset::frmBanks", "Rupee L2"), QT_TRANSLATE_NOOP("quillset::frmBanks", "Stamp")};
    for (int column = 0; column < 6; ++column) {
        auto *heading = addControl<QLabel>(grid, "", gridCell(column, -1).adjusted(0, 30, 0, 0), tr(headings[column]));
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    const char *rows[]
        = {QT_TRANSLATE_NOOP("quillset::frmBanks", "Left"), QT_TRANSLATE_NOOP("quillset::frmBanks", "Top"),
           QT_TRANSLATE_NOOP("quillset::frmBanks", "Width"), QT_TRANSLATE_NOOP("quillset::frmBanks", "Active:")};
    for (int row = 0; row < 4; ++row)
        addControl<QLabel>(grid, "", QRect(120, kGridTop + row * kRowStep + 30, 640, 255), tr(rows[row]));
    for (int index = 0; index < 18; ++index) {
        // Down each column, columns from left to right.
        auto *cell = addControl<QLineEdit>(grid, "", gridCell(index / 3, index % 3));
        cell->setObjectName(QStringLiteral("txtCheqParametrs_%1").arg(index));
        cell->setProperty("index", index);
        cell->setAlignment(Qt::AlignRight);
        m_boxes.at(static_cast<size_t>(8 + index)) = cell;
    }
    m_active = addControl<QCheckBox>(grid, "txtRupee3Active", gridCell(5, 3).adjusted(300, 0, 0, 0));

    m_navigation = addControl<QGroupBox>(this, "Frame3", QRect(60, 3540, 5700, 555));
    auto *first = addControl<QPushButton>(m_navigation, "cmdFirst", QRect(120, 120, 600, 345), QStringLiteral("<<"));
    auto *previous
        = addControl<QPushButton>(m_navigation, "cmdPrevious", QRect(750, 120, 600, 345), QStringLiteral("<"));
    auto *next = addControl<QPushButton>(m_navigation, "cmdNext", QRect(1380, 120, 600, 345), QStringLiteral(">"));
    auto *last = addControl<QPushButton>(m_navigation, "cmdLast", QRect(2010, 120, 600, 345), QStringLiteral(">>"));
    auto *find = addControl<QPushButton>(m_navigation, "cmdFind", QRect(2640, 120, 800, 345), tr("Find"));
    find->hide();
    m_design
        = addControl<QPushButton>(m_navigation, "cmdDesign", QRect(3540, 120, 2040, 345), tr("&Design on leaf..."));
    connect(m_design, &QPushButton::clicked, this, &frmBanks::designOnLeaf);

    auto *actions = addControl<QGroupBox>(this, "Frame2", QRect(5820, 0, 945, 4095));
    // Every command a key of its own, Save's above all: a keyboard user saves without the mouse.
    m_add = addControl<QPushButton>(actions, "cmdAdd", QRect(60, 150, 825, 375), tr("&Add"));
    m_edit = addControl<QPushButton>(actions, "cmdEdit", QRect(60, 570, 825, 375), tr("&Edit"));
    m_delete = addControl<QPushButton>(actions, "cmdDeleted", QRect(60, 990, 825, 375), tr("De&let"));
    // A leaf layout goes to and comes from a file another office can use.
    m_exportLayout = addControl<QPushButton>(actions, "cmdExportLayout", QRect(60, 1500, 825, 375), tr("Ex&port..."));
    m_importLayout = addControl<QPushButton>(actions, "cmdImportLayout", QRect(60, 1920, 825, 375), tr("&Import..."));
    connect(m_exportLayout, &QPushButton::clicked, this, &frmBanks::exportLeafLayout);
    connect(m_importLayout, &QPushButton::clicked, this, &frmBanks::importLeafLayout);
    m_save = addControl<QPushButton>(actions, "cmdSave", QRect(60, 2730, 825, 375), tr("&Save"));
    m_cancel = addControl<QPushButton>(actions, "cmdCancel", QRect(60, 3150, 825, 375), tr("&Cancel"));
    m_exit = addControl<QPushButton>(actions, "cmdExit", QRect(60, 3570, 825, 375), tr("E&xit"));
    auto *crossing = addControl<QGroupBox>(this, "Frame5", QRect(60, 4125, 6705, kCrossingStripHeight - 60),
                                           tr("Crossing, cm from the leaf's top-left corner"));
    const char *crossingNames[]
        = {"txtCrossLeft", QT_TRANSLATE_NOOP("quillset::frmBanks", "txtCrossTop"), "txtCrossWidth", "txtCrossHeight"};
    const char *crossingLabels[]
        = {QT_TRANSLATE_NOOP("quillset::frmBanks", "Left"), QT_TRANSLATE_NOOP("quillset::frmBanks", "Top"),
           QT_TRANSLATE_NOOP("quillset::frmBanks", "Width"), QT_TRANSLATE_NOOP("quillset::frmBanks", "Height")};
    // An empty box keeps the corner block every account had. Its hint says so in a word, never as a
    // number that would pass for a stored value; the tooltip gives the value it stands for.
    const QString usual[]
        = {tr("Empty: the usual place, 0 cm from the leaf's left edge."),
           tr("Empty: the usual place, 0 cm from the leaf's top edge."),
           tr("Empty: the usual width, %1 cm.").arg(QString::number(kCrossingWidthTwips / 567.0, 'f', 2)),
           tr("Empty: the usual height, %1 cm.").arg(QString::number(kCrossingHeightTwips / 567.0, 'f', 2))};
    for (int i = 0; i < 4; ++i) {
        auto *box = addControl<QLineEdit>(crossing, crossingNames[i], QRect(690 + i * 1230, 270, 555, 285));
        addControl<QLabel>(crossing, "", QRect(120 + i * 1230, 300, 560, 255), tr(crossingLabels[i]))->setBuddy(box);
        box->setAlignment(Qt::AlignRight);
        box->setPlaceholderText(tr("usual"));
        box->setToolTip(usual[i]);
        m_boxes.at(static_cast<size_t>(BankAccountTexts::kFirstCrossing + i)) = box;
    }
    m_books = addControl<QPushButton>(crossing, "cmdBooks", QRect(5160, 210, 1425, 375), tr("Cheque &Books..."));
    connect(m_books, &QPushButton::clicked, this, &frmBanks::openBooks);

    auto *money
        = addControl<QGroupBox>(this, "Frame6", QRect(60, 4125 + kCrossingStripHeight, 6705, kMoneyStripHeight - 60),
                                tr("Amounts, as the bank writes them"));
    m_amountStyle = addControl<QComboBox>(money, "cmbAmountStyle", QRect(690, 255, 1335, 315));
    m_amountStyle->addItems({amountStyleWord(AmountStyle::International), amountStyleWord(AmountStyle::Indian)});
    addControl<QLabel>(money, "", QRect(120, 300, 560, 255), tr("Words:"))->setBuddy(m_amountStyle);
    m_currencyName = addControl<QLineEdit>(money, "txtCurrencyName", QRect(2880, 270, 1110, 285));
    // Examples, worded as examples: a grey "Rupees" read as a name the account already had.
    m_currencyName->setPlaceholderText(tr("e.g. Rupees"));
    m_currencyName->setToolTip(
        tr("The currency's name as the words print it, such as Rupees. Empty: the words name none."));
    m_currencyName->setValidator(new TypingLimit(kLongestMoneyName, m_currencyName));
    addControl<QLabel>(money, "", QRect(2130, 300, 740, 255), tr("Currency:"))->setBuddy(m_currencyName);
    m_subunitName = addControl<QLineEdit>(money, "txtSubunitName", QRect(4800, 270, 900, 285));
    m_subunitName->setPlaceholderText(tr("e.g. Paise"));
    m_subunitName->setToolTip(
        tr("The name of its hundredth (or thousandth) as the words print it, such as Paise. Empty: "
           "the words write a fraction as 50/100."));
    m_subunitName->setValidator(new TypingLimit(kLongestMoneyName, m_subunitName));
    addControl<QLabel>(money, "", QRect(4080, 300, 710, 255), tr("Subunit:"))->setBuddy(m_subunitName);
    m_subunitDigits = addControl<QComboBox>(money, "cmbSubunitDigits", QRect(6090, 255, 525, 315));
    m_subunitDigits->addItems({QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("3")});
    m_subunitDigits->setToolTip(tr("How many decimals an amount takes: 0 for whole amounts."));
    addControl<QLabel>(money, "", QRect(5760, 300, 330, 255), tr("Dec:"))->setBuddy(m_subunitDigits);
    m_notOver = addControl<QLineEdit>(money, "txtNotOver", QRect(1200, 645, 1560, 285));
    m_notOver->setPlaceholderText(tr("no limit"));
    m_notOver->setToolTip(tr("A cheque above this whole amount prints only when the clerk confirms it with a "
                             "reason, kept in the register. Empty: no limit."));
    m_notOver->setValidator(new TypingLimit(15, m_notOver));
    addControl<QLabel>(money, "", QRect(120, 690, 1050, 255), tr("Not &over:"))->setBuddy(m_notOver);
    addControl<QLabel>(money, "", QRect(2880, 690, 3700, 255), tr("above it, a cheque needs a reason"));

    // The account's Positive Pay threshold and the bank's file layout, in a window of their own.
    m_positivePay = addControl<QPushButton>(this, "cmdPositivePay",
                                            QRect(5160, 4125 + kCrossingStripHeight + kMoneyStripHeight, 1605, 375),
                                            tr("Positive Pa&y..."));
    connect(m_positivePay, &QPushButton::clicked, this, &frmBanks::openPositivePay);

    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);

    QList<QWidget *> order = {m_add, m_edit, m_delete, m_save, m_cancel, m_exit};
    for (const int copying : {0, 2, 1, 3, 4, 5, 6, 7}) // the account boxes as they are laid out
        order.append(m_boxes.at(static_cast<size_t>(copying)));
    for (size_t cell = 8; cell < static_cast<size_t>(BankAccountTexts::kFirstCrossing); ++cell)
        order.append(m_boxes.at(cell));
    order.append(m_active);
    for (size_t cell = BankAccountTexts::kFirstCrossing; cell < m_boxes.size(); ++cell)
        order.append(m_boxes.at(cell));
    order << first << previous << next << last << m_books << m_amountStyle << m_currencyName << m_subunitName
          << m_subunitDigits << m_notOver;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));

    connect(first, &QPushButton::clicked, this, [this] { showRecord(0); });
    connect(previous, &QPushButton::clicked, this, [this] { showRecord(qMax(0, m_current - 1)); });
    connect(next, &QPushButton::clicked, this,
            [this] { showRecord(qMin(static_cast<int>(m_records.size()) - 1, m_current + 1)); });
    connect(last, &QPushButton::clicked, this, [this] { showRecord(static_cast<int>(m_records.size()) - 1); });
    connect(find, &QPushButton::clicked, this, &frmBanks::FillTextBoxes);
    connect(m_add, &QPushButton::clicked, this, &frmBanks::add);
    connect(m_edit, &QPushButton::clicked, this, &frmBanks::edit);
    connect(m_save, &QPushButton::clicked, this, &frmBanks::save);
    connect(m_cancel, &QPushButton::clicked, this, &frmBanks::cancel);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
}

void frmBanks::fitCaptions()
{
    // The captions keep their words however wide the style draws them. A line that no longer fits its
    // strip widens the window by as much: the strips and the groups on the left widen, and what
    // stands at the right-hand edge moves along.
    int wider = 0;
    for (const char *group : {"Frame1", "Frame5", "Frame6"})
        wider = qMax(wider, fitCaptionLines(*findChild<QWidget *>(QString::fromLatin1(group))));
    if (wider <= 0)
        return;
    setFixedWidth(width() + wider);
    for (const char *widens : {"Frame1", "Frame4", "Frame3", "Frame5", "Frame6"}) {
        auto *group = findChild<QWidget *>(QString::fromLatin1(widens));
        group->resize(group->width() + wider, group->height());
    }
    for (QWidget *moves : {findChild<QWidget *>(QStringLiteral("Frame2")), static_cast<QWidget *>(m_positivePay)})
        moves->move(moves->x() + wider, moves->y());
}

void frmBanks::tell(const QString &text)
{
    m_services.prompter.message(kProgramTitle, text, Prompter::Icon::Warning);
}

void frmBanks::LockTextBoxes(bool st)
{
    for (QLineEdit *box : m_boxes)
        box->setReadOnly(st);
    for (QLineEdit *box : {m_currencyName, m_subunitName, m_notOver})
        box->setReadOnly(st);
    for (QComboBox *list : {m_amountStyle, m_subunitDigits})
        list->setEnabled(!st);
    m_add->setEnabled(st);
    m_edit->setEnabled(st && m_current >= 0);
    m_delete->setEnabled(st);
    m_save->setEnabled(!st);
    m_cancel->setEnabled(!st);
    m_exit->setEnabled(st);
    m_navigation->setEnabled(st && !m_records.isEmpty());
    m_books->setEnabled(st && m_current >= 0);
    m_positivePay->setEnabled(st && m_current >= 0);
    m_exportLayout->setEnabled(st && m_current >= 0);
    m_importLayout->setEnabled(st && m_current >= 0);
}

void frmBanks::exportLeafLayout()
{
    if (m_current < 0 || m_current >= m_records.size())
        return;
    const QString code = m_records.at(m_current).bankId;
    const QString path = m_services.chooseSaveFile(tr("Export the leaf layout of %1").arg(code),
                                                   code + QStringLiteral(".json"), tr("Leaf layouts (*.json)"));
    if (path.isEmpty())
        return;
    try {
        exportLayout(*m_services.store, code, path);
    } catch (const Failure &failure) {
        tell(failure.description());
    }
}

void frmBanks::importLeafLayout()
{
    if (m_current < 0 || m_current >= m_records.size())
        return;
    const QString code = m_records.at(m_current).bankId;
    const QString path
        = m_services.chooseOpenFile(tr("Import a leaf layout into %1").arg(code), tr("Leaf layouts (*.json)"));
    if (path.isEmpty()
        || !m_services.prompter.ask(kProgramTitle,
                                    tr("Replace the leaf layout of \"%1\" with the one in \"%2\"? Its bank "
                                       "details stay as they are.")
                                        .arg(code, path)))
        return;
    try {
        importLayout(*m_services.store, path, code);
        m_records = m_services.store->accounts().all();
    } catch (const Failure &failure) {
        tell(tr("The layout was not imported: %1").arg(failure.description()));
        return;
    }
    showRecord(m_current);
}

void frmBanks::designOnLeaf()
{
    if (m_current < 0 || m_current >= m_records.size())
        return;
    try {
        auto *designer = new frmLeafDesigner(
            m_services, m_records.at(m_current),
            [this](const BankAccountRecord &designed) { return saveDesign(designed); }, this);
        designer->show();
        designer->activateWindow();
    } catch (const Failure &failure) {
        tell(tr("The leaf cannot be laid out yet: %1").arg(failure.description()));
    }
}

bool frmBanks::saveDesign(const BankAccountRecord &designed)
{
    // The designed places go into the grid as if typed there, and are saved as an edit of the
    // account, through the very checks a typed edit passes.
    if (m_current < 0 || m_current >= m_records.size() || !m_add->isEnabled())
        return false;
    const BankAccountTexts texts = textsFromRecord(designed);
    for (size_t i = 8; i < m_boxes.size(); ++i)
        TypingLimit::showWhole(m_boxes.at(i), texts.texts.at(i));
    m_addingRecord = false;
    // What the grid has no box for, the leaf's marks and the money's wording, goes as designed.
    m_designed = designed;
    const bool saved = StoreTextBoxes();
    m_designed.reset();
    FillTextBoxes();
    return saved;
}

void frmBanks::openBooks()
{
    if (m_current < 0 || m_current >= m_records.size())
        return;
    auto *books = new frmChequeBooks(m_services, m_records.at(m_current).bankId, this);
    books->show();
    books->activateWindow(); // in front, where its keys work
}

void frmBanks::openPositivePay()
{
    if (m_current < 0 || m_current >= m_records.size())
        return;
    auto *window = new frmPositivePay(m_services, m_records.at(m_current).bankId, this);
    // What it saves is the account's: the record kept here is read again, so a later Save here
    // starts from it.
    connect(window, &frmPositivePay::saved, this, [this](const QString &code) {
        for (BankAccountRecord &record : m_records) {
            if (record.bankId != code)
                continue;
            try {
                if (const std::optional<BankAccountRecord> stored = m_services.store->accounts().find(code))
                    record = *stored;
            } catch (const Failure &failure) {
                qCWarning(lcWindows).noquote() << "the account was not read again after its Positive Pay:" << failure;
            }
        }
    });
    window->show();
    window->activateWindow();
}

void frmBanks::showRecord(int index)
{
    m_current = index;
    FillTextBoxes();
    m_edit->setEnabled(m_add->isEnabled() && m_current >= 0);
    m_navigation->setEnabled(m_add->isEnabled() && !m_records.isEmpty());
    m_books->setEnabled(m_add->isEnabled() && m_current >= 0);
    m_positivePay->setEnabled(m_add->isEnabled() && m_current >= 0);
    m_exportLayout->setEnabled(m_add->isEnabled() && m_current >= 0);
    m_importLayout->setEnabled(m_add->isEnabled() && m_current >= 0);
}

void frmBanks::FillTextBoxes()
{
    if (m_current < 0 || m_current >= m_records.size()) {
        ClearTextBoxes();
        return;
    }
    const BankAccountTexts shown = textsFromRecord(m_records.at(m_current));
    for (size_t i = 0; i < m_boxes.size(); ++i)
        TypingLimit::showWhole(m_boxes.at(i), shown.texts.at(i));
    m_active->setChecked(shown.active);
    showMoney(shown.money);
    TypingLimit::showWhole(m_notOver, shown.notOver);
}

void frmBanks::showMoney(const MoneyStyle &money)
{
    m_amountStyle->setCurrentText(amountStyleWord(money.style));
    TypingLimit::showWhole(m_currencyName, money.currencyName);
    TypingLimit::showWhole(m_subunitName, money.subunitName);
    m_subunitDigits->setCurrentText(QString::number(money.subunitDigits));
}

void frmBanks::ClearTextBoxes()
{
    for (QLineEdit *box : m_boxes)
        TypingLimit::showWhole(box, QString());
    showMoney(MoneyStyle {});
    TypingLimit::showWhole(m_notOver, QString());
}

BankAccountTexts frmBanks::textsOnScreen() const
{
    BankAccountTexts typed;
    for (size_t i = 0; i < m_boxes.size(); ++i)
        typed.texts.at(i) = m_boxes.at(i)->text();
    typed.active = m_active->isChecked();
    typed.money.style = amountStyleFromWord(m_amountStyle->currentText()).value_or(AmountStyle::International);
    typed.money.currencyName = m_currencyName->text();
    typed.money.subunitName = m_subunitName->text();
    typed.money.subunitDigits = m_subunitDigits->currentText().toInt();
    typed.notOver = m_notOver->text();
    return typed;
}

bool frmBanks::StoreTextBoxes()
{
    // Everything is checked before anything is written; a refusal keeps what was typed.
    try {
        BankAccountRecord account = m_addingRecord ? recordFromTexts(textsOnScreen())
                                                   : recordWithEdits(m_records.at(m_current), textsOnScreen());
        if (m_designed) {
            account.date = m_designed->date;
            account.marks = m_designed->marks;
            account.money.subunitFirst = m_designed->money.subunitFirst;
            account.money.currencySign = m_designed->money.currencySign;
        }
        if (m_addingRecord && m_services.store->accounts().count(account.bankId) > 0) {
            tell(duplicateEntry() + tr(": the Bank ID \"%1\" already exists.").arg(account.bankId));
            focusField(m_bankId);
            return false;
        }
        if (m_addingRecord) {
            m_services.store->accounts().insert(account);
            m_records.append(account);
            m_current = static_cast<int>(m_records.size()) - 1;
        } else {
            m_services.store->accounts().update(m_records.at(m_current), account);
            m_records[m_current] = account;
        }
        return true;
    } catch (const TextRefused &refused) {
        tell(tr("The account was not saved. %1").arg(refused.description()));
        focusField(refused.index() == BankAccountTexts::kNotOverIndex
                       ? m_notOver
                       : m_boxes.at(static_cast<size_t>(refused.index())));
        return false;
    } catch (const Failure &failure) {
        if (failure.number() == ErrorNumber::StaleRecord && showStoredRecord())
            return true;
        tell(tr("The account was not saved. %1").arg(failure.description()));
        return false;
    }
}

bool frmBanks::showStoredRecord()
{
    // Changed elsewhere since it was shown: what is stored now is shown, and nothing is written.
    try {
        const std::optional<BankAccountRecord> stored
            = m_services.store->accounts().find(m_records.at(m_current).bankId);
        if (!stored)
            return false;
        m_records[m_current] = *stored;
    } catch (const Failure &failure) {
        qCWarning(lcWindows).noquote() << "the stored account could not be read again after a stale save:" << failure;
        return false;
    }
    tell(tr("The account \"%1\" was changed elsewhere since it was shown, so nothing was saved. The "
            "window now shows what is stored; make your changes again if they are still needed.")
             .arg(m_records.at(m_current).bankId));
    FillTextBoxes();
    return true;
}

void frmBanks::add()
{
    m_addingRecord = true;
    LockTextBoxes(false);
    ClearTextBoxes();
    m_bankId->setFocus();
    m_valuesBefore = controlValues(*this);
}

void frmBanks::edit()
{
    m_addingRecord = false;
    LockTextBoxes(false);
    m_bankId->setReadOnly(true); // an account keeps its code
    m_boxes.at(2)->setFocus();
    m_valuesBefore = controlValues(*this);
}

void frmBanks::escape()
{
    // Browsing, Escape is Exit; adding or editing, it is Cancel, asked first where typing would go.
    if (m_add->isEnabled()) {
        close();
        return;
    }
    if (controlValues(*this) != m_valuesBefore) {
        const QString question = m_addingRecord || m_current < 0
            ? tr("Throw away the new account? What was typed is not saved.")
            : tr("Throw away the changes to \"%1\"? It stays as it was saved.").arg(m_records.at(m_current).bankId);
        if (!m_services.prompter.ask(kProgramTitle, question))
            return;
    }
    cancel();
}

void frmBanks::save()
{
    if (StoreTextBoxes())
        LockTextBoxes(true);
}

void frmBanks::cancel()
{
    FillTextBoxes();
    LockTextBoxes(true);
}

bool frmBanks::bankIdIsFree() const
{
    if (m_bankId->isReadOnly())
        return true;
    try {
        return m_services.store->accounts().count(m_bankId->text()) == 0;
    } catch (const Failure &failure) {
        qCDebug(lcWindows).noquote() << "whether the account code is free is left to the save:" << failure;
        return true; // the save reports a database that cannot answer
    }
}

void frmBanks::closeEvent(QCloseEvent *event)
{
    emit unloaded();
    event->accept();
}

bool frmBanks::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box || box->window() != this)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn && box->property("index").isValid()) {
        // A grid box offers its whole value, so that typing replaces it.
        QTimer::singleShot(0, box, [box] { box->setSelection(0, static_cast<int>(box->text().size())); });
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (isEnter(key)) {
        focusNextChild();
        return true;
    }
    return false;
}

} // namespace quillset
