#include "ChequeNumber.h"

#include <QCoreApplication>

#include <algorithm>

namespace quillset {

namespace {

// Exactly the characters the store's trigger trims, so the program's key and the trigger's agree.
bool isBlankAround(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == u'\u00a0'
        || c == u'\u3000';
}

} // namespace

QString normalisedNumber(const QString &typed)
{
    QString number = typed;
    for (QChar &c : number) {
        if (c >= u'\uff10' && c <= u'\uff19')
            c = QChar(u'0' + (c.unicode() - 0xff10));
    }
    qsizetype first = 0;
    qsizetype end = number.size();
    while (first < end && isBlankAround(number.at(first)))
        ++first;
    while (end > first && isBlankAround(number.at(end - 1)))
        --end;
    return number.mid(first, end - first);
}

bool isDigitNumber(const QString &number)
{
    return !number.isEmpty()
        && std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString numberProblem(const QString &typed)
{
    const QString number = normalisedNumber(typed);
    if (number.isEmpty() || isDigitNumber(number))
        return QString();
    return QCoreApplication::translate("ChequeNumber",
                                       "The cheque number \"%1\" must be digits only, as it is printed on the leaf.")
        .arg(typed);
}

QString numberKey(const QString &number)
{
    const QString normalised = normalisedNumber(number);
    if (!isDigitNumber(normalised))
        return normalised;
    const auto first = std::find_if(normalised.begin(), normalised.end(), [](QChar c) { return c != u'0'; });
    return first == normalised.end() ? QStringLiteral("0") : QString(first, normalised.end() - first);
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
