#include "IsoDates.h"

namespace quillset {

void appendIsoDate(QString &text, const QDate &date)
{
    if (!date.isValid() || date.year() < 0 || date.year() > 9999) {
        text += date.toString(Qt::ISODate);
        return;
    }
    const int year = date.year();
    const int month = date.month();
    const int day = date.day();
    const char16_t digits[] = {char16_t(u'0' + year / 1000),
                               char16_t(u'0' + year / 100 % 10),
                               char16_t(u'0' + year / 10 % 10),
                               char16_t(u'0' + year % 10),
                               u'-',
                               char16_t(u'0' + month / 10),
                               char16_t(u'0' + month % 10),
                               u'-',
                               char16_t(u'0' + day / 10),
                               char16_t(u'0' + day % 10)};
    text.append(reinterpret_cast<const QChar *>(digits), std::size(digits));
}

QString isoUtcWithMs(const QDateTime &moment)
{
    const QDateTime utc = moment.toUTC();
    const QDate date = utc.date();
    if (!utc.isValid() || date.year() < 0 || date.year() > 9999)
        return utc.toString(Qt::ISODateWithMs);
    QString text;
    text.reserve(24);
    appendIsoDate(text, date);
    const QTime time = utc.time();
    const auto two = [&text](int value) {
        text += QChar(u'0' + value / 10);
        text += QChar(u'0' + value % 10);
    };
    text += u'T';
    two(time.hour());
    text += u':';
    two(time.minute());
    text += u':';
    two(time.second());
    text += u'.';
    text += QChar(u'0' + time.msec() / 100);
    two(time.msec() % 100);
    text += u'Z';
    return text;
}

QDate isoDateIn(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    const QString text = value.toString();
    const auto digit = [&text](qsizetype at) { return text.at(at) >= u'0' && text.at(at) <= u'9'; };
    if (text.size() != 10 || text.at(4) != u'-' || text.at(7) != u'-')
        return value.toDate();
    for (const qsizetype at : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!digit(at))
            return value.toDate();
    }
    const auto number = [&text](qsizetype from, qsizetype length) {
        int result = 0;
        for (qsizetype at = from; at < from + length; ++at)
            result = result * 10 + (text.at(at).unicode() - u'0');
        return result;
    };
    // An impossible day, such as 2026-02-30, is no date, as Qt reads it.
    return QDate(number(0, 4), number(5, 2), number(8, 2));
}

} // namespace quillset
