#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

#include "store/Store.h"

class QLabel;
class QPushButton;
class QThread;

namespace quillset {

class DailyBackupSchedule;
class frmBanks;
class frmCheque;
class frmOptions;
class frmReport;
class Store;
struct AppServices;
struct OdbcInstaller;

/// The start-up window: a picture and five commands. Loading it opens the database; unloading closes it.
class frmMain : public QWidget
{
    Q_OBJECT

public:
    /// Opens the database at the location for every window; throws Failure, leaving nothing open,
    /// when that is impossible.
    frmMain(AppServices &services, const QString &databaseLocation, const OdbcInstaller &installer,
            const StoreOptions &options = {}, QWidget *parent = nullptr);
    ~frmMain() override;

    /// "Exit": closes the working windows, then this window and the database.
    void exitProgram();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    /// Compares the register with its history while the window is in use; says so when they differ.
    void checkRegisterAside(const StoreOptions &options);
    /// Keeps the office's daily backup written while the program runs; says so when it cannot be.
    void backUpDailyAside(const StoreOptions &options);
    /// A notice above the commands, hidden until it has something to say.
    QLabel *addNotice(const char *objectName, int top);
    /// Opens a window that takes the main window's place until it closes.
    template<typename Window>
    void openInPlaceOfMain(QPointer<Window> &window);
    /// Opens a window beside the main window, or brings the open one forward.
    template<typename Window>
    void openBeside(QPointer<Window> &window);
    QPushButton *addCommand(const char *objectName, const QString &caption, int left, int width);
    void closeDatabase();

    AppServices &m_services;
    QPushButton *m_printCheque = nullptr;
    QPushButton *m_bankData = nullptr;
    QPushButton *m_options = nullptr;
    QPushButton *m_report = nullptr;
    QPushButton *m_exit = nullptr;
    QPointer<frmCheque> m_chequeEntry;
    QPointer<frmBanks> m_bankAccounts;
    QPointer<frmOptions> m_optionsWindow;
    QPointer<frmReport> m_reportWindow;
    std::unique_ptr<Store> m_store;
    QLabel *m_registerCheck = nullptr;
    std::unique_ptr<QThread> m_registerChecker;
    QLabel *m_backupNotice = nullptr;
    std::unique_ptr<DailyBackupSchedule> m_dailyBackup;
};

} // namespace quillset
