#!/usr/bin/env bash
# A private PostgreSQL cluster for the tests.
#   postgres-cluster.sh start <file>   makes a cluster in a new temporary folder, listening on a Unix
#                                      socket in that folder only (no network port), and writes the
#                                      folder's path into <file>
#   postgres-cluster.sh stop <file>    stops the cluster <file> names and removes its folder and <file>
# The server runs as the user running this, or, for root (whom PostgreSQL refuses), as the Debian
# package's postgres user. Nothing outside <folder> is touched.
set -euo pipefail

command=${1:-}
location_file=${2:-}
if [ -z "$command" ] || [ -z "$location_file" ]; then
    echo "usage: $0 start|stop <file>" >&2
    exit 2
fi
folder=""

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
    owner=postgres
    id "$owner" >/dev/null 2>&1 || owner=nobody
    as_owner=(runuser -u "$owner" --)
fi

stop() {
    [ -f "$location_file" ] || return 0
    folder=$(cat "$location_file")
    rm -f "$location_file"
    case "$folder" in
    "${TMPDIR:-/tmp}"/quillset-pg.*) ;;
    *) return 0 ;; # never remove a folder this script did not make
    esac
    if [ -n "$bin" ] && [ -f "$folder/data/postmaster.pid" ]; then
        "${as_owner[@]}" "$bin/pg_ctl" -D "$folder/data" -m immediate -w -t 30 stop >/dev/null 2>&1 || true
    fi
    rm -rf "$folder"
}

start() {
    if [ -z "$bin" ] || [ ! -x "$bin/initdb" ]; then
        echo "the PostgreSQL server is missing: install the Debian package postgresql" >&2
        exit 3
    fi
    stop # a cluster a killed run left behind
    # A short path of its own: a socket's path must stay under about 100 characters.
    folder=$(mktemp -d "${TMPDIR:-/tmp}/quillset-pg.XXXXXX")
    chmod 0755 "$folder"
    echo "$folder" >"$location_file"
    if [ ${#as_owner[@]} -gt 0 ]; then
        chown "${as_owner[2]}" "$folder"
    fi
    "${as_owner[@]}" "$bin/initdb" -D "$folder/data" -U quillset --auth=trust -E UTF8 --locale=C.UTF-8 \
        >"$folder/initdb.log" 2>&1 || { cat "$folder/initdb.log" >&2; exit 1; }
    "${as_owner[@]}" "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 60 \
        -o "-c listen_addresses='' -k $folder -c fsync=off -c max_connections=40" start >/dev/null \
        || { cat "$folder/server.log" >&2; exit 1; }
    echo "a private PostgreSQL server listens in $folder"
}

case "$command" in
start) start ;;
stop) stop ;;
*)
    echo "usage: $0 start|stop <file>" >&2
    exit 2
    ;;
esac
