#pragma once

#include "core/cheque/ChequeDate.h"
#include "core/options/DailyBackup.h"
#include "store/PrinterCalibrations.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace quillset {

class Store;

/// The settings' texts as they were read, a missing row as nothing: what saving checks is still stored.
using StoredSettings = QList<std::pair<QString, std::optional<QString>>>;

/// The system settings as the options window edits them: the six of the page and the stamp, the
/// office's date settings and its daily backup.
struct OptionSettings
{
    bool portrait = true;
    int position = 0; ///< 0 "Top Left" ... 6 "Center Botom"
    QString companyName;
    QString calibrationLeft = QStringLiteral("0");
    QString calibrationTop = QStringLiteral("0");
    bool stamp = false;
    DateOrder dateOrder = DateOrder::DayFirst;
    int staleMonths = kDefaultStaleMonths;
    int windowMonths = kDefaultWindowMonths;
    DailyBackupSettings backup;
};

/// The stored settings. One whose row is absent, or holds what it cannot hold, takes its default
/// (portrait, "Top Left", no calibration, stamp off, day first, 3 and 12 months) and is listed in
/// `unreadable`, with what it holds. The daily backup is off while its settings were never stored. Throws Failure when
/// the settings cannot be read at all (the database busy or damaged).
OptionSettings loadOptionSettings(const Store &store, QStringList &unreadable, StoredSettings *read = nullptr);

/// Writes the settings that differ from what was `read` (a missing or unreadable one always), and the
/// printers' own calibrations given, in one transaction: all of them, or none when the database
/// refuses or when one of those settings was changed elsewhere since `read` (Failure StaleRecord).
void saveOptionSettings(const Store &store, const OptionSettings &settings, const StoredSettings &read,
                        const QList<PrinterCalibration> &printers = {});

/// What the page placement makes of a calibration text, in centimetres: its leading number.
double calibrationCentimetres(const QString &text);

/// True when the text is a plain number, so the placement uses exactly what was typed.
bool isPlainNumber(const QString &text);

} // namespace quillset
