#include "OptionSettings.h"

#include "core/base/Conversions.h"
#include "core/base/Failure.h"
#include "store/Connection.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <functional>

namespace quillset {

namespace {

// Settings added after the first release read as their default, without a word, until first stored.
const QHash<QString, QString> &laterDefaults()
{
    static const QHash<QString, QString> defaults = {
        {Parameter::BackupFolder, QString()},
        {Parameter::BackupDays, QString::number(kDefaultBackupDays)},
    };
    return defaults;
}

// Reads one setting. One that is absent or holds what it cannot hold leaves the default in place
// and is listed; a read that fails is not a missing setting, and goes to the caller.
void readInto(const SystemParameters &parameters, const QString &key, QStringList &unreadable, StoredSettings *read,
              const std::function<bool(const QString &)> &accept)
{
    const std::optional<QString> text = parameters.find(key);
    if (read)
        read->append({key, text});
    if (!text && laterDefaults().contains(key))
        accept(laterDefaults().value(key));
    else if (!text)
        unreadable.append(QCoreApplication::translate("OptionSettings", "\"%1\" is missing").arg(key));
    else if (!accept(*text))
        unreadable.append(QCoreApplication::translate("OptionSettings", "\"%1\" holds \"%2\"").arg(key, *text));
}

} // namespace

OptionSettings loadOptionSettings(const Store &store, QStringList &unreadable, StoredSettings *read)
{
    // A window that loads again after a change elsewhere reuses its lists: they hold this read only.
    unreadable.clear();
    if (read)
        read->clear();
    OptionSettings settings;
    const SystemParameters &parameters = store.parameters();
    readInto(parameters, Parameter::Orientation, unreadable, read, [&](const QString &text) {
        const std::optional<qint64> number = wholeNumber(text);
        settings.portrait = !number || *number == 1;
        return number.has_value();
    });
    readInto(parameters, Parameter::ChequePosition, unreadable, read, [&](const QString &text) {
        const std::optional<qint64> number = wholeNumber(text);
        const bool onThePage = number && *number >= 0 && *number <= 6;
        settings.position = onThePage ? static_cast<int>(*number) : 0;
        return onThePage;
    });
    readInto(parameters, Parameter::CompanyName, unreadable, read, [&](const QString &text) {
        settings.companyName = text;
        return true;
    });
    readInto(parameters, Parameter::CalibrationLeft, unreadable, read, [&](const QString &text) {
        settings.calibrationLeft = text;
        return true;
    });
    readInto(parameters, Parameter::CalibrationTop, unreadable, read, [&](const QString &text) {
        settings.calibrationTop = text;
        return true;
    });
    readInto(parameters, Parameter::Stamp, unreadable, read, [&](const QString &text) {
        const std::optional<qint64> number = wholeNumber(text);
        const bool valid = number && (*number == 0 || *number == 1);
        settings.stamp = valid && *number == 1;
        return valid;
    });
    readInto(parameters, Parameter::OrderOfDates, unreadable, read, [&](const QString &text) {
        const std::optional<DateOrder> order = dateOrderFromCode(text);
        settings.dateOrder = order.value_or(DateOrder::DayFirst);
        return order.has_value();
    });
    const auto months = [&](int &setting, int longest) {
        return [&setting, longest](const QString &text) {
            const std::optional<int> number = monthsFromText(text, longest);
            if (number)
                setting = *number;
            return number.has_value();
        };
    };
    readInto(parameters, Parameter::StaleMonths, unreadable, read, months(settings.staleMonths, kLongestStaleMonths));
    readInto(parameters, Parameter::DateWindowMonths, unreadable, read,
             months(settings.windowMonths, kLongestWindowMonths));
    readInto(parameters, Parameter::BackupFolder, unreadable, read, [&](const QString &text) {
        settings.backup.folder = text.trimmed();
        return true;
    });
    readInto(parameters, Parameter::BackupDays, unreadable, read, [&](const QString &text) {
        const std::optional<int> days = backupDaysFromText(text);
        settings.backup.keepDays = days.value_or(kDefaultBackupDays);
        return days.has_value();
    });
    return settings;
}

void saveOptionSettings(const Store &store, const OptionSettings &settings, const StoredSettings &read,
                        const QList<PrinterCalibration> &printers)
{
    const SystemParameters &parameters = store.parameters();
    const QList<std::pair<QString, QString>> written = {
        {Parameter::Orientation, settings.portrait ? QStringLiteral("1") : QStringLiteral("2")},
        {Parameter::ChequePosition, QString::number(settings.position)},
        {Parameter::CompanyName, settings.companyName},
        {Parameter::CalibrationLeft, settings.calibrationLeft},
        {Parameter::CalibrationTop, settings.calibrationTop},
        {Parameter::Stamp, settings.stamp ? QStringLiteral("1") : QStringLiteral("0")},
        {Parameter::OrderOfDates, dateOrderCode(settings.dateOrder)},
        {Parameter::StaleMonths, QString::number(settings.staleMonths)},
        {Parameter::DateWindowMonths, QString::number(settings.windowMonths)},
        {Parameter::BackupFolder, settings.backup.folder.trimmed()},
        {Parameter::BackupDays, QString::number(settings.backup.keepDays)},
    };
    store.SharedConnection().inTransaction([&] {
        for (const auto &[key, value] : written) {
            const auto wasRead
                = std::find_if(read.begin(), read.end(), [&](const auto &stored) { return stored.first == key; });
            const std::optional<QString> before = wasRead == read.end() ? std::nullopt : wasRead->second;
            // A setting left as it was read is not written: a change made elsewhere to it meanwhile stays.
            if (before && *before == value)
                continue;
            if (!before && laterDefaults().contains(key) && laterDefaults().value(key) == value)
                continue;
            parameters.replace(key, before, value);
        }
        for (const PrinterCalibration &printer : printers)
            store.calibrations().set(printer);
    });
}

double calibrationCentimetres(const QString &text)
{
    return numericValue(text);
}

bool isPlainNumber(const QString &text)
{
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

} // namespace quillset
