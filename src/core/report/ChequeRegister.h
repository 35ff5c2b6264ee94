#pragma once

#include "store/ChequeRegister.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

namespace quillset {

/// "List of cheques printed from 01-Dec-2026 to 06-Dec-2026", followed by ", account ACC1" for a
/// report of one account.
QString reportTitle(const QDate &from, const QDate &to, const QString &account = QString());

/// A file name, without its extension, that says what the report holds and that any file system
/// takes: "cheques-2026-12-01-to-2026-12-31", "cheques-ACC1-2026-12-01-to-2026-12-31".
QString reportFileStem(const QDate &from, const QDate &to, const QString &account = QString());

/// The register's rows as RFC 4180 CSV in UTF-8, a row at a time, so that a month of a large
/// register is written without holding its rows: see registerCsv.
class RegisterCsv
{
public:
    RegisterCsv();
    void add(const RegisterEntry &entry);
    const QByteArray &bytes() const { return m_csv; }

private:
    QByteArray m_csv;
};

/// The entries as RFC 4180 CSV with a heading line: ISO dates, plain amounts, cheque numbers exactly as
/// written, each status with its reason, and no cell a spreadsheet would run as a formula.
QString registerCsv(const QList<RegisterEntry> &entries);

/// An amount as a plain decimal number in its money, without grouping: 2500, 1234.50.
QString plainAmount(qint64 amount, const MoneyStyle &money);

} // namespace quillset
