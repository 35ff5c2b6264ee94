#include "PdfWords.h"

#include <QProcess>
#include <QRegularExpression>

namespace quillset::test {

namespace {

QString unescaped(QString text)
{
    return text.replace(QStringLiteral("&apos;"), QStringLiteral("'"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

} // namespace

QList<PdfWord> pdfWords(const QString &pdfPath, int page)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                     QString::number(page), pdfPath, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
        qWarning("pdftotext (Debian package poppler-utils) failed on %s", qPrintable(pdfPath));
        return {};
    }
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">(.*?)</word>"));
    QList<PdfWord> words;
    const QString xml = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (auto it = word.globalMatch(xml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.append({unescaped(m.captured(5)), m.captured(1).toDouble(), m.captured(2).toDouble(),
                      m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

QStringList pdfTexts(const QString &pdfPath, int page)
{
    QStringList texts;
    for (const PdfWord &word : pdfWords(pdfPath, page))
        texts.append(word.text);
    return texts;
}

} // namespace quillset::test
