#include "StoreLog.h"

namespace quillset {

Q_LOGGING_CATEGORY(lcStore, "quillset.store", QtInfoMsg)

} // namespace quillset
