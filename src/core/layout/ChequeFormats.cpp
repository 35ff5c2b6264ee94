#include "ChequeFormats.h"

#include <QLocale>

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

QString chequeDateText(const QDate &date, DateLayout layout)
{
    switch (layout) {
    case DateLayout::DashedNumbers:
        return date.toString(QStringLiteral("dd-MM-yyyy"));
    case DateLayout::SlashedNumbers:
        return date.toString(QStringLiteral("dd/MM/yyyy"));
    case DateLayout::Written:
        // The C locale's month names are English on every system.
        return QLocale::c().toString(date, QStringLiteral("dd MMMM yyyy"));
    case DateLayout::Boxes:
        break;
    }
    return spreadDateDigits(date);
}

} // namespace quillset
