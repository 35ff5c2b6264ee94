#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quillset {

/// Lines of a batch in plain words, runs joined: "line 4", "lines 2–26", "lines 2, 5 and 7–9".
QString linesInWords(QList<int> lines);

/// Cheque numbers in the order given, numbers that follow each other joined into runs:
/// "000101–000125, 000130".
QString numberRuns(const QStringList &numbers);

} // namespace quillset
