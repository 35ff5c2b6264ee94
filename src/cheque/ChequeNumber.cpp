#include "ChequeNumber.h"

#include <QRegularExpression>

#include <algorithm>

namespace quillset {

bool isDigitNumber(const QString &number)
{
    return !number.isEmpty()
        && std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString numberKey(const QString &number)
{
    if (!isDigitNumber(number))
        return number;
    const qsizetype first = number.indexOf(QRegularExpression(QStringLiteral("[1-9]")));
    return first < 0 ? QStringLiteral("0") : number.mid(first);
}

QString numberAfter(const QString &number)
{
    if (!isDigitNumber(number))
        return QString();
    // Decimal addition on the text itself, so that any length of number is counted exactly.
    QString next = number;
    for (qsizetype i = next.size() - 1; i >= 0; --i) {
        if (next.at(i) != u'9') {
            next[i] = QChar(next.at(i).unicode() + 1);
            return next;
        }
        next[i] = u'0';
    }
    return u'1' + next;
}

} // namespace quillset
