#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace quillset {

/// One row of a batch as it stands in the file: the line it starts on and its texts by column.
struct BatchRow
{
    int line = 0;
    QMap<QString, QString> texts; ///< by the column's name as the program knows it: "Pay", "Amount", ...
};

/// A problem with the file or a row, as the operator is told it.
struct BatchProblem
{
    int line = 0; ///< 0 for the file as a whole
    QString column; ///< empty when the whole row or file is meant
    QString reason;

    QString text() const;
};

/// A batch file read: its rows, what was wrong with it as a file, and what identifies its content.
struct BatchFile
{
    QString name; ///< the file's name, without its folder
    QByteArray hash; ///< SHA-256 of the content, in hex: the same content is the same batch
    QList<BatchRow> rows;
    QList<BatchProblem> problems;
};

/// The columns a batch may have: "Pay", "Amount" and "Date" are needed.
const QStringList &batchColumns();

/// Reads CSV as spreadsheets write it (UTF-8 with or without a byte-order mark, comma, semicolon or
/// tab between fields, fields quoted with embedded commas, quotes and line breaks) with a header
/// row naming the columns in any case. Unknown and missing columns are problems of the file.
BatchFile readBatch(const QByteArray &content, const QString &name);

/// The largest batch file read: far more rows than any run prints.
inline constexpr qint64 kLargestBatchFile = 32 * 1024 * 1024;

/// Reads the file at `path`; a file that cannot be read (or is a pipe, a device, a folder or larger
/// than kLargestBatchFile) is a problem of the file.
BatchFile readBatchFile(const QString &path);

} // namespace quillset
