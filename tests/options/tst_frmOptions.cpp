#include "doubles/RecordingPrinter.h"
#include "doubles/RecordingPrompter.h"
#include "support/TestDatabase.h"

#include "issue/frmCheque.h"
#include "options/frmOptions.h"
#include "shell/AppServices.h"
#include "store/SystemParameters.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace quillset;
using namespace quillset::test;

// Drives the real options window against a real database.
class TestOptions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadsEveryStoredSetting();
    void okStoresEveryControl();
    void cancelAndCloseBoxWriteNothing_data();
    void cancelAndCloseBoxWriteNothing();
    void tickedStampStartsTheNextChequeTicked();
    void unreadableSettingsOpenAsDefaults_data();
    void unreadableSettingsOpenAsDefaults();
    void calibrationShowsWhatThePlacementUses();

private:
    void openWindow();
    QRadioButton *radio(const QString &name) const { return m_window->findChild<QRadioButton *>(name); }
    QLineEdit *box(const char *name) const { return m_window->findChild<QLineEdit *>(QString::fromLatin1(name)); }
    static QString stored();

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingPrompter> m_prompter;
    std::unique_ptr<AppServices> m_services;
    QPointer<frmOptions> m_window;
};

void TestOptions::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_prompter = std::make_unique<RecordingPrompter>();
    m_services = std::make_unique<AppServices>(*m_prompter);
    auto printer = std::make_shared<RecordingPrinter>();
    m_services->makePrinter = [printer] { return printer; };
}

void TestOptions::cleanup()
{
    delete m_window;
    m_services.reset();
    m_db.reset();
}

void TestOptions::openWindow()
{
    m_window = new frmOptions(*m_services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

QString TestOptions::stored()
{
    QStringList values;
    for (const QString &key : {Parameter::Orientation, Parameter::ChequePosition, Parameter::CompanyName,
                               Parameter::CalibrationLeft, Parameter::CalibrationTop, Parameter::Stamp})
        values.append(GetSystemParameter(key));
    return values.join(u'|');
}

void TestOptions::loadsEveryStoredSetting()
{
    TestDatabase::exec(QStringLiteral("UPDATE sys_parms SET Value = CASE Description WHEN 'Orientation' THEN '2' "
                                      "WHEN 'CequePosition' THEN '6' WHEN 'CompanyName' THEN 'Dealer''s Co.' "
                                      "WHEN 'CBLeft' THEN '0.5' WHEN 'CBTop' THEN '-1' ELSE '0' END"));
    openWindow();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("System Options"));
    QVERIFY(radio(QStringLiteral("opOrientation_1"))->isChecked());
    QVERIFY(radio(QStringLiteral("opPosition_6"))->isChecked());
    QCOMPARE(radio(QStringLiteral("opPosition_6"))->text(), QStringLiteral("Center Botom"));
    QCOMPARE(box("txtCompanyName")->text(), QStringLiteral("Dealer's Co."));
    QCOMPARE(box("txtCBL")->text(), QStringLiteral("0.5"));
    QCOMPARE(box("txtCBT")->text(), QStringLiteral("-1"));
    QVERIFY(!m_window->findChild<QCheckBox *>(QStringLiteral("chkStamp"))->isChecked());
    QVERIFY(m_prompter->messages.isEmpty());
}

void TestOptions::okStoresEveryControl()
{
    openWindow();
    QTest::mouseClick(radio(QStringLiteral("opOrientation_1")), Qt::LeftButton);
    QTest::mouseClick(radio(QStringLiteral("opPosition_3")), Qt::LeftButton);
    QVERIFY(!radio(QStringLiteral("opPosition_0"))->isChecked());
    box("txtCompanyName")->selectAll();
    QTest::keyClicks(box("txtCompanyName"), QStringLiteral("O'Neil & Sons"));
    box("txtCBL")->selectAll();
    QTest::keyClicks(box("txtCBL"), QStringLiteral("1,5"));
    box("txtCBT")->selectAll();
    QTest::keyClicks(box("txtCBT"), QStringLiteral("0.25"));
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdSave")), Qt::LeftButton);
    QCOMPARE(stored(), QStringLiteral("2|3|O'Neil & Sons|1,5|0.25|1"));
    QVERIFY(!m_window || !m_window->isVisible());
}

void TestOptions::cancelAndCloseBoxWriteNothing_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Cancel") << false;
    QTest::newRow("close box") << true;
}

void TestOptions::cancelAndCloseBoxWriteNothing()
{
    QFETCH(bool, closeBox);
    const QString before = stored();
    openWindow();
    QTest::mouseClick(radio(QStringLiteral("opOrientation_1")), Qt::LeftButton);
    QTest::mouseClick(radio(QStringLiteral("opPosition_5")), Qt::LeftButton);
    QTest::keyClicks(box("txtCompanyName"), QStringLiteral(" changed"));
    QTest::keyClicks(box("txtCBL"), QStringLiteral("9"));
    QTest::keyClicks(box("txtCBT"), QStringLiteral("9"));
    m_window->findChild<QCheckBox *>(QStringLiteral("chkStamp"))->setChecked(false);
    if (closeBox)
        m_window->close();
    else
        QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdExit")), Qt::LeftButton);
    QCOMPARE(stored(), before);
}

void TestOptions::tickedStampStartsTheNextChequeTicked()
{
    SetSystemParameter(Parameter::Stamp, QStringLiteral("0"));
    openWindow();
    auto *stamp = m_window->findChild<QCheckBox *>(QStringLiteral("chkStamp"));
    QVERIFY(!stamp->isChecked());
    stamp->setChecked(true);
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdSave")), Qt::LeftButton);
    QCOMPARE(GetSystemParameter(Parameter::Stamp), QStringLiteral("1"));
    frmCheque entry(*m_services);
    QVERIFY(entry.findChild<QCheckBox *>(QStringLiteral("chkStamp"))->isChecked());
}

void TestOptions::unreadableSettingsOpenAsDefaults_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("saved"); // what OK stores afterwards
    QTest::newRow("position off the page") << "UPDATE sys_parms SET Value = '9' WHERE Description = 'CequePosition'"
                                           << "\"CequePosition\" holds \"9\""
                                           << "1|0|Sample Traders Pvt. Ltd.|0|0|1";
    QTest::newRow("orientation in words") << "UPDATE sys_parms SET Value = 'wide' WHERE Description = 'Orientation'"
                                          << "\"Orientation\" holds \"wide\""
                                          << "1|0|Sample Traders Pvt. Ltd.|0|0|1";
    QTest::newRow("stamp not a number") << "UPDATE sys_parms SET Value = 'yes' WHERE Description = 'Stamp'"
                                        << "\"Stamp\" holds \"yes\""
                                        << "1|0|Sample Traders Pvt. Ltd.|0|0|0";
    QTest::newRow("missing row") << "DELETE FROM sys_parms WHERE Description = 'CBTop'"
                                 << "\"CBTop\" is missing"
                                 << "1|0|Sample Traders Pvt. Ltd.|0|0|1";
}

void TestOptions::unreadableSettingsOpenAsDefaults()
{
    QFETCH(QString, setUp);
    QFETCH(QString, named);
    QFETCH(QString, saved);
    TestDatabase::exec(setUp);
    openWindow();
    QCOMPARE(m_prompter->messages.size(), 1);
    QVERIFY2(m_prompter->messages.first().text.contains(named), qPrintable(m_prompter->messages.first().text));
    QVERIFY(m_window->isVisible());
    QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("cmdSave")), Qt::LeftButton);
    QCOMPARE(stored(), saved);
}

void TestOptions::calibrationShowsWhatThePlacementUses()
{
    openWindow();
    const auto *leftInUse = m_window->findChild<QLabel *>(QStringLiteral("lblCBLInUse"));
    QCOMPARE(leftInUse->text(), QString()); // "0" is used as typed
    box("txtCBL")->selectAll();
    QTest::keyClicks(box("txtCBL"), QStringLiteral("abc"));
    QCOMPARE(leftInUse->text(), QStringLiteral("= 0 cm"));
    box("txtCBL")->selectAll();
    QTest::keyClicks(box("txtCBL"), QStringLiteral("1.5cm"));
    QCOMPARE(leftInUse->text(), QStringLiteral("= 1.5 cm"));
    box("txtCBL")->selectAll();
    QTest::keyClicks(box("txtCBL"), QStringLiteral("-0.25"));
    QCOMPARE(leftInUse->text(), QString());
}

QTEST_MAIN(TestOptions)
#include "tst_frmOptions.moc"
