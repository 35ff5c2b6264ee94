#include "ChequeFormats.h"

namespace quillset {

QString spreadDateDigits(const QDate &date)
{
    const QString digits = date.toString(QStringLiteral("ddMMyyyy"));
    QString spread;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0)
            spread += QStringLiteral("    ");
        spread += digits.at(i);
    }
    return spread;
}

} // namespace quillset
