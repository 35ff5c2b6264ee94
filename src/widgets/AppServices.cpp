#include "AppServices.h"

#include "core/issue/ChequeLife.h"
#include "core/layout/PageMetrics.h"
#include "print/CupsPrintQueue.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace quillset {

AppServices::AppServices(Prompter &prompter)
    : prompter(prompter)
    , printQueue([] { return std::make_shared<CupsPrintQueue>(); })
    , metrics(std::make_shared<PageMetrics>())
    , programFolder(QCoreApplication::applicationDirPath())
    , chooseSaveFile([](const QString &caption, const QString &suggested, const QString &filter) {
        return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, QDir::home().filePath(suggested),
                                            filter);
    })
    , chooseOpenFile([](const QString &caption, const QString &filter) {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, QDir::homePath(), filter);
    })
    , chooseFolder([](const QString &caption, const QString &start) {
        return QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption,
                                                 start.isEmpty() ? QDir::homePath() : start);
    })
    , workstation(workstationName())
{
}

AppServices::~AppServices() = default;

} // namespace quillset
