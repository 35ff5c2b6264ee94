// Makes a database as an earlier release left it, by the program's own steps up to that release's
// version, with the sample account: the start of each fixture tests/data/make-fixtures.sh keeps.
//   quillset_make_fixture <version> <new file or postgresql:// location>

#include "core/base/Failure.h"
#include "store/Backends.h"
#include "store/Connection.h"
#include "store/Schema.h"

#include <QCoreApplication>

#include <cstdio>

using namespace quillset;

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool isNumber = false;
    const int version = arguments.value(1).toInt(&isNumber);
    if (arguments.size() != 3 || !isNumber || version < 0 || version > schemaVersion()) {
        std::fprintf(stderr, "usage: quillset_make_fixture <version 0 to %d> <new file or server location>\n",
                     schemaVersion());
        return 64;
    }
    const QString location = arguments.at(2);
    try {
        std::unique_ptr<Dialect> dialect = dialectFor(location);
        dialect->createEmpty();
        const Connection connection(std::move(dialect));
        createSchema(connection, true, version);
    } catch (const Failure &failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
