#include "ErrorKind.h"

#include <QDebug>

namespace quillset {

ErrorKind kindOf(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::DatabaseMissing:
    case ErrorNumber::DatabaseUnreadable:
    case ErrorNumber::DatabaseLocked:
    case ErrorNumber::DatabaseStatement:
    case ErrorNumber::DatabaseTooNew:
    case ErrorNumber::DatabaseUpgrade:
    case ErrorNumber::ParameterMissing:
    case ErrorNumber::ParameterNotNumber:
        return ErrorKind::Database;
    case ErrorNumber::PrinterMissing:
    case ErrorNumber::PrinterRefused:
    case ErrorNumber::PrinterTimeout:
    case ErrorNumber::PrinterOutcomeUnknown:
        return ErrorKind::Printer;
    case ErrorNumber::ReportDefinition:
    case ErrorNumber::FileWrite:
    case ErrorNumber::FileRead:
        return ErrorKind::File;
    case ErrorNumber::AccountMissing:
    case ErrorNumber::MeasurementMissing:
    case ErrorNumber::AmountOutOfRange:
    case ErrorNumber::EntryInvalid:
    case ErrorNumber::NumberTaken:
    case ErrorNumber::DoesNotFit:
    case ErrorNumber::OffThePage:
    case ErrorNumber::NotSettleable:
    case ErrorNumber::StaleRecord:
    case ErrorNumber::Unprintable:
    case ErrorNumber::OverLimit:
        return ErrorKind::Request;
    }
    return ErrorKind::Request;
}

QDebug operator<<(QDebug debug, const Failure &failure)
{
    const QDebugStateSaver saver(debug);
    debug.noquote().nospace() << "ERR:" << failure.code() << ": " << failure.description();
    return debug;
}

} // namespace quillset
