#pragma once

#include <QLoggingCategory>

namespace quillset {

/// Diagnostics of the print server and page output.
Q_DECLARE_LOGGING_CATEGORY(lcPrint)

} // namespace quillset
