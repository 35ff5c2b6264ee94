#include "Files.h"

#include "core/base/Failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillset {

namespace {

// The largest earlier file that is read to learn whether it is of the kind about to replace it.
constexpr qint64 kKindSample = 64 * 1024;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// What a message says of a file it reads: "The layout file "x"", or the name alone.
QString subjectOf(const QString &what, const QString &path)
{
    return QStringLiteral("%1\"%2\"").arg(what.isEmpty() ? QString() : what + u' ', shown(path));
}

QString systemError(int number)
{
    return QString::fromLocal8Bit(std::strerror(number));
}

QString megabytes(qint64 bytes)
{
    return QCoreApplication::translate("Files", "%1 MB")
        .arg(QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1));
}

QString kindName(FileKind kind)
{
    switch (kind) {
    case FileKind::Pdf:
        return QCoreApplication::translate("Files", "PDF file");
    case FileKind::Csv:
        return QCoreApplication::translate("Files", "CSV file");
    case FileKind::Layout:
        return QCoreApplication::translate("Files", "leaf layout");
    }
    return QString();
}

enum class DatabasePart { None, Database, Copy };

// The path as the system finds it, also for a file that is not there yet.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : folder + u'/' + info.fileName();
}

DatabasePart databasePart(const QString &path, const QString &databaseFile)
{
    if (path.isEmpty() || databaseFile.isEmpty())
        return DatabasePart::None;
    const QString database = resolved(databaseFile);
    // The journal and the half-made copy are the database itself; the copies kept before upgrades
    // are named as databaseBackupPath names them.
    static const QRegularExpression part(QStringLiteral("^(-journal|-wal|-shm|\\.partial)?$"));
    static const QRegularExpression copy(QStringLiteral("^\\.v\\d+(-\\d+)?\\.bak$"));
    for (const QString &candidate : {resolved(path), QDir::cleanPath(QFileInfo(path).absoluteFilePath())}) {
        if (!candidate.startsWith(database))
            continue;
        const QString rest = candidate.mid(database.size());
        if (part.match(rest).hasMatch())
            return DatabasePart::Database;
        if (copy.match(rest).hasMatch())
            return DatabasePart::Copy;
    }
    return DatabasePart::None;
}

// Reads at most `limit` bytes of an ordinary file. Opened without waiting, and looked at again once
// open, so that a pipe put in the file's place after it was checked is refused rather than waited on.
std::optional<QByteArray> readOrdinary(const QString &path, qint64 limit, QString &problem)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        problem = systemError(errno);
        return std::nullopt;
    }
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        problem = QCoreApplication::translate("Files", "it is not an ordinary file");
        return std::nullopt;
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        problem = file.errorString();
        return std::nullopt;
    }
    // In pieces, so that only what the file holds is ever kept, however large the limit.
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(qMin<qint64>(status.st_size, limit)));
    char piece[64 * 1024];
    while (bytes.size() < limit) {
        const qint64 got = file.read(piece, qMin<qint64>(sizeof piece, limit - bytes.size()));
        if (got < 0) {
            problem = file.errorString();
            return std::nullopt;
        }
        if (got == 0)
            break;
        bytes.append(piece, static_cast<qsizetype>(got));
    }
    return bytes;
}

// A short write is asked again for the rest, so that the system says why it stopped.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 wrote = file.write(bytes.constData() + done, bytes.size() - done);
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return true;
}

// Text without control characters but tabs and line ends, whose first line holds a field separator.
bool looksLikeCsv(const QByteArray &head)
{
    for (const char c : head) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7f)
            return false;
    }
    QByteArray first = head.left(head.indexOf('\n'));
    if (first.startsWith("\xEF\xBB\xBF"))
        first.remove(0, 3);
    first = first.trimmed();
    if (first.startsWith('{') || first.startsWith('[') || first.startsWith('<'))
        return false;
    return first.contains(',') || first.contains(';') || first.contains('\t');
}

bool looksLikeLayout(const QByteArray &document)
{
    const QJsonDocument parsed = QJsonDocument::fromJson(document);
    return parsed.isObject() && parsed.object().value(QStringLiteral("format")).toString() == kLeafLayoutFormat;
}

bool isOfKind(const QByteArray &content, FileKind kind)
{
    switch (kind) {
    case FileKind::Pdf:
        return content.startsWith("%PDF-");
    case FileKind::Csv:
        return looksLikeCsv(content);
    case FileKind::Layout:
        return looksLikeLayout(content);
    }
    return false;
}

} // namespace

QString databaseBackupPath(const QString &databaseFile, int version)
{
    QString backup = QStringLiteral("%1.v%2.bak").arg(databaseFile).arg(version);
    for (int n = 2; QFileInfo::exists(backup); ++n)
        backup = QStringLiteral("%1.v%2-%3.bak").arg(databaseFile).arg(version).arg(n);
    return backup;
}

QString otherThanAFile(const QString &path)
{
    struct stat status = {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return QString();
    if (S_ISDIR(status.st_mode))
        return QCoreApplication::translate("Files", "a folder");
    if (S_ISFIFO(status.st_mode))
        return QCoreApplication::translate("Files", "a named pipe");
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return QCoreApplication::translate("Files", "a device");
    if (S_ISSOCK(status.st_mode))
        return QCoreApplication::translate("Files", "a socket");
    return QCoreApplication::translate("Files", "something other than a file");
}

QString writeTargetProblem(const QString &path, FileKind kind, const QString &databaseFile)
{
    const QString name = kindName(kind);
    if (path.isEmpty())
        return QCoreApplication::translate("Files", "No name was given for the %1 to write.").arg(name);
    switch (databasePart(path, databaseFile)) {
    case DatabasePart::Database:
        return QCoreApplication::translate(
                   "Files",
                   "\"%1\" is the database Quillset is using; a %2 is never written over it. Choose "
                   "another name.")
            .arg(shown(path), name);
    case DatabasePart::Copy:
        return QCoreApplication::translate(
                   "Files",
                   "\"%1\" is a copy of the database, kept before an upgrade; a %2 is never written over "
                   "it. Choose another name.")
            .arg(shown(path), name);
    case DatabasePart::None:
        break;
    }
    const QFileInfo target(path);
    if (!target.exists())
        return QString(); // a missing folder is said when the file is written
    if (target.isDir())
        return QCoreApplication::translate("Files", "\"%1\" is a folder; name a file in it.").arg(shown(path));
    if (const QString other = otherThanAFile(path); !other.isEmpty())
        return QCoreApplication::translate(
                   "Files", "\"%1\" is %2, not an ordinary file; a %3 is only written to an ordinary file.")
            .arg(shown(path), other, name);
    if (target.size() == 0)
        return QString(); // nothing to lose
    QString unreadable;
    const qint64 sample = kind == FileKind::Layout ? kLargestLayoutFile + 1 : kKindSample;
    const std::optional<QByteArray> content = readOrdinary(path, sample, unreadable);
    if (!content)
        return QCoreApplication::translate(
                   "Files",
                   "\"%1\" is there already and cannot be read (%2), so it is not known to be an earlier "
                   "%3. Choose another name.")
            .arg(shown(path), unreadable, name);
    if (!isOfKind(*content, kind))
        return QCoreApplication::translate(
                   "Files",
                   "\"%1\" is there already and is not a %2; a %2 is only ever written over an earlier "
                   "one. Choose another name.")
            .arg(shown(path), name);
    return QString();
}

void writeFile(const QString &path, FileKind kind, const QByteArray &bytes, const QString &databaseFile)
{
    if (const QString problem = writeTargetProblem(path, kind, databaseFile); !problem.isEmpty())
        throw Failure(ErrorNumber::FileWrite, problem);
    QSaveFile file(path);
    QString error;
    // Unbuffered, so that every write reaches the system and is checked: a buffer flushed only when
    // the file is committed loses the error of a full disk, and a small file would go in empty.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        error = file.errorString();
    else if (!writeAll(file, bytes))
        error = file.errorString();
    else if (::fsync(file.handle()) != 0)
        error = systemError(errno); // a disk that defers its writes reports a full disk here
    else if (!file.commit())
        error = file.errorString();
    if (!error.isEmpty())
        throw Failure(ErrorNumber::FileWrite,
                      QCoreApplication::translate(
                          "Files",
                          "The %1 \"%2\" could not be written: %3. Any earlier file of that name is as it "
                          "was.")
                          .arg(kindName(kind), shown(path), error));
}

QString readSourceProblem(const QString &path, qint64 limit, const QString &what)
{
    if (path.isEmpty())
        return what.isEmpty() ? QCoreApplication::translate("Files", "No file was named.")
                              : QCoreApplication::translate("Files", "%1 was not named.").arg(what);
    const QString subject = subjectOf(what, path);
    const QFileInfo source(path);
    if (!source.exists())
        return QCoreApplication::translate("Files", "%1 does not exist.").arg(subject);
    if (const QString other = otherThanAFile(path); !other.isEmpty())
        return QCoreApplication::translate("Files", "%1 is %2, not an ordinary file; only ordinary files are read.")
            .arg(subject, other);
    if (source.size() > limit)
        return QCoreApplication::translate("Files", "%1 is too large (%2; at most %3 is read).")
            .arg(subject, megabytes(source.size()), megabytes(limit));
    return QString();
}

QByteArray readFile(const QString &path, qint64 limit, const QString &what)
{
    if (const QString problem = readSourceProblem(path, limit, what); !problem.isEmpty())
        throw Failure(ErrorNumber::FileRead, problem);
    const QString subject = subjectOf(what, path);
    QString problem;
    std::optional<QByteArray> content = readOrdinary(path, limit + 1, problem);
    if (!content)
        throw Failure(ErrorNumber::FileRead,
                      QCoreApplication::translate("Files", "%1 cannot be read: %2.").arg(subject, problem));
    if (content->size() > limit) // it grew since it was looked at
        throw Failure(
            ErrorNumber::FileRead,
            QCoreApplication::translate("Files", "%1 is too large (more than %2).").arg(subject, megabytes(limit)));
    return *std::move(content);
}

} // namespace quillset
