#include "ChequeDate.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>

namespace quillset {

namespace {

// English names only: a date in a file or typed at the keyboard is never read by this machine's
// language, which may not be the file's.
int monthFromName(const QString &name)
{
    static const QStringList months
        = {QStringLiteral("january"), QStringLiteral("february"), QStringLiteral("march"),
           QStringLiteral("april"),   QStringLiteral("may"),      QStringLiteral("june"),
           QStringLiteral("july"),    QStringLiteral("august"),   QStringLiteral("september"),
           QStringLiteral("october"), QStringLiteral("november"), QStringLiteral("december")};
    const QString word = name.toLower();
    for (int i = 0; i < months.size(); ++i) {
        const QString &month = months.at(i);
        if (word == month || word == month.left(3) || (i == 8 && word == QLatin1String("sept")))
            return i + 1;
    }
    return 0;
}

QString monthsText(int months)
{
    return months == 1 ? QCoreApplication::translate("ChequeDate", "1 month")
                       : QCoreApplication::translate("ChequeDate", "%1 months").arg(months);
}

QString writeItAs(DateOrder order, const QString &what = QCoreApplication::translate("ChequeDate", "it"))
{
    return QCoreApplication::translate("ChequeDate", "write %1 as %2 (%3, as this office writes dates).")
        .arg(what, acceptedDateForms(order), dateOrderName(order));
}

DateReading refused(const QString &problem)
{
    return {std::nullopt, problem};
}

DateReading notADate(const QString &text, DateOrder order)
{
    return refused(QCoreApplication::translate("ChequeDate", "\"%1\" is not a date; %2").arg(text, writeItAs(order)));
}

DateReading twoDigitYear(const QString &text, const QString &year, DateOrder order)
{
    return refused(
        QCoreApplication::translate("ChequeDate", "\"%1\" has a two-digit year (19%2 or 20%2?); %3")
            .arg(text, year, writeItAs(order, QCoreApplication::translate("ChequeDate", "the year in full,"))));
}

bool isDigits(const QString &token)
{
    return !token.isEmpty() && token.front().isDigit();
}

// A day or a month in numbers: one or two digits.
bool isSmall(const QString &token)
{
    return isDigits(token) && token.size() <= 2;
}

DateReading dated(const QString &text, DateOrder order, int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return notADate(text, order);
    return {date, QString()};
}

// Day, month and year in numbers alone.
DateReading readNumbers(const QString &text, const std::array<QString, 3> &t, DateOrder order)
{
    if (t[0].size() == 4 && isSmall(t[1]) && isSmall(t[2]))
        return dated(text, order, t[0].toInt(), t[1].toInt(), t[2].toInt());
    if (isSmall(t[0]) && isSmall(t[1]) && isSmall(t[2])) {
        // Whoever writes the year first writes it in two digits at least.
        const bool yearFirst = order == DateOrder::YearFirst && t[0].size() == 2;
        return twoDigitYear(text, (yearFirst ? t[0] : t[2]).rightJustified(2, u'0'), order);
    }
    if (!isSmall(t[0]) || !isSmall(t[1]) || t[2].size() != 4)
        return notADate(text, order);
    if (order == DateOrder::YearFirst)
        return refused(QCoreApplication::translate(
                           "ChequeDate", "\"%1\" puts the year last, so its day and month could be read two ways; %2")
                           .arg(text, writeItAs(order)));
    const int first = t[0].toInt();
    const int second = t[1].toInt();
    const int year = t[2].toInt();
    const bool dayFirst = order == DateOrder::DayFirst;
    const QDate date = dayFirst ? QDate(year, second, first) : QDate(year, first, second);
    if (date.isValid())
        return {date, QString()};
    // Read the other way it is a date: the file, or the habit of whoever typed it, has the other order.
    const QDate otherWay = dayFirst ? QDate(year, first, second) : QDate(year, second, first);
    if (otherWay.isValid())
        return refused(
            QCoreApplication::translate("ChequeDate",
                                        "\"%1\" is not a date read %2, as this office writes dates, though it is one "
                                        "read %3: write it as %4.")
                .arg(text, dateOrderName(order), dateOrderName(dayFirst ? DateOrder::MonthFirst : DateOrder::DayFirst),
                     acceptedDateForms(order)));
    return notADate(text, order);
}

// A month by its name, with a day and a year in numbers.
DateReading readNamed(const QString &text, const std::array<QString, 3> &t, int named, DateOrder order)
{
    const int month = monthFromName(t[static_cast<size_t>(named)]);
    if (month == 0 || named == 2)
        return notADate(text, order);
    QString day;
    QString year;
    if (named == 0) { // Dec-25-2026, Dec 25, 2026
        day = t[1];
        year = t[2];
    } else if (t[0].size() == 4) { // 2026-Dec-25
        year = t[0];
        day = t[2];
    } else { // 25-Dec-2026
        day = t[0];
        year = t[2];
    }
    if (!isSmall(day) || !isDigits(year))
        return notADate(text, order);
    if (year.size() == 2)
        return twoDigitYear(text, year, order);
    if (year.size() != 4)
        return notADate(text, order);
    return dated(text, order, year.toInt(), month, day.toInt());
}

} // namespace

std::optional<int> monthsFromText(const QString &text, int longest)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 4
        || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    const int months = digits.toInt();
    if (months < 1 || months > longest)
        return std::nullopt;
    return months;
}

QString dateOrderCode(DateOrder order)
{
    switch (order) {
    case DateOrder::DayFirst:
        return QStringLiteral("DMY");
    case DateOrder::MonthFirst:
        return QStringLiteral("MDY");
    case DateOrder::YearFirst:
        return QStringLiteral("YMD");
    }
    return QString();
}

std::optional<DateOrder> dateOrderFromCode(const QString &code)
{
    for (const DateOrder order : {DateOrder::DayFirst, DateOrder::MonthFirst, DateOrder::YearFirst}) {
        if (code.trimmed().compare(dateOrderCode(order), Qt::CaseInsensitive) == 0)
            return order;
    }
    return std::nullopt;
}

QString dateOrderName(DateOrder order)
{
    switch (order) {
    case DateOrder::DayFirst:
        return QCoreApplication::translate("ChequeDate", "day first");
    case DateOrder::MonthFirst:
        return QCoreApplication::translate("ChequeDate", "month first");
    case DateOrder::YearFirst:
        return QCoreApplication::translate("ChequeDate", "year first");
    }
    return QString();
}

QString acceptedDateForms(DateOrder order)
{
    // A day above 12 shows the order at a glance.
    switch (order) {
    case DateOrder::DayFirst:
        return QCoreApplication::translate("ChequeDate", "25-Dec-2026, 25/12/2026 or 2026-12-25");
    case DateOrder::MonthFirst:
        return QCoreApplication::translate("ChequeDate", "Dec-25-2026, 12/25/2026 or 2026-12-25");
    case DateOrder::YearFirst:
        return QCoreApplication::translate("ChequeDate", "2026-12-25, 2026/12/25 or 25-Dec-2026");
    }
    return QString();
}

DateReading readChequeDate(const QString &text, DateOrder order)
{
    // Three parts: digits or letters, apart by one of - / . or a comma, or by blanks alone.
    static const QRegularExpression shape(QStringLiteral("^([A-Za-z]+|[0-9]+)(\\s*[-/.,]\\s*|\\s+)([A-Za-z]+|[0-9]+)"
                                                         "(\\s*[-/.,]\\s*|\\s+)([A-Za-z]+|[0-9]+)$"));
    const QString trimmed = text.trimmed();
    const QRegularExpressionMatch m = shape.match(trimmed);
    if (!m.hasMatch())
        return notADate(trimmed, order);
    const std::array<QString, 3> tokens = {m.captured(1), m.captured(3), m.captured(5)};
    int named = -1;
    for (int i = 0; i < 3; ++i) {
        if (isDigits(tokens.at(static_cast<size_t>(i))))
            continue;
        if (named >= 0)
            return notADate(trimmed, order);
        named = i;
    }
    if (named >= 0)
        return readNamed(trimmed, tokens, named, order);
    // Numbers alone take one separator, the same twice: 06/12-2026 is no date anybody writes.
    const QString first = m.captured(2).trimmed();
    if (first.isEmpty() || first == QLatin1String(",") || first != m.captured(4).trimmed())
        return notADate(trimmed, order);
    return readNumbers(trimmed, tokens, order);
}

std::optional<QDate> parseChequeDate(const QString &text, DateOrder order)
{
    return readChequeDate(text, order).date;
}

QString formatChequeDate(const QDate &date)
{
    return QLocale::c().toString(date, QStringLiteral("dd-MMM-yyyy"));
}

QString dateWindowProblem(const QDate &date, const DateRules &rules)
{
    if (!rules.today.isValid() || !date.isValid())
        return QString();
    const QDate earliest = rules.today.addMonths(-rules.windowMonths);
    const QDate latest = rules.today.addMonths(rules.windowMonths);
    if (date >= earliest && date <= latest)
        return QString();
    return QCoreApplication::translate(
               "ChequeDate", "The date %1 is more than %2 %3 today: a cheque is dated from %4 to %5. Correct the date.")
        .arg(formatChequeDate(date), monthsText(rules.windowMonths),
             date < earliest ? QCoreApplication::translate("ChequeDate", "before")
                             : QCoreApplication::translate("ChequeDate", "after"),
             formatChequeDate(earliest), formatChequeDate(latest));
}

QString dateFlag(const QDate &date, const DateRules &rules)
{
    if (!rules.today.isValid() || !date.isValid())
        return QString();
    if (date > rules.today)
        return QCoreApplication::translate("ChequeDate", "dated %1, after today.").arg(formatChequeDate(date));
    // Valid through the same day that many months on; the day after, a bank may refuse it.
    const QDate lastValid = date.addMonths(rules.staleMonths);
    if (rules.today > lastValid)
        return QCoreApplication::translate(
                   "ChequeDate",
                   "dated %1, more than %2 back: it was valid until %3, and the bank may refuse it as "
                   "stale.")
            .arg(formatChequeDate(date), monthsText(rules.staleMonths), formatChequeDate(lastValid));
    return QString();
}

} // namespace quillset
