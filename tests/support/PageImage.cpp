#include "PageImage.h"

#include <QBuffer>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtMath>

#include <tesseract/baseapi.h>
#include <tesseract/resultiterator.h>

#include <algorithm>
#include <climits>
#include <map>
#include <memory>

namespace quillset::test {

namespace {

constexpr int kBorder = 24; // white pixels around an area, which OCR reads better than a tight crop
constexpr int kDark = 128; // a pixel darker than this is ink

bool isInk(QRgb pixel)
{
    return qGray(pixel) < kDark;
}

// One recogniser per set of languages for the whole test program: loading the language models is
// most of what reading a small area costs, and a program reads hundreds of them.
tesseract::TessBaseAPI *recogniser(const QString &languages)
{
    static std::map<QString, std::unique_ptr<tesseract::TessBaseAPI>> made;
    std::unique_ptr<tesseract::TessBaseAPI> &api = made[languages];
    if (!api) {
        api = std::make_unique<tesseract::TessBaseAPI>();
        if (api->Init(nullptr, languages.toLatin1().constData(), tesseract::OEM_DEFAULT) != 0) {
            qWarning("tesseract could not load the languages %s (Debian packages tesseract-ocr-eng, "
                     "tesseract-ocr-deu)",
                     qPrintable(languages));
            api.reset();
        }
    }
    return api.get();
}

} // namespace

QString simplified(const QString &text)
{
    return text.simplified();
}

PageImage PageImage::fromPdf(const QString &pdfPath, int page, int dotsPerInch)
{
    QTemporaryDir folder;
    const QString prefix = folder.filePath(QStringLiteral("page"));
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-f"),
                    QString::number(page), QStringLiteral("-l"), QString::number(page), QStringLiteral("-singlefile"),
                    pdfPath, prefix});
    PageImage picture;
    picture.m_dpi = dotsPerInch;
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0) {
        qWarning("pdftoppm (Debian package poppler-utils) failed on page %d of %s", page, qPrintable(pdfPath));
        return picture;
    }
    picture.m_image = QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    return picture;
}

QList<PageImage> PageImage::allPages(const QString &pdfPath, int dotsPerInch)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdfPath});
    int pages = 0;
    if (info.waitForFinished(30000) && info.exitCode() == 0) {
        static const QRegularExpression count(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
        pages = count.match(QString::fromUtf8(info.readAllStandardOutput())).captured(1).toInt();
    }
    QList<PageImage> all;
    for (int page = 1; page <= pages; ++page)
        all.append(fromPdf(pdfPath, page, dotsPerInch));
    return all;
}

PageImage PageImage::fromImage(const QImage &image, double dotsPerInch)
{
    PageImage picture;
    picture.m_image = image.convertToFormat(QImage::Format_RGB32);
    picture.m_dpi = dotsPerInch;
    return picture;
}

PageImage PageImage::enlarged(int factor) const
{
    QImage large = m_image.scaled(m_image.size() * factor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < large.height(); ++y) {
        uchar *row = large.scanLine(y);
        for (int x = 0; x < large.width(); ++x)
            row[x] = row[x] < 150 ? 0 : 255;
    }
    PageImage picture = fromImage(large, m_dpi * factor);
    picture.m_languages = m_languages;
    return picture;
}

QSizeF PageImage::sizeInPoints() const
{
    return QSizeF(m_image.width(), m_image.height()) * (72.0 / m_dpi);
}

QRect PageImage::pixels(const QRectF &area) const
{
    if (area.isEmpty())
        return m_image.rect();
    const double scale = m_dpi / 72.0;
    const QRect wanted(QPoint(qFloor(area.left() * scale), qFloor(area.top() * scale)),
                       QPoint(qCeil(area.right() * scale) - 1, qCeil(area.bottom() * scale) - 1));
    return wanted.intersected(m_image.rect());
}

QRectF PageImage::points(const QRect &box) const
{
    const double scale = 72.0 / m_dpi;
    return QRectF(box.x() * scale, box.y() * scale, box.width() * scale, box.height() * scale);
}

QList<SeenWord> PageImage::read(const QRect &area, int pageSegmentation, const QString &allowed) const
{
    if (m_image.isNull() || area.isEmpty())
        return {};
    tesseract::TessBaseAPI *api = recogniser(m_languages);
    if (!api)
        return {};
    QImage framed(area.size() + QSize(2 * kBorder, 2 * kBorder), QImage::Format_RGB888);
    framed.fill(Qt::white);
    {
        QPainter painter(&framed);
        painter.drawImage(QPoint(kBorder, kBorder), m_image, area);
    }
    api->SetPageSegMode(static_cast<tesseract::PageSegMode>(pageSegmentation));
    api->SetVariable("tessedit_char_whitelist", allowed.toUtf8().constData());
    api->SetImage(framed.constBits(), framed.width(), framed.height(), 3, static_cast<int>(framed.bytesPerLine()));
    api->SetSourceResolution(qRound(m_dpi));
    QList<SeenWord> words;
    if (api->Recognize(nullptr) != 0) {
        qWarning("tesseract could not read an area of %dx%d pixels", area.width(), area.height());
        api->Clear();
        return words;
    }
    const std::unique_ptr<tesseract::ResultIterator> word(api->GetIterator());
    if (word) {
        do {
            const std::unique_ptr<char[]> text(word->GetUTF8Text(tesseract::RIL_WORD));
            const QString read = text ? QString::fromUtf8(text.get()).trimmed() : QString();
            if (read.isEmpty())
                continue;
            int left = 0, top = 0, right = 0, bottom = 0;
            word->BoundingBox(tesseract::RIL_WORD, &left, &top, &right, &bottom);
            const QRect box(left - kBorder + area.x(), top - kBorder + area.y(), right - left, bottom - top);
            words.append({read, points(box), word->Confidence(tesseract::RIL_WORD)});
        } while (word->Next(tesseract::RIL_WORD));
    }
    api->Clear();
    return words;
}

QList<SeenWord> PageImage::words(const QRectF &area) const
{
    return read(pixels(area), 11);
}

QString PageImage::text(const QRectF &area) const
{
    // Words whose boxes overlap in height are on one line; lines are ordered top to bottom.
    QList<SeenWord> found = read(pixels(area), 6);
    std::stable_sort(found.begin(), found.end(),
                     [](const SeenWord &a, const SeenWord &b) { return a.box.center().y() < b.box.center().y(); });
    QList<QList<SeenWord>> lines;
    for (const SeenWord &word : found) {
        if (!lines.isEmpty()) {
            const QRectF &last = lines.last().first().box;
            if (word.box.center().y() < last.bottom() && word.box.center().y() > last.top()) {
                lines.last().append(word);
                continue;
            }
        }
        lines.append({word});
    }
    QStringList texts;
    for (QList<SeenWord> &line : lines) {
        std::sort(line.begin(), line.end(),
                  [](const SeenWord &a, const SeenWord &b) { return a.box.left() < b.box.left(); });
        QStringList parts;
        for (const SeenWord &word : line)
            parts.append(word.text);
        texts.append(parts.join(u' '));
    }
    return texts.join(u'\n');
}

QString PageImage::line(const QRectF &area, const QString &allowed) const
{
    QStringList parts;
    for (const SeenWord &word : read(pixels(area), 7, allowed))
        parts.append(word.text);
    return parts.join(u' ');
}

QString PageImage::character(const QRectF &area, const QString &allowed) const
{
    const QList<SeenWord> found = read(pixels(area), 10, allowed);
    return found.isEmpty() ? QString() : found.first().text;
}

QString PageImage::closedUp(const QList<QRectF> &areas, const QString &allowed, double gap) const
{
    QList<QRect> pieces;
    int height = 0, width = 0;
    for (const QRectF &area : areas) {
        pieces.append(pixels(area));
        height = qMax(height, pieces.last().height());
        width += pieces.last().width();
    }
    if (pieces.isEmpty() || height == 0)
        return QString();
    const int apart = qMax(4, qRound(gap * height));
    QImage line(width + apart * (pieces.size() - 1), height, QImage::Format_RGB32);
    line.fill(Qt::white);
    {
        QPainter painter(&line);
        int x = 0;
        for (const QRect &piece : std::as_const(pieces)) {
            painter.drawImage(QPoint(x, 0), m_image, piece);
            x += piece.width() + apart;
        }
    }
    PageImage closed = fromImage(line, m_dpi);
    closed.m_languages = m_languages;
    return closed.line(QRectF(), allowed);
}

QRectF PageImage::inkBounds(const QRectF &area) const
{
    const QRect box = pixels(area);
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(m_image.constScanLine(y));
        for (int x = box.left(); x <= box.right(); ++x) {
            if (!isInk(row[x]))
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    if (right < 0)
        return QRectF();
    return points(QRect(QPoint(left, top), QPoint(right, bottom)));
}

int PageImage::inkPixels(const QRectF &area) const
{
    const QRect box = pixels(area);
    int ink = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(m_image.constScanLine(y));
        for (int x = box.left(); x <= box.right(); ++x)
            ink += isInk(row[x]) ? 1 : 0;
    }
    return ink;
}

int PageImage::inkOutside(const QList<QRectF> &areas) const
{
    QList<QRect> boxes;
    for (const QRectF &area : areas)
        boxes.append(pixels(area));
    int ink = 0;
    for (int y = 0; y < m_image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(m_image.constScanLine(y));
        for (int x = 0; x < m_image.width(); ++x) {
            if (!isInk(row[x]))
                continue;
            const QPoint at(x, y);
            ink += std::none_of(boxes.begin(), boxes.end(), [&](const QRect &box) { return box.contains(at); }) ? 1 : 0;
        }
    }
    return ink;
}

QList<QRectF> PageImage::inkRuns(const QRectF &area, double gap) const
{
    const QRect box = pixels(area);
    const int blank = qMax(1, qRound(gap * m_dpi / 72.0));
    QList<QRectF> runs;
    int start = -1;
    int last = -1; // the last column with ink
    const auto close = [&] {
        if (start >= 0)
            runs.append(inkBounds(points(QRect(QPoint(start, box.top()), QPoint(last, box.bottom())))));
        start = -1;
    };
    for (int x = box.left(); x <= box.right(); ++x) {
        bool inked = false;
        for (int y = box.top(); y <= box.bottom() && !inked; ++y)
            inked = isInk(m_image.pixel(x, y));
        if (!inked)
            continue;
        if (start >= 0 && x - last > blank)
            close();
        if (start < 0)
            start = x;
        last = x;
    }
    close();
    return runs;
}

bool PageImage::save(const QString &path) const
{
    return m_image.save(path, "PNG");
}

} // namespace quillset::test
