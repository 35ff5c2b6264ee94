#pragma once

#include <QString>

#include <functional>

namespace quillset {

/// Width of a text in twips, as one device measures it.
using TextWidth = std::function<double(const QString &)>;

struct WordsLines
{
    QString first;
    QString second;
    bool secondShown = false;
};

/// Splits the amount in words over the cheque's two lines. When the whole text, measured on the
/// printer, is narrower than the first line's box, it all goes there. Otherwise the first line ends
/// with the last blank whose text up to it still fits the box as the screen measures it, and the
/// second line takes the rest, whatever its width. A word is never cut.
WordsLines SplitWords(const QString &words, double boxWidth, const TextWidth &printerWidth,
                      const TextWidth &screenWidth);

} // namespace quillset
