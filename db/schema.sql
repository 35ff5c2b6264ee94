-- The Quillset database: bank accounts with their cheque-leaf measurements, the register of printed
-- cheques, and the named system parameters. The build turns this file into the delivered Records.mdb.
-- Lengths are centimetres measured on the cheque leaf; STRICT makes the database refuse text in a
-- number column.

CREATE TABLE BankAccount (
    BankID       TEXT NOT NULL UNIQUE,
    BankName     TEXT,
    AccountNo    TEXT,
    Address      TEXT,
    City         TEXT,
    AccountType  TEXT,
    Width        REAL,
    Height       REAL,
    DateLeft     REAL,
    DateBottom   REAL,
    DateWidth    REAL,
    PayLeft      REAL,
    PayBottom    REAL,
    PayWidth     REAL,
    AmountLeft   REAL,
    AmountBottom REAL,
    AmountWidth  REAL,
    Rupee1Left   REAL,
    Rupee1Bottom REAL,
    Rupee1Width  REAL,
    Rupee2Left   REAL,
    Rupee2Bottom REAL,
    Rupee2Width  REAL,
    Rupee3Left   REAL,
    Rupee3Bottom REAL,
    Rupee3Width  REAL,
    Rupee3Active INTEGER NOT NULL DEFAULT 0 CHECK (Rupee3Active IN (0, 1))
) STRICT;

-- One row per printed cheque. PrintDate is the date written on the cheque, as YYYY-MM-DD.
CREATE TABLE Cheque (
    BankID    TEXT NOT NULL,
    ChequeNo  TEXT NOT NULL,
    Amount    REAL NOT NULL,
    Pay       TEXT NOT NULL,
    PrintDate TEXT NOT NULL CHECK (PrintDate IS date(PrintDate))
) STRICT;

-- The report selects by date range; the register grows for years.
CREATE INDEX ChequePrintDate ON Cheque (PrintDate);

CREATE TABLE sys_parms (
    Description TEXT NOT NULL,
    Value       TEXT
) STRICT;

INSERT INTO sys_parms (Description, Value) VALUES
    ('Orientation', '1'),
    ('CequePosition', '0'),
    ('CompanyName', 'Sample Traders Pvt. Ltd.'),
    ('CBLeft', '0'),
    ('CBTop', '0'),
    ('Stamp', '1');

-- A sample account for the common 20.3 x 9.2 cm cheque leaf, so that a first cheque can be printed at once.
-- Distances down the leaf are to each field's bottom edge, counted from one text line above the leaf.
INSERT INTO BankAccount (
    BankID, BankName, AccountNo, Address, City, AccountType, Width, Height,
    DateLeft, DateBottom, DateWidth, PayLeft, PayBottom, PayWidth,
    AmountLeft, AmountBottom, AmountWidth, Rupee1Left, Rupee1Bottom, Rupee1Width,
    Rupee2Left, Rupee2Bottom, Rupee2Width, Rupee3Left, Rupee3Bottom, Rupee3Width, Rupee3Active
) VALUES (
    'ACC1', 'Sample Bank', '012345678901', '1 Market Street', 'Springfield', 'Current', 20.3, 9.2,
    15.3, 1.5, 4.8, 3.0, 2.7, 14.5,
    15.7, 4.1, 4.0, 3.2, 3.4, 11.5,
    1.0, 4.2, 13.0, 14.0, 5.9, 6.0, 1
);
