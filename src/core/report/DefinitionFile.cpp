#include "DefinitionFile.h"

#include "core/base/Files.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quillset {

std::optional<DefinitionFile> DefinitionFile::read(const QString &path)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    // A definition is a page of text; a megabyte is far more than one holds.
    return parse(QString::fromUtf8(
        readFile(path, 1024 * 1024, QCoreApplication::translate("DefinitionFile", "The report definition"))));
}

DefinitionFile DefinitionFile::parse(const QString &text)
{
    DefinitionFile definition;
    QString section;
    const QStringList lines = text.split(u'\n');
    for (qsizetype number = 0; number < lines.size(); ++number) {
        const QString line = lines.at(number).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed().toLower();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        definition.m_sections[section].append(
            {line.left(equals).trimmed(), line.mid(equals + 1).trimmed(), static_cast<int>(number + 1)});
    }
    return definition;
}

QString DefinitionFile::value(const QString &section, const QString &key, const QString &fallback) const
{
    for (const Entry &entry : m_sections.value(section.toLower())) {
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return entry.value;
    }
    return fallback;
}

QStringList DefinitionFile::keys(const QString &section) const
{
    QStringList keys;
    for (const Entry &entry : m_sections.value(section.toLower()))
        keys.append(entry.key);
    return keys;
}

int DefinitionFile::line(const QString &section, const QString &key) const
{
    for (const Entry &entry : m_sections.value(section.toLower())) {
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return entry.line;
    }
    return 0;
}

QStringList DefinitionFile::parts(const QString &value)
{
    QStringList parts;
    QString part;
    bool quoted = false;
    bool wasQuoted = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < value.size() && value.at(i + 1) == u'"') {
                part += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                part += c;
            }
        } else if (c == u'"' && part.trimmed().isEmpty()) {
            quoted = wasQuoted = true;
            part.clear();
        } else if (c == u',') {
            parts.append(wasQuoted ? part : part.trimmed());
            part.clear();
            wasQuoted = false;
        } else if (!wasQuoted) {
            part += c;
        }
    }
    parts.append(wasQuoted ? part : part.trimmed());
    return parts;
}

} // namespace quillset
