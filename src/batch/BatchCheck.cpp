#include "BatchCheck.h"

#include "banks/BankAccount.h"
#include "cheque/ChequeInput.h"
#include "cheque/ChequeNumber.h"
#include "core/Failure.h"
#include "issue/ChequeLife.h"
#include "issue/IssueCheque.h"
#include "store/Store.h"
#include "words/AmountInWords.h"

#include <QSet>

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
    } catch (const Failure &) {
        return false;
    }
}

} // namespace

QStringList CheckedBatch::problemLines() const
{
    QStringList lines;
    for (const BatchProblem &problem : file.problems + problems)
        lines.append(problem.text());
    return lines;
}

QStringList CheckedBatch::totalLines(const Store &store) const
{
    QStringList lines;
    for (auto it = totals.cbegin(); it != totals.cend(); ++it) {
        MoneyStyle money;
        try {
            if (const auto account = store.accounts().find(it.key()))
                money = account->money;
        } catch (const Failure &) {
        }
        lines.append(
            QStringLiteral("%1: %2 cheque(s), %3").arg(it.key()).arg(it->count).arg(chequeFigures(it->sum, money)));
    }
    return lines;
}

CheckedBatch checkBatch(const Store &store, const BatchFile &file, const QString &account, const PageMetrics &metrics,
                        const QDate &today, qint64 limit, Audience audience)
{
    CheckedBatch checked;
    checked.file = file;
    const bool stampByDefault = stampSetting(store);
    // Rows an earlier run of this same batch left in the register are skipped when it runs again, so
    // their numbers, taken by themselves, are no problem.
    QMap<int, ChequeStatus> done;
    DateRules dates; // every row's date is read in the office's order, and flagged by its rules
    try {
        done = store.cheques().batchRows(file.hash);
        dates = store.parameters().dateRules(today);
    } catch (const Failure &failure) {
        checked.problems.append(
            {0, QString(), QStringLiteral("the register could not be read: %1").arg(failure.description())});
        return checked;
    }
    QSet<QString> numbersInBatch; // account and number key
    QMap<QString, QString> lastNumberGiven; // by account: a next number may follow one the batch gives
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
                    ? QStringLiteral("no account: give one with --account or in an Account column.")
                    : QStringLiteral("no account: choose one in the entry window or give one in an Account column."));
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
                problem(QStringLiteral("Stamp"), QStringLiteral("\"%1\" is neither yes nor no.").arg(stamp));
                continue;
            }
            texts.stamp = *given;
        }
        BankAccountRecord record;
        try {
            record = chequeAccount(store, texts.accountCode);
        } catch (const Failure &failure) {
            problem(QStringLiteral("Account"), failure.description(audience));
            continue;
        }
        // Rows that write the code in other capitals are the same account, for numbers and totals.
        texts.accountCode = record.bankId;
        const ChequeReading reading = readCheque(texts, record.money, dates);
        if (!reading.cheque) {
            for (const FieldProblem &field : reading.problems)
                problem(columnOf(field.field), field.empty ? QStringLiteral("it is empty.") : field.message);
            continue;
        }
        BatchCheque cheque {row.line, *reading.cheque, next};
        if (next)
            cheque.cheque.number.clear();
        const auto count = [&] {
            BatchTotal &total = checked.totals[cheque.cheque.accountCode];
            ++total.count;
            total.sum += cheque.cheque.amount;
            checked.cheques.append(cheque);
        };
        if (done.contains(row.line)) {
            count();
            continue;
        }
        try {
            if (!next) {
                const QString key = cheque.cheque.accountCode + u'/' + numberKey(cheque.cheque.number);
                if (numbersInBatch.contains(key)) {
                    problem(QStringLiteral("Cheque"),
                            QStringLiteral("number %1 is in the batch twice.").arg(cheque.cheque.number));
                    continue;
                }
                numbersInBatch.insert(key);
                if (isDigitNumber(cheque.cheque.number))
                    lastNumberGiven.insert(cheque.cheque.accountCode, cheque.cheque.number);
            }
            // The page is checked as it will print; a cheque taking the next number is composed with
            // the number it would get now, which changes nothing on the page.
            Cheque composed = cheque.cheque;
            if (next)
                composed.number = offeredNumber(store, composed.accountCode);
            if (next && composed.number.isEmpty() && lastNumberGiven.contains(composed.accountCode))
                composed.number = numberAfter(lastNumberGiven.value(composed.accountCode));
            if (composed.number.isEmpty())
                throw Failure(ErrorNumber::EntryInvalid,
                              QStringLiteral("the account \"%1\" has no cheque numbered in digits yet, so there is no "
                                             "next number: give this one its number.")
                                  .arg(composed.accountCode));
            BankAccountRecord used;
            checkedChequePage(store, composed, metrics, used);
        } catch (const Failure &failure) {
            problem(next ? QString() : QStringLiteral("Cheque"), failure.description(audience));
            continue;
        }
        if (const QString flag = dateFlag(cheque.cheque.date, dates); !flag.isEmpty())
            checked.toConfirm.append({row.line, QStringLiteral("Date"), flag});
        if (limit > 0 && cheque.cheque.amount > limit * record.money.unitsPerWhole())
            checked.toConfirm.append({row.line, QStringLiteral("Amount"),
                                      QStringLiteral("%1 is above the limit of %2.")
                                          .arg(chequeFigures(cheque.cheque.amount, record.money),
                                               chequeFigures(limit * record.money.unitsPerWhole(), record.money))});
        count();
    }
    return checked;
}

} // namespace quillset
