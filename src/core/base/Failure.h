#pragma once

#include <QString>

#include <exception>

namespace quillset {

/// Numbers that identify what went wrong; they appear in the operator's "ERR:" messages. Each range
/// is one kind of failure, so that a number always means one thing: 10xx the database, 11xx the
/// printer, 12xx files, 13xx what was typed or asked for.
enum class ErrorNumber : int {
    DatabaseMissing = 1001,
    DatabaseUnreadable = 1002,
    DatabaseLocked = 1003,
    DatabaseStatement = 1004,
    DatabaseTooNew = 1005,
    DatabaseUpgrade = 1006,
    ParameterMissing = 1010,
    ParameterNotNumber = 1011,
    PrinterMissing = 1101,
    PrinterRefused = 1102,
    PrinterTimeout = 1103,
    PrinterOutcomeUnknown = 1104,
    ReportDefinition = 1201,
    FileWrite = 1202,
    FileRead = 1203,
    AccountMissing = 1301,
    MeasurementMissing = 1302,
    AmountOutOfRange = 1303,
    EntryInvalid = 1304,
    NumberTaken = 1305,
    DoesNotFit = 1306,
    OffThePage = 1307,
    NotSettleable = 1308,
    StaleRecord = 1309,
    Unprintable = 1310,
    OverLimit = 1311,
};

/// Who is told: the operator at the windows, or someone at the command line, who has the command,
/// its arguments and its files, and no window to go to.
enum class Audience { Window, CommandLine };

/// The one error type of the core. Windows catch it at their handler's edge and show it to the
/// operator; the command line says it on standard error. A failure whose remedy is a window's has
/// words of its own for the command line.
class Failure : public std::exception
{
public:
    Failure(ErrorNumber number, QString description, QString commandLineDescription = QString())
        : m_number(number)
        , m_description(std::move(description))
        , m_commandLineDescription(std::move(commandLineDescription))
        , m_utf8(m_description.toUtf8())
    {
    }

    ErrorNumber number() const { return m_number; }
    int code() const { return static_cast<int>(m_number); }
    /// What went wrong, as the windows say it.
    const QString &description() const { return m_description; }
    /// What went wrong, in the words for who is told.
    const QString &description(Audience audience) const
    {
        return audience == Audience::CommandLine && !m_commandLineDescription.isEmpty() ? m_commandLineDescription
                                                                                        : m_description;
    }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    ErrorNumber m_number;
    QString m_description;
    QString m_commandLineDescription;
    QByteArray m_utf8;
};

} // namespace quillset
