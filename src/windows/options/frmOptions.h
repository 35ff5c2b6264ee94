#pragma once

#include "core/options/OptionSettings.h"

#include <QWidget>

#include <QHash>

#include <array>
#include <utility>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace quillset {

struct AppServices;

/// The system options window: orientation, place on the page, calibration (the office's, and each
/// printer's own), the stamp's company name and whether the stamp is ticked by default, the office's
/// date settings and daily backup; and the calibration sheet of an account.
class frmOptions : public QWidget
{
    Q_OBJECT

public:
    explicit frmOptions(AppServices &services, QWidget *parent = nullptr);

private:
    void buildControls();
    void fitCaptions();
    void LoadOptions();
    void save();
    void focusUnreadable(const QString &said);
    void showCalibrationInUse(QLineEdit *box, QLabel *inUse);
    void buildPrinterStrip();
    void buildDatesStrip();
    void buildBackupStrip();
    /// Reads the daily backup from its controls into `settings`; false, after saying why and putting
    /// the cursor in the box at fault, when it cannot be used.
    bool readBackupSettings(OptionSettings &settings);
    void chooseBackupFolder();
    /// Says why a box's value cannot be used and puts the cursor in it, its text selected; false.
    bool refuseIn(QLineEdit *box, const QString &text);
    void showBackupNote();
    /// Reads the date settings from their controls into `settings`; false, after saying why and
    /// putting the cursor in the box at fault, when one cannot be used.
    bool readDateSettings(OptionSettings &settings);
    void loadPrinters();
    void keepTyped();
    void showPrinter();
    QList<PrinterCalibration> changedPrinters() const;
    void printSheet();
    void saveSheetAsPdf();

    using Offsets = std::pair<QString, QString>;

    AppServices &m_services;
    std::array<QRadioButton *, 2> m_orientation {};
    std::array<QRadioButton *, 7> m_position {};
    QButtonGroup *m_positions = nullptr;
    QLineEdit *m_left = nullptr;
    QLineEdit *m_top = nullptr;
    QLabel *m_leftInUse = nullptr;
    QLabel *m_topInUse = nullptr;
    QLineEdit *m_companyName = nullptr;
    QCheckBox *m_stamp = nullptr;
    StoredSettings m_read; ///< the settings as the window read them
    QComboBox *m_printer = nullptr;
    QLabel *m_printerNote = nullptr;
    QComboBox *m_sheetAccount = nullptr;
    QComboBox *m_dateOrder = nullptr;
    QLineEdit *m_staleMonths = nullptr;
    QLineEdit *m_windowMonths = nullptr;
    QLineEdit *m_backupFolder = nullptr;
    QLineEdit *m_backupDays = nullptr;
    QLabel *m_backupNote = nullptr;
    QString m_shownPrinter; ///< whose offsets the boxes show; empty for the office's
    Offsets m_officeRead; ///< the office's offsets as read
    QHash<QString, Offsets> m_ownRead; ///< the printers' own offsets as read
    QHash<QString, Offsets> m_typed; ///< the offsets the operator typed, by printer (empty: the office's)
    bool m_typedForShown = false; ///< the operator typed in the boxes since they were filled
    QStringList m_shown; ///< what the controls held when the settings were shown
};

} // namespace quillset
