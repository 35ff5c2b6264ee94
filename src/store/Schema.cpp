#include "Schema.h"

#include "Connection.h"

#include <QStringList>

namespace quillset {

namespace {

// The tables of the first release. Every database starts here and is brought up to date by the
// steps below, so that a new database and an upgraded one end up the same.
const QStringList kFirstRelease = {
    QStringLiteral("CREATE TABLE BankAccount (BankID TEXT NOT NULL UNIQUE, BankName TEXT, AccountNo TEXT, "
                   "Address TEXT, City TEXT, AccountType TEXT, Width REAL, Height REAL, DateLeft REAL, "
                   "DateBottom REAL, DateWidth REAL, PayLeft REAL, PayBottom REAL, PayWidth REAL, AmountLeft REAL, "
                   "AmountBottom REAL, AmountWidth REAL, Rupee1Left REAL, Rupee1Bottom REAL, Rupee1Width REAL, "
                   "Rupee2Left REAL, Rupee2Bottom REAL, Rupee2Width REAL, Rupee3Left REAL, Rupee3Bottom REAL, "
                   "Rupee3Width REAL, Rupee3Active INTEGER NOT NULL DEFAULT 0 CHECK (Rupee3Active IN (0, 1))) "
                   "STRICT"),
    QStringLiteral("CREATE TABLE Cheque (BankID TEXT NOT NULL, ChequeNo TEXT NOT NULL, Amount REAL NOT NULL, "
                   "Pay TEXT NOT NULL, PrintDate TEXT NOT NULL CHECK (PrintDate IS date(PrintDate))) STRICT"),
    QStringLiteral("CREATE INDEX ChequePrintDate ON Cheque (PrintDate)"),
    QStringLiteral("CREATE TABLE sys_parms (Description TEXT NOT NULL, Value TEXT) STRICT"),
};

const QString kAccountColumns
    = QStringLiteral("BankID, BankName, AccountNo, Address, City, AccountType, Width, Height, DateLeft, DateBottom, "
                     "DateWidth, PayLeft, PayBottom, PayWidth, AmountLeft, AmountBottom, AmountWidth, Rupee1Left, "
                     "Rupee1Bottom, Rupee1Width, Rupee2Left, Rupee2Bottom, Rupee2Width, Rupee3Left, Rupee3Bottom, "
                     "Rupee3Width, Rupee3Active");

// Each step takes the schema from the version before it to its own. Steps are never changed once
// released: a database out in an office may be at any of them.
struct Step
{
    int version;
    QStringList statements;
};

const QList<Step> kSteps = {
    // Every account and register row gets a number of its own, kept in the order they were added.
    {1,
     {QStringLiteral("CREATE TABLE BankAccount_v1 (Id INTEGER PRIMARY KEY, BankID TEXT NOT NULL UNIQUE, "
                     "BankName TEXT, AccountNo TEXT, Address TEXT, City TEXT, AccountType TEXT, Width REAL, "
                     "Height REAL, DateLeft REAL, DateBottom REAL, DateWidth REAL, PayLeft REAL, PayBottom REAL, "
                     "PayWidth REAL, AmountLeft REAL, AmountBottom REAL, AmountWidth REAL, Rupee1Left REAL, "
                     "Rupee1Bottom REAL, Rupee1Width REAL, Rupee2Left REAL, Rupee2Bottom REAL, Rupee2Width REAL, "
                     "Rupee3Left REAL, Rupee3Bottom REAL, Rupee3Width REAL, Rupee3Active INTEGER NOT NULL DEFAULT 0 "
                     "CHECK (Rupee3Active IN (0, 1))) STRICT"),
      QStringLiteral("INSERT INTO BankAccount_v1 (Id, %1) SELECT rowid, %1 FROM BankAccount").arg(kAccountColumns),
      QStringLiteral("DROP TABLE BankAccount"), QStringLiteral("ALTER TABLE BankAccount_v1 RENAME TO BankAccount"),
      QStringLiteral("CREATE TABLE Cheque_v1 (Id INTEGER PRIMARY KEY, BankID TEXT NOT NULL, ChequeNo TEXT NOT NULL, "
                     "Amount REAL NOT NULL, Pay TEXT NOT NULL, "
                     "PrintDate TEXT NOT NULL CHECK (PrintDate IS date(PrintDate))) STRICT"),
      QStringLiteral("INSERT INTO Cheque_v1 (Id, BankID, ChequeNo, Amount, Pay, PrintDate) "
                     "SELECT rowid, BankID, ChequeNo, Amount, Pay, PrintDate FROM Cheque"),
      QStringLiteral("DROP TABLE Cheque"), QStringLiteral("ALTER TABLE Cheque_v1 RENAME TO Cheque"),
      QStringLiteral("CREATE INDEX ChequePrintDate ON Cheque (PrintDate)")}},
    // The cheque's life: a row is pending from before it prints until the print server says how it
    // ended; a leaf can be spoiled and a printed cheque voided, each with a reason. A cheque number
    // is unique on its account by its value, except between rows that were there before, which are
    // kept as they are and marked.
    {2,
     {QStringLiteral("ALTER TABLE Cheque ADD COLUMN Status TEXT NOT NULL DEFAULT 'printed' "
                     "CHECK (Status IN ('pending', 'printed', 'spoiled', 'void'))"),
      QStringLiteral("ALTER TABLE Cheque ADD COLUMN Reason TEXT"),
      QStringLiteral("ALTER TABLE Cheque ADD COLUMN NumberKey TEXT NOT NULL DEFAULT ''"),
      QStringLiteral("ALTER TABLE Cheque ADD COLUMN Duplicate INTEGER NOT NULL DEFAULT 0 CHECK (Duplicate IN (0, 1))"),
      QStringLiteral("ALTER TABLE Cheque ADD COLUMN Workstation TEXT"),
      QStringLiteral("ALTER TABLE Cheque ADD COLUMN Queue TEXT"),
      QStringLiteral("ALTER TABLE Cheque ADD COLUMN JobId INTEGER"),
      QStringLiteral("ALTER TABLE Cheque ADD COLUMN ChangedAt TEXT"),
      QStringLiteral("UPDATE Cheque SET NumberKey = CASE WHEN ChequeNo <> '' AND ChequeNo NOT GLOB '*[^0-9]*' "
                     "THEN coalesce(nullif(ltrim(ChequeNo, '0'), ''), '0') ELSE ChequeNo END"),
      QStringLiteral(
          "UPDATE Cheque SET Duplicate = 1 WHERE EXISTS (SELECT 1 FROM Cheque AS Earlier WHERE "
          "Earlier.BankID = Cheque.BankID AND Earlier.NumberKey = Cheque.NumberKey AND Earlier.Id < Cheque.Id)"),
      QStringLiteral("CREATE UNIQUE INDEX ChequeNumber ON Cheque (BankID, NumberKey) WHERE Duplicate = 0"),
      // Rows written by another program (through the "Trading" data source, say) get their key too.
      QStringLiteral("CREATE TRIGGER ChequeNumberKey AFTER INSERT ON Cheque WHEN NEW.NumberKey = '' BEGIN "
                     "UPDATE Cheque SET NumberKey = CASE WHEN NEW.ChequeNo <> '' AND NEW.ChequeNo NOT GLOB '*[^0-9]*' "
                     "THEN coalesce(nullif(ltrim(NEW.ChequeNo, '0'), ''), '0') ELSE NEW.ChequeNo END "
                     "WHERE Id = NEW.Id; END"),
      QStringLiteral("CREATE INDEX ChequeRepeated ON Cheque (BankID, NumberKey) WHERE Duplicate = 1"),
      QStringLiteral("CREATE INDEX ChequeHighest ON Cheque (BankID, length(NumberKey), NumberKey) "
                     "WHERE Duplicate = 0 AND NumberKey NOT GLOB '*[^0-9]*'"),
      QStringLiteral("CREATE INDEX ChequeAccount ON Cheque (BankID, Id)"),
      QStringLiteral("CREATE INDEX ChequePending ON Cheque (Status) WHERE Status = 'pending'"),
      QStringLiteral("INSERT INTO sys_parms (Description, Value) SELECT 'PrintTimeout', '60' WHERE NOT EXISTS "
                     "(SELECT 1 FROM sys_parms WHERE Description = 'PrintTimeout')")}},
};

void applySteps(const Connection &connection, int from)
{
    for (const Step &step : kSteps) {
        if (step.version <= from)
            continue;
        for (const QString &statement : step.statements)
            connection.run(statement);
    }
    connection.dialect().setSchemaVersion(connection, kSchemaVersion);
}

} // namespace

void createSchema(const Connection &connection, bool sampleAccount)
{
    connection.inTransaction([&] {
        for (const QString &statement : kFirstRelease)
            connection.run(statement);
        connection.run(QStringLiteral("INSERT INTO sys_parms (Description, Value) VALUES ('Orientation', '1'), "
                                      "('CequePosition', '0'), ('CompanyName', ?), ('CBLeft', '0'), ('CBTop', '0'), "
                                      "('Stamp', '1')"),
                       {sampleAccount ? QStringLiteral("Sample Traders Pvt. Ltd.") : QString()});
        if (sampleAccount) {
            // The common 20.3 x 9.2 cm leaf. Distances down the leaf are to each field's bottom edge,
            // counted from one text line above the leaf.
            connection.run(QStringLiteral("INSERT INTO BankAccount (%1) VALUES ('ACC1', 'Sample Bank', "
                                          "'012345678901', '1 Market Street', 'Springfield', 'Current', 20.3, 9.2, "
                                          "15.3, 1.5, 4.8, 3.0, 2.7, 14.5, 15.7, 4.1, 4.0, 3.2, 3.4, 11.5, 1.0, 4.2, "
                                          "13.0, 14.0, 5.9, 6.0, 1)")
                               .arg(kAccountColumns));
        }
        applySteps(connection, 0);
    });
}

void upgradeSchema(const Connection &connection, int version)
{
    connection.dialect().backUp(connection, version);
    try {
        connection.inTransaction([&] { applySteps(connection, version); });
    } catch (const Failure &failure) {
        throw Failure(ErrorNumber::DatabaseUpgrade,
                      QStringLiteral("%1 could not be upgraded from version %2 to %3, so it was left as it was: %4")
                          .arg(connection.dialect().describe())
                          .arg(version)
                          .arg(kSchemaVersion)
                          .arg(failure.description()));
    }
}

} // namespace quillset
