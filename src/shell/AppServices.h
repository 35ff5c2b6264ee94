#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <memory>

namespace quillset {

class Prompter;
class PrinterServices;

/// What every window needs from outside itself, so that tests can put their own doubles in.
struct AppServices
{
    /// The program's real services: the default printer, the program's folder, file dialogs. Tests
    /// replace what they need to watch.
    explicit AppServices(Prompter &prompter);

    Prompter &prompter;
    /// Today's date, replaceable so that date tests repeat exactly.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    /// The printer a cheque goes to: the system's default printer, or a double in tests.
    std::function<std::shared_ptr<PrinterServices>()> makePrinter;
    /// Where the program's own files live, such as the report definition.
    QString programFolder;
    /// Asks where to save a file (caption, suggested name, filter); empty when the operator declines.
    std::function<QString(const QString &, const QString &, const QString &)> chooseSaveFile;
};

} // namespace quillset
