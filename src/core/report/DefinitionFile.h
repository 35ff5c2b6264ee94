#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillset {

/// A report definition file as an office edits it: "[Section]" lines, "key=value" lines and comment
/// lines that begin with ";" or "#". A value is taken exactly as written, ";" and "," included, but
/// for the blanks around it. (The INI reader Qt has turns ";" into a comment and "a,b" into a list,
/// which would change what the office wrote.)
class DefinitionFile
{
public:
    /// Reads the file; nothing when it is not there. Throws Failure in plain words when it cannot be
    /// read, or is not an ordinary file of at most a megabyte.
    static std::optional<DefinitionFile> read(const QString &path);
    /// Reads definition text.
    static DefinitionFile parse(const QString &text);

    /// The value of a key of a section (both without regard to case), or the fallback.
    QString value(const QString &section, const QString &key, const QString &fallback = QString()) const;
    /// The keys of a section, in the order written.
    QStringList keys(const QString &section) const;
    /// The line a key was written on, for messages.
    int line(const QString &section, const QString &key) const;

    /// A value split at its commas into parts with their blanks trimmed; a part in double quotes may
    /// hold commas, and "" stands for a quote inside it.
    static QStringList parts(const QString &value);

private:
    struct Entry
    {
        QString key;
        QString value;
        int line = 0;
    };
    QHash<QString, QList<Entry>> m_sections; ///< by the section's name in lower case
};

} // namespace quillset
