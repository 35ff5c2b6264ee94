#pragma once

#include <QString>

namespace quillset {

class Store;
struct StoreOptions;

/// Writes a consistent copy of a file register to `file` while other programs may be using it. The
/// copy is made under a name of its own and takes `file`'s name only when whole. Throws Failure for a
/// server register (its own tools copy it) and when the copy cannot be made.
void backUpRegister(const Store &store, const QString &file);

/// Puts the copy in the place of the file register at `location`, once the copy opens as a Quillset
/// database (upgraded when older), its file is whole and it agrees with its history. The register
/// it replaces is kept beside it, named "<name>.before-restore" (with a number after it when that
/// name is taken: an earlier restore's is never written over); returns that name. Throws Failure,
/// changing nothing, when it cannot.
QString restoreRegister(const QString &copy, const QString &location, const StoreOptions &options);

} // namespace quillset
