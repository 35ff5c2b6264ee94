#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/accounts/LayoutExport.h"
#include "core/banks/LayoutFile.h"
#include "core/base/Failure.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace quillset;
using namespace quillset::test;

// Sharing a leaf layout between offices: export, then import into a new or an existing account.
class TestLayoutFile : public QObject
{
    Q_OBJECT

private slots:
    void exportThenImportGivesTheSameLayout();
    void readsEachVersionsMarks_data();
    void readsEachVersionsMarks();
    void refusesWhatIsNoLayout_data();
    void refusesWhatIsNoLayout();
    void refusesEveryBadFieldNamingIt_data();
    void refusesEveryBadFieldNamingIt();
};

void TestLayoutFile::exportThenImportGivesTheSameLayout()
{
    const TestDatabase db;
    QVERIFY(db.isReady());
    BankAccountRecord source = *db.store().accounts().find(QStringLiteral("ACC1"));
    source.crossing = {12.0, 0.5, 4.2, std::nullopt};
    source.money
        = {AmountStyle::Indian, QStringLiteral("Rupees"), QStringLiteral("Paise"), 2, false, QStringLiteral("₹")};
    source.date = {DateLayout::Boxes, 0.55};
    source.marks = {QStringLiteral("A/c Payee Only"), {17.6, 2.3, 2.2}, QStringLiteral("*")};
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
        QCOMPARE(imported.date, source.date);
        QCOMPARE(imported.marks, source.marks);
    }
    QCOMPARE(db.store().accounts().find(QStringLiteral("OLD1"))->bankName, QStringLiteral("Kept Bank"));
    QCOMPARE(db.store().accounts().find(QStringLiteral("NEW1"))->accountNo, QString());
}

void TestLayoutFile::readsEachVersionsMarks_data()
{
    QTest::addColumn<QJsonObject>("date");
    QTest::addColumn<QJsonObject>("marks");
    QTest::addColumn<QString>("crossing"); // as the account then crosses its cheques
    QTest::addColumn<double>("pitch"); // 0: none
    QTest::addColumn<bool>("struck");
    const QJsonObject noStrike {{QStringLiteral("left"), QJsonValue()},
                                {QStringLiteral("top"), QJsonValue()},
                                {QStringLiteral("width"), QJsonValue()}};
    // A version-1 file, from before the marks: every mark at its default, the words as they were.
    QTest::newRow("version 1") << QJsonObject() << QJsonObject() << "Payee's Account Only" << 0.0 << false;
    QTest::newRow("version 2, the lines alone") << QJsonObject {{QStringLiteral("layout"), QStringLiteral("written")},
                                                                {QStringLiteral("boxPitch"), QJsonValue()}}
                                                << QJsonObject {{QStringLiteral("crossingWords"), QString()},
                                                                {QStringLiteral("filler"), QString()},
                                                                {QStringLiteral("bearerStrike"), noStrike}}
                                                << "" << 0.0 << false;
    QTest::newRow("version 2, boxes and a strike")
        << QJsonObject {{QStringLiteral("layout"), QStringLiteral("boxes")}, {QStringLiteral("boxPitch"), 0.55}}
        << QJsonObject {{QStringLiteral("crossingWords"), QJsonValue()},
                        {QStringLiteral("filler"), QStringLiteral("*")},
                        {QStringLiteral("bearerStrike"),
                         QJsonObject {{QStringLiteral("left"), 17.6},
                                      {QStringLiteral("top"), 2.3},
                                      {QStringLiteral("width"), 2.2}}}}
        << "Payee's Account Only" << 0.55 << true;
}

void TestLayoutFile::readsEachVersionsMarks()
{
    QFETCH(QJsonObject, date);
    QFETCH(QJsonObject, marks);
    QFETCH(QString, crossing);
    QFETCH(double, pitch);
    QFETCH(bool, struck);
    BankAccountRecord before;
    before.marks = {QStringLiteral("Not Negotiable"), {1, 1, 1}, QStringLiteral("#")};
    before.money.subunitFirst = false;
    BankAccountRecord written;
    written.money.subunitFirst = false;
    QJsonObject root = QJsonDocument::fromJson(layoutDocument(written)).object();
    QJsonObject money = root.value(QStringLiteral("money")).toObject();
    if (date.isEmpty()) {
        root.insert(QStringLiteral("version"), 1);
        root.remove(QStringLiteral("date"));
        root.remove(QStringLiteral("marks"));
        root.remove(QStringLiteral("positivePay"));
        money.remove(QStringLiteral("subunitFirst"));
        money.remove(QStringLiteral("sign"));
    } else {
        root.insert(QStringLiteral("date"), date);
        root.insert(QStringLiteral("marks"), marks);
    }
    root.insert(QStringLiteral("money"), money);
    const BankAccountRecord read = withLayout(before, QJsonDocument(root).toJson());
    QCOMPARE(read.marks.crossing(), crossing);
    QCOMPARE(read.date.boxPitch.value_or(0), pitch);
    QCOMPARE(read.marks.bearerStrike.isSet(), struck);
    // A version-1 file's words name the subunit first, as every cheque did then.
    QCOMPARE(read.money.subunitFirst, date.isEmpty());
}

void TestLayoutFile::refusesWhatIsNoLayout_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("said");
    QTest::newRow("not JSON") << QByteArray("Width=20.3") << "it is not JSON";
    QTest::newRow("another JSON file") << QByteArray("{\"name\": \"x\"}") << "it does not say it is one";
    QTest::newRow("from a newer program")
        << QByteArray("{\"format\": \"quillset-leaf-layout\", \"version\": 7}") << "written by a newer Quillset";
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

void TestLayoutFile::refusesEveryBadFieldNamingIt_data()
{
    QTest::addColumn<QString>("field"); // block.key, or key at the top
    QTest::addColumn<QJsonValue>("value"); // undefined: the field is left out
    const QJsonValue missing(QJsonValue::Undefined);
    QTest::newRow("no measurement block") << "centimetres" << missing;
    QTest::newRow("measurements as a list") << "centimetres" << QJsonValue(QJsonArray {20.3, 9.2});
    QTest::newRow("a measurement left out") << "centimetres.DateLeft" << missing;
    QTest::newRow("a width of 1e308") << "centimetres.Width" << QJsonValue(1e308);
    QTest::newRow("a leaf of 0.001 cm") << "centimetres.Height" << QJsonValue(0.001);
    QTest::newRow("a negative place") << "centimetres.PayLeft" << QJsonValue(-1.5);
    QTest::newRow("a box of no width") << "centimetres.AmountWidth" << QJsonValue(0);
    QTest::newRow("a crossing as wide as 1e308") << "crossing.width" << QJsonValue(1e308);
    QTest::newRow("an unknown measurement") << "centimetres.Colour" << QJsonValue(1);
    QTest::newRow("an unknown block") << "watermark" << QJsonValue(QJsonObject {});
    QTest::newRow("a tick as a word") << "rupee3Active" << QJsonValue(QStringLiteral("yes"));
    QTest::newRow("decimals as a text") << "money.decimals" << QJsonValue(QStringLiteral("2"));
    QTest::newRow("decimals of 2.5") << "money.decimals" << QJsonValue(2.5);
    QTest::newRow("decimals left out") << "money.decimals" << missing;
    QTest::newRow("a currency name of a megabyte") << "money.currency" << QJsonValue(QString(1 << 20, u'R'));
    QTest::newRow("an unknown money style") << "money.style" << QJsonValue(QStringLiteral("Roman"));
    QTest::newRow("an unknown date layout") << "date.layout" << QJsonValue(QStringLiteral("MM/DD/YYYY"));
    QTest::newRow("a box pitch of none") << "date.boxPitch" << QJsonValue(0);
    QTest::newRow("marks left out") << "marks" << missing;
    QTest::newRow("a filler of a sentence") << "marks.filler" << QJsonValue(QStringLiteral("*** void ***"));
    QTest::newRow("subunit order as a word") << "money.subunitFirst" << QJsonValue(QStringLiteral("yes"));
}

void TestLayoutFile::refusesEveryBadFieldNamingIt()
{
    QFETCH(QString, field);
    QFETCH(QJsonValue, value);
    const TestDatabase db;
    QVERIFY(db.isReady());
    const BankAccountRecord good = *db.store().accounts().find(QStringLiteral("ACC1"));
    // The good layout is taken; the same with the one field spoiled is refused, naming that field.
    QJsonObject root = QJsonDocument::fromJson(layoutDocument(good)).object();
    QCOMPARE(withLayout(good, QJsonDocument(root).toJson()), good);
    const QStringList path = field.split(u'.');
    QJsonObject block = path.size() == 2 ? root.value(path.first()).toObject() : root;
    if (value.isUndefined())
        block.remove(path.last());
    else
        block.insert(path.last(), value);
    if (path.size() == 2)
        root.insert(path.first(), block);
    else
        root = block;
    try {
        withLayout(good, QJsonDocument(root).toJson());
        QFAIL("a layout with a bad field was taken");
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(QStringLiteral("\"%1\"").arg(field)), failure.what());
        QVERIFY2(failure.description().size() < 300, "the message repeats what was refused");
    }
}

QUILLSET_TEST_MAIN(TestLayoutFile, QCoreApplication)
#include "tst_LayoutFile.moc"
