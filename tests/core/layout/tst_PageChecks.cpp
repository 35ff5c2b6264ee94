#include "support/ChequePicture.h"
#include "support/PageImage.h"
#include "support/TestDatabase.h"
#include "support/TestMain.h"

#include "core/base/Files.h"
#include "core/cheque/Cheque.h"
#include "core/issue/IssueCheque.h"
#include "core/layout/ChequePage.h"
#include "core/layout/PageChecks.h"
#include "core/layout/PageMetrics.h"
#include "print/PdfDocument.h"

#include <QGuiApplication>
#include <QRegularExpression>

using namespace quillset;
using namespace quillset::test;

// What the page check says about a composed cheque, set beside what its printed picture shows: a
// cheque is refused exactly when some of its ink would fall off the leaf, off the sheet or out of a
// box it must keep to, and one that prints reads back whole.
class TestPageChecks : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void refusesExactlyWhatWouldNotPrintWhole_data();
    void refusesExactlyWhatWouldNotPrintWhole();
    void shrunkTextKeepsItsBaselineOnItsLine_data();
    void shrunkTextKeepsItsBaselineOnItsLine();

private:
    ChequePage compose(const QString &payee, qint64 amount, bool stamp) const;
    PageImage picture(const ChequePage &page) const;

    std::unique_ptr<TestDatabase> m_db;
    PageMetrics m_metrics;
};

namespace {

constexpr double kPointsPerMillimetre = 72 / 25.4;

// How far, in millimetres, the ink reaches past the area on its farthest side; 0 inside.
double pastInMillimetres(const QRectF &ink, const QRectF &area)
{
    const double points = qMax(qMax(area.left() - ink.left(), ink.right() - area.right()),
                               qMax(area.top() - ink.top(), ink.bottom() - area.bottom()));
    return qMax(0.0, points / kPointsPerMillimetre);
}

// The distance a refusal gives, "by up to 5.1 mm" or "is 2.8 mm too wide".
double saidMillimetres(const QString &said)
{
    static const QRegularExpression distance(QStringLiteral("(\\d+\\.\\d) mm"));
    const QRegularExpressionMatch match = distance.match(said);
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

} // namespace

void TestPageChecks::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
}

ChequePage TestPageChecks::compose(const QString &payee, qint64 amount, bool stamp) const
{
    return composeChequePage(
        m_db->store(),
        {QStringLiteral("ACC1"), QStringLiteral("000123"), payee, QDate(2026, 12, 31), Money {amount, {}}, stamp},
        m_metrics);
}

PageImage TestPageChecks::picture(const ChequePage &page) const
{
    const QString pdf = m_db->folder() + QStringLiteral("/cheque.pdf");
    writeFile(pdf, FileKind::Pdf, renderPdf({page}, QStringLiteral("cheque")), m_db->path());
    return PageImage::fromPdf(pdf);
}

void TestPageChecks::refusesExactlyWhatWouldNotPrintWhole_data()
{
    QTest::addColumn<QStringList>("setUp"); // statements on the sample database
    QTest::addColumn<bool>("stamp");
    QTest::addColumn<QString>("refused"); // how the refusal starts; empty: it prints
    QTest::addColumn<QString>("edge"); // what the picture shows the ink past: leaf, box or sheet
    const auto set = [](const QString &statements) { return statements.split(u';', Qt::SkipEmptyParts); };
    const QString calibrate = QStringLiteral("UPDATE sys_parms SET Value = '%1' WHERE Description = '%2';");
    QTest::newRow("the sample account as delivered") << QStringList() << true << ""
                                                     << "";
    QTest::newRow("the layout an older release delivered")
        << set(QStringLiteral("UPDATE BankAccount SET DateLeft = 15.5, DateBottom = 1.4, DateWidth = 4.6, PayLeft = "
                              "2.8, PayBottom = 2.6, PayWidth = 14.8, AmountLeft = 15.9, AmountBottom = 4.0, "
                              "AmountWidth = 3.8, Rupee1Left = 3.3, Rupee1Bottom = 3.3, Rupee1Width = 11.2, "
                              "Rupee2Left = 1.2, Rupee2Bottom = 4.1, Rupee2Width = 12.8, Rupee3Left = 14.2, "
                              "Rupee3Bottom = 5.8, Rupee3Width = 5.6"))
        << true << ""
        << "";
    QTest::newRow("the date's last digit 5 mm past the leaf's edge")
        << set(QStringLiteral("UPDATE BankAccount SET DateLeft = 16.3, DateWidth = 4.6")) << true
        << "The date would print off the cheque leaf, by up to"
        << "leaf";
    QTest::newRow("the figures past the leaf's edge, inside their box")
        << set(QStringLiteral("UPDATE BankAccount SET AmountLeft = 17.8, AmountWidth = 3")) << true
        << "The amount in figures would print off the cheque leaf, by up to"
        << "leaf";
    QTest::newRow("the figures wider than their box")
        << set(QStringLiteral("UPDATE BankAccount SET AmountWidth = 2.5")) << true << "The amount in figures is"
        << "box";
    QTest::newRow("the company name past the leaf's edge")
        << set(QStringLiteral("UPDATE BankAccount SET Rupee3Left = 16, Rupee3Width = 4.9")) << true
        << "The company name would print off the cheque leaf, by up to"
        << "leaf";
    QTest::newRow("Top Left, 2 mm left of the sheet, no crossing")
        << set(calibrate.arg(QStringLiteral("-0.2"), QStringLiteral("CBLeft"))) << false << ""
        << "";
    QTest::newRow("Top Left, 2 mm left of the sheet: the crossing's corner is cut")
        << set(calibrate.arg(QStringLiteral("-0.2"), QStringLiteral("CBLeft"))) << true
        << "The crossing stamp would print off the sheet, by up to 0.5 mm."
        << "sheet";
    QTest::newRow("Top Right, the leaf 2 mm past the sheet's right edge")
        << set(calibrate.arg(QStringLiteral("3"), QStringLiteral("CequePosition"))
               + calibrate.arg(QStringLiteral("0.2"), QStringLiteral("CBLeft")))
        << true << ""
        << "";
    QTest::newRow("Bottom Left, the leaf 3 mm past the sheet's foot")
        << set(calibrate.arg(QStringLiteral("1"), QStringLiteral("CequePosition"))
               + calibrate.arg(QStringLiteral("0.3"), QStringLiteral("CBTop")))
        << true << ""
        << "";
    QTest::newRow("calibration typo: 10 for 1.0")
        << set(calibrate.arg(QStringLiteral("10"), QStringLiteral("CBLeft"))) << true
        << "The company name, the date, the amount in figures and the first line of the amount in words would "
           "print off the sheet"
        << "sheet";
}

void TestPageChecks::refusesExactlyWhatWouldNotPrintWhole()
{
    QFETCH(QStringList, setUp);
    QFETCH(bool, stamp);
    QFETCH(QString, refused);
    QFETCH(QString, edge);
    for (const QString &statement : setUp)
        m_db->exec(statement);
    const ChequePage page = compose(QStringLiteral("ABC Traders"), 999'999'999, stamp);
    const QString said = problemsText(pageProblems(page, m_metrics));
    const PageImage printed = picture(page);
    QVERIFY(!printed.isNull());
    if (refused.isEmpty()) {
        QVERIFY2(said.isEmpty(), qPrintable(said));
        // What prints reads back whole, every mark in its box and on the leaf, wherever the leaf lies.
        const QStringList misread = misreadCheque(page, printed);
        QVERIFY2(misread.isEmpty(), qPrintable(misread.join(u'\n')));
        return;
    }
    QVERIFY2(said.startsWith(refused), qPrintable(said));
    // The paper shows what the refusal says, to a tenth of a millimetre or so.
    const QRectF ink = printed.inkBounds();
    double shown = 0;
    if (edge == QLatin1String("leaf"))
        shown = pastInMillimetres(ink, boxInPoints(page.leaf));
    else if (edge == QLatin1String("box")) {
        const QRectF box = boxInPoints(page.item(QStringLiteral("lblAmount")).rect);
        shown = pastInMillimetres(printed.inkBounds(box.adjusted(0, 0, 30, 0)), box);
    } else {
        // Past the sheet nothing prints: the ink is cut at the sheet's edge.
        QVERIFY2(ink.left() < 0.25 || ink.right() > printed.sizeInPoints().width() - 0.25,
                 qPrintable(QStringLiteral("ink from %1 to %2 pt").arg(ink.left()).arg(ink.right())));
        return;
    }
    QVERIFY2(qAbs(shown - saidMillimetres(said)) <= 0.15,
             qPrintable(QStringLiteral("the picture shows %1 mm: %2").arg(shown).arg(said)));
}

void TestPageChecks::shrunkTextKeepsItsBaselineOnItsLine_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("narrowed"); // the statement that narrows its box
    QTest::addColumn<QString>("payee");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<double>("largest"); // the size it may be set in at most
    const QString longName = QStringLiteral("MAHARASHTRA STATE ELECTRICITY BOARD");
    QTest::newRow("a payee set a little smaller")
        << "lblPay"
        << "UPDATE BankAccount SET PayWidth = 6" << longName << qint64(5) << 9.0;
    QTest::newRow("a payee set in the smallest size")
        << "lblPay"
        << "UPDATE BankAccount SET PayWidth = 5" << longName << qint64(5) << 7.25;
    QTest::newRow("the words' second line set smaller")
        << "lblRupeeL2"
        << "UPDATE BankAccount SET Rupee2Width = 6" << QStringLiteral("ABC") << qint64(777'777'777) << 9.0;
}

void TestPageChecks::shrunkTextKeepsItsBaselineOnItsLine()
{
    QFETCH(QString, item);
    QFETCH(QString, narrowed);
    QFETCH(QString, payee);
    QFETCH(qint64, amount);
    QFETCH(double, largest);
    // The foot of the capitals, which stand on the baseline.
    const auto foot = [&](const ChequePage &page) {
        const PageImage printed = picture(page);
        const QRectF box = boxInPoints(page.item(item).rect);
        return std::pair {printed.inkBounds(box.adjusted(0, -2, 0, 2)).bottom(), printed.line(box)};
    };
    const ChequePage full = compose(payee, amount, false);
    QCOMPARE(full.item(item).pointSize, 9.75);
    m_db->exec(narrowed);
    const ChequePage narrow = compose(payee, amount, false);
    const PageItem &set = narrow.item(item);
    QVERIFY2(set.pointSize <= largest && set.pointSize >= 7, qPrintable(QString::number(set.pointSize)));
    QVERIFY2(pageProblems(narrow, m_metrics).isEmpty(), qPrintable(problemsText(pageProblems(narrow, m_metrics))));

    const auto [fullFoot, fullRead] = foot(full);
    const auto [narrowFoot, narrowRead] = foot(narrow);
    QCOMPARE(unspaced(narrowRead), unspaced(set.text));
    // On the very line the full-size text stands on: within a pixel or so, not 0.9 mm above it.
    QVERIFY2(qAbs(narrowFoot - fullFoot) < 0.1 * kPointsPerMillimetre,
             qPrintable(QStringLiteral("%1 pt at %2 pt stands %3 mm above the line")
                            .arg(set.pointSize)
                            .arg(narrowFoot)
                            .arg((fullFoot - narrowFoot) / kPointsPerMillimetre)));
}

QUILLSET_TEST_MAIN(TestPageChecks, QGuiApplication)
#include "tst_PageChecks.moc"
