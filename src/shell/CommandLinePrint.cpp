#include "CommandLinePrint.h"

#include "issue/ChequeEntryRules.h"
#include "issue/IssueCheque.h"
#include "layout/ComposeCheque.h"
#include "layout/SystemPrinter.h"
#include "store/Failure.h"
#include "store/SystemParameters.h"
#include "words/AmountInWords.h"

#include <QCommandLineParser>

#include <cstdio>
#include <cstring>

namespace quillset {

namespace {

const QString kPdf = QStringLiteral("pdf");
const QString kPrint = QStringLiteral("print");
const QString kAccount = QStringLiteral("account");
const QString kChequeNo = QStringLiteral("cheque");
const QString kPay = QStringLiteral("pay");
const QString kDate = QStringLiteral("date");
const QString kAmount = QStringLiteral("amount");
const QString kStamp = QStringLiteral("stamp");
const QString kNoStamp = QStringLiteral("no-stamp");

int refuse(const QString &message)
{
    std::fprintf(stderr, "quillset: %s\n", qUtf8Printable(message));
    return 1;
}

} // namespace

void addChequePrintOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {kPrint,
         QStringLiteral("Print the cheque on the default printer and record it in the register, "
                        "without opening the windows.")},
        {kPdf, QStringLiteral("Write a proof of the cheque to the PDF <file>; nothing is recorded."),
         QStringLiteral("file")},
        {kAccount, QStringLiteral("The bank account code of the cheque."), QStringLiteral("code")},
        {kChequeNo, QStringLiteral("The cheque number."), QStringLiteral("number")},
        {kPay, QStringLiteral("The payee."), QStringLiteral("payee")},
        {kDate, QStringLiteral("The cheque date, such as 06-Dec-2026."), QStringLiteral("date")},
        {kAmount, QStringLiteral("The amount in whole rupees, digits only."), QStringLiteral("amount")},
        {kStamp, QStringLiteral("Print the \"Payee's Account Only\" crossing.")},
        {kNoStamp, QStringLiteral("Leave the crossing off (without either, the Stamp setting decides).")},
    });
}

bool wantsChequePrint(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--print") == 0 || std::strcmp(argv[i], "--pdf") == 0
            || std::strncmp(argv[i], "--pdf=", 6) == 0)
            return true;
    }
    return false;
}

bool wantsHelp(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "-?") == 0
            || std::strcmp(argv[i], "--help-all") == 0)
            return true;
    }
    return false;
}

int printChequeFromCommandLine(const QCommandLineParser &parser)
{
    ChequeEntry entry;
    entry.bankId = parser.value(kAccount);
    entry.chequeNo = parser.value(kChequeNo);
    entry.pay = parser.value(kPay);
    entry.date = parser.value(kDate);
    entry.amount = parser.value(kAmount);
    if (entry.bankId.isEmpty())
        return refuse(QStringLiteral("say which bank account the cheque is drawn on with --account."));
    if (!isComplete(entry))
        return refuse(kIncompleteChequeMessage + QStringLiteral(": give --cheque, --pay, --date and --amount."));
    if (!isAcceptableAmountText(entry.amount))
        return refuse(QStringLiteral("the amount \"%1\" must be whole rupees in digits only, at most %2 of them.")
                          .arg(entry.amount)
                          .arg(kAmountMaxDigits));
    if (!isAcceptableDateText(entry.date))
        return refuse(
            QStringLiteral("\"%1\" is not a date; write it as 06-Dec-2026, 06/12/2026 or 2026-12-06.").arg(entry.date));
    try {
        entry.narration = narrationForAmountText(entry.amount);
        if (parser.isSet(kStamp) || parser.isSet(kNoStamp))
            entry.stamp = parser.isSet(kStamp);
        else
            entry.stamp = wholeNumberParameter(Parameter::Stamp) != 0;
    } catch (const Failure &failure) {
        return refuse(failure.description());
    }
    if (parser.isSet(kPrint)) {
        // The same sequence as the entry window's "&Print": recorded only once it is printed.
        SystemPrinter printer;
        const IssueResult result = printAndRecord(entry, printer, [&entry] { recordCheque(entry); });
        switch (result.outcome) {
        case IssueResult::Outcome::Printed:
            return 0;
        case IssueResult::Outcome::NotPrinted:
            return refuse(result.message);
        case IssueResult::Outcome::PrintedNotRecorded:
            refuse(result.message);
            return 2;
        }
    }
    try {
        SystemPrinter printer(parser.value(kPdf));
        const ChequePage page = ComposeCheque(entry, printer);
        printer.printPage(page);
        printer.endDocument();
    } catch (const Failure &failure) {
        return refuse(failure.description());
    }
    return 0;
}

} // namespace quillset
