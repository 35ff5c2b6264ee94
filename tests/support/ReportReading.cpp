#include "ReportReading.h"

#include "TestDatabase.h"

#include "core/report/ReportDefinition.h"
#include "store/Connection.h"
#include "store/Dialect.h"
#include "store/Store.h"
#include "store/StoredAmount.h"

#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>

namespace quillset::test {

namespace {

QString withoutBlanks(QString text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.remove(blanks);
}

} // namespace

void addThreeMoneysMonth(const TestDatabase &db)
{
    db.exec(
        QStringLiteral("INSERT INTO BankAccount (BankID, AmountStyle, CurrencyName, SubunitName, SubunitDigits, "
                       "SubunitFirst) VALUES ('RUPEE', 'Indian', 'Rupees', 'Paise', 2, 1), ('DOLLAR', 'International', "
                       "'Dollars', 'Cents', 2, 1), ('DINAR', 'International', 'Dinars', 'Fils', 3, 1)"));
    // Amounts in the smallest unit of each account's money, with its decimals, as the backend keeps them.
    const struct
    {
        const char *account, *number;
        qint64 units;
        int decimals;
        const char *payee, *date;
    } cheques[] = {{"RUPEE", "000601", 123450, 2, "Gupta & Sons", "2026-11-02"},
                   {"RUPEE", "000602", 15000075, 2, "Priya Enterprises", "2026-11-03"},
                   {"DOLLAR", "0071", 10, 2, "Quincy Supply", "2026-11-04"},
                   {"DOLLAR", "0072", 20, 2, "Joyful Paper Co.", "2026-11-05"},
                   {"DOLLAR", "0073", 500, 2, "Torn Leaf", "2026-11-05"},
                   {"DINAR", "9001", 12345, 3, "Al Yaqoot Trading", "2026-11-06"},
                   {"DINAR", "9002", 1000005, 3, "Gulf Pipes", "2026-11-30"}};
    const Dialect &dialect = db.store().SharedConnection().dialect();
    for (const auto &cheque : cheques)
        db.exec(QStringLiteral("INSERT INTO Cheque (BankID, ChequeNo, Amount, Decimals, Pay, PrintDate) VALUES (?, ?, "
                               "?, ?, ?, ?)"),
                {QString::fromUtf8(cheque.account), QString::fromUtf8(cheque.number),
                 dialect.amountValue({cheque.units, cheque.decimals}), cheque.decimals, QString::fromUtf8(cheque.payee),
                 QString::fromUtf8(cheque.date)});
    db.exec(QStringLiteral("UPDATE Cheque SET Status = 'void', Reason = 'torn' WHERE ChequeNo = '0073'"));
}

QStringList threeMoneysReadings()
{
    return {
        QStringLiteral("Gupta & Sons"),
        QStringLiteral("=1,234.50/-"),
        QStringLiteral("Priya Enterprises"),
        QStringLiteral("=1,50,000.75/-"),
        QStringLiteral("Quincy Supply"),
        QStringLiteral("=0.10/-"),
        QStringLiteral("Joyful Paper Co."),
        QStringLiteral("=0.20/-"),
        QStringLiteral("Al Yaqoot Trading"),
        QStringLiteral("=12.345/-"),
        QStringLiteral("Gulf Pipes"),
        QStringLiteral("=1,000.005/-"),
        QStringLiteral("6 printed, 0 pending, 0 spoiled, 1 void."),
        QStringLiteral("total =1,51,235.25/-"),
        QStringLiteral("Rupees One Lakh Fifty One Thousand Two Hundred Thirty Five and Paise Twenty Five Only."),
        QStringLiteral("total =0.30/-"),
        QStringLiteral("Dollars Zero and Cents Thirty Only."),
        QStringLiteral("total =1,012.350/-"),
        QStringLiteral("Dinars One Thousand Twelve and Fils Three Hundred Fifty Only."),
    };
}

QFont reportFace(bool bold)
{
    const ReportDefinition definition = ReportDefinition::load(QStringLiteral(QUILLSET_REPORT_DEFINITION));
    QFont face(definition.fontFamily);
    face.setPointSizeF(definition.fontSize);
    face.setBold(bold);
    face.setHintingPreference(QFont::PreferNoHinting);
    return face;
}

QStringList unreadTexts(const QList<PageImage> &pages, const QStringList &readings, const QRectF &area)
{
    QString seen;
    for (const PageImage &page : pages)
        seen += withoutBlanks(page.text(area));
    QStringList unread;
    for (const QString &reading : readings) {
        if (!seen.contains(withoutBlanks(reading)))
            unread.append(reading);
    }
    if (!unread.isEmpty())
        unread.append(QStringLiteral("(read: %1)").arg(seen));
    return unread;
}

QStringList cutWords(const PageImage &page, const QStringList &words, const QFont &font, const QRectF &area,
                     double reach)
{
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(page.dotsPerInch() / 0.0254));
    device.setDotsPerMeterY(qRound(page.dotsPerInch() / 0.0254));
    const QFontMetricsF metrics(font, &device);
    const QList<SeenWord> seen = page.words(area);
    QStringList cut;
    for (const QString &word : words) {
        const double drawn = metrics.tightBoundingRect(word).height() * 72.0 / page.dotsPerInch();
        bool found = false;
        for (const SeenWord &candidate : seen) {
            if (candidate.text != word)
                continue;
            found = true;
            const QRectF band = candidate.box.adjusted(-1, -reach, 1, reach);
            const double ink = page.inkBounds(band).height();
            if (qAbs(ink - drawn) > 0.6)
                cut.append(QStringLiteral("\"%1\" at %2 pt: ink %3 pt high, the font draws it %4 pt high")
                               .arg(word)
                               .arg(candidate.box.top(), 0, 'f', 1)
                               .arg(ink, 0, 'f', 2)
                               .arg(drawn, 0, 'f', 2));
        }
        if (!found)
            cut.append(QStringLiteral("\"%1\" was not read at all").arg(word));
    }
    return cut;
}

} // namespace quillset::test
