// Time per cheque to check a batch of 500 cheques from CSV and compose and render all of them into
// one PDF, beside one cheque composed and written to its own PDF (as bench_chequeprint does).
#include "BenchDatabase.h"

#include "core/base/Files.h"
#include "core/batch/BatchCheck.h"
#include "core/issue/IssueCheque.h"
#include "core/layout/Fonts.h"
#include "core/layout/PageMetrics.h"
#include "print/PdfDocument.h"

#include <QGuiApplication>

#include <chrono>
#include <cstdio>

using namespace quillset;

namespace {

constexpr int kCheques = 500;

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    loadChequeFonts();
    BenchDatabase db;
    const PageMetrics metrics;
    QByteArray csv = "Pay,Amount,Date,Cheque,Stamp\n";
    for (int i = 0; i < kCheques; ++i)
        csv += QStringLiteral("\"Payee number %1, Ltd\",%2,06-Dec-2026,%3,%4\n")
                   .arg(i)
                   .arg(1000 + i * 7919)
                   .arg(100000 + i)
                   .arg(i % 2 ? QStringLiteral("yes") : QStringLiteral("no"))
                   .toUtf8();

    const auto single = std::chrono::steady_clock::now();
    for (int i = 0; i < 100; ++i) {
        const Cheque cheque {QStringLiteral("ACC1"), QString::number(200000 + i),   QStringLiteral("Payee %1").arg(i),
                             QDate(2026, 12, 6),     Money {1000 + i * 7919LL, {}}, true};
        writeFile(db.folder() + QStringLiteral("/one.pdf"), FileKind::Pdf,
                  renderPdf({composeChequePage(db.store(), cheque, metrics)}, QStringLiteral("cheque")), db.path());
    }
    const double perSingle = secondsSince(single) / 100;

    const auto start = std::chrono::steady_clock::now();
    const CheckedBatch batch = checkBatch(db.store(), readBatch(csv, QStringLiteral("bench.csv")),
                                          QStringLiteral("ACC1"), metrics, QDate(2026, 12, 6));
    const double checking = secondsSince(start);
    QList<ChequePage> pages;
    for (const BatchCheque &row : batch.cheques)
        pages.append(composeChequePage(db.store(), row.cheque, metrics));
    writeFile(db.folder() + QStringLiteral("/batch.pdf"), FileKind::Pdf, renderPdf(pages, QStringLiteral("batch")),
              db.path());
    const double total = secondsSince(start);
    if (!batch.isClean() || pages.size() != kCheques) {
        std::fprintf(stderr, "the benchmark batch was not clean: %s\n",
                     qUtf8Printable(batch.problemLines().join(u'\n')));
        return 1;
    }
    std::printf("batch of %d: checked in %.0f ms, checked + composed + one PDF in %.0f ms = %.2f ms per cheque\n",
                kCheques, checking * 1000, total * 1000, total * 1000 / kCheques);
    std::printf("one cheque composed and written to its own PDF: %.2f ms\n", perSingle * 1000);
    return 0;
}
