#include "PrintLog.h"

namespace quillset {

Q_LOGGING_CATEGORY(lcPrint, "quillset.print", QtInfoMsg)

} // namespace quillset
