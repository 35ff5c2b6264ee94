#include "HistoryText.h"

#include <QCoreApplication>
#include <QLocale>

namespace quillset {

QString historyLine(const HistoryEvent &event)
{
    const QString when = QLocale::c().toString(event.at.toLocalTime(), QStringLiteral("dd-MMM-yyyy HH:mm"));
    QString who = QCoreApplication::translate("HistoryText", "%1 on %2").arg(event.osUser, event.workstation);
    if (!event.role.isEmpty())
        who += QCoreApplication::translate("HistoryText", " (database role %1)").arg(event.role);
    QString line = QCoreApplication::translate("HistoryText", "%1 %2 by %3").arg(when, event.action, who);
    if (!event.reason.isEmpty())
        line += QStringLiteral(": ") + event.reason;
    return line;
}

} // namespace quillset
