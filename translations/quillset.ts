<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>AccountLimit</name>
    <message>
        <source>%1 is above the &quot;Not over&quot; limit of %2 of the account &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AmountInWords</name>
    <message>
        <source>Amounts of a thousand billion or more cannot be written in words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cheque amount cannot be negative.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupCommand</name>
    <message>
        <source>Write a consistent copy of the register to FILE, while others may use it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the copy FILE in the register&apos;s place, once it is checked; the register it replaces is kept as &lt;name&gt;.before-restore. Close Quillset everywhere first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backed up the register to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A register on a server is restored with the server&apos;s own tools (pg_restore); see the guide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write today&apos;s copy of the register into the backup folder set in Options, unless it is there already, and remove the copies older than the days they are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one of --backup, --restore and --daily-backup can be given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s backup %1 was already written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Removed %n backup(s) older than %1 days.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>These backups are older than %1 days but could not be removed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register holds %1 pending cheque(s), which the backup would lose while they may have printed: settle them first (the Register window, or --mark), then restore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored the register %1 from %2; the one it replaced is kept as %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BankAccount</name>
    <message>
        <source>Paper Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheq Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date, Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date, Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date, Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay, Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay, Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay, Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount, Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount, Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount, Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rupee L1, Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rupee L1, Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rupee L1, Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rupee L2, Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rupee L2, Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rupee L2, Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamp, Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamp, Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamp, Width</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BankAccounts</name>
    <message>
        <source>The bank account &quot;%1&quot; is no longer in the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bank account &quot;%1&quot; was changed elsewhere since it was read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BankRecordTransfer</name>
    <message>
        <source>Bank ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossing, Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossing, Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossing, Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossing, Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a number. Enter centimetres, such as 20.3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, but %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;; the crossing needs a size of more than 0 cm, or leave it empty for the usual corner block.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &quot;Not over&quot; limit &quot;%1&quot; must be a whole amount in digits, such as 500000, or left empty for no limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a Bank ID: it is the code by which the account is chosen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchCheck</name>
    <message>
        <source>the amount &quot;%1&quot; is not grouped as the account &quot;%2&quot; groups amounts (%3): write it as %4 or %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in thousands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in lakhs and crores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no leaves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 leaves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 left in its cheque books (%3), and the batch takes %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 would print on %2, in no book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> None will be left afterwards: have the next book ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Only %1 will be left in the book %2 to %3 afterwards: have the next book ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cheque(s), ready to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This batch is already printed: %1 cheque(s), %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cheque(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cheque(s): %2 already printed (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 pending from an earlier run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 cheque(s), %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the register could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no account: give one with --account or in an Account column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no account: choose one in the entry window or give one in an Account column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither yes nor no.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the account &quot;%1&quot; has no cheque numbered in digits yet, so there is no next number: give the first of these cheques its number in the Cheque column, and the rest follow it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number %1 is the next number line %2 takes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number %1 is in the batch twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is above the limit of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the amount is 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its number would be in none of the cheque books of &quot;%1&quot; (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 left in its cheque books (%3)%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: have the next book ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 spoiled in an earlier run (%2), to print again from the register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: this row would pay it a second time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchCommand</name>
    <message>
        <source>Cheque %1 of %2: %3 (line %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --batch: list the problems and the totals, and write nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --batch: flag amounts above &lt;amount&gt; for a second look.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --batch: read the file as &lt;name&gt;, such as windows-1252, when it is neither UTF-8 nor UTF-16 with its byte-order mark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--check, --limit and --encoding go with --batch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--batch takes one of --check, --pdf FILE or --print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--batch takes its cheques from the file; --%1 does not go with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--confirm goes with --print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--encoding does not know &quot;%1&quot;; name one such as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--limit takes a whole amount, such as --limit 500000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the batch &quot;%1&quot; has %2 problem(s); nothing was %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the batch &quot;%1&quot; has rows for a second look (above); nothing was printed. Put them right in the file, or print them as they are with --confirm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The batch &quot;%1&quot;, read as %2, is clean. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote %1 cheque(s) of &quot;%2&quot; to %3; nothing was recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the batch &quot;%1&quot; has cheques above their account&apos;s limit (above); nothing was printed. Print them with --confirm-over-limit --reason TEXT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillset batch %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the cheques from the CSV &lt;file&gt; (columns Pay, Amount, Date; optional Cheque, Account, Stamp, Crossing), with --check, --pdf or --print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look at the rows below before printing: --print stops on them unless given --confirm (and --confirm-over-limit --reason TEXT for those above a limit).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchFile</name>
    <message>
        <source>, after &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (after &quot;%1&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its byte %1%2 is a NUL byte, which no text holds: the file is UTF-16 without its byte-order mark, or not text at all. Save it from the spreadsheet as &quot;CSV UTF-8&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name its encoding with --encoding, such as --encoding windows-1252</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose its encoding under Encoding, such as windows-1252</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its byte %1 (hex %2%3) is not UTF-8, so the file was saved in another encoding. Save it from the spreadsheet as &quot;CSV UTF-8&quot;, or %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1 text, which is not read: save it as UTF-8 or UTF-16.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no encoding called &quot;%1&quot;; name one such as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it begins with the byte-order mark of %1 text, so it is not %2: leave its encoding to the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it begins with the byte-order mark of %1 text, but not all of it is %1: save it again from the spreadsheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is UTF-8 text, so the file is not %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leave out --encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose &quot;UTF-8, or as the file is marked&quot; under Encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not all of its bytes are %1 characters, so it was not saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its first line &quot;%1&quot; should name one separator, such as sep=; or sep=,.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not CSV a spreadsheet could have written (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty; the first line names the columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1 has no name; the columns are %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no column &quot;%1&quot;; the columns are %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; is named twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has %1 fields, more than the %2 columns named in the first line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no cheques, only the line of column names.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>%1 printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 skipped as printed or spoiled before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 not printed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settle it with %1 (it may have printed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settle it under Register (it may have printed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 is still pending in the register from an earlier run: %2, then run the batch again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The batch was stopped; run it again to print the rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spoiled in an earlier run and not printed again: %1. Print each again from the register (--reprint, or Reprint on next leaf under Register).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchWords</name>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lines </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalibrationCommand</name>
    <message>
        <source>Make the --account&apos;s calibration sheet: its leaf&apos;s outline, boxes and rulers where the default printer would put them, to --pdf &lt;file&gt; or --print. Nothing is recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--calibration-sheet takes --account and either --pdf FILE or --print: --calibration-sheet --account ACC1 --pdf sheet.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote the calibration sheet of &quot;%1&quot; to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent the calibration sheet of &quot;%1&quot; to &quot;%2&quot; as job %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillset calibration sheet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalibrationSheet</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rupee L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rupee L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OR BEARER strike</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the office&apos;s calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calibration of &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillset calibration sheet: account %1 (%2), printer %3, %4: Left %5 cm, Top %6 cm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Print this page on plain paper at actual size (no fit to page). Nothing is recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Lay a blank leaf of this bank on the page where the printer will take it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Read where the real left edge crosses the ruler along the drawn top edge (mm, + right).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Read where the real top edge crosses the ruler along the drawn left edge (mm, + down).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. Under Options, for this printer, %1 Left the first reading and add to Top the second, in centimetres.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>take from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - cannot all print here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge of what &quot;%1&quot; can print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalibrationSheetJob</name>
    <message>
        <source>No printer is installed. Add a printer in the system&apos;s printer settings and make it the default printer, then print the sheet again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillset calibration sheet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChequeBookLife</name>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the first and the last leaf numbers as they are printed on the leaves, in digits (up to %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first leaf (%1) comes after the last one (%2); give them the other way round.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the date the book was received, such as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaves %1 to %2 overlap the book %3 of the account &quot;%4&quot;. Retire that book first if it is finished with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque number %1 is in none of the cheque books of the account &quot;%2&quot; (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No leaves are left in this account&apos;s cheque books: add the next book under Bank Data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 leaves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 left in this book (%2): have the next book ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left in this book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book %1, received %2%3: %4 printed, %5 pending, %6 spoiled, %7 void, %8 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (retired)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 skipped: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChequeDate</name>
    <message>
        <source>1 month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write %1 as %2 (%3, as this office writes dates).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a two-digit year (19%2 or 20%2?); %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the year in full,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; puts the year last, so its day and month could be read two ways; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date read %2, as this office writes dates, though it is one read %3: write it as %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>month first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25-Dec-2026, 25/12/2026 or 2026-12-25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec-25-2026, 12/25/2026 or 2026-12-25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2026-12-25, 2026/12/25 or 25-Dec-2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date %1 is more than %2 %3 today: a cheque is dated from %4 to %5. Correct the date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dated %1, after today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dated %1, more than %2 back: it was valid until %3, and the bank may refuse it as stale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChequeInput</name>
    <message>
        <source>Bank ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a control character (U+%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payee holds %1, which a cheque cannot print: write the payee on one line, with blanks between its words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no decimals, whole amounts only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 decimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount %1 has %2, but the account &quot;%3&quot; takes %4: correct the amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the bank account the cheque is drawn on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the cheque number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the payee after Pay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the cheque date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payee is too long for any cheque leaf (%1 characters; at most %2 can print). Shorten it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot print All the fields must be selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a direction control (U+%1), which would print it in another order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an invisible character (U+%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The crossing&apos;s words are too long for any crossing (%1 characters; at most %2). Shorten them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The crossing&apos;s words hold %1, which a cheque cannot print: write them on one line, with blanks between them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChequeNumber</name>
    <message>
        <source>The cheque number &quot;%1&quot; must be digits only, as it is printed on the leaf.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChequeRegister</name>
    <message>
        <source>List of cheques printed from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, account %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque number %1 is already in the register for the account &quot;%2&quot;; nothing was printed. Take the next number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cheque to print again is no longer in the register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That cheque is no longer pending; it may have been settled elsewhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only a printed cheque can be voided.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 of &quot;%2&quot; has been printed again already, as cheque %3. A cheque is printed again once: if cheque %3 is spoiled or void too, print that one again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandOutput</name>
    <message>
        <source>warning: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandRegistry</name>
    <message>
        <source>Prints bank cheques and keeps the register of every cheque.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FROM TO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --report and --positive-pay: the first and the last date. With --copy-database: the database to copy and the one to copy it into.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComposeCheque</name>
    <message>
        <source>The bank account &quot;%1&quot; has no value for %2 (%3). Enter it under Bank Data, then print again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bank account &quot;%1&quot; has no value for %2 (%3). Give it in %4, then run the command again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system parameter &quot;%1&quot; is missing from the database.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>%1 did not answer within %2 seconds, so Quillset gave up waiting (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is busy: another program is using it (%2). Try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: it or its folder is read-only (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused: your database user lacks a right Quillset needs (%2). Ask the database&apos;s administrator to grant it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: the disk is full (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged (%2). Restore it from a backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database refused the request: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database is not open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CopyCommand</name>
    <message>
        <source>Copy the accounts, the register and the settings of the database FROM into the new or empty database TO (a file or a server URI), and print the count of each table on both sides.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--copy-database goes alone; it cannot go with --%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--copy-database takes two places: the database FROM and the database TO.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--copy-database names both databases itself; leave out --database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied &quot;%1&quot; into &quot;%2&quot;:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The counts differ: check both databases before using the copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows in FROM, %2 rows in TO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CopyDatabase</name>
    <message>
        <source>Nothing was copied into &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A database cannot be copied into itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds %1 account(s) and %2 cheque(s) already. Copy into a new file or an empty server database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not agree with its own history, so it is not copied: the copy would not show it. %2 Run quillset --verify-register on it for the whole listing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CupsPrintQueue</name>
    <message>
        <source>No printer is installed, or the print service does not answer (at %1). Add a printer in the system&apos;s printer settings and make it the default printer, then print again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print server did not answer within %1 seconds while %2. Check that the printing service is running, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the cheque: %2. Check the printer, then print again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asking which papers it takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot print on %2 paper, which this page is laid out for: it offers %3. Nothing was printed. Add %2 to the printer&apos;s paper sizes in the system&apos;s printer settings, or make a printer that takes %2 the default one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>looking for the default printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed. Add a printer in the system&apos;s printer settings and make it the default printer, then print again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped. Restart it in the system&apos;s printer settings, then print again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>handing it the cheque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>following the cheque&apos;s job %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelling job %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print server did not cancel job %1 on &quot;%2&quot;: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>listing the jobs it holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print server did not list the jobs it holds: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print service&apos;s library could not be loaded (%1). Install CUPS (the Debian package libcups2), then print again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DailyBackup</name>
    <message>
        <source>The setting &quot;%1&quot; holds &quot;%2&quot;, which is not a number of days from 1 to %3: set the days a backup is kept in Options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole path: give the backup folder from the top, such as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup folder &quot;%1&quot; does not exist: make it first, or choose another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder: choose the folder the backups go into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillset may not write into the backup folder &quot;%1&quot;: choose another, or ask for the right to write there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A register on a server is backed up with the server&apos;s own tools (pg_dump); see the guide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No daily backup folder is set: choose one in Options.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DailyBackupSchedule</name>
    <message>
        <source>Backups older than %1 days could not be removed: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DatabaseLocation</name>
    <message>
        <source>Quillset cannot copy its delivered database &quot;%1&quot;: it is %2, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillset cannot create its data folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillset cannot copy its delivered database &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DefinitionFile</name>
    <message>
        <source>The report definition</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leaf layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No name was given for the %1 to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the database Quillset is using; a %2 is never written over it. Choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a copy of the database, kept before an upgrade; a %2 is never written over it. Choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder; name a file in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not an ordinary file; a %3 is only written to an ordinary file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is there already and cannot be read (%2), so it is not known to be an earlier %3. Choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is there already and is not a %2; a %2 is only ever written over an earlier one. Choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; could not be written: %3. Any earlier file of that name is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file was named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2, not an ordinary file; only ordinary files are read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large (%2; at most %3 is read).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large (more than %2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryText</name>
    <message>
        <source>%1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (database role %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 by %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InitialiseCommand</name>
    <message>
        <source>Make a new database at the --database path, with the program&apos;s settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --initialise: add the sample account ACC1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--initialise needs --database, naming where the new database goes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made the new database %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IssueCheque</name>
    <message>
        <source>There is no bank account with the code &quot;%1&quot;. Choose an account from the list, or add it under Bank Data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no bank account with the code &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placed with the office&apos;s calibration: no default printer was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placed with the calibration of the default printer &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placed with the office&apos;s calibration, which the default printer &quot;%1&quot; uses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The money of the bank account &quot;%1&quot; was changed elsewhere since the amount was typed (it is now written %2). Nothing was printed: check the amount and print again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The money of the bank account &quot;%1&quot; was changed elsewhere since the amount was read; nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IssueMessages</name>
    <message>
        <source>printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>held in the queue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waiting in the queue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (the printer says: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 on &quot;%2&quot;, job %3: cancelling it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 on &quot;%2&quot;, job %3: %4%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelling it; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 went to the printer &quot;%2&quot; as job %3, and it has not finished after %4 seconds: %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1: looking for the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1: sending it to &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>under Print Cheque, Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When you know whether it printed, settle it with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When you know whether it printed, settle it under Print Cheque, Register, or with quillset --mark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 cannot be settled yet: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was sent from %1 as job %2 on &quot;%3&quot;, and only the print server there knows whether the job is still printing. Settle it at %4 once its print has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the print server could not be asked whether its job %1 on &quot;%2&quot; is still printing (%3) Settle it once the print server answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is still in the print server as job %1 on &quot;%2&quot; (%3), so it may yet print. Let the job end, or cancel it at the printer, then settle the cheque.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was written to the register moments ago and may still be on its way to the printer. Settle it once its print has ended, in a minute at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is still in the print server as job %1 on &quot;%2&quot;, so it may yet print. Let the job end, or cancel it at the printer, then settle the cheque.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say why cheque %1 is %2: a reason is kept with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>void</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spoiled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 is %2, not pending; only a pending cheque can be marked that way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 is %2; only a printed cheque can be void.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register holds no cheque %1 for the account &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say why leaf %1 is spoiled: a reason is kept with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaf %1 of &quot;%2&quot; is recorded as spoiled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 of &quot;%2&quot; is removed from the register; its number is free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 of &quot;%2&quot; is recorded as printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 of &quot;%2&quot; is recorded as spoiled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 of &quot;%2&quot; is now void.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settle each with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settle them under Print Cheque, Register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 cheque is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cheques are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque number %1 is already in the register for the account &quot;%2&quot; (%3, dated %4); nothing was printed.%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The next number is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register could not be read, so nothing was printed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cancelled cheque %1 before it was sent to the printer. Nothing was printed or recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register cannot take the cheque, so nothing was printed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settle it as not printed with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settle it as not printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The cheque did not print, but its pending row could not be removed (%1). %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job %1 on &quot;%2&quot; was to be cancelled, but the print server had not confirmed it (last: %3). Cheque %4 may print or not; it stays in the register as pending. %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 went to the printer &quot;%2&quot; as job %3, but it had not finished after %4 seconds (last: %5). It stays in the register as pending. %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print server says job %1 on &quot;%2&quot; completed, but it counted no page printed, so cheque %3 may not have come out. Look at the printer: the cheque stays in the register as pending. %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 WAS printed (job %2), but the register could not mark it printed: %3

It stays in the register as pending; mark it printed %4. Do not print it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print server no longer knows job %1 on &quot;%2&quot;, so whether cheque %3 printed is not known. Look at the printer: it stays in the register as pending. %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled, as you asked,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print server %1 job %2 on &quot;%3&quot; before it printed anything. Nothing was recorded; check the printer, then print the cheque again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print server %1 job %2 on &quot;%3&quot; after it began printing cheque %4. Look at the leaf: it stays in the register as pending. %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; has no cheque numbered in digits yet, so there is no next number: give the first one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other workstations kept taking the next number of &quot;%1&quot;; nothing was printed. Try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pending in the register from this workstation: %2. %3 may or may not have printed. %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Apart from these, %1 sent from other workstations %2 pending: printing now, or to be settled there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 cheque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cheques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Nothing was printed. To print it all the same, add --confirm-over-limit --reason TEXT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Nothing was printed. Print it again and confirm it with a reason.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped, with an error,</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutCommand</name>
    <message>
        <source>Write the leaf layout of the account &lt;code&gt; to the file FILE (JSON).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the leaf layout in &lt;file&gt; into the --account (made when there is none).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-layout and --import-layout go one at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-layout takes the account&apos;s code and the file: --export-layout ACC1 leaf.json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--import-layout takes the file and --account: --import-layout leaf.json --account ACC2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote the layout of &quot;%1&quot; to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutExport</name>
    <message>
        <source>There is no bank account &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layout file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; now has the layout of &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made the account &quot;%1&quot; with the layout of &quot;%2&quot;; it has no bank details (bank name, account number) yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutFile</name>
    <message>
        <source>The file is not a Quillset leaf layout: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layout file was not taken: its field &quot;%1&quot; %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text of %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a block of fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a field of a leaf layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1, which is not a block of fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1, which is not a number of centimetres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1, but %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1, which is not true or false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1, which is not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1, which is not a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is %1 characters long; at most %2 are taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;, which is none of %2, %3, %4 and %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1, which is not a whole amount of 1 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not JSON (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not say it is one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layout was written by a newer Quillset (layout version %1; this one reads version %2 and older). Import it with the newer program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;, which is neither %2 nor %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LeafDesign</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rupee L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rupee L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OR BEARER strike</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left %1, top %2, width %3 cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left %1, top %2, boxes %3 cm apart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not struck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left %1, top %2, width %3, height %4 cm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LeafLimits</name>
    <message>
        <source>a leaf&apos;s width and height must be from %1 to %2 cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a place on the leaf must be from 0 to %1 cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a box&apos;s size must be more than 0 and at most %1 cm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MarkCommand</name>
    <message>
        <source>Settle the --account&apos;s --cheque: printed, spoiled or unprinted for a pending cheque, void for a printed one; spoiled for a number with no cheque records a spoiled leaf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>how</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--mark takes printed, spoiled, void or unprinted, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--mark needs the cheque&apos;s --account and --cheque.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no bank account with the code &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoneyStyle</name>
    <message>
        <source>The amount &quot;%1&quot; must be whole rupees in digits only, at most 9 of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; must be digits, at most 9 of them, with at most %2 after the decimal point, such as 1234.%3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OneCheque</name>
    <message>
        <source>say which bank account the cheque is drawn on with --account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no bank account with the code &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the account &quot;%1&quot; has no cheque numbered in digits yet, so there is no next number: give the first one with --cheque.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: give --cheque, --pay, --date and --amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--print and --pdf cannot go together: print the cheque, or write its proof.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--stamp and --no-stamp cannot go together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--mark settles a cheque already sent; it cannot go with --print or --pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--mark takes printed, spoiled, void or unprinted, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--crossing gives the crossing&apos;s words; it cannot go with --no-stamp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--confirm-over-limit goes with --print or --reprint.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--confirm-over-limit needs the reason, such as --reason &quot;advance approved by the director&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--confirm goes with --print or --reprint.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionSettings</name>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageChecks</name>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calibration under Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>under Bank Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calibration settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the account&apos;s layout (quillset --export-layout writes it to a file, --import-layout reads it back)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has characters no installed font can print: %2. Install the Debian package fonts-noto-core, or write them another way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too long for its box on the leaf, even in 7 pt type. Shorten it, or widen &quot;%2&quot; %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 mm too wide for its box on the leaf. Widen &quot;%3&quot; %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 would print off the sheet, by up to %2 mm. Check the printing location and %3, and %4 %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>their places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 would print off the cheque leaf, by up to %2 mm. Check %3 and the leaf&apos;s size %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 would run %2 mm past its box on the leaf. Check its place and &quot;%3&quot; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, or shorten it (&quot;Company Name for Stamp&quot; under Options).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, or shorten it (the CompanyName setting).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot print near the edges of the sheet, so part of %2 would not print. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the printing location and the calibration settings, and the fields&apos; places in %1; quillset --calibration-sheet shows where.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the printing location and the calibration under Options, and the fields&apos; places under Bank Data; the calibration sheet shows where.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date&apos;s digits on the account &quot;%1&quot; are wider than its date boxes %2 cm apart, by up to %3 mm. Widen the box pitch %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date&apos;s eight boxes on the account &quot;%1&quot;, %2 cm apart, run %3 mm past the cheque leaf. Narrow the box pitch or move the date left %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date&apos;s eight boxes on the account &quot;%1&quot;, %2 cm apart, run %3 mm past the date&apos;s box. Narrow the box pitch or widen &quot;Date, Width&quot; %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the &quot;OR BEARER&quot; strike</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The crossing&apos;s words &quot;%1&quot; are too long for its lines: they would print in %2 pt type, smaller than the %3 pt a bank can read. Shorten them, or make the crossing larger %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PositivePayCommand</name>
    <message>
        <source>Write the Positive Pay file of the --account in its bank&apos;s layout to --out: the cheques printed or voided since the last one (--since-last), or those dated from FROM to TO. Each is recorded as reported to the bank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --positive-pay: the cheques printed or voided since they were last reported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --positive-pay: the file to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--since-last and --out go with --positive-pay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--positive-pay goes alone, without another command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--positive-pay writes a file of cheques already printed; --%1 does not go with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--positive-pay needs the account: --positive-pay --account ACC1 --since-last --out pp.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--positive-pay needs the file to write: --out FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--positive-pay takes either --since-last or the first and the last date, such as: --positive-pay --account ACC1 01-Dec-2026 07-Dec-2026 --out pp.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cheque(s) written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHA-256 %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PositivePayExport</name>
    <message>
        <source>The account &quot;%1&quot; has no Positive Pay layout. Choose one in the bank window with &quot;Positive Pay...&quot; (it can load a layout file such as the examples).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the account &quot;%1&quot; has no Positive Pay layout. Set one in the bank window with &quot;Positive Pay...&quot;, or import a leaf layout file with a &quot;positivePay&quot; block: quillset --import-layout FILE --account %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Positive Pay layout of the account &quot;%1&quot; cannot be used: %2 Correct it in the bank window with &quot;Positive Pay...&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no bank account with the code &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first date, %1, is after the last, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; has no account number, and its Positive Pay layout has a column for it: the bank would not know the cheques. Type the account number in the bank window first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void cheque(s) %1 are not in the file: its layout has no Status column to say a cheque is void.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque(s) %1 went to the bank as issued in an earlier file: ask the bank to stop them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cheque(s) of the account &quot;%2&quot; at or above the Positive Pay threshold of %3, dated before today, have not been reported to the bank: %4. Export the Positive Pay file before the bank is presented with them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PositivePayLayout</name>
    <message>
        <source>The date format &quot;%1&quot; may hold only d (day), M (month) and y (year) and the marks between them, such as &quot;dd-MM-yyyy&quot; or &quot;yyyyMMdd&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date format &quot;%1&quot; does not write the whole date: it needs the day, the month and the four-digit year, such as &quot;dd-MM-yyyy&quot;, &quot;MM/dd/yyyy&quot; or &quot;yyyyMMdd&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Issue Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Positive Pay layout is not a JSON object: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not enclosed in { }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Positive Pay layout has &quot;%1&quot;, which is not one of its settings (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Positive Pay layout&apos;s &quot;format&quot; must be &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Positive Pay layout&apos;s &quot;%1&quot; must be a text in quotes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Positive Pay layout needs &quot;columns&quot;: a list of the columns in the bank&apos;s order, from account, cheque, date, amount, payee, status and reference.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Positive Pay layout has a column &quot;%1&quot;; a column is one of account, cheque, date, amount, payee, status and reference.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Positive Pay layout&apos;s &quot;amount&quot; is &quot;%1&quot;; it is one of decimal (1234.50), subunits (123450) and grouped (1,234.50).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Positive Pay layout&apos;s &quot;separator&quot; is &quot;%1&quot;; it is one of a comma, a semicolon, a bar (|) and a tab (\t).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Positive Pay layout&apos;s &quot;header&quot; is true or false.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Positive Pay layout&apos;s &quot;file&quot; is &quot;%1&quot;; the file is written as csv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The column &quot;%1&quot; is in the layout twice; each column goes in once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The separator &quot;%1&quot; is not one of a comma, a semicolon, a bar (|) and a tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The status flags are one line each.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PositivePayRegister</name>
    <message>
        <source>in the file %1, SHA-256 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>void, and the file %1 (SHA-256 %2) has no column to say so</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PostgresDialect</name>
    <message>
        <source>The database &quot;%1&quot; on the server %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not name a database; write it as postgresql://user@host/database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillset cannot reach its database %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillset cannot open its database &quot;%1&quot;: the database user &quot;%2&quot; lacks rights it needs: %3. The tables are there, so do not make them again; ask the database&apos;s administrator to grant the rights (GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA %4 TO %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database did not say which row it added.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>nothing was printed: the cheque is %1 Give --confirm to print it as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 printed and recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was printed: %1 Give --confirm to print it on that number all the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was printed: %1, so this cheque would pay it a second time. Give --confirm to print it all the same.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintProgressDialog</name>
    <message>
        <source>

Wait longer for it? Yes waits as long again; No cancels the job in the print server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Print it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <source>The printer &quot;%1&quot; cannot cancel job %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source> See quillset --help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option. See quillset --help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2% done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upgrading the database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing the register&apos;s history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs a command, such as --print or --pdf FILE for a cheque; without one the program opens its windows, which take only --database. See quillset --help.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProofChecks</name>
    <message>
        <source>the proof is written, but this cheque would not print: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProofCommand</name>
    <message>
        <source>the cheque is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillset cheque %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterBackup</name>
    <message>
        <source>A register on a server is backed up with the server&apos;s own tools (pg_dump); see the guide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A register cannot be backed up over itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The finished backup could not be named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no backup &quot;%1&quot; to restore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be copied beside &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; does not agree with its own history, so it was not restored: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; was not restored: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register &quot;%1&quot; could not be set aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not take the register&apos;s place; the register is kept as &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is there already and is not an earlier backup of this register, so it is not written over. Choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of the backup &quot;%1&quot; is not there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is damaged, so it was not restored: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterHistory</name>
    <message>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cheque %2 (row %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 where its history has %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History entry %1 does not follow the entry before it: an entry was removed or slipped in before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History entry %1 (%2 %3, %4) was changed after it was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no history: it was written outside the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed outside the program: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was deleted outside the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database no longer keeps the history from being changed: its guard %1 is gone or switched off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history ends at entry %1, but entries up to %2 were written: the last ones were removed outside the program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>Write the register report for the cheques dated from FROM to TO (both included, written as --date takes them) to --csv or --pdf; with --account, of that account only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --report: write the report&apos;s rows as CSV to &lt;file&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--csv goes with --report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--report cannot go with --print or --mark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--report needs the first and the last date, such as: --report 01-Nov-2026 30-Nov-2026.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--report writes to one file: give --csv FILE or --pdf FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no bank account with the code &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 cheque(s) written to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start date, %1, is after the end date, %2, so no cheque can lie between them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportDefinition</name>
    <message>
        <source>The report definition &quot;%1&quot; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large to write in words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is missing or cannot be read. Reinstall Quillset or restore the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asks for font sizes outside 4 to 30 points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has a column %1 (line %2) that is not &quot;field, heading, width, alignment&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gives column %1 no width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no [Columns] to show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, number repeated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by account, below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{printed} printed, {pending} pending, {spoiled} spoiled, {void} void.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{account}: {printed} printed, total {total} ({words})</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All accounts: {printed} printed, total {total} ({words})</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source> [... cut: the whole text is in the CSV export]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reprint</name>
    <message>
        <source>Cheque %1 of &quot;%2&quot; is %3: only a spoiled or void cheque is printed again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 of &quot;%2&quot; was a spoiled leaf with no cheque on it: there is nothing to print again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; takes %2 decimals now, and cheque %3 was written with %4: type the cheque again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReprintCommand</name>
    <message>
        <source>Print the --account&apos;s spoiled or void --cheque again on the next leaf: the same payee, amount, date and crossing (--stamp or --no-stamp to change the crossing).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--reprint takes the cheque from the register; --%1 does not go with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--reprint needs the spoiled or void cheque&apos;s --account and --cheque.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no cheque %1 of &quot;%2&quot; in the register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 printed and recorded, in place of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was printed: the cheque is %1 Give --confirm to print it again as it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SamePayment</name>
    <message>
        <source>cheque %1 of &quot;%2&quot; is already %3 to %4 for %5, dated %6</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>This program&apos;s upgrade steps are not numbered in order, so it upgrades no database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database was upgraded; %1 row(s) could not be kept exactly as they were:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
...and %1 more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Every one is kept in the database&apos;s table UpgradeNote.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be upgraded from version %2 to %3, so it was left as it was: %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SharedOptions</name>
    <message>
        <source>Use the database at &lt;path&gt; instead of Records.mdb beside the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the cheque on the default printer and record it in the register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a proof of the cheque to the PDF &lt;file&gt;; nothing is recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bank account code of the cheque.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cheque number, or &quot;next&quot; for the one after the account&apos;s highest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payee.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cheque date, such as 06-Dec-2026 (numbers alone in the office&apos;s order of dates, day first unless it chose another).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the crossing off (without either, the Stamp setting decides).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the crossing, with the account&apos;s words (such as &quot;Payee&apos;s Account Only&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross the cheque with these words instead of the account&apos;s, such as &quot;Not Negotiable&quot;; &quot;&quot; for the two lines alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --print, --batch or --reprint: print a cheque above its account&apos;s &quot;Not over&quot; limit, for the --reason given (kept in the register&apos;s history).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why: a cheque is spoiled or void (with --mark), or printed above its account&apos;s limit (with --confirm-over-limit).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount in digits, with the account&apos;s decimals after a point where it takes them, such as 12345 or 12345.50.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --print or --reprint: print what needs a second look as it is (a post-dated cheque, one dated longer ago than a cheque stays valid, a number in none of the account&apos;s cheque books, a payee, amount and date the register already holds a cheque for; in a --batch also a 0 amount); without it, it is refused and nothing prints.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SqliteDialect</name>
    <message>
        <source>the file is locked by another program. Close it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillset cannot open its database &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists already; a new database is never made over a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; cannot be made: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you have no permission to read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is an old Access-format database. Quillset keeps its records in SQLite; use the Records.mdb delivered with this version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not a Quillset database or is damaged (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be written (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the finished copy could not be named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillset needs to upgrade the database &quot;%1&quot; and first keeps a copy of it, but the copy &quot;%2&quot; could not be made: %3 Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Quillset cannot open its database &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was made by a newer version of Quillset (database version %1; this program reads version %2 and older). Use the newer program, or install it here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no Quillset tables yet. If it is the database meant for Quillset, make them with: quillset --database &quot;%1&quot; --initialise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 has no table %2, so it is not a Quillset database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; holds tables already; a new Quillset database is only made in an empty one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemParameters</name>
    <message>
        <source>The system parameter &quot;%1&quot; is missing from the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; was changed elsewhere since it was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system parameter &quot;%1&quot; should be a whole number but holds &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; holds &quot;%2&quot;, but should be %3. Set it under Options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; holds &quot;%2&quot;, but should be %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number of months from 1 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DMY, MDY or YMD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer does not accept the orientation %1; the &quot;Orientation&quot; setting must be 1 (portrait) or 2 (landscape).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerifyCommand</name>
    <message>
        <source>Check the register against its history: every entry still linked to the one before it, and every cheque as its last entry left it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history is broken: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 history entries and %2 cheques checked: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the register agrees with its history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the register does NOT agree with its history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register&apos;s file is damaged: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register was not checked against its history: restore it from a backup (quillset --restore).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowStart</name>
    <message>
        <source>there is no display to show the windows on. Start Quillset from a desktop session; to print a cheque without windows, use --print or --pdf (see --help).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrading the database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the register&apos;s history...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkstationChoiceCommand</name>
    <message>
        <source>Keep the --database as this workstation&apos;s own choice, so that Quillset starts on it from now on (a server URI, say; never with a password).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget this workstation&apos;s choice: start on Records.mdb beside the program again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--remember-database keeps the --database given with it; --forget-database goes alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This workstation now starts on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database beside the program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkstationSettings</name>
    <message>
        <source>The location holds a password, and Quillset never keeps one. Put the password in the user&apos;s ~/.pgpass file (libpq&apos;s password file), and remember the location without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillset::MDIForm1</name>
    <message>
        <source>Printing Preview of Cheque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit &amp;leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit pa&amp;ge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1&amp;00 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillset::ReportPreview</name>
    <message>
        <source>The report was not printed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the report, %1 page(s), on the printer &quot;%2&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report, %1 page(s), went to the printer &quot;%2&quot; as job %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report may or may not print: %1 Look at the printer before printing it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the cheques as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1 page(s), %2 cheque(s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillset::frmBanks</name>
    <message>
        <source>Bank Basic Data Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bank accounts could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Design on leaf...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ex&amp;port...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossing, cm from the leaf&apos;s top-left corner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty: the usual place, 0 cm from the leaf&apos;s left edge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty: the usual place, 0 cm from the leaf&apos;s top edge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty: the usual width, %1 cm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty: the usual height, %1 cm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque &amp;Books...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amounts, as the bank writes them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. Rupees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The currency&apos;s name as the words print it, such as Rupees. Empty: the words name none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. Paise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of its hundredth (or thousandth) as the words print it, such as Paise. Empty: the words write a fraction as 50/100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many decimals an amount takes: 0 for whole amounts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the leaf layout of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaf layouts (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a leaf layout into %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the leaf layout of &quot;%1&quot; with the one in &quot;%2&quot;? Its bank details stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layout was not imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The leaf cannot be laid out yet: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the Bank ID &quot;%1&quot; already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account was not saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; was changed elsewhere since it was shown, so nothing was saved. The window now shows what is stored; make your changes again if they are still needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throw away the new account? What was typed is not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throw away the changes to &quot;%1&quot;? It stays as it was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subunit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Entry Not Allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheq Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rupee L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rupee L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>txtCrossTop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive Pa&amp;y...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cheque above this whole amount prints only when the clerk confirms it with a reason, kept in the register. Empty: no limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not &amp;over:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>above it, a cheque needs a reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;let</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillset::frmBatch</name>
    <message>
        <source>Cheque Batch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;aste rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-8, or as the file is marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print batch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a CSV file, or copy rows from a spreadsheet and paste them here. The first row names the columns: Pay, Amount, Date, and Cheque, Account and Stamp if wanted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a batch of cheques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The batch file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pasted rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(next)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(next: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problem(s): nothing can print until they are put right in the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more, beside their rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To look at again before printing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This row has a problem; its page is shown once it is put right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The batch reads differently now than when it was checked: an account or the register has changed since. Nothing was printed; look at its rows again, then print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These cheques need a second look:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Print the batch as it is?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pending: settle it under Register (it may have printed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spoiled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>printed, since made void</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Print the batch anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These cheques are above their account&apos;s limit:
%1
To print them all the same, give the reason (it is kept in the register):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillset::frmCheque</name>
    <message>
        <source>Quillset Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bank ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc. #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque No:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pri&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ba&amp;tch...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;gister...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bank accounts could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The details of account &quot;%1&quot; could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheques go on %1: %2, account %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no bank name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No account is chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next cheque number could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (Down takes it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The stamp box starts unticked; set the default under Options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Print it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No bank account is set up yet. Add the account and its cheque layout under Bank Data, then print the cheque.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This cheque is %1 Print it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 to %2, %3, printed and recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 was not printed, and nothing was recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 may have printed: it is pending in the register until it is settled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 printed, but is still pending in the register: mark it printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was printed: %1 Correct the date in the entry window, then print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This cheque would not be printed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing would print: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This cheque is %1 Print asks before printing it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cr&amp;ossed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The crossing&apos;s words: the account&apos;s, one from the list, or your own; &quot;(none)&quot; for the two lines alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> To print it all the same, give the reason (it is kept in the register):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cheque above the limit prints only with a reason.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 was not printed: it is above the account&apos;s limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register already holds this payment: %1. Print it all the same?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillset::frmChequeBooks</name>
    <message>
        <source>Cheque Books of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First leaf:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Last leaf:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;tire Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without adding the book you typed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cheque books could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retire the book %1? Its leaves are no longer offered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book was not retired: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Received:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spoiled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Void</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillset::frmLeafDesigner</name>
    <message>
        <source>Design on leaf: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load scan...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag a box to move it, or its blue corner to size it. The arrow keys move the chosen box 1 mm, with Shift 0.1 mm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scan or photograph of a blank leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scans (*.png *.jpg *.jpeg *.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read as a picture (PNG, JPEG) or a PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the leaf&apos;s top-left corner on the scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now click the leaf&apos;s bottom-right corner on the scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two corners were the same point: load the scan again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scan is to scale. Drag the boxes onto its fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the designer without saving the boxes you moved or the marks you changed? The account keeps its layout as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A digit to a box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>06 December 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spread as always</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stri&amp;ke &quot;OR BEARER&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ubunit before its number (&quot;and Paise Fifty&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box &amp;pitch:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;rossing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill&amp;er:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency si&amp;gn:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillset::frmMain</name>
    <message>
        <source>Quillset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records are kept in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Cheque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cheque is printing. Quillset closes once its outcome is known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s backup of the register was not written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be read (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register does not agree with its history: %1 Run quillset --verify-register for the whole listing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its file is damaged (%1); restore it from a backup.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillset::frmOptions</name>
    <message>
        <source>Cheque Orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calebration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing Location for A4 Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company Name for Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Stamp for Payee&apos;s Account Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>= -00.000 cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>= %1 cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plain number: the cheque is moved by %2 cm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be read, so nothing can be changed now: %1 Close this window and open it again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These settings could not be read and show their defaults: %1. Press OK to store what the window shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were changed elsewhere since this window opened, so nothing was saved. The window now shows them as they are; make your changes again if they are still needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration &amp;for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet for &amp;account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print &amp;Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration sheet shows where the default printer puts the leaf and each field, with rulers to measure a real leaf against. It uses the saved settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates &amp;written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the office writes a date in numbers alone, in the entry window and in batch files. A month written by its name, such as 25-Dec-2026, is read in any order; a date in numbers in another order is refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask about c&amp;heques older than</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cheque dated longer ago than this may be refused by the bank as stale (in India after 3 months): printing asks first, as it does for a post-dated cheque.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ref&amp;use dates more than</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>months away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A date further back or ahead of today than this is taken for a typing mistake and refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the months after which a cheque is asked about: give a whole number of months from 1 to %2, such as 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the months beyond which a date is refused: give a whole number of months from 1 to %2, such as 12.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates more than %1 months away are refused, so a cheque older than %2 months could never be asked about: refuse only dates more than %2 months away, or ask about cheques sooner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (default printer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every printer without its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The office&apos;s calibration, for every printer without its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This printer&apos;s own calibration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No calibration of its own yet: it prints with the office&apos;s, shown here; change it to give this printer its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration sheet of &quot;%1&quot; went to &quot;%2&quot; as job %3. %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration sheet was not printed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the calibration sheet as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration %1.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillset calibration sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration sheet of &quot;%1&quot; is in %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration sheet was not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LandScape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center Botom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day first: 25/12/2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month first: 12/25/2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year first: 2026-12-25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Options without saving your changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up each day &amp;into</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder a copy of the register is written into once a day, by the first Quillset started that day. Leave it empty for no daily backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep each backup for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder for the daily backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A register on a server is backed up with the server&apos;s own tools (pg_dump); see the guide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No daily backup: choose a folder, preferably on another disk, to keep one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each day&apos;s copy is named like %1. None is in this folder yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each day&apos;s copy is named like %1. The latest is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the days each backup is kept: give a whole number of days from 1 to %2, such as 14.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillset::frmPositivePay</name>
    <message>
        <source>Positive Pay of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheques of this whole amount or more are to be reported to the bank before they are presented; printing warns of any not reported by the next day. Empty: none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Report cheques from (whole amount):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive Pay layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layouts (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layout file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layout was not loaded:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount to report from is a whole amount of 1 or more, without grouping, such as 50000; or empty for none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layout was not saved:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; is no longer there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title in the header line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The column&apos;s title in the file&apos;s header line; empty for the field&apos;s own name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d for the day, M for the month, yyyy for the year, and the marks between them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal: 1234.50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In paise or cents: 123450</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grouped: 1,234.50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma ( , )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semicolon ( ; )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pipe ( | )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Header line of the titles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the status column says of a cheque that stands; often empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the status column says of a voided cheque, such as V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiel&amp;d:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dat&amp;e format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Am&amp;ount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se&amp;parator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Issued &amp;flag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Void flag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;lumns of the bank&apos;s file, in its order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file will read, for a sample cheque:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account&apos;s Positive Pay layout cannot be used, so the form starts empty:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every field is in the layout already; each goes in once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No layout: add the bank&apos;s columns, or load a layout file with Import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABC Traders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillset::frmRegister</name>
    <message>
        <source>Cheque Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;spoiled...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Not printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Void...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spoiled &amp;leaf...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No cheque of this account is pending.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pending: settle each once you know whether it printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 cheque is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cheques are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why is cheque %1 %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>void</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spoiled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove cheque %1 to %2 from the register, so that its number is free again? Do this only if nothing was printed on the leaf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of the spoiled leaf:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why is leaf %1 spoiled?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>job %1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number used more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive Pa&amp;y...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive Pay file of %1: leave empty for the cheques printed or voided since the last report, or give the first and the last date, such as 01-12-2026 07-12-2026.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give two dates, the first and the last, such as 01-12-2026 07-12-2026; or nothing for the cheques since the last report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive Pay file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cheque(s) written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reprint on next leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not crossed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crossed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crossed &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print cheque %1 again on the next leaf: %2, %3, dated %4, %5?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Give the reason it is printed all the same:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1 printed and recorded, in place of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its history could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheque %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

This cheque is %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillset::frmReport</name>
    <message>
        <source>Cheque report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;End date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The accounts could not be read, so only a report of all of them can be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the %1 date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 date &quot;%2&quot; is not a date: write it as on a cheque, such as %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start date, %1, is after the end date, %2, so no cheque can lie between them. Correct the dates, then press Preview.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a date as on a cheque, such as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
