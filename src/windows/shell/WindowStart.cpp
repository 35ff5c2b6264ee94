#include "WindowStart.h"

#include "core/base/Failure.h"
#include "core/base/ProgramInfo.h"
#include "core/layout/Fonts.h"
#include "core/workstation/WorkstationSettings.h"
#include "store/DataSource.h"
#include "store/Store.h"
#include "widgets/AppServices.h"
#include "widgets/MessageBoxPrompter.h"
#include "windows/shell/frmMain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QProgressDialog>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <utility>

namespace quillset {

namespace {

constexpr int kFailed = 1;

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/quillset/quillset-%1.png").arg(size), QSize(size, size));
    return icon;
}

// Runs a step once the window it watches has first been painted: what can wait until the window is
// up, and how a benchmark or a smoke check times a start (QUILLSET_LEAVE_WHEN_SHOWN leaves then).
class OnceShown : public QObject
{
public:
    explicit OnceShown(std::function<void()> step)
        : m_step(std::move(step))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_step) {
            QTimer::singleShot(0, qApp, std::exchange(m_step, {}));
            watched->removeEventFilter(this);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_step;
};

void sayOnStandardError(const QString &message)
{
    std::fprintf(stderr, "quillset: %s\n", qUtf8Printable(message));
}

} // namespace

int startWindows(int argc, char *argv[], const QString &givenDatabase)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        sayOnStandardError(
            QCoreApplication::translate("WindowStart",
                                        "there is no display to show the windows on. Start Quillset from a desktop "
                                        "session; to print a cheque without windows, use --print or --pdf (see "
                                        "--help)."));
        return kFailed;
    }
    QApplication app(argc, argv);
    nameProgram();
    loadChequeFonts();
    // The windows were laid out for an 8-point face; Tahoma keeps every caption inside its control.
    QApplication::setFont(QFont(chequeFontFamily(), 8));

    WorkstationSettings workstation;
    StoreOptions storeOptions {workstation.storeTimeoutSeconds()};
    // An upgrade of a large register, and the start of its history, are shown as they go, each in a
    // window that only appears when it takes long enough to be noticed.
    const auto shownIn = [](std::unique_ptr<QProgressDialog> &box, const QString &text) {
        return [&box, text](int done, int total) {
            if (!box) {
                box = std::make_unique<QProgressDialog>(text, QString(), 0, total);
                box->setWindowTitle(kProgramTitle);
                box->setCancelButton(nullptr);
                box->setMinimumDuration(500);
            }
            box->setValue(done);
            QApplication::processEvents();
        };
    };
    std::unique_ptr<QProgressDialog> upgrade;
    std::unique_ptr<QProgressDialog> history;
    storeOptions.upgradeProgress
        = shownIn(upgrade, QCoreApplication::translate("WindowStart", "Upgrading the database..."));
    storeOptions.historyProgress
        = shownIn(history, QCoreApplication::translate("WindowStart", "Writing the register's history..."));
    QString location;
    try {
        location = startingDatabase(givenDatabase, workstation);
    } catch (const Failure &failure) {
        sayOnStandardError(failure.description());
        return kFailed;
    }
    MessageBoxPrompter prompter;
    AppServices services {prompter};
    try {
        frmMain mainWindow(services, location, OdbcInstaller::systemLibrary(), storeOptions);
        // Seven pictures to decode: the icon can wait until the window is up. A timed start leaves
        // then instead, before anything that comes after it.
        OnceShown setIcon([] { QApplication::setWindowIcon(programIcon()); });
        OnceShown leave(&QCoreApplication::quit);
        mainWindow.installEventFilter(qEnvironmentVariableIsSet("QUILLSET_LEAVE_WHEN_SHOWN") ? &leave : &setIcon);
        mainWindow.show();
        return QApplication::exec();
    } catch (const Failure &failure) {
        sayOnStandardError(failure.description());
        if (MessageBoxPrompter::hasVisibleScreen())
            prompter.message(kProgramTitle, failure.description(), Prompter::Icon::Error);
        return kFailed;
    }
}

} // namespace quillset
