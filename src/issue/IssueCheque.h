#pragma once

#include <QString>

#include <functional>

namespace quillset {

class Failure;
class PrinterServices;
struct ChequeEntry;

/// The operator's message for a step that failed: "ERR:" + number + ":" + description.
QString errorMessage(const Failure &failure);

/// Writes the cheque into the register: the date as typed is stored as its ISO date, the amount as
/// the number its text begins with. Throws Failure when the database refuses.
void recordCheque(const ChequeEntry &entry);

struct IssueResult
{
    enum class Outcome {
        Printed, ///< printed and recorded
        NotPrinted, ///< nothing reached the printer, so nothing was recorded
        PrintedNotRecorded, ///< on paper, but the register refused it
    };
    Outcome outcome = Outcome::NotPrinted;
    QString message; ///< what to tell the operator; empty when all went well
};

/// Composes the cheque afresh, prints it and, only once the page is with the printer, records it
/// with `record` (the entry window's Process, or recordCheque).
IssueResult printAndRecord(const ChequeEntry &entry, PrinterServices &printer, const std::function<void()> &record);

} // namespace quillset
