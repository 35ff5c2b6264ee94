// The register window on a register of 1,000,000 cheques: from opening it to its first rows painted,
// and a scroll to its last row. The goal is a window without a pause: first rows under 300 ms.
#include "BenchDatabase.h"
#include "support/BigRegister.h"

#include "core/layout/Fonts.h"
#include "widgets/AppServices.h"
#include "widgets/MessageBoxPrompter.h"
#include "windows/issue/frmRegister.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <vector>

using namespace quillset;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    loadChequeFonts();
    BenchDatabase db;
    bench::fillRegister(db.path(), 1'000'000);
    // Opened again as the program opens it: the first open writes the rows' history.
    const std::unique_ptr<Store> store = Store::OpenDatabase(db.path(), OdbcInstaller::none());
    MessageBoxPrompter prompter;
    AppServices services(prompter);
    services.store = store.get();
    std::vector<double> opening, scrolling;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer timer;
        timer.start();
        frmRegister window(services, QStringLiteral("ACC1"));
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        window.grab();
        opening.push_back(timer.nsecsElapsed() / 1e6);
        auto *table = window.findChild<QTableWidget *>();
        timer.restart();
        table->scrollToBottom();
        window.grab();
        scrolling.push_back(timer.nsecsElapsed() / 1e6);
        if (run == 0)
            std::printf("rows shown: %d\n", table->rowCount());
    }
    std::sort(opening.begin(), opening.end());
    std::sort(scrolling.begin(), scrolling.end());
    std::printf("register window, open to first rows painted: median %.0f ms, slowest %.0f ms (goal under 300 ms)\n",
                opening.at(3), opening.back());
    std::printf("scroll to the last row painted: median %.0f ms\n", scrolling.at(3));
    return 0;
}
