#pragma once

#include <QLoggingCategory>

namespace quillset {

/// Diagnostics of composition, fonts and printing.
Q_DECLARE_LOGGING_CATEGORY(lcPrint)

} // namespace quillset
