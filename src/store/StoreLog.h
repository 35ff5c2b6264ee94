#pragma once

#include <QLoggingCategory>

namespace quillset {

/// Diagnostics of the database and its upgrades.
Q_DECLARE_LOGGING_CATEGORY(lcStore)

} // namespace quillset
