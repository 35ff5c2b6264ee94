#pragma once

#include <QString>

namespace quillset {

/// Opens the main window on the database given (empty: the workstation's own, else the one beside
/// the program) and runs until it closes. Says plainly when there is no display to show it on.
int startWindows(int argc, char *argv[], const QString &givenDatabase);

} // namespace quillset
