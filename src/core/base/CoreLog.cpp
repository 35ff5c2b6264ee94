#include "CoreLog.h"

namespace quillset {

Q_LOGGING_CATEGORY(lcIssue, "quillset.core.issue", QtInfoMsg)
Q_LOGGING_CATEGORY(lcBatch, "quillset.core.batch", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLayout, "quillset.core.layout", QtInfoMsg)
Q_LOGGING_CATEGORY(lcReport, "quillset.core.report", QtInfoMsg)

} // namespace quillset
