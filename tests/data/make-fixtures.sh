#!/usr/bin/env bash
# Makes records-v1.mdb ... records-vN.mdb beside this script: the database of each earlier release,
# made by the program's own upgrade steps up to that release's version (steps never change once
# released), with rows an office would have written by then. records-v0.mdb, the first release's
# own file, is kept as it is, and so is records-v11-history.mdb: records-v11.mdb opened and one cheque
# voided by that release, whose history kept no crossing.
#   make-fixtures.sh <build folder>     (needs the target quillset_make_fixture built)
# Run it once when a new step is released, to add that release's file; the tests upgrade every file.
set -euo pipefail

build=${1:?usage: $0 <build folder>}
tool="$build/tests/quillset_make_fixture"
here=$(cd "$(dirname "$0")" && pwd)
last=$("$tool" 2>&1 | sed -n 's/.*version 0 to \([0-9]*\).*/\1/p' || true)
[ -n "$last" ] || { echo "$tool does not say the program's version" >&2; exit 1; }

for version in $(seq 1 "$last"); do
    file="$here/records-v$version.mdb"
    rm -f "$file"
    "$tool" "$version" "$file"
    # Amounts were binary fractions of whole units until version 9 (two of them finer than their
    # account's money, as offices wrote them); since, they are counts of the smallest unit.
    if [ "$version" -ge 9 ]; then
        half=1501 quarters=100 rent=7500000 paise=310025
    else
        half=1500.5 quarters=99.75 rent=75000 paise=3100.25
    fi
    {
        # Columns every release has: two more accounts and seven cheques, one of them a number
        # written with leading zeros, and a payee with quotes.
        cat <<SQL
INSERT INTO BankAccount (BankID, BankName, AccountNo, Address, City, AccountType, Width, Height, DateLeft,
    DateBottom, DateWidth, PayLeft, PayBottom, PayWidth, AmountLeft, AmountBottom, AmountWidth, Rupee1Left,
    Rupee1Bottom, Rupee1Width, Rupee2Left, Rupee2Bottom, Rupee2Width, Rupee3Left, Rupee3Bottom, Rupee3Width,
    Rupee3Active)
VALUES ('HDFC01', 'HDFC Bank', '50100012345678', 'Fort', 'Mumbai', 'Current', 20.3, 9.2, 15.3, 1.5, 4.8, 3.0,
        2.7, 14.5, 15.7, 4.1, 4.0, 3.2, 3.4, 11.5, 1.0, 4.2, 13.0, 14.0, 5.9, 6.0, 1),
       ('SBI-2', 'State Bank of India', '30987654321', 'MG Road', 'Pune', 'Savings', 20.2, 9.1, 15.0, 1.4,
        4.7, 2.9, 2.6, 14.4, 15.6, 4.0, 3.9, 3.1, 3.3, 11.4, 0.9, 4.1, 12.9, 13.9, 5.8, 5.9, 0);
INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate)
VALUES ('ACC1', '000120', $half, 'Ramesh Traders', '2026-11-02'),
       ('ACC1', '000121', 250000, 'Sharma & Sons', '2026-11-03'),
       ('HDFC01', '445501', $quarters, 'Electricity Board', '2026-11-04'),
       ('HDFC01', '445502', 12000, 'A "Quoted" Payee', '2026-11-15'),
       ('HDFC01', '445503', 1, 'Petty Cash', '2026-12-01'),
       ('SBI-2', '7', $rent, 'Landlord', '2026-12-02'),
       ('SBI-2', '8', $paise, 'Stationers', '2026-12-05');
UPDATE sys_parms SET Value = '-0.2cm' WHERE Description = 'CBTop';
SQL
        # What later releases added: a leaf spoiled and a cheque voided, the crossing and cheque
        # books, an account's own money style, a batch's rows, a printer's own calibration.
        if [ "$version" -ge 2 ]; then
            echo "UPDATE Cheque SET Status = 'void', Reason = 'Wrong payee' WHERE ChequeNo = '445502';"
            echo "INSERT INTO Cheque (BankID, ChequeNo, Amount, Pay, PrintDate, Status, Reason)
                  VALUES ('SBI-2', '9', 0, '', '2026-12-06', 'spoiled', 'Torn');"
        fi
        if [ "$version" -ge 3 ]; then
            echo "UPDATE BankAccount SET CrossLeft = 1.0, CrossTop = 0.5, CrossWidth = 4.0, CrossHeight = 1.2
                  WHERE BankID = 'HDFC01';"
            echo "INSERT INTO ChequeBook (BankID, FirstLeaf, LastLeaf, Received, Retired)
                  VALUES ('HDFC01', '445501', '445550', '2026-10-30', 0), ('SBI-2', '1', '25', '2026-09-01', 1);"
        fi
        if [ "$version" -ge 4 ]; then
            echo "UPDATE BankAccount SET AmountStyle = 'Indian', CurrencyName = 'Rupees', SubunitName = 'Paise',
                  SubunitDigits = 2 WHERE BankID = 'SBI-2';"
        fi
        if [ "$version" -ge 5 ]; then
            echo "UPDATE Cheque SET BatchName = 'december.csv', BatchHash = 'f00d', BatchLine = 2
                  WHERE ChequeNo = '8';"
        fi
        if [ "$version" -ge 6 ]; then
            echo "INSERT INTO PrinterCalibration (QueueName, CBLeft, CBTop) VALUES ('Accounts_Laser', '0.1cm', '-0.3cm');"
        fi
        if [ "$version" -ge 9 ]; then
            echo "UPDATE Cheque SET Decimals = 2 WHERE BankID = 'SBI-2';"
        fi
        echo "VACUUM;"
    } | sqlite3 -bail "$file"
    echo "made $file (version $version)"
done
