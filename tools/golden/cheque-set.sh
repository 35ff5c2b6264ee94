#!/usr/bin/env bash
# Proofs of a fixed set of 34 cheques, and a report of them, as words with their boxes and as
# rasters: what a change that must not alter any output is compared by.
#   tools/golden/cheque-set.sh <quillset program> <folder for the outputs>
# Compare two runs with: diff -r <before> <after>
# Every run starts from a new database made by the program itself; nothing outside the folder is
# touched (the program's settings go to the folder too).
set -euo pipefail

program=$(realpath "$1")
out=$(realpath -m "$2")
rm -rf "$out"
mkdir -p "$out/work"
work="$out/work"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime" CUPS_SERVER="$work/no-print-server.sock"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
db="$work/Records.mdb"
"$program" --database "$db" --initialise --sample-account >/dev/null

# Accounts of every money style, from layout files as offices share them.
layout() { # code style currency subunit decimals crossing-left crossing-top
    cat > "$work/$1.json" <<JSON
{"format": "quillset-leaf-layout", "version": 1, "rupee3Active": true,
 "centimetres": {"Width": 20.3, "Height": 9.2, "DateLeft": 15.3, "DateBottom": 1.5, "DateWidth": 4.8,
  "PayLeft": 3, "PayBottom": 2.7, "PayWidth": 14.5, "AmountLeft": 15.7, "AmountBottom": 4.1, "AmountWidth": 4,
  "Rupee1Left": 3.2, "Rupee1Bottom": 3.4, "Rupee1Width": 11.5, "Rupee2Left": 1, "Rupee2Bottom": 4.2,
  "Rupee2Width": 13, "Rupee3Left": 14, "Rupee3Bottom": 5.9, "Rupee3Width": 6},
 "crossing": {"left": $6, "top": $7, "width": null, "height": null},
 "money": {"style": "$2", "currency": "$3", "subunit": "$4", "decimals": $5}}
JSON
    "$program" --database "$db" --import-layout "$work/$1.json" --account "$1" >/dev/null
}
layout INR Indian Rupees Paise 2 null null
layout USD International Dollars Cents 2 null null
layout KWD International Dinars Fils 3 null null
layout FRAC International "" "" 2 null null
layout MOVED Indian Rupees Paise 2 12.5 5.2

setting() { sqlite3 "$db" "UPDATE sys_parms SET Value = '$2' WHERE Description = '$1'"; }

n=0
proof() { # account number payee date amount stamp
    n=$((n + 1))
    local name
    name=$(printf '%02d' "$n")
    "$program" --database "$db" --pdf "$out/$name.pdf" --account "$1" --cheque "$2" --pay "$3" --date "$4" \
        --amount "$5" "--$6" >"$out/$name.said" 2>&1 || echo "exit $?" >>"$out/$name.said"
}

# The sample account, every amount shape.
proof ACC1 000101 "ABC Traders" 06-Dec-2026 12345 stamp
proof ACC1 000102 "A" 01-Jan-2026 0 no-stamp
proof ACC1 000103 "Bharat Electricals" 29-Feb-2028 5 stamp
proof ACC1 000104 "City Water Board" 31-Dec-2025 100000 stamp
proof ACC1 000105 "Sharma & Sons, Pune" 15-Aug-2026 999999999 stamp
proof ACC1 000106 "O'Brien's Café" 06-Dec-2026 123456789 no-stamp
proof ACC1 000107 "Messrs Venkataraghavan Subramaniam Iyer and Brothers Private Limited Chennai" 06-Dec-2026 1005 stamp
proof ACC1 000108 "देवनागरी भुगतान" 06-Dec-2026 2310 stamp
proof ACC1 000109 "தமிழ் பெயர்" 06-Dec-2026 45 stamp
proof ACC1 000110 "বাংলা নাম" 06-Dec-2026 30 stamp
# Every money style.
proof INR 000201 "Rupee Payee" 06-Dec-2026 150000 stamp
proof INR 000202 "Rupee Payee" 06-Dec-2026 12345678.50 stamp
proof INR 000203 "Rupee Payee" 06-Dec-2026 0.75 stamp
proof INR 000204 "Rupee Payee" 06-Dec-2026 999999999.99 no-stamp
proof USD 000301 "Dollar Payee" 06-Dec-2026 1234567.5 stamp
proof USD 000302 "Dollar Payee" 06-Dec-2026 0.10 stamp
proof KWD 000401 "Dinar Payee" 06-Dec-2026 12.345 stamp
proof KWD 000402 "Dinar Payee" 06-Dec-2026 999999999.999 stamp
proof FRAC 000501 "Fraction Payee" 06-Dec-2026 1234.50 stamp
proof MOVED 000601 "Moved Crossing" 06-Dec-2026 2500.25 stamp
# Every place on the sheet, both ways up, with calibration.
for position in 1 2 3 4 5 6; do
    setting CequePosition "$position"
    proof ACC1 00070$position "Position $position" 06-Dec-2026 1234 stamp
done
setting CBLeft 0.5
setting CBTop 1
for position in 0 2 5; do
    setting CequePosition "$position"
    proof INR 00080$position "Calibrated $position" 06-Dec-2026 4321.10 stamp
done
setting CBLeft 0
setting CBTop 0
setting Orientation 2
for position in 0 3 5 6; do
    setting CequePosition "$position"
    proof USD 00090$position "Landscape $position" 06-Dec-2026 777.77 stamp
done
setting Orientation 1
setting CequePosition 0
setting CompanyName "Other Company & Co."
proof ACC1 000999 "Company Name Changed" 06-Dec-2026 1 stamp

# The register report over a row of every account, as a PDF and as CSV.
for account in ACC1 INR USD KWD; do
    "$program" --database "$db" --mark spoiled --account "$account" --cheque 001000 --reason "torn leaf" >/dev/null
done
# Spoiled leaves are dated today, so the report is of today: compare runs made on one day.
today=$(date +%d-%b-%Y)
(cd "$out" && "$program" --database "$db" --report "$today" "$today" --pdf report.pdf >report.said 2>&1)
(cd "$out" && "$program" --database "$db" --report "$today" "$today" --csv report.csv >>report.said 2>&1)

for pdf in "$out"/*.pdf; do
    base=${pdf%.pdf}
    pdftotext -bbox "$pdf" - | grep -E '<(word|page)' >"$base.words"
    pdftoppm -r 100 -gray "$pdf" "$base-raster"
    for page in "$base"-raster*.pgm; do md5sum <"$page" | cut -d' ' -f1; done >"$base.raster"
    rm -f "$base"-raster*.pgm "$pdf"
done
rm -rf "$work"
echo "$n cheques and a report in $out"
