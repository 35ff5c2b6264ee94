#pragma once

#include "store/RegisterHistory.h"

#include <QString>

namespace quillset {

/// One entry of a history as the clerk reads it: "08-Dec-2026 14:05 void by asha on desk-1: lost in
/// the post".
QString historyLine(const HistoryEvent &event);

} // namespace quillset
