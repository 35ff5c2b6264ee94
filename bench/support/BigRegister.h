#pragma once

// Fills a register made by the program with a million cheques over three years (about 27,000 a
// month, 913 a day), straight through SQLite: the program would take hours to print them.

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>
#include <cstdlib>

namespace bench {

inline void fillRegister(const QString &path, int rows)
{
    QElapsedTimer timer;
    timer.start();
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        database.setDatabaseName(path);
        QSqlQuery fill(database);
        if (!database.open()
            || !fill.exec(QStringLiteral(
                              "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                              "INSERT INTO Cheque (BankID, ChequeNo, Amount, Decimals, Pay, PrintDate, NumberKey, "
                              "Workstation, ChangedAt) SELECT 'ACC1', printf('%07d', i), (i * 7919) % 100000000 + 100, "
                              "2, 'Payee number ' || (i % 5000) || ' Traders Pvt. Ltd.', date('2024-01-01', '+' || (i "
                              "/ 913) || ' days'), printf('%07d', i), 'host/user', '2026-12-06T10:00:00Z' FROM n")
                              .arg(rows))
            || !fill.exec(QStringLiteral("INSERT INTO PayeeUse (BankID, Pay, LastId) SELECT BankID, Pay, max(Id) "
                                         "FROM Cheque GROUP BY BankID, Pay"))
            || !fill.exec(QStringLiteral("ANALYZE"))) {
            std::fprintf(stderr, "could not fill the register: %s\n", qPrintable(fill.lastError().text()));
            std::exit(1);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    std::printf("register filled: %d cheques in %.1f s\n", rows, timer.elapsed() / 1000.0);
}

} // namespace bench
