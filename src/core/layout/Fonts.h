#pragma once

#include <QString>

namespace quillset {

/// Makes the cheque face available: Debian's metric-compatible Tahoma from fonts-wine when it is
/// installed, otherwise a sans face, which is then said once on standard error. Safe to call again.
void loadChequeFonts();

/// The family every cheque text is set in: "Tahoma", or the stand-in chosen by loadChequeFonts().
QString chequeFontFamily();

} // namespace quillset
