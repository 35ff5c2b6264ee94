#pragma once

#include <QStringList>
#include <QTemporaryDir>

namespace quillset::test {

/// The private CUPS server of the end-to-end print tests (tests/e2e/print-queue.sh), in a temporary
/// folder of its own: its default queue QuillsetTest writes each job's PDF to a file, and its
/// printer can be told to play the faults of a real one. Stopped when it goes.
class PrintServer
{
public:
    PrintServer() = default;
    ~PrintServer();
    PrintServer(const PrintServer &) = delete;
    PrintServer &operator=(const PrintServer &) = delete;

    /// Starts the server and points this process, and the programs it starts, at it alone: 0 when it
    /// runs, 3 when CUPS is not installed, another status when it failed.
    int start();
    /// Runs the script's command on this server ("printer", "freeze", "thaw"...); its exit status.
    int script(const QString &command, const QString &argument = QString());
    /// Runs a CUPS client program (lp, cancel, cupsdisable...) on this server; its exit status.
    int lp(const QString &program, const QStringList &arguments);
    /// The jobs the server holds ("all", the finished ones included, or "not-completed").
    QStringList jobs(const QString &which = QStringLiteral("all"));
    /// Holds every job the default queue takes until it is released, as a paused printer does.
    void holdJobs(bool hold);
    /// Puts the server back as it started: running, the printer well, every queue taking jobs and
    /// none left, QuillsetTest the default.
    void reset();

    /// The PDF files the printer put out, in the order it printed them.
    QStringList printedFiles() const;
    /// Those of printedFiles() not among `before`.
    QStringList printedSince(const QStringList &before) const;

private:
    QTemporaryDir m_folder;
    bool m_started = false;
};

/// The text pdftotext finds in a PDF file.
QString pdfText(const QString &pdfPath);

} // namespace quillset::test
