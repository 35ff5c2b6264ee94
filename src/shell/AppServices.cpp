#include "AppServices.h"

#include "layout/SystemPrinter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace quillset {

AppServices::AppServices(Prompter &prompter)
    : prompter(prompter)
    , makePrinter([] { return std::make_shared<SystemPrinter>(); })
    , programFolder(QCoreApplication::applicationDirPath())
    , chooseSaveFile([](const QString &caption, const QString &suggested, const QString &filter) {
        return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, QDir::home().filePath(suggested),
                                            filter);
    })
{
}

} // namespace quillset
