#pragma once

namespace quillset {

/// Sends the SQL drivers' own warnings ("Unable to free statement: ...") to the store's log, at debug
/// level, instead of the terminal the clerk reads. Once per program; other messages pass on unchanged.
void keepDriverMessagesInTheLog();

} // namespace quillset
