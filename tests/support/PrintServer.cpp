#include "PrintServer.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>

namespace quillset::test {

namespace {

const QString kQueue = QStringLiteral("QuillsetTest");

int jobNumber(const QString &file)
{
    return QFileInfo(file).completeBaseName().section(u'-', 1).toInt();
}

} // namespace

PrintServer::~PrintServer()
{
    if (m_started)
        script(QStringLiteral("stop"));
}

int PrintServer::start()
{
    const int started = script(QStringLiteral("start"));
    m_started = started == 0;
    if (m_started) {
        qputenv("CUPS_SERVER", QFile::encodeName(m_folder.filePath(QStringLiteral("cups.sock"))));
        qputenv("LPDEST", kQueue.toLatin1());
    }
    return started;
}

int PrintServer::script(const QString &command, const QString &argument)
{
    QProcess process;
    QStringList arguments = {QStringLiteral(QUILLSET_PRINT_QUEUE_SCRIPT), command, m_folder.path()};
    if (!argument.isEmpty())
        arguments.append(argument);
    process.start(QStringLiteral("bash"), arguments);
    process.waitForFinished(60000);
    if (process.exitCode() != 0)
        qWarning("%s", process.readAllStandardError().constData());
    return process.exitCode();
}

int PrintServer::lp(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program,
                  QStringList {QStringLiteral("-h"), m_folder.filePath(QStringLiteral("cups.sock"))} + arguments);
    process.waitForFinished(60000);
    return process.exitCode();
}

QStringList PrintServer::jobs(const QString &which)
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"),
                 {QStringLiteral("-h"), m_folder.filePath(QStringLiteral("cups.sock")), QStringLiteral("-W"), which,
                  QStringLiteral("-o")});
    lpstat.waitForFinished(30000);
    return QString::fromLocal8Bit(lpstat.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

void PrintServer::holdJobs(bool hold)
{
    lp(QStringLiteral("lpadmin"),
       {QStringLiteral("-p"), kQueue, QStringLiteral("-o"),
        hold ? QStringLiteral("job-hold-until-default=indefinite") : QStringLiteral("job-hold-until-default=no-hold")});
}

void PrintServer::reset()
{
    qputenv("LPDEST", kQueue.toLatin1());
    holdJobs(false);
    script(QStringLiteral("thaw"));
    script(QStringLiteral("printer"), QStringLiteral("ok"));
    lp(QStringLiteral("cancel"), {QStringLiteral("-a"), QStringLiteral("-x")});
    lp(QStringLiteral("cupsenable"), {kQueue});
    lp(QStringLiteral("cupsaccept"), {kQueue});
}

QStringList PrintServer::printedFiles() const
{
    QStringList files;
    const QDir out(m_folder.filePath(QStringLiteral("out")));
    for (const QString &file : out.entryList({QStringLiteral("job-*.pdf")}, QDir::Files))
        files.append(out.filePath(file));
    std::sort(files.begin(), files.end(),
              [](const QString &a, const QString &b) { return jobNumber(a) < jobNumber(b); });
    return files;
}

QStringList PrintServer::printedSince(const QStringList &before) const
{
    QStringList files = printedFiles();
    files.removeIf([&](const QString &file) { return before.contains(file); });
    return files;
}

QString pdfText(const QString &pdfPath)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdfPath, QStringLiteral("-")});
    text.waitForFinished(60000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

} // namespace quillset::test
