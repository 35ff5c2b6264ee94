#pragma once

#include "core/base/Failure.h"

class QDebug;

namespace quillset {

/// What a failure is about. Code that treats failures differently asks this, never a range of
/// numbers: the numbers are only what the operator is shown.
enum class ErrorKind {
    Database, ///< the database could not be opened, read or written, or a setting in it is wrong
    Printer, ///< the printer or the print server
    File, ///< a file other than the database
    Request, ///< what was typed or asked for
};

/// The kind of failure a number is.
ErrorKind kindOf(ErrorNumber number);
inline ErrorKind kindOf(const Failure &failure)
{
    return kindOf(failure.number());
}

/// A failure in a log line: its number and description, as the windows would say it.
QDebug operator<<(QDebug debug, const Failure &failure);

} // namespace quillset
