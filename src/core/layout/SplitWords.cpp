#include "SplitWords.h"

namespace quillset {

WordsLines SplitWords(const QString &words, double boxWidth, const TextWidth &printerWidth,
                      const TextWidth &screenWidth)
{
    if (boxWidth > printerWidth(words))
        return {words, QString(), false};

    qsizetype fits = 0;
    for (qsizetype i = 1; i <= words.size(); ++i) {
        if (words.at(i - 1) != u' ')
            continue;
        if (screenWidth(words.left(i)) > boxWidth)
            break;
        fits = i;
    }
    return {words.left(fits), words.mid(fits), true};
}

} // namespace quillset
