#include "PositivePayLayout.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace quillset {

namespace {

const QString kFormat = QStringLiteral("format");
const QString kColumns = QStringLiteral("columns");
const QString kField = QStringLiteral("field");
const QString kTitle = QStringLiteral("title");
const QString kDateFormat = QStringLiteral("dateFormat");
const QString kAmount = QStringLiteral("amount");
const QString kSeparator = QStringLiteral("separator");
const QString kHeader = QStringLiteral("header");
const QString kIssuedFlag = QStringLiteral("issuedFlag");
const QString kVoidFlag = QStringLiteral("voidFlag");
const QString kFile = QStringLiteral("file");

QString amountWord(PositivePayAmount form)
{
    switch (form) {
    case PositivePayAmount::Decimal:
        return QStringLiteral("decimal");
    case PositivePayAmount::Subunits:
        return QStringLiteral("subunits");
    case PositivePayAmount::Grouped:
        return QStringLiteral("grouped");
    }
    return QString();
}

std::optional<PositivePayAmount> amountFromWord(const QString &word)
{
    for (const PositivePayAmount form :
         {PositivePayAmount::Decimal, PositivePayAmount::Subunits, PositivePayAmount::Grouped}) {
        if (word == amountWord(form))
            return form;
    }
    return std::nullopt;
}

// The problem with a date format, or an empty text: it may hold only day, month and year and the
// marks between them, and each date it writes must read back as that date, so that the bank reads
// the date the cheque carries (a two-digit year does not).
QString dateFormatProblem(const QString &format)
{
    for (const QChar c : format) {
        if (c.isLetterOrNumber() && c != u'd' && c != u'M' && c != u'y')
            return QCoreApplication::translate(
                       "PositivePayLayout",
                       "The date format \"%1\" may hold only d (day), M (month) and y (year) and the marks between "
                       "them, such as \"dd-MM-yyyy\" or \"yyyyMMdd\".")
                .arg(format);
    }
    for (const QDate date : {QDate(2026, 12, 6), QDate(2027, 1, 31), QDate(2031, 10, 9)}) {
        if (QDate::fromString(date.toString(format), format) != date)
            return QCoreApplication::translate(
                       "PositivePayLayout",
                       "The date format \"%1\" does not write the whole date: it needs the day, the month and the "
                       "four-digit year, such as \"dd-MM-yyyy\", \"MM/dd/yyyy\" or \"yyyyMMdd\".")
                .arg(format);
    }
    return QString();
}

// Whole units grouped as the account groups its figures: 1,234,567 or 12,34,567.
QString groupedWhole(qint64 whole, AmountStyle style)
{
    QString digits = QString::number(whole);
    QString result;
    int group = 3;
    while (digits.size() > group) {
        result.prepend(u',' + digits.right(group));
        digits.chop(group);
        if (style == AmountStyle::Indian)
            group = 2;
    }
    return digits + result;
}

QString fieldText(const PositivePayLayout &layout, const PositivePayCheque &cheque, PositivePayField field)
{
    switch (field) {
    case PositivePayField::AccountNumber:
        return cheque.accountNumber;
    case PositivePayField::ChequeNumber:
        return cheque.chequeNumber;
    case PositivePayField::Date:
        return cheque.date.toString(layout.dateFormat);
    case PositivePayField::Amount:
        return positivePayAmountText(cheque.amount, layout.amount);
    case PositivePayField::Payee:
        return cheque.payee;
    case PositivePayField::Status:
        return cheque.isVoid ? layout.voidFlag : layout.issuedFlag;
    case PositivePayField::Reference:
        return QString::number(cheque.reference);
    }
    return QString();
}

QString csvField(const QString &text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QString positivePayFieldWord(PositivePayField field)
{
    switch (field) {
    case PositivePayField::AccountNumber:
        return QStringLiteral("account");
    case PositivePayField::ChequeNumber:
        return QStringLiteral("cheque");
    case PositivePayField::Date:
        return QStringLiteral("date");
    case PositivePayField::Amount:
        return QStringLiteral("amount");
    case PositivePayField::Payee:
        return QStringLiteral("payee");
    case PositivePayField::Status:
        return QStringLiteral("status");
    case PositivePayField::Reference:
        return QStringLiteral("reference");
    }
    return QString();
}

std::optional<PositivePayField> positivePayFieldFromWord(const QString &word)
{
    for (const PositivePayField field : kPositivePayFields) {
        if (word == positivePayFieldWord(field))
            return field;
    }
    return std::nullopt;
}

QString positivePayFieldTitle(PositivePayField field)
{
    switch (field) {
    case PositivePayField::AccountNumber:
        return QCoreApplication::translate("PositivePayLayout", "Account Number");
    case PositivePayField::ChequeNumber:
        return QCoreApplication::translate("PositivePayLayout", "Cheque Number");
    case PositivePayField::Date:
        return QCoreApplication::translate("PositivePayLayout", "Cheque Date");
    case PositivePayField::Amount:
        return QCoreApplication::translate("PositivePayLayout", "Amount");
    case PositivePayField::Payee:
        return QCoreApplication::translate("PositivePayLayout", "Payee");
    case PositivePayField::Status:
        return QCoreApplication::translate("PositivePayLayout", "Status");
    case PositivePayField::Reference:
        return QCoreApplication::translate("PositivePayLayout", "Issue Reference");
    }
    return QString();
}

QList<PositivePayProblem> positivePayLayoutProblems(const PositivePayLayout &layout)
{
    QList<PositivePayProblem> problems;
    QSet<PositivePayField> seen;
    for (qsizetype i = 0; i < layout.columns.size(); ++i) {
        const PositivePayField field = layout.columns.at(i).field;
        if (seen.contains(field))
            problems.append({PositivePaySetting::Columns, i,
                             QCoreApplication::translate("PositivePayLayout",
                                                         "The column \"%1\" is in the layout twice; each column "
                                                         "goes in once.")
                                 .arg(positivePayFieldTitle(field))});
        seen.insert(field);
    }
    if (const QString problem = dateFormatProblem(layout.dateFormat); !problem.isEmpty())
        problems.append({PositivePaySetting::DateFormat, -1, problem});
    if (!QStringLiteral(",;|\t").contains(layout.separator))
        problems.append({PositivePaySetting::Separator, -1,
                         QCoreApplication::translate("PositivePayLayout",
                                                     "The separator \"%1\" is not one of a comma, a semicolon, a "
                                                     "bar (|) and a tab.")
                             .arg(layout.separator)});
    if (layout.issuedFlag.contains(u'\n') || layout.issuedFlag.contains(u'\r') || layout.voidFlag.contains(u'\n')
        || layout.voidFlag.contains(u'\r'))
        problems.append({PositivePaySetting::Flags, -1,
                         QCoreApplication::translate("PositivePayLayout", "The status flags are one line each.")});
    return problems;
}

PositivePayLayoutReading readPositivePayLayout(const QByteArray &json)
{
    PositivePayLayoutReading reading;
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        reading.problems << QCoreApplication::translate("PositivePayLayout",
                                                        "The Positive Pay layout is not a JSON object: %1.")
                                .arg(error.error != QJsonParseError::NoError
                                         ? error.errorString()
                                         : QCoreApplication::translate("PositivePayLayout",
                                                                       "it is not enclosed in { }"));
        return reading;
    }
    const QJsonObject object = document.object();
    QStringList &problems = reading.problems;
    static const QSet<QString> known {kFormat, kColumns,    kDateFormat, kAmount, kSeparator,
                                      kHeader, kIssuedFlag, kVoidFlag,   kFile};
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!known.contains(it.key()))
            problems << QCoreApplication::translate(
                            "PositivePayLayout",
                            "The Positive Pay layout has \"%1\", which is not one of its settings (%2).")
                            .arg(it.key(), QStringList(known.begin(), known.end()).join(QStringLiteral(", ")));
    }
    if (object.contains(kFormat) && object.value(kFormat).toString() != kPositivePayFormat)
        problems << QCoreApplication::translate("PositivePayLayout",
                                                "The Positive Pay layout's \"format\" must be \"%1\".")
                        .arg(kPositivePayFormat);

    PositivePayLayout layout;
    const auto text = [&](const QString &key, QString &into) {
        if (!object.contains(key))
            return;
        if (!object.value(key).isString())
            problems << QCoreApplication::translate("PositivePayLayout",
                                                    "The Positive Pay layout's \"%1\" must be a text in quotes.")
                            .arg(key);
        else
            into = object.value(key).toString();
    };

    const QJsonValue columns = object.value(kColumns);
    if (!columns.isArray() || columns.toArray().isEmpty()) {
        problems << QCoreApplication::translate(
            "PositivePayLayout",
            "The Positive Pay layout needs \"columns\": a list of the columns in the bank's order, from "
            "account, cheque, date, amount, payee, status and reference.");
    } else {
        for (const QJsonValue &column : columns.toArray()) {
            const QString word = column.isObject() ? column.toObject().value(kField).toString() : column.toString();
            const std::optional<PositivePayField> field = positivePayFieldFromWord(word);
            if (!field) {
                problems << QCoreApplication::translate(
                                "PositivePayLayout",
                                "The Positive Pay layout has a column \"%1\"; a column is one of account, cheque, "
                                "date, amount, payee, status and reference.")
                                .arg(word);
                continue;
            }
            const QString title = column.isObject() ? column.toObject().value(kTitle).toString() : QString();
            layout.columns.append({*field, title.isEmpty() ? positivePayFieldTitle(*field) : title});
        }
    }

    text(kDateFormat, layout.dateFormat);

    QString amount = amountWord(layout.amount);
    text(kAmount, amount);
    if (const std::optional<PositivePayAmount> form = amountFromWord(amount))
        layout.amount = *form;
    else
        problems << QCoreApplication::translate(
                        "PositivePayLayout",
                        "The Positive Pay layout's \"amount\" is \"%1\"; it is one of decimal (1234.50), subunits "
                        "(123450) and grouped (1,234.50).")
                        .arg(amount);

    QString separator = layout.separator;
    text(kSeparator, separator);
    if (separator.size() != 1)
        problems << QCoreApplication::translate(
                        "PositivePayLayout",
                        "The Positive Pay layout's \"separator\" is \"%1\"; it is one of a comma, a semicolon, a "
                        "bar (|) and a tab (\\t).")
                        .arg(separator);
    else
        layout.separator = separator.front();

    if (object.contains(kHeader)) {
        if (!object.value(kHeader).isBool())
            problems << QCoreApplication::translate("PositivePayLayout",
                                                    "The Positive Pay layout's \"header\" is true or false.");
        else
            layout.header = object.value(kHeader).toBool();
    }
    text(kIssuedFlag, layout.issuedFlag);
    text(kVoidFlag, layout.voidFlag);
    QString file = QStringLiteral("csv");
    text(kFile, file);
    if (file != QStringLiteral("csv"))
        problems << QCoreApplication::translate(
                        "PositivePayLayout",
                        "The Positive Pay layout's \"file\" is \"%1\"; the file is written as csv.")
                        .arg(file);

    for (const PositivePayProblem &problem : positivePayLayoutProblems(layout))
        problems << problem.text;
    if (problems.isEmpty())
        reading.layout = layout;
    return reading;
}

QByteArray positivePayLayoutJson(const PositivePayLayout &layout)
{
    QJsonArray columns;
    for (const PositivePayColumn &column : layout.columns) {
        if (column.title == positivePayFieldTitle(column.field))
            columns.append(positivePayFieldWord(column.field));
        else
            columns.append(QJsonObject {{kField, positivePayFieldWord(column.field)}, {kTitle, column.title}});
    }
    const QJsonObject object {{kFormat, kPositivePayFormat},           {kColumns, columns},
                              {kDateFormat, layout.dateFormat},        {kAmount, amountWord(layout.amount)},
                              {kSeparator, QString(layout.separator)}, {kHeader, layout.header},
                              {kIssuedFlag, layout.issuedFlag},        {kVoidFlag, layout.voidFlag},
                              {kFile, QStringLiteral("csv")}};
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QString positivePayAmountText(const Money &amount, PositivePayAmount form)
{
    const qint64 perWhole = amount.style.unitsPerWhole();
    const qint64 units = amount.units < 0 ? -amount.units : amount.units;
    const QString sign = amount.units < 0 ? QStringLiteral("-") : QString();
    if (form == PositivePayAmount::Subunits)
        return sign + QString::number(units);
    const QString whole = form == PositivePayAmount::Grouped ? groupedWhole(units / perWhole, amount.style.style)
                                                             : QString::number(units / perWhole);
    if (amount.style.subunitDigits <= 0)
        return sign + whole;
    return sign + whole + u'.' + QString::number(units % perWhole).rightJustified(amount.style.subunitDigits, u'0');
}

QByteArray positivePayFile(const PositivePayLayout &layout, const QList<PositivePayCheque> &cheques)
{
    QString file;
    const auto line = [&](const QStringList &fields) {
        QStringList quoted;
        for (const QString &field : fields)
            quoted.append(csvField(field, layout.separator));
        file += quoted.join(layout.separator) + QStringLiteral("\r\n");
    };
    if (layout.header) {
        QStringList titles;
        for (const PositivePayColumn &column : layout.columns)
            titles.append(column.title);
        line(titles);
    }
    for (const PositivePayCheque &cheque : cheques) {
        QStringList fields;
        for (const PositivePayColumn &column : layout.columns)
            fields.append(fieldText(layout, cheque, column.field));
        line(fields);
    }
    return file.toUtf8();
}

} // namespace quillset
