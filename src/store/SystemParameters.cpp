#include "SystemParameters.h"

#include "core/base/Conversions.h"
#include "store/Connection.h"
#include "store/PrinterCalibrations.h"
#include "store/RegisterHistory.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVariant>

#include <limits>

namespace quillset {

SystemParameters::SystemParameters(const Connection &connection)
    : m_connection(connection)
{
}

std::optional<QString> SystemParameters::find(const QString &key) const
{
    QSqlQuery query = m_connection.run(QStringLiteral("SELECT Value FROM sys_parms WHERE Description = ?"), {key});
    if (!m_connection.next(query))
        return std::nullopt;
    return query.value(0).toString();
}

QHash<QString, QString> SystemParameters::findAll(const QStringList &keys) const
{
    const QString marks = QStringList(keys.size(), QStringLiteral("?")).join(u',');
    QSqlQuery query = m_connection.run(
        QStringLiteral("SELECT Description, Value FROM sys_parms WHERE Description IN (%1)").arg(marks),
        QVariantList(keys.cbegin(), keys.cend()));
    QHash<QString, QString> values;
    while (m_connection.next(query))
        values.insert(query.value(0).toString(), query.value(1).toString());
    return values;
}

QString SystemParameters::GetSystemParameter(const QString &key) const
{
    return presentIn(key, find(key));
}

QString SystemParameters::presentIn(const QString &key, const std::optional<QString> &value)
{
    if (!value)
        throw Failure(
            ErrorNumber::ParameterMissing,
            QCoreApplication::translate("SystemParameters", "The system parameter \"%1\" is missing from the database.")
                .arg(key));
    return *value;
}

void SystemParameters::SetSystemParameter(const QString &key, const QString &value) const
{
    m_connection.inTransaction([&] {
        const std::optional<QString> before = find(key);
        const QSqlQuery update
            = m_connection.run(QStringLiteral("UPDATE sys_parms SET Value = ? WHERE Description = ?"), {value, key});
        if (update.numRowsAffected() == 0)
            m_connection.run(QStringLiteral("INSERT INTO sys_parms (Description, Value) VALUES (?, ?)"), {key, value});
        noteChange(key, before, value);
    });
}

void SystemParameters::noteChange(const QString &key, const std::optional<QString> &before, const QString &value) const
{
    if (before == value)
        return;
    const auto json = [](const std::optional<QString> &text) {
        return text ? QString::fromUtf8(
                   QJsonDocument(QJsonObject {{QStringLiteral("value"), *text}}).toJson(QJsonDocument::Compact))
                    : QString();
    };
    RegisterHistory(m_connection)
        .append(QStringLiteral("setting"), key, QStringLiteral("changed"), json(before), json(value));
}

void SystemParameters::replace(const QString &key, const std::optional<QString> &read, const QString &value) const
{
    m_connection.inTransaction([&] { replaceInTransaction(key, read, value); });
}

void SystemParameters::replaceInTransaction(const QString &key, const std::optional<QString> &read,
                                            const QString &value) const
{
    const QSqlQuery write = read
        ? m_connection.run(QStringLiteral("UPDATE sys_parms SET Value = ? WHERE Description = ? AND "
                                          "coalesce(Value, '') = coalesce(?, '')"),
                           {value, key, *read})
        : m_connection.run(QStringLiteral("INSERT INTO sys_parms (Description, Value) SELECT ?, ? WHERE NOT EXISTS "
                                          "(SELECT 1 FROM sys_parms WHERE Description = ?)"),
                           {key, value, key});
    if (write.numRowsAffected() < 1)
        throw Failure(ErrorNumber::StaleRecord,
                      QCoreApplication::translate("SystemParameters",
                                                  "The setting \"%1\" was changed elsewhere since it was read.")
                          .arg(key));
    noteChange(key, read, value);
}

int SystemParameters::wholeNumberParameter(const QString &key) const
{
    return wholeNumberIn(key, GetSystemParameter(key));
}

int SystemParameters::wholeNumberIn(const QString &key, const QString &text)
{
    const std::optional<qint64> number = wholeNumber(text);
    if (!number || *number > std::numeric_limits<int>::max() || *number < std::numeric_limits<int>::min())
        throw Failure(ErrorNumber::ParameterNotNumber,
                      QCoreApplication::translate(
                          "SystemParameters", "The system parameter \"%1\" should be a whole number but holds \"%2\".")
                          .arg(key, text));
    return static_cast<int>(*number);
}

double SystemParameters::numericParameter(const QString &key) const
{
    return numericValue(GetSystemParameter(key));
}

int SystemParameters::printTimeoutSeconds() const
{
    constexpr int kDefault = 60;
    const std::optional<QString> text = find(Parameter::PrintTimeout);
    const std::optional<qint64> seconds = text ? wholeNumber(*text) : std::nullopt;
    return seconds && *seconds >= 1 && *seconds <= 3600 ? static_cast<int>(*seconds) : kDefault;
}

DateRules SystemParameters::dateRules(const QDate &today) const
{
    // A date is never read in an order the office did not choose: a setting that cannot be read
    // stops the reading of dates, rather than falling back to another order.
    const auto unusable = [](const QString &key, const QString &text, const QString &should) {
        return Failure(
            ErrorNumber::ParameterNotNumber,
            QCoreApplication::translate("SystemParameters",
                                        "The setting \"%1\" holds \"%2\", but should be %3. Set it under Options.")
                .arg(key, text, should),
            QCoreApplication::translate("SystemParameters", "The setting \"%1\" holds \"%2\", but should be %3.")
                .arg(key, text, should));
    };
    const auto months = [&](const QString &key, int fallback, int longest) {
        const std::optional<QString> text = find(key);
        if (!text)
            return fallback;
        const std::optional<int> number = monthsFromText(*text, longest);
        if (!number)
            throw unusable(
                key, *text,
                QCoreApplication::translate("SystemParameters", "a whole number of months from 1 to %1").arg(longest));
        return *number;
    };
    DateRules rules;
    rules.today = today;
    if (const std::optional<QString> text = find(Parameter::OrderOfDates)) {
        const std::optional<DateOrder> order = dateOrderFromCode(*text);
        if (!order)
            throw unusable(Parameter::OrderOfDates, *text,
                           QCoreApplication::translate("SystemParameters", "DMY, MDY or YMD"));
        rules.order = *order;
    }
    rules.staleMonths = months(Parameter::StaleMonths, kDefaultStaleMonths, kLongestStaleMonths);
    rules.windowMonths = months(Parameter::DateWindowMonths, kDefaultWindowMonths, kLongestWindowMonths);
    return rules;
}

PrintSettings SystemParameters::printSettings() const
{
    // One statement for all five: a batch reads them for every cheque it checks and prints.
    const QHash<QString, QString> values
        = findAll({Parameter::Orientation, Parameter::ChequePosition, Parameter::CompanyName,
                   Parameter::CalibrationLeft, Parameter::CalibrationTop});
    const auto value = [&values](const QString &key) -> std::optional<QString> {
        const auto found = values.constFind(key);
        return found == values.constEnd() ? std::nullopt : std::optional<QString>(*found);
    };
    PrintSettings settings;
    const int orientation
        = wholeNumberIn(Parameter::Orientation, presentIn(Parameter::Orientation, value(Parameter::Orientation)));
    if (orientation != static_cast<int>(Orientation::Portrait)
        && orientation != static_cast<int>(Orientation::Landscape))
        throw Failure(
            ErrorNumber::ParameterNotNumber,
            QCoreApplication::translate("SystemParameters",
                                        "The printer does not accept the orientation %1; the \"Orientation\" setting "
                                        "must be 1 (portrait) or 2 (landscape).")
                .arg(orientation));
    settings.orientation = static_cast<Orientation>(orientation);
    settings.position = wholeNumberIn(Parameter::ChequePosition,
                                      presentIn(Parameter::ChequePosition, value(Parameter::ChequePosition)));
    settings.companyName = presentIn(Parameter::CompanyName, value(Parameter::CompanyName));
    // A missing offset matters only to a position that uses it; composition says so then.
    const auto offset = [&](const QString &key) -> std::optional<double> {
        const std::optional<QString> text = value(key);
        return text ? std::optional<double>(numericValue(*text)) : std::nullopt;
    };
    settings.calibrationLeft = offset(Parameter::CalibrationLeft);
    settings.calibrationTop = offset(Parameter::CalibrationTop);
    return settings;
}

PrintSettings SystemParameters::printSettingsFor(const QString &queue) const
{
    PrintSettings settings = printSettings();
    if (queue.isEmpty())
        return settings;
    if (const std::optional<PrinterCalibration> own = PrinterCalibrations(m_connection).of(queue)) {
        settings.calibrationLeft = numericValue(own->left);
        settings.calibrationTop = numericValue(own->top);
        settings.calibratedFor = queue;
    }
    return settings;
}

} // namespace quillset
