#include "PageChecks.h"

#include "ChequePage.h"
#include "PageMetrics.h"
#include "core/Failure.h"

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QTextLayout>

#include <algorithm>
#include <functional>

namespace quillset {

namespace {

struct ItemName
{
    const char *item;
    const char *description;
    const char *widthLabel; ///< the bank window's measurement that gives its box its width
};

constexpr ItemName kItemNames[] = {
    {"lblDate", "the date", "Date, Width"},
    {"lblPay", "the payee", "Pay, Width"},
    {"lblAmount", "the amount in figures", "Amount, Width"},
    {"lblRupeeL1", "the first line of the amount in words", "Rupee L1, Width"},
    {"lblRupeeL2", "the second line of the amount in words", "Rupee L2, Width"},
    {"CompanyName", "the company name", "Stamp, Width"},
    {"Stamp", "the crossing stamp", ""},
};

const ItemName *named(const QString &item)
{
    for (const ItemName &name : kItemNames) {
        if (item == QLatin1String(name.item))
            return &name;
    }
    return nullptr;
}

// Characters no installed font has a glyph for, which would print as an empty box or a black bar.
// Qt falls back from the cheque's face to any face that has the character, so each is looked up as
// it would be set. Answers are kept: a register's payees use few distinct characters.
QString unprintable(const QString &text, const QFont &font)
{
    static QHash<QString, bool> printable;
    QString missing;
    const QList<uint> codePoints = text.toUcs4();
    for (const uint codePoint : codePoints) {
        if (QChar::isSpace(codePoint))
            continue;
        const QString character = QString::fromUcs4(reinterpret_cast<const char32_t *>(&codePoint), 1);
        const QString key = font.family() + u'/' + character;
        auto known = printable.constFind(key);
        if (known == printable.constEnd()) {
            QTextLayout layout(character, font);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            bool found = true;
            for (const QGlyphRun &run : layout.glyphRuns()) {
                const QList<quint32> glyphs = run.glyphIndexes();
                found = found && std::none_of(glyphs.begin(), glyphs.end(), [](quint32 glyph) { return glyph == 0; });
            }
            known = printable.insert(key, found);
        }
        if (!*known && !missing.contains(character))
            missing += character;
    }
    return missing;
}

QString codePoints(const QString &characters)
{
    QStringList named;
    for (const uint codePoint : characters.toUcs4())
        named.append(QStringLiteral("\"%1\" (U+%2)")
                         .arg(QString::fromUcs4(reinterpret_cast<const char32_t *>(&codePoint), 1),
                              QString::number(codePoint, 16).toUpper().rightJustified(4, u'0')));
    return named.join(QStringLiteral(", "));
}

// A problem put right in the settings or the account's layout. `say` writes it given where the
// calibration is and where the layout is: the windows name their own, the command line the layout's
// file commands.
Failure placeProblem(ErrorNumber number,
                     const std::function<QString(const QString &calibration, const QString &layout)> &say)
{
    return Failure(number, say(QStringLiteral("the calibration under Options"), QStringLiteral("under Bank Data")),
                   say(QStringLiteral("the calibration settings"), QStringLiteral("in ") + layoutOnCommandLine()));
}

} // namespace

QString itemDescription(const QString &itemName)
{
    const ItemName *name = named(itemName);
    return name ? QString::fromLatin1(name->description) : itemName;
}

QString problemsText(const QList<Failure> &problems, Audience audience)
{
    QStringList texts;
    for (const Failure &problem : problems)
        texts.append(problem.description(audience));
    return texts.join(u' ');
}

QString layoutOnCommandLine()
{
    return QStringLiteral(
        "the account's layout (quillset --export-layout writes it to a file, --import-layout reads it back)");
}

QList<Failure> pageProblems(const ChequePage &page, const PageMetrics &metrics)
{
    QList<Failure> problems;
    const QRectF sheet(0, 0, page.widthTwips, page.heightTwips);
    const auto onSheet = [&](const QRectF &area) { return sheet.adjusted(-0.5, -0.5, 0.5, 0.5).contains(area); };
    if (!onSheet(page.leaf))
        problems.append(placeProblem(ErrorNumber::OffThePage, [](const QString &calibration, const QString &layout) {
            return QStringLiteral("The cheque leaf would lie partly off the A4 sheet. Check the printing location "
                                  "and %1, and the leaf's size %2.")
                .arg(calibration, layout);
        }));
    for (const PageItem &item : page.items) {
        if (!item.shown || (item.kind == PageItem::Kind::Text && item.text.trimmed().isEmpty()))
            continue;
        const ItemName *name = named(item.name);
        const QString description = itemDescription(item.name);
        const QString capitalised = description.left(1).toUpper() + description.mid(1);
        if (item.overflows)
            problems.append(placeProblem(ErrorNumber::DoesNotFit, [&](const QString &, const QString &layout) {
                return QStringLiteral("%1 is too long for its box on the leaf, even in 7 pt type. Shorten it, or "
                                      "widen \"%2\" %3.")
                    .arg(capitalised, QString::fromLatin1(name ? name->widthLabel : ""), layout);
            }));
        QRectF ink = item.rect;
        if (item.kind == PageItem::Kind::Text && !item.centred)
            ink.setWidth(qMax(ink.width(), metrics.textWidth(item.text, {page.fontFamily, item.pointSize, item.bold})));
        if (item.kind == PageItem::Kind::Text) {
            QFont font(page.fontFamily);
            font.setPointSizeF(item.pointSize);
            font.setBold(item.bold);
            if (const QString missing = unprintable(item.text, font); !missing.isEmpty())
                problems.append(Failure(ErrorNumber::Unprintable,
                                        QStringLiteral("%1 has characters no installed font can print: %2. Install "
                                                       "the Debian package fonts-noto-core, or write them another way.")
                                            .arg(capitalised, codePoints(missing))));
        }
        if (!onSheet(ink))
            problems.append(
                placeProblem(ErrorNumber::OffThePage, [&](const QString &calibration, const QString &layout) {
                    return QStringLiteral("%1 would print off the sheet. Check the printing location and %2, and its "
                                          "place %3.")
                        .arg(capitalised, calibration, layout);
                }));
        // A crossing moved off the leaf would cross nothing, and print on the sheet beside it.
        if (item.kind == PageItem::Kind::Stamp && !page.leaf.isEmpty()
            && !page.leaf.adjusted(-0.5, -0.5, 0.5, 0.5).contains(item.rect))
            problems.append(placeProblem(ErrorNumber::OffThePage, [](const QString &, const QString &layout) {
                return QStringLiteral("The crossing stamp would lie partly off the leaf. Check the crossing's place "
                                      "and size %1.")
                    .arg(layout);
            }));
    }
    return problems;
}

} // namespace quillset
