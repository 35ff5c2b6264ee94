#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <memory>

namespace quillset {

class PageMetrics;
class PrintQueue;
class Prompter;
class Store;

/// What every window needs from outside itself, so that tests can put their own doubles in.
struct AppServices
{
    /// The program's real services: the system's print server, the program's folder, file dialogs.
    /// Tests replace what they need to watch.
    explicit AppServices(Prompter &prompter);
    ~AppServices();

    Prompter &prompter;
    /// The database; open for as long as any window is.
    Store *store = nullptr;
    /// Today's date, replaceable so that date tests repeat exactly.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    /// The print queue a cheque goes to: the system's print server, or a double in tests.
    std::function<std::shared_ptr<PrintQueue>()> printQueue;
    /// The page and text measures every composition uses.
    std::shared_ptr<const PageMetrics> metrics;
    /// Where the program's own files live, such as the report definition.
    QString programFolder;
    /// Asks where to save a file (caption, suggested name, filter); empty when the operator declines.
    std::function<QString(const QString &, const QString &, const QString &)> chooseSaveFile;
    /// Asks which file to open (caption, filter); empty when the operator declines.
    std::function<QString(const QString &, const QString &)> chooseOpenFile;
    /// Asks which folder to use (caption, folder to start in); empty when the operator declines.
    std::function<QString(const QString &, const QString &)> chooseFolder;
    /// This workstation, as a pending row names it.
    QString workstation;
    /// True while a cheque is printing: every print and preview command does nothing then, and the
    /// windows that print stay open.
    bool printing = false;
};

/// Holds the print gate shut for as long as it lives.
class PrintGate
{
public:
    explicit PrintGate(AppServices &services)
        : m_printing(services.printing)
    {
        m_printing = true;
    }
    ~PrintGate() { m_printing = false; }
    PrintGate(const PrintGate &) = delete;
    PrintGate &operator=(const PrintGate &) = delete;

private:
    bool &m_printing;
};

} // namespace quillset
