#include "WindowsLog.h"

namespace quillset {

Q_LOGGING_CATEGORY(lcWindows, "quillset.windows", QtInfoMsg)

} // namespace quillset
