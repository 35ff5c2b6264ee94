#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

namespace quillset {

class Connection;

/// The rows of one statement, read one at a time, for reads of many rows (a month's report, the
/// register's check): a backend may read them straight from its own library, where Qt's driver
/// turns every value into UTF-16 and a QVariant first. Columns count from 0.
class RowCursor
{
public:
    virtual ~RowCursor() = default;

    /// Steps to the next row; false after the last. Throws Failure when the read failed, so that a
    /// read error is never taken for a shorter list.
    virtual bool next() = 0;
    virtual QStringList columnNames() const = 0;
    virtual bool isNull(int column) const = 0;
    /// The value as text: "" for none, a number's digits for a number.
    virtual QString text(int column) const = 0;
    /// The value as a whole number: 0 for none.
    virtual qint64 number(int column) const = 0;
    /// The value as Qt's driver would give it: null, a whole number, a fraction or a text.
    virtual QVariant value(int column) const = 0;
};

} // namespace quillset
