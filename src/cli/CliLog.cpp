#include "CliLog.h"

namespace quillset {

Q_LOGGING_CATEGORY(lcCli, "quillset.cli", QtInfoMsg)

} // namespace quillset
