// Printing through a private print server (a PDF queue): one cheque, the whole `quillset --print`
// process until the server says the job is completed, beside `lp` of the same page followed by
// asking the server every 20 ms until it is done; then a batch of 50 cheques, in cheques a second.
#include "support/PairedRun.h"
#include "support/Scratch.h"

#include "tests/support/PrintServer.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    bench::Scratch scratch;
    quillset::test::PrintServer server;
    if (server.start() != 0) {
        std::fprintf(stderr, "the private print server did not start\n");
        return 1;
    }
    const QStringList cheque
        = {QStringLiteral("--account"), QStringLiteral("ACC1"),        QStringLiteral("--cheque"),
           QStringLiteral("next"),      QStringLiteral("--pay"),       QStringLiteral("Payee number 1, Ltd"),
           QStringLiteral("--date"),    QStringLiteral("06-Dec-2026"), QStringLiteral("--amount"),
           QStringLiteral("8919"),      QStringLiteral("--stamp")};
    // The first cheque numbers the account; then each print takes the next number.
    bench::runProcess(scratch.quillset(cheque.mid(0, 2)
                                       + QStringList {QStringLiteral("--cheque"), QStringLiteral("100000")}
                                       + cheque.mid(4) + QStringList {QStringLiteral("--print")}));
    bench::runProcess(
        scratch.quillset(cheque + QStringList {QStringLiteral("--pdf"), scratch.file(QStringLiteral("proof.pdf"))}));
    const QString lpAndPoll
        = QStringLiteral("job=$(lp \"$0\" | sed -n 's/.*request id is \\([^ ]*\\).*/\\1/p'); "
                         "while lpstat -W not-completed -o | grep -q \"^$job \"; do sleep 0.02; done");
    bench::report("--print of one cheque until its job is completed",
                  bench::pairedRuns(scratch.quillset(cheque + QStringList {QStringLiteral("--print")}),
                                    {QStringLiteral("sh"), QStringLiteral("-c"), lpAndPoll,
                                     scratch.file(QStringLiteral("proof.pdf"))}));

    QByteArray rows = "Pay,Amount,Date,Stamp\n";
    for (int i = 0; i < 50; ++i)
        rows += QStringLiteral("\"Payee number %1, Ltd\",%2,06-Dec-2026,yes\n").arg(i).arg(1000 + i * 7919).toUtf8();
    scratch.write(QStringLiteral("50.csv"), rows);
    const bench::ProcessTime batch = bench::runProcess(
        scratch.quillset({QStringLiteral("--batch"), scratch.file(QStringLiteral("50.csv")),
                          QStringLiteral("--account"), QStringLiteral("ACC1"), QStringLiteral("--print")}));
    std::printf("--batch of 50 cheques printed: %.2f s wall, %.2f s CPU = %.1f cheques a second (goal at least 5)\n",
                batch.wallSeconds, batch.cpuSeconds, 50 / batch.wallSeconds);
    return 0;
}
