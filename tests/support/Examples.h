#pragma once

#include <QFile>
#include <QString>

namespace quillset::test {

/// The text of one of the example files shipped in docs/examples; empty when it cannot be read.
inline QString example(const QString &name)
{
    QFile file(QStringLiteral(QUILLSET_EXAMPLES "/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace quillset::test
