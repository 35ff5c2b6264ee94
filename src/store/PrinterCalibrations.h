#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace quillset {

class Connection;

/// A printer's own calibration offsets, as typed: centimetres the cheque moves right and down.
struct PrinterCalibration
{
    QString queue; ///< the print queue's name, as the print server knows it
    QString left;
    QString top;

    bool operator==(const PrinterCalibration &) const = default;
};

/// The printers that have calibration offsets of their own. Every call throws Failure when the
/// database fails.
class PrinterCalibrations
{
public:
    explicit PrinterCalibrations(const Connection &connection);

    /// The printer's own offsets, or nothing when it uses the office's.
    std::optional<PrinterCalibration> of(const QString &queue) const;
    /// Every printer with offsets of its own, by name.
    QList<PrinterCalibration> all() const;
    /// Gives the printer these offsets of its own, replacing any it had.
    void set(const PrinterCalibration &calibration) const;
    /// The printer goes back to the office's offsets.
    void remove(const QString &queue) const;

private:
    const Connection &m_connection;
};

} // namespace quillset
