#include "frmMain.h"

#include "core/base/Failure.h"
#include "core/base/ProgramInfo.h"
#include "core/base/Prompter.h"
#include "core/issue/ChequeLife.h"
#include "store/DataSource.h"
#include "store/PostgresDialect.h"
#include "store/Schema.h"
#include "store/Store.h"
#include "widgets/AppServices.h"
#include "widgets/CentreWindow.h"
#include "widgets/EnterPressesButtons.h"
#include "widgets/Twips.h"
#include "windows/banks/frmBanks.h"
#include "windows/issue/frmCheque.h"
#include "windows/options/frmOptions.h"
#include "windows/report/frmReport.h"
#include "windows/shell/DailyBackupSchedule.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <memory>

namespace quillset {

namespace {

constexpr int kButtonTop = 1680;
constexpr int kButtonHeight = 320;
const QColor kButtonFace(224, 224, 224);
constexpr int kRegisterCheckDelayMilliseconds = 300;

} // namespace

frmMain::frmMain(AppServices &services, const QString &databaseLocation, const OdbcInstaller &installer,
                 const StoreOptions &options, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Quillset"));
    setFixedSize(twipsToPixels(4785), twipsToPixels(2055));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(QPixmap(QStringLiteral(":/quillset/banner.jpg")));
    picture->setGeometry(QRect(QPoint(0, 0), picture->pixmap().size()));
    // Where the records are kept, for the operator who needs to back them up.
    picture->setToolTip(tr("Records are kept in %1")
                            .arg(PostgresDialect::isServerLocation(databaseLocation)
                                     ? PostgresDialect::withoutPassword(databaseLocation)
                                     : QDir::toNativeSeparators(QFileInfo(databaseLocation).absoluteFilePath())));

    m_printCheque = addCommand("cmdPrintCheq", tr("Print Cheque"), 60, 1065);
    m_bankData = addCommand("cmdBankData", tr("Bank Data"), 1158, 915);
    m_options = addCommand("cmdOptions", tr("Options"), 2106, 915);
    m_report = addCommand("cmdReport", tr("Report"), 3054, 855);
    m_exit = addCommand("cmdExit", tr("Exit"), 3945, 795);
    setTabOrder(m_printCheque, m_bankData);
    setTabOrder(m_bankData, m_options);
    setTabOrder(m_options, m_exit);
    setTabOrder(m_exit, m_report);

    connect(m_printCheque, &QPushButton::clicked, this, [this] { openInPlaceOfMain(m_chequeEntry); });
    connect(m_bankData, &QPushButton::clicked, this, [this] { openInPlaceOfMain(m_bankAccounts); });
    connect(m_options, &QPushButton::clicked, this, [this] {
        const bool opening = !m_optionsWindow;
        openBeside(m_optionsWindow);
        // The backup folder may have been set or changed: today's copy is written at once, not within the hour.
        if (opening)
            connect(m_optionsWindow, &QObject::destroyed, this, [this] {
                if (m_dailyBackup)
                    m_dailyBackup->runSoon();
            });
    });
    connect(m_report, &QPushButton::clicked, this, [this] { openBeside(m_reportWindow); });
    connect(m_exit, &QPushButton::clicked, this, &frmMain::exitProgram);

    CentreWindow(*this);
    pressButtonsOnEnter(*this);
    // The program ends when this window closes, and only then: while a working window stands in for
    // it, it is hidden, and a box or dialog closing must not count as the program's last window.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    m_store = Store::OpenDatabase(databaseLocation, installer, options);
    m_services.store = m_store.get();
    // Cheques left pending by a print that never learnt its outcome (the program killed, the power
    // gone) are said once the window is up.
    QTimer::singleShot(0, this, [this] {
        if (const QString notes = upgradeNotesSummary(m_store->upgradeNotes()); !notes.isEmpty())
            m_services.prompter.message(kProgramTitle, notes, Prompter::Icon::Information);
        try {
            const QString notice = pendingNotice(m_store->cheques().pending(m_services.workstation), Audience::Window);
            if (!notice.isEmpty())
                m_services.prompter.message(kProgramTitle, notice, Prompter::Icon::Warning);
        } catch (const Failure &failure) {
            m_services.prompter.message(kProgramTitle, failure.description(), Prompter::Icon::Warning);
        }
    });
    backUpDailyAside(options);
    checkRegisterAside(options);
}

QLabel *frmMain::addNotice(const char *objectName, int top)
{
    auto *notice = new QLabel(this);
    notice->setObjectName(QString::fromLatin1(objectName));
    notice->setWordWrap(true);
    notice->setStyleSheet(QStringLiteral("background: #fff3cd; color: #7a0000; padding: 4px;"));
    notice->setGeometry(twipRect(60, top, 4665, 560));
    notice->hide();
    return notice;
}

void frmMain::backUpDailyAside(const StoreOptions &options)
{
    m_backupNotice = addNotice("lblBackupNotice", 480);
    m_dailyBackup = std::make_unique<DailyBackupSchedule>(
        m_store->location(), options, m_services.today, [this](const QString &problem) {
            m_backupNotice->setVisible(!problem.isEmpty());
            m_backupNotice->setText(tr("Today's backup of the register was not "
                                       "written: %1")
                                        .arg(problem));
        });
}

void frmMain::checkRegisterAside(const StoreOptions &options)
{
    m_registerCheck = addNotice("lblRegisterCheck", 1080);
    // A whole register is walked on a connection of its own, so the window is usable at once.
    auto finding = std::make_shared<QString>();
    m_registerChecker.reset(QThread::create([finding, location = m_store->location(), options] {
        try {
            const RegisterCheck check
                = Store::OpenDatabase(location, OdbcInstaller::none(), options)->history().verify();
            if (!check.damage.isEmpty())
                *finding = tr("its file is damaged (%1); restore it from a backup.").arg(check.damage.first());
            else if (!check.brokenLink.isEmpty())
                *finding = check.brokenLink;
            else if (!check.differences.isEmpty())
                *finding = check.differences.first();
        } catch (const Failure &failure) {
            *finding = tr("it could not be read (%1).").arg(failure.description());
        }
    }));
    connect(m_registerChecker.get(), &QThread::finished, this, [this, finding] {
        // The backup waits for the check, so that the two do not share the machine at the start.
        m_dailyBackup->start();
        if (finding->isEmpty())
            return;
        m_registerCheck->setText(tr("The register does not agree with its history: %1 Run quillset "
                                    "--verify-register for the whole listing.")
                                     .arg(*finding));
        m_registerCheck->show();
    });
    // Started a moment after the window is up, so that the start does not share the machine with it.
    QTimer::singleShot(kRegisterCheckDelayMilliseconds, this, [this] { m_registerChecker->start(); });
}

frmMain::~frmMain()
{
    if (m_registerChecker)
        m_registerChecker->wait();
    m_dailyBackup.reset();
    closeDatabase();
}

void frmMain::closeDatabase()
{
    if (m_services.store == m_store.get())
        m_services.store = nullptr;
    m_store.reset();
}

QPushButton *frmMain::addCommand(const char *objectName, const QString &caption, int left, int width)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setGeometry(twipRect(left, kButtonTop, width, kButtonHeight));
    QPalette face = button->palette();
    face.setColor(QPalette::Button, kButtonFace);
    button->setPalette(face);
    return button;
}

template<typename Window>
void frmMain::openInPlaceOfMain(QPointer<Window> &window)
{
    hide();
    // Created on first use and gone when closed, so that each opening starts afresh.
    if (!window) {
        window = new Window(m_services, this);
        connect(window, &Window::unloaded, this, &QWidget::show);
    }
    window->show();
    window->activateWindow();
}

template<typename Window>
void frmMain::openBeside(QPointer<Window> &window)
{
    if (!window)
        window = new Window(m_services, this);
    window->show();
    window->raise();
    window->activateWindow();
}

void frmMain::exitProgram()
{
    close();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (m_services.printing) {
        event->ignore();
        m_services.prompter.message(kProgramTitle,
                                    tr("A cheque is printing. Quillset closes once its outcome is known."),
                                    Prompter::Icon::Information);
        return;
    }
    // Any close request, the system's included, ends the program the way "Exit" does: the working
    // windows close first, the options and report windows included, then the database.
    if (m_chequeEntry && m_chequeEntry->previewFrame())
        m_chequeEntry->previewFrame()->close();
    for (QWidget *working :
         std::initializer_list<QWidget *> {m_bankAccounts, m_chequeEntry, m_optionsWindow, m_reportWindow}) {
        if (working) {
            disconnect(working, nullptr, this, nullptr);
            working->close();
        }
    }
    closeDatabase();
    event->accept();
    QCoreApplication::quit();
}

} // namespace quillset
