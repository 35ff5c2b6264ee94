#pragma once

// A temporary folder with a register made by the program itself, and the environment every timed
// process shares: no display, a fixed today, the private runtime folder Qt asks for.

#include "PairedRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace bench {

class Scratch
{
public:
    Scratch()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QUILLSET_TODAY", "2026-12-08");
        const QString runtime = m_folder.filePath(QStringLiteral("runtime"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
        // The workstation's settings live here too, so no run reads or writes the user's own.
        qputenv("XDG_CONFIG_HOME", m_folder.filePath(QStringLiteral("config")).toLocal8Bit());
        runProcess({program(), QStringLiteral("--database"), database(), QStringLiteral("--initialise"),
                    QStringLiteral("--sample-account")});
    }

    static QString program() { return QStringLiteral(QUILLSET_PROGRAM); }
    QString database() const { return m_folder.filePath(QStringLiteral("Records.mdb")); }
    QString file(const QString &name) const { return m_folder.filePath(name); }

    /// The program's own command line on this folder's register.
    QStringList quillset(const QStringList &arguments) const
    {
        return QStringList {program(), QStringLiteral("--database"), database()} + arguments;
    }

    void write(const QString &name, const QByteArray &contents) const
    {
        QFile out(file(name));
        if (!out.open(QIODevice::WriteOnly) || out.write(contents) != contents.size())
            std::exit(1);
    }

private:
    QTemporaryDir m_folder;
};

/// A batch file of `count` cheques to distinct payees, every other one crossed.
inline QByteArray batchFile(int count)
{
    QByteArray csv = "Pay,Amount,Date,Cheque,Stamp\n";
    for (int i = 0; i < count; ++i)
        csv += QStringLiteral("\"Payee number %1, Ltd\",%2,06-Dec-2026,%3,%4\n")
                   .arg(i)
                   .arg(1000 + i * 7919)
                   .arg(100000 + i)
                   .arg(i % 2 ? QStringLiteral("yes") : QStringLiteral("no"))
                   .toUtf8();
    return csv;
}

} // namespace bench
