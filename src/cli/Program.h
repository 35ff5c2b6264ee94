#pragma once

namespace quillset {

/// The whole program: reads the command line, opens the main window and runs until it closes.
int runProgram(int argc, char *argv[]);

} // namespace quillset
