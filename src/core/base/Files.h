#pragma once

#include <QByteArray>
#include <QString>

namespace quillset {

/// The "format" a leaf layout document names itself by.
inline const QString kLeafLayoutFormat = QStringLiteral("quillset-leaf-layout");
/// A layout is a few kilobytes; a file larger than this is not one.
inline constexpr qint64 kLargestLayoutFile = 1024 * 1024;

/// The kinds of file the program writes. A file is only ever written over an earlier one of its kind.
enum class FileKind { Pdf, Csv, Layout };

/// The copy of a database kept before it is upgraded from `version`: the first of its names that is free.
QString databaseBackupPath(const QString &databaseFile, int version);

/// What the path is when it is there but is not an ordinary file ("a folder", "a named pipe", "a
/// device", "a socket"), or an empty text. Symbolic links are followed.
QString otherThanAFile(const QString &path);

/// The problem with writing a file of that kind at the path, in plain words, or an empty text. A file
/// never goes over the database (`databaseFile`; empty for a server), its journal or its copies, over
/// anything but an ordinary file, or over a file of another kind; an empty file may be replaced.
QString writeTargetProblem(const QString &path, FileKind kind, const QString &databaseFile);

/// Writes the bytes to the path through a temporary file that replaces it only once every byte is
/// on the disk, after the checks of writeTargetProblem. Every write and the final rename are
/// checked, so a full disk is an error and an earlier file stays as it was. Throws Failure.
void writeFile(const QString &path, FileKind kind, const QByteArray &bytes, const QString &databaseFile);

/// The whole of an ordinary file of at most `limit` bytes. A pipe, a device or a folder is refused
/// without being read, so nothing waits on it. `what` names the file in the message ("The layout
/// file"), or is empty where the message's reader knows. Throws Failure in plain words.
QByteArray readFile(const QString &path, qint64 limit, const QString &what);

/// The problem with reading the path as readFile would, or an empty text; nothing is read.
QString readSourceProblem(const QString &path, qint64 limit, const QString &what);

} // namespace quillset
