#include "ReportCommand.h"

#include "cli/SharedOptions.h"
#include "core/base/Failure.h"
#include "core/base/Files.h"
#include "core/cheque/ChequeInput.h"
#include "core/report/ChequeRegister.h"
#include "core/report/ReportDefinition.h"
#include "core/report/ReportDocument.h"
#include "print/ReportPdf.h"
#include "store/Store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace quillset {

using namespace SharedOptions;

namespace {

const QString kCsv = QStringLiteral("csv");

} // namespace

QList<QCommandLineOption> ReportCommand::options() const
{
    return {
        {kReport,
         QCoreApplication::translate(
             "ReportCommand",
             "Write the register report for the cheques dated from FROM to TO (both included, written as "
             "--date takes them) to --csv or --pdf; with --account, of that account only.")},
        {kCsv, QCoreApplication::translate("ReportCommand", "With --report: write the report's rows as CSV to <file>."),
         QCoreApplication::translate("ReportCommand", "file")},
    };
}

bool ReportCommand::isWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(kReport);
}

QString ReportCommand::usageProblem(const QCommandLineParser &parser, const QList<const Command *> &) const
{
    if (!isWanted(parser))
        return parser.isSet(kCsv) ? QCoreApplication::translate("ReportCommand", "--csv goes with --report.")
                                  : QString();
    if (parser.isSet(kPrint) || parser.isSet(kMark))
        return QCoreApplication::translate("ReportCommand", "--report cannot go with --print or --mark.");
    if (parser.positionalArguments().size() != 2)
        return QCoreApplication::translate(
            "ReportCommand", "--report needs the first and the last date, such as: --report 01-Nov-2026 30-Nov-2026.");
    if (parser.isSet(kCsv) == parser.isSet(kPdf))
        return QCoreApplication::translate("ReportCommand",
                                           "--report writes to one file: give --csv FILE or --pdf FILE.");
    return QString();
}

bool ReportCommand::drawsPages(const QCommandLineParser &parser) const
{
    return !parser.isSet(kCsv);
}

int ReportCommand::run(CommandRun &run) const
{
    const QCommandLineParser &parser = run.parser;
    const Store &store = *run.store;
    // Read in the office's order of dates, as every date it is given; a date that is none is a wrong word.
    DateOrder order = DateOrder::DayFirst;
    try {
        order = store.parameters().dateRules(QDate()).order;
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    const DateReading first = readChequeDate(parser.positionalArguments().at(0), order);
    const DateReading last = readChequeDate(parser.positionalArguments().at(1), order);
    for (const DateReading &date : {first, last}) {
        if (!date.date)
            return sayFailure(date.problem, ExitStatus::Usage);
    }
    const QDate from = *first.date;
    const QDate to = *last.date;
    // Such a range holds no cheque: an empty report would pass for a month without cheques.
    if (from > to)
        return sayFailure(QCoreApplication::translate("ReportCommand",
                                                      "The start date, %1, is after the end date, %2, so no cheque "
                                                      "can lie between them.")
                              .arg(formatChequeDate(from), formatChequeDate(to)),
                          ExitStatus::Usage);
    QString account = parser.value(kAccount);
    const QString target = parser.isSet(kCsv) ? parser.value(kCsv) : parser.value(kPdf);
    const FileKind kind = parser.isSet(kCsv) ? FileKind::Csv : FileKind::Pdf;
    if (const QString problem = writeTargetProblem(target, kind, store.databaseFile()); !problem.isEmpty())
        return sayFailure(problem);
    try {
        if (!account.isEmpty()) {
            const std::optional<BankAccountRecord> found = store.accounts().find(account);
            if (!found)
                return sayFailure(
                    QCoreApplication::translate("ReportCommand", "there is no bank account with the code \"%1\".")
                        .arg(account));
            account = found->bankId;
        }
        const QString title = reportTitle(from, to, account);
        qsizetype written = 0;
        if (parser.isSet(kCsv)) {
            // Rows go straight into the file's text: a month of a large register is never held as rows.
            RegisterCsv csv;
            written = store.cheques().eachBetween(from, to, account,
                                                  [&csv](const RegisterEntry &entry) { csv.add(entry); });
            writeFile(target, kind, csv.bytes(), store.databaseFile());
        } else {
            const QList<RegisterEntry> entries = store.cheques().between(from, to, account);
            written = entries.size();
            // The same definition the window reads at every Preview, beside the program.
            ReportDefinition definition = ReportDefinition::load(
                QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("rptCheque.rpt")));
            const ReportDocument document(std::move(definition), title, entries);
            writeFile(target, kind, renderReportPdf(document, title), store.databaseFile());
        }
        sayLine(QCoreApplication::translate("ReportCommand", "%1: %2 cheque(s) written to %3")
                    .arg(title, QString::number(written), QDir::toNativeSeparators(target)));
    } catch (const Failure &failure) {
        return sayFailure(failure);
    }
    return ExitStatus::Done;
}

} // namespace quillset
