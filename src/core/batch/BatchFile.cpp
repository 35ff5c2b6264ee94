#include "BatchFile.h"

#include "core/base/Files.h"
#include "core/batch/BatchWords.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <csv.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace quillset {

namespace {

// What the parser's callbacks build: the records, each with the line it starts on.
struct Records
{
    QList<QStringList> rows;
    QList<int> lines;
    QStringList current;
    int currentLine = 1;
};

void onField(void *field, size_t length, void *data)
{
    auto *records = static_cast<Records *>(data);
    records->current.append(QString::fromUtf8(static_cast<const char *>(field), static_cast<qsizetype>(length)));
}

void onRecordEnd(int, void *data)
{
    auto *records = static_cast<Records *>(data);
    records->rows.append(records->current);
    records->current.clear();
}

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// Where the physical line that starts at `start` ends, and where the next one starts: LF, CRLF and
// CR each end one line.
std::pair<qsizetype, qsizetype> lineAt(const QByteArray &bytes, qsizetype start)
{
    qsizetype end = start;
    while (end < bytes.size() && !isLineEnd(bytes.at(end)))
        ++end;
    qsizetype next = end + 1;
    if (end + 1 < bytes.size() && bytes.at(end) == '\r' && bytes.at(end + 1) == '\n')
        ++next;
    return {end, next};
}

// The first byte that UTF-8 text cannot hold, by its physical line and its place in that line.
struct BadByte
{
    int line = 0;
    qsizetype column = 0; ///< from 1
    unsigned char byte = 0;
    QString before; ///< the line's text up to it
};

std::optional<BadByte> firstNonUtf8(const QByteArray &bytes)
{
    const QByteArray replacement("\xEF\xBF\xBD");
    int line = 1;
    for (qsizetype start = 0; start < bytes.size(); ++line) {
        const auto [end, next] = lineAt(bytes, start);
        const QByteArray physical = bytes.mid(start, end - start);
        start = next;
        qsizetype bad = physical.indexOf('\0'); // valid UTF-8, but no text holds it
        QStringDecoder utf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        const QString text = utf8.decode(physical);
        if (utf8.hasError()) {
            // The decoder writes one replacement mark for each sequence it cannot read, and every
            // good character before it back as it was: so the bytes before it are the text before it.
            for (qsizetype at = text.indexOf(QChar::ReplacementCharacter); at >= 0;
                 at = text.indexOf(QChar::ReplacementCharacter, at + 1)) {
                const qsizetype offset = text.left(at).toUtf8().size();
                if (physical.mid(offset, replacement.size()) != replacement) {
                    bad = bad < 0 ? offset : std::min(bad, offset);
                    break;
                }
            }
        }
        if (bad >= 0) {
            const QString before = QString::fromUtf8(physical.left(bad)).remove(QChar(0xFEFF));
            return BadByte {line, bad + 1, static_cast<unsigned char>(physical.at(bad)), before.right(24)};
        }
    }
    return std::nullopt;
}

QString badByteReason(const BadByte &bad, Audience audience)
{
    const QString hex = QStringLiteral("%1").arg(bad.byte, 2, 16, QLatin1Char('0')).toUpper();
    const QString after
        = bad.before.isEmpty() ? QString() : QCoreApplication::translate("BatchFile", ", after \"%1\"").arg(bad.before);
    const QString place = bad.before.isEmpty()
        ? QString()
        : QCoreApplication::translate("BatchFile", " (after \"%1\")").arg(bad.before);
    if (bad.byte == 0)
        return QCoreApplication::translate(
                   "BatchFile",
                   "its byte %1%2 is a NUL byte, which no text holds: the file is UTF-16 without its "
                   "byte-order mark, or not text at all. Save it from the spreadsheet as \"CSV UTF-8\".")
            .arg(bad.column)
            .arg(place);
    const QString name = audience == Audience::CommandLine
        ? QCoreApplication::translate("BatchFile", "name its encoding with --encoding, such as --encoding windows-1252")
        : QCoreApplication::translate("BatchFile", "choose its encoding under Encoding, such as windows-1252");
    return QCoreApplication::translate(
               "BatchFile",
               "its byte %1 (hex %2%3) is not UTF-8, so the file was saved in another encoding. Save it "
               "from the spreadsheet as \"CSV UTF-8\", or %4.")
        .arg(bad.column)
        .arg(hex, after, name);
}

// The physical line of the first byte outside ASCII, and the line's text: 0 when all are ASCII.
std::pair<int, QString> firstNonAscii(const QByteArray &bytes)
{
    int line = 1;
    for (qsizetype start = 0; start < bytes.size(); ++line) {
        const auto [end, next] = lineAt(bytes, start);
        const QByteArray physical = bytes.mid(start, end - start);
        start = next;
        if (std::any_of(physical.begin(), physical.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
            return {line, QString::fromUtf8(physical).left(40)};
    }
    return {0, QString()};
}

// What the file's bytes say as text, or why they cannot be read as it was asked.
struct Decoded
{
    QString text;
    QString encoding;
    std::optional<BatchProblem> problem;
};

// The encoding a byte-order mark names, if the bytes begin with one; UTF-32's is named to refuse it.
struct Mark
{
    QByteArrayView bytes;
    std::optional<QStringConverter::Encoding> encoding;
    const char *words;
};

const Mark *markOf(const QByteArray &bytes)
{
    static const Mark marks[] = {
        {QByteArrayView("\x00\x00\xFE\xFF", 4), std::nullopt, "UTF-32 big-endian"},
        {QByteArrayView("\xFF\xFE\x00\x00", 4), std::nullopt, "UTF-32 little-endian"},
        {QByteArrayView("\xEF\xBB\xBF", 3), QStringConverter::Utf8, "UTF-8"},
        {QByteArrayView("\xFE\xFF", 2), QStringConverter::Utf16BE, "UTF-16 big-endian"},
        {QByteArrayView("\xFF\xFE", 2), QStringConverter::Utf16LE, "UTF-16 little-endian"},
    };
    for (const Mark &mark : marks) {
        if (bytes.startsWith(mark.bytes))
            return &mark;
    }
    return nullptr;
}

Decoded decode(const QByteArray &bytes, const QString &named, Audience audience)
{
    Decoded decoded;
    const auto refuse = [&](int line, const QString &reason) {
        decoded.problem = BatchProblem {line, QString(), reason};
        return decoded;
    };
    const Mark *mark = markOf(bytes);
    if (mark && !mark->encoding)
        return refuse(
            0,
            QCoreApplication::translate("BatchFile", "it is %1 text, which is not read: save it as UTF-8 or UTF-16.")
                .arg(QString::fromLatin1(mark->words)));
    if (!named.isEmpty()) {
        if (named.trimmed().isEmpty() || !isKnownEncoding(named))
            return refuse(
                0,
                QCoreApplication::translate("BatchFile", "there is no encoding called \"%1\"; name one such as %2.")
                    .arg(named, offeredEncodings().join(QStringLiteral(", "))));
        // The file's own mark is its word on its encoding: a name that says otherwise is a mistake.
        const std::optional<QStringConverter::Encoding> same
            = QStringConverter::encodingForName(named.toLatin1().constData());
        const bool agrees = mark
            && (same == mark->encoding
                || (same == QStringConverter::Utf16 && mark->encoding != QStringConverter::Utf8));
        if (mark && !agrees)
            return refuse(0,
                          QCoreApplication::translate("BatchFile",
                                                      "it begins with the byte-order mark of %1 text, so it is not %2: "
                                                      "leave its encoding to the file.")
                              .arg(QString::fromLatin1(mark->words), named));
    }
    if (mark) {
        QStringDecoder decoder(*mark->encoding, QStringDecoder::Flag::Stateless);
        decoded.encoding = QString::fromLatin1(mark->words);
        const QByteArray marked = bytes.mid(mark->bytes.size());
        decoded.text = decoder.decode(marked);
        // A sequence the decoder had to replace does not come back as it was; half of a character is
        // passed through as it is, and is no text either.
        if (decoder.hasError() || QStringEncoder(*mark->encoding).encode(decoded.text) != marked
            || !QStringView(decoded.text).isValidUtf16()) {
            if (const std::optional<BadByte> bad = firstNonUtf8(bytes); bad && mark->encoding == QStringConverter::Utf8)
                return refuse(bad->line, badByteReason(*bad, audience));
            return refuse(
                0,
                QCoreApplication::translate("BatchFile",
                                            "it begins with the byte-order mark of %1 text, but not all of it is "
                                            "%1: save it again from the spreadsheet.")
                    .arg(decoded.encoding));
        }
    } else if (!named.isEmpty()) {
        // UTF-8 read as a one-byte encoding gives "CafÃ© MÃ¼ller" without an error: a file that is
        // UTF-8, letters beyond ASCII and all, was saved so and is not read as anything else.
        const std::optional<QStringConverter::Encoding> builtIn
            = QStringConverter::encodingForName(named.toLatin1().constData());
        const bool unicode = builtIn && *builtIn != QStringConverter::Latin1 && *builtIn != QStringConverter::System;
        if (const auto [line, text] = firstNonAscii(bytes); line > 0 && !unicode && !firstNonUtf8(bytes).has_value())
            return refuse(line,
                          QCoreApplication::translate("BatchFile", "\"%1\" is UTF-8 text, so the file is not %2: %3.")
                              .arg(text, named,
                                   audience == Audience::CommandLine
                                       ? QCoreApplication::translate("BatchFile", "leave out --encoding")
                                       : QCoreApplication::translate(
                                           "BatchFile", "choose \"UTF-8, or as the file is marked\" under Encoding")));
        QStringDecoder decoder(named.toLatin1().constData(), QStringDecoder::Flag::Stateless);
        decoded.encoding = named;
        decoded.text = decoder.decode(bytes);
        if (decoder.hasError()) {
            if (const std::optional<BadByte> bad = firstNonUtf8(bytes);
                bad && QStringConverter::encodingForName(named.toLatin1().constData()) == QStringConverter::Utf8)
                return refuse(bad->line, badByteReason(*bad, audience));
            return refuse(0,
                          QCoreApplication::translate(
                              "BatchFile", "not all of its bytes are %1 characters, so it was not saved as %1.")
                              .arg(named));
        }
    } else {
        // Never guessed: what is not UTF-8 is refused, naming where, until its encoding is named.
        if (const std::optional<BadByte> bad = firstNonUtf8(bytes))
            return refuse(bad->line, badByteReason(*bad, audience));
        decoded.encoding = QStringLiteral("UTF-8");
        decoded.text = QString::fromUtf8(bytes);
    }
    if (decoded.text.startsWith(QChar(0xFEFF)))
        decoded.text.remove(0, 1);
    return decoded;
}

// A first line "sep=;", as Excel writes it, names the separator and is no row.
struct SeparatorHint
{
    char separator = 0;
    qsizetype length = 0; ///< of the hint's line and its line end
    QString problem;
};

SeparatorHint separatorHint(const QByteArray &text)
{
    SeparatorHint hint;
    const auto [end, next] = lineAt(text, 0);
    QByteArray line = text.left(end).trimmed();
    if (line.size() >= 2 && line.startsWith('"') && line.endsWith('"'))
        line = line.mid(1, line.size() - 2);
    if (!line.toLower().startsWith("sep="))
        return hint;
    hint.length = std::min(next, text.size());
    const QByteArray named = line.mid(4);
    // Saved again by a spreadsheet, the line may carry empty fields after the hint: "sep=;;;".
    const bool one = !named.isEmpty() && std::all_of(named.begin(), named.end(), [&](char c) { return c == named[0]; });
    const char c = one ? named.at(0) : 0;
    if (!one || c == '"' || (c != '\t' && (c < 0x21 || c > 0x7E)) || QByteArrayView("0123456789").contains(c))
        hint.problem = QCoreApplication::translate(
                           "BatchFile", "its first line \"%1\" should name one separator, such as sep=; or sep=,.")
                           .arg(QString::fromUtf8(text.left(end)));
    else
        hint.separator = c;
    return hint;
}

// The separator a spreadsheet chose: the one the header line uses most (outside quotes).
char separatorOf(const QByteArray &content)
{
    int commas = 0;
    int semicolons = 0;
    int tabs = 0;
    bool quoted = false;
    for (const char c : content) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && isLineEnd(c))
            break;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
        else if (!quoted && c == '\t')
            ++tabs;
    }
    if (tabs > commas && tabs > semicolons)
        return '\t';
    return semicolons > commas ? ';' : ',';
}

// Only blanks are trimmed around an unquoted field: a tab may be what separates the fields.
int isBlank(unsigned char c)
{
    return c == CSV_SPACE ? 1 : 0;
}

Records parse(const QByteArray &content, char separator, int firstLine, QString &error)
{
    Records records;
    csv_parser parser {};
    csv_init(&parser, CSV_APPEND_NULL);
    const std::unique_ptr<csv_parser, void (*)(csv_parser *)> owner(&parser, csv_free);
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    csv_set_space_func(&parser, isBlank);
    // Fed one byte at a time, so that each record is known by the physical line it starts on,
    // whichever line ends the file uses (LF, CRLF or CR, even mixed).
    int line = firstLine;
    bool atRecordStart = true;
    char previous = 0;
    qsizetype recordsBefore = 0;
    for (const char c : content) {
        if (atRecordStart && !isLineEnd(c)) {
            records.currentLine = line;
            atRecordStart = false;
        }
        if (csv_parse(&parser, &c, 1, onField, onRecordEnd, &records) != 1) {
            error = QString::fromLatin1(csv_strerror(csv_error(&parser)));
            return records;
        }
        if (records.rows.size() > recordsBefore) {
            records.lines.append(records.currentLine);
            recordsBefore = records.rows.size();
            atRecordStart = true;
        }
        if (c == '\r' || (c == '\n' && previous != '\r'))
            ++line;
        previous = c;
    }
    csv_fini(&parser, onField, onRecordEnd, &records);
    if (records.rows.size() > recordsBefore)
        records.lines.append(records.currentLine);
    return records;
}

bool isEmptyCell(const QString &cell)
{
    return cell.trimmed().isEmpty();
}

} // namespace

QString BatchProblem::text() const
{
    QString where = line > 0 ? QCoreApplication::translate("BatchFile", "Line %1").arg(line)
                             : QCoreApplication::translate("BatchFile", "The file");
    if (!column.isEmpty())
        where += QStringLiteral(", %1").arg(column);
    return where + QStringLiteral(": ") + reason;
}

QStringList groupedProblemLines(const QList<BatchProblem> &problems)
{
    // In the order each cause first appears.
    QList<BatchProblem> causes;
    QList<QList<int>> lines;
    for (const BatchProblem &problem : problems) {
        qsizetype found = 0;
        while (found < causes.size()
               && (causes.at(found).column != problem.column || causes.at(found).reason != problem.reason))
            ++found;
        if (found == causes.size()) {
            causes.append(problem);
            lines.append(QList<int>());
        }
        lines[found].append(problem.line);
    }
    QStringList said;
    for (qsizetype i = 0; i < causes.size(); ++i) {
        QList<int> at = lines.at(i);
        at.removeAll(0);
        if (at.size() <= 1) {
            said.append(causes.at(i).text());
            continue;
        }
        QString where = linesInWords(at);
        where[0] = where.at(0).toUpper();
        if (!causes.at(i).column.isEmpty())
            where += QStringLiteral(", %1").arg(causes.at(i).column);
        said.append(where + QStringLiteral(": ") + causes.at(i).reason);
    }
    return said;
}

const QStringList &batchColumns()
{
    static const QStringList columns
        = {QStringLiteral("Cheque"),  QStringLiteral("Pay"),   QStringLiteral("Amount"),  QStringLiteral("Date"),
           QStringLiteral("Account"), QStringLiteral("Stamp"), QStringLiteral("Crossing")};
    return columns;
}

bool isKnownEncoding(const QString &encoding)
{
    return !encoding.trimmed().isEmpty() && QStringDecoder(encoding.toLatin1().constData()).isValid();
}

QStringList offeredEncodings()
{
    // The plain "CSV" of the common spreadsheets on Windows in Western Europe and the Americas, then
    // Latin-1 (LibreOffice's Western default), then Central European and Cyrillic Windows.
    static const QStringList wanted
        = {QStringLiteral("windows-1252"), QStringLiteral("ISO-8859-1"), QStringLiteral("ISO-8859-15"),
           QStringLiteral("windows-1250"), QStringLiteral("windows-1251")};
    QStringList known;
    for (const QString &name : wanted) {
        if (isKnownEncoding(name))
            known.append(name);
    }
    return known;
}

BatchFile readBatch(const QByteArray &content, const QString &name, const QString &encoding, Audience audience)
{
    BatchFile batch;
    batch.name = name;
    batch.hash = QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
    const Decoded decoded = decode(content, encoding, audience);
    batch.encoding = decoded.encoding;
    if (decoded.problem) {
        batch.problems.append(*decoded.problem);
        return batch;
    }
    QByteArray text = decoded.text.toUtf8();
    const SeparatorHint hint = separatorHint(text);
    if (!hint.problem.isEmpty()) {
        batch.problems.append({1, QString(), hint.problem});
        return batch;
    }
    text.remove(0, hint.length);
    QString error;
    const Records records
        = parse(text, hint.separator ? hint.separator : separatorOf(text), hint.length > 0 ? 2 : 1, error);
    if (!error.isEmpty()) {
        batch.problems.append(
            {0, QString(),
             QCoreApplication::translate("BatchFile", "it is not CSV a spreadsheet could have written (%1).")
                 .arg(error)});
        return batch;
    }
    if (records.rows.isEmpty()) {
        batch.problems.append(
            {0, QString(), QCoreApplication::translate("BatchFile", "it is empty; the first line names the columns.")});
        return batch;
    }
    // The header: every name known, none twice, the needed ones there. Empty names at its end are a
    // trailing separator, which some spreadsheets write on every line.
    QStringList named = records.rows.first();
    while (!named.isEmpty() && isEmptyCell(named.last()))
        named.removeLast();
    const int headerLine = records.lines.first();
    QStringList header;
    for (const QString &cell : named) {
        const QString trimmed = cell.trimmed();
        QString known;
        for (const QString &column : batchColumns()) {
            if (trimmed.compare(column, Qt::CaseInsensitive) == 0)
                known = column;
        }
        if (trimmed.isEmpty())
            batch.problems.append(
                {headerLine, QString(),
                 QCoreApplication::translate("BatchFile", "column %1 has no name; the columns are %2.")
                     .arg(header.size() + 1)
                     .arg(batchColumns().join(QStringLiteral(", ")))});
        else if (known.isEmpty())
            batch.problems.append(
                {headerLine, trimmed,
                 QCoreApplication::translate("BatchFile", "there is no column \"%1\"; the columns are %2.")
                     .arg(trimmed, batchColumns().join(QStringLiteral(", ")))});
        else if (header.contains(known))
            batch.problems.append(
                {headerLine, known,
                 QCoreApplication::translate("BatchFile", "the column \"%1\" is named twice.").arg(known)});
        header.append(known);
    }
    for (const QString &needed : {QStringLiteral("Pay"), QStringLiteral("Amount"), QStringLiteral("Date")}) {
        if (!header.contains(needed))
            batch.problems.append(
                {headerLine, needed,
                 QCoreApplication::translate("BatchFile", "the column \"%1\" is missing.").arg(needed)});
    }
    if (!batch.problems.isEmpty())
        return batch;
    for (qsizetype r = 1; r < records.rows.size(); ++r) {
        const QStringList &cells = records.rows.at(r);
        // A line of nothing but separators is a blank line of the spreadsheet.
        if (std::all_of(cells.begin(), cells.end(), isEmptyCell))
            continue;
        BatchRow row;
        row.line = records.lines.at(r);
        if (std::any_of(cells.begin() + std::min(cells.size(), header.size()), cells.end(),
                        [](const QString &cell) { return !isEmptyCell(cell); }))
            batch.problems.append(
                {row.line, QString(),
                 QCoreApplication::translate("BatchFile",
                                             "it has %1 fields, more than the %2 columns named in the first line.")
                     .arg(cells.size())
                     .arg(header.size())});
        for (qsizetype c = 0; c < header.size(); ++c)
            row.texts.insert(header.at(c), c < cells.size() ? cells.at(c) : QString());
        batch.rows.append(row);
    }
    if (batch.rows.isEmpty() && batch.problems.isEmpty())
        batch.problems.append(
            {0, QString(),
             QCoreApplication::translate("BatchFile", "it has no cheques, only the line of column names.")});
    return batch;
}

BatchFile readBatchFile(const QString &path, const QString &encoding, Audience audience)
{
    QByteArray content;
    try {
        content = readFile(path, kLargestBatchFile, QString()); // said as a problem of "The file"
    } catch (const Failure &failure) {
        BatchFile batch;
        batch.name = QFileInfo(path).fileName();
        batch.problems.append({0, QString(), failure.description()});
        return batch;
    }
    return readBatch(content, QFileInfo(path).fileName(), encoding, audience);
}

} // namespace quillset
