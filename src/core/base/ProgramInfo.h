#pragma once

#include <QCoreApplication>
#include <QString>

namespace quillset {

/// The program's title, which heads its messages.
inline const QString kProgramTitle = QStringLiteral("Quillset");
/// The company name of the program's version information, which heads its refusals.
inline const QString kCompanyName = QStringLiteral("Quillset");

/// Names the running program, which places its settings and its user data folder.
inline void nameProgram()
{
    QCoreApplication::setApplicationName(kProgramTitle);
    QCoreApplication::setOrganizationName(kCompanyName);
}

} // namespace quillset
