// One month of a register of 1,000,000 cheques, the whole `quillset --report` process: to CSV
// beside the sqlite3 shell running the same query to CSV, and to PDF beside a bare program that
// draws the same rows on as many pages.
#include "support/BigRegister.h"
#include "support/Scratch.h"

#include <QRegularExpression>

int main()
{
    bench::Scratch scratch;
    bench::fillRegister(scratch.database(), 1'000'000);
    const QString from = QStringLiteral("2025-03-01");
    const QString to = QStringLiteral("2025-03-31");
    const auto report = [&](const QString &option, const QString &file) {
        return scratch.quillset({QStringLiteral("--report"), from, to, option, scratch.file(file)});
    };
    bench::report("--report of one month to CSV",
                  bench::pairedRuns(report(QStringLiteral("--csv"), QStringLiteral("month.csv")),
                                    {QStringLiteral("sh"), QStringLiteral("-c"),
                                     QStringLiteral("sqlite3 -csv -header \"$0\" \"SELECT PrintDate, BankID, ChequeNo, "
                                                    "Pay, Amount, Status, Reason FROM Cheque WHERE PrintDate BETWEEN "
                                                    "'$1' AND '$2' ORDER BY PrintDate, ChequeNo\" > \"$3\""),
                                     scratch.database(), from, to, scratch.file(QStringLiteral("shell.csv"))}));

    // The floor draws as many rows on a page as the report did.
    bench::runProcess(report(QStringLiteral("--pdf"), QStringLiteral("month.pdf")));
    QFile csv(scratch.file(QStringLiteral("month.csv")));
    csv.open(QIODevice::ReadOnly);
    const qsizetype rows = csv.readAll().count('\n') - 1;
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {scratch.file(QStringLiteral("month.pdf"))});
    info.waitForFinished();
    const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                          .match(QString::fromUtf8(info.readAll()))
                          .captured(1)
                          .toInt();
    std::printf("the month: %lld rows on %d pages\n", static_cast<long long>(rows), pages);
    bench::report("--report of one month to PDF",
                  bench::pairedRuns(report(QStringLiteral("--pdf"), QStringLiteral("month.pdf")),
                                    {QStringLiteral(QUILLSET_FLOOR_REPORTPDF), scratch.database(), from, to,
                                     QString::number((rows + pages - 1) / qMax(pages, 1)),
                                     scratch.file(QStringLiteral("floor.pdf"))},
                                    3));
    return 0;
}
