#pragma once

#include <QFile>
#include <QProcess>
#include <QString>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

namespace quillset::test {

/// Makes a named pipe, as a file name could name one; true when it was made.
inline bool makePipe(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

/// A disk that takes no more than `bytes` of any file, for as long as this lives: every write past
/// it fails as a full disk's does, in this process only (RLIMIT_FSIZE, with its signal ignored).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_ignored = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limited = m_before;
        limited.rlim_cur = bytes;
        m_set = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_ignored);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isSet() const { return m_set; }

private:
    rlimit m_before {};
    void (*m_ignored)(int) = SIG_DFL;
    bool m_set = false;
};

/// Starts the process with a disk that takes no more than `bytes` of any file it writes.
inline void limitFileSize(QProcess &process, rlim_t bytes)
{
    process.setChildProcessModifier([bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited {};
        ::getrlimit(RLIMIT_FSIZE, &limited);
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    });
}

} // namespace quillset::test
