#include "PrinterCalibrations.h"

#include "store/Connection.h"
#include "store/RegisterHistory.h"

#include <QVariant>

namespace quillset {

PrinterCalibrations::PrinterCalibrations(const Connection &connection)
    : m_connection(connection)
{
}

std::optional<PrinterCalibration> PrinterCalibrations::of(const QString &queue) const
{
    QSqlQuery query = m_connection.run(
        QStringLiteral("SELECT QueueName, CBLeft, CBTop FROM PrinterCalibration WHERE QueueName = ?"), {queue});
    if (!m_connection.next(query))
        return std::nullopt;
    return PrinterCalibration {query.value(0).toString(), query.value(1).toString(), query.value(2).toString()};
}

QList<PrinterCalibration> PrinterCalibrations::all() const
{
    QSqlQuery query = m_connection.run(
        QStringLiteral("SELECT QueueName, CBLeft, CBTop FROM PrinterCalibration ORDER BY QueueName"));
    QList<PrinterCalibration> calibrations;
    while (m_connection.next(query))
        calibrations.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    return calibrations;
}

void PrinterCalibrations::set(const PrinterCalibration &calibration) const
{
    m_connection.inTransaction([&] {
        const RegisterHistory history(m_connection);
        const auto state = [&] {
            return history.rowState(QStringLiteral("PrinterCalibration"), QStringLiteral("QueueName"),
                                    calibration.queue);
        };
        const QString before = state();
        m_connection.run(QStringLiteral("INSERT INTO PrinterCalibration (QueueName, CBLeft, CBTop) VALUES (?, ?, ?) "
                                        "ON CONFLICT (QueueName) DO UPDATE SET CBLeft = excluded.CBLeft, "
                                        "CBTop = excluded.CBTop"),
                         {calibration.queue, calibration.left, calibration.top});
        history.append(QStringLiteral("calibration"), calibration.queue, QStringLiteral("set"), before, state());
    });
}

void PrinterCalibrations::remove(const QString &queue) const
{
    m_connection.inTransaction([&] {
        const RegisterHistory history(m_connection);
        const QString before
            = history.rowState(QStringLiteral("PrinterCalibration"), QStringLiteral("QueueName"), queue);
        m_connection.run(QStringLiteral("DELETE FROM PrinterCalibration WHERE QueueName = ?"), {queue});
        if (!before.isEmpty())
            history.append(QStringLiteral("calibration"), queue, QStringLiteral("removed"), before, QString());
    });
}

} // namespace quillset
