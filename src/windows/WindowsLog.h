#pragma once

#include <QLoggingCategory>

namespace quillset {

/// Diagnostics of the windows: what a window dealt with without showing it to the operator.
Q_DECLARE_LOGGING_CATEGORY(lcWindows)

} // namespace quillset
