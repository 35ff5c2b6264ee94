#include "BatchFile.h"

#include "core/Failure.h"
#include "core/Files.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <csv.h>

#include <algorithm>
#include <memory>

namespace quillset {

namespace {

// What the parser's callbacks build: the records, each with the line it starts on.
struct Records
{
    QList<QStringList> rows;
    QList<int> lines;
    QStringList current;
    int currentLine = 1;
};

void onField(void *field, size_t length, void *data)
{
    auto *records = static_cast<Records *>(data);
    records->current.append(QString::fromUtf8(static_cast<const char *>(field), static_cast<qsizetype>(length)));
}

void onRecordEnd(int, void *data)
{
    auto *records = static_cast<Records *>(data);
    records->rows.append(records->current);
    records->current.clear();
}

// The separator a spreadsheet chose: the one the header line uses most (outside quotes).
char separatorOf(const QByteArray &content)
{
    int commas = 0;
    int semicolons = 0;
    int tabs = 0;
    bool quoted = false;
    for (const char c : content) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
        else if (!quoted && c == '\t')
            ++tabs;
    }
    if (tabs > commas && tabs > semicolons)
        return '\t';
    return semicolons > commas ? ';' : ',';
}

// Only blanks are trimmed around an unquoted field: a tab may be what separates the fields.
int isBlank(unsigned char c)
{
    return c == CSV_SPACE ? 1 : 0;
}

Records parse(const QByteArray &content, char separator, QString &error)
{
    Records records;
    csv_parser parser {};
    csv_init(&parser, CSV_APPEND_NULL);
    const std::unique_ptr<csv_parser, void (*)(csv_parser *)> owner(&parser, csv_free);
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    csv_set_space_func(&parser, isBlank);
    // Fed one byte at a time, so that each record is known by the line it starts on.
    int line = 1;
    bool atRecordStart = true;
    qsizetype recordsBefore = 0;
    for (const char c : content) {
        if (atRecordStart && c != '\n' && c != '\r') {
            records.currentLine = line;
            atRecordStart = false;
        }
        if (csv_parse(&parser, &c, 1, onField, onRecordEnd, &records) != 1) {
            error = QString::fromLatin1(csv_strerror(csv_error(&parser)));
            return records;
        }
        if (records.rows.size() > recordsBefore) {
            records.lines.append(records.currentLine);
            recordsBefore = records.rows.size();
            atRecordStart = true;
        }
        if (c == '\n')
            ++line;
    }
    csv_fini(&parser, onField, onRecordEnd, &records);
    if (records.rows.size() > recordsBefore)
        records.lines.append(records.currentLine);
    return records;
}

} // namespace

QString BatchProblem::text() const
{
    QString where = line > 0 ? QStringLiteral("Line %1").arg(line) : QStringLiteral("The file");
    if (!column.isEmpty())
        where += QStringLiteral(", %1").arg(column);
    return where + QStringLiteral(": ") + reason;
}

const QStringList &batchColumns()
{
    static const QStringList columns = {QStringLiteral("Cheque"), QStringLiteral("Pay"),     QStringLiteral("Amount"),
                                        QStringLiteral("Date"),   QStringLiteral("Account"), QStringLiteral("Stamp")};
    return columns;
}

BatchFile readBatch(const QByteArray &content, const QString &name)
{
    BatchFile batch;
    batch.name = name;
    batch.hash = QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
    QByteArray text = content;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    QString error;
    const Records records = parse(text, separatorOf(text), error);
    if (!error.isEmpty()) {
        batch.problems.append(
            {0, QString(), QStringLiteral("it is not CSV a spreadsheet could have written (%1).").arg(error)});
        return batch;
    }
    if (records.rows.isEmpty()) {
        batch.problems.append({0, QString(), QStringLiteral("it is empty; the first line names the columns.")});
        return batch;
    }
    // The header: every name known, none twice, the needed ones there.
    QStringList header;
    for (const QString &cell : records.rows.first()) {
        const QString trimmed = cell.trimmed();
        QString known;
        for (const QString &column : batchColumns()) {
            if (trimmed.compare(column, Qt::CaseInsensitive) == 0)
                known = column;
        }
        if (known.isEmpty())
            batch.problems.append({records.lines.first(), trimmed,
                                   QStringLiteral("there is no column \"%1\"; the columns are %2.")
                                       .arg(trimmed, batchColumns().join(QStringLiteral(", ")))});
        else if (header.contains(known))
            batch.problems.append(
                {records.lines.first(), known, QStringLiteral("the column \"%1\" is named twice.").arg(known)});
        header.append(known);
    }
    for (const QString &needed : {QStringLiteral("Pay"), QStringLiteral("Amount"), QStringLiteral("Date")}) {
        if (!header.contains(needed))
            batch.problems.append(
                {records.lines.first(), needed, QStringLiteral("the column \"%1\" is missing.").arg(needed)});
    }
    if (!batch.problems.isEmpty())
        return batch;
    for (qsizetype r = 1; r < records.rows.size(); ++r) {
        const QStringList &cells = records.rows.at(r);
        // A line of nothing but separators is a blank line of the spreadsheet.
        if (std::all_of(cells.begin(), cells.end(), [](const QString &cell) { return cell.trimmed().isEmpty(); }))
            continue;
        BatchRow row;
        row.line = records.lines.at(r);
        if (cells.size() > header.size())
            batch.problems.append({row.line, QString(),
                                   QStringLiteral("it has %1 fields, more than the %2 columns named in the first line.")
                                       .arg(cells.size())
                                       .arg(header.size())});
        for (qsizetype c = 0; c < header.size(); ++c)
            row.texts.insert(header.at(c), c < cells.size() ? cells.at(c) : QString());
        batch.rows.append(row);
    }
    if (batch.rows.isEmpty() && batch.problems.isEmpty())
        batch.problems.append({0, QString(), QStringLiteral("it has no cheques, only the line of column names.")});
    return batch;
}

BatchFile readBatchFile(const QString &path)
{
    QByteArray content;
    try {
        content = readFile(path, kLargestBatchFile, QString()); // said as a problem of "The file"
    } catch (const Failure &failure) {
        BatchFile batch;
        batch.name = QFileInfo(path).fileName();
        batch.problems.append({0, QString(), failure.description()});
        return batch;
    }
    return readBatch(content, QFileInfo(path).fileName());
}

} // namespace quillset
