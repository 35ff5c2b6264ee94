#!/usr/bin/env bash
# Checks the Debian package cpack made, without installing it: lintian finds no error in it, it holds
# what an installation needs and names what the program loads by name, and the program unpacked from
# it (dpkg -x into a temporary folder) starts, makes a database, proofs a cheque, and on first start
# copies its delivered database into the user's data folder, since users cannot write where it is
# installed.
#   check-package.sh <folder holding the .deb> <version>
set -euo pipefail
package=$1/quillset_$2_$(dpkg --print-architecture).deb
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch" 2>/dev/null; rm -rf "$scratch"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

echo "==> lintian $package"
lintian --display-info --fail-on error "$package" || fail "lintian found errors in the package"

echo "==> What the package holds and needs"
contents=$(dpkg-deb --contents "$package")
for path in ./usr/bin/quillset ./usr/lib/quillset/quillset ./usr/lib/quillset/Records.mdb \
    ./usr/lib/quillset/rptCheque.rpt ./usr/lib/quillset/windows/quillset-windows.so ./usr/share/applications/quillset.desktop \
    ./usr/share/icons/hicolor/48x48/apps/quillset.png ./usr/share/doc/quillset/copyright \
    ./usr/share/doc/quillset/changelog.gz ./usr/share/man/man1/quillset.1.gz; do
    grep -q " $path\( ->\|$\)" <<<"$contents" || fail "the package has no $path"
done
depends=$(dpkg-deb --field "$package" Depends)
for needed in fonts-wine libqt6sql6-sqlite libqt6sql6-psql libqt6widgets6 libcups2; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done

echo "==> The unpacked program"
root=$scratch/root
dpkg -x "$package" "$root"
program=$root/usr/bin/quillset
export QT_QPA_PLATFORM=offscreen
help=$("$program" --help) || fail "quillset --help failed"
grep -q -- --initialise <<<"$help" || fail "quillset --help does not list --initialise"

work=$scratch/work
mkdir "$work"
"$program" --database "$work/Records.mdb" --initialise --sample-account >/dev/null
cheque=(--account ACC1 --cheque 000123 --pay "ABC Traders" --date 06-Dec-2026 --amount 12345)
"$program" --database "$work/Records.mdb" --pdf "$work/proof.pdf" "${cheque[@]}" >/dev/null
text=$(pdftotext "$work/proof.pdf" -)
grep -q "ABC Traders" <<<"$text" || fail "the proof does not name the payee: $text"
grep -q "TWELVE THOUSAND THREE HUNDRED FORTY FIVE" <<<"$text" || fail "the proof has no amount in words: $text"

echo "==> First start of a user who cannot write the program's folder"
# Root may write anywhere, so the first start runs as nobody; another user has the folder made
# read-only as an installed one is.
home=$scratch/home
mkdir -p "$home"
delivered=$root/usr/lib/quillset/Records.mdb
before=$(sha256sum <"$delivered")
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$scratch"
    chown -R 65534:65534 "$home"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
else
    chmod a-w "$root/usr/lib/quillset"
fi
env HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
    "${as_user[@]}" "$program" --pdf "$home/first.pdf" "${cheque[@]}" >/dev/null ||
    fail "the first start could not proof a cheque on the delivered database"
own=$home/.local/share/Quillset/Quillset/Records.mdb
[ -f "$own" ] || fail "the first start did not copy the delivered database to $own"
grep -q "ABC Traders" <(pdftotext "$home/first.pdf" -) || fail "the first start's proof does not name the payee"
[ "$(sha256sum <"$delivered")" = "$before" ] || fail "the delivered database was changed"
echo "==> The package is good"
