#pragma once

#include "core/layout/ChequePage.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace quillset {

/// The pages as one PDF document, painted by the same renderer as the screen, at 1200 dpi on A4.
QByteArray renderPdf(const QList<ChequePage> &pages, const QString &title);

} // namespace quillset
