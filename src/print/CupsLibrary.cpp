#include "CupsLibrary.h"

#include "core/base/Failure.h"

#include <QCoreApplication>
#include <QLibrary>

namespace quillset {

namespace {

std::optional<CupsLibrary> loadCups(QString &problem)
{
    QLibrary library(QStringLiteral("cups"), 2);
    if (!library.load()) {
        problem = library.errorString();
        return std::nullopt;
    }
    CupsLibrary loaded;
    // The library stays loaded for the rest of the run: its functions are kept.
#define QUILLSET_CUPS_RESOLVE(name)                                                                                    \
    loaded.name = reinterpret_cast<decltype(loaded.name)>(library.resolve(#name));                                     \
    if (!loaded.name) {                                                                                                \
        problem = QStringLiteral(#name);                                                                               \
        return std::nullopt;                                                                                           \
    }
    QUILLSET_CUPS_FUNCTIONS(QUILLSET_CUPS_RESOLVE)
#undef QUILLSET_CUPS_RESOLVE
    return loaded;
}

} // namespace

const CupsLibrary &cups()
{
    static QString problem;
    static const std::optional<CupsLibrary> library = loadCups(problem);
    if (!library)
        throw Failure(ErrorNumber::PrinterMissing,
                      QCoreApplication::translate("CupsPrintQueue",
                                                  "The print service's library could not be loaded (%1). Install "
                                                  "CUPS (the Debian package libcups2), then print again.")
                          .arg(problem));
    return *library;
}

} // namespace quillset
