#include "PositivePayCommand.h"

#include "cli/SharedOptions.h"
#include "core/base/Failure.h"
#include "core/cheque/ChequeInput.h"
#include "core/report/PositivePayExport.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace quillset {

using namespace SharedOptions;

namespace {

const QString kPositivePay = QStringLiteral("positive-pay");
const QString kSinceLast = QStringLiteral("since-last");
const QString kOut = QStringLiteral("out");

} // namespace

QList<QCommandLineOption> PositivePayCommand::options() const
{
    return {
        {kPositivePay,
         QCoreApplication::translate(
             "PositivePayCommand",
             "Write the Positive Pay file of the --account in its bank's layout to --out: the cheques printed or "
             "voided since the last one (--since-last), or those dated from FROM to TO. Each is recorded as "
             "reported to the bank.")},
        {kSinceLast,
         QCoreApplication::translate(
             "PositivePayCommand",
             "With --positive-pay: the cheques printed or voided since they were last reported.")},
        {kOut, QCoreApplication::translate("PositivePayCommand", "With --positive-pay: the file to write."),
         QCoreApplication::translate("PositivePayCommand", "file")},
    };
}

bool PositivePayCommand::isWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(kPositivePay);
}

QString PositivePayCommand::usageProblem(const QCommandLineParser &parser, const QList<const Command *> &wanted) const
{
    if (!isWanted(parser))
        return parser.isSet(kSinceLast) || parser.isSet(kOut)
            ? QCoreApplication::translate("PositivePayCommand", "--since-last and --out go with --positive-pay.")
            : QString();
    if (wanted.size() > 1)
        return QCoreApplication::translate("PositivePayCommand", "--positive-pay goes alone, without another command.");
    for (const QString &single : {kPrint, kPdf, kConfirm, kChequeNo, kPay, kDate, kAmount}) {
        if (parser.isSet(single))
            return QCoreApplication::translate(
                       "PositivePayCommand",
                       "--positive-pay writes a file of cheques already printed; --%1 does not go with it.")
                .arg(single);
    }
    if (parser.value(kAccount).trimmed().isEmpty())
        return QCoreApplication::translate(
            "PositivePayCommand",
            "--positive-pay needs the account: --positive-pay --account ACC1 --since-last --out pp.csv");
    if (parser.value(kOut).isEmpty())
        return QCoreApplication::translate("PositivePayCommand", "--positive-pay needs the file to write: --out FILE.");
    const qsizetype dates = parser.positionalArguments().size();
    if (parser.isSet(kSinceLast) ? dates != 0 : dates != 2)
        return QCoreApplication::translate(
            "PositivePayCommand",
            "--positive-pay takes either --since-last or the first and the last date, such as: "
            "--positive-pay --account ACC1 01-Dec-2026 07-Dec-2026 --out pp.csv");
    return QString();
}

int PositivePayCommand::run(CommandRun &run) const
{
    const QCommandLineParser &parser = run.parser;
    const Store &store = *run.store;
    PositivePaySelection selection;
    selection.sinceLast = parser.isSet(kSinceLast);
    try {
        if (!selection.sinceLast) {
            // Read in the office's order of dates, as every date the command line is given.
            const DateOrder order = store.parameters().dateRules(QDate()).order;
            const DateReading first = readChequeDate(parser.positionalArguments().at(0), order);
            const DateReading last = readChequeDate(parser.positionalArguments().at(1), order);
            for (const DateReading &date : {first, last}) {
                if (!date.date)
                    return sayFailure(date.problem, ExitStatus::Usage);
            }
            selection.from = *first.date;
            selection.to = *last.date;
        }
        const QString target = parser.value(kOut);
        const PositivePayWritten written = exportPositivePay(store, parser.value(kAccount), selection, target);
        sayLine(QCoreApplication::translate("PositivePayCommand", "%1 cheque(s) written to %2.")
                    .arg(QString::number(written.cheques), QDir::toNativeSeparators(target)));
        sayLine(QCoreApplication::translate("PositivePayCommand", "SHA-256 %1").arg(written.sha256));
        if (const QString note = positivePayLeftOutNote(written); !note.isEmpty())
            say(printWarningLine(note));
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
