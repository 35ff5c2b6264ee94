#!/usr/bin/env bash
# A private CUPS server with one print queue, for the end-to-end print tests.
#   print-queue.sh start <folder>   starts cupsd on <folder>/cups.sock with the default queue
#                                   QuillsetTest, whose printer writes each job's PDF to <folder>/out
#   print-queue.sh stop <folder>    stops that cupsd
#   print-queue.sh default <folder> [queue]
#                                   makes the queue (QuillsetTest when none is named) the default;
#                                   QuillsetMargins is a second queue that reports margins,
#                                   QuillsetLetter a driver queue whose default paper is Letter (it
#                                   offers A4 too) and QuillsetLetterOnly one that offers Letter only
#   print-queue.sh freeze|thaw <folder>
#                                   stops the server's process dead, as a hung server, and lets it go on
#   print-queue.sh printer <folder> <behaviour>
#                                   how the printer takes the next jobs: "ok", "slow SECONDS",
#                                   "fail" (the job aborts once printing started), "media-empty"
#                                   (it waits, saying so, until the behaviour changes), "hang" (it
#                                   never finishes) or "blank" (it ends well but puts out no page)
# Everything the server reads and writes is under <folder>: its configuration, spool, socket and
# its printer, a backend of this script's own. The system's CUPS and any printer already set up
# are never touched.
set -euo pipefail

command=${1:-}
folder=${2:-}
queue=QuillsetTest

if [ -z "$command" ] || [ -z "$folder" ]; then
    echo "usage: $0 start|stop|printer <folder> [behaviour]" >&2
    exit 2
fi

stop() {
    if [ -f "$folder/cupsd.pid" ]; then
        local pid
        pid=$(cat "$folder/cupsd.pid")
        kill -CONT "$pid" 2>/dev/null || true
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 1 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        rm -f "$folder/cupsd.pid"
    fi
}

write_backend() {
    # The printer: takes the job's PDF as it was sent and writes it out whole, or plays a fault.
    cat > "$folder/lib/backend/quillset-test" <<'BACKEND'
#!/bin/sh
if [ $# -eq 0 ]; then
    echo 'direct quillset-test "Unknown" "Quillset test printer"'
    exit 0
fi
umask 022
folder=${DEVICE_URI#quillset-test:}
behaviour=$(cat "$folder/behaviour" 2>/dev/null || echo ok)
job=$1
input=${6:-}
partial="$folder/out/.job-$job.partial"
if [ -n "$input" ]; then cat "$input" > "$partial"; else cat > "$partial"; fi
case "$behaviour" in
slow\ *)
    echo "INFO: warming up" >&2
    sleep "${behaviour#slow }"
    ;;
fail)
    echo "ERROR: paper jam" >&2
    rm -f "$partial"
    exit 1
    ;;
media-empty)
    echo "STATE: +media-empty" >&2
    echo "INFO: media-empty" >&2
    while [ "$(cat "$folder/behaviour" 2>/dev/null)" = media-empty ]; do sleep 0.2; done
    echo "STATE: -media-empty" >&2
    ;;
hang)
    while :; do sleep 1; done
    ;;
blank)
    rm -f "$partial"
    exit 0
    ;;
esac
mv "$partial" "$folder/out/job-$job.pdf"
# Like a printer that reports what it printed, it tells the server the page came out.
echo "PAGE: 1 1" >&2
exit 0
BACKEND
    chmod 0755 "$folder/lib/backend/quillset-test"
}

letter_queues() {
    # Driver queues as an office in America has them: the default paper is Letter. The server runs
    # each job through cups-filters' pdftopdf, which fits a page to the paper as a real driver does,
    # unless the job asks for its own paper and no scaling. QuillsetLetter offers A4 too, and turns a
    # landscape page the other way from the printing standard's landscape when left to itself;
    # QuillsetLetterOnly has no A4 at all.
    write_letter_ppd "Quillset Letter" '*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"' \
        '*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"' '*ImageableArea A4/A4: "0 0 595 842"' \
        '*PaperDimension A4/A4: "595 842"' > "$folder/etc/letter.ppd"
    write_letter_ppd "Quillset Letter Only" > "$folder/etc/letter-only.ppd"
    /usr/sbin/lpadmin -h "$folder/cups.sock" -p QuillsetLetter -E -v "quillset-test:$folder" \
        -P "$folder/etc/letter.ppd" -o printer-error-policy=abort-job 2>/dev/null
    /usr/sbin/lpadmin -h "$folder/cups.sock" -p QuillsetLetterOnly -E -v "quillset-test:$folder" \
        -P "$folder/etc/letter-only.ppd" -o printer-error-policy=abort-job 2>/dev/null
}

# write_letter_ppd <model> [A4 PageSize, PageRegion, ImageableArea and PaperDimension lines]
write_letter_ppd() {
    cat <<PPD
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "LETTER.PPD"
*Manufacturer: "Quillset"
*Product: "($1)"
*ModelName: "$1"
*ShortNickName: "$1"
*NickName: "$1"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Minus90
*TTRasterizer: Type42
*cupsFilter2: "application/vnd.cups-pdf application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
${2:-}
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Letter
*PageRegion Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
${3:-}
*CloseUI: *PageRegion
*DefaultImageableArea: Letter
*ImageableArea Letter/US Letter: "0 0 612 792"
${4:-}
*DefaultPaperDimension: Letter
*PaperDimension Letter/US Letter: "612 792"
${5:-}
PPD
}

start() {
    if [ ! -x /usr/sbin/cupsd ] || [ ! -x /usr/sbin/lpadmin ]; then
        echo "cupsd is missing: install the Debian packages cups and cups-client" >&2
        exit 3
    fi
    stop
    mkdir -p "$folder"/{etc/ppd,etc/ssl,spool,tmp,cache,state,log,out,lib/backend}
    chmod 0755 "$folder" "$folder/etc" "$folder/lib" "$folder/lib/backend"
    chmod 1777 "$folder/tmp"
    chmod 0777 "$folder/out"
    # The server's own programs, but for the backends: only this queue's printer.
    for part in cgi-bin daemon filter monitor notifier; do
        [ -e "/usr/lib/cups/$part" ] && ln -sfn "/usr/lib/cups/$part" "$folder/lib/$part"
    done
    write_backend
    echo ok > "$folder/behaviour"
    chmod 0666 "$folder/behaviour"
    cat > "$folder/etc/cupsd.conf" <<CONF
Listen $folder/cups.sock
LogLevel warn
WebInterface No
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
JobRetryLimit 0
# A program killed while it streamed a job leaves it incomplete; a real server aborts such a job
# after 15 minutes, this one soon enough for a test to see it end.
MultipleOperationTimeout 5
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat > "$folder/etc/cups-files.conf" <<CONF
ServerRoot $folder/etc
ServerBin $folder/lib
RequestRoot $folder/spool
TempDir $folder/tmp
CacheDir $folder/cache
StateDir $folder/state
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
Printcap $folder/printcap
SystemGroup root
Sandboxing Relaxed
CONF

    setsid /usr/sbin/cupsd -f -c "$folder/etc/cupsd.conf" -s "$folder/etc/cups-files.conf" \
        >"$folder/log/cupsd.out" 2>&1 &
    echo $! > "$folder/cupsd.pid"
    for _ in $(seq 1 100); do
        [ -S "$folder/cups.sock" ] && break
        sleep 0.1
    done
    if [ ! -S "$folder/cups.sock" ]; then
        echo "cupsd did not start; see $folder/log" >&2
        cat "$folder/log/cupsd.out" "$folder/log/error_log" 2>/dev/null >&2 || true
        exit 1
    fi
    # A raw queue: the printer receives the very PDF the program sent, so it can be read back word by
    # word. A failing job is aborted rather than stopping the queue.
    /usr/sbin/lpadmin -h "$folder/cups.sock" -p "$queue" -E -v "quillset-test:$folder" -m raw \
        -o printer-error-policy=abort-job 2>/dev/null
    /usr/sbin/lpadmin -h "$folder/cups.sock" -d "$queue"
    # A second queue whose printer, like most office printers, cannot print to the sheet's edges: it
    # reports margins of 1/4 inch at the sides and 1/2 inch at the top and bottom of an A4 sheet.
    cat > "$folder/etc/margins.ppd" <<'PPD'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "MARGINS.PPD"
*Manufacturer: "Quillset"
*Product: "(Margins)"
*ModelName: "Quillset Margins"
*ShortNickName: "Quillset Margins"
*NickName: "Quillset Margins"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/pdf application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 36 577 806"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
PPD
    /usr/sbin/lpadmin -h "$folder/cups.sock" -p QuillsetMargins -E -v "quillset-test:$folder" \
        -P "$folder/etc/margins.ppd" -o printer-error-policy=abort-job 2>/dev/null
    letter_queues
    echo "$queue"
}

case "$command" in
start) start ;;
stop) stop ;;
printer)
    echo "${3:-ok}" > "$folder/behaviour"
    ;;
default)
    /usr/sbin/lpadmin -h "$folder/cups.sock" -d "${3:-$queue}"
    ;;
freeze) kill -STOP "$(cat "$folder/cupsd.pid")" ;;
thaw) kill -CONT "$(cat "$folder/cupsd.pid")" ;;
*)
    echo "usage: $0 start|stop|printer|freeze|thaw <folder> [behaviour]" >&2
    exit 2
    ;;
esac
