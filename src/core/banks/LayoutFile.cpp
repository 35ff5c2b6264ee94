#include "LayoutFile.h"

#include "core/banks/LeafLimits.h"
#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "core/positivepay/PositivePayLayout.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace quillset {

namespace {

Failure notALayout(const QString &why)
{
    return Failure(ErrorNumber::EntryInvalid,
                   QCoreApplication::translate("LayoutFile", "The file is not a Quillset leaf layout: %1").arg(why));
}

Failure fieldRefused(const QString &field, const QString &why)
{
    return Failure(ErrorNumber::EntryInvalid,
                   QCoreApplication::translate("LayoutFile", "The layout file was not taken: its field \"%1\" %2.")
                       .arg(field, why));
}

QJsonValue number(const std::optional<double> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

// What a value is, without repeating it: a refused text may be megabytes long.
QString described(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Double:
        return QString::number(value.toDouble());
    case QJsonValue::String:
        return QCoreApplication::translate("LayoutFile", "a text of %1 characters").arg(value.toString().size());
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Array:
        return QCoreApplication::translate("LayoutFile", "a list");
    case QJsonValue::Object:
        return QCoreApplication::translate("LayoutFile", "a block of fields");
    default:
        return QCoreApplication::translate("LayoutFile", "nothing");
    }
}

// One block of the document, each of whose fields must be there, and nothing else.
class Block
{
public:
    Block(const QJsonObject &object, const QString &path, const QStringList &fields)
        : m_path(path)
        , m_object(object)
    {
        for (auto it = m_object.constBegin(); it != m_object.constEnd(); ++it) {
            if (!fields.contains(it.key()))
                throw fieldRefused(name(it.key()),
                                   QCoreApplication::translate("LayoutFile", "is not a field of a leaf layout"));
        }
        for (const QString &field : fields) {
            if (!m_object.contains(field))
                throw fieldRefused(name(field), QCoreApplication::translate("LayoutFile", "is missing"));
        }
    }

    /// The block under the key of the parent block.
    static Block inside(const QJsonObject &parent, const QString &key, const QStringList &fields)
    {
        const QJsonValue value = parent.value(key);
        if (value.isUndefined())
            throw fieldRefused(key, QCoreApplication::translate("LayoutFile", "is missing"));
        if (!value.isObject())
            throw fieldRefused(key,
                               QCoreApplication::translate("LayoutFile", "holds %1, which is not a block of fields")
                                   .arg(described(value)));
        return Block(value.toObject(), key, fields);
    }

    QString name(const QString &field) const { return m_path.isEmpty() ? field : m_path + u'.' + field; }

    /// A measurement in centimetres within the bank window's limits; null leaves it unset.
    std::optional<double> centimetres(const QString &field, MeasureKind kind) const
    {
        const QJsonValue value = m_object.value(field);
        if (value.isNull())
            return std::nullopt;
        if (!value.isDouble() || !std::isfinite(value.toDouble()))
            throw fieldRefused(
                name(field),
                QCoreApplication::translate("LayoutFile", "holds %1, which is not a number of centimetres")
                    .arg(described(value)));
        if (const QString problem = measureProblem(kind, value.toDouble()); !problem.isEmpty())
            throw fieldRefused(
                name(field),
                QCoreApplication::translate("LayoutFile", "holds %1, but %2").arg(described(value), problem));
        return value.toDouble();
    }

    bool yesNo(const QString &field) const
    {
        const QJsonValue value = m_object.value(field);
        if (!value.isBool())
            throw fieldRefused(name(field),
                               QCoreApplication::translate("LayoutFile", "holds %1, which is not true or false")
                                   .arg(described(value)));
        return value.toBool();
    }

    /// A whole number among those allowed.
    int whole(const QString &field, const QList<int> &allowed) const
    {
        const QJsonValue value = m_object.value(field);
        const double number = value.toDouble();
        if (!value.isDouble()
            || std::none_of(allowed.begin(), allowed.end(), [&](int each) { return each == number; })) {
            QStringList words;
            for (const int each : allowed)
                words.append(QString::number(each));
            throw fieldRefused(
                name(field),
                QCoreApplication::translate("LayoutFile", "holds %1, which is not %2")
                    .arg(described(value), words.join(QCoreApplication::translate("LayoutFile", " or "))));
        }
        return static_cast<int>(number);
    }

    QString text(const QString &field, int longest) const
    {
        const QJsonValue value = m_object.value(field);
        if (!value.isString())
            throw fieldRefused(
                name(field),
                QCoreApplication::translate("LayoutFile", "holds %1, which is not a text").arg(described(value)));
        const QString text = value.toString().trimmed();
        if (text.size() > longest)
            throw fieldRefused(name(field),
                               QCoreApplication::translate("LayoutFile", "is %1 characters long; at most %2 are taken")
                                   .arg(text.size())
                                   .arg(longest));
        return text;
    }

    bool isNull(const QString &field) const { return m_object.value(field).isNull(); }

private:
    QString m_path;
    QJsonObject m_object;
};

// The leaf's marks and money wording came with layout version 2: a version-1 file has none of these
// fields, and its account takes the defaults, except that its words keep the subunit before its
// number ("and Paise Fifty"), the only way they were written then.
constexpr int kMarksVersion = 2;
constexpr int kLongestCrossing = 40;
constexpr int kLongestFiller = 5;
constexpr int kLongestSign = 3;

QStringList marksTopFields(int version)
{
    return version >= kMarksVersion ? QStringList {QStringLiteral("date"), QStringLiteral("marks")} : QStringList();
}

QStringList marksMoneyFields(int version)
{
    return version >= kMarksVersion ? QStringList {QStringLiteral("subunitFirst"), QStringLiteral("sign")}
                                    : QStringList();
}

void writeMarks(QJsonObject &document, QJsonObject &money, const BankAccountRecord &account)
{
    const StrikePlace &strike = account.marks.bearerStrike;
    document.insert(QStringLiteral("date"),
                    QJsonObject {{QStringLiteral("layout"), dateLayoutWord(account.date.layout)},
                                 {QStringLiteral("boxPitch"), number(account.date.boxPitch)}});
    document.insert(QStringLiteral("marks"),
                    QJsonObject {{QStringLiteral("crossingWords"),
                                  account.marks.crossingWords ? QJsonValue(*account.marks.crossingWords)
                                                              : QJsonValue(QJsonValue::Null)},
                                 {QStringLiteral("filler"), account.marks.filler},
                                 {QStringLiteral("bearerStrike"),
                                  QJsonObject {{QStringLiteral("left"), number(strike.left)},
                                               {QStringLiteral("top"), number(strike.top)},
                                               {QStringLiteral("width"), number(strike.width)}}}});
    money.insert(QStringLiteral("subunitFirst"), account.money.subunitFirst);
    money.insert(QStringLiteral("sign"), account.money.currencySign);
}

void readMarks(const QJsonObject &root, const Block &money, int version, BankAccountRecord &result)
{
    if (version < kMarksVersion) {
        result.date = {};
        result.marks = {};
        result.money.subunitFirst = true;
        result.money.currencySign.clear();
        return;
    }
    const Block date
        = Block::inside(root, QStringLiteral("date"), {QStringLiteral("layout"), QStringLiteral("boxPitch")});
    const QString layoutWord = date.text(QStringLiteral("layout"), kLongestMoneyName);
    const std::optional<DateLayout> layout = dateLayoutFromWord(layoutWord);
    if (!layout)
        throw fieldRefused(date.name(QStringLiteral("layout")),
                           QCoreApplication::translate("LayoutFile", "holds \"%1\", which is none of %2, %3, %4 and %5")
                               .arg(layoutWord, dateLayoutWord(DateLayout::Boxes),
                                    dateLayoutWord(DateLayout::DashedNumbers),
                                    dateLayoutWord(DateLayout::SlashedNumbers), dateLayoutWord(DateLayout::Written)));
    result.date.layout = *layout;
    result.date.boxPitch = date.centimetres(QStringLiteral("boxPitch"), MeasureKind::BoxSize);

    const Block marks
        = Block::inside(root, QStringLiteral("marks"),
                        {QStringLiteral("crossingWords"), QStringLiteral("filler"), QStringLiteral("bearerStrike")});
    const QString wordsField = QStringLiteral("crossingWords");
    result.marks.crossingWords
        = marks.isNull(wordsField) ? std::nullopt : std::optional<QString>(marks.text(wordsField, kLongestCrossing));
    result.marks.filler = marks.text(QStringLiteral("filler"), kLongestFiller);
    const QStringList strikeFields {QStringLiteral("left"), QStringLiteral("top"), QStringLiteral("width")};
    const Block strike
        = Block::inside(root.value(QStringLiteral("marks")).toObject(), QStringLiteral("bearerStrike"), strikeFields);
    result.marks.bearerStrike = {strike.centimetres(strikeFields.at(0), MeasureKind::Place),
                                 strike.centimetres(strikeFields.at(1), MeasureKind::Place),
                                 strike.centimetres(strikeFields.at(2), MeasureKind::BoxSize)};

    result.money.subunitFirst = money.yesNo(QStringLiteral("subunitFirst"));
    result.money.currencySign = money.text(QStringLiteral("sign"), kLongestSign);
}

const QString kPositivePay = QStringLiteral("positivePay");

// The account's Positive Pay threshold (whole units) and its bank's file layout, null for none.
QJsonObject positivePayBlock(const BankAccountRecord &account)
{
    const QJsonDocument layout = QJsonDocument::fromJson(account.positivePayLayout.toUtf8());
    return {{QStringLiteral("from"),
             account.limits.positivePayFrom ? QJsonValue(static_cast<double>(*account.limits.positivePayFrom))
                                            : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("layout"), layout.isObject() ? QJsonValue(layout.object()) : QJsonValue(QJsonValue::Null)}};
}

// The block read into the account, refused as the Positive Pay window refuses; a file without one
// (every file of version 1) leaves the account without a threshold or a layout.
void readPositivePayBlock(const QJsonObject &root, BankAccountRecord &account)
{
    account.limits.positivePayFrom.reset();
    account.positivePayLayout.clear();
    if (!root.contains(kPositivePay))
        return;
    const QJsonValue fromValue = root.value(kPositivePay).toObject().value(QStringLiteral("from"));
    const Block block = Block::inside(root, kPositivePay, {QStringLiteral("from"), QStringLiteral("layout")});
    if (!fromValue.isNull()) {
        const double from = fromValue.toDouble(-1);
        if (!fromValue.isDouble() || from < 1 || from > 1e15 || from != std::floor(from))
            throw fieldRefused(
                block.name(QStringLiteral("from")),
                QCoreApplication::translate("LayoutFile", "holds %1, which is not a whole amount of 1 or more")
                    .arg(described(fromValue)));
        account.limits.positivePayFrom = static_cast<qint64>(from);
    }
    const QJsonValue layout = root.value(kPositivePay).toObject().value(QStringLiteral("layout"));
    if (layout.isNull())
        return;
    if (!layout.isObject())
        throw fieldRefused(block.name(QStringLiteral("layout")),
                           QCoreApplication::translate("LayoutFile", "holds %1, which is not a block of fields")
                               .arg(described(layout)));
    const QByteArray json = QJsonDocument(layout.toObject()).toJson(QJsonDocument::Indented);
    const PositivePayLayoutReading reading = readPositivePayLayout(json);
    if (!reading.layout)
        throw fieldRefused(block.name(QStringLiteral("layout")), reading.problems.join(u' '));
    account.positivePayLayout = QString::fromUtf8(json);
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
    QJsonObject money {{QStringLiteral("style"), amountStyleWord(account.money.style)},
                       {QStringLiteral("currency"), account.money.currencyName},
                       {QStringLiteral("subunit"), account.money.subunitName},
                       {QStringLiteral("decimals"), account.money.subunitDigits}};
    QJsonObject document {{QStringLiteral("format"), kLeafLayoutFormat},
                          {QStringLiteral("version"), kLayoutVersion},
                          {QStringLiteral("centimetres"), measurements},
                          {QStringLiteral("rupee3Active"), account.rupee3Active},
                          {QStringLiteral("crossing"), crossing}};
    writeMarks(document, money, account);
    document.insert(QStringLiteral("money"), money);
    document.insert(kPositivePay, positivePayBlock(account));
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

BankAccountRecord withLayout(const BankAccountRecord &account, const QByteArray &document)
{
    QJsonParseError error {};
    const QJsonDocument parsed = QJsonDocument::fromJson(document, &error);
    if (error.error != QJsonParseError::NoError || !parsed.isObject())
        throw notALayout(QCoreApplication::translate("LayoutFile", "it is not JSON (%1).").arg(error.errorString()));
    const QJsonObject root = parsed.object();
    if (root.value(QStringLiteral("format")).toString() != kLeafLayoutFormat)
        throw notALayout(QCoreApplication::translate("LayoutFile", "it does not say it is one."));
    const QJsonValue versionValue = root.value(QStringLiteral("version"));
    const int version = versionValue.toInt(0);
    if (version > kLayoutVersion)
        throw Failure(
            ErrorNumber::EntryInvalid,
            QCoreApplication::translate("LayoutFile",
                                        "The layout was written by a newer Quillset (layout version %1; this one reads "
                                        "version %2 and older). Import it with the newer program.")
                .arg(version)
                .arg(kLayoutVersion));
    if (version < 1)
        throw notALayout(QCoreApplication::translate("LayoutFile", "it has no version."));

    // Every field is checked as the bank window checks what is typed, so a file can bring in nothing
    // the window would refuse; a field missing or unknown is named, never taken as empty.
    const QString measurementsKey = QStringLiteral("centimetres");
    QStringList columns;
    for (int i = 0; i < kMeasurementCount; ++i)
        columns.append(measurementColumn(static_cast<Measurement>(i)));
    QStringList topFields
        = QStringList {QStringLiteral("format"),       QStringLiteral("version"),  measurementsKey,
                       QStringLiteral("rupee3Active"), QStringLiteral("crossing"), QStringLiteral("money")}
        + marksTopFields(version);
    // Positive Pay came with version 2 too, and a file of it may leave it out.
    if (version >= 2 && root.contains(kPositivePay))
        topFields.append(kPositivePay);
    const Block top(root, QString(), topFields);
    const Block measurements = Block::inside(root, measurementsKey, columns);
    const QStringList crossingFields {QStringLiteral("left"), QStringLiteral("top"), QStringLiteral("width"),
                                      QStringLiteral("height")};
    const Block crossing = Block::inside(root, QStringLiteral("crossing"), crossingFields);
    const Block money = Block::inside(root, QStringLiteral("money"),
                                      QStringList {QStringLiteral("style"), QStringLiteral("currency"),
                                                   QStringLiteral("subunit"), QStringLiteral("decimals")}
                                          + marksMoneyFields(version));

    BankAccountRecord result = account;
    for (int i = 0; i < kMeasurementCount; ++i) {
        const auto measurement = static_cast<Measurement>(i);
        result.setValue(measurement, measurements.centimetres(columns.at(i), measureKind(measurement)));
    }
    result.rupee3Active = top.yesNo(QStringLiteral("rupee3Active"));
    std::optional<double> *const place[]
        = {&result.crossing.left, &result.crossing.top, &result.crossing.width, &result.crossing.height};
    for (int part = 0; part < 4; ++part)
        *place[part] = crossing.centimetres(crossingFields.at(part), crossingKind(part));

    const QString styleWord = money.text(QStringLiteral("style"), kLongestMoneyName);
    const std::optional<AmountStyle> style = amountStyleFromWord(styleWord);
    if (!style)
        throw fieldRefused(
            money.name(QStringLiteral("style")),
            QCoreApplication::translate("LayoutFile", "holds \"%1\", which is neither %2 nor %3")
                .arg(styleWord, amountStyleWord(AmountStyle::International), amountStyleWord(AmountStyle::Indian)));
    result.money.style = *style;
    result.money.currencyName = money.text(QStringLiteral("currency"), kLongestMoneyName);
    result.money.subunitName = money.text(QStringLiteral("subunit"), kLongestMoneyName);
    result.money.subunitDigits = money.whole(QStringLiteral("decimals"), {0, 2, 3});
    readMarks(root, money, version, result);
    readPositivePayBlock(root, result);
    return result;
}

} // namespace quillset
