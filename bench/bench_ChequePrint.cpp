// Time per cheque to compose and print to PDF, beside the floor: the same texts drawn straight onto a
// blank PDF page through the same printer, with no composition.
#include "BenchDatabase.h"

#include "layout/ComposeCheque.h"
#include "layout/Fonts.h"
#include "layout/SystemPrinter.h"
#include "words/AmountInWords.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>

#include <chrono>
#include <cstdio>

using namespace quillset;

namespace {

constexpr int kCheques = 1000;

ChequeEntry chequeNumber(int i)
{
    ChequeEntry entry;
    entry.bankId = QStringLiteral("ACC1");
    entry.chequeNo = QString::number(100000 + i);
    entry.date = QStringLiteral("06-Dec-2026");
    entry.pay = QStringLiteral("Payee number %1").arg(i);
    entry.amount = QString::number(1000 + i * 7919);
    entry.narration = narrationForAmountText(entry.amount);
    entry.stamp = i % 2 == 0;
    return entry;
}

template<typename Work>
double secondsFor(Work &&work)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCheques; ++i)
        work(i);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    loadChequeFonts();
    BenchDatabase db;
    const QString pdf = db.folder() + QStringLiteral("/cheque.pdf");

    const double composed = secondsFor([&](int i) {
        SystemPrinter printer(pdf);
        const ChequePage page = ComposeCheque(chequeNumber(i), printer);
        printer.printPage(page);
        printer.endDocument();
    });

    const double floor = secondsFor([&](int i) {
        const ChequeEntry entry = chequeNumber(i);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(1200);
        printer.setFullPage(true);
        QPainter painter(&printer);
        QFont regular(chequeFontFamily());
        regular.setPointSizeF(9.75);
        QFont bold = regular;
        bold.setBold(true);
        // The same texts in the same faces: the figures and the company name are bold on the cheque.
        const QList<std::pair<QString, const QFont *>> texts = {{entry.date, &regular},
                                                                {entry.pay, &regular},
                                                                {entry.amount, &bold},
                                                                {entry.narration, &regular},
                                                                {QStringLiteral("Sample Traders Pvt. Ltd."), &bold}};
        for (int line = 0; line < texts.size(); ++line) {
            painter.setFont(*texts.at(line).second);
            painter.drawText(QPointF(1000, 1000 + line * 400), texts.at(line).first);
        }
    });

    const double composeOnly = secondsFor([&](int i) {
        SystemPrinter printer(pdf);
        ComposeCheque(chequeNumber(i), printer);
    });

    std::printf("compose alone: %.2f ms per cheque\n", composeOnly * 1000 / kCheques);
    std::printf("compose + print to PDF: %.2f ms per cheque (%d cheques)\n", composed * 1000 / kCheques, kCheques);
    std::printf("floor, texts on a blank PDF page: %.2f ms per cheque\n", floor * 1000 / kCheques);
    std::printf("ratio: %.2f\n", composed / floor);
    return 0;
}
