#include "VerifyCommand.h"

#include "core/base/Failure.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace quillset {

namespace {

const QString kVerify = QStringLiteral("verify-register");

} // namespace

QList<QCommandLineOption> VerifyCommand::options() const
{
    return {{kVerify,
             QCoreApplication::translate("VerifyCommand",
                                         "Check the register against its history: every entry still linked to the one "
                                         "before it, and every cheque as its last entry left it.")}};
}

bool VerifyCommand::isWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(kVerify);
}

int VerifyCommand::run(CommandRun &run) const
{
    RegisterCheck check;
    try {
        check = run.store->history().verify();
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    for (const QString &damage : check.damage)
        sayLine(QCoreApplication::translate("VerifyCommand", "The register's file is damaged: %1").arg(damage));
    if (!check.damage.isEmpty()) {
        sayLine(QCoreApplication::translate("VerifyCommand",
                                            "The register was not checked against its history: restore it from a "
                                            "backup (quillset --restore)."));
        return ExitStatus::RegisterBroken;
    }
    if (!check.brokenLink.isEmpty())
        sayLine(QCoreApplication::translate("VerifyCommand", "The history is broken: %1").arg(check.brokenLink));
    for (const QString &difference : check.differences)
        sayLine(difference);
    sayLine(
        QCoreApplication::translate("VerifyCommand", "%1 history entries and %2 cheques checked: %3")
            .arg(check.events)
            .arg(check.cheques)
            .arg(check.isClean()
                     ? QCoreApplication::translate("VerifyCommand", "the register agrees with its history.")
                     : QCoreApplication::translate("VerifyCommand", "the register does NOT agree with its history.")));
    return check.isClean() ? ExitStatus::Done : ExitStatus::RegisterBroken;
}

} // namespace quillset
