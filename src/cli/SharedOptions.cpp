#include "SharedOptions.h"

#include <QCoreApplication>

namespace quillset::SharedOptions {

QList<QCommandLineOption> options()
{
    return {
        {kDatabase,
         QCoreApplication::translate("SharedOptions",
                                     "Use the database at <path> instead of Records.mdb beside the program."),
         QCoreApplication::translate("SharedOptions", "path")},
        {kPrint,
         QCoreApplication::translate("SharedOptions",
                                     "Print the cheque on the default printer and record it in the register.")},
        {kPdf,
         QCoreApplication::translate("SharedOptions",
                                     "Write a proof of the cheque to the PDF <file>; nothing is recorded."),
         QCoreApplication::translate("SharedOptions", "file")},
        {kAccount, QCoreApplication::translate("SharedOptions", "The bank account code of the cheque."),
         QCoreApplication::translate("SharedOptions", "code")},
        {kChequeNo,
         QCoreApplication::translate("SharedOptions",
                                     "The cheque number, or \"next\" for the one after the account's highest."),
         QCoreApplication::translate("SharedOptions", "number")},
        {kPay, QCoreApplication::translate("SharedOptions", "The payee."),
         QCoreApplication::translate("SharedOptions", "payee")},
        {kDate,
         QCoreApplication::translate(
             "SharedOptions",
             "The cheque date, such as 06-Dec-2026 (numbers alone in the office's order of dates, "
             "day first unless it chose another)."),
         QCoreApplication::translate("SharedOptions", "date")},
        {kAmount,
         QCoreApplication::translate("SharedOptions",
                                     "The amount in digits, with the account's decimals after a point where it takes "
                                     "them, such as 12345 or 12345.50."),
         QCoreApplication::translate("SharedOptions", "amount")},
        {kStamp,
         QCoreApplication::translate("SharedOptions",
                                     "Print the crossing, with the account's words (such as "
                                     "\"Payee's Account Only\").")},
        {kCrossing,
         QCoreApplication::translate("SharedOptions",
                                     "Cross the cheque with these words instead of the account's, such as "
                                     "\"Not Negotiable\"; \"\" for the two lines alone."),
         QCoreApplication::translate("SharedOptions", "words")},
        {kNoStamp,
         QCoreApplication::translate("SharedOptions",
                                     "Leave the crossing off (without either, the Stamp setting decides).")},
        {kConfirm,
         QCoreApplication::translate(
             "SharedOptions",
             "With --print or --reprint: print what needs a second look as it is (a post-dated cheque, one "
             "dated longer ago than a cheque stays valid, a number in none of the account's cheque books, a "
             "payee, amount and date the register already holds a cheque for; in a --batch also a 0 "
             "amount); without it, it is refused and nothing prints.")},
        {kConfirmOverLimit,
         QCoreApplication::translate("SharedOptions",
                                     "With --print, --batch or --reprint: print a cheque above its account's \"Not "
                                     "over\" limit, for the --reason given (kept in the register's history).")},
        {kReason,
         QCoreApplication::translate("SharedOptions",
                                     "Why: a cheque is spoiled or void (with --mark), or printed above its "
                                     "account's limit (with --confirm-over-limit)."),
         QCoreApplication::translate("SharedOptions", "text")},
    };
}

} // namespace quillset::SharedOptions
