#include "SharedOptions.h"

namespace quillset::SharedOptions {

QList<QCommandLineOption> options()
{
    return {
        {kDatabase, QStringLiteral("Use the database at <path> instead of Records.mdb beside the program."),
         QStringLiteral("path")},
        {kPrint, QStringLiteral("Print the cheque on the default printer and record it in the register.")},
        {kPdf, QStringLiteral("Write a proof of the cheque to the PDF <file>; nothing is recorded."),
         QStringLiteral("file")},
        {kAccount, QStringLiteral("The bank account code of the cheque."), QStringLiteral("code")},
        {kChequeNo, QStringLiteral("The cheque number, or \"next\" for the one after the account's highest."),
         QStringLiteral("number")},
        {kPay, QStringLiteral("The payee."), QStringLiteral("payee")},
        {kDate,
         QStringLiteral("The cheque date, such as 06-Dec-2026 (numbers alone in the office's order of dates, "
                        "day first unless it chose another)."),
         QStringLiteral("date")},
        {kAmount, QStringLiteral("The amount, digits only."), QStringLiteral("amount")},
        {kStamp, QStringLiteral("Print the \"Payee's Account Only\" crossing.")},
        {kNoStamp, QStringLiteral("Leave the crossing off (without either, the Stamp setting decides).")},
        {kConfirm,
         QStringLiteral("With --print: print what needs a second look as it is (a post-dated cheque, one dated "
                        "longer ago than a cheque stays valid; in a --batch also a 0 amount or a number in no "
                        "cheque book); without it, it is refused and nothing prints.")},
    };
}

} // namespace quillset::SharedOptions
