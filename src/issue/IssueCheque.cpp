#include "IssueCheque.h"

#include "layout/ChequeFormats.h"
#include "layout/ComposeCheque.h"
#include "layout/PrinterServices.h"
#include "store/Conversions.h"
#include "store/Database.h"
#include "store/Failure.h"

namespace quillset {

QString errorMessage(const Failure &failure)
{
    return QStringLiteral("ERR:%1:%2").arg(failure.code()).arg(failure.description());
}

void recordCheque(const ChequeEntry &entry)
{
    const std::optional<QDate> date = parseChequeDate(entry.date);
    if (!date)
        throw Failure(ErrorNumber::DatabaseStatement,
                      QStringLiteral("\"%1\" is not a date, so the cheque cannot be recorded.").arg(entry.date));
    runStatement(QStringLiteral("Insert into Cheque (BankID, ChequeNo, Amount, Pay, PrintDate) values(?,?,?,?,?)"),
                 {entry.bankId, entry.chequeNo, numericValue(entry.amount), entry.pay, date->toString(Qt::ISODate)});
}

IssueResult printAndRecord(const ChequeEntry &entry, PrinterServices &printer, const std::function<void()> &record)
{
    // A cheque whose date the register could not hold is never printed: every printed cheque is recorded.
    if (!parseChequeDate(entry.date))
        return {
            IssueResult::Outcome::NotPrinted,
            errorMessage(Failure(ErrorNumber::DatabaseStatement,
                                 QStringLiteral("\"%1\" is not a date; write it as 06-Dec-2026.").arg(entry.date)))};
    try {
        const ChequePage page = ComposeCheque(entry, printer);
        printer.printPage(page);
        printer.endDocument();
    } catch (const Failure &failure) {
        return {IssueResult::Outcome::NotPrinted, errorMessage(failure)};
    }
    try {
        record();
    } catch (const Failure &failure) {
        return {IssueResult::Outcome::PrintedNotRecorded,
                QStringLiteral("The cheque WAS printed but NOT recorded in the register.\n\nReason: %1\n\n"
                               "Its details are still in the window so that you can note them. Do not print it "
                               "again.")
                    .arg(failure.description())};
    }
    return {IssueResult::Outcome::Printed, QString()};
}

} // namespace quillset
