// Time per cheque to compose and print to PDF, beside the floor: the same texts drawn straight onto a
// blank PDF page through the same PDF writer, with no composition.
#include "BenchDatabase.h"

#include "core/base/Files.h"
#include "core/cheque/Cheque.h"
#include "core/issue/IssueCheque.h"
#include "core/layout/Fonts.h"
#include "core/layout/PageMetrics.h"
#include "core/words/AmountInWords.h"
#include "core/words/MoneyStyle.h"
#include "print/PdfDocument.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <chrono>
#include <cstdio>

using namespace quillset;

namespace {

constexpr int kCheques = 1000;

Cheque chequeNumber(int i)
{
    return {QStringLiteral("ACC1"), QString::number(100000 + i),   QStringLiteral("Payee number %1").arg(i),
            QDate(2026, 12, 6),     Money {1000 + i * 7919LL, {}}, i % 2 == 0};
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
    QGuiApplication app(argc, argv);
    loadChequeFonts();
    BenchDatabase db;
    const QString pdf = db.folder() + QStringLiteral("/cheque.pdf");
    const PageMetrics metrics;

    const double composed = secondsFor([&](int i) {
        const ChequePage page = composeChequePage(db.store(), chequeNumber(i), metrics);
        writeFile(pdf, FileKind::Pdf, renderPdf({page}, QStringLiteral("cheque")), db.path());
    });

    const double floor = secondsFor([&](int i) {
        const Cheque cheque = chequeNumber(i);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setResolution(1200);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
            QPainter painter(&writer);
            QFont regular(chequeFontFamily());
            regular.setPointSizeF(9.75);
            QFont bold = regular;
            bold.setBold(true);
            // The same texts in the same faces: the figures and the company name are bold on the cheque.
            const QList<std::pair<QString, const QFont *>> texts
                = {{cheque.date.toString(QStringLiteral("dd    MM    yyyy")), &regular},
                   {cheque.payee, &regular},
                   {chequeFigures(cheque.amount), &bold},
                   {wordsForWhole(cheque.amount.units).toUpper(), &regular},
                   {QStringLiteral("Sample Traders Pvt. Ltd."), &bold}};
            for (int line = 0; line < texts.size(); ++line) {
                painter.setFont(*texts.at(line).second);
                painter.drawText(QPointF(1000, 1000 + line * 400), texts.at(line).first);
            }
        }
        writeFile(pdf, FileKind::Pdf, buffer.data(), db.path());
    });

    const double composeOnly = secondsFor([&](int i) { composeChequePage(db.store(), chequeNumber(i), metrics); });

    std::printf("compose alone: %.2f ms per cheque\n", composeOnly * 1000 / kCheques);
    std::printf("compose + print to PDF: %.2f ms per cheque (%d cheques)\n", composed * 1000 / kCheques, kCheques);
    std::printf("floor, texts on a blank PDF page: %.2f ms per cheque\n", floor * 1000 / kCheques);
    std::printf("ratio: %.2f\n", composed / floor);
    return 0;
}
