#include "ChequeInput.h"

#include "core/cheque/ChequeNumber.h"
#include "core/words/MoneyStyle.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace quillset {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

FieldProblem emptyField(ChequeField field, const QString &message)
{
    return {field, message, true};
}

} // namespace

QString statusWord(ChequeStatus status)
{
    switch (status) {
    case ChequeStatus::Pending:
        return QStringLiteral("pending");
    case ChequeStatus::Printed:
        return QStringLiteral("printed");
    case ChequeStatus::Spoiled:
        return QStringLiteral("spoiled");
    case ChequeStatus::Void:
        return QStringLiteral("void");
    }
    return QString();
}

std::optional<ChequeStatus> statusFromWord(const QString &word)
{
    for (const ChequeStatus status :
         {ChequeStatus::Pending, ChequeStatus::Printed, ChequeStatus::Spoiled, ChequeStatus::Void}) {
        if (word == statusWord(status))
            return status;
    }
    return std::nullopt;
}

QString fieldName(ChequeField field)
{
    switch (field) {
    case ChequeField::Account:
        return QCoreApplication::translate("ChequeInput", "Bank ID");
    case ChequeField::Number:
        return QCoreApplication::translate("ChequeInput", "Cheque No");
    case ChequeField::Payee:
        return QCoreApplication::translate("ChequeInput", "Pay");
    case ChequeField::Date:
        return QCoreApplication::translate("ChequeInput", "Date");
    case ChequeField::Amount:
        return QCoreApplication::translate("ChequeInput", "Amount");
    case ChequeField::Stamp:
        return QCoreApplication::translate("ChequeInput", "Stamp");
    }
    return QString();
}

QString incompleteChequeMessage()
{
    return QCoreApplication::translate("ChequeInput", kIncompleteChequeText);
}

bool ChequeReading::incomplete() const
{
    return std::any_of(problems.begin(), problems.end(), [](const FieldProblem &p) { return p.empty; });
}

QString ChequeReading::messages() const
{
    QStringList lines;
    for (const FieldProblem &problem : problems)
        lines.append(problem.message);
    return lines.join(u'\n');
}

bool hasVisibleCharacter(const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isSpace(c))
            continue;
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format: // zero-width spaces and joiners, the byte-order mark, the word joiner
        case QChar::Other_NotAssigned:
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
            continue;
        default:
            break;
        }
        // Hangul fillers are letters that print nothing.
        if (c == 0x115f || c == 0x1160 || c == 0x3164 || c == 0xffa0)
            continue;
        return true;
    }
    return false;
}

bool isAcceptableAmountText(const QString &text, const MoneyStyle &money)
{
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? QStringView(text) : QStringView(text).left(point);
    const QStringView fraction = point < 0 ? QStringView() : QStringView(text).mid(point + 1);
    if (point >= 0 && money.subunitDigits == 0)
        return false;
    return whole.size() <= kAmountMaxDigits && fraction.size() <= money.subunitDigits
        && std::all_of(whole.begin(), whole.end(), isAsciiDigit)
        && std::all_of(fraction.begin(), fraction.end(), isAsciiDigit);
}

std::optional<qint64> parseAmount(const QString &text, const MoneyStyle &money)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String(".") || !isAcceptableAmountText(trimmed, money))
        return std::nullopt;
    const qsizetype point = trimmed.indexOf(u'.');
    const QString whole = point < 0 ? trimmed : trimmed.left(point);
    QString fraction = point < 0 ? QString() : trimmed.mid(point + 1);
    fraction = fraction.leftJustified(money.subunitDigits, u'0');
    qint64 amount = 0;
    for (const QChar c : QString(whole + fraction))
        amount = amount * 10 + (c.unicode() - u'0');
    return amount;
}

namespace {

// What in a text a cheque line cannot print as it is kept: a line break, a tab or another control
// character; a direction override or isolate, which would print the text in another order than it
// is recorded in; or an invisible space or joiner that prints nothing and that a bank's records
// would not match. The joiners Indian scripts need (U+200C, U+200D) and the direction marks are kept.
QString unprintableCharacter(const QString &text)
{
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        const QChar::Category kind = c.category();
        const auto named = [&](const char *what) {
            return QCoreApplication::translate("ChequeInput", what)
                .arg(QString::number(code, 16).toUpper().rightJustified(4, u'0'));
        };
        if (c == u'\n' || c == u'\r' || kind == QChar::Separator_Line || kind == QChar::Separator_Paragraph)
            return QCoreApplication::translate("ChequeInput", "a line break");
        if (c == u'\t')
            return QCoreApplication::translate("ChequeInput", "a tab");
        if (kind == QChar::Other_Control)
            return named(QT_TRANSLATE_NOOP("ChequeInput", "a control character (U+%1)"));
        if ((code >= 0x202a && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069))
            return named(QT_TRANSLATE_NOOP("ChequeInput",
                                           "a direction control (U+%1), which would print it in "
                                           "another order"));
        if (code == 0x200b || code == 0x2060 || code == 0xfeff)
            return named(QT_TRANSLATE_NOOP("ChequeInput", "an invisible character (U+%1)"));
    }
    return QString();
}

QString payeeProblem(const QString &payee)
{
    const QString what = unprintableCharacter(payee);
    if (what.isEmpty())
        return QString();
    return QCoreApplication::translate("ChequeInput",
                                       "The payee holds %1, which a cheque cannot print: write the payee on one "
                                       "line, with blanks between its words.")
        .arg(what);
}

QString crossingProblem(const QString &crossing)
{
    if (crossing.size() > kLongestCrossing)
        return QCoreApplication::translate("ChequeInput",
                                           "The crossing's words are too long for any crossing (%1 characters; at "
                                           "most %2). Shorten them.")
            .arg(crossing.size())
            .arg(kLongestCrossing);
    const QString what = unprintableCharacter(crossing);
    if (what.isEmpty())
        return QString();
    return QCoreApplication::translate("ChequeInput",
                                       "The crossing's words hold %1, which a cheque cannot print: write them on "
                                       "one line, with blanks between them.")
        .arg(what);
}

QString amountProblem(const QString &text, const QString &accountCode, const MoneyStyle &money)
{
    // Digits with more decimals than the account takes: an amount typed for another account, say.
    // It is named, never cut to fit.
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{0,%1}\\.([0-9]+)$").arg(kAmountMaxDigits));
    const QRegularExpressionMatch m = decimal.match(text.trimmed());
    if (!m.hasMatch() || m.capturedLength(1) <= money.subunitDigits || accountCode.isEmpty())
        return amountFormHint(text, money);
    const QString takes = money.subunitDigits == 0
        ? QCoreApplication::translate("ChequeInput", "no decimals, whole amounts only")
        : QCoreApplication::translate("ChequeInput", "%1 decimals").arg(money.subunitDigits);
    const QString has = m.capturedLength(1) == 1
        ? QCoreApplication::translate("ChequeInput", "1 decimal")
        : QCoreApplication::translate("ChequeInput", "%1 decimals").arg(m.capturedLength(1));
    return QCoreApplication::translate("ChequeInput",
                                       "The amount %1 has %2, but the account \"%3\" takes %4: correct the amount.")
        .arg(text.trimmed(), has, accountCode, takes);
}

} // namespace

ChequeReading readCheque(const ChequeTexts &texts, const MoneyStyle &money, const DateRules &dates)
{
    ChequeReading reading;
    QList<FieldProblem> &problems = reading.problems;
    if (texts.accountCode.isEmpty())
        problems.append({ChequeField::Account,
                         QCoreApplication::translate("ChequeInput", "Choose the bank account the cheque is drawn on."),
                         false});
    // A number is the leaf's, however it was typed: what is stored is what a person would call it.
    const QString number = normalisedNumber(texts.number);
    if (number.isEmpty())
        problems.append(
            emptyField(ChequeField::Number, QCoreApplication::translate("ChequeInput", "Enter the cheque number.")));
    else if (const QString problem = numberProblem(texts.number); !problem.isEmpty())
        problems.append({ChequeField::Number, problem, false});
    // An office may write a payee any way its bank accepts, on the one line the leaf has for it: the
    // register then holds exactly what was printed.
    // One made of blanks and invisible characters alone would print a blank Pay line: it is no payee.
    // A payee longer than any leaf could hold is refused before it is measured: the measurement of a
    // text of millions of characters overflows and would let it through.
    if (texts.payee.size() > kLongestPayee)
        problems.append(
            {ChequeField::Payee,
             QCoreApplication::translate("ChequeInput",
                                         "The payee is too long for any cheque leaf (%1 characters; at most %2 can "
                                         "print). Shorten it.")
                 .arg(texts.payee.size())
                 .arg(kLongestPayee),
             false});
    else if (!hasVisibleCharacter(texts.payee))
        problems.append(
            emptyField(ChequeField::Payee, QCoreApplication::translate("ChequeInput", "Enter the payee after Pay.")));
    else if (const QString problem = payeeProblem(texts.payee); !problem.isEmpty())
        problems.append({ChequeField::Payee, problem, false});

    if (texts.stamp) {
        if (const QString problem = crossingProblem(texts.crossing); !problem.isEmpty())
            problems.append({ChequeField::Stamp, problem, false});
    }

    const DateReading date = readChequeDate(texts.date, dates.order);
    if (texts.date.trimmed().isEmpty())
        problems.append(
            emptyField(ChequeField::Date, QCoreApplication::translate("ChequeInput", "Enter the cheque date.")));
    else if (!date.date)
        problems.append({ChequeField::Date, date.problem, false});
    else if (const QString outside = dateWindowProblem(*date.date, dates); !outside.isEmpty())
        problems.append({ChequeField::Date, outside, false});

    std::optional<qint64> amount;
    if (texts.amount.isEmpty()) {
        problems.append(
            emptyField(ChequeField::Amount, QCoreApplication::translate("ChequeInput", "Enter the amount.")));
    } else if (!(amount = parseAmount(texts.amount, money))) {
        problems.append({ChequeField::Amount, amountProblem(texts.amount, texts.accountCode, money), false});
    }

    if (problems.isEmpty())
        // Blanks before and after the payee print nothing, so they are not kept either: the
        // register and the bank's Positive Pay file hold the name as the leaf shows it.
        reading.cheque = Cheque {texts.accountCode,
                                 number,
                                 texts.payee.trimmed(),
                                 *date.date,
                                 Money {*amount, money},
                                 texts.stamp,
                                 texts.stamp ? texts.crossing : QString()};
    return reading;
}

} // namespace quillset
