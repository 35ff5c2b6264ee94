#include "BankRecordTransfer.h"

#include "core/banks/LeafLimits.h"
#include "core/base/Conversions.h"

#include <QCoreApplication>

#include <cmath>

namespace quillset {

namespace {

enum Identity { BankId, BankName, AccountNo, Address, City, AccountType };

Measurement measurementAt(int index)
{
    return static_cast<Measurement>(index - BankAccountTexts::kFirstMeasurement);
}

} // namespace

QString textLabel(int index)
{
    static const char *const identity[]
        = {QT_TRANSLATE_NOOP("BankRecordTransfer", "Bank ID"),   QT_TRANSLATE_NOOP("BankRecordTransfer", "Bank Name"),
           QT_TRANSLATE_NOOP("BankRecordTransfer", "Account #"), QT_TRANSLATE_NOOP("BankRecordTransfer", "Address"),
           QT_TRANSLATE_NOOP("BankRecordTransfer", "City"),      QT_TRANSLATE_NOOP("BankRecordTransfer", "Acc Type")};
    static const char *const crossing[] = {QT_TRANSLATE_NOOP("BankRecordTransfer", "Crossing, Left"),
                                           QT_TRANSLATE_NOOP("BankRecordTransfer", "Crossing, Top"),
                                           QT_TRANSLATE_NOOP("BankRecordTransfer", "Crossing, Width"),
                                           QT_TRANSLATE_NOOP("BankRecordTransfer", "Crossing, Height")};
    if (index < BankAccountTexts::kFirstMeasurement)
        return QCoreApplication::translate("BankRecordTransfer", identity[index]);
    if (index >= BankAccountTexts::kFirstCrossing)
        return QCoreApplication::translate("BankRecordTransfer", crossing[index - BankAccountTexts::kFirstCrossing]);
    return measurementLabel(measurementAt(index));
}

BankAccountTexts textsFromRecord(const BankAccountRecord &account)
{
    BankAccountTexts shown;
    shown.texts
        = {account.bankId, account.bankName, account.accountNo, account.address, account.city, account.accountType};
    for (int i = BankAccountTexts::kFirstMeasurement; i < BankAccountTexts::kFirstCrossing; ++i) {
        const std::optional<double> value = account.value(measurementAt(i));
        shown.texts.at(static_cast<size_t>(i)) = value ? plainNumber(*value) : QString();
    }
    int i = BankAccountTexts::kFirstCrossing;
    for (const std::optional<double> &value :
         {account.crossing.left, account.crossing.top, account.crossing.width, account.crossing.height})
        shown.texts.at(static_cast<size_t>(i++)) = value ? plainNumber(*value) : QString();
    shown.active = account.rupee3Active;
    shown.money = account.money;
    shown.notOver = account.limits.notOver ? QString::number(*account.limits.notOver) : QString();
    return shown;
}

namespace {

double numberFromText(int index, const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw TextRefused(
            index,
            QCoreApplication::translate("BankRecordTransfer",
                                        "%1 holds \"%2\", which is not a number. Enter centimetres, such as 20.3.")
                .arg(textLabel(index), text));
    return value;
}

void requireWithinLimits(int index, const QString &text, MeasureKind kind, double value)
{
    if (const QString problem = measureProblem(kind, value); !problem.isEmpty())
        throw TextRefused(index,
                          QCoreApplication::translate("BankRecordTransfer", "%1 holds \"%2\", but %3.")
                              .arg(textLabel(index), text, problem));
}

std::optional<double> measurementFromText(int index, const QString &text)
{
    const double value = numberFromText(index, text);
    requireWithinLimits(index, text, measureKind(measurementAt(index)), value);
    return value;
}

// An empty crossing box keeps the corner block; a size must be more than nothing.
std::optional<double> crossingFromText(int index, const QString &text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const double value = numberFromText(index, text);
    const int part = index - BankAccountTexts::kFirstCrossing;
    if (part >= 2 && value <= 0)
        throw TextRefused(
            index,
            QCoreApplication::translate("BankRecordTransfer",
                                        "%1 holds \"%2\"; the crossing needs a size of more than 0 cm, or leave it "
                                        "empty for the usual corner block.")
                .arg(textLabel(index), text));
    requireWithinLimits(index, text, crossingKind(part), value);
    return value;
}

void setText(BankAccountRecord &account, int index, const QString &text)
{
    if (index >= BankAccountTexts::kFirstCrossing) {
        std::optional<double> *const crossing[]
            = {&account.crossing.left, &account.crossing.top, &account.crossing.width, &account.crossing.height};
        *crossing[index - BankAccountTexts::kFirstCrossing] = crossingFromText(index, text);
        return;
    }
    switch (index) {
    case BankId:
        account.bankId = text;
        break;
    case BankName:
        account.bankName = text;
        break;
    case AccountNo:
        account.accountNo = text;
        break;
    case Address:
        account.address = text;
        break;
    case City:
        account.city = text;
        break;
    case AccountType:
        account.accountType = text;
        break;
    default:
        account.setValue(measurementAt(index), measurementFromText(index, text));
        break;
    }
}

// The currency's names as they are printed: without the blanks typed around them.
MoneyStyle trimmedMoney(MoneyStyle money)
{
    money.currencyName = money.currencyName.trimmed();
    money.subunitName = money.subunitName.trimmed();
    return money;
}

// A limit is a whole amount of at most 15 digits: as large as the register can count.
std::optional<qint64> notOverFromText(const QString &typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    constexpr int kLongest = 15;
    bool digits = text.size() <= kLongest;
    for (const QChar character : text)
        digits = digits && character >= u'0' && character <= u'9';
    const qint64 limit = digits ? text.toLongLong() : 0;
    if (limit < 1)
        throw TextRefused(
            BankAccountTexts::kNotOverIndex,
            QCoreApplication::translate("BankRecordTransfer",
                                        "The \"Not over\" limit \"%1\" must be a whole amount in digits, such as "
                                        "500000, or left empty for no limit.")
                .arg(typed));
    return limit;
}

void requireBankId(const BankAccountRecord &account)
{
    if (account.bankId.trimmed().isEmpty())
        throw TextRefused(BankId,
                          QCoreApplication::translate(
                              "BankRecordTransfer", "Enter a Bank ID: it is the code by which the account is chosen."));
}

} // namespace

BankAccountRecord recordFromTexts(const BankAccountTexts &shown)
{
    BankAccountRecord account;
    for (int i = 0; i < BankAccountTexts::kCount; ++i) {
        setText(account, i, shown.texts.at(static_cast<size_t>(i)));
        if (i == BankId)
            requireBankId(account);
    }
    account.rupee3Active = shown.active;
    account.money = trimmedMoney(shown.money);
    account.limits.notOver = notOverFromText(shown.notOver);
    return account;
}

BankAccountRecord recordWithEdits(const BankAccountRecord &stored, const BankAccountTexts &texts)
{
    const BankAccountTexts before = textsFromRecord(stored);
    BankAccountRecord account = stored;
    for (int i = 0; i < BankAccountTexts::kCount; ++i) {
        const QString &text = texts.texts.at(static_cast<size_t>(i));
        if (text != before.texts.at(static_cast<size_t>(i)))
            setText(account, i, text);
    }
    requireBankId(account);
    account.rupee3Active = texts.active;
    // The words' order and the sign are set with the leaf's design, not among these texts.
    const MoneyStyle kept = account.money;
    account.money = trimmedMoney(texts.money);
    account.money.subunitFirst = kept.subunitFirst;
    account.money.currencySign = kept.currencySign;
    if (texts.notOver != before.notOver)
        account.limits.notOver = notOverFromText(texts.notOver);
    return account;
}

} // namespace quillset
