#include "SplitWords.h"

#include <QList>

namespace quillset {

WordsLines SplitWords(const QString &words, double boxWidth, const TextWidth &printerWidth,
                      const TextWidth &screenWidth)
{
    if (boxWidth > printerWidth(words))
        return {words, QString(), false};

    // The first line ends at the last space before which the words fit. A longer beginning is never
    // narrower, so that space is found by halving among the spaces rather than measuring every one.
    QList<qsizetype> spaces;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words.at(i) == u' ')
            spaces.append(i + 1);
    }
    qsizetype fits = 0;
    qsizetype low = 0;
    qsizetype high = spaces.size();
    while (low < high) {
        const qsizetype middle = (low + high) / 2;
        if (screenWidth(words.left(spaces.at(middle))) > boxWidth) {
            high = middle;
        } else {
            fits = spaces.at(middle);
            low = middle + 1;
        }
    }
    return {words.left(fits), words.mid(fits), true};
}

} // namespace quillset
