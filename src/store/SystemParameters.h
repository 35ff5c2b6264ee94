#pragma once

#include <QString>

namespace quillset {

/// Keys of the six system parameters.
namespace Parameter {
inline const QString Orientation = QStringLiteral("Orientation");
inline const QString ChequePosition = QStringLiteral("CequePosition");
inline const QString CompanyName = QStringLiteral("CompanyName");
inline const QString CalibrationLeft = QStringLiteral("CBLeft");
inline const QString CalibrationTop = QStringLiteral("CBTop");
inline const QString Stamp = QStringLiteral("Stamp");
} // namespace Parameter

/// The parameter's text; a null value reads as "". Throws Failure naming the key when the row is missing.
QString GetSystemParameter(const QString &key);

/// Writes the parameter's text exactly as given. A missing row is added, so that a setting is never lost.
void SetSystemParameter(const QString &key, const QString &value);

/// The parameter as a whole number (halves to even). Throws Failure naming the key when it is not a number.
int wholeNumberParameter(const QString &key);

/// The leading number of the parameter's text, 0 when it has none.
double numericParameter(const QString &key);

} // namespace quillset
