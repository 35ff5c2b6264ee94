#pragma once

#include <QLoggingCategory>

namespace quillset {

// The core library's diagnostics, one category per subsystem (quillset.core.<subsystem>). A failure
// the program deals with without telling anyone (a default taken, a note not kept) is logged here
// with its cause, so that it leaves a trace. Turn them on with QT_LOGGING_RULES, such as
// "quillset.*.debug=true".

/// Printing a cheque, following its job, settling it, cheque books.
Q_DECLARE_LOGGING_CATEGORY(lcIssue)
/// Batch files and their checks.
Q_DECLARE_LOGGING_CATEGORY(lcBatch)
/// Composition of pages and their fonts.
Q_DECLARE_LOGGING_CATEGORY(lcLayout)
/// The register report.
Q_DECLARE_LOGGING_CATEGORY(lcReport)

} // namespace quillset
