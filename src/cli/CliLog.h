#pragma once

#include <QLoggingCategory>

namespace quillset {

/// Diagnostics of the command line: what a command dealt with without saying it.
Q_DECLARE_LOGGING_CATEGORY(lcCli)

} // namespace quillset
