#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are not yet installed.
# Sourced by the start and test scripts; safe to run again.
set -euo pipefail

quillset_install_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        echo "==> All required Debian packages are installed."
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "error: these packages are missing and sudo is not available: ${missing[*]}" >&2
            return 1
        fi
        sudo=(sudo)
    fi
    echo "==> Installing Debian packages: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# What building and running the program needs.
QUILLSET_BUILD_PACKAGES=(
    ca-certificates cmake ninja-build g++ pkg-config git
    qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-pdf-dev libqt6sql6-sqlite libqt6sql6-psql libgl-dev libcups2-dev libcsv-dev libpq-dev libsqlite3-dev
    fonts-wine fonts-dejavu-core fonts-noto-core unixodbc odbcinst libsqliteodbc
)

# What the tests need on top: PDF text extraction and rendering, OCR to read printed pages as a
# person would (German beside English, to read the umlauts of a payee like "Café Müller GmbH"), the formatter the code is checked against, the SQLite shell for the benchmarks, a print server for the end-to-end print tests (they start a
# private CUPS server of their own) and a PostgreSQL server for the shared-register tests (they start
# a private cluster of their own; the package's own cluster is not used). The Debian package is
# built and checked too: dpkg-shlibdeps (dpkg-dev) and file name its libraries, lintian checks it.
# python3's csv module reads the Positive Pay files back, as a reader the program did not write.
QUILLSET_TEST_PACKAGES=(
    poppler-utils clang-format sqlite3 cups cups-client postgresql tesseract-ocr tesseract-ocr-eng tesseract-ocr-deu
    libtesseract-dev dpkg-dev file lintian python3
)

# quillset_build <folder> [cmake options...]
quillset_build() {
    local build_dir=$1
    shift
    echo "==> Configuring the build in $build_dir"
    cmake -S "$QUILLSET_ROOT" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    echo "==> Building"
    cmake --build "$build_dir"
}

# Fails, naming the files, when any source file is not formatted as .clang-format says.
quillset_check_format() {
    echo "==> Checking the code's formatting"
    local files
    mapfile -t files < <(cd "$QUILLSET_ROOT" && git ls-files -- '*.cpp' '*.h')
    if ! (cd "$QUILLSET_ROOT" && clang-format --dry-run --Werror "${files[@]}"); then
        echo "error: these files are not formatted; run clang-format -i on them" >&2
        return 1
    fi
}
