#include "OptionSettings.h"

#include "core/Conversions.h"
#include "core/Failure.h"
#include "store/Connection.h"
#include "store/Store.h"

#include <functional>

namespace quillset {

namespace {

// Reads one setting. One that is absent or holds what it cannot hold leaves the default in place
// and is listed; a read that fails is not a missing setting, and goes to the caller.
void readInto(const SystemParameters &parameters, const QString &key, QStringList &unreadable,
              const std::function<bool(const QString &)> &accept)
{
    const std::optional<QString> text = parameters.find(key);
    if (!text)
        unreadable.append(QStringLiteral("\"%1\" is missing").arg(key));
    else if (!accept(*text))
        unreadable.append(QStringLiteral("\"%1\" holds \"%2\"").arg(key, *text));
}

} // namespace

OptionSettings loadOptionSettings(const Store &store, QStringList &unreadable)
{
    OptionSettings settings;
    const SystemParameters &parameters = store.parameters();
    readInto(parameters, Parameter::Orientation, unreadable, [&](const QString &text) {
        const std::optional<qint64> number = wholeNumber(text);
        settings.portrait = !number || *number == 1;
        return number.has_value();
    });
    readInto(parameters, Parameter::ChequePosition, unreadable, [&](const QString &text) {
        const std::optional<qint64> number = wholeNumber(text);
        const bool onThePage = number && *number >= 0 && *number <= 6;
        settings.position = onThePage ? static_cast<int>(*number) : 0;
        return onThePage;
    });
    readInto(parameters, Parameter::CompanyName, unreadable, [&](const QString &text) {
        settings.companyName = text;
        return true;
    });
    readInto(parameters, Parameter::CalibrationLeft, unreadable, [&](const QString &text) {
        settings.calibrationLeft = text;
        return true;
    });
    readInto(parameters, Parameter::CalibrationTop, unreadable, [&](const QString &text) {
        settings.calibrationTop = text;
        return true;
    });
    readInto(parameters, Parameter::Stamp, unreadable, [&](const QString &text) {
        const std::optional<qint64> number = wholeNumber(text);
        const bool valid = number && (*number == 0 || *number == 1);
        settings.stamp = valid && *number == 1;
        return valid;
    });
    return settings;
}

void saveOptionSettings(const Store &store, const OptionSettings &settings)
{
    const SystemParameters &parameters = store.parameters();
    store.SharedConnection().inTransaction([&] {
        parameters.SetSystemParameter(Parameter::Orientation,
                                      settings.portrait ? QStringLiteral("1") : QStringLiteral("2"));
        parameters.SetSystemParameter(Parameter::ChequePosition, QString::number(settings.position));
        parameters.SetSystemParameter(Parameter::CompanyName, settings.companyName);
        parameters.SetSystemParameter(Parameter::CalibrationLeft, settings.calibrationLeft);
        parameters.SetSystemParameter(Parameter::CalibrationTop, settings.calibrationTop);
        parameters.SetSystemParameter(Parameter::Stamp, settings.stamp ? QStringLiteral("1") : QStringLiteral("0"));
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
