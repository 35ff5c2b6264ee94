#include "cli/Program.h"
#include "windows/shell/WindowStart.h"

int main(int argc, char *argv[])
{
    return quillset::runProgram(argc, argv, quillset::startWindows);
}
