#pragma once

#include "core/cheque/ChequeDate.h"
#include "core/layout/PrintSettings.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace quillset {

class Connection;

/// Keys of the system parameters: the six the options window edits, and the others.
namespace Parameter {
inline const QString Orientation = QStringLiteral("Orientation");
inline const QString ChequePosition = QStringLiteral("CequePosition");
inline const QString CompanyName = QStringLiteral("CompanyName");
inline const QString CalibrationLeft = QStringLiteral("CBLeft");
inline const QString CalibrationTop = QStringLiteral("CBTop");
inline const QString Stamp = QStringLiteral("Stamp");
/// Seconds a print may take from the job's start to its end before its outcome counts as unknown.
inline const QString PrintTimeout = QStringLiteral("PrintTimeout");
/// The office's order of dates written in numbers: "DMY", "MDY" or "YMD".
inline const QString OrderOfDates = QStringLiteral("DateOrder");
/// Months a cheque stays valid: one dated longer ago is asked about before it prints.
inline const QString StaleMonths = QStringLiteral("StaleMonths");
/// Months back or ahead of today beyond which a cheque's date is refused as a mistake.
inline const QString DateWindowMonths = QStringLiteral("DateWindowMonths");
/// The folder a copy of a file register is written into each day; absent or empty for none.
inline const QString BackupFolder = QStringLiteral("BackupFolder");
/// Days each daily backup is kept before it is removed.
inline const QString BackupDays = QStringLiteral("BackupDays");
} // namespace Parameter

/// The store's named system settings, read afresh at every use. Every call throws Failure when the
/// database fails.
class SystemParameters
{
public:
    explicit SystemParameters(const Connection &connection);

    /// The parameter's text; a null value reads as "". Throws Failure naming the key when the row is missing.
    QString GetSystemParameter(const QString &key) const;
    /// The parameter's text, or nothing when its row is missing.
    std::optional<QString> find(const QString &key) const;
    /// Writes the parameter's text exactly as given. A missing row is added, so that a setting is never lost.
    void SetSystemParameter(const QString &key, const QString &value) const;
    /// Writes the parameter only while it still holds what was read (nothing: its row was missing);
    /// throws Failure (StaleRecord) when it was changed elsewhere meanwhile, writing nothing.
    void replace(const QString &key, const std::optional<QString> &read, const QString &value) const;
    /// The parameter as a whole number (halves to even). Throws Failure naming the key when it is not a number.
    int wholeNumberParameter(const QString &key) const;
    /// The leading number of the parameter's text, 0 when it has none.
    double numericParameter(const QString &key) const;

    /// The settings that shape the printed page. Throws Failure naming the setting that cannot be used.
    PrintSettings printSettings() const;
    /// The settings for a cheque that goes to that print queue: with the printer's own calibration
    /// when it has one, the office's otherwise (and for an empty name).
    PrintSettings printSettingsFor(const QString &queue) const;
    /// How long a print may take, in seconds: the "PrintTimeout" setting, a minute when it is missing
    /// or not a number of seconds from 1 to 3600.
    int printTimeoutSeconds() const;
    /// The office's rules for cheque dates, applied on `today`. A missing setting takes its default
    /// (day first, 3 months, 12 months); one that holds what it cannot hold throws Failure naming it.
    DateRules dateRules(const QDate &today) const;

private:
    QHash<QString, QString> findAll(const QStringList &keys) const;
    static QString presentIn(const QString &key, const std::optional<QString> &value);
    static int wholeNumberIn(const QString &key, const QString &text);
    void replaceInTransaction(const QString &key, const std::optional<QString> &read, const QString &value) const;
    void noteChange(const QString &key, const std::optional<QString> &before, const QString &value) const;

    const Connection &m_connection;
};

} // namespace quillset
