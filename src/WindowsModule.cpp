// The windows as a module of their own, which the program loads only when it starts them: a run on
// the command line then never loads Qt Widgets, whose loading was most of a short run's time.
#include "windows/shell/WindowStart.h"

#include <QString>

extern "C" Q_DECL_EXPORT int quillsetStartWindows(int argc, char *argv[], const QString &database)
{
    return quillset::startWindows(argc, argv, database);
}
