#include "LayoutFile.h"

#include "core/base/Failure.h"
#include "core/base/Files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace quillset {

namespace {

Failure notALayout(const QString &why)
{
    return Failure(ErrorNumber::EntryInvalid, QStringLiteral("The file is not a Quillset leaf layout: %1").arg(why));
}

QJsonValue number(const std::optional<double> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

std::optional<double> numberFrom(const QJsonObject &object, const QString &key, bool positive)
{
    const QJsonValue value = object.value(key);
    if (value.isNull() || value.isUndefined())
        return std::nullopt;
    if (!value.isDouble() || !std::isfinite(value.toDouble()) || (positive && value.toDouble() <= 0))
        throw notALayout(QStringLiteral("\"%1\" holds %2, which is not %3 number of centimetres.")
                             .arg(key,
                                  QString::fromUtf8(QJsonDocument(QJsonArray {value}).toJson(QJsonDocument::Compact)),
                                  positive ? QStringLiteral("a positive") : QStringLiteral("a")));
    return value.toDouble();
}

} // namespace

QByteArray layoutDocument(const BankAccountRecord &account)
{
    QJsonObject measurements;
    for (int i = 0; i < kMeasurementCount; ++i) {
        const auto measurement = static_cast<Measurement>(i);
        measurements.insert(measurementColumn(measurement), number(account.value(measurement)));
    }
    const QJsonObject crossing {{QStringLiteral("left"), number(account.crossing.left)},
                                {QStringLiteral("top"), number(account.crossing.top)},
                                {QStringLiteral("width"), number(account.crossing.width)},
                                {QStringLiteral("height"), number(account.crossing.height)}};
    const QJsonObject money {{QStringLiteral("style"), amountStyleWord(account.money.style)},
                             {QStringLiteral("currency"), account.money.currencyName},
                             {QStringLiteral("subunit"), account.money.subunitName},
                             {QStringLiteral("decimals"), account.money.subunitDigits}};
    const QJsonObject document {
        {QStringLiteral("format"), kLeafLayoutFormat}, {QStringLiteral("version"), kLayoutVersion},
        {QStringLiteral("centimetres"), measurements}, {QStringLiteral("rupee3Active"), account.rupee3Active},
        {QStringLiteral("crossing"), crossing},        {QStringLiteral("money"), money}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

BankAccountRecord withLayout(const BankAccountRecord &account, const QByteArray &document)
{
    QJsonParseError error {};
    const QJsonDocument parsed = QJsonDocument::fromJson(document, &error);
    if (error.error != QJsonParseError::NoError || !parsed.isObject())
        throw notALayout(QStringLiteral("it is not JSON (%1).").arg(error.errorString()));
    const QJsonObject root = parsed.object();
    if (root.value(QStringLiteral("format")).toString() != kLeafLayoutFormat)
        throw notALayout(QStringLiteral("it does not say it is one."));
    const int version = root.value(QStringLiteral("version")).toInt(0);
    if (version > kLayoutVersion)
        throw Failure(ErrorNumber::EntryInvalid,
                      QStringLiteral("The layout was written by a newer Quillset (layout version %1; this one reads "
                                     "version %2 and older). Import it with the newer program.")
                          .arg(version)
                          .arg(kLayoutVersion));
    if (version < 1)
        throw notALayout(QStringLiteral("it has no version."));
    BankAccountRecord result = account;
    const QJsonObject measurements = root.value(QStringLiteral("centimetres")).toObject();
    for (int i = 0; i < kMeasurementCount; ++i) {
        const auto measurement = static_cast<Measurement>(i);
        result.setValue(measurement,
                        numberFrom(measurements, measurementColumn(measurement),
                                   measurement == Measurement::Width || measurement == Measurement::Height));
    }
    result.rupee3Active = root.value(QStringLiteral("rupee3Active")).toBool();
    const QJsonObject crossing = root.value(QStringLiteral("crossing")).toObject();
    result.crossing
        = {numberFrom(crossing, QStringLiteral("left"), false), numberFrom(crossing, QStringLiteral("top"), false),
           numberFrom(crossing, QStringLiteral("width"), true), numberFrom(crossing, QStringLiteral("height"), true)};
    const QJsonObject money = root.value(QStringLiteral("money")).toObject();
    const std::optional<AmountStyle> style
        = amountStyleFromWord(money.value(QStringLiteral("style")).toString(QStringLiteral("International")));
    const int decimals = money.value(QStringLiteral("decimals")).toInt(0);
    if (!style || (decimals != 0 && decimals != 2 && decimals != 3))
        throw notALayout(
            QStringLiteral("its money style is neither International nor Indian with 0, 2 or 3 decimals."));
    result.money = {*style, money.value(QStringLiteral("currency")).toString().trimmed(),
                    money.value(QStringLiteral("subunit")).toString().trimmed(), decimals};
    return result;
}

} // namespace quillset
