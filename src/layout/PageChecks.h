#pragma once

#include <QStringList>

namespace quillset {

class PageMetrics;
struct ChequePage;

/// Why a composed page cannot be printed as it stands, one plain sentence per problem: a payee or
/// words line too long for its box even in its smallest size, or the leaf or a field off the sheet.
/// Empty when the page can be printed.
QStringList pageProblems(const ChequePage &page, const PageMetrics &metrics);

/// What the operator calls a page item: "the payee", "the date".
QString itemDescription(const QString &itemName);

} // namespace quillset
