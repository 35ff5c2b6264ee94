#include "BatchCheck.h"

#include "core/banks/BankAccount.h"
#include "core/base/CoreLog.h"
#include "core/base/ErrorKind.h"
#include "core/base/Failure.h"
#include "core/batch/BatchWords.h"
#include "core/cheque/ChequeInput.h"
#include "core/cheque/ChequeNumber.h"
#include "core/issue/AccountLimit.h"
#include "core/issue/ChequeBookLife.h"
#include "core/issue/ChequeLife.h"
#include "core/issue/IssueCheque.h"
#include "core/issue/SamePayment.h"
#include "core/layout/PrintSettings.h"
#include "core/report/PositivePayExport.h"
#include "core/words/AmountInWords.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <map>
#include <optional>

namespace quillset {

namespace {

QString columnOf(ChequeField field)
{
    switch (field) {
    case ChequeField::Account:
        return QStringLiteral("Account");
    case ChequeField::Number:
        return QStringLiteral("Cheque");
    case ChequeField::Payee:
        return QStringLiteral("Pay");
    case ChequeField::Date:
        return QStringLiteral("Date");
    case ChequeField::Amount:
        return QStringLiteral("Amount");
    case ChequeField::Stamp:
        return QStringLiteral("Stamp");
    }
    return QString();
}

std::optional<bool> stampFrom(const QString &text)
{
    const QString word = text.trimmed().toLower();
    if (word == QLatin1String("yes") || word == QLatin1String("y") || word == QLatin1String("1")
        || word == QLatin1String("true"))
        return true;
    if (word == QLatin1String("no") || word == QLatin1String("n") || word == QLatin1String("0")
        || word == QLatin1String("false"))
        return false;
    return std::nullopt;
}

bool stampSetting(const Store &store)
{
    try {
        return store.parameters().wholeNumberParameter(Parameter::Stamp) != 0;
    } catch (const Failure &failure) {
        qCDebug(lcBatch).noquote() << "the stamp setting takes its default:" << failure;
        return false;
    }
}

// The digits grouped as the account writes its amounts: 1,234,567 or 12,34,567.
QString grouped(const QString &digits, AmountStyle style)
{
    QString text;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const qsizetype after = digits.size() - i; // digits from here to the end
        const bool mark = i > 0
            && (style == AmountStyle::International ? after % 3 == 0
                                                    : after == 3 || (after > 3 && (after - 3) % 2 == 0));
        if (mark)
            text += u',';
        text += digits.at(i);
    }
    return text;
}

// An amount as a spreadsheet writes it, grouped ("12,500", "1,50,000.50"), as the plain digits a
// cheque is read from. The grouping must be the account's own, or the amount could have been meant
// otherwise: `problem` then says so. A text without commas is left as it is.
QString ungrouped(const QString &text, const BankAccountRecord &account, QString &problem)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,3}(?:,[0-9]{2,3})*,[0-9]{3})(\\.[0-9]*)?$"));
    static const QRegularExpression international(QStringLiteral("^[0-9]{1,3}(,[0-9]{3})+$"));
    static const QRegularExpression indian(QStringLiteral("^[0-9]{1,2}(,[0-9]{2})*,[0-9]{3}$"));
    const QString trimmed = text.trimmed();
    const QRegularExpressionMatch match = form.match(trimmed);
    if (!match.hasMatch())
        return text;
    const QString whole = match.captured(1);
    const AmountStyle style = account.money.style;
    if ((style == AmountStyle::International ? international : indian).match(whole).hasMatch())
        return QString(whole).remove(u',') + match.captured(2);
    const QString digits = QString(whole).remove(u',');
    problem = QCoreApplication::translate(
                  "BatchCheck",
                  "the amount \"%1\" is not grouped as the account \"%2\" groups amounts (%3): write it "
                  "as %4 or %5.")
                  .arg(trimmed, account.bankId,
                       style == AmountStyle::International
                           ? QCoreApplication::translate("BatchCheck", "in thousands")
                           : QCoreApplication::translate("BatchCheck", "in lakhs and crores"),
                       grouped(digits, style) + match.captured(2), digits + match.captured(2));
    return text;
}

QString leavesInWords(qint64 leaves)
{
    if (leaves == 0)
        return QCoreApplication::translate("BatchCheck", "no leaves");
    return leaves == 1 ? QCoreApplication::translate("BatchCheck", "1 leaf")
                       : QCoreApplication::translate("BatchCheck", "%1 leaves").arg(leaves);
}

// What a batch does to one account's cheque books, followed row by row.
struct BookFollowing
{
    qint64 leftBefore = 0;
    QList<int> lines; ///< the rows that take a number on the account
    QList<int> outsideLines;
    QStringList outsideNumbers;
};

// The note on one account's books: the leaves left, the rows that fall outside them, and the
// low-leaves warning for what the batch leaves.
QString booksNote(const QString &account, const LeafPlan &after, const BookFollowing &following, int low)
{
    QString note
        = QCoreApplication::translate("BatchCheck", "%1: %2 left in its cheque books (%3), and the batch takes %4.")
              .arg(account, leavesInWords(following.leftBefore), after.bookRanges())
              .arg(following.lines.size());
    if (!following.outsideLines.isEmpty()) {
        QString lines = linesInWords(following.outsideLines);
        lines[0] = lines.at(0).toUpper();
        return note
            + QCoreApplication::translate("BatchCheck", " %1 would print on %2, in no book.")
                  .arg(lines, numberRuns(following.outsideNumbers));
    }
    const std::optional<BookUsage> book = after.currentBook();
    if (!book)
        return note
            + QCoreApplication::translate("BatchCheck", " None will be left afterwards: have the next book ready.");
    if (book->left <= low)
        note += QCoreApplication::translate(
                    "BatchCheck", " Only %1 will be left in the book %2 to %3 afterwards: have the next book ready.")
                    .arg(leavesInWords(book->left), book->book.firstLeaf, book->book.lastLeaf);
    return note;
}

} // namespace

QStringList CheckedBatch::problemLines() const
{
    return groupedProblemLines(file.problems + problems);
}

QStringList CheckedBatch::confirmLines() const
{
    return groupedProblemLines(toConfirm);
}

QStringList CheckedBatch::overLimitLines() const
{
    return groupedProblemLines(overLimit);
}

qsizetype CheckedBatch::toPrint() const
{
    return std::count_if(cheques.begin(), cheques.end(),
                         [this](const BatchCheque &cheque) { return !registered.contains(cheque.line); });
}

QString CheckedBatch::standing() const
{
    QStringList done;
    QStringList spoiled; // spoiled in an earlier run, and not printed again since
    int pending = 0;
    for (const BatchCheque &cheque : cheques) {
        const auto row = registered.constFind(cheque.line);
        if (row == registered.constEnd())
            continue;
        if (row->status == ChequeStatus::Pending)
            ++pending;
        else if (row->status == ChequeStatus::Spoiled && !row->printedAgain)
            spoiled.append(row->chequeNo);
        else
            done.append(row->chequeNo);
    }
    const qsizetype rest = toPrint();
    if (done.isEmpty() && pending == 0 && spoiled.isEmpty())
        return QCoreApplication::translate("BatchCheck", "%1 cheque(s), ready to print.").arg(cheques.size());
    if (rest == 0 && pending == 0 && spoiled.isEmpty())
        return QCoreApplication::translate("BatchCheck", "This batch is already printed: %1 cheque(s), %2.")
            .arg(cheques.size())
            .arg(numberRuns(done));
    QString text = done.isEmpty() ? QCoreApplication::translate("BatchCheck", "%1 cheque(s)").arg(cheques.size())
                                  : QCoreApplication::translate("BatchCheck", "%1 cheque(s): %2 already printed (%3)")
                                        .arg(cheques.size())
                                        .arg(done.size())
                                        .arg(numberRuns(done));
    if (!spoiled.isEmpty())
        text += QCoreApplication::translate("BatchCheck",
                                            ", %1 spoiled in an earlier run (%2), to print again from the register")
                    .arg(spoiled.size())
                    .arg(numberRuns(spoiled));
    if (pending > 0)
        text += QCoreApplication::translate("BatchCheck", ", %1 pending from an earlier run").arg(pending);
    return text + QCoreApplication::translate("BatchCheck", ", %1 to print.").arg(rest);
}

QStringList CheckedBatch::totalLines(const Store &store) const
{
    QStringList lines;
    for (auto it = totals.cbegin(); it != totals.cend(); ++it) {
        MoneyStyle money;
        try {
            if (const auto account = store.accounts().find(it.key()))
                money = account->money;
        } catch (const Failure &failure) {
            qCWarning(lcBatch).noquote() << "the total of" << it.key() << "is shown in the default money:" << failure;
        }
        lines.append(QCoreApplication::translate("BatchCheck", "%1: %2 cheque(s), %3")
                         .arg(it.key())
                         .arg(it->count)
                         .arg(chequeFigures(it->sum, money)));
    }
    return lines;
}

namespace {

// Each account of the batch with cheques of its Positive Pay threshold from earlier days that the
// bank was not told of: a warning once per account, in the order of the codes.
QStringList positivePayWarnings(const Store &store, const QList<BankAccountRecord> &accounts, const QDate &today)
{
    QStringList warnings;
    QSet<QString> seen;
    for (const BankAccountRecord &record : accounts) {
        if (seen.contains(record.bankId))
            continue;
        seen.insert(record.bankId);
        try {
            if (const QString warning = positivePayWarning(store, record, today); !warning.isEmpty())
                warnings.append(warning);
        } catch (const Failure &failure) {
            // Only a warning: the print itself reads the register again and says what the database does.
            qCWarning(lcBatch).noquote() << "the Positive Pay reports were not read:" << failure.description();
        }
    }
    warnings.sort();
    return warnings;
}

} // namespace

CheckedBatch checkBatch(const Store &store, const BatchFile &file, const QString &account, const PageMetrics &metrics,
                        const QDate &today, qint64 limit, Audience audience)
{
    CheckedBatch checked;
    checked.file = file;
    const bool stampByDefault = stampSetting(store);
    // Rows an earlier run of this same batch left in the register are skipped when it runs again, so
    // their numbers, taken by themselves, are no problem.
    DateRules dates; // every row's date is read in the office's order, and flagged by its rules
    try {
        checked.registered = store.cheques().batchRows(file.hash);
        dates = store.parameters().dateRules(today);
    } catch (const Failure &failure) {
        checked.problems.append({0, QString(),
                                 QCoreApplication::translate("BatchCheck", "the register could not be read: %1")
                                     .arg(failure.description())});
        return checked;
    }
    const QMap<int, BatchRowState> &done = checked.registered;
    // The numbers the rows take, given or next, by account and number key: the line and whether it
    // takes the next number.
    QMap<QString, std::pair<int, bool>> numbersInBatch;
    // Each account's numbers followed through its books as the rows would take them.
    std::map<QString, LeafPlan> plans;
    QMap<QString, BookFollowing> following;
    QHash<QString, BankAccountRecord> accounts;
    std::optional<PrintSettings> settings;
    for (const BatchRow &row : file.rows) {
        const auto problem = [&](const QString &column, const QString &reason) {
            checked.problems.append({row.line, column, reason});
        };
        ChequeTexts texts;
        texts.accountCode = row.texts.value(QStringLiteral("Account")).trimmed();
        if (texts.accountCode.isEmpty())
            texts.accountCode = account;
        if (texts.accountCode.isEmpty()) {
            problem(
                QStringLiteral("Account"),
                audience == Audience::CommandLine
                    ? QCoreApplication::translate("BatchCheck",
                                                  "no account: give one with --account or in an Account column.")
                    : QCoreApplication::translate(
                        "BatchCheck", "no account: choose one in the entry window or give one in an Account column."));
            continue;
        }
        texts.number = row.texts.value(QStringLiteral("Cheque")).trimmed();
        const bool next
            = texts.number.isEmpty() || texts.number.compare(QLatin1String("next"), Qt::CaseInsensitive) == 0;
        if (next)
            texts.number = QStringLiteral("1"); // read with a stand-in; the real number is taken when it prints
        texts.payee = row.texts.value(QStringLiteral("Pay")).trimmed();
        texts.date = row.texts.value(QStringLiteral("Date")).trimmed();
        texts.amount = row.texts.value(QStringLiteral("Amount")).trimmed();
        texts.stamp = stampByDefault;
        if (const QString stamp = row.texts.value(QStringLiteral("Stamp")); !stamp.trimmed().isEmpty()) {
            const std::optional<bool> given = stampFrom(stamp);
            if (!given) {
                problem(QStringLiteral("Stamp"),
                        QCoreApplication::translate("BatchCheck", "\"%1\" is neither yes nor no.").arg(stamp));
                continue;
            }
            texts.stamp = *given;
        }
        BankAccountRecord record;
        try {
            // Each account is read once for the whole batch: the check is of the register as it is now.
            auto known = accounts.constFind(texts.accountCode);
            if (known == accounts.constEnd())
                known = accounts.insert(texts.accountCode, chequeAccount(store, texts.accountCode));
            record = *known;
        } catch (const Failure &failure) {
            problem(QStringLiteral("Account"), failure.description(audience));
            continue;
        }
        // Rows that write the code in other capitals are the same account, for numbers and totals.
        texts.accountCode = record.bankId;
        texts.crossing = record.marks.crossing();
        if (const QString crossing = row.texts.value(QStringLiteral("Crossing")).trimmed(); !crossing.isEmpty()) {
            // Words of its own cross the row's cheque, unless its Stamp cell says no.
            texts.crossing = crossingFromWords(crossing);
            if (row.texts.value(QStringLiteral("Stamp")).trimmed().isEmpty())
                texts.stamp = true;
        }
        QString grouping;
        texts.amount = ungrouped(texts.amount, record, grouping);
        if (!grouping.isEmpty()) {
            problem(QStringLiteral("Amount"), grouping);
            continue;
        }
        const ChequeReading reading = readCheque(texts, record.money, dates);
        if (!reading.cheque) {
            for (const FieldProblem &field : reading.problems)
                problem(field.field == ChequeField::Stamp && row.texts.contains(QStringLiteral("Crossing"))
                            ? QStringLiteral("Crossing")
                            : columnOf(field.field),
                        field.empty ? QCoreApplication::translate("BatchCheck", "it is empty.") : field.message);
            continue;
        }
        BatchCheque cheque {row.line, *reading.cheque, next};
        if (next)
            cheque.cheque.number.clear();
        const auto count = [&] {
            BatchTotal &total = checked.totals[cheque.cheque.accountCode];
            ++total.count;
            total.sum += cheque.cheque.amount.units;
            checked.cheques.append(cheque);
        };
        if (done.contains(row.line)) {
            count();
            continue;
        }
        bool outsideBooks = false;
        try {
            auto plan = plans.find(record.bankId);
            if (plan == plans.end()) {
                plan = plans.try_emplace(record.bankId, store, record.bankId).first;
                following[record.bankId].leftBefore = plan->second.leavesLeft();
            }
            // The page is checked as it will print; a cheque taking the next number is composed with
            // the number it would get now.
            Cheque composed = cheque.cheque;
            if (next) {
                composed.number = plan->second.takeNext();
                if (composed.number.isEmpty())
                    throw Failure(
                        ErrorNumber::EntryInvalid,
                        QCoreApplication::translate("BatchCheck",
                                                    "the account \"%1\" has no cheque numbered in digits yet, so there "
                                                    "is no next number: give the first of these cheques its number in "
                                                    "the Cheque column, and the rest follow it.")
                            .arg(composed.accountCode));
                checked.plannedNumbers.insert(row.line, composed.number);
            }
            const QString key = composed.accountCode + u'/' + numberKey(composed.number);
            if (const auto earlier = numbersInBatch.constFind(key); earlier != numbersInBatch.constEnd()) {
                problem(QStringLiteral("Cheque"),
                        earlier->second
                            ? QCoreApplication::translate("BatchCheck", "number %1 is the next number line %2 takes.")
                                  .arg(composed.number)
                                  .arg(earlier->first)
                            : QCoreApplication::translate("BatchCheck", "number %1 is in the batch twice.")
                                  .arg(composed.number));
                continue;
            }
            numbersInBatch.insert(key, {row.line, next});
            if (!next)
                plan->second.take(composed.number);
            if (!settings)
                settings = store.parameters().printSettingsFor(QString());
            checked.pages.insert(row.line, checkedChequePage(store, composed, metrics, record, *settings));
            BookFollowing &books = following[record.bankId];
            books.lines.append(row.line);
            if (plan->second.outsideBooks(composed.number)) {
                outsideBooks = true;
                books.outsideLines.append(row.line);
                books.outsideNumbers.append(composed.number);
            }
            // A file edited and run again, or the same payment in another file: printed, it pays twice.
            if (const QString paid = samePaymentText(store, cheque.cheque); !paid.isEmpty())
                checked.toConfirm.append(
                    {row.line, QStringLiteral("Pay"),
                     QCoreApplication::translate("BatchCheck", "%1: this row would pay it a second time.").arg(paid)});
        } catch (const Failure &failure) {
            // A number already used is the Cheque column's fault; a page that does not fit is the row's.
            problem(!next && failure.number() == ErrorNumber::NumberTaken ? QStringLiteral("Cheque") : QString(),
                    failure.description(audience));
            continue;
        }
        if (const QString flag = dateFlag(cheque.cheque.date, dates); !flag.isEmpty())
            checked.toConfirm.append({row.line, QStringLiteral("Date"), flag});
        if (const QString over = overLimitText(cheque.cheque, record); !over.isEmpty())
            checked.overLimit.append({row.line, QStringLiteral("Amount"), over});
        else if (limit > 0 && cheque.cheque.amount.units > limit * record.money.unitsPerWhole())
            checked.toConfirm.append({row.line, QStringLiteral("Amount"),
                                      QCoreApplication::translate("BatchCheck", "%1 is above the limit of %2.")
                                          .arg(chequeFigures(cheque.cheque.amount),
                                               chequeFigures(limit * record.money.unitsPerWhole(), record.money))});
        // A 0 amount is more often a cell left out than a cheque meant.
        if (cheque.cheque.amount.units == 0)
            checked.toConfirm.append(
                {row.line, QStringLiteral("Amount"), QCoreApplication::translate("BatchCheck", "the amount is 0.")});
        if (outsideBooks)
            checked.toConfirm.append(
                {row.line, QStringLiteral("Cheque"),
                 QCoreApplication::translate("BatchCheck",
                                             "its number would be in none of the cheque books of \"%1\" (%2).")
                     .arg(record.bankId, plans.at(record.bankId).bookRanges())});
        count();
    }
    const int low = lowLeavesSetting(store);
    for (const auto &[code, plan] : plans) {
        if (plan.hasBooks() && !following.value(code).lines.isEmpty())
            checked.notes.append(booksNote(code, plan, following.value(code), low));
    }
    checked.positivePay = positivePayWarnings(store, accounts.values(), today);
    return checked;
}

QStringList leavesLeftLines(const Store &store, const QStringList &accounts)
{
    QStringList lines;
    const int low = lowLeavesSetting(store);
    for (const QString &account : accounts) {
        try {
            const LeafPlan plan(store, account);
            if (!plan.hasBooks())
                continue;
            const qint64 left = plan.leavesLeft();
            lines.append(QCoreApplication::translate("BatchCheck", "%1: %2 left in its cheque books (%3)%4")
                             .arg(account, leavesInWords(left), plan.bookRanges(),
                                  left <= low ? QCoreApplication::translate("BatchCheck", ": have the next book ready.")
                                              : QStringLiteral(".")));
        } catch (const Failure &failure) {
            // The count is a help; the cheques themselves are done and said.
            qCWarning(lcBatch).noquote() << "the leaves left of" << account << "are not counted:" << failure;
        }
    }
    return lines;
}

} // namespace quillset
