#include "doubles/RecordingPrinter.h"
#include "support/TestDatabase.h"

#include "layout/ComposeCheque.h"
#include "layout/Fonts.h"
#include "store/Failure.h"
#include "store/SystemParameters.h"
#include "words/AmountInWords.h"

#include <QTest>

using namespace quillset;
using namespace quillset::test;

class TestComposeCheque : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void placesEveryFieldAtItsMeasurement();
    void dropsTheFieldsOneTextLine();
    void stampFollowsTheTickButTheCompanyNameStays();
    void fillsTheTexts();
    void measuresTheWordsInTahomaTenOnThePrinter();
    void refusesWhatItCannotCompose_data();
    void refusesWhatItCannotCompose();
    void acceptsAnyCharactersInCodesAndTexts();

private:
    static ChequeEntry entry(const QString &code = QStringLiteral("T1"));
    std::unique_ptr<TestDatabase> m_db;
};

void TestComposeCheque::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    // Round measurements so every box can be read off by eye.
    TestDatabase::exec(QStringLiteral(
        "INSERT INTO BankAccount (BankID, Width, Height, DateLeft, DateBottom, DateWidth, PayLeft, PayBottom, "
        "PayWidth, AmountLeft, AmountBottom, AmountWidth, Rupee1Left, Rupee1Bottom, Rupee1Width, Rupee2Left, "
        "Rupee2Bottom, Rupee2Width, Rupee3Left, Rupee3Bottom, Rupee3Width, Rupee3Active) VALUES "
        "('T1', 20, 9, 15, 1, 4, 2, 2, 12, 15, 4, 4, 3, 3, 10, 1, 4, 12, 14, 6, 5, 0)"));
}

void TestComposeCheque::cleanup()
{
    m_db.reset();
}

ChequeEntry TestComposeCheque::entry(const QString &code)
{
    ChequeEntry cheque;
    cheque.bankId = code;
    cheque.chequeNo = QStringLiteral("000123");
    cheque.date = QStringLiteral("31-Dec-2025");
    cheque.pay = QStringLiteral("ABC Traders");
    cheque.amount = QStringLiteral("1234567");
    cheque.narration = narrationForAmountText(cheque.amount);
    cheque.stamp = true;
    return cheque;
}

void TestComposeCheque::placesEveryFieldAtItsMeasurement()
{
    RecordingPrinter printer;
    const ChequePage page = ComposeCheque(entry(), printer);
    const double y = page.chequeTop;
    QCOMPARE(page.chequeLeft, 0.0);
    QCOMPARE(page.widthTwips, 11906);
    QCOMPARE(page.heightTwips, 16838);

    QCOMPARE(page.item(QStringLiteral("lblDate")).rect, QRectF(15 * 567, y + 567 - 255, 4 * 567, 255));
    QCOMPARE(page.item(QStringLiteral("lblDate")).rect.top() - y, 312.0);
    QCOMPARE(page.item(QStringLiteral("lblPay")).rect, QRectF(2 * 567, y + 2 * 567 - 255, 12 * 567, 255));
    QCOMPARE(page.item(QStringLiteral("lblAmount")).rect, QRectF(15 * 567, y + 4 * 567 - 255, 4 * 567, 255));
    // The words lines are a centimetre wider than measured.
    QCOMPARE(page.item(QStringLiteral("lblRupeeL1")).rect, QRectF(3 * 567, y + 3 * 567 - 255, 6237, 255));
    QCOMPARE(page.item(QStringLiteral("lblRupeeL2")).rect, QRectF(567, y + 4 * 567 - 255, 13 * 567, 255));
    QCOMPARE(page.item(QStringLiteral("lblRupeeL3")).rect, QRectF(14 * 567, y + 6 * 567 - 255, 5 * 567, 255));
    QVERIFY(!page.item(QStringLiteral("lblRupeeL3")).shown);
    // The company name hangs from its measured top, centred and bold.
    const PageItem &company = page.item(QStringLiteral("CompanyName"));
    QCOMPARE(company.rect, QRectF(14 * 567, y + 6 * 567, 5 * 567, 255));
    QVERIFY(company.centred && company.bold);
    QCOMPARE(company.pointSize, 9.0);
}

void TestComposeCheque::dropsTheFieldsOneTextLine()
{
    SetSystemParameter(Parameter::CalibrationTop, QStringLiteral("2"));
    RecordingPrinter printer;
    const ChequePage page = ComposeCheque(entry(), printer);
    // One Tahoma 10 pt line as Windows sets it: (ascent 2049 + descent 423) / 2048 of 200 twips.
    QCOMPARE(chequeFontFamily(), QStringLiteral("Tahoma"));
    const double line = (2049.0 + 423.0) / 2048.0 * 200.0;
    QCOMPARE(page.chequeTop, static_cast<float>(2 * 567 - line));
    // The stamp keeps the leaf's own corner.
    QCOMPARE(page.item(QStringLiteral("Stamp")).rect, QRectF(0, 2 * 567, 1950, 2040));
}

void TestComposeCheque::stampFollowsTheTickButTheCompanyNameStays()
{
    RecordingPrinter printer;
    ChequeEntry cheque = entry();
    QVERIFY(ComposeCheque(cheque, printer).item(QStringLiteral("Stamp")).shown);
    cheque.stamp = false;
    const ChequePage page = ComposeCheque(cheque, printer);
    QVERIFY(!page.item(QStringLiteral("Stamp")).shown);
    QVERIFY(page.item(QStringLiteral("CompanyName")).shown);
    QCOMPARE(page.item(QStringLiteral("CompanyName")).text, QStringLiteral("Sample Traders Pvt. Ltd."));
}

void TestComposeCheque::fillsTheTexts()
{
    RecordingPrinter printer;
    const ChequePage page = ComposeCheque(entry(), printer);
    QCOMPARE(page.item(QStringLiteral("lblDate")).text, QStringLiteral("3    1    1    2    2    0    2    5"));
    QCOMPARE(page.item(QStringLiteral("lblPay")).text, QStringLiteral("ABC Traders"));
    QCOMPARE(page.item(QStringLiteral("lblAmount")).text, QStringLiteral("=1,234,567/-"));
    QVERIFY(page.item(QStringLiteral("lblAmount")).bold);
    QVERIFY(!page.item(QStringLiteral("lblPay")).bold && !page.item(QStringLiteral("lblDate")).bold);
    const QString words = page.item(QStringLiteral("lblRupeeL1")).text + page.item(QStringLiteral("lblRupeeL2")).text;
    QCOMPARE(words, narrationForAmountText(QStringLiteral("1234567")));
}

void TestComposeCheque::measuresTheWordsInTahomaTenOnThePrinter()
{
    RecordingPrinter printer;
    ChequeEntry cheque = entry();
    cheque.amount = QStringLiteral("5");
    cheque.narration = narrationForAmountText(cheque.amount);
    const ChequePage page = ComposeCheque(cheque, printer);
    QCOMPARE(page.item(QStringLiteral("lblRupeeL1")).text, QStringLiteral("FIVE ONLY."));
    QVERIFY(!page.item(QStringLiteral("lblRupeeL2")).shown);
    QCOMPARE(printer.font().pointSizeF(), 10.0);
    QCOMPARE(printer.font().family(), chequeFontFamily());
    QCOMPARE(printer.calls.first(), QStringLiteral("setOrientation 1"));
    QCOMPARE(printer.calls.at(1), QStringLiteral("setPaperSize 9"));
}

void TestComposeCheque::refusesWhatItCannotCompose_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("named");
    QTest::newRow("no such account") << ""
                                     << "NOPE"
                                     << "\"NOPE\"";
    QTest::newRow("null measurement") << "UPDATE BankAccount SET Rupee2Bottom = NULL WHERE BankID = 'T1'"
                                      << "T1"
                                      << "Rupee L2, Top";
    QTest::newRow("empty orientation") << "UPDATE sys_parms SET Value = '' WHERE Description = 'Orientation'"
                                       << "T1"
                                       << "\"Orientation\"";
    QTest::newRow("orientation in words") << "UPDATE sys_parms SET Value = 'Portrait' WHERE Description = "
                                             "'Orientation'"
                                          << "T1"
                                          << "\"Orientation\"";
    QTest::newRow("orientation the printer refuses")
        << "UPDATE sys_parms SET Value = '3' WHERE Description = 'Orientation'"
        << "T1"
        << "orientation 3";
    QTest::newRow("position not a number") << "UPDATE sys_parms SET Value = 'abc' WHERE Description = "
                                              "'CequePosition'"
                                           << "T1"
                                           << "\"CequePosition\"";
    QTest::newRow("missing company name") << "DELETE FROM sys_parms WHERE Description = 'CompanyName'"
                                          << "T1"
                                          << "\"CompanyName\"";
}

void TestComposeCheque::refusesWhatItCannotCompose()
{
    QFETCH(QString, setUp);
    QFETCH(QString, code);
    QFETCH(QString, named);
    if (!setUp.isEmpty())
        TestDatabase::exec(setUp);
    RecordingPrinter printer;
    try {
        ComposeCheque(entry(code), printer);
        QFAIL("the cheque was composed");
    } catch (const Failure &failure) {
        QVERIFY2(failure.description().contains(named), failure.what());
    }
    QVERIFY(printer.pending.isEmpty() && printer.printed.isEmpty());
}

void TestComposeCheque::acceptsAnyCharactersInCodesAndTexts()
{
    const QString code = QStringLiteral("O'Brien & Sons — बैंक");
    TestDatabase::exec(QStringLiteral("UPDATE BankAccount SET BankID = ? WHERE BankID = 'T1'"), {code});
    SetSystemParameter(Parameter::CompanyName, QStringLiteral("Dealer's Co."));
    RecordingPrinter printer;
    ChequeEntry cheque = entry(code);
    cheque.pay = QStringLiteral("Ramesh D'Souza");
    const ChequePage page = ComposeCheque(cheque, printer);
    QCOMPARE(page.item(QStringLiteral("lblPay")).text, QStringLiteral("Ramesh D'Souza"));
    QCOMPARE(page.item(QStringLiteral("CompanyName")).text, QStringLiteral("Dealer's Co."));

    RecordingPrinter missing;
    missing.installed = false;
    try {
        ComposeCheque(cheque, missing);
        QFAIL("composed without a printer");
    } catch (const Failure &failure) {
        QCOMPARE(failure.number(), ErrorNumber::PrinterMissing);
    }
}

QTEST_MAIN(TestComposeCheque)
#include "tst_ComposeCheque.moc"
