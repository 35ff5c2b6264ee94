#include "DriverMessages.h"

#include "store/StoreLog.h"

#include <QString>

#include <algorithm>
#include <mutex>

namespace quillset {

namespace {

QtMessageHandler previousHandler = nullptr;

// The Qt SQL drivers warn without a category of their own; these are how their warnings begin.
bool fromADriver(const QMessageLogContext &context, const QString &message)
{
    if (context.category && qstrcmp(context.category, "default") != 0)
        return false;
    static const QLatin1String openings[]
        = {QLatin1String("Unable to free statement"), QLatin1String("QPSQL"), QLatin1String("QSQLITE"),
           QLatin1String("QSqlQuery::"), QLatin1String("QSqlDatabase")};
    return std::any_of(std::begin(openings), std::end(openings),
                       [&](QLatin1String opening) { return message.startsWith(opening); });
}

void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && fromADriver(context, message)) {
        qCDebug(lcStore, "driver: %s", qUtf8Printable(message));
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void keepDriverMessagesInTheLog()
{
    // A process-wide handler, because the drivers write with qWarning() and no category to filter.
    static std::once_flag installed;
    std::call_once(installed, [] { previousHandler = qInstallMessageHandler(handle); });
}

} // namespace quillset
