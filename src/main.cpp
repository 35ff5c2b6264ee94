#include "cli/Program.h"

#include <QFileInfo>
#include <QLibrary>

#include <cstdio>

namespace {

using StartWindowsFunction = int (*)(int, char *[], const QString &);

// The windows module lies in the folder "windows" beside the program, in the build folder as where
// it is installed.
int startWindowsModule(int argc, char *argv[], const QString &database)
{
    const QString folder = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
    QLibrary module(folder + QStringLiteral("/windows/quillset-windows"));
    const auto start = reinterpret_cast<StartWindowsFunction>(module.resolve("quillsetStartWindows"));
    if (!start) {
        std::fprintf(stderr,
                     "quillset: the windows could not be started (%s); the command line still works (see --help).\n",
                     qUtf8Printable(module.errorString()));
        return 1;
    }
    return start(argc, argv, database);
}

} // namespace

int main(int argc, char *argv[])
{
    return quillset::runProgram(argc, argv, startWindowsModule);
}
