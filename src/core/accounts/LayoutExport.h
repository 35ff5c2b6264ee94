#pragma once

#include <QString>

namespace quillset {

class Store;

/// Writes the leaf layout of the stored account to the file at path. Throws Failure in plain words
/// for an unknown account or a file that cannot be written.
void exportLayout(const Store &store, const QString &account, const QString &path);

/// Gives the account the layout in the file at path, making the account if there is none by that
/// code. Returns what was done, in words; throws Failure for a file that is not a layout.
QString importLayout(const Store &store, const QString &path, const QString &account);

} // namespace quillset
