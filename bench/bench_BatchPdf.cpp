// A batch of 500 cheques to one PDF, the whole `quillset --batch --pdf` process, beside its floor (a
// bare program that reads the account and draws the same texts on 500 pages); then the peak memory
// of a 5,000-cheque batch, which must stream its pages rather than hold them.
#include "support/Scratch.h"

int main()
{
    bench::Scratch scratch;
    scratch.write(QStringLiteral("500.csv"), bench::batchFile(500));
    scratch.write(QStringLiteral("5000.csv"), bench::batchFile(5000));
    const auto batch = [&](const QString &csv) {
        return scratch.quillset({QStringLiteral("--batch"), scratch.file(csv), QStringLiteral("--account"),
                                 QStringLiteral("ACC1"), QStringLiteral("--pdf"),
                                 scratch.file(QStringLiteral("batch.pdf"))});
    };
    bench::report(
        "--batch of 500 cheques to one PDF",
        bench::pairedRuns(batch(QStringLiteral("500.csv")),
                          {QStringLiteral(QUILLSET_FLOOR_PDFPAGES), scratch.database(), QStringLiteral("ACC1"),
                           QStringLiteral("500"), scratch.file(QStringLiteral("floor.pdf"))}));
    const bench::ProcessTime large = bench::runProcess(batch(QStringLiteral("5000.csv")));
    std::printf("--batch of 5,000 cheques to one PDF: %.2f s CPU, %ld MB peak (goal under 150 MB)\n", large.cpuSeconds,
                large.peakKilobytes / 1024);
    return 0;
}
