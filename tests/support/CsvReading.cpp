#include "CsvReading.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTest>

namespace quillset::test {

QList<QStringList> pythonCsvRows(const QString &path, QChar separator)
{
    // strict: a stray quote is an error rather than a guess, as a bank's reader would take it.
    static const QString kScript
        = QStringLiteral("import csv, json, sys\n"
                         "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                         "    print(json.dumps(list(csv.reader(f, delimiter=sys.argv[2], strict=True))))\n");
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), kScript, path, QString(separator)});
    if (!python.waitForFinished(30000) || python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0) {
        QTest::qFail(qPrintable(QStringLiteral("Python's csv module did not read %1: %2")
                                    .arg(path, QString::fromUtf8(python.readAllStandardError()))),
                     __FILE__, __LINE__);
        return {};
    }
    QList<QStringList> rows;
    for (const QJsonValue &row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        QStringList fields;
        for (const QJsonValue &field : row.toArray())
            fields.append(field.toString());
        rows.append(fields);
    }
    return rows;
}

} // namespace quillset::test
