#include "ReportDefinition.h"

#include "core/report/DefinitionFile.h"

#include "core/base/Failure.h"
#include "core/cheque/ChequeInput.h"
#include "core/layout/Fonts.h"
#include "core/words/AmountInWords.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>

#include <algorithm>

namespace quillset {

namespace {

[[noreturn]] void refuse(const QString &path, const QString &problem)
{
    throw Failure(ErrorNumber::ReportDefinition,
                  QCoreApplication::translate("ReportDefinition", "The report definition \"%1\" %2")
                      .arg(QDir::toNativeSeparators(path), problem));
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

// What a summary line counts and adds up: the cheques of one account, or of all of them.
struct Tally
{
    QString account;
    MoneyStyle money;
    int count = 0;
    QHash<ChequeStatus, int> statuses;
    qint64 total = 0; ///< of the printed cheques, in the smallest unit of the money

    void add(const RegisterEntry &entry)
    {
        ++count;
        ++statuses[entry.status];
        if (entry.status == ChequeStatus::Printed)
            total += entry.amount;
    }
};

QString wordsFor(qint64 amount, const MoneyStyle &money)
{
    // No cheque is written for nothing, so the words have no form for it; an accountant writes Nil.
    if (amount == 0)
        return QCoreApplication::translate("ReportDefinition", "Nil");
    try {
        return chequeWords(amount, money).simplified();
    } catch (const Failure &) {
        return QCoreApplication::translate("ReportDefinition", "too large to write in words");
    }
}

// The pattern with its placeholders filled in one pass, so that a value holding braces (a payee, an
// account code) is never read as a placeholder itself. Unknown placeholders stay as written.
QString filled(const QString &pattern, const Tally &tally, const std::optional<QString> &total)
{
    static const QRegularExpression placeholder(QStringLiteral("\\{(\\w+)\\}"));
    QString line;
    qsizetype at = 0;
    for (QRegularExpressionMatchIterator it = placeholder.globalMatch(pattern); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1).toLower();
        QString value = match.captured(0);
        if (name == QLatin1String("account"))
            value = tally.account;
        else if (name == QLatin1String("count"))
            value = QString::number(tally.count);
        else if (name == QLatin1String("total"))
            value = total.value_or(amountAsOnTheCheque(tally.total, tally.money));
        else if (name == QLatin1String("words"))
            value = total ? QString() : wordsFor(tally.total, tally.money);
        else if (const std::optional<ChequeStatus> status = statusFromWord(name))
            value = QString::number(tally.statuses.value(*status));
        line += QStringView(pattern).mid(at, match.capturedStart() - at) + value;
        at = match.capturedEnd();
    }
    return line + QStringView(pattern).mid(at);
}

} // namespace

ReportDefinition ReportDefinition::load(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        refuse(path,
               QCoreApplication::translate("ReportDefinition",
                                           "is missing or cannot be read. Reinstall Quillset or restore the file."));
    const std::optional<DefinitionFile> file = DefinitionFile::read(path);
    if (!file)
        refuse(path, QCoreApplication::translate("ReportDefinition", "cannot be read."));
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
    definition.accountTotal = file->value(report, QStringLiteral("AccountTotal"), definition.accountTotal);
    definition.grandTotal = file->value(report, QStringLiteral("GrandTotal"), definition.grandTotal);
    definition.headerBackground
        = QColor(file->value(report, QStringLiteral("HeaderBackground"), QStringLiteral("#e8ecef")));
    definition.rowLines = QColor(file->value(report, QStringLiteral("RowLines")));
    if (!sizesRead || definition.fontSize < 4 || definition.fontSize > 30 || definition.titleFontSize < 4
        || definition.titleFontSize > 48)
        refuse(path, QCoreApplication::translate("ReportDefinition", "asks for font sizes outside 4 to 30 points."));

    const QString columns = QStringLiteral("Columns");
    QStringList keys = file->keys(columns);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
    for (const QString &key : keys) {
        const QStringList parts = DefinitionFile::parts(file->value(columns, key));
        const std::optional<Field> field = parts.isEmpty() ? std::nullopt : fieldNamed(parts.first());
        if (!field || parts.size() < 3)
            refuse(
                path,
                QCoreApplication::translate(
                    "ReportDefinition", "has a column %1 (line %2) that is not \"field, heading, width, alignment\".")
                    .arg(key)
                    .arg(file->line(columns, key)));
        Column column;
        column.field = *field;
        column.heading = parts.at(1);
        column.widthPercent = parts.at(2).trimmed().toDouble();
        column.alignRight
            = parts.size() > 3 && parts.at(3).trimmed().compare(QLatin1String("right"), Qt::CaseInsensitive) == 0;
        if (column.widthPercent <= 0)
            refuse(path, QCoreApplication::translate("ReportDefinition", "gives column %1 no width.").arg(key));
        definition.columns.append(column);
    }
    if (definition.columns.isEmpty())
        refuse(path, QCoreApplication::translate("ReportDefinition", "has no [Columns] to show."));
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
        return statusWord(entry.status)
            + (entry.repeated ? QCoreApplication::translate("ReportDefinition", ", number repeated") : QString());
    }
    return QString();
}

QStringList ReportDefinition::summaryFor(const QList<RegisterEntry> &entries) const
{
    Tally all;
    QMap<QString, Tally> accounts; // in the order of their codes
    for (const RegisterEntry &entry : entries) {
        all.add(entry);
        Tally &account = accounts[entry.bankId];
        account.account = entry.bankId;
        account.money = entry.money;
        account.add(entry);
    }
    // Paise, cents and fils are never added together: a grand total needs one way of writing money.
    const bool oneMoney = std::all_of(accounts.cbegin(), accounts.cend(),
                                      [&](const Tally &account) { return account.money == accounts.first().money; });
    if (!accounts.isEmpty())
        all.money = accounts.first().money;

    QStringList lines = {filled(
        summary, all,
        oneMoney ? std::nullopt : std::optional(QCoreApplication::translate("ReportDefinition", "by account, below")))};
    if (!accountTotal.isEmpty()) {
        for (const Tally &account : accounts)
            lines.append(filled(accountTotal, account, std::nullopt));
    }
    if (oneMoney && accounts.size() > 1 && !grandTotal.isEmpty())
        lines.append(filled(grandTotal, all, std::nullopt));
    lines.removeAll(QString());
    return lines;
}

} // namespace quillset
