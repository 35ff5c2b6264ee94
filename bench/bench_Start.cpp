// Starting the program on a register to its main window painted, the whole process, beside a bare
// main window of the same size (QUILLSET_LEAVE_WHEN_SHOWN makes the program leave once it is painted).
#include "support/Scratch.h"

int main()
{
    bench::Scratch scratch;
    qputenv("QUILLSET_LEAVE_WHEN_SHOWN", "1");
    bench::report("start to the main window shown",
                  bench::pairedRuns(scratch.quillset({}), {QStringLiteral(QUILLSET_FLOOR_WINDOW)}, 15));
    return 0;
}
