#pragma once

#include <QStringList>

namespace quillset {
struct ChequePage;
}

namespace quillset::test {

/// Reads a printed page back from its PDF and compares every shown text item with where the page
/// placed it. Returns a line for each item that is missing or lies more than 0.2 mm from its place;
/// empty when every item is where it belongs. `checked` receives the number of items compared.
QStringList misplacedItems(const ChequePage &page, const QString &pdf, int *checked = nullptr);

} // namespace quillset::test
