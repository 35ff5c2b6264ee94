// The SQLite backend's upgrade steps, in SQLite's words.
#include "SqliteDialect.h"

#include "store/Schema.h"

namespace quillset {

namespace {

// A cheque number's key in SQLite's words, exactly as numberKey() makes it: full-width digits made
// the digits 0 to 9, the blanks around it trimmed, and a number of digits by its value.
QString sqliteNumberKey(const QString &number)
{
    QString folded = number;
    for (int digit = 0; digit <= 9; ++digit)
        folded = QStringLiteral("replace(%1, char(%2), '%3')").arg(folded).arg(0xff10 + digit).arg(digit);
    return QStringLiteral("(SELECT CASE WHEN n <> '' AND n NOT GLOB '*[^0-9]*' THEN coalesce(nullif(ltrim(n, '0'), "
                          "''), '0') ELSE n END FROM (SELECT trim(%1, char(32, 9, 10, 11, 12, 13, 160, 12288)) AS n))")
        .arg(folded);
}

} // namespace

QList<SchemaStep> SqliteDialect::upgradeSteps() const
{
    return {
        // Every account and register row gets a number of its own, kept in the order they were added.
        {1,
         {QStringLiteral(
              "CREATE TABLE BankAccount_v1 (Id INTEGER PRIMARY KEY, BankID TEXT NOT NULL UNIQUE, "
              "BankName TEXT, AccountNo TEXT, Address TEXT, City TEXT, AccountType TEXT, Width REAL, "
              "Height REAL, DateLeft REAL, DateBottom REAL, DateWidth REAL, PayLeft REAL, PayBottom REAL, "
              "PayWidth REAL, AmountLeft REAL, AmountBottom REAL, AmountWidth REAL, Rupee1Left REAL, "
              "Rupee1Bottom REAL, Rupee1Width REAL, Rupee2Left REAL, Rupee2Bottom REAL, Rupee2Width REAL, "
              "Rupee3Left REAL, Rupee3Bottom REAL, Rupee3Width REAL, Rupee3Active INTEGER NOT NULL DEFAULT 0 "
              "CHECK (Rupee3Active IN (0, 1))) STRICT"),
          QStringLiteral("INSERT INTO BankAccount_v1 (Id, %1) SELECT rowid, %1 FROM BankAccount").arg(kAccountColumns),
          QStringLiteral("DROP TABLE BankAccount"), QStringLiteral("ALTER TABLE BankAccount_v1 RENAME TO BankAccount"),
          QStringLiteral(
              "CREATE TABLE Cheque_v1 (Id INTEGER PRIMARY KEY, BankID TEXT NOT NULL, ChequeNo TEXT NOT NULL, "
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
          QStringLiteral(
              "ALTER TABLE Cheque ADD COLUMN Duplicate INTEGER NOT NULL DEFAULT 0 CHECK (Duplicate IN (0, 1))"),
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
          QStringLiteral(
              "CREATE TRIGGER ChequeNumberKey AFTER INSERT ON Cheque WHEN NEW.NumberKey = '' BEGIN "
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
        // The clerk's day: the crossing where each leaf wants it, cheque books per account, and the payees
        // already written, kept small enough to suggest from as the payee is typed.
        {3,
         {QStringLiteral("ALTER TABLE BankAccount ADD COLUMN CrossLeft REAL"),
          QStringLiteral("ALTER TABLE BankAccount ADD COLUMN CrossTop REAL"),
          QStringLiteral("ALTER TABLE BankAccount ADD COLUMN CrossWidth REAL CHECK (CrossWidth > 0)"),
          QStringLiteral("ALTER TABLE BankAccount ADD COLUMN CrossHeight REAL CHECK (CrossHeight > 0)"),
          QStringLiteral(
              "CREATE TABLE ChequeBook (Id INTEGER PRIMARY KEY, BankID TEXT NOT NULL, FirstLeaf TEXT NOT NULL, "
              "LastLeaf TEXT NOT NULL, Received TEXT NOT NULL CHECK (Received IS date(Received)), "
              "Retired INTEGER NOT NULL DEFAULT 0 CHECK (Retired IN (0, 1))) STRICT"),
          QStringLiteral("CREATE TABLE PayeeUse (BankID TEXT NOT NULL, Pay TEXT NOT NULL, LastId INTEGER NOT NULL, "
                         "PRIMARY KEY (BankID, Pay)) STRICT"),
          QStringLiteral("INSERT INTO PayeeUse (BankID, Pay, LastId) SELECT BankID, Pay, max(Id) FROM Cheque "
                         "WHERE Pay <> '' GROUP BY BankID, Pay"),
          QStringLiteral("CREATE INDEX PayeeRecent ON PayeeUse (LastId)"),
          QStringLiteral("CREATE INDEX ChequeBookAccount ON ChequeBook (BankID, Id)"),
          QStringLiteral("INSERT INTO sys_parms (Description, Value) SELECT 'LowLeaves', '5' WHERE NOT EXISTS "
                         "(SELECT 1 FROM sys_parms WHERE Description = 'LowLeaves')")}},
        // Money the way each account's bank writes it: lakh and crore or millions, the currency's names,
        // and how many decimals an amount takes. Every account keeps today's words until it is changed.
        {4,
         {QStringLiteral("ALTER TABLE BankAccount ADD COLUMN AmountStyle TEXT NOT NULL DEFAULT 'International' "
                         "CHECK (AmountStyle IN ('International', 'Indian'))"),
          QStringLiteral("ALTER TABLE BankAccount ADD COLUMN CurrencyName TEXT NOT NULL DEFAULT ''"),
          QStringLiteral("ALTER TABLE BankAccount ADD COLUMN SubunitName TEXT NOT NULL DEFAULT ''"),
          QStringLiteral("ALTER TABLE BankAccount ADD COLUMN SubunitDigits INTEGER NOT NULL DEFAULT 0 "
                         "CHECK (SubunitDigits IN (0, 2, 3))")}},
        // Which batch file, and which line of it, a register row came from: a batch run again prints only
        // what it did not print before.
        {5,
         {QStringLiteral("ALTER TABLE Cheque ADD COLUMN BatchName TEXT"),
          QStringLiteral("ALTER TABLE Cheque ADD COLUMN BatchHash TEXT"),
          QStringLiteral("ALTER TABLE Cheque ADD COLUMN BatchLine INTEGER"),
          QStringLiteral("CREATE INDEX ChequeBatch ON Cheque (BatchHash, BatchLine) WHERE BatchHash IS NOT NULL")}},
        // Calibration offsets of a printer that needs its own, by its print queue's name; every other
        // printer keeps the office's "CBLeft" and "CBTop".
        {6,
         {QStringLiteral("CREATE TABLE PrinterCalibration (QueueName TEXT PRIMARY KEY, CBLeft TEXT NOT NULL, "
                         "CBTop TEXT NOT NULL) STRICT")}},
        // A cheque number is one leaf however it was typed: "777 ", " 777" and full-width digits are the
        // leaf 777. Rows already written under such a spelling are keyed afresh; where that makes two
        // rows one leaf, the later is kept and marked as a repeat, as rows from before numbers were unique.
        {7,
         {QStringLiteral(
              "UPDATE Cheque SET Duplicate = 1 WHERE Duplicate = 0 AND EXISTS (SELECT 1 FROM Cheque AS Earlier "
              "WHERE Earlier.BankID = Cheque.BankID AND %1 = %2 AND Earlier.Id < Cheque.Id)")
              .arg(sqliteNumberKey(QStringLiteral("Earlier.ChequeNo")),
                   sqliteNumberKey(QStringLiteral("Cheque.ChequeNo"))),
          QStringLiteral("UPDATE Cheque SET NumberKey = %1").arg(sqliteNumberKey(QStringLiteral("ChequeNo"))),
          QStringLiteral("DROP TRIGGER ChequeNumberKey"),
          QStringLiteral("CREATE TRIGGER ChequeNumberKey AFTER INSERT ON Cheque WHEN NEW.NumberKey = '' BEGIN "
                         "UPDATE Cheque SET NumberKey = %1 WHERE Id = NEW.Id; END")
              .arg(sqliteNumberKey(QStringLiteral("NEW.ChequeNo")))}},
        // Dates as the office writes them: the order of a date in numbers (day first, as always), how
        // long a cheque stays valid before it is asked about, and how far back or ahead a date may be.
        {8, dateSettingDefaults()},
        // The register's history: every change of a cheque, an account, a cheque book, a setting or a
        // calibration, chained by SHA-256. The file itself refuses to change or drop an entry.
        {9,
         {QStringLiteral("CREATE TABLE History (Id INTEGER PRIMARY KEY AUTOINCREMENT, At TEXT NOT NULL CHECK (At "
                         "GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]T*'), OsUser TEXT NOT NULL, Workstation "
                         "TEXT NOT NULL, DbRole TEXT, Subject TEXT NOT NULL, SubjectKey TEXT NOT NULL, Action TEXT "
                         "NOT NULL, OldValue TEXT, NewValue TEXT, Reason TEXT, PreviousHash TEXT NOT NULL, Hash TEXT "
                         "NOT NULL UNIQUE) STRICT"),
          QStringLiteral("CREATE INDEX HistorySubject ON History (Subject, SubjectKey, Id)"),
          QStringLiteral("CREATE TRIGGER HistoryIsNotChanged BEFORE UPDATE ON History BEGIN SELECT RAISE(ABORT, "
                         "'an entry of the register''s history cannot be changed'); END"),
          QStringLiteral("CREATE TRIGGER HistoryIsNotDeleted BEFORE DELETE ON History BEGIN SELECT RAISE(ABORT, "
                         "'an entry of the register''s history cannot be deleted'); END")}},
    };
}

} // namespace quillset
