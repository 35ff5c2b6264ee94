#include "frmOptions.h"

#include "core/base/Conversions.h"
#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "core/base/ProgramInfo.h"
#include "core/base/Prompter.h"
#include "core/issue/CalibrationSheetJob.h"
#include "core/issue/ResponsiveWaiter.h"
#include "core/layout/CalibrationSheet.h"
#include "core/layout/PrintQueue.h"
#include "core/options/DailyBackup.h"
#include "core/options/OptionSettings.h"
#include "print/PdfDocument.h"
#include "store/Store.h"
#include "widgets/AppServices.h"
#include "widgets/CentreWindow.h"
#include "widgets/Controls.h"
#include "widgets/EnterPressesButtons.h"
#include "widgets/WindowKeys.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <utility>

namespace quillset {

namespace {

struct PositionButton
{
    const char *caption;
    QRect twips;
};

// Laid out as a picture of the page; the index is what is stored.
const PositionButton kPositions[] = {
    {QT_TRANSLATE_NOOP("quillset::frmOptions", "Top Left"), {60, 300, 1140, 255}},
    {QT_TRANSLATE_NOOP("quillset::frmOptions", "Bottom Left"), {60, 870, 1140, 255}},
    {QT_TRANSLATE_NOOP("quillset::frmOptions", "Center Top"), {1200, 300, 1300, 255}},
    {QT_TRANSLATE_NOOP("quillset::frmOptions", "Top Right"), {2550, 300, 1250, 255}},
    {QT_TRANSLATE_NOOP("quillset::frmOptions", "Bottom Right"), {2550, 900, 1250, 255}},
    {QT_TRANSLATE_NOOP("quillset::frmOptions", "Center Center"), {1200, 600, 1300, 255}},
    {QT_TRANSLATE_NOOP("quillset::frmOptions", "Center Botom"), {1200, 930, 1300, 255}},
};

// Each shown with a day above 12, so that the order is seen at a glance.
const std::pair<DateOrder, const char *> kDateOrders[] = {
    {DateOrder::DayFirst, QT_TRANSLATE_NOOP("quillset::frmOptions", "Day first: 25/12/2026")},
    {DateOrder::MonthFirst, QT_TRANSLATE_NOOP("quillset::frmOptions", "Month first: 12/25/2026")},
    {DateOrder::YearFirst, QT_TRANSLATE_NOOP("quillset::frmOptions", "Year first: 2026-12-25")},
};

constexpr int kPrinterStripTwips = 1950;
constexpr int kDatesStripTwips = 1470;
constexpr int kBackupStripTwips = 1620;
constexpr int kBackupStripTop = 3420 + kPrinterStripTwips + kDatesStripTwips;
constexpr int kCommandsTop = kBackupStripTop + kBackupStripTwips;

} // namespace

frmOptions::frmOptions(AppServices &services, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QCoreApplication::translate("quillset::frmOptions", "System Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(4110), twipsToPixels(kCommandsTop + 645));
    buildControls();
    buildPrinterStrip();
    buildDatesStrip();
    buildBackupStrip();
    fitCaptions();
    pressButtonsOnEnter(*this);
    useAccessKeys(*this);
    // Escape is Cancel; what was typed or chosen since the settings were shown is asked about first.
    cancelOnEscape(*this, [this] {
        if (controlValues(*this) == m_shown
            || m_services.prompter.ask(
                kProgramTitle,
                QCoreApplication::translate("quillset::frmOptions", "Close Options without saving your changes?")))
            close();
    });
    CentreWindow(*this);
    LoadOptions();
    m_shown = controlValues(*this);
}

void frmOptions::buildControls()
{
    auto *settings = addControl<QGroupBox>(this, "Frame1", QRect(0, 0, 4110, 3420));

    auto *orientation = addControl<QGroupBox>(settings, "Frame2", QRect(60, 150, 2025, 900), tr("Cheque Orientation"));
    m_orientation[0]
        = addControl<QRadioButton>(orientation, "opOrientation_0", QRect(90, 210, 1800, 255), tr("Portrait"));
    m_orientation[1]
        = addControl<QRadioButton>(orientation, "opOrientation_1", QRect(90, 540, 1800, 255), tr("LandScape"));
    m_orientation[0]->setChecked(true);

    // Wide enough to show, beside each box, the centimetres the placement will use.
    auto *calibration = addControl<QGroupBox>(settings, "Frame5", QRect(2130, 150, 1920, 900), tr("Calebration"));
    addControl<QLabel>(calibration, "Label2", QRect(300, 210, 600, 255), tr("Left"));
    m_left = addControl<QLineEdit>(calibration, "txtCBL", QRect(930, 180, 555, 285), QStringLiteral("Text1"));
    m_leftInUse = addControl<QLabel>(calibration, "lblCBLInUse", QRect(1500, 210, 410, 255));
    addControl<QLabel>(calibration, "Label3", QRect(300, 510, 600, 255), tr("Top "));
    m_top = addControl<QLineEdit>(calibration, "txtCBT", QRect(930, 510, 555, 285), QStringLiteral("Text1"));
    m_topInUse = addControl<QLabel>(calibration, "lblCBTInUse", QRect(1500, 540, 410, 255));

    auto *page
        = addControl<QGroupBox>(settings, "Frame3", QRect(60, 1110, 3855, 1275), tr("Printing Location for A4 Size"));
    m_positions = new QButtonGroup(this);
    for (int index = 0; index < 7; ++index) {
        auto *button = addControl<QRadioButton>(page, "", kPositions[index].twips, tr(kPositions[index].caption));
        button->setObjectName(QStringLiteral("opPosition_%1").arg(index));
        m_positions->addButton(button, index);
        m_position.at(static_cast<size_t>(index)) = button;
    }
    m_position[0]->setChecked(true);

    addControl<QLabel>(settings, "Label1", QRect(120, 2460, 3795, 240), tr("Company Name for Stamp"));
    m_companyName = addControl<QLineEdit>(settings, "txtCompanyName", QRect(120, 2700, 3795, 285));
    m_stamp = addControl<QCheckBox>(settings, "chkStamp", QRect(150, 3030, 3765, 285),
                                    tr("Print Stamp for Payee's Account Only"));

    auto *commands = addControl<QGroupBox>(this, "Frame4", QRect(0, kCommandsTop, 4110, 645));
    auto *ok = addControl<QPushButton>(commands, "cmdSave", QRect(1950, 240, 975, 330), tr("OK"));
    auto *cancel = addControl<QPushButton>(commands, "cmdExit", QRect(2970, 240, 975, 330), tr("Cancel"));

    setFocusOrder(
        {m_orientation[0], m_orientation[1], m_left, m_top, m_position[0], m_companyName, m_stamp, ok, cancel});
    connect(ok, &QPushButton::clicked, this, &frmOptions::save);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_left, &QLineEdit::textChanged, this, [this] { showCalibrationInUse(m_left, m_leftInUse); });
    connect(m_top, &QLineEdit::textChanged, this, [this] { showCalibrationInUse(m_top, m_topInUse); });
    // Only what the operator types counts as a change; the boxes are also filled by the window.
    for (QLineEdit *box : {m_left, m_top})
        connect(box, &QLineEdit::textEdited, this, [this] { m_typedForShown = true; });
}

void frmOptions::fitCaptions()
{
    // The captions keep their words; where a style draws them wider than the layout allowed, the
    // controls to their right move along, and the window widens, just as far as the text needs.
    constexpr int kGap = 6;
    const auto right = [](const QList<QWidget *> &column) {
        int edge = 0;
        for (const QWidget *control : column)
            edge = qMax(edge, control->x() + control->sizeHint().width());
        return edge;
    };
    const auto moveTo = [](const QList<QWidget *> &column, int left) {
        for (QWidget *control : column) {
            if (control->x() < left)
                control->move(left, control->y());
            control->resize(qMax(control->width(), control->sizeHint().width()), control->height());
        }
    };
    const QList<QWidget *> leftColumn = {m_position[0], m_position[1]};
    const QList<QWidget *> centreColumn = {m_position[2], m_position[5], m_position[6]};
    const QList<QWidget *> rightColumn = {m_position[3], m_position[4]};
    moveTo(leftColumn, 0);
    moveTo(centreColumn, right(leftColumn) + kGap);
    moveTo(rightColumn, right(centreColumn) + kGap);
    QWidget *page = m_position[0]->parentWidget();
    page->resize(qMax(page->width(), right(rightColumn) + kGap), page->height());

    // Room beside each calibration box for the longest hint it shows.
    QWidget *calibration = m_leftInUse->parentWidget();
    const int hint = m_leftInUse->fontMetrics().horizontalAdvance(tr("= -00.000 cm")) + kGap;
    for (QLabel *inUse : {m_leftInUse, m_topInUse})
        inUse->resize(qMax(inUse->width(), hint), inUse->height());
    calibration->resize(qMax(calibration->width(), m_leftInUse->x() + m_leftInUse->width() + kGap),
                        calibration->height());

    // The dates read as sentences: caption, box, unit, the box and unit moving along as the caption needs.
    int dates = 0;
    for (const char *row :
         {"lblDateOrder cmbDateOrder", "lblStaleMonths txtStaleMonths lblStaleUnit",
          "lblDateWindow txtDateWindow lblWindowUnit", "lblBackupFolder txtBackupFolder cmdBackupFolder",
          "lblBackupDays txtBackupDays lblBackupDaysUnit"}) {
        int left = 0;
        for (const QString &name : QString::fromLatin1(row).split(u' ')) {
            auto *control = findChild<QWidget *>(name);
            if (control->x() < left)
                control->move(left, control->y());
            // A caption, unit or button as wide as its words; a box keeps its width.
            if (qobject_cast<QLabel *>(control) || qobject_cast<QPushButton *>(control))
                control->resize(qMax(control->width(), control->sizeHint().width()), control->height());
            left = control->x() + control->width() + kGap;
        }
        dates = qMax(dates, left);
    }
    const int needed = std::max({calibration->x() + calibration->width(), page->x() + page->width(), dates}) + kGap;
    if (needed > width()) {
        const int grow = needed - width();
        setFixedSize(needed, height());
        for (const char *frame : {"Frame1", "Frame4", "Frame6", "Frame7", "Frame8"}) {
            auto *group = findChild<QWidget *>(QString::fromLatin1(frame));
            group->resize(group->width() + grow, group->height());
        }
    }
}

void frmOptions::showCalibrationInUse(QLineEdit *box, QLabel *inUse)
{
    // Text that is not a plain number is stored as typed but placed by its leading number; say which.
    const QString text = box->text();
    if (isPlainNumber(text)) {
        inUse->clear();
        inUse->setToolTip(QString());
        return;
    }
    const QString centimetres = plainNumber(calibrationCentimetres(text));
    inUse->setText(tr("= %1 cm").arg(centimetres));
    inUse->setToolTip(tr("\"%1\" is not a plain number: the cheque is moved by %2 cm.").arg(text, centimetres));
}

void frmOptions::LoadOptions()
{
    QStringList unreadable;
    OptionSettings settings;
    try {
        m_read.clear();
        settings = loadOptionSettings(*m_services.store, unreadable, &m_read);
    } catch (const Failure &failure) {
        // Defaults shown over settings that could not be read would be stored over them by OK.
        for (QWidget *control : findChildren<QWidget *>())
            control->setEnabled(control->objectName() == QLatin1String("cmdExit")
                                || control->objectName() == QLatin1String("Frame4"));
        m_services.prompter.message(kProgramTitle,
                                    tr("The settings could not be read, so nothing can be changed now: %1 "
                                       "Close this window and open it again later.")
                                        .arg(failure.description()),
                                    Prompter::Icon::Warning);
        return;
    }
    m_orientation[settings.portrait ? 0 : 1]->setChecked(true);
    m_position.at(static_cast<size_t>(settings.position))->setChecked(true);
    m_companyName->setText(settings.companyName);
    m_officeRead = {settings.calibrationLeft, settings.calibrationTop};
    m_typed.clear();
    m_typedForShown = false;
    m_shownPrinter.clear();
    m_left->setText(settings.calibrationLeft);
    m_top->setText(settings.calibrationTop);
    m_stamp->setChecked(settings.stamp);
    m_dateOrder->setCurrentIndex(m_dateOrder->findData(dateOrderCode(settings.dateOrder)));
    m_staleMonths->setText(QString::number(settings.staleMonths));
    m_windowMonths->setText(QString::number(settings.windowMonths));
    m_backupFolder->setText(QDir::toNativeSeparators(settings.backup.folder));
    m_backupDays->setText(QString::number(settings.backup.keepDays));
    showBackupNote();
    loadPrinters();
    if (!unreadable.isEmpty()) {
        m_services.prompter.message(kProgramTitle,
                                    tr("These settings could not be read and show their defaults: %1. "
                                       "Press OK to store what the window shows.")
                                        .arg(unreadable.join(QStringLiteral("; "))),
                                    Prompter::Icon::Warning);
        focusUnreadable(unreadable.first());
    }
}

void frmOptions::focusUnreadable(const QString &said)
{
    // The cursor goes to the first setting the message names, in the control that shows it.
    const QList<std::pair<QString, QWidget *>> controls = {
        {Parameter::Orientation, m_orientation[0]->isChecked() ? m_orientation[0] : m_orientation[1]},
        {Parameter::ChequePosition, m_positions->checkedButton()},
        {Parameter::CompanyName, m_companyName},
        {Parameter::CalibrationLeft, m_left},
        {Parameter::CalibrationTop, m_top},
        {Parameter::Stamp, m_stamp},
        {Parameter::OrderOfDates, m_dateOrder},
        {Parameter::StaleMonths, m_staleMonths},
        {Parameter::DateWindowMonths, m_windowMonths},
        {Parameter::BackupDays, m_backupDays},
    };
    for (const auto &[key, control] : controls) {
        if (said.startsWith(u'"' + key + u'"')) {
            focusField(control);
            return;
        }
    }
}

void frmOptions::save()
{
    OptionSettings settings;
    settings.portrait = m_orientation[0]->isChecked();
    settings.position = qMax(0, m_positions->checkedId());
    settings.companyName = m_companyName->text();
    keepTyped();
    const Offsets office = m_typed.value(QString(), m_officeRead);
    settings.calibrationLeft = office.first;
    settings.calibrationTop = office.second;
    settings.stamp = m_stamp->isChecked();
    if (!readDateSettings(settings) || !readBackupSettings(settings))
        return;
    try {
        saveOptionSettings(*m_services.store, settings, m_read, changedPrinters());
    } catch (const Failure &failure) {
        if (failure.number() == ErrorNumber::StaleRecord) {
            // Another workstation changed them meanwhile: shown as they are now, and nothing written.
            m_services.prompter.message(kProgramTitle,
                                        tr("The settings were changed elsewhere since this window "
                                           "opened, so nothing was saved. The window now shows them as "
                                           "they are; make your changes again if they are still "
                                           "needed."),
                                        Prompter::Icon::Warning);
            LoadOptions();
            m_shown = controlValues(*this);
            return;
        }
        m_services.prompter.message(kProgramTitle, tr("The settings were not saved: %1").arg(failure.description()),
                                    Prompter::Icon::Warning);
        return;
    }
    close();
}

void frmOptions::buildPrinterStrip()
{
    auto *strip = addControl<QGroupBox>(this, "Frame6", QRect(0, 3420, 4110, kPrinterStripTwips), tr("Printers"));
    auto *printerLabel = addControl<QLabel>(strip, "lblPrinter", QRect(120, 270, 1300, 255), tr("Calibration &for"));
    m_printer = addControl<QComboBox>(strip, "cmbPrinter", QRect(1440, 240, 2550, 315));
    printerLabel->setBuddy(m_printer);
    m_printerNote = addControl<QLabel>(strip, "lblPrinterNote", QRect(120, 600, 3870, 480));
    m_printerNote->setWordWrap(true);
    auto *sheetLabel
        = addControl<QLabel>(strip, "lblSheetAccount", QRect(120, 1170, 1300, 255), tr("Sheet for &account"));
    m_sheetAccount = addControl<QComboBox>(strip, "cmbSheetAccount", QRect(1440, 1140, 1200, 315));
    sheetLabel->setBuddy(m_sheetAccount);
    auto *print = addControl<QPushButton>(strip, "cmdSheetPrint", QRect(1440, 1530, 1200, 345), tr("Print &Sheet"));
    auto *pdf = addControl<QPushButton>(strip, "cmdSheetPdf", QRect(2700, 1530, 1290, 345), tr("Sheet as P&DF..."));
    const QString why = tr("The calibration sheet shows where the default printer puts the leaf and "
                           "each field, with rulers to measure a real leaf against. It uses the "
                           "saved settings.");
    print->setToolTip(why);
    pdf->setToolTip(why);
    connect(m_printer, &QComboBox::currentIndexChanged, this, &frmOptions::showPrinter);
    connect(print, &QPushButton::clicked, this, &frmOptions::printSheet);
    connect(pdf, &QPushButton::clicked, this, &frmOptions::saveSheetAsPdf);
    QWidget::setTabOrder(m_stamp, m_printer);
    QWidget::setTabOrder(m_printer, m_sheetAccount);
    QWidget::setTabOrder(m_sheetAccount, print);
    QWidget::setTabOrder(print, pdf);
    QWidget::setTabOrder(pdf, findChild<QWidget *>(QStringLiteral("cmdSave")));
}

void frmOptions::buildDatesStrip()
{
    auto *strip = addControl<QGroupBox>(this, "Frame7", QRect(0, 3420 + kPrinterStripTwips, 4110, kDatesStripTwips),
                                        tr("Dates"));
    auto *orderLabel = addControl<QLabel>(strip, "lblDateOrder", QRect(120, 330, 1300, 255), tr("Dates &written"));
    m_dateOrder = addControl<QComboBox>(strip, "cmbDateOrder", QRect(1440, 300, 2550, 315));
    orderLabel->setBuddy(m_dateOrder);
    for (const auto &[order, caption] : kDateOrders)
        m_dateOrder->addItem(tr(caption), dateOrderCode(order));
    m_dateOrder->setToolTip(tr("How the office writes a date in numbers alone, in the entry window and "
                               "in batch files. A month written by its name, such as 25-Dec-2026, is "
                               "read in any order; a date in numbers in another order is refused."));
    // Each number reads as part of its sentence: caption, box, unit.
    auto *staleLabel
        = addControl<QLabel>(strip, "lblStaleMonths", QRect(120, 720, 2520, 255), tr("Ask about c&heques older than"));
    m_staleMonths = addControl<QLineEdit>(strip, "txtStaleMonths", QRect(2670, 690, 450, 285));
    addControl<QLabel>(strip, "lblStaleUnit", QRect(3180, 720, 810, 255), tr("months"));
    staleLabel->setBuddy(m_staleMonths);
    m_staleMonths->setToolTip(tr("A cheque dated longer ago than this may be refused by the bank as "
                                 "stale (in India after 3 months): printing asks first, as it does for "
                                 "a post-dated cheque."));
    auto *windowLabel
        = addControl<QLabel>(strip, "lblDateWindow", QRect(120, 1080, 2520, 255), tr("Ref&use dates more than"));
    m_windowMonths = addControl<QLineEdit>(strip, "txtDateWindow", QRect(2670, 1050, 450, 285));
    addControl<QLabel>(strip, "lblWindowUnit", QRect(3180, 1080, 810, 255), tr("months away"));
    windowLabel->setBuddy(m_windowMonths);
    m_windowMonths->setToolTip(tr("A date further back or ahead of today than this is taken for a "
                                  "typing mistake and refused."));
    for (QLineEdit *box : {m_staleMonths, m_windowMonths})
        box->setAlignment(Qt::AlignRight);

    QWidget *last = findChild<QWidget *>(QStringLiteral("cmdSheetPdf"));
    for (QWidget *next : std::initializer_list<QWidget *> {m_dateOrder, m_staleMonths, m_windowMonths}) {
        QWidget::setTabOrder(last, next);
        last = next;
    }
}

void frmOptions::buildBackupStrip()
{
    auto *strip
        = addControl<QGroupBox>(this, "Frame8", QRect(0, kBackupStripTop, 4110, kBackupStripTwips), tr("Daily backup"));
    auto *folderLabel
        = addControl<QLabel>(strip, "lblBackupFolder", QRect(120, 330, 1300, 255), tr("Back up each day &into"));
    m_backupFolder = addControl<QLineEdit>(strip, "txtBackupFolder", QRect(1440, 300, 1650, 285));
    folderLabel->setBuddy(m_backupFolder);
    m_backupFolder->setToolTip(tr("The folder a copy of the register is written into once a day, by the first "
                                  "Quillset started that day. Leave it empty for no daily backup."));
    auto *browse = addControl<QPushButton>(strip, "cmdBackupFolder", QRect(3150, 285, 840, 315), tr("&Browse..."));
    auto *daysLabel
        = addControl<QLabel>(strip, "lblBackupDays", QRect(120, 720, 2520, 255), tr("&Keep each backup for"));
    m_backupDays = addControl<QLineEdit>(strip, "txtBackupDays", QRect(2670, 690, 450, 285));
    m_backupDays->setAlignment(Qt::AlignRight);
    addControl<QLabel>(strip, "lblBackupDaysUnit", QRect(3180, 720, 810, 255), tr("days"));
    daysLabel->setBuddy(m_backupDays);
    m_backupNote = addControl<QLabel>(strip, "lblBackupNote", QRect(120, 1050, 3870, 480));
    m_backupNote->setWordWrap(true);
    connect(browse, &QPushButton::clicked, this, &frmOptions::chooseBackupFolder);
    connect(m_backupFolder, &QLineEdit::textChanged, this, &frmOptions::showBackupNote);

    QWidget *last = m_windowMonths;
    for (QWidget *next : std::initializer_list<QWidget *> {m_backupFolder, browse, m_backupDays}) {
        QWidget::setTabOrder(last, next);
        last = next;
    }
    // A server's register is copied by the server's own tools, which the guide shows.
    if (m_services.store && m_services.store->isShared()) {
        for (QWidget *control : strip->findChildren<QWidget *>())
            control->setEnabled(control == m_backupNote);
    }
}

void frmOptions::chooseBackupFolder()
{
    if (!m_services.chooseFolder)
        return;
    const QString folder = m_services.chooseFolder(tr("Folder for the daily backup"), m_backupFolder->text());
    if (folder.isEmpty())
        return;
    m_backupFolder->setText(QDir::toNativeSeparators(folder));
    m_backupFolder->setFocus();
}

void frmOptions::showBackupNote()
{
    if (m_services.store && m_services.store->isShared()) {
        m_backupNote->setText(tr("A register on a server is backed up with the server's own tools (pg_dump); "
                                 "see the guide."));
        return;
    }
    const QString folder = QDir::fromNativeSeparators(m_backupFolder->text().trimmed());
    if (folder.isEmpty()) {
        m_backupNote->setText(tr("No daily backup: choose a folder, preferably on another disk, to keep one."));
        return;
    }
    const QString registerFile = m_services.store ? m_services.store->databaseFile() : QString();
    const QString latest = latestDailyBackup(folder, registerFile);
    const QString named = QFileInfo(dailyBackupFile(folder, registerFile, m_services.today())).fileName();
    m_backupNote->setText(
        latest.isEmpty()
            ? tr("Each day's copy is named like %1. None is in this folder yet.").arg(named)
            : tr("Each day's copy is named like %1. The latest is %2.").arg(named, QFileInfo(latest).fileName()));
}

bool frmOptions::refuseIn(QLineEdit *box, const QString &text)
{
    m_services.prompter.message(kProgramTitle, text, Prompter::Icon::Warning);
    focusField(box);
    return false;
}

bool frmOptions::readBackupSettings(OptionSettings &settings)
{
    const QString folder = QDir::fromNativeSeparators(m_backupFolder->text().trimmed());
    if (const QString problem = backupFolderProblem(folder); !problem.isEmpty())
        return refuseIn(m_backupFolder, problem);
    const std::optional<int> days = backupDaysFromText(m_backupDays->text());
    if (!days)
        return refuseIn(m_backupDays,
                        tr("\"%1\" cannot be the days each backup is kept: give a whole number of "
                           "days from 1 to %2, such as 14.")
                            .arg(m_backupDays->text())
                            .arg(kLongestBackupDays));
    settings.backup.folder = folder;
    settings.backup.keepDays = *days;
    return true;
}

bool frmOptions::readDateSettings(OptionSettings &settings)
{
    settings.dateOrder = dateOrderFromCode(m_dateOrder->currentData().toString()).value_or(DateOrder::DayFirst);
    const std::optional<int> stale = monthsFromText(m_staleMonths->text(), kLongestStaleMonths);
    if (!stale)
        return refuseIn(m_staleMonths,
                        tr("\"%1\" cannot be the months after which a cheque is asked "
                           "about: give a whole number of months from 1 to %2, such as 3.")
                            .arg(m_staleMonths->text())
                            .arg(kLongestStaleMonths));
    const std::optional<int> window = monthsFromText(m_windowMonths->text(), kLongestWindowMonths);
    if (!window)
        return refuseIn(m_windowMonths,
                        tr("\"%1\" cannot be the months beyond which a date is refused: "
                           "give a whole number of months from 1 to %2, such as 12.")
                            .arg(m_windowMonths->text())
                            .arg(kLongestWindowMonths));
    if (*window < *stale)
        return refuseIn(m_windowMonths,
                        tr("Dates more than %1 months away are refused, so a cheque older than %2 months "
                           "could never be asked about: refuse only dates more than %2 months away, or ask "
                           "about cheques sooner.")
                            .arg(*window)
                            .arg(*stale));
    settings.staleMonths = *stale;
    settings.windowMonths = *window;
    return true;
}

void frmOptions::loadPrinters()
{
    m_ownRead.clear();
    for (const PrinterCalibration &own : m_services.store->calibrations().all())
        m_ownRead.insert(own.queue, {own.left, own.top});
    QStringList printers;
    if (m_services.printQueue) {
        const std::shared_ptr<PrintQueue> queue = m_services.printQueue();
        queue->setCallTimeout(3000);
        printers = queue->queues();
    }
    // Printers that were calibrated here once stay listed, so their offsets can be seen and changed.
    for (auto it = m_ownRead.cbegin(); it != m_ownRead.cend(); ++it) {
        if (!printers.contains(it.key()))
            printers.append(it.key());
    }
    const QSignalBlocker quiet(m_printer);
    m_printer->clear();
    for (int i = 0; i < printers.size(); ++i)
        m_printer->addItem(i == 0 && m_services.printQueue ? tr("%1 (default printer)").arg(printers[i]) : printers[i],
                           printers[i]);
    m_printer->addItem(tr("Every printer without its own"), QString());
    m_printer->setCurrentIndex(0);
    showPrinter();

    const QSignalBlocker quietAccounts(m_sheetAccount);
    m_sheetAccount->clear();
    m_sheetAccount->addItems(m_services.store->accounts().codes());
}

void frmOptions::keepTyped()
{
    if (m_typedForShown)
        m_typed.insert(m_shownPrinter, {m_left->text(), m_top->text()});
    m_typedForShown = false;
}

void frmOptions::showPrinter()
{
    keepTyped();
    m_shownPrinter = m_printer->currentData().toString();
    // A printer without its own shows the office's offsets, as they now stand.
    Offsets shown = m_typed.value(QString(), m_officeRead);
    if (m_typed.contains(m_shownPrinter))
        shown = m_typed.value(m_shownPrinter);
    else if (m_ownRead.contains(m_shownPrinter))
        shown = m_ownRead.value(m_shownPrinter);
    m_left->setText(shown.first);
    m_top->setText(shown.second);
    if (m_shownPrinter.isEmpty())
        m_printerNote->setText(tr("The office's calibration, for every printer without its own."));
    else if (m_ownRead.contains(m_shownPrinter))
        m_printerNote->setText(tr("This printer's own calibration."));
    else
        m_printerNote->setText(tr("No calibration of its own yet: it prints with the office's, shown "
                                  "here; change it to give this printer its own."));
}

QList<PrinterCalibration> frmOptions::changedPrinters() const
{
    // A printer gets offsets of its own only when they were typed for it and differ from what it had.
    QList<PrinterCalibration> changed;
    const Offsets office = m_typed.value(QString(), m_officeRead);
    for (auto it = m_typed.cbegin(); it != m_typed.cend(); ++it) {
        if (it.key().isEmpty())
            continue;
        const Offsets before = m_ownRead.value(it.key(), office);
        const bool own = m_ownRead.contains(it.key());
        if ((own && it.value() != before) || (!own && it.value() != office))
            changed.append({it.key(), it.value().first, it.value().second});
    }
    return changed;
}

void frmOptions::printSheet()
{
    if (m_sheetAccount->currentText().isEmpty() || !m_services.printQueue)
        return;
    const std::shared_ptr<PrintQueue> queue = m_services.printQueue();
    try {
        const CalibrationSheetJob sheet
            = calibrationSheetJob(*m_services.store, m_sheetAccount->currentText(), *queue, *m_services.metrics);
        ResponsiveWaiter waiter;
        const int job = printCalibrationSheet(sheet, *queue, waiter);
        QString text = tr("The calibration sheet of \"%1\" went to \"%2\" as job %3. %4")
                           .arg(m_sheetAccount->currentText(), sheet.printer.name)
                           .arg(job)
                           .arg(sheet.note);
        if (!sheet.outside.isEmpty())
            text += u' ' + printableAreaWarning(sheet.outside, sheet.printer.name, Audience::Window);
        m_services.prompter.message(kProgramTitle, text, Prompter::Icon::Information);
    } catch (const Failure &failure) {
        m_services.prompter.message(kProgramTitle,
                                    tr("The calibration sheet was not printed: %1").arg(failure.description()),
                                    Prompter::Icon::Warning);
    }
}

void frmOptions::saveSheetAsPdf()
{
    const QString account = m_sheetAccount->currentText();
    if (account.isEmpty() || !m_services.chooseSaveFile || !m_services.printQueue)
        return;
    const QString path = m_services.chooseSaveFile(tr("Save the calibration sheet as PDF"),
                                                   tr("Calibration %1.pdf").arg(account), tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    try {
        if (const QString problem = writeTargetProblem(path, FileKind::Pdf, m_services.store->databaseFile());
            !problem.isEmpty())
            throw Failure(ErrorNumber::FileWrite, problem);
        const std::shared_ptr<PrintQueue> queue = m_services.printQueue();
        const CalibrationSheetJob sheet = calibrationSheetJob(*m_services.store, account, *queue, *m_services.metrics);
        writeFile(path, FileKind::Pdf, renderPdf({sheet.page}, tr("Quillset calibration sheet")),
                  m_services.store->databaseFile());
        QString text = tr("The calibration sheet of \"%1\" is in %2. %3")
                           .arg(account, QDir::toNativeSeparators(path), sheet.note);
        if (!sheet.outside.isEmpty())
            text += u' ' + printableAreaWarning(sheet.outside, sheet.printer.name, Audience::Window);
        m_services.prompter.message(kProgramTitle, text, Prompter::Icon::Information);
    } catch (const Failure &failure) {
        m_services.prompter.message(kProgramTitle,
                                    tr("The calibration sheet was not saved: %1").arg(failure.description()),
                                    Prompter::Icon::Warning);
    }
}

} // namespace quillset
