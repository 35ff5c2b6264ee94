#pragma once

#include <QString>

#include <optional>

namespace quillset {

/// Which way up the sheet goes. The stored codes are "1" and "2".
enum class Orientation { Portrait = 1, Landscape = 2 };

/// The office's settings that shape the printed page, as read from the store.
struct PrintSettings
{
    Orientation orientation = Orientation::Portrait;
    int position = 0; ///< where on the sheet the leaf lies: 0 "Top Left" ... 6 "Center Botom"
    /// The calibration offsets in centimetres; empty when the setting is missing, which matters only
    /// to a position that uses it.
    std::optional<double> calibrationLeft = 0.0;
    std::optional<double> calibrationTop = 0.0;
    QString companyName;
    /// The printer whose own calibration the offsets are; empty when they are the office's, which
    /// every printer without its own uses.
    QString calibratedFor;

    bool operator==(const PrintSettings &) const = default;
};

} // namespace quillset
