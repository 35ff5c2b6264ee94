#pragma once

#include "core/Failure.h"

#include <QList>
#include <QString>

namespace quillset {

class PageMetrics;
struct ChequePage;

/// Why a composed page cannot be printed as it stands, one failure per problem: a payee or words
/// line too long for its box even in its smallest size (DoesNotFit), the leaf or a field off the
/// sheet (OffThePage), or a character no installed font has (Unprintable). Empty when the page can
/// be printed.
QList<Failure> pageProblems(const ChequePage &page, const PageMetrics &metrics);

/// The problems' descriptions, one after the other, in the words for who is told.
QString problemsText(const QList<Failure> &problems, Audience audience = Audience::Window);

/// Where someone at the command line changes an account's layout, to end a sentence with.
QString layoutOnCommandLine();

/// What the operator calls a page item: "the payee", "the date".
QString itemDescription(const QString &itemName);

} // namespace quillset
