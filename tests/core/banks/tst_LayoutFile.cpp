#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/accounts/LayoutExport.h"
#include "core/banks/LayoutFile.h"
#include "core/base/Failure.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QFile>

using namespace quillset;
using namespace quillset::test;

// Sharing a leaf layout between offices: export, then import into a new or an existing account.
class TestLayoutFile : public QObject
{
    Q_OBJECT

private slots:
    void exportThenImportGivesTheSameLayout();
    void refusesWhatIsNoLayout_data();
    void refusesWhatIsNoLayout();
};

void TestLayoutFile::exportThenImportGivesTheSameLayout()
{
    const TestDatabase db;
    QVERIFY(db.isReady());
    BankAccountRecord source = *db.store().accounts().find(QStringLiteral("ACC1"));
    source.crossing = {12.0, 0.5, 4.2, std::nullopt};
    source.money = {AmountStyle::Indian, QStringLiteral("Rupees"), QStringLiteral("Paise"), 2};
    source.setValue(Measurement::Rupee3Width, std::nullopt);
    db.store().accounts().update(*db.store().accounts().find(QStringLiteral("ACC1")), source);

    const QString file = db.folder() + QStringLiteral("/leaf.json");
    exportLayout(db.store(), QStringLiteral("ACC1"), file);
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray document = written.readAll();
    // No account number, bank or address travels with a layout.
    for (const QString &detail : {source.accountNo, source.bankName, source.address, source.city})
        QVERIFY2(!document.contains(detail.toUtf8()), qPrintable(detail));

    // Into a new account, and over an existing one with another layout.
    QVERIFY(importLayout(db.store(), file, QStringLiteral("NEW1")).startsWith(QStringLiteral("Made the account")));
    BankAccountRecord other;
    other.bankId = QStringLiteral("OLD1");
    other.bankName = QStringLiteral("Kept Bank");
    for (int i = 0; i < kMeasurementCount; ++i)
        other.setValue(static_cast<Measurement>(i), 1.0 + i);
    db.store().accounts().insert(other);
    importLayout(db.store(), file, QStringLiteral("OLD1"));
    for (const QString &code : {QStringLiteral("NEW1"), QStringLiteral("OLD1")}) {
        const BankAccountRecord imported = *db.store().accounts().find(code);
        QCOMPARE(imported.measurements, source.measurements);
        QCOMPARE(imported.crossing, source.crossing);
        QCOMPARE(imported.money, source.money);
        QCOMPARE(imported.rupee3Active, source.rupee3Active);
    }
    QCOMPARE(db.store().accounts().find(QStringLiteral("OLD1"))->bankName, QStringLiteral("Kept Bank"));
    QCOMPARE(db.store().accounts().find(QStringLiteral("NEW1"))->accountNo, QString());
}

void TestLayoutFile::refusesWhatIsNoLayout_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("said");
    QTest::newRow("not JSON") << QByteArray("Width=20.3") << "it is not JSON";
    QTest::newRow("another JSON file") << QByteArray("{\"name\": \"x\"}") << "it does not say it is one";
    QTest::newRow("from a newer program")
        << QByteArray("{\"format\": \"quillset-leaf-layout\", \"version\": 7}") << "written by a newer Quillset";
    QTest::newRow("a width of nothing") << QByteArray(
        "{\"format\": \"quillset-leaf-layout\", \"version\": 1, \"centimetres\": {\"Width\": 0}}")
                                        << "\"Width\" holds [0]";
    QTest::newRow("a text for a number") << QByteArray(
        "{\"format\": \"quillset-leaf-layout\", \"version\": 1, \"centimetres\": {\"PayLeft\": \"3\"}}")
                                         << "\"PayLeft\" holds";
    QTest::newRow("an unknown money style")
        << QByteArray("{\"format\": \"quillset-leaf-layout\", \"version\": 1, \"money\": {\"style\": \"Roman\"}}")
        << "money style";
}

void TestLayoutFile::refusesWhatIsNoLayout()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, said);
    const BankAccountRecord account;
    try {
        withLayout(account, document);
        QFAIL("a document that is no layout was taken");
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(said), failure.what());
    }
}

QUILLSET_TEST_MAIN(TestLayoutFile, QCoreApplication)
#include "tst_LayoutFile.moc"
