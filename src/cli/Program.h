#pragma once

#include <QString>

#include <functional>

namespace quillset {

/// Starts the windows on the database the command line named (empty: the workstation's own, else
/// the one beside the program) and runs until they close. It is given the program's arguments, as
/// an application object wants them.
using StartWindows = std::function<int(int argc, char *argv[], const QString &givenDatabase)>;

/// The whole program: reads the command line and runs the command it asks for without a window;
/// with no command, hands over to startWindows.
int runProgram(int argc, char *argv[], const StartWindows &startWindows);

} // namespace quillset
