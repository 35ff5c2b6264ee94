#!/usr/bin/env bash
# A private CUPS server with one PDF print queue, for the end-to-end print tests.
#   print-queue.sh start <folder>   starts cupsd on <folder>/cups.sock with the default queue
#                                   QuillsetTestPDF, whose PDFs land in <folder>/out
#   print-queue.sh stop <folder>    stops that cupsd and removes the queue's cups-pdf settings
# The server has its own configuration, spool and socket under <folder>: the system's CUPS and any
# printer already set up are never touched. Printing to it needs root, because cups-pdf does.
set -euo pipefail

command=${1:-}
folder=${2:-}
queue=QuillsetTestPDF
pdf_settings=/etc/cups/cups-pdf-$queue.conf

if [ -z "$command" ] || [ -z "$folder" ]; then
    echo "usage: $0 start|stop <folder>" >&2
    exit 2
fi

stop() {
    if [ -f "$folder/cupsd.pid" ]; then
        kill "$(cat "$folder/cupsd.pid")" 2>/dev/null || true
        rm -f "$folder/cupsd.pid"
    fi
    rm -f "$pdf_settings"
}

start() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "the test print queue needs root (cups-pdf writes as root)" >&2
        exit 3
    fi
    for tool in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/lib/cups/backend/cups-pdf; do
        if [ ! -x "$tool" ]; then
            echo "$tool is missing: install the Debian packages cups and printer-driver-cups-pdf" >&2
            exit 3
        fi
    done
    ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null || true)
    [ -n "$ppd" ] || { echo "the CUPS-PDF printer description is missing" >&2; exit 3; }

    stop
    mkdir -p "$folder"/{etc/ppd,etc/ssl,spool,tmp,cache,state,log,out}
    chmod 0755 "$folder" "$folder/etc"
    chmod 1777 "$folder/tmp"
    chmod 0777 "$folder/out"
    cat > "$folder/etc/cupsd.conf" <<CONF
Listen $folder/cups.sock
LogLevel warn
WebInterface No
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
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
    # cups-pdf reads settings named after the queue; only this queue uses them.
    cat > "$pdf_settings" <<CONF
Out $folder/out
AnonDirName $folder/out
Grp root
Log $folder/log
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
    # Rendering through Cairo keeps the text as text, so that the PDF can be read back word by word.
    /usr/sbin/lpadmin -h "$folder/cups.sock" -p "$queue" -E -v "cups-pdf:/$queue" -P "$ppd" \
        -o pdftops-renderer-default=pdftocairo 2>/dev/null
    /usr/sbin/lpadmin -h "$folder/cups.sock" -d "$queue"
    echo "$queue"
}

case "$command" in
start) start ;;
stop) stop ;;
*)
    echo "usage: $0 start|stop <folder>" >&2
    exit 2
    ;;
esac
