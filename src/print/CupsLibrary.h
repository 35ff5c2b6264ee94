#pragma once

#include <cups/cups.h>

namespace quillset {

// Every function of libcups the program calls, loaded the first time it talks to a print server
// rather than at every start: libcups and the libraries it needs take longer to load than a proof
// of a cheque takes to draw, and a report or a register command never prints.
#define QUILLSET_CUPS_FUNCTIONS(X)                                                                                     \
    X(cupsAddOption)                                                                                                   \
    X(cupsCancelJob2)                                                                                                  \
    X(cupsCheckDestSupported)                                                                                          \
    X(cupsCopyDestInfo)                                                                                                \
    X(cupsCreateJob)                                                                                                   \
    X(cupsDoRequest)                                                                                                   \
    X(cupsEncryption)                                                                                                  \
    X(cupsFindDestSupported)                                                                                           \
    X(cupsFinishDocument)                                                                                              \
    X(cupsFreeDestInfo)                                                                                                \
    X(cupsFreeDests)                                                                                                   \
    X(cupsFreeJobs)                                                                                                    \
    X(cupsFreeOptions)                                                                                                 \
    X(cupsGetDestMediaByName)                                                                                          \
    X(cupsGetDests2)                                                                                                   \
    X(cupsGetJobs2)                                                                                                    \
    X(cupsGetNamedDest)                                                                                                \
    X(cupsGetOption)                                                                                                   \
    X(cupsLastError)                                                                                                   \
    X(cupsLastErrorString)                                                                                             \
    X(cupsServer)                                                                                                      \
    X(cupsStartDocument)                                                                                               \
    X(cupsWriteRequestData)                                                                                            \
    X(httpAssembleURIf)                                                                                                \
    X(httpClose)                                                                                                       \
    X(httpConnect2)                                                                                                    \
    X(httpSetTimeout)                                                                                                  \
    X(ippAddInteger)                                                                                                   \
    X(ippAddString)                                                                                                    \
    X(ippAddStrings)                                                                                                   \
    X(ippDelete)                                                                                                       \
    X(ippFindAttribute)                                                                                                \
    X(ippGetCount)                                                                                                     \
    X(ippGetInteger)                                                                                                   \
    X(ippGetString)                                                                                                    \
    X(ippNewRequest)                                                                                                   \
    X(ippPort)                                                                                                         \
    X(pwgMediaForPWG)                                                                                                  \
    X(pwgMediaForSize)

struct CupsLibrary
{
#define QUILLSET_CUPS_MEMBER(name) decltype(&::name) name = nullptr;
    QUILLSET_CUPS_FUNCTIONS(QUILLSET_CUPS_MEMBER)
#undef QUILLSET_CUPS_MEMBER
};

/// libcups, loaded on the first call. Throws Failure (no printer) when it is not installed or lacks
/// a function, which is as good as no print service at all.
const CupsLibrary &cups();

} // namespace quillset
