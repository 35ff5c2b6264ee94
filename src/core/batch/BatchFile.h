#pragma once

#include "core/base/Failure.h"

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
    bool operator==(const BatchProblem &) const = default;
};

/// Problems said once for each cause, with every line it touches: "Lines 2–26, Cheque: ...".
QStringList groupedProblemLines(const QList<BatchProblem> &problems);

/// A batch file read: its rows, what was wrong with it as a file, and what identifies its content.
struct BatchFile
{
    QString name; ///< the file's name, without its folder
    QByteArray hash; ///< SHA-256 of the content, in hex: the same content is the same batch
    QString encoding; ///< what its bytes were read as, in words: "UTF-8", "UTF-16 little-endian", ...
    QList<BatchRow> rows;
    QList<BatchProblem> problems;
};

/// The columns a batch may have: "Pay", "Amount" and "Date" are needed.
const QStringList &batchColumns();

/// Reads CSV as spreadsheets write it, with a header row naming the columns in any case. The bytes
/// are UTF-8 (with or without a byte-order mark) or UTF-16 with its mark; any other encoding is
/// read only when `encoding` names it (such as "windows-1252"), and a file that is not what it is
/// read as is refused, naming the line and the byte. Records end with LF, CRLF or CR, mixed or not,
/// and each row is known by the physical line it starts on. Comma, semicolon or tab separate the
/// fields, or the separator a first line "sep=;" names; fields may be quoted with separators,
/// quotes and line breaks inside; a trailing empty column is no column. Unknown and missing columns
/// are problems of the file. The hash is of the bytes as they are, however they are read.
BatchFile readBatch(const QByteArray &content, const QString &name, const QString &encoding = QString(),
                    Audience audience = Audience::Window);

/// True when the converters know an encoding by that name.
bool isKnownEncoding(const QString &encoding);

/// The encodings offered by name besides UTF-8 and UTF-16: those spreadsheets write plain CSV in.
QStringList offeredEncodings();

/// The largest batch file read: far more rows than any run prints.
inline constexpr qint64 kLargestBatchFile = 32 * 1024 * 1024;

/// Reads the file at `path`; a file that cannot be read (or is a pipe, a device, a folder or larger
/// than kLargestBatchFile) is a problem of the file.
BatchFile readBatchFile(const QString &path, const QString &encoding = QString(), Audience audience = Audience::Window);

} // namespace quillset
