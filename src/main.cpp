#include "cli/Program.h"

int main(int argc, char *argv[])
{
    return quillset::runProgram(argc, argv);
}
