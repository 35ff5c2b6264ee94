// A proof of one cheque, the whole `quillset --pdf` process, beside the bare program that reads the
// account and draws the same texts on one page.
#include "support/Scratch.h"

int main()
{
    bench::Scratch scratch;
    bench::report(
        "--pdf proof of one cheque",
        bench::pairedRuns(
            scratch.quillset({QStringLiteral("--account"), QStringLiteral("ACC1"), QStringLiteral("--cheque"),
                              QStringLiteral("100001"), QStringLiteral("--pay"), QStringLiteral("Payee number 1, Ltd"),
                              QStringLiteral("--date"), QStringLiteral("06-Dec-2026"), QStringLiteral("--amount"),
                              QStringLiteral("8919"), QStringLiteral("--stamp"), QStringLiteral("--pdf"),
                              scratch.file(QStringLiteral("proof.pdf"))}),
            {QStringLiteral(QUILLSET_FLOOR_PDFPAGES), scratch.database(), QStringLiteral("ACC1"), QStringLiteral("1"),
             scratch.file(QStringLiteral("floor.pdf"))},
            15));
    return 0;
}
