#include "CommandOutput.h"

#include "core/base/Failure.h"

#include <QCoreApplication>

#include <cstdio>

namespace quillset {

void say(const QString &message)
{
    std::fprintf(stderr, "quillset: %s\n", qUtf8Printable(message));
}

int sayFailure(const QString &message, int status)
{
    say(message);
    return status;
}

int sayFailure(const Failure &failure, int status)
{
    return sayFailure(failure.description(Audience::CommandLine), status);
}

void sayLine(const QString &text)
{
    std::printf("%s\n", qUtf8Printable(text));
}

QString printWarningLine(const QString &warning)
{
    return QCoreApplication::translate("CommandOutput", "warning: %1").arg(warning);
}

QDate commandLineToday()
{
    const QDate fixed = QDate::fromString(qEnvironmentVariable("QUILLSET_TODAY"), Qt::ISODate);
    return fixed.isValid() ? fixed : QDate::currentDate();
}

} // namespace quillset
