#include "ReportDefinition.h"

#include "DefinitionFile.h"

#include "cheque/ChequeInput.h"
#include "core/Failure.h"
#include "layout/Fonts.h"
#include "words/AmountInWords.h"

#include <QDir>
#include <QFileInfo>

namespace quillset {

namespace {

[[noreturn]] void refuse(const QString &path, const QString &problem)
{
    throw Failure(ErrorNumber::ReportDefinition,
                  QStringLiteral("The report definition \"%1\" %2").arg(QDir::toNativeSeparators(path), problem));
}

std::optional<ReportDefinition::Field> fieldNamed(const QString &name)
{
    static const QHash<QString, ReportDefinition::Field> fields = {
        {QStringLiteral("date"), ReportDefinition::Field::Date},
        {QStringLiteral("account"), ReportDefinition::Field::Account},
        {QStringLiteral("cheque"), ReportDefinition::Field::Cheque},
        {QStringLiteral("payee"), ReportDefinition::Field::Payee},
        {QStringLiteral("amount"), ReportDefinition::Field::Amount},
        {QStringLiteral("status"), ReportDefinition::Field::Status},
    };
    const auto found = fields.constFind(name.trimmed().toLower());
    if (found == fields.constEnd())
        return std::nullopt;
    return *found;
}

QString amountAsOnTheCheque(qint64 amount, const MoneyStyle &money)
{
    return chequeFigures(amount, money);
}

} // namespace

ReportDefinition ReportDefinition::load(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        refuse(path, QStringLiteral("is missing or cannot be read. Reinstall Quillset or restore the file."));
    const std::optional<DefinitionFile> file = DefinitionFile::read(path);
    if (!file)
        refuse(path, QStringLiteral("cannot be read."));
    const QString report = QStringLiteral("Report");
    bool sizesRead = true;
    const auto size = [&](const QString &key, double fallback) {
        const QString text = file->value(report, key);
        if (text.isEmpty())
            return fallback;
        bool ok = false;
        const double value = text.toDouble(&ok);
        sizesRead = sizesRead && ok;
        return value;
    };

    ReportDefinition definition;
    definition.fontFamily = file->value(report, QStringLiteral("Font"), chequeFontFamily());
    definition.fontSize = size(QStringLiteral("FontSize"), 9);
    definition.titleFontSize = size(QStringLiteral("TitleFontSize"), 13);
    definition.subtitle = file->value(report, QStringLiteral("Subtitle"));
    definition.summary = file->value(report, QStringLiteral("Summary"), definition.summary);
    definition.headerBackground
        = QColor(file->value(report, QStringLiteral("HeaderBackground"), QStringLiteral("#e8ecef")));
    definition.rowLines = QColor(file->value(report, QStringLiteral("RowLines")));
    if (!sizesRead || definition.fontSize < 4 || definition.fontSize > 30 || definition.titleFontSize < 4
        || definition.titleFontSize > 48)
        refuse(path, QStringLiteral("asks for font sizes outside 4 to 30 points."));

    const QString columns = QStringLiteral("Columns");
    QStringList keys = file->keys(columns);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
    for (const QString &key : keys) {
        const QStringList parts = DefinitionFile::parts(file->value(columns, key));
        const std::optional<Field> field = parts.isEmpty() ? std::nullopt : fieldNamed(parts.first());
        if (!field || parts.size() < 3)
            refuse(path,
                   QStringLiteral("has a column %1 (line %2) that is not \"field, heading, width, alignment\".")
                       .arg(key)
                       .arg(file->line(columns, key)));
        Column column;
        column.field = *field;
        column.heading = parts.at(1);
        column.widthPercent = parts.at(2).trimmed().toDouble();
        column.alignRight
            = parts.size() > 3 && parts.at(3).trimmed().compare(QLatin1String("right"), Qt::CaseInsensitive) == 0;
        if (column.widthPercent <= 0)
            refuse(path, QStringLiteral("gives column %1 no width.").arg(key));
        definition.columns.append(column);
    }
    if (definition.columns.isEmpty())
        refuse(path, QStringLiteral("has no [Columns] to show."));
    return definition;
}

QString ReportDefinition::cellText(Field field, const RegisterEntry &entry)
{
    switch (field) {
    case Field::Date:
        return formatChequeDate(entry.date);
    case Field::Account:
        return entry.bankId;
    case Field::Cheque:
        return entry.chequeNo;
    case Field::Payee:
        return entry.pay;
    case Field::Amount:
        return amountAsOnTheCheque(entry.amount, entry.money);
    case Field::Status:
        // A number the register holds twice (rows from before numbers were unique) is marked.
        return statusWord(entry.status) + (entry.repeated ? QStringLiteral(", number repeated") : QString());
    }
    return QString();
}

QString ReportDefinition::summaryFor(const QList<RegisterEntry> &entries) const
{
    qint64 total = 0;
    QHash<ChequeStatus, int> counts;
    for (const RegisterEntry &entry : entries) {
        ++counts[entry.status];
        if (entry.status == ChequeStatus::Printed)
            total += entry.amount;
    }
    QString line = summary;
    line.replace(QStringLiteral("{count}"), QString::number(entries.size()))
        .replace(QStringLiteral("{total}"), amountAsOnTheCheque(total, MoneyStyle {}));
    for (const ChequeStatus status :
         {ChequeStatus::Pending, ChequeStatus::Printed, ChequeStatus::Spoiled, ChequeStatus::Void})
        line.replace(u'{' + statusWord(status) + u'}', QString::number(counts.value(status)));
    return line;
}

} // namespace quillset
