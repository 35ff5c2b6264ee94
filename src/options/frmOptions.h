#pragma once

#include "OptionSettings.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace quillset {

struct AppServices;

/// The system options window: orientation, place on the page, calibration, the stamp's company
/// name and whether the stamp is ticked by default.
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
    void showCalibrationInUse(QLineEdit *box, QLabel *inUse);

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
};

} // namespace quillset
