#include "BatchWords.h"

#include "core/cheque/ChequeNumber.h"

#include <QCoreApplication>

#include <algorithm>

namespace quillset {

namespace {

const QChar kDash(0x2013); // an en dash, as a range is written

QString joinedInWords(const QStringList &parts)
{
    if (parts.size() <= 1)
        return parts.join(QString());
    return parts.mid(0, parts.size() - 1).join(QStringLiteral(", "))
        + QCoreApplication::translate("BatchWords", " and ") + parts.last();
}

} // namespace

QString linesInWords(QList<int> lines)
{
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    QStringList runs;
    for (qsizetype i = 0; i < lines.size();) {
        qsizetype end = i;
        while (end + 1 < lines.size() && lines.at(end + 1) == lines.at(end) + 1)
            ++end;
        // Two lines are named each; three or more that follow each other are a run.
        if (end == i + 1)
            end = i;
        runs.append(end == i ? QString::number(lines.at(i))
                             : QString(QString::number(lines.at(i)) + kDash + QString::number(lines.at(end))));
        i = end + 1;
    }
    const bool one = lines.size() == 1;
    return (one ? QCoreApplication::translate("BatchWords", "line ")
                : QCoreApplication::translate("BatchWords", "lines "))
        + joinedInWords(runs);
}

QString numberRuns(const QStringList &numbers)
{
    QStringList runs;
    for (qsizetype i = 0; i < numbers.size();) {
        qsizetype end = i;
        while (end + 1 < numbers.size() && isDigitNumber(numbers.at(end))
               && numbers.at(end + 1) == numberAfter(numbers.at(end)))
            ++end;
        runs.append(end == i ? numbers.at(i) : numbers.at(i) + kDash + numbers.at(end));
        i = end + 1;
    }
    return runs.join(QStringLiteral(", "));
}

} // namespace quillset
