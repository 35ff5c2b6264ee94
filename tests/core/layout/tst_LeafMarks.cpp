#include "support/ChequePicture.h"
#include "support/PageImage.h"
#include "support/TestMain.h"

#include "core/banks/BankAccount.h"
#include "core/cheque/Cheque.h"
#include "core/layout/ComposeCheque.h"
#include "core/layout/PageChecks.h"
#include "core/layout/PageMetrics.h"
#include "core/layout/PrintSettings.h"
#include "print/PdfDocument.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QtMath>

Q_DECLARE_METATYPE(quillset::DatePlace)

using namespace quillset;
using namespace quillset::test;

// What each account's leaf prints besides the fields, read back from the printed page: the date in
// its boxes or as one text, the crossing's words, the bearer strike, the filler and the money's wording.
class TestLeafMarks : public QObject
{
    Q_OBJECT

private slots:
    void dateLandsAsTheLeafWantsIt_data();
    void dateLandsAsTheLeafWantsIt();
    void crossingCarriesItsWords_data();
    void crossingCarriesItsWords();
    void strikeAndFillerCloseTheLeaf_data();
    void strikeAndFillerCloseTheLeaf();
    void moneyReadsAsTheBankWritesIt_data();
    void moneyReadsAsTheBankWritesIt();
    void dateBoxesOffTheLeafAreRefused_data();
    void dateBoxesOffTheLeafAreRefused();

private:
    struct Printed
    {
        ChequePage page;
        PageImage picture;
    };
    static BankAccountRecord leaf();
    static Cheque chequeOn(const BankAccountRecord &account, qint64 units = 123'450);
    Printed print(const BankAccountRecord &account, const Cheque &cheque);

    QTemporaryDir m_folder;
    PageMetrics m_metrics;
};

namespace {

constexpr double kSlack = 0.5; // points: two pixels at 300 dpi

QRectF points(const QRectF &twips)
{
    return boxInPoints(twips);
}

} // namespace

// An Indian bank's leaf, measured as offices measure theirs.
BankAccountRecord TestLeafMarks::leaf()
{
    BankAccountRecord account;
    account.bankId = QStringLiteral("SBI-7");
    const std::pair<Measurement, double> measured[]
        = {{Measurement::Width, 20.3},       {Measurement::Height, 9.2},       {Measurement::DateLeft, 15.3},
           {Measurement::DateBottom, 1.5},   {Measurement::DateWidth, 4.8},    {Measurement::PayLeft, 3},
           {Measurement::PayBottom, 2.7},    {Measurement::PayWidth, 14.5},    {Measurement::AmountLeft, 15.7},
           {Measurement::AmountBottom, 4.1}, {Measurement::AmountWidth, 4},    {Measurement::Rupee1Left, 3.2},
           {Measurement::Rupee1Bottom, 3.4}, {Measurement::Rupee1Width, 11.5}, {Measurement::Rupee2Left, 1},
           {Measurement::Rupee2Bottom, 4.2}, {Measurement::Rupee2Width, 13},   {Measurement::Rupee3Left, 14},
           {Measurement::Rupee3Bottom, 5.9}, {Measurement::Rupee3Width, 6}};
    for (const auto &[measurement, value] : measured)
        account.setValue(measurement, value);
    account.money = {AmountStyle::Indian, QStringLiteral("Rupees"), QStringLiteral("Paise"), 2};
    return account;
}

Cheque TestLeafMarks::chequeOn(const BankAccountRecord &account, qint64 units)
{
    return {account.bankId,          QStringLiteral("000123"),     QStringLiteral("Rupee Payee"),
            QDate(2026, 12, 6),      Money {units, account.money}, true,
            account.marks.crossing()};
}

TestLeafMarks::Printed TestLeafMarks::print(const BankAccountRecord &account, const Cheque &cheque)
{
    const ChequePage page = ComposeCheque(cheque, account, PrintSettings {}, m_metrics);
    const QString pdf = m_folder.filePath(QStringLiteral("cheque.pdf"));
    QFile file(pdf);
    if (!file.open(QIODevice::WriteOnly) || file.write(renderPdf({page}, QStringLiteral("cheque"))) < 0)
        return {page, PageImage()};
    file.close();
    return {page, PageImage::fromPdf(pdf)};
}

void TestLeafMarks::dateLandsAsTheLeafWantsIt_data()
{
    QTest::addColumn<DatePlace>("date");
    QTest::addColumn<QString>("reads"); // what a reader sees, blanks aside
    QTest::newRow("boxes 0.55 cm apart") << DatePlace {DateLayout::Boxes, 0.55} << "06122026";
    QTest::newRow("boxes 0.6 cm apart, as wide as the date's box") << DatePlace {DateLayout::Boxes, 0.6} << "06122026";
    QTest::newRow("DD-MM-YYYY") << DatePlace {DateLayout::DashedNumbers, std::nullopt} << "06-12-2026";
    QTest::newRow("DD/MM/YYYY") << DatePlace {DateLayout::SlashedNumbers, std::nullopt} << "06/12/2026";
    QTest::newRow("written") << DatePlace {DateLayout::Written, 0.55} << "06December2026";
}

void TestLeafMarks::dateLandsAsTheLeafWantsIt()
{
    QFETCH(DatePlace, date);
    QFETCH(QString, reads);
    BankAccountRecord account = leaf();
    account.date = date;
    const Printed printed = print(account, chequeOn(account));
    QVERIFY(!printed.picture.isNull());
    QVERIFY2(pageProblems(printed.page, m_metrics).isEmpty(),
             qPrintable(problemsText(pageProblems(printed.page, m_metrics))));
    const QRectF field = points(printed.page.item(QStringLiteral("lblDate")).rect);
    if (date.layout != DateLayout::Boxes) {
        QCOMPARE(unspaced(printed.picture.line(field.adjusted(-2, -1, 20, 1))), reads);
        return;
    }
    // Each digit's ink inside its own box, centred in it, and read there as that digit.
    QList<QRectF> boxes;
    for (int i = 1; i <= 8; ++i) {
        const QRectF box = points(printed.page.item(QStringLiteral("lblDateBox%1").arg(i)).rect);
        QVERIFY(qAbs(box.left() - (field.left() + (i - 1) * *date.boxPitch * 72 / 2.54)) < 0.05);
        const QRectF ink = printed.picture.inkBounds(box.adjusted(-3, -2, 3, 2));
        QVERIFY2(!ink.isEmpty() && ink.left() >= box.left() - kSlack && ink.right() <= box.right() + kSlack,
                 qPrintable(QStringLiteral("digit %1 inks %2..%3, its box %4..%5")
                                .arg(i)
                                .arg(ink.left())
                                .arg(ink.right())
                                .arg(box.left())
                                .arg(box.right())));
        QVERIFY(qAbs(ink.center().x() - box.center().x()) < 1);
        boxes.append(box.adjusted(0, -2, 0, 2));
    }
    QCOMPARE(unspaced(printed.picture.closedUp(boxes, QStringLiteral("0123456789"))), reads);
}

void TestLeafMarks::crossingCarriesItsWords_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<bool>("readable"); // large enough for the page check to let it print
    QTest::newRow("A/c Payee Only") << "A/c Payee Only" << true;
    QTest::newRow("Not Negotiable") << "Not Negotiable" << true;
    // Spread along the lines, short words would grow past them.
    QTest::newRow("& Co., held between the lines") << "& Co." << true;
    QTest::newRow("none: the lines alone") << "" << true;
    QTest::newRow("a sentence too small to read")
        << "Account Payee Only, Not Negotiable, Valid for three months only, Not over one lakh" << false;
}

void TestLeafMarks::crossingCarriesItsWords()
{
    QFETCH(QString, words);
    QFETCH(bool, readable);
    BankAccountRecord account = leaf();
    // Below the words' lines, where no other field is: the words are read alone.
    account.crossing = {1.0, 5.0, 5.0, 2.5};
    account.marks.crossingWords = words;
    const Printed printed = print(account, chequeOn(account));
    const PageItem &stamp = printed.page.item(QStringLiteral("Stamp"));
    QCOMPARE(stamp.text, words);
    const QString problems = problemsText(pageProblems(printed.page, m_metrics), Audience::Window);
    QCOMPARE(problems.contains(QStringLiteral("too long for its lines")), !readable);
    if (!readable)
        return;
    const QRectF box = points(stamp.rect);
    // Between the two lines, at the box's centre, lie the words or nothing at all.
    const QRectF middle(box.center() - QPointF(4, 1.5), QSizeF(8, 3));
    QCOMPARE(printed.picture.inkPixels(middle) > 0, !words.isEmpty());
    // The lines are there either way, inside the box.
    QVERIFY(printed.picture.inkPixels(box) > 1000);
    QCOMPARE(printed.picture.inkOutside({box, points(printed.page.leaf)}), 0);
    if (words.isEmpty())
        return;
    // Turned level again, the words read as the account gave them.
    const double dpi = printed.picture.dotsPerInch();
    const QRect pixels(qRound(box.left() * dpi / 72), qRound(box.top() * dpi / 72), qRound(box.width() * dpi / 72),
                       qRound(box.height() * dpi / 72));
    const double angle = qRadiansToDegrees(std::atan2(box.height(), box.width()));
    const QImage level = printed.picture.image().copy(pixels).convertToFormat(QImage::Format_RGB32);
    QImage turned(level.transformed(QTransform().rotate(angle)).size(), QImage::Format_RGB32);
    turned.fill(Qt::white);
    {
        QPainter painter(&turned);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(turned.width() / 2.0, turned.height() / 2.0);
        painter.rotate(angle);
        painter.drawImage(QPointF(-level.width() / 2.0, -level.height() / 2.0), level);
    }
    const QString read = unspaced(PageImage::fromImage(turned, dpi).text()).toUpper();
    QVERIFY2(read.contains(unspaced(words).toUpper()), qPrintable(read));
    // Level, the two lines are the rows darkest from end to end; nothing of the words lies beyond
    // them, at the middle where the words are (the ends of the lines are cut by the box).
    const auto inkIn = [&](int row, int from, int to) {
        int ink = 0;
        for (int x = from; x < to; ++x)
            ink += qGray(turned.pixel(x, row)) < 128 ? 1 : 0;
        return ink;
    };
    const int left = turned.width() / 3;
    const int right = turned.width() * 2 / 3;
    QList<int> lineRows;
    for (int y = 0; y < turned.height(); ++y) {
        if (inkIn(y, left, right) > (right - left) * 9 / 10)
            lineRows.append(y);
    }
    QVERIFY(lineRows.size() >= 2);
    // The lines' own soft edges, two pixels, are theirs.
    int beyondLines = 0;
    for (int y = 0; y < turned.height(); ++y) {
        if (y < lineRows.first() - 2 || y > lineRows.last() + 2)
            beyondLines += inkIn(y, left, right);
    }
    QCOMPARE(beyondLines, 0);
}

void TestLeafMarks::strikeAndFillerCloseTheLeaf_data()
{
    QTest::addColumn<QString>("filler");
    QTest::addColumn<double>("amountBottom"); // cm: the figures on the payee's line stop its filler
    QTest::newRow("stars to the end of each box") << "*" << 4.1;
    QTest::newRow("a longer filler") << "=#" << 4.1;
    QTest::newRow("stopped by the figures on the payee's line") << "*" << 2.7;
}

void TestLeafMarks::strikeAndFillerCloseTheLeaf()
{
    QFETCH(QString, filler);
    QFETCH(double, amountBottom);
    BankAccountRecord account = leaf();
    account.marks.filler = filler;
    account.marks.bearerStrike = {17.6, 2.3, 2.2};
    account.setValue(Measurement::AmountBottom, amountBottom);
    const Cheque cheque = chequeOn(account, 500); // short words: the second line takes filler alone
    const Printed printed = print(account, cheque);
    QVERIFY2(pageProblems(printed.page, m_metrics).isEmpty(),
             qPrintable(problemsText(pageProblems(printed.page, m_metrics))));

    // The strike: a line where the account measured it, across its whole width.
    const PageItem &strike = printed.page.item(QStringLiteral("BearerStrike"));
    QVERIFY(strike.shown);
    const QRectF line = points(strike.rect);
    QVERIFY(qAbs(line.left() - 17.6 * 72 / 2.54) < 0.1);
    const QRectF struck = printed.picture.inkBounds(line.adjusted(-3, -3, 3, 3));
    QVERIFY(qAbs(struck.left() - line.left()) < kSlack && qAbs(struck.right() - line.right()) < kSlack);
    QVERIFY(qAbs(struck.center().y() - (2.3 * 72 / 2.54)) < kSlack && struck.height() < 2);

    // Each line: the text, then the filler's ink, ending inside the box and before any other field.
    const QRectF figures = points(printed.page.item(QStringLiteral("lblAmount")).rect);
    for (const char *name : {"lblPay", "lblRupeeL1", "lblRupeeL2"}) {
        const PageItem &item = printed.page.item(QString::fromLatin1(name));
        QVERIFY2(item.shown && item.text.endsWith(filler), name);
        const QRectF box = points(item.rect);
        const bool sharesLine = figures.top() < box.bottom() && figures.bottom() > box.top();
        const double end = sharesLine && figures.left() > box.left() ? qMin(box.right(), figures.left()) : box.right();
        // The ink that starts before the end reaches no further than it: a filler run over the
        // figures would make one piece of ink across the end.
        double reach = 0;
        for (const QRectF &run :
             printed.picture.inkRuns(QRectF(box.left() - 3, box.top(), end + 80 - box.left(), box.height()), 1)) {
            if (run.left() < end)
                reach = qMax(reach, run.right());
        }
        const double each = m_metrics.textWidth(filler, {printed.page.fontFamily, item.pointSize, false}) / 20;
        QVERIFY2(
            reach <= end + kSlack && reach > end - each - 2,
            qPrintable(QStringLiteral("%1 ends at %2, its end %3").arg(QString::fromLatin1(name)).arg(reach).arg(end)));
    }
    // The register keeps the payee as typed.
    QCOMPARE(cheque.payee, QStringLiteral("Rupee Payee"));
    QVERIFY(
        unspaced(itemRead(printed.page.item(QStringLiteral("lblPay")), printed.picture, 0)).startsWith(u"RupeePayee"));
}

void TestLeafMarks::moneyReadsAsTheBankWritesIt_data()
{
    QTest::addColumn<bool>("subunitFirst");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("words"); // as the first words line reads, blanks aside
    QTest::addColumn<QString>("figures");
    QTest::newRow("paise after their number, a rupee sign") << false << "₹"
                                                            << "ANDFIFTYPAISE"
                                                            << "₹=1,234.50/-";
    QTest::newRow("paise before their number, no sign") << true << ""
                                                        << "ANDPAISEFIFTY"
                                                        << "=1,234.50/-";
}

void TestLeafMarks::moneyReadsAsTheBankWritesIt()
{
    QFETCH(bool, subunitFirst);
    QFETCH(QString, sign);
    QFETCH(QString, words);
    QFETCH(QString, figures);
    BankAccountRecord account = leaf();
    account.money.subunitFirst = subunitFirst;
    account.money.currencySign = sign;
    const Printed printed = print(account, chequeOn(account));
    QVERIFY(pageProblems(printed.page, m_metrics).isEmpty());
    const PageItem &amount = printed.page.item(QStringLiteral("lblAmount"));
    QCOMPARE(amount.text, figures);
    QVERIFY2(unspaced(itemRead(printed.page.item(QStringLiteral("lblRupeeL1")), printed.picture)).contains(words),
             qPrintable(itemRead(printed.page.item(QStringLiteral("lblRupeeL1")), printed.picture)));
    // The figures read as written after the sign, and the sign's ink stands before them in the box.
    const QRectF box = points(amount.rect);
    QVERIFY(unspaced(itemRead(amount, printed.picture)).endsWith(QStringLiteral("1,234.50/-")));
    const QRectF ink = printed.picture.inkBounds(box.adjusted(-3, -2, 40, 2));
    const double width = m_metrics.textWidth(figures, {printed.page.fontFamily, amount.pointSize, true}) / 20;
    QVERIFY2(qAbs(ink.width() - width) < 2, qPrintable(QStringLiteral("%1 against %2").arg(ink.width()).arg(width)));
    QVERIFY(ink.left() >= box.left() - kSlack);
}

void TestLeafMarks::dateBoxesOffTheLeafAreRefused_data()
{
    QTest::addColumn<double>("pitch");
    QTest::addColumn<QString>("said");
    QTest::newRow("the last box off the leaf") << 0.7 << "0.70 cm apart, run 6.0 mm past the cheque leaf";
    QTest::newRow("past the date's box") << 0.61 << "0.61 cm apart, run 0.8 mm past the date's box";
    QTest::newRow("narrower than a digit") << 0.12 << "wider than its date boxes 0.12 cm apart";
    QTest::newRow("a pitch that fits") << 0.55 << "";
}

void TestLeafMarks::dateBoxesOffTheLeafAreRefused()
{
    QFETCH(double, pitch);
    QFETCH(QString, said);
    BankAccountRecord account = leaf();
    account.date = {DateLayout::Boxes, pitch};
    const ChequePage page = ComposeCheque(chequeOn(account), account, PrintSettings {}, m_metrics);
    const QString problems = problemsText(pageProblems(page, m_metrics));
    if (said.isEmpty()) {
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        return;
    }
    QVERIFY2(problems.contains(said) && problems.contains(QStringLiteral("\"SBI-7\"")), qPrintable(problems));
}

QUILLSET_TEST_MAIN(TestLeafMarks, QGuiApplication)
#include "tst_LeafMarks.moc"
