#pragma once

#include <QString>

namespace quillset {

/// "Records.mdb" inside the given folder.
QString databasePathIn(const QString &folder);

/// Where the program keeps its database when none is named. Beside the program when that folder can
/// be written; otherwise (an installed program in a read-only folder) in the user's data folder, where
/// the delivered database beside the program is copied on first start. Never replaces an existing
/// database. Throws Failure when the delivered copy cannot be made.
QString chooseDatabasePath(const QString &programFolder, bool programFolderWritable, const QString &userDataFolder);

} // namespace quillset
