#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

namespace quillset {

// Dates as the register stores them, YYYY-MM-DD, read and written by hand: Qt's general date
// formatting goes through the calendar and locale machinery, thousands of instructions a date,
// which is most of the time a month's report takes.

/// Appends the date as YYYY-MM-DD; a date outside the years 0-9999, or none, as Qt writes it.
void appendIsoDate(QString &text, const QDate &date);

/// The moment in UTC as YYYY-MM-DDTHH:MM:SS.mmmZ, exactly as Qt writes it with ISODateWithMs.
QString isoUtcWithMs(const QDateTime &moment);

/// The date in a value a database gave back: a date itself, or a text YYYY-MM-DD; anything else
/// as QVariant::toDate() reads it.
QDate isoDateIn(const QVariant &value);

} // namespace quillset
