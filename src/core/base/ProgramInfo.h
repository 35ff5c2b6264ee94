#pragma once

#include <QString>

namespace quillset {

/// The program's title, which heads its messages.
inline const QString kProgramTitle = QStringLiteral("Quillset");
/// The company name of the program's version information, which heads its refusals.
inline const QString kCompanyName = QStringLiteral("Quillset");

} // namespace quillset
