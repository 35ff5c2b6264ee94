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

// The same key as one expression without a query inside, as an index or a trigger's condition
// needs it.
QString sqliteNumberKeyExpression(const QString &number)
{
    QString folded = number;
    for (int digit = 0; digit <= 9; ++digit)
        folded = QStringLiteral("replace(%1, char(%2), '%3')").arg(folded).arg(0xff10 + digit).arg(digit);
    const QString n = QStringLiteral("trim(%1, char(32, 9, 10, 11, 12, 13, 160, 12288))").arg(folded);
    return QStringLiteral("(CASE WHEN %1 <> '' AND %1 NOT GLOB '*[^0-9]*' THEN coalesce(nullif(ltrim(%1, '0'), ''), "
                          "'0') ELSE %1 END)")
        .arg(n);
}

// How many of the smallest unit make one whole unit, for decimals held in the column.
QString unitsPerWhole(const QString &decimals)
{
    return QStringLiteral("(CASE %1 WHEN 2 THEN 100 WHEN 3 THEN 1000 ELSE 1 END)").arg(decimals);
}

// A date the calendar has: SQLite's date() takes 2026-02-30 as written, and only moving it by
// nothing makes it the 2nd of March.
QString realDate(const QString &column)
{
    return QStringLiteral("%1 IS date(%1, '+0 days')").arg(column);
}

// A date that is not one becomes the last day of its month, which is what it overran.
QString mendedDate(const QString &column)
{
    return QStringLiteral("CASE WHEN %1 THEN %2 ELSE date(substr(%2, 1, 7) || '-01', '+1 month', '-1 day') END")
        .arg(realDate(column), column);
}

// A time of change stored as ISO 8601 text whose day the calendar has.
QString realTime(const QString &column)
{
    return QStringLiteral("%1 IS NULL OR substr(%1, 1, 10) IS date(%1, '+0 days')").arg(column);
}

} // namespace

QStringList SqliteDialect::resumeRepeatGuard() const
{
    // Rows marked as repeats are those from before numbers were unique; none is marked since.
    return {QStringLiteral("CREATE TRIGGER ChequeRepeatWritten BEFORE INSERT ON Cheque WHEN NEW.Duplicate <> 0 "
                           "BEGIN SELECT RAISE(ABORT, 'a cheque is never written as a repeat of another'); END"),
            QStringLiteral("CREATE TRIGGER ChequeRepeatMarked BEFORE UPDATE OF Duplicate ON Cheque WHEN "
                           "NEW.Duplicate IS NOT OLD.Duplicate BEGIN SELECT RAISE(ABORT, 'whether a cheque repeats "
                           "another is never changed'); END")};
}

QStringList SqliteDialect::suspendRepeatGuard() const
{
    return {QStringLiteral("DROP TRIGGER ChequeRepeatWritten"), QStringLiteral("DROP TRIGGER ChequeRepeatMarked")};
}

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
          // The index lets each row find its earlier namesakes at once: without it the marking below
          // reads the whole register for every row (76 minutes for 200,000 rows). It goes when done.
          QStringLiteral("CREATE INDEX ChequeKeyOrder ON Cheque (BankID, NumberKey, Id)"),
          QStringLiteral(
              "UPDATE Cheque SET Duplicate = 1 WHERE EXISTS (SELECT 1 FROM Cheque AS Earlier WHERE "
              "Earlier.BankID = Cheque.BankID AND Earlier.NumberKey = Cheque.NumberKey AND Earlier.Id < Cheque.Id)"),
          QStringLiteral("DROP INDEX ChequeKeyOrder"),
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
         {// Each row's new key is worked out once, into an indexed table of its own, so that finding a
          // row's earlier namesakes is a look-up rather than a pass over the register.
          QStringLiteral("CREATE TEMP TABLE NewNumberKey (Id INTEGER PRIMARY KEY, BankID TEXT NOT NULL, "
                         "NumberKey TEXT NOT NULL)"),
          QStringLiteral("INSERT INTO NewNumberKey (Id, BankID, NumberKey) SELECT Id, BankID, %1 FROM Cheque")
              .arg(sqliteNumberKey(QStringLiteral("ChequeNo"))),
          QStringLiteral("CREATE INDEX temp.NewNumberKeyOrder ON NewNumberKey (BankID, NumberKey, Id)"),
          QStringLiteral("UPDATE Cheque SET Duplicate = 1 WHERE Duplicate = 0 AND EXISTS (SELECT 1 FROM NewNumberKey "
                         "AS Row JOIN NewNumberKey AS Earlier ON Earlier.BankID = Row.BankID AND Earlier.NumberKey = "
                         "Row.NumberKey AND Earlier.Id < Row.Id WHERE Row.Id = Cheque.Id)"),
          QStringLiteral("UPDATE Cheque SET NumberKey = (SELECT NumberKey FROM NewNumberKey WHERE Id = Cheque.Id)"),
          QStringLiteral("DROP TABLE NewNumberKey"), QStringLiteral("DROP TRIGGER ChequeNumberKey"),
          QStringLiteral("CREATE TRIGGER ChequeNumberKey AFTER INSERT ON Cheque WHEN NEW.NumberKey = '' BEGIN "
                         "UPDATE Cheque SET NumberKey = %1 WHERE Id = NEW.Id; END")
              .arg(sqliteNumberKey(QStringLiteral("NEW.ChequeNo")))}},
        // Dates as the office writes them: the order of a date in numbers (day first, as always), how
        // long a cheque stays valid before it is asked about, and how far back or ahead a date may be.
        {8, dateSettingDefaults()},
        // The register as a ledger. Amounts are whole numbers of the smallest unit, with the decimals
        // they were written in, so sums are exact; an old amount that does not fit its account's
        // decimals is rounded as it was always shown, and said so in UpgradeNote. Dates the calendar
        // lacks are refused, the account of every cheque and cheque book must exist (its code unique
        // in any capitals), and the database itself keys each number and keeps repeats to old rows.
        {9,
         [this] {
             const QString key = sqliteNumberKeyExpression(QStringLiteral("NEW.ChequeNo"));
             QStringList statements
                 = {QStringLiteral("CREATE TABLE UpgradeNote (Id INTEGER PRIMARY KEY, Version INTEGER NOT NULL, Note "
                                   "TEXT NOT NULL) STRICT")};
             statements += accountsForEveryRow(9);
             statements.append(QStringLiteral("CREATE UNIQUE INDEX BankAccountCode ON BankAccount (upper(BankID))"));
             statements += {
                 QStringLiteral(
                     "INSERT INTO UpgradeNote (Version, Note) SELECT 9, printf('Cheque %s of \"%s\": the amount %s "
                     "has more decimals than the account''s %d and is kept as %s.', c.ChequeNo, c.BankID, "
                     "CAST(c.Amount AS TEXT), coalesce(a.SubunitDigits, 0), printf('%.*f', coalesce(a.SubunitDigits, "
                     "0), round(c.Amount * %1) / %1)) FROM Cheque AS c LEFT JOIN BankAccount AS a ON a.BankID = "
                     "c.BankID WHERE abs(c.Amount) >= 1e15 OR round(c.Amount, coalesce(a.SubunitDigits, 0)) <> "
                     "c.Amount ORDER BY c.Id")
                     .arg(unitsPerWhole(QStringLiteral("coalesce(a.SubunitDigits, 0)"))),
                 QStringLiteral("INSERT INTO UpgradeNote (Version, Note) SELECT 9, printf('Cheque %s of \"%s\": its "
                                "date %s is not in the calendar and is kept as %s.', ChequeNo, BankID, PrintDate, "
                                "%1) FROM Cheque WHERE NOT (%2) ORDER BY Id")
                     .arg(mendedDate(QStringLiteral("PrintDate")), realDate(QStringLiteral("PrintDate"))),
                 QStringLiteral(
                     "CREATE TABLE Cheque_v9 (Id INTEGER PRIMARY KEY, BankID TEXT NOT NULL REFERENCES BankAccount "
                     "(BankID) ON UPDATE CASCADE, ChequeNo TEXT NOT NULL, Amount INTEGER NOT NULL, Pay TEXT NOT NULL, "
                     "PrintDate TEXT NOT NULL CHECK (%1), Status TEXT NOT NULL DEFAULT 'printed' CHECK (Status IN "
                     "('pending', 'printed', 'spoiled', 'void')), Reason TEXT, NumberKey TEXT NOT NULL DEFAULT '', "
                     "Duplicate INTEGER NOT NULL DEFAULT 0 CHECK (Duplicate IN (0, 1)), Workstation TEXT, Queue TEXT, "
                     "JobId INTEGER, ChangedAt TEXT CHECK (%2), BatchName TEXT, BatchHash TEXT, BatchLine INTEGER, "
                     "Decimals INTEGER NOT NULL DEFAULT 0 CHECK (Decimals IN (0, 2, 3))) STRICT")
                     .arg(realDate(QStringLiteral("PrintDate")), realTime(QStringLiteral("ChangedAt"))),
                 QStringLiteral(
                     "INSERT INTO Cheque_v9 (Id, BankID, ChequeNo, Amount, Decimals, Pay, PrintDate, Status, Reason, "
                     "NumberKey, Duplicate, Workstation, Queue, JobId, ChangedAt, BatchName, BatchHash, BatchLine) "
                     "SELECT c.Id, c.BankID, c.ChequeNo, CAST(round(c.Amount * %1) AS INTEGER), coalesce("
                     "a.SubunitDigits, 0), c.Pay, %2, c.Status, c.Reason, c.NumberKey, c.Duplicate, c.Workstation, "
                     "c.Queue, c.JobId, CASE WHEN %3 THEN c.ChangedAt END, c.BatchName, c.BatchHash, c.BatchLine "
                     "FROM Cheque AS c LEFT JOIN BankAccount AS a ON a.BankID = c.BankID ORDER BY c.Id")
                     .arg(unitsPerWhole(QStringLiteral("coalesce(a.SubunitDigits, 0)")),
                          mendedDate(QStringLiteral("c.PrintDate")), realTime(QStringLiteral("c.ChangedAt"))),
                 QStringLiteral("DROP TABLE Cheque"), QStringLiteral("ALTER TABLE Cheque_v9 RENAME TO Cheque"),
                 QStringLiteral("CREATE INDEX ChequePrintDate ON Cheque (PrintDate)"),
                 // The key the database works out itself: no insert or update can put a second cheque on a
                 // number, whatever it writes into NumberKey, which is kept in step for look-ups.
                 QStringLiteral("CREATE UNIQUE INDEX ChequeNumber ON Cheque (BankID, %1) WHERE Duplicate = 0")
                     .arg(sqliteNumberKeyExpression(QStringLiteral("ChequeNo"))),
                 QStringLiteral("CREATE INDEX ChequeKey ON Cheque (BankID, NumberKey)"),
                 QStringLiteral("CREATE TRIGGER ChequeNumberKey AFTER INSERT ON Cheque WHEN NEW.NumberKey IS NOT %1 "
                                "BEGIN UPDATE Cheque SET NumberKey = %1 WHERE Id = NEW.Id; END")
                     .arg(key),
                 QStringLiteral("CREATE TRIGGER ChequeNumberKeyKept AFTER UPDATE OF ChequeNo, NumberKey ON Cheque "
                                "WHEN NEW.NumberKey IS NOT %1 BEGIN UPDATE Cheque SET NumberKey = %1 WHERE Id = "
                                "NEW.Id; END")
                     .arg(key),
                 QStringLiteral("CREATE INDEX ChequeRepeated ON Cheque (BankID, NumberKey) WHERE Duplicate = 1"),
                 QStringLiteral("CREATE INDEX ChequeHighest ON Cheque (BankID, length(NumberKey), NumberKey) "
                                "WHERE Duplicate = 0 AND NumberKey NOT GLOB '*[^0-9]*'"),
                 QStringLiteral("CREATE INDEX ChequeAccount ON Cheque (BankID, Id)"),
                 QStringLiteral("CREATE INDEX ChequePending ON Cheque (Status) WHERE Status = 'pending'"),
                 QStringLiteral(
                     "CREATE INDEX ChequeBatch ON Cheque (BatchHash, BatchLine) WHERE BatchHash IS NOT NULL"),
                 // Readers through the "Trading" data source see each amount in currency units, exactly.
                 // (Joined, not arg()-ed: printf's own "%0*d" is no place for a placeholder.)
                 QStringLiteral("CREATE VIEW ChequeLedger AS SELECT Id, BankID, ChequeNo, CASE Decimals WHEN 0 THEN "
                                "CAST(Amount AS TEXT) ELSE printf('%s%d.%0*d', CASE WHEN Amount < 0 THEN '-' ELSE '' "
                                "END, abs(Amount) / ")
                     + unitsPerWhole(QStringLiteral("Decimals")) + QStringLiteral(", Decimals, abs(Amount) % ")
                     + unitsPerWhole(QStringLiteral("Decimals"))
                     + QStringLiteral(") END AS Amount, Pay, PrintDate, Status, Reason, ChangedAt FROM Cheque"),
                 QStringLiteral("CREATE TABLE ChequeBook_v9 (Id INTEGER PRIMARY KEY, BankID TEXT NOT NULL REFERENCES "
                                "BankAccount (BankID) ON UPDATE CASCADE, FirstLeaf TEXT NOT NULL, LastLeaf TEXT NOT "
                                "NULL, Received TEXT NOT NULL CHECK (%1), Retired INTEGER NOT NULL DEFAULT 0 CHECK "
                                "(Retired IN (0, 1))) STRICT")
                     .arg(realDate(QStringLiteral("Received"))),
                 QStringLiteral("INSERT INTO ChequeBook_v9 (Id, BankID, FirstLeaf, LastLeaf, Received, Retired) "
                                "SELECT Id, BankID, FirstLeaf, LastLeaf, %1, Retired FROM ChequeBook")
                     .arg(mendedDate(QStringLiteral("Received"))),
                 QStringLiteral("DROP TABLE ChequeBook"),
                 QStringLiteral("ALTER TABLE ChequeBook_v9 RENAME TO ChequeBook"),
                 QStringLiteral("CREATE INDEX ChequeBookAccount ON ChequeBook (BankID, Id)")};
             statements += resumeRepeatGuard();
             return statements;
         }()},
        // The register's history: every change of a cheque, an account, a cheque book, a setting or a
        // calibration, chained by SHA-256. The file itself refuses to change or drop an entry.
        {10,
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
        // What offices expect of a cheque printer: each leaf's own date boxes or date text, the crossing's
        // words, the bearer strike and fillers, money written as its bank writes it, a limit above which a
        // cheque needs a reason, and the bank's Positive Pay layout. Each cheque keeps the crossing it
        // printed with, so it can be printed again as it was.
        {11, accountSettingsColumns(QStringLiteral("REAL"), QStringLiteral("INTEGER"))}};
}

} // namespace quillset
