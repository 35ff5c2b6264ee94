#include "support/TestMain.h"
#include "support/WindowTest.h"

#include "store/DataSource.h"
#include "widgets/PrintProgressDialog.h"
#include "windows/issue/frmCheque.h"
#include "windows/shell/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QMap>
#include <QSignalSpy>
#include <QToolBar>

using namespace quillset;
using namespace quillset::test;

// The keys a keyboard user relies on, in every window of the program: access keys that each do one
// thing, Escape as Cancel, and the cursor put where a message points.
class TestWindowKeys : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void accessKeysAreUniqueInEveryWindow();
    void accessKeyPressesItsButton_data();
    void accessKeyPressesItsButton();
    void escapeCancelsAPrint_data();
    void escapeCancelsAPrint();
    void escapeClosesWhereNothingTypedIsLost_data();
    void escapeClosesWhereNothingTypedIsLost();

private:
    /// Opens a window of the program the way the operator does, from the main window on.
    QWidget *openWindow(const QString &name);
    frmCheque *entryWindow();

    std::unique_ptr<WindowFixture> m_f;
    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<PrintProgressDialog> m_progress;
};

namespace {

// Every window, by the object name it carries.
const QStringList kWindows = {
    QStringLiteral("frmMain"),     QStringLiteral("frmCheque"),       QStringLiteral("MDIForm1"),
    QStringLiteral("frmRegister"), QStringLiteral("frmBatch"),        QStringLiteral("printProgress"),
    QStringLiteral("frmBanks"),    QStringLiteral("frmLeafDesigner"), QStringLiteral("frmChequeBooks"),
    QStringLiteral("frmOptions"),  QStringLiteral("frmReport"),       QStringLiteral("ReportPreview"),
};

QWidget *windowNamed(const QString &name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
}

void press(QWidget *window, const char *button)
{
    find<QAbstractButton>(window, button)->click();
}

// Each access key of the window with the captions that carry it: its buttons, check boxes and option
// buttons, the labels that lead to a field, the titled groups and the tool bar commands.
QMap<QString, QStringList> accessKeys(const QWidget *window)
{
    QStringList captions;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (control->window() != window)
            continue;
        if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            captions.append(button->text());
        else if (const auto *label = qobject_cast<const QLabel *>(control); label && label->buddy())
            captions.append(label->text());
        else if (const auto *group = qobject_cast<const QGroupBox *>(control))
            captions.append(group->title());
        else if (const auto *bar = qobject_cast<const QToolBar *>(control)) {
            for (const QAction *action : bar->actions())
                captions.append(action->text());
        }
    }
    QMap<QString, QStringList> keys;
    for (const QString &caption : captions) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (!key.isEmpty())
            keys[key.toString()].append(caption);
    }
    return keys;
}

} // namespace

void TestWindowKeys::init()
{
    m_f = std::make_unique<WindowFixture>();
    QVERIFY(m_f->db.isReady());
    QVERIFY(
        QFile::copy(QStringLiteral(QUILLSET_REPORT_DEFINITION), m_f->db.folder() + QStringLiteral("/rptCheque.rpt")));
}

void TestWindowKeys::cleanup()
{
    m_progress.reset();
    m_main.reset();
    m_f.reset();
}

frmCheque *TestWindowKeys::entryWindow()
{
    if (auto *entry = qobject_cast<frmCheque *>(windowNamed(QStringLiteral("frmCheque"))))
        return entry;
    press(m_main.get(), "cmdPrintCheq");
    auto *entry = m_main->findChild<frmCheque *>();
    for (const char *field : {"txtChequeNo", "txtPay", "txtAmount"})
        QTest::keyClicks(find(entry, field), QStringLiteral("7"));
    return entry;
}

QWidget *TestWindowKeys::openWindow(const QString &name)
{
    if (!m_main) {
        m_main = std::make_unique<frmMain>(m_f->services, m_f->db.path(), OdbcInstaller::none());
        m_main->show();
    }
    if (QWidget *open = windowNamed(name); open && open->isVisible())
        return open;
    const QMap<QString, std::pair<const char *, const char *>> fromEntry
        = {{QStringLiteral("MDIForm1"), {"cmdPrintPreview", ""}},
           {QStringLiteral("frmRegister"), {"cmdRegister", ""}},
           {QStringLiteral("frmBatch"), {"cmdBatch", ""}}};
    if (name == QLatin1String("frmCheque")) {
        entryWindow();
    } else if (fromEntry.contains(name)) {
        press(entryWindow(), fromEntry.value(name).first);
    } else if (name == QLatin1String("printProgress")) {
        m_progress = std::make_unique<PrintProgressDialog>(entryWindow(), m_f->prompter);
        // It shows itself only once a print has taken a moment.
        if (!QTest::qWaitFor([&] { return windowNamed(name) && windowNamed(name)->isVisible(); }))
            return nullptr;
    } else if (name == QLatin1String("frmBanks")) {
        press(m_main.get(), "cmdBankData");
    } else if (name == QLatin1String("frmLeafDesigner") || name == QLatin1String("frmChequeBooks")) {
        press(openWindow(QStringLiteral("frmBanks")),
              name == QLatin1String("frmLeafDesigner") ? "cmdDesign" : "cmdBooks");
    } else if (name == QLatin1String("frmOptions")) {
        press(m_main.get(), "cmdOptions");
    } else if (name == QLatin1String("frmReport")) {
        press(m_main.get(), "cmdReport");
    } else if (name == QLatin1String("ReportPreview")) {
        press(openWindow(QStringLiteral("frmReport")), "cmdPreview");
    }
    return windowNamed(name);
}

void TestWindowKeys::accessKeysAreUniqueInEveryWindow()
{
    for (const QString &name : kWindows)
        QVERIFY2(openWindow(name), qPrintable(name));
    QStringList walked;
    QStringList clashes;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName().isEmpty() || window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip)
            continue;
        walked.append(window->objectName());
        const QMap<QString, QStringList> keys = accessKeys(window);
        for (auto key = keys.cbegin(); key != keys.cend(); ++key) {
            if (key.value().size() > 1)
                clashes.append(QStringLiteral("%1: %2 is %3")
                                   .arg(window->objectName(), key.key(), key.value().join(QStringLiteral(" and "))));
        }
    }
    for (const QString &name : kWindows)
        QVERIFY2(walked.contains(name), qPrintable(name + QStringLiteral(" was not walked")));
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
}

void TestWindowKeys::accessKeyPressesItsButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("button");
    QTest::newRow("bank window's Delet") << QStringLiteral("frmBanks") << int(Qt::Key_L)
                                         << QStringLiteral("cmdDeleted");
    QTest::newRow("report window's Cancel")
        << QStringLiteral("frmReport") << int(Qt::Key_C) << QStringLiteral("Command1");
}

void TestWindowKeys::accessKeyPressesItsButton()
{
    QFETCH(QString, window);
    QFETCH(int, key);
    QFETCH(QString, button);
    QWidget *shown = openWindow(window);
    QVERIFY(shown);
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    auto *pressed = shown->findChild<QAbstractButton *>(button);
    QVERIFY(pressed && pressed->isEnabled());
    const QSignalSpy clicked(pressed, &QAbstractButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
    QCOMPARE(clicked.count(), 1);
}

void TestWindowKeys::escapeCancelsAPrint_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Alt+C") << QKeyCombination(Qt::AltModifier, Qt::Key_C).toCombined();
}

void TestWindowKeys::escapeCancelsAPrint()
{
    QFETCH(int, key);
    QWidget *box = openWindow(QStringLiteral("printProgress"));
    QVERIFY(box);
    box->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), box);
    const QKeyCombination pressed = QKeyCombination::fromCombined(key);
    QTest::keyClick(QApplication::focusWidget(), pressed.key(), pressed.keyboardModifiers());
    // As its Cancel: the job is cancelled, and the box stays until the print server says how it ended.
    QTRY_VERIFY(m_progress->cancelRequested());
    QVERIFY(box->isVisible());
}

void TestWindowKeys::escapeClosesWhereNothingTypedIsLost_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name : {"frmReport", "ReportPreview", "frmRegister", "frmBatch", "MDIForm1", "frmOptions",
                             "frmChequeBooks", "frmLeafDesigner"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestWindowKeys::escapeClosesWhereNothingTypedIsLost()
{
    QFETCH(QString, window);
    QPointer<QWidget> shown = openWindow(window);
    QVERIFY(shown);
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QWidget *opener = shown->parentWidget();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!shown || !shown->isVisible());
    QVERIFY(m_f->prompter.questions.isEmpty() && m_f->prompter.messages.isEmpty());
    // Only that window: the one it was opened from stays.
    QVERIFY(opener && opener->isVisible());
}

QUILLSET_TEST_MAIN(TestWindowKeys, QApplication)
#include "tst_WindowKeys.moc"
